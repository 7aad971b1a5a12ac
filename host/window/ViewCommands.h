#pragma once
// The commands that change what the window's view shows:
//   ZOOM  [Extents/Window] <Extents>, or a first corner of the window
//   PAN   a base point and a second point: the drawing moves by their displacement
// Registered (group "ACAD") while a window is attached.
namespace window {

class MainWindow;

void RegisterViewCommands(MainWindow* window);
void UnregisterViewCommands();

}  // namespace window
