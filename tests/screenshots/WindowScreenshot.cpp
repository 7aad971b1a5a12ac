// A picture of the main window for people: the sample drawing with the Velloria pull-down in
// the menu bar, a crossing selection under way, a second drawing open in the next tab. `cmake --build build --target
// window_screenshot` writes docs/screenshots/window.png.
#include <QApplication>
#include <QMouseEvent>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "CommandLine.h"
#include "DrawingView.h"
#include "MainWindow.h"
#include "dxf/DrawingIo.h"
#include "editor/Console.h"
#include "editor/EditorSelection.h"
#include "runtime/DocManager.h"
#include "runtime/Menus.h"
#include "view/GuiApplication.h"

namespace {

void Mouse(QWidget& view, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint at) {
    QMouseEvent event(type, QPointF(at), QPointF(view.mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(&view, &event);
}

void Drag(QWidget& view, QPoint from, QPoint to, bool release) {
    Mouse(view, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, from);
    for (int i = 1; i <= 8; ++i) Mouse(view, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, from + (to - from) * i / 8);
    if (release) Mouse(view, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, to);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: window_screenshot FOLDER\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const std::string registry = (std::filesystem::temp_directory_path() / "velloria-window-shot.reg").string();
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::setenv("VELLORIA_REGISTRY", registry.c_str(), 1);
    platform::view::EnsureGuiApplication();

    window::MainWindow main;
    main.resize(1280, 820);
    main.show();
    main.Attach();
    auto loaded = platform::dxf::LoadDrawing(VELLORIA_SOURCE_DIR "/samples/linked-tables.dxf");
    if (!loaded) {
        std::fprintf(stderr, "window_screenshot: the sample drawing cannot be read\n");
        return 1;
    }
    // A second drawing open beside it, in its own tab.
    auto other = platform::dxf::LoadDrawing(VELLORIA_SOURCE_DIR "/tests/data/acad_table_simple.dxf");
    if (other) acDocManagerPtr()->addDocument(std::make_unique<AcApDocument>(other.database, CString(L"plan.dxf")));
    acDocManagerPtr()->addDocument(std::make_unique<AcApDocument>(loaded.database, CString(L"linked-tables.dxf")));
    // The module's pull-down, where the module puts it: before the last two of the host's.
    std::wstring error;
    if (!platform::LoadMenuFile(L"" VELLORIA_SOURCE_DIR "/src/app/Velloria.cuix", &error) || acedMenuCmd(L"P7=+Velloria.pop1") != RTNORM) {
        std::fprintf(stderr, "window_screenshot: the menu cannot be loaded\n");
        return 1;
    }
    platform::WriteOutput(std::string_view("Command: SELECT\n"));
    main.Refresh();
    QApplication::processEvents();

    window::DrawingView& view = *main.View();
    // A crossing over the upper tables, from right to left.
    const QPoint from(view.width() * 45 / 100, view.height() * 12 / 100), to(view.width() * 15 / 100, view.height() * 6 / 100);
    bool saved = false;
    QTimer::singleShot(0, [&] {
        Drag(view, from, to, true);
        QTimer::singleShot(0, [&] {
            // A second crossing under way, shown with its frame.
            Drag(view, QPoint(view.width() * 35 / 100, view.height() * 65 / 100), QPoint(view.width() * 62 / 100, view.height() * 95 / 100), false);
            std::filesystem::create_directories(folder);
            saved = main.grab().save(QString::fromStdString((folder / "window.png").string()));
            Mouse(view, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, QPoint(view.width() * 62 / 100, view.height() * 95 / 100));
            QTimer::singleShot(0, [&] { main.Input().Submit(""); });
        });
    });
    ads_name ss;
    if (acedSSGet(nullptr, nullptr, nullptr, nullptr, ss) == RTNORM) acedSSFree(ss);
    main.Detach();
    platform::UnloadMenuGroup(L"Velloria");
    std::filesystem::remove(registry);
    if (!saved) {
        std::fprintf(stderr, "window_screenshot: the picture cannot be written\n");
        return 1;
    }
    std::printf("%s\n", (folder / "window.png").string().c_str());
    return 0;
}
