#pragma once
// The renderer's traversal (internal): each entity's tags become the canvas's primitives, in
// world coordinates, with its colour, line type and line weight resolved. Block references,
// dimensions, tables and viewports draw other entities through a context that says where
// (the transformation) and on whose behalf (what ByBlock and layer 0 mean there).
#include <QPointF>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "view/Canvas.h"
#include "view/Drawing.h"
#include "view/EntityTags.h"
#include "view/Fonts.h"
#include "view/Renderer.h"

namespace platform::view {

// An entity's resolved appearance.
struct MTextRun;

struct Props {
    QColor color;
    const LinetypeInfo* linetype = nullptr;  // null: continuous
    double linetypeScale = 1;
    int lineweight = 25;  // 1/100 mm
    const LayerInfo* layer = nullptr;
};

struct Context {
    Matrix m;  // the entity's coordinates to the world
    Props byBlock;
    const LayerInfo* blockLayer = nullptr;  // the layer that entities on layer 0 take
    int depth = 0;
    const std::unordered_set<dxf::Handle>* frozen = nullptr;  // layers a viewport freezes
    std::vector<const dxf::Block*>* path = nullptr;           // blocks being drawn, against cycles
    bool repeat = false;  // within a block drawn before (or a viewport's second view): drawn against the budget

    // The same context for coordinates that `local` maps into this one's.
    Context Within(const Matrix& local) const {
        Context c = *this;
        c.m = m * local;
        return c;
    }
    // Within a translation: the axes stay as they are.
    Context Moved(const Vec3& to) const {
        Context c = *this;
        c.m.T = m.Apply(to);
        return c;
    }
};

// A list of entities in drawing order: a layout's (pointers) or a block's (objects).
class EntityRange {
public:
    explicit EntityRange(const std::vector<const dxf::DxfObject*>& list) : m_pointers(list.data()), m_size(list.size()) {}
    explicit EntityRange(const std::vector<dxf::DxfObject>& list) : m_objects(list.data()), m_size(list.size()) {}
    EntityRange(const dxf::DxfObject* objects, size_t size, const EntityTags::Prepared* prepared = nullptr)
        : m_objects(objects), m_prepared(prepared), m_size(size) {}
    size_t size() const { return m_size; }
    const dxf::DxfObject& operator[](size_t i) const { return m_pointers ? *m_pointers[i] : m_objects[i]; }
    // How the entity at i was prepared, or null.
    const EntityTags::Prepared* PreparedAt(size_t i) const { return m_prepared ? &m_prepared[i] : nullptr; }

private:
    const dxf::DxfObject* const* m_pointers = nullptr;
    const dxf::DxfObject* m_objects = nullptr;
    const EntityTags::Prepared* m_prepared = nullptr;
    size_t m_size = 0;
};

class EntityDrawer {
public:
    EntityDrawer(const Drawing& drawing, const RenderOptions& options, Fonts& fonts, Canvas& canvas, RenderStats& stats);

    Context TopContext() const;
    void DrawLayout(const Layout& layout);
    // Draws the entity at i of the range (with the vertices or attributes that follow it) and
    // returns the index after what it drew.
    size_t DrawAt(const EntityRange& range, size_t i, const Context& ctx);
    void DrawRange(const EntityRange& range, const Context& ctx);
    // Where a deferred block's text may be cut in two to be drawn on two threads (on a canvas
    // that forks); 0 where it is not.
    static size_t HalfwayMark(const dxf::DeferredEntities& deferred);

    // Parts used by the entity drawers of every file.
    bool Resolve(const EntityTags& tags, const Context& ctx, Props& props) const;
    QColor ColorOf(const DrawingColor& color, const Context& ctx, const LayerInfo* layer) const;
    // Tolerance for curves in the entity's own units.
    double Tolerance(const Context& ctx) const;
    static QPointF Plan(const Matrix& m, const Vec3& p) {
        const Vec3 w = m.Apply(p);
        return {w.x, w.y};
    }
    // Strokes the points (entity coordinates) with the entity's line type and weight.
    void Stroke(const std::vector<Vec3>& points, bool closed, const Props& props, const Context& ctx);
    void StrokeWorld(std::vector<QPointF>& points, bool closed, const Props& props, double patternScale);
    void FillWorld(const std::vector<QPointF>& ring, const QColor& color);
    Pen PenOf(const Props& props) const;

    const Drawing& drawing;
    const RenderOptions& options;
    Fonts& fonts;
    Canvas& canvas;
    RenderStats& stats;

private:
    void DrawEntity(const EntityRange& range, size_t i, size_t end, const Context& ctx);
    void Skip(std::string_view type);
    // Counts entities of a repeat against the budget; false (and counted as left out) when
    // they are past it.
    bool Charge(std::size_t entities);

    // Entity kinds (one file each for the larger ones).
    void DrawLine(const EntityTags& t, const Props& p, const Context& ctx);
    void DrawConstructionLine(const EntityTags& t, const Props& p, const Context& ctx, bool ray);
    void DrawCircle(const EntityTags& t, const Props& p, const Context& ctx, bool arc);
    void DrawEllipse(const EntityTags& t, const Props& p, const Context& ctx);
    void DrawLwPolyline(const EntityTags& t, const Props& p, const Context& ctx);
    void DrawPolyline(const EntityRange& range, size_t i, size_t end, const Props& p, const Context& ctx);
    void DrawSpline(const EntityTags& t, const Props& p, const Context& ctx);
    void DrawPoint(const EntityTags& t, const Props& p, const Context& ctx);
    void DrawSolid(const EntityTags& t, const Props& p, const Context& ctx);
    void Draw3dFace(const EntityTags& t, const Props& p, const Context& ctx);
    void DrawImageFrame(const EntityTags& t, const Props& p, const Context& ctx, bool wipeout);
    void DrawLeader(const EntityTags& t, const Props& p, const Context& ctx);
    void DrawMultiLeader(const EntityTags& t, const Props& p, const Context& ctx);
    void DrawMesh(const EntityTags& t, const Props& p, const Context& ctx);
    void DrawHatch(const EntityTags& t, const Props& p, const Context& ctx);
    void DrawText(const EntityTags& t, const Props& p, const Context& ctx);
    void DrawMText(const EntityTags& t, const Props& p, const Context& ctx);
    // Parts of DrawMText: a stacked fraction at (x, y) of the given width, and the rules under,
    // over and through a run of text from x0 to x1 on the baseline y.
    void DrawMTextStack(const MTextRun& run, const FontFace& face, double x, double y, double width, const QColor& color,
                        const Props& p, const Context& local);
    void DrawMTextRules(const MTextRun& run, double x0, double x1, double y, const QColor& color, const Props& p,
                        const Context& local);
    // Whether text of the face at k entity units a font unit is too small to show at all on
    // the device (a raster one; on a vector device every text is kept), where the entity's
    // coordinates stretch by at most planScale into the world.
    bool TooSmallToShow(const FontFace& face, double k, double widthFactor, double planScale) const;
    // One run of text: font units mapped by toEntity into the entity's coordinates.
    void EmitText(const QString& text, const FontFace& face, const QTransform& toEntity, double elevation, const QColor& color,
                  const Context& ctx);
    // The same, with the text's advance (font units) measured already.
    void EmitText(const QString& text, double advance, const FontFace& face, const QTransform& toEntity, double elevation,
                  const QColor& color, const Context& ctx);
    void DrawInsert(const EntityRange& range, size_t i, size_t end, const Props& p, const Context& ctx);
    // A dimension's or table's block, placed by a transformation.
    void DrawBlock(const dxf::Block& block, const Matrix& placement, const Props& p, const Context& ctx,
                   const LayerInfo* layer, bool drawnOnce = false);
    // The block's sketch, when it can stand for the block at this size; false when not.
    bool DrawSketch(const dxf::BlockSketch& sketch, const Context& ctx);
    // The entities of a block the reader left unparsed, read and drawn a part at a time.
    void DrawDeferred(const dxf::DeferredEntities& deferred, const Context& ctx);
    // Entities of such a block's text (or of a part that begins at an entity); text of
    // aheadFrom bytes or more is read ahead on a thread.
    void DrawDeferredText(std::string_view text, const Context& ctx, size_t aheadFrom);
    static constexpr size_t kNoThread = static_cast<size_t>(-1);
    void DrawViewport(const EntityTags& t, const Props& p, const Context& ctx);
    // A table's extent from its grid (entity coordinates of its block); false when the table
    // does not give its rows and columns.
    bool MeasureTableGrid(const EntityTags& t, const Context& ctx);
    // A wide polyline as filled quadrilaterals: its points (entity coordinates) with the width at each.
    void FillWide(const std::vector<Vec3>& points, const std::vector<double>& widths, const Props& p, const Context& ctx);

    const LayerInfo* FindLayer(std::string_view name) const;
    // The drawing's text style of that name; texts come in runs of one style.
    const TextStyleInfo& TextStyle(std::string_view name) const;
    const LinetypeInfo* LayerLinetype(const LayerInfo& layer) const;

    QColor m_foreground;
    // The text as UTF-16, in one string reused from text to text; valid until the next call.
    const QString& Utf16(std::string_view text);
    QString m_utf16;
    mutable std::string m_lastStyleName;
    mutable const TextStyleInfo* m_lastStyle = nullptr;
    mutable std::string_view m_lastLayerName;
    mutable const LayerInfo* m_lastLayer = nullptr;
    mutable bool m_lastLayerFound = false;
    mutable const LinetypeInfo* m_lastLayerLinetype = nullptr;
    mutable bool m_lastLayerLinetypeKnown = false;
    const Layout* m_model = nullptr;
    bool m_inViewport = false;
    // Blocks drawn once already, and viewports' views of model space: what comes again is a repeat.
    std::unordered_set<const dxf::Block*> m_drawnBlocks;
    int m_viewportsDrawn = 0;
};

}  // namespace platform::view
