#pragma once
// The host as a desktop program: the main window is the command line of the session, each
// open drawing has its tab there (OPEN and NEW add one, CLOSE closes the current one), the
// question whether to save a changed drawing is asked in a message box over it, and OPEN and
// SAVEAS ask for the file in the file dialog (FILEDIA).
#include <memory>

namespace window {
class MainWindow;
}

class WindowHost {
public:
    // The window, shown and attached; null when no display could be opened after all (the
    // session then runs on the console).
    static std::unique_ptr<WindowHost> Open();
    ~WindowHost();
    WindowHost(const WindowHost&) = delete;
    WindowHost& operator=(const WindowHost&) = delete;

    window::MainWindow& Window() { return *m_window; }

private:
    WindowHost() = default;
    std::unique_ptr<window::MainWindow> m_window;
};
