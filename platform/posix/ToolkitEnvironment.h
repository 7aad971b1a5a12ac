#pragma once
// Where the toolkit (Qt) is to show its windows, decided once for every part of the process that
// makes the toolkit's application object (the dialogs, the renderer): on the offscreen platform
// without a display or when VELLORIA_CONSOLE_DIALOGS asks for the console, otherwise on the
// display, falling back to offscreen when it cannot be reached. Sets QT_QPA_PLATFORM (unless the
// user set it for a display) and a private XDG_RUNTIME_DIR for the offscreen platform.
namespace platform::posix {

// True when the console is to be used (the offscreen platform).
bool PrepareToolkitEnvironment();

}  // namespace platform::posix
