#pragma once
// A canvas that writes a one-page PDF itself: page content in device pixels (a page-wide
// transformation maps them to points), text as text in embedded TrueType fonts with one text
// matrix (or one relative move) and one string per text, and the content compressed on a
// thread of its own as it is written.
#include <QColor>
#include <QList>
#include <QSizeF>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "view/Canvas.h"
#include "view/PdfBuffer.h"

class QRawFont;

namespace platform::view {

class DeflateThread;
class PdfFont;

class PdfCanvas : public Canvas {
public:
    // A page of `pixels` device pixels at `dpi` (so pixels / dpi * 72 points), filled with the
    // background; worldToDevice places the world on it (device y down), `visible` is the part
    // of the world the page shows.
    PdfCanvas(const QTransform& worldToDevice, const Box& visible, const QSizeF& pixels, double dpi, const QColor& background);
    ~PdfCanvas() override;
    PdfCanvas(const PdfCanvas&) = delete;
    PdfCanvas& operator=(const PdfCanvas&) = delete;

    double PixelSize() const override { return m_pixel; }
    Box Visible() const override { return m_visible; }
    void Polyline(const QPointF* points, int count, bool closed, const Pen& pen) override;
    void Fill(const QPainterPath& area, const QColor& color) override;
    void Text(const QString& text, const FontFace& face, const QRectF& box, const QTransform& toWorld, const QColor& color) override;
    void PushClip(const QPainterPath& area) override;
    void PopClip() override;

    // The document whole, once everything is drawn; false with the reason.
    bool Finish(std::string& pdf, std::string& error);

private:
    // What the content has set and q ... Q restores.
    struct State {
        QRgb fill = 0, stroke = 0;
        bool fillSet = false, strokeSet = false;
        double width = -1;
        int alpha = 255;  // -1: not known
        const PdfFont* font = nullptr;
        double fontSize = 0;
    };

    void SetFill(const QColor& color);
    void SetStroke(const Pen& pen);
    void SetAlpha(int alpha);
    void BeginText();
    void EndText();
    void Point(const QPointF& p, const char* op);
    void DevicePolyline(const QPointF* points, int count, bool closed);
    // The area's outline in device pixels, cut to the safe rectangle where it reaches beyond.
    void AreaPath(const QPainterPath& area);
    // One text matrix from font units to the device for a text starting at (x, y) in font
    // units, as a move from the last when only the position differs; `em` font units to an em.
    bool PlaceText(const PdfFont& font, const QTransform& toDevice, double x, double y, double em);
    void GlyphString(const quint32* glyphs, size_t count);
    void ShapedText(const QString& text, const FontFace& face, const QTransform& toDevice, const QColor& color);
    PdfFont& FontOf(const FontFace& face);
    PdfFont& FontOf(const QRawFont& raw);
    // The content so far to the compressing thread, when it has grown to a piece.
    void MaybeHandOver();

    QTransform m_toDevice;
    Box m_visible;
    QSizeF m_pixels;
    double m_dpi;
    QRectF m_device, m_safe;
    double m_pixel = 1;

    PdfBuffer m_content;
    std::unique_ptr<DeflateThread> m_deflate;
    State m_state;
    std::vector<State> m_saved;
    bool m_inText = false, m_haveMatrix = false;
    double m_tm[4] = {0, 0, 0, 0};  // the text matrix's linear part, as written
    double m_te = 0, m_tf = 0;      // its translation, as a reader computes it
    // The last text's font units to the device, and what it made of them.
    struct TextMatrix {
        double m11 = 0, m12 = 0, m21 = 0, m22 = 0, em = 0;
        bool valid = false;
        double m[4] = {0, 0, 0, 0};
        double det = 0, size = 0;
        int sizeDecimals = 2;
    } m_matrix;

    std::vector<std::unique_ptr<PdfFont>> m_fonts;
    std::unordered_map<std::string, PdfFont*> m_fontsByName;
    std::unordered_map<const FontFace*, PdfFont*> m_fontsByFace;
    const FontFace* m_lastFace = nullptr;
    PdfFont* m_lastFont = nullptr;
    std::vector<bool> m_alphaUsed = std::vector<bool>(256, false);  // ExtGState /A<alpha>

    std::vector<quint32> m_ids;
    std::vector<QPointF> m_scratch;
};

}  // namespace platform::view
