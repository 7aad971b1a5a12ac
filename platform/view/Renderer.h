#pragma once
// Draws a layout of a drawing through a QPainter: any rectangle of its world (model space) or
// paper (a layout) onto any device -- an image, a PDF or SVG page, a widget. The same traversal
// measures: the extents of a layout, and of each of its entities for a spatial index.
#include <QColor>
#include <QRectF>
#include <QTransform>
#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "view/Drawing.h"
#include "view/Geometry3.h"

class QPainter;

namespace platform::view {

class Canvas;
class Fonts;

struct RenderOptions {
    QColor background = Qt::white;
    // Device pixels per inch, for line weights (given in millimetres).
    double dpi = 96;
    // Layers that are not to be plotted (and Defpoints) are left out, as a plot leaves them.
    bool plotting = true;
    // Text smaller than this many device pixels is drawn as a faint bar (never on vector devices).
    double greekingPixels = 1.5;
    // Below this (the text's ascent and descent in device pixels) not even the bar shows.
    double invisiblePixels = 0.25;
    bool vectorDevice = false;
    // The layout is drawn once (a plot): a table's block that the reader left unparsed is read
    // as it is drawn and not kept parsed. A view that draws again and again parses it once.
    bool drawsOnce = false;
    // A block the reader sketched (lines and texts only) drawn so small that none of its texts
    // would show is drawn from the sketch's lines, without parsing its entities: the same
    // pixels, from a fraction of the work.
    bool sketches = true;
    // What one traversal draws through block references, so that a small file cannot make
    // it draw for ever (a block that inserts another twice, forty levels deep, is 2^40
    // instances): references nested deeper than maxNesting are left out, and so is whatever
    // blocks drawn again (every instance of a block but its first, everything within one, and
    // every viewport's view but the first) would draw beyond repeatBudget entities. A block's
    // first instance is what the file holds, and is always drawn.
    int maxNesting = 64;
    std::size_t repeatBudget = 2'000'000;
};

// What a traversal met: entities drawn, and entities of types the renderer does not draw, by type.
struct RenderStats {
    std::size_t drawn = 0;
    std::map<std::string, std::size_t> skipped;
    std::size_t SkippedCount() const;
    // Entities drawn against the budget of repeated blocks, and what the limits left out:
    // block references nested too deep, and entities of repeated blocks past the budget (a
    // reference among them counts as one, whatever it holds).
    std::size_t repeated = 0;
    std::size_t tooDeep = 0;
    std::size_t overBudget = 0;
    bool CutShort() const { return tooDeep > 0 || overBudget > 0; }
};

// What the limits of the options left out of a traversal, in words for the user ("" when nothing was).
std::string LeftOutNote(const RenderStats& stats, const RenderOptions& options);

struct EntityExtent {
    const dxf::DxfObject* entity = nullptr;
    dxf::Handle handle = 0;
    Box box;
};

class Renderer {
public:
    Renderer(const Drawing& drawing, RenderOptions options = {});
    ~Renderer();
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;

    // The transformation that shows the world rectangle `view` in the device rectangle
    // `target` at one scale for both axes, centred, Y up.
    static QTransform FitTransform(const Box& view, const QRectF& target);

    // Draws what of the layout lies in `view` (world or paper coordinates) through
    // worldToDevice; the painter's clip, if any, stays.
    void Draw(QPainter& painter, const Layout& layout, const Box& view, const QTransform& worldToDevice);
    // Draws the layout onto a canvas of one's own; the canvas says what it shows.
    void Draw(Canvas& canvas, const Layout& layout);

    // The extents of what the layout draws (empty when it draws nothing).
    Box Extents(const Layout& layout);
    // One extent per top-level entity that draws anything (a polyline with its vertices, a
    // block reference with its attributes counting as one).
    std::vector<EntityExtent> EntityExtents(const Layout& layout);

    // Of the last Draw or Extents call.
    const RenderStats& Stats() const { return m_stats; }
    const Drawing& Source() const { return m_drawing; }
    const RenderOptions& Options() const { return m_options; }

private:
    const Drawing& m_drawing;
    RenderOptions m_options;
    std::unique_ptr<Fonts> m_fonts;
    RenderStats m_stats;
};

}  // namespace platform::view
