#pragma once
// The renderer's traversal (internal): each entity's tags become the canvas's primitives, in
// world coordinates, with its colour, line type and line weight resolved, by the drawing
// function registered for its type. Block references, dimensions, tables and viewports draw
// other entities through a context that says where (the transformation) and on whose behalf
// (what ByBlock and layer 0 mean there).
#include <QPointF>
#include <initializer_list>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "dxf/EntityType.h"
#include "view/Canvas.h"
#include "view/Drawing.h"
#include "view/EntityTags.h"
#include "view/Fonts.h"
#include "view/Renderer.h"

namespace platform::view {

// An entity's resolved appearance.
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
    EntityRange(const dxf::DxfObject* objects, size_t size) : m_objects(objects), m_size(size) {}
    size_t size() const { return m_size; }
    const dxf::DxfObject& operator[](size_t i) const { return m_pointers ? *m_pointers[i] : m_objects[i]; }

private:
    const dxf::DxfObject* const* m_pointers = nullptr;
    const dxf::DxfObject* m_objects = nullptr;
    size_t m_size = 0;
};

// Where a point (entity coordinates, mapped by m) lands in the plan of the world.
inline QPointF Plan(const Matrix& m, const Vec3& p) {
    const Vec3 w = m.Apply(p);
    return {w.x, w.y};
}

// The entities that follow one in a range and belong to it: a polyline's vertices, a block
// reference's attributes (up to their SEQEND).
struct Parts {
    const EntityRange& range;
    size_t begin, end;
};

class EntityDrawer;

// Draws an entity of the types it is registered for: its values, its resolved look, where, and
// the entities that belong to it. False when it could not (its block is missing): the entity is
// counted as skipped.
using DrawFunction = bool (*)(EntityDrawer& d, const EntityTags& t, const Props& p, const Context& ctx, const Parts& parts);

// A drawing function registered for the entity types it draws (described in dxf/EntityTypes.h),
// beside its definition:
//   const DrawerRegistration kCircles({&Circle::type, &Arc::type}, DrawCircle);
// A type without one is skipped and counted (RenderStats::skipped).
struct DrawerRegistration {
    DrawerRegistration(std::initializer_list<const dxf::EntityType*> types, DrawFunction draw);
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

    // What the drawing functions of every file use.
    bool Resolve(const EntityTags& tags, const Context& ctx, Props& props) const;
    QColor ColorOf(const DrawingColor& color, const Context& ctx, const LayerInfo* layer) const;
    // Tolerance for curves in the entity's own units.
    double Tolerance(const Context& ctx) const;
    // Strokes the points (entity coordinates) with the entity's line type and weight.
    void Stroke(const std::vector<Vec3>& points, bool closed, const Props& props, const Context& ctx);
    void StrokeWorld(std::vector<QPointF>& points, bool closed, const Props& props, double patternScale);
    void FillWorld(const std::vector<QPointF>& ring, const QColor& color);
    Pen PenOf(const Props& props) const;
    // The drawing's text style of that name; texts come in runs of one style.
    const TextStyleInfo& TextStyle(std::string_view name) const;
    // The text as UTF-16, in one string reused from text to text; valid until the next call.
    const QString& Utf16(std::string_view text);
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
    // Single-line text (TEXT, ATTRIB, ATTDEF) and multi-line text, which other entities draw too
    // (a reference its attributes, a multileader its text).
    void DrawText(const EntityTags& t, const Props& p, const Context& ctx);
    void DrawMText(const EntityTags& t, const Props& p, const Context& ctx);
    // A block's entities, placed by a transformation (a reference's, a dimension's, a table's);
    // drawnOnce: the block is drawn once only (a plot), so one the reader left unparsed is read
    // as it is drawn, not kept.
    void DrawBlock(const dxf::Block& block, const Matrix& placement, const Props& p, const Context& ctx, const LayerInfo* layer,
                   bool drawnOnce = false);
    // Model space, as a viewport of a layout shows it (inner: model space to the paper, the
    // layers it freezes); null where viewports show nothing (in model space, or a viewport).
    const Layout* ModelForViewports() const { return m_inViewport ? nullptr : m_model; }
    void DrawModelInViewport(const Context& inner);

    const Drawing& drawing;
    const RenderOptions& options;
    Fonts& fonts;
    Canvas& canvas;
    RenderStats& stats;

private:
    // What the drawer knows of a type: its description and its drawing function (null where
    // there is none).
    struct TypeDrawing {
        std::string_view name;
        const dxf::EntityType* type = nullptr;
        DrawFunction draw = nullptr;
    };
    // Entities come in runs of a type or two: the last two looked up are kept.
    const TypeDrawing& DrawingOf(std::string_view type);
    // Whether entities of the type belong to the one before them (a vertex, an attribute).
    bool IsPartType(std::string_view type) {
        const dxf::EntityType* described = DrawingOf(type).type;
        return described && described->part;
    }
    void DrawEntity(const EntityRange& range, size_t i, size_t end, const Context& ctx, DrawFunction draw);
    // Counts entities of a repeat against the budget; false (and counted as left out) when
    // they are past it.
    bool Charge(std::size_t entities);
    // The block's sketch, when it can stand for the block at this size; false when not.
    bool DrawSketch(const dxf::BlockSketch& sketch, const Context& ctx);
    // The entities of a block the reader left unparsed, read and drawn a part at a time.
    void DrawDeferred(const dxf::DeferredEntities& deferred, const Context& ctx);

    const LayerInfo* FindLayer(std::string_view name) const;
    const LinetypeInfo* LayerLinetype(const LayerInfo& layer) const;

    QColor m_foreground;
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
    TypeDrawing m_recent[2];
    TypeDrawing m_unknown;
    // Blocks drawn once already, and viewports' views of model space: what comes again is a repeat.
    std::unordered_set<const dxf::Block*> m_drawnBlocks;
    int m_viewportsDrawn = 0;
};

}  // namespace platform::view
