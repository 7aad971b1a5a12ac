#include "GuiApplication.h"

#include <QApplication>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::view {

void EnsureGuiApplication() {
    if (QCoreApplication::instance()) return;
    const char* forced = std::getenv("VELLORIA_CONSOLE_DIALOGS");
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const bool console = (forced && *forced && std::string(forced) != "0") || (!(x11 && *x11) && !(wayland && *wayland));
    if (console) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        if (!std::getenv("XDG_RUNTIME_DIR")) {
            // The toolkit wants a private runtime folder; the one it would pick itself, made quietly.
            const std::string runtime = "/tmp/runtime-" + std::to_string(::getuid());
            ::mkdir(runtime.c_str(), 0700);
            struct stat info {};
            if (::stat(runtime.c_str(), &info) == 0 && info.st_uid == ::getuid() && (info.st_mode & 0077) == 0)
                ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        }
    } else if (!std::getenv("QT_QPA_PLATFORM")) {
        ::setenv("QT_QPA_PLATFORM", wayland && *wayland ? "wayland;xcb;offscreen" : "xcb;wayland;offscreen", 1);
    }
    // The dialogs may follow in the same process, and they need the widgets' application.
    static int argc = 1;
    static char name[] = "velloria";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);  // lives until the process ends
}

}  // namespace platform::view
