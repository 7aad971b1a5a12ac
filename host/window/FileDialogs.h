#pragma once
// The file dialog of OPEN and SAVEAS in the window: Qt's own, modal over the window.
#include <optional>
#include <string>

class QWidget;

namespace window {

// Asks for a drawing to open (an existing DXF or DWG file) or the name to save one as (a
// DXF file; the dialog asks before replacing one). offered: the file or folder it starts at,
// empty for the working folder. The chosen file's full path, or nothing when cancelled.
std::optional<std::wstring> AskDrawingFile(QWidget* parent, bool save, const std::wstring& offered);

}  // namespace window
