#pragma once
#include <QRectF>
// The drawing on screen: one layout of the current drawing through the plot renderer, zoomed
// with the wheel around the cursor and panned by dragging with the middle button. What the
// mouse does on the left button follows the prompt being read: a click answers a point
// prompt with the point under the cursor, picks the entity under it at "Select objects:" (and
// at "Command: ", for the command named next: it is highlighted, with grips),
// and a drag there selects by window (left to right) or crossing (right to left). The
// answers go out as the lines a user would type.
#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "EntityPicker.h"
#include "SpatialIndex.h"
#include "ViewState.h"
#include "view/Drawing.h"
#include "view/Renderer.h"

class AcDbDatabase;

namespace window {

class DrawingView : public QWidget {
public:
    explicit DrawingView(QWidget* parent = nullptr);
    ~DrawingView() override;

    // Shows the drawing (a new one, or the same database after a change: then the views of
    // the layouts are kept). The database answers picks; it may be null.
    void SetDrawing(std::shared_ptr<const platform::view::Drawing> drawing, AcDbDatabase* database, bool keepViews);
    const platform::view::Drawing* Drawing() const { return m_drawing.get(); }
    // The layout shown: 0 model space, then the paper layouts in tab order.
    void ShowLayout(int index);
    int LayoutIndex() const { return m_layout; }

    const ViewState& View() const { return m_views.at(static_cast<size_t>(m_layout)); }
    QPointF ToWorld(QPointF device) const { return View().ToWorld(device, size()); }
    QPointF ToDevice(QPointF world) const { return View().ToDevice(world, size()); }
    void ZoomExtents();
    void ZoomWindow(QPointF worldA, QPointF worldB);
    void ZoomAt(QPointF device, double factor);
    void PanBy(QPointF deviceDelta);

    // Brings the overlays up to date with the prompt being read: the selection's
    // highlighting and the dragged set.
    void FollowPrompt();
    // Frames drawn around parts of the drawing (world boxes), over it and never in it: the
    // tables a refresh left stale.
    void SetStaleMarks(std::vector<QRectF> worldBoxes);

    // Where the answers of the mouse go.
    void SetAnswerHandler(std::function<void(const std::string&)> answer) { m_answer = std::move(answer); }
    // Told the world point under the cursor as it moves.
    void SetCursorHandler(std::function<void(QPointF)> cursor) { m_cursor = std::move(cursor); }

    // Milliseconds of the last full redraw of the drawing (the overlays aside).
    double LastRedrawMs() const { return m_redrawMs; }
    // Draws the drawing now, as the next paint would (benchmarks, tests).
    void RedrawNow();

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void wheelEvent(QWheelEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    const platform::view::Layout* CurrentLayout() const;
    const EntityPicker& Picker();
    const SpatialIndex& Index();
    const platform::view::Box& LayoutExtents();
    void Invalidate();
    void RenderCache();
    // The layout's entities whose handles are in the set (or not in it).
    platform::view::Layout Subset(const std::set<platform::dxf::Handle>& handles, bool inside) const;
    void DrawTinted(QPainter& painter, const platform::view::Layout& part, const QTransform& toDevice, QColor color);
    void DrawGrips(QPainter& painter, const QTransform& toDevice);
    void Answer(const std::string& line);
    void ClickAt(QPointF device);
    void SelectBox(QPointF from, QPointF to);
    double Aperture() const;
    // Says on the command line what the renderer's limits left out of the layout (once for
    // each drawing and layout).
    void ReportLeftOut();

    std::shared_ptr<const platform::view::Drawing> m_drawing;
    std::unique_ptr<platform::view::Renderer> m_renderer;
    AcDbDatabase* m_database = nullptr;
    std::vector<ViewState> m_views;
    std::vector<bool> m_fitted;  // showing the layout's extents: fitted again when resized
    std::vector<bool> m_shown;   // the view was set once
    std::vector<std::unique_ptr<EntityPicker>> m_pickers;
    std::vector<std::unique_ptr<SpatialIndex>> m_indexes;
    std::vector<std::optional<platform::view::Box>> m_extents;
    int m_layout = 0;
    std::set<std::pair<int, std::string>> m_reported;  // of ReportLeftOut, for this database

    QImage m_cache;
    bool m_cacheValid = false;
    double m_redrawMs = 0;

    std::set<platform::dxf::Handle> m_highlighted;
    bool m_grips = false;  // the highlighted objects were picked at "Command: "
    std::set<platform::dxf::Handle> m_dragged;
    std::optional<QPointF> m_dragAt;  // world point the dragged set follows

    std::optional<QPointF> m_pressAt;   // left button: where it went down
    std::optional<QPointF> m_bandTo;    // a rectangle being dragged
    std::optional<QPointF> m_panFrom;   // middle button
    QPointF m_mouse;

    std::function<void(const std::string&)> m_answer;
    std::function<void(QPointF)> m_cursor;
    std::vector<QRectF> m_staleMarks;
};

// "x,y" as a click at the scale (pixels per unit) gives it: to a hundredth of a pixel.
std::string PointText(QPointF world, double scale);

}  // namespace window
