#include "DrawingView.h"

#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <charconv>
#include <cmath>

#include "db/DbDatabase.h"
#include "editor/Console.h"
#include "editor/EditorSelection.h"
#include "editor/EntityNames.h"
#include "editor/PickFirst.h"
#include "editor/PromptInput.h"
#include "text/Utf8.h"
#include "view/Plot.h"

namespace window {

namespace {

using platform::PromptKind;

constexpr double kWheelStep = 1.2;     // zoom factor of one notch of the wheel
constexpr int kDragThreshold = 4;      // pixels a press moves before it is a drag
constexpr double kPickAperture = 4;    // pixels around the cursor that pick an entity
constexpr double kGripSize = 7;        // pixels a side of a picked object's grips
const QColor kBackground(255, 255, 255);
const QColor kHighlight(0, 120, 215);
const QColor kStale(230, 140, 0);
const QColor kDragged(200, 60, 0);
// A paper layout shows its sheet on a grey desk, with a shadow, its edge and its margins.
const QColor kDesk(128, 128, 128);
const QColor kShadow(64, 64, 64);
const QColor kPaperEdge(0, 0, 0);
const QColor kMargin(110, 110, 110);

void DrawPaper(QPainter& painter, const platform::view::LayoutPaper& paper, const QTransform& toDevice, const QRectF& widget) {
    const auto rect = [&](const platform::view::Box& b) { return toDevice.mapRect(QRectF(QPointF(b.x0, b.y0), QPointF(b.x1, b.y1))).normalized(); };
    const QRectF sheet = rect(paper.sheet);
    painter.fillRect(widget, kDesk);
    painter.fillRect(sheet.translated(4, 4), kShadow);
    painter.fillRect(sheet, kBackground);
    painter.setPen(QPen(kPaperEdge, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(sheet);
    if (paper.printable.x0 != paper.sheet.x0 || paper.printable.y0 != paper.sheet.y0 || paper.printable.x1 != paper.sheet.x1 ||
        paper.printable.y1 != paper.sheet.y1) {
        painter.setPen(QPen(kMargin, 1, Qt::DashLine));
        painter.drawRect(rect(paper.printable));
    }
}

// Decimals enough for a hundredth of a pixel, without trailing zeros.
std::string Number(double v, double scale) {
    const int decimals = std::clamp(static_cast<int>(std::ceil(std::log10(100 * scale))), 0, 12);
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, decimals);
    std::string text(buffer, result.ptr);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') text.pop_back();
        if (text.back() == '.') text.pop_back();
    }
    return text == "-0" ? "0" : text;
}

bool TakesPoint(PromptKind kind) { return kind == PromptKind::Point || kind == PromptKind::Corner || kind == PromptKind::Drag; }

std::set<platform::dxf::Handle> HandlesOf(const std::vector<AcDbObjectId>& ids) {
    std::set<platform::dxf::Handle> handles;
    for (const AcDbObjectId& id : ids) handles.insert(id.handle().value());
    return handles;
}

std::set<platform::dxf::Handle> HandlesOfSet(const ads_name ss) {
    std::set<platform::dxf::Handle> handles;
    Adesk::Int32 length = 0;
    if (acedSSLength(ss, &length) != RTNORM) return handles;
    for (Adesk::Int32 i = 0; i < length; ++i) {
        ads_name entity;
        AcDbObjectId id;
        if (acedSSName(ss, i, entity) == RTNORM && acdbGetObjectId(id, entity) == Acad::eOk) handles.insert(id.handle().value());
    }
    return handles;
}

// The plane part of a drag's matrix (rows of a column-vector transformation).
QTransform PlaneTransform(const ads_matrix m) { return QTransform(m[0][0], m[1][0], m[0][1], m[1][1], m[0][3], m[1][3]); }

}  // namespace

std::string PointText(QPointF world, double scale) { return Number(world.x(), scale) + "," + Number(world.y(), scale); }

DrawingView::DrawingView(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 150);
    setCursor(Qt::CrossCursor);
}

DrawingView::~DrawingView() = default;

void DrawingView::SetDrawing(std::shared_ptr<const platform::view::Drawing> drawing, AcDbDatabase* database, bool keepViews) {
    const size_t layouts = drawing ? drawing->Layouts().size() : 0;
    if (!keepViews || m_views.size() != layouts) {
        m_views.assign(layouts, ViewState());
        m_fitted.assign(layouts, false);
        m_shown.assign(layouts, false);
        m_layout = 0;
    }
    m_renderer.reset();
    m_drawing = std::move(drawing);
    if (database != m_database) m_reported.clear();
    m_database = database;
    if (m_drawing) {
        platform::view::RenderOptions options;
        options.background = kBackground;
        options.plotting = false;
        m_renderer = std::make_unique<platform::view::Renderer>(*m_drawing, options);
    }
    m_indexes.clear();
    m_indexes.resize(layouts);
    m_extents.assign(layouts, std::nullopt);
    m_pickers.clear();
    m_pickers.resize(layouts);
    if (m_layout >= static_cast<int>(layouts)) m_layout = 0;
    if (layouts && !m_shown[static_cast<size_t>(m_layout)]) ZoomExtents();
    Invalidate();
}

const platform::view::Layout* DrawingView::CurrentLayout() const {
    if (!m_drawing || m_drawing->Layouts().empty()) return nullptr;
    return &m_drawing->Layouts().at(static_cast<size_t>(m_layout));
}

void DrawingView::ShowLayout(int index) {
    if (!m_drawing || index < 0 || index >= static_cast<int>(m_drawing->Layouts().size())) return;
    m_layout = index;
    // A layout shown for the first time shows its extents; one fitted before is fitted again
    // (the view may have changed size since); one the user zoomed keeps its view.
    if (!m_shown[static_cast<size_t>(index)] || m_fitted[static_cast<size_t>(index)]) ZoomExtents();
    Invalidate();
}

const EntityPicker& DrawingView::Picker() {
    auto& picker = m_pickers.at(static_cast<size_t>(m_layout));
    if (!picker) {
        picker = std::make_unique<EntityPicker>(m_renderer->EntityExtents(*CurrentLayout()));
        ReportLeftOut();
    }
    return *picker;
}

const SpatialIndex& DrawingView::Index() {
    auto& index = m_indexes.at(static_cast<size_t>(m_layout));
    if (!index) index = std::make_unique<SpatialIndex>(*CurrentLayout(), Picker().Extents());
    return *index;
}

const platform::view::Box& DrawingView::LayoutExtents() {
    auto& extents = m_extents.at(static_cast<size_t>(m_layout));
    if (!extents) {
        extents = m_renderer->Extents(*CurrentLayout());
        ReportLeftOut();
    }
    return *extents;
}

void DrawingView::ZoomExtents() {
    if (!CurrentLayout()) return;
    // A paper layout's extents take in its whole sheet.
    platform::view::Box extents = LayoutExtents();
    if (const auto paper = platform::view::PaperOfLayout(*CurrentLayout())) extents.Add(paper->sheet);
    m_views[static_cast<size_t>(m_layout)].Fit(extents, size());
    m_fitted[static_cast<size_t>(m_layout)] = true;
    m_shown[static_cast<size_t>(m_layout)] = true;
    Invalidate();
}

void DrawingView::ZoomWindow(QPointF a, QPointF b) {
    if (!CurrentLayout()) return;
    m_views[static_cast<size_t>(m_layout)].Fit(platform::view::Box::Of(a.x(), a.y(), b.x(), b.y()), size());
    m_fitted[static_cast<size_t>(m_layout)] = false;
    Invalidate();
}

void DrawingView::ZoomAt(QPointF device, double factor) {
    if (!CurrentLayout()) return;
    m_views[static_cast<size_t>(m_layout)].ZoomAt(device, size(), factor);
    m_fitted[static_cast<size_t>(m_layout)] = false;
    Invalidate();
}

void DrawingView::PanBy(QPointF delta) {
    if (!CurrentLayout()) return;
    m_views[static_cast<size_t>(m_layout)].PanBy(delta);
    m_fitted[static_cast<size_t>(m_layout)] = false;
    Invalidate();
}

void DrawingView::Invalidate() {
    m_cacheValid = false;
    update();
}

void DrawingView::FollowPrompt() {
    const platform::PromptRequest& prompt = platform::CurrentPrompt();
    // Selecting, the objects chosen so far; at "Command: " those picked for the next command.
    auto highlighted = prompt.kind == PromptKind::Selection && prompt.chosen ? HandlesOf(*prompt.chosen)
                       : prompt.kind == PromptKind::Command              ? HandlesOf(platform::PickFirst())
                                                                         : std::set<platform::dxf::Handle>();
    m_grips = prompt.kind == PromptKind::Command && !highlighted.empty();
    auto dragged = prompt.kind == PromptKind::Drag ? HandlesOfSet(prompt.dragSet) : std::set<platform::dxf::Handle>();
    if (dragged != m_dragged) {
        m_dragged = std::move(dragged);
        m_dragAt.reset();
        m_cacheValid = false;  // the dragged entities leave their place while they follow the cursor
    }
    m_highlighted = std::move(highlighted);
    m_pressAt.reset();
    m_bandTo.reset();
    update();
}

platform::view::Layout DrawingView::Subset(const std::set<platform::dxf::Handle>& handles, bool inside) const {
    const platform::view::Layout& layout = *CurrentLayout();
    platform::view::Layout part{layout.name, layout.paper, layout.tabOrder, {}, layout.record, layout.plot};
    for (const platform::dxf::DxfObject* entity : layout.entities)
        if ((handles.count(entity->GetHandle()) != 0) == inside) part.entities.push_back(entity);
    return part;
}

void DrawingView::RenderCache() {
    QElapsedTimer timer;
    timer.start();
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (m_cache.size() != pixels) m_cache = QImage(pixels, QImage::Format_RGB32);
    m_cache.setDevicePixelRatio(ratio);
    m_cache.fill(kBackground);
    if (const platform::view::Layout* layout = CurrentLayout()) {
        QPainter painter(&m_cache);
        painter.setRenderHint(QPainter::Antialiasing);
        const QTransform toDevice = View().WorldToDevice(size());
        if (const auto paper = platform::view::PaperOfLayout(*layout)) DrawPaper(painter, *paper, toDevice, QRectF(rect()));
        const platform::view::Box seen = View().Visible(size());
        const platform::view::Box& all = LayoutExtents();
        const bool whole = seen.x0 <= all.x0 && seen.y0 <= all.y0 && seen.x1 >= all.x1 && seen.y1 >= all.y1;
        if (!m_dragged.empty()) m_renderer->Draw(painter, Subset(m_dragged, false), seen, toDevice);
        else if (whole) m_renderer->Draw(painter, *layout, seen, toDevice);
        // A view of part of the layout draws only what the index finds there.
        else m_renderer->Draw(painter, Index().Query(seen), seen, toDevice);
        ReportLeftOut();
    }
    m_cacheValid = true;
    m_redrawMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void DrawingView::RedrawNow() { RenderCache(); }

void DrawingView::ReportLeftOut() {
    const std::string note = platform::view::LeftOutNote(m_renderer->Stats(), m_renderer->Options());
    if (note.empty() || !m_reported.insert({m_layout, note}).second) return;
    platform::WriteOutput("\nNot everything is shown: " + note + ".\n");
}

void DrawingView::DrawTinted(QPainter& painter, const platform::view::Layout& part, const QTransform& toDevice, QColor color) {
    if (part.entities.empty()) return;
    const qreal ratio = devicePixelRatioF();
    QImage layer((QSizeF(size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(ratio);
    layer.fill(Qt::transparent);
    {
        QPainter p(&layer);
        p.setRenderHint(QPainter::Antialiasing);
        const QTransform inverse = toDevice.inverted();
        const QRectF seen = inverse.mapRect(QRectF(rect()));
        m_renderer->Draw(p, part, platform::view::Box::Of(seen.left(), seen.top(), seen.right(), seen.bottom()), toDevice);
        // One colour for the whole part, whatever colours its entities draw in.
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(QRectF(rect()), color);
    }
    // Drawn twice, a pixel apart, so that thin lines stand out.
    painter.drawImage(QPointF(0, 0), layer);
    painter.drawImage(QPointF(1, 1), layer);
}

void DrawingView::SetStaleMarks(std::vector<QRectF> worldBoxes) {
    if (worldBoxes == m_staleMarks) return;
    m_staleMarks = std::move(worldBoxes);
    update();
}

void DrawingView::paintEvent(QPaintEvent*) {
    if (!m_cacheValid) RenderCache();
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), m_cache);
    if (!CurrentLayout()) return;
    const QTransform toDevice = View().WorldToDevice(size());
    if (!m_highlighted.empty()) DrawTinted(painter, Subset(m_highlighted, true), toDevice, kHighlight);
    if (m_grips) DrawGrips(painter, toDevice);
    const platform::PromptRequest& prompt = platform::CurrentPrompt();
    if (!m_dragged.empty() && m_dragAt && prompt.kind == PromptKind::Drag) {
        ads_matrix m;
        ads_point at = {m_dragAt->x(), m_dragAt->y(), 0};
        if (prompt.dragCallback && prompt.dragCallback(at, m) == RTNORM)
            DrawTinted(painter, Subset(m_dragged, true), PlaneTransform(m) * toDevice, kDragged);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    // A stale table: an amber frame a few pixels outside it.
    if (!m_staleMarks.empty()) {
        painter.setPen(QPen(kStale, 2, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        for (const QRectF& box : m_staleMarks) painter.drawRect(toDevice.mapRect(box).normalized().adjusted(-4, -4, 4, 4));
    }
    if (m_pressAt && m_bandTo) {
        // Window selection (left to right) draws a solid frame, crossing a dashed one.
        const bool crossing = m_bandTo->x() < m_pressAt->x();
        QPen pen(kHighlight, 1, crossing ? Qt::DashLine : Qt::SolidLine);
        painter.setPen(pen);
        painter.setBrush(QColor(kHighlight.red(), kHighlight.green(), kHighlight.blue(), crossing ? 30 : 50));
        painter.drawRect(QRectF(*m_pressAt, *m_bandTo).normalized());
    } else if (prompt.hasBase && (prompt.kind == PromptKind::Corner || prompt.kind == PromptKind::Point) && underMouse()) {
        const QPointF base = ToDevice({prompt.base[0], prompt.base[1]});
        painter.setPen(QPen(kHighlight, 1, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        if (prompt.kind == PromptKind::Corner) painter.drawRect(QRectF(base, m_mouse).normalized());
        else painter.drawLine(base, m_mouse);
    }
}

void DrawingView::DrawGrips(QPainter& painter, const QTransform& toDevice) {
    // A picked object shows grips at the corners of its extents, as in a CAD program.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(kHighlight);
    for (const platform::view::EntityExtent& extent : Picker().Extents()) {
        if (!m_highlighted.count(extent.handle)) continue;
        const platform::view::Box& b = extent.box;
        for (const QPointF corner : {QPointF(b.x0, b.y0), QPointF(b.x1, b.y0), QPointF(b.x1, b.y1), QPointF(b.x0, b.y1)}) {
            const QPointF at = toDevice.map(corner);
            painter.drawRect(QRectF(at.x() - kGripSize / 2, at.y() - kGripSize / 2, kGripSize, kGripSize));
        }
    }
    painter.restore();
}

void DrawingView::resizeEvent(QResizeEvent*) {
    // A fitted view stays fitted; a view the user zoomed keeps its centre and scale.
    if (CurrentLayout() && m_fitted[static_cast<size_t>(m_layout)]) ZoomExtents();
    Invalidate();
}

void DrawingView::wheelEvent(QWheelEvent* event) {
    const double notches = event->angleDelta().y() / 120.0;
    if (notches == 0) return;
    ZoomAt(event->position(), std::pow(kWheelStep, notches));
    event->accept();
}

double DrawingView::Aperture() const { return kPickAperture / View().Scale(); }

void DrawingView::Answer(const std::string& line) {
    if (m_answer) m_answer(line);
}

void DrawingView::mousePressEvent(QMouseEvent* event) {
    m_mouse = event->position();
    if (event->button() == Qt::MiddleButton) {
        m_panFrom = event->position();
        setCursor(Qt::ClosedHandCursor);
    } else if (event->button() == Qt::LeftButton) {
        m_pressAt = event->position();
        m_bandTo.reset();
    } else if (event->button() == Qt::RightButton) {
        // Enter: ends a selection, accepts a prompt's default.
        if (platform::CurrentPrompt().kind != PromptKind::Command) Answer("");
    }
}

void DrawingView::mouseMoveEvent(QMouseEvent* event) {
    m_mouse = event->position();
    if (m_cursor && CurrentLayout()) m_cursor(ToWorld(m_mouse));
    if (m_panFrom) {
        PanBy(m_mouse - *m_panFrom);
        m_panFrom = m_mouse;
        return;
    }
    const PromptKind kind = platform::CurrentPrompt().kind;
    if (m_pressAt && kind == PromptKind::Selection) {
        const QPointF moved = m_mouse - *m_pressAt;
        if (m_bandTo || std::abs(moved.x()) + std::abs(moved.y()) >= kDragThreshold) m_bandTo = m_mouse;
    }
    if (kind == PromptKind::Drag && !m_dragged.empty() && CurrentLayout()) m_dragAt = ToWorld(m_mouse);
    update();
}

void DrawingView::mouseReleaseEvent(QMouseEvent* event) {
    m_mouse = event->position();
    if (event->button() == Qt::MiddleButton) {
        m_panFrom.reset();
        setCursor(Qt::CrossCursor);
        return;
    }
    if (event->button() != Qt::LeftButton || !m_pressAt) return;
    const QPointF from = *m_pressAt;
    const bool band = m_bandTo.has_value();
    m_pressAt.reset();
    m_bandTo.reset();
    update();
    if (!CurrentLayout()) return;
    if (band) SelectBox(from, m_mouse);
    else ClickAt(m_mouse);
}

void DrawingView::ClickAt(QPointF device) {
    const PromptKind kind = platform::CurrentPrompt().kind;
    const QPointF world = ToWorld(device);
    if (TakesPoint(kind)) {
        Answer(PointText(world, View().Scale()));
    } else if (kind == PromptKind::Entity || kind == PromptKind::Selection) {
        const platform::dxf::Handle hit = Picker().PickAt(m_database, world.x(), world.y(), Aperture());
        // A miss answers with the point, which picks nothing, as a typed point would.
        Answer(hit ? "#" + platform::ToUtf8(AcDbHandle(hit).text()) : PointText(world, View().Scale()));
    } else if (kind == PromptKind::Command) {
        // Picked at "Command: ", an object is what the next command works on; a click on
        // nothing lets the picked one go.
        const platform::dxf::Handle hit = Picker().PickAt(m_database, world.x(), world.y(), Aperture());
        AcDbObjectId id;
        if (hit && m_database && m_database->getAcDbObjectId(id, false, AcDbHandle(hit)) == Acad::eOk) platform::SetPickFirst({id});
        else platform::ClearPickFirst();
        FollowPrompt();
    }
}

void DrawingView::SelectBox(QPointF from, QPointF to) {
    const QPointF a = ToWorld(from), b = ToWorld(to);
    const bool crossing = to.x() < from.x();
    const auto found = Picker().InBox(platform::view::Box::Of(a.x(), a.y(), b.x(), b.y()), crossing);
    if (found.empty()) {
        Answer(std::string(crossing ? "C " : "W ") + PointText(a, View().Scale()) + " " + PointText(b, View().Scale()));
        return;
    }
    std::string line;
    for (platform::dxf::Handle h : found) line += (line.empty() ? "#" : " #") + platform::ToUtf8(AcDbHandle(h).text());
    Answer(line);
}

}  // namespace window
