#pragma once
// Plotting: a layout's extents onto a sheet, written as PDF (vector, text as text), SVG or PNG
// by the file name's extension. The file is written whole or not at all.
#include <QColor>
#include <QImage>
#include <memory>
#include <optional>
#include <string>

#include "view/PaperSheet.h"
#include "view/PlotFormat.h"
#include "view/Renderer.h"

class AcDbDatabase;

namespace platform::view {

struct PlotSettings {
    std::string layout;     // empty: model space
    int width = 0;          // pixels (with height); 0: the default sheet
    int height = 0;
    double dpi = 0;         // pixels per inch; 0: 96
    QColor background = Qt::white;
    // The paper, scale and area; nothing asked plots a paper layout as its plot settings say,
    // and anything else fitted to a pixel sheet.
    PaperRequest paper;
};

struct PlotResult {
    bool ok = false;
    std::string error;  // when not ok: what went wrong, for the user
    std::string note;   // when ok, something the user should know (an empty sheet, what the limits left out)
    int width = 0, height = 0;  // of the sheet, in pixels
    SheetPlan sheet;            // the paper and where the drawing went on it
    Box extents;
    RenderStats stats;
};

// The sheet a layout's extents go on: the size given, or the long side of an A3 sheet at the
// resolution with the short side from the extents' proportions.
void SheetSize(const Box& extents, const PlotSettings& settings, int& width, int& height);

// The sheet as a picture (the PNG a plot writes), with what a plot reports.
QImage PlotImage(const Drawing& drawing, const PlotSettings& settings, PlotResult& result);

// The paper a paper layout is laid out on, in the layout's units: the sheet and the part of it a
// plot prints (inside the margins). Nothing for model space, nor for a layout that sets up
// neither a paper nor limits.
struct LayoutPaper {
    Box sheet, printable;
};
std::optional<LayoutPaper> PaperOfLayout(const Layout& layout);

PlotResult PlotDrawing(const Drawing& drawing, const PlotSettings& settings, const std::string& path);
// The plot file's bytes in `format`, for standard output or a file; `target` names where they
// go in what the errors of writing say.
PlotResult PlotBytes(const Drawing& drawing, const PlotSettings& settings, PlotFormat format, const std::string& target,
                     std::string& bytes);
// The database as a save would write it now (the drawing being edited, unsaved changes too).
PlotResult PlotDatabase(AcDbDatabase& database, const PlotSettings& settings, const std::string& path);

}  // namespace platform::view
