#pragma once
// The toolkit's application object, which fonts and painting need. A process that has one
// (the dialogs made it, or a window) keeps it; otherwise one is made, on the offscreen
// platform when there is no display or when the console is asked for, as the dialogs do.
namespace platform::view {

void EnsureGuiApplication();

}  // namespace platform::view
