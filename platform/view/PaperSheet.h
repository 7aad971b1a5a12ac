#pragma once
// Plots on paper (no Qt here: the console's tools read these options too): paper sizes, margins, scales and plot areas as the user writes them, the
// plot settings a layout stores in the drawing, and where a plot puts the drawing on its sheet.
#include <optional>
#include <string>
#include <string_view>

#include "view/Geometry3.h"

class QTransform;

namespace platform::dxf {
struct DxfObject;
}

namespace platform::view {

// Millimetres, as the sheet lies (width across, height up).
struct PaperSize {
    double width = 0, height = 0;
};

struct Margins {
    double left = 0, bottom = 0, right = 0, top = 0;  // millimetres
};

// "A3" (297 x 420), "letter", "tabloid", "420x297mm": a named paper upright, a measured one as
// written. Nothing for anything else.
std::optional<PaperSize> ParsePaper(std::string_view text);
// "A0 to A4, letter, tabloid or WxHmm", for help and messages.
const std::string& PaperNames();
// The paper's name when it is one of the named sizes either way up ("A3"), else "420 x 297 mm".
std::string PaperName(const PaperSize& paper);

// "10" (every side), "10,15" (top and bottom, left and right) or "10,15,10,20" (top, right,
// bottom, left), in millimetres.
std::optional<Margins> ParseMargins(std::string_view text);

// "1:50" (one millimetre on paper for fifty drawing units) gives 0.02; "fit" gives 0.
std::optional<double> ParseScale(std::string_view text);
// "1:50", "2:1", "1:2.5"
std::string ScaleName(double millimetresPerUnit);

enum class AreaKind {
    Default,  // what the layout's plot settings say, else the extents
    Extents,  // what the layout draws
    Window,   // a rectangle of the layout
    Layout,   // the layout's sheet: the paper its plot settings store, or its limits
};
struct PlotArea {
    AreaKind kind = AreaKind::Default;
    Box window;          // for Window
    std::string layout;  // for Layout: the layout named
};
// "extents", "window X1,Y1,X2,Y2", "layout NAME"; nothing with the reason in error.
std::optional<PlotArea> ParseArea(std::string_view text, std::string& error);

enum class Orientation { AsSet, Portrait, Landscape };

// What a layout object stores of its plot (the drawing's plot settings, as a CAD program's page
// setup left them).
struct LayoutPlotSettings {
    std::string paperName;            // 4
    double paperWidth = 0, paperHeight = 0;  // 44, 45: millimetres, the paper upright in the printer
    Margins margins;                  // 40 to 43, of the paper upright
    double originX = 0, originY = 0;  // 46, 47: millimetres
    Box window;                       // 48, 49, 140, 141: the area of a window plot
    double numerator = 1, denominator = 1;  // 142, 143: paper units for drawing units
    int flags = 0;                    // 70
    int units = 1;                    // 72: 0 inches, 1 millimetres, 2 pixels
    int rotation = 0;                 // 73: quarter turns counter-clockwise
    int type = 5;                     // 74: 0 display, 1 extents, 2 limits, 3 view, 4 window, 5 layout
    int standardScale = 16;           // 75: 0 scaled to fit
    Box limits;                       // the layout's limits (its own subclass, 10 and 11)

    // The layout stores a paper to plot on.
    bool HasPaper() const { return paperWidth > 0 && paperHeight > 0; }
    bool FitsToPaper() const { return (flags & 16) != 0 && standardScale == 0; }
    bool Centred() const { return (flags & 4) != 0; }
    // Millimetres on paper for one drawing unit (0 when it is scaled to fit or stores no scale).
    double Scale() const;
    // The paper and its margins as the layout shows it (turned by the rotation).
    PaperSize Paper() const;
    Margins TurnedMargins() const;
};
LayoutPlotSettings ReadLayoutPlotSettings(const dxf::DxfObject& layout);

// What the user asked of a plot's sheet; nothing set keeps the pixel sheet fitted to the extents.
struct PaperRequest {
    std::optional<PaperSize> paper;
    Orientation orientation = Orientation::AsSet;
    std::optional<Margins> margins;
    std::optional<double> scale;  // millimetres per unit; 0 fit
    PlotArea area;
    bool pixelSheet = false;  // a sheet of pixels was given: a scale or margins go on it, not on paper
    bool Any() const { return paper || orientation != Orientation::AsSet || margins || scale || area.kind != AreaKind::Default; }
};

// Where a plot puts the drawing: the sheet in millimetres and the world's place on it.
struct SheetPlan {
    PaperSize paper;   // millimetres; for a pixel sheet, its pixels at the resolution
    Margins margins;
    bool onPaper = false;      // a paper (given or stored), not a pixel sheet
    bool fromLayout = false;   // the layout's stored plot settings chose the paper or scale
    double scale = 0;          // millimetres on paper per drawing unit
    double originX = 0, originY = 0;  // where the world's (0, 0) lands, millimetres from the lower left
    Box area;                  // what of the world is plotted
    AreaKind kind = AreaKind::Extents;
    bool fit = false;          // the scale fits the area to the printable part

    // World to device pixels (y down) at `pixelsPerMm`.
    QTransform WorldToDevice(double pixelsPerMm) const;
    // What of the world the printable part of the sheet shows.
    Box Printable() const;
    // "A3 landscape (420 x 297 mm), 1:50"
    std::string Describe() const;
};

// The plan for plotting `extents` (what the layout draws, not empty) of a layout with its stored
// settings (null: none) on the sheet asked for; `pixelSheet` is the sheet in millimetres that
// a plot without paper uses. False with the reason in error.
bool PlanSheet(const PaperRequest& request, const LayoutPlotSettings* stored, const Box& extents, const PaperSize& pixelSheet,
               double pixelMargin, SheetPlan& plan, std::string& error);

}  // namespace platform::view
