#include "posix/ToolkitEnvironment.h"

#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "posix/SystemCalls.h"

namespace platform::posix {

namespace {

bool WantConsole() {
    const char* forced = std::getenv("VELLORIA_CONSOLE_DIALOGS");
    if (forced && *forced && std::string(forced) != "0") return true;
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return !(x11 && *x11) && !(wayland && *wayland);
}

}  // namespace

bool PrepareToolkitEnvironment() {
    const bool console = WantConsole();
    if (console) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        // The toolkit wants a private runtime folder; the one it would pick itself, made quietly.
        if (!std::getenv("XDG_RUNTIME_DIR")) {
            const std::string runtime = "/tmp/runtime-" + std::to_string(::getuid());
            Sys().mkdir(runtime.c_str(), 0700);
            struct stat info {};
            if (Sys().stat(runtime.c_str(), &info) == 0 && info.st_uid == ::getuid() && (info.st_mode & 0077) == 0)
                ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        }
    } else if (!std::getenv("QT_QPA_PLATFORM")) {
        // A display that cannot be reached falls back to the console instead of ending the host.
        const char* wayland = std::getenv("WAYLAND_DISPLAY");
        ::setenv("QT_QPA_PLATFORM", wayland && *wayland ? "wayland;xcb;offscreen" : "xcb;wayland;offscreen", 1);
    }
    return console;
}

}  // namespace platform::posix
