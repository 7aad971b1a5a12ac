#include "view/GuiApplication.h"

#include <QApplication>

#include "posix/ToolkitEnvironment.h"

namespace platform::view {

void EnsureGuiApplication() {
    if (QCoreApplication::instance()) return;
    platform::posix::PrepareToolkitEnvironment();
    // The dialogs may follow in the same process, and they need the widgets' application.
    static int argc = 1;
    static char name[] = "velloria";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);  // lives until the process ends
}

}  // namespace platform::view
