#pragma once
// The user's settings of the host's profile for files (HKEY_CURRENT_USER\software\Velloria
// Host\Profile), each a system variable of the CAD program's name, set by a command of that
// name: 0 or 1.

// Whether a save keeps the file it replaces as NAME.bak beside it: ISAVEBAK (on unless 0).
bool BackupsEnabled();
// False when the setting cannot be stored.
bool SetBackupsEnabled(bool on);

// Whether the file commands (OPEN, SAVEAS) ask in the window's file dialog: FILEDIA (on unless
// 0). Off, and in scripts, they ask for the name on the command line.
bool FileDialogsEnabled();
bool SetFileDialogsEnabled(bool on);
