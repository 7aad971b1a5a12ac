// The toolkit's application object: made on the first dialog, once per process. Without a
// display, or when told so, it runs on the offscreen platform and dialogs go to the console.
#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "mfcui/DialogSession.h"
#include "mfcui/QtBridge.h"

namespace platform::ui {
namespace {

bool s_console = false;

bool WantConsole() {
    const char* forced = std::getenv("VELLORIA_CONSOLE_DIALOGS");
    if (forced && *forced && std::string(forced) != "0") return true;
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return !(x11 && *x11) && !(wayland && *wayland);
}

}  // namespace

void EnsureApplication() {
    if (QApplication::instance()) return;
    s_console = WantConsole();
    if (s_console) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        // The toolkit wants a private runtime folder; the one it would pick itself, made quietly.
        if (!std::getenv("XDG_RUNTIME_DIR")) {
            const std::string runtime = "/tmp/runtime-" + std::to_string(::getuid());
            ::mkdir(runtime.c_str(), 0700);
            struct stat info {};
            if (::stat(runtime.c_str(), &info) == 0 && info.st_uid == ::getuid() && (info.st_mode & 0077) == 0)
                ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        }
    } else if (!std::getenv("QT_QPA_PLATFORM")) {
        // A display that cannot be reached falls back to the console instead of ending the host.
        const char* wayland = std::getenv("WAYLAND_DISPLAY");
        ::setenv("QT_QPA_PLATFORM", wayland && *wayland ? "wayland;xcb;offscreen" : "xcb;wayland;offscreen", 1);
    }
    // The toolkit keeps references to these for its whole life.
    static int argc = 1;
    static char name[] = "velloria";
    static char* argv[] = {name, nullptr};
    // Lives until the process ends; the library is never unloaded.
    auto* app = new QApplication(argc, argv);
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) s_console = true;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    app->setFont(font);
}

bool ConsoleDialogs() {
    EnsureApplication();
    return s_console;
}

void ProcessEvents() {
    if (QApplication::instance()) QApplication::processEvents();
}

int DluToPixelsX(int dlu) {
    QFontMetrics metrics(QApplication::font());
    const int average = (metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 26 + 1) / 2;
    return (dlu * average + 2) / 4;
}

int DluToPixelsY(int dlu) {
    QFontMetrics metrics(QApplication::font());
    return (dlu * metrics.height() + 4) / 8;
}

std::optional<std::string>& PendingMenuChoice() {
    static std::optional<std::string> choice;
    return choice;
}

int WidgetId(const QWidget* widget) {
    const QVariant v = widget ? widget->property(kCtlIdProperty) : QVariant();
    return v.isValid() ? v.toInt() : 0;
}

}  // namespace platform::ui
