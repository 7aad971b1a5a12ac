// The drawing window's redraws. Prints its figures; asserts nothing.
//
//   window_redraw_bench [--entities N]
//
// A drawing of N lines (100,000 by default) scattered over a square, shown in the main window
// (offscreen, 1280 x 820): the time to build the view's drawing from the database, to the
// first complete frame, and of a redraw fully visible, after zooming into a tenth of it, and
// after a pan at that zoom. Goal: a zoomed redraw a tenth of the full one or less, through the
// view's spatial index of the entities' extents (built on the first zoomed redraw).
#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "DrawingView.h"
#include "MainWindow.h"
#include "db/DbDatabase.h"
#include "db/DbEntities.h"
#include "db/DbSymbolTable.h"
#include "runtime/DocManager.h"
#include "view/GuiApplication.h"

namespace {

double Now() { return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count(); }

double Redraw(window::DrawingView& view, int times = 3) {
    double best = 1e300;
    for (int i = 0; i < times; ++i) {
        view.RedrawNow();
        best = std::min(best, view.LastRedrawMs());
    }
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    int entities = 100000;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--entities") == 0 && i + 1 < argc) entities = std::atoi(argv[++i]);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    platform::view::EnsureGuiApplication();

    auto database = platform::NewDrawingDatabase();
    {
        std::mt19937 random(7);
        std::uniform_real_distribution<double> at(0, 1000), step(-2, 2);
        AcDbBlockTableRecord* space = nullptr;
        acdbOpenObject(space, database->modelSpaceId(), AcDb::kForWrite);
        for (int i = 0; i < entities; ++i) {
            const double x = at(random), y = at(random);
            auto* line = new AcDbLine(AcGePoint3d(x, y, 0), AcGePoint3d(x + step(random), y + step(random), 0));
            AcDbObjectId id;
            space->appendAcDbEntity(id, line);
            line->close();
        }
        space->close();
    }
    window::MainWindow main;
    main.resize(1280, 820);
    main.show();
    QApplication::processEvents();
    acDocManagerPtr()->addDocument(std::make_unique<AcApDocument>(database, CString(L"bench.dxf")));

    const double t0 = Now();
    main.Refresh();
    const double built = Now() - t0;
    window::DrawingView& view = *main.View();
    view.RedrawNow();
    const double firstFrame = Now() - t0;
    const double full = Redraw(view);
    const QPointF centre(view.width() / 2.0, view.height() / 2.0);
    view.ZoomAt(centre, 10);
    view.RedrawNow();
    const double firstZoomed = view.LastRedrawMs();
    const double zoomed = Redraw(view);
    view.PanBy(QPointF(view.width() / 4.0, view.height() / 4.0));
    const double panned = Redraw(view);

    std::printf("window redraw, %d lines, view %d x %d\n", entities, view.width(), view.height());
    std::printf("  view's drawing built from the database  %8.1f ms\n", built * 1e3);
    std::printf("  first complete frame (with the build)   %8.1f ms\n", firstFrame * 1e3);
    std::printf("  redraw, all visible                     %8.1f ms\n", full);
    std::printf("  first zoomed redraw (builds the index)  %8.1f ms\n", firstZoomed);
    std::printf("  redraw, zoomed into a tenth             %8.1f ms  (%.2f of the full redraw; goal 0.10)\n", zoomed, zoomed / full);
    std::printf("  redraw, panned at that zoom             %8.1f ms  (%.2f of the full redraw)\n", panned, panned / full);
    acDocManagerPtr()->closeAll();
    return 0;
}
