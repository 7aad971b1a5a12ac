#pragma once
// Plotting: a layout's extents onto a sheet, written as PDF (vector, text as text), SVG or PNG
// by the file name's extension. The file is written whole or not at all.
#include <QColor>
#include <QImage>
#include <memory>
#include <optional>
#include <string>

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
};

struct PlotResult {
    bool ok = false;
    std::string error;  // when not ok: what went wrong, for the user
    std::string note;   // when ok, something the user should know (an empty sheet, what the limits left out)
    int width = 0, height = 0;  // of the sheet, in pixels
    Box extents;
    RenderStats stats;
};

// The sheet a layout's extents go on: the size given, or the long side of an A3 sheet at the
// resolution with the short side from the extents' proportions.
void SheetSize(const Box& extents, const PlotSettings& settings, int& width, int& height);

// The sheet as a picture (the PNG a plot writes), with what a plot reports.
QImage PlotImage(const Drawing& drawing, const PlotSettings& settings, PlotResult& result);

PlotResult PlotDrawing(const Drawing& drawing, const PlotSettings& settings, const std::string& path);
// The database as a save would write it now (the drawing being edited, unsaved changes too).
PlotResult PlotDatabase(AcDbDatabase& database, const PlotSettings& settings, const std::string& path);

}  // namespace platform::view
