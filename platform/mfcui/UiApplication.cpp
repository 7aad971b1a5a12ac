// The toolkit's application object: made on the first dialog, once per process. Without a
// display, or when told so, it runs on the offscreen platform and dialogs go to the console.
#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QMainWindow>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "mfcui/DialogSession.h"
#include "mfcui/QtBridge.h"
#include "posix/ToolkitEnvironment.h"

namespace platform::ui {
namespace {

bool s_console = false;
bool s_decided = false;

}  // namespace

void EnsureApplication() {
    if (QApplication::instance()) {
        // Made by another part of the process (the renderer of a plot): its platform decides.
        if (!s_decided) s_console = QGuiApplication::platformName() == QLatin1String("offscreen");
        s_decided = true;
        return;
    }
    s_decided = true;
    s_console = platform::posix::PrepareToolkitEnvironment();
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

QWidget* OwnerWindow() {
    if (ConsoleDialogs()) return nullptr;
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && qobject_cast<QMainWindow*>(widget)) return widget;
    return nullptr;
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
