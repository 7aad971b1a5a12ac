#pragma once
// Saving a drawing as SAVE does, for the commands that must save before they go on; and how a
// window asks OPEN and SAVEAS for a file name.
#include <functional>
#include <optional>
#include <string>

#include "runtime/DocManager.h"

// Saves the document to its own file, asking for a name when it was never saved; true when
// it was saved ("Saved NAME." on the command line).
bool SaveDocumentAsked(AcApDocument* document);

// A file dialog: what it asks for (a drawing to open, or the name to save one as), and the
// file it offers (a folder or a file; empty for the working folder). The chosen file, or
// nothing when cancelled. OPEN and SAVEAS ask there when one is set, FILEDIA is on and the
// command was typed by the user (not run by a script); else on the command line. An empty
// function returns to the command line.
enum class FileDialogKind { Open, Save };
using FileDialog = std::function<std::optional<std::wstring>(FileDialogKind kind, const std::wstring& offered)>;
void SetFileDialog(FileDialog dialog);
