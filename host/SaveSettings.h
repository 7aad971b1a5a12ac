#pragma once
// What a save does besides writing the drawing: the user's settings of the host's profile.

// Whether a save keeps the file it replaces as NAME.bak beside it: ISAVEBAK, as the CAD
// program calls its setting (HKEY_CURRENT_USER\software\Velloria Host\Profile, on unless 0).
bool BackupsEnabled();
// False when the setting cannot be stored.
bool SetBackupsEnabled(bool on);
