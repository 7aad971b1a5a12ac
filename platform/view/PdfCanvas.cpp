#include "view/PdfCanvas.h"

#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "view/DeviceClip.h"
#include "view/Fonts.h"
#include "view/PdfDeflate.h"
#include "view/PdfFile.h"
#include "view/PdfFont.h"

namespace platform::view {

namespace {

// Content goes to the compressing thread in pieces of this size.
constexpr size_t kPiece = 1 << 20;
// Level 1: page content is repetitive, and the faster levels keep pace with the renderer.
constexpr int kContentLevel = 1;

void Colour(PdfBuffer& out, QRgb rgb, const char* op) {
    out.Num(qRed(rgb) / 255.0, 3).Num(qGreen(rgb) / 255.0, 3).Num(qBlue(rgb) / 255.0, 3).Raw(op);
}

}  // namespace

PdfCanvas::PdfCanvas(const QTransform& worldToDevice, const Box& visible, const QSizeF& pixels, double dpi, const QColor& background)
    : m_toDevice(worldToDevice), m_visible(visible), m_pixels(pixels), m_dpi(dpi > 0 ? dpi : 96),
      m_deflate(std::make_unique<DeflateThread>(kContentLevel)) {
    const double scale = ScaleOf(worldToDevice);
    m_pixel = scale > 0 ? 1 / scale : 1;
    m_device = worldToDevice.mapRect(QRectF(visible.x0, visible.y0, visible.Width(), visible.Height()));
    const double margin = std::max(m_device.width(), m_device.height()) + 64;
    m_safe = m_device.adjusted(-margin, -margin, margin, margin);
    m_content.Reserve(kPiece + 4096);
    // Device pixels (y down) to points (y up), round caps and joins throughout.
    const double k = 72 / m_dpi;
    m_content.Num(k, 6).Raw("0 0 ").Num(-k, 6).Raw("0 ").Num(pixels.height() * k, 4).Raw("cm 1 J 1 j\n");
    SetFill(background);
    m_content.Raw("0 0 ").Num(pixels.width()).Num(pixels.height()).Raw("re f\n");
}

PdfCanvas::~PdfCanvas() = default;

void PdfCanvas::MaybeHandOver() {
    if (m_content.Size() < kPiece) return;
    PdfBuffer piece;
    piece.Reserve(kPiece + 4096);
    std::swap(piece, m_content);
    m_deflate->Add(std::move(piece));
}

void PdfCanvas::SetAlpha(int alpha) {
    if (alpha == m_state.alpha) return;
    m_state.alpha = alpha;
    m_alphaUsed[static_cast<size_t>(alpha)] = true;
    m_content.Raw("/A").Int(alpha).Raw(" gs\n");
}

void PdfCanvas::SetFill(const QColor& color) {
    SetAlpha(color.alpha());
    const QRgb rgb = color.rgb() & 0xFFFFFF;
    if (m_state.fillSet && rgb == m_state.fill) return;
    m_state.fill = rgb, m_state.fillSet = true;
    Colour(m_content, rgb, "rg\n");
}

void PdfCanvas::SetStroke(const Pen& pen) {
    SetAlpha(pen.color.alpha());
    const QRgb rgb = pen.color.rgb() & 0xFFFFFF;
    if (!m_state.strokeSet || rgb != m_state.stroke) {
        m_state.stroke = rgb, m_state.strokeSet = true;
        Colour(m_content, rgb, "RG\n");
    }
    // Widths are device pixels, as the page's units are; 0 is the thinnest line there is.
    const double width = pen.width > 0 ? pen.width : 0;
    if (width != m_state.width) {
        m_state.width = width;
        m_content.Num(width, 3).Raw("w\n");
    }
}

void PdfCanvas::BeginText() {
    if (m_inText) return;
    m_content.Raw("BT\n");
    m_inText = true;
    m_haveMatrix = false;
}

void PdfCanvas::EndText() {
    if (!m_inText) return;
    m_content.Raw("ET\n");
    m_inText = false;
}

void PdfCanvas::Point(const QPointF& p, const char* op) {
    m_content.Num(p.x()).Num(p.y()).Raw(op);
}

void PdfCanvas::DevicePolyline(const QPointF* points, int count, bool closed) {
    bool inside = true;
    for (int i = 0; i < count && inside; ++i) inside = m_safe.contains(points[i]);
    if (inside) {
        Point(points[0], "m\n");
        for (int i = 1; i < count; ++i) Point(points[i], "l\n");
        m_content.Raw(closed && count > 2 ? "s\n" : "S\n");
        return;
    }
    // Far outside the page: only the pieces near it, as open lines.
    const int segments = closed ? count : count - 1;
    bool open = false;
    QPointF last;
    for (int i = 0; i < segments; ++i) {
        QPointF a = points[i], b = points[(i + 1) % count];
        if (!ClipSegment(m_safe, a, b)) continue;
        if (!open || last != a) Point(a, "m\n");
        Point(b, "l\n");
        open = true;
        last = b;
    }
    if (open) m_content.Raw("S\n");
}

void PdfCanvas::Polyline(const QPointF* points, int count, bool closed, const Pen& pen) {
    if (count <= 0) return;
    const DeviceBounds bounds = MapToDevice(m_toDevice, points, count, m_scratch);
    if (!bounds.Near(m_device, 4)) return;
    EndText();
    SetStroke(pen);
    if (count == 1 || bounds.Dot()) {
        // A point, or a polyline smaller than a pixel: one dot.
        const QPointF c = bounds.Centre();
        Point(c, "m ");
        Point(c + QPointF(0.5, 0), "l S\n");
    } else {
        DevicePolyline(m_scratch.data(), count, closed);
    }
    MaybeHandOver();
}

void PdfCanvas::AreaPath(const QPainterPath& area) {
    const QRectF bounds = m_toDevice.mapRect(area.boundingRect());
    if (m_safe.contains(bounds)) {
        const int n = area.elementCount();
        for (int i = 0; i < n; ++i) {
            const QPainterPath::Element e = area.elementAt(i);
            const QPointF p = m_toDevice.map(QPointF(e.x, e.y));
            if (e.type == QPainterPath::MoveToElement) {
                Point(p, "m\n");
            } else if (e.type == QPainterPath::CurveToElement && i + 2 < n) {
                const QPainterPath::Element e1 = area.elementAt(i + 1), e2 = area.elementAt(i + 2);
                Point(p, "");
                Point(m_toDevice.map(QPointF(e1.x, e1.y)), "");
                Point(m_toDevice.map(QPointF(e2.x, e2.y)), "c\n");
                i += 2;
            } else {
                Point(p, "l\n");
            }
        }
        return;
    }
    for (const QPolygonF& polygon : area.toSubpathPolygons(m_toDevice)) {
        const std::vector<QPointF> cut = ClipPolygon(m_safe, std::vector<QPointF>(polygon.begin(), polygon.end()));
        if (cut.empty()) continue;
        Point(cut[0], "m\n");
        for (size_t i = 1; i < cut.size(); ++i) Point(cut[i], "l\n");
        m_content.Raw("h\n");
    }
}

void PdfCanvas::Fill(const QPainterPath& area, const QColor& color) {
    const QRectF bounds = m_toDevice.mapRect(area.boundingRect());
    if (!bounds.intersects(m_device.adjusted(-4, -4, 4, 4))) return;
    EndText();
    SetFill(color);
    AreaPath(area);
    m_content.Raw("f*\n");
    MaybeHandOver();
}

void PdfCanvas::PushClip(const QPainterPath& area) {
    EndText();
    m_saved.push_back(m_state);
    m_content.Raw("q\n");
    const QRectF bounds = m_toDevice.mapRect(area.boundingRect());
    if (bounds.intersects(m_safe)) {
        AreaPath(area);
    } else {
        // Nothing of the page is inside: an empty clip.
        m_content.Raw("0 0 m h\n");
    }
    m_content.Raw("W* n\n");
}

void PdfCanvas::PopClip() {
    if (m_saved.empty()) return;
    EndText();
    m_content.Raw("Q\n");
    m_state = m_saved.back();
    m_saved.pop_back();
    MaybeHandOver();
}

PdfFont& PdfCanvas::FontOf(const QRawFont& raw) {
    const QString name = raw.familyName() + QLatin1Char('|') + raw.styleName() + QLatin1Char('|') + QString::number(raw.weight()) +
                         QLatin1Char('|') + QString::number(static_cast<int>(raw.style()));
    PdfFont*& font = m_fontsByName[name.toStdString()];
    if (!font) {
        m_fonts.push_back(std::make_unique<PdfFont>(raw, "F" + std::to_string(m_fonts.size() + 1)));
        font = m_fonts.back().get();
    }
    return *font;
}

PdfFont& PdfCanvas::FontOf(const FontFace& face) {
    if (&face == m_lastFace) return *m_lastFont;
    PdfFont*& font = m_fontsByFace[&face];
    if (!font) font = &FontOf(face.RawFont());
    m_lastFace = &face, m_lastFont = font;
    return *font;
}

bool PdfCanvas::PlaceText(const PdfFont& font, const QTransform& toDevice, double x, double y, double em) {
    // Text space is y up, font units y down: the matrix flips y; its scale goes to the font
    // size so that its linear part stays near unit size. Texts in a row mostly share the
    // linear part: then only the position is worked out.
    TextMatrix& tm = m_matrix;
    if (!(toDevice.m11() == tm.m11 && toDevice.m12() == tm.m12 && toDevice.m21() == tm.m21 && toDevice.m22() == tm.m22 &&
          em == tm.em && tm.valid)) {
        const double a = toDevice.m11(), b = toDevice.m12(), c = -toDevice.m21(), d = -toDevice.m22();
        const double scale = std::sqrt(std::abs(a * d - b * c));
        tm.m11 = toDevice.m11(), tm.m12 = toDevice.m12(), tm.m21 = toDevice.m21(), tm.m22 = toDevice.m22(), tm.em = em;
        tm.valid = scale > 0 && std::isfinite(scale);
        if (!tm.valid) return false;
        const double size = scale * em;
        tm.sizeDecimals = PdfBuffer::DecimalsFor(size, 5);
        tm.size = PdfBuffer::Rounded(size, tm.sizeDecimals);
        tm.m[0] = PdfBuffer::Rounded(a / scale, 5), tm.m[1] = PdfBuffer::Rounded(b / scale, 5);
        tm.m[2] = PdfBuffer::Rounded(c / scale, 5), tm.m[3] = PdfBuffer::Rounded(d / scale, 5);
        tm.det = tm.m[0] * tm.m[3] - tm.m[1] * tm.m[2];
    }
    if (!tm.valid) return false;
    const double e = toDevice.m11() * x + toDevice.m21() * y + toDevice.dx();
    const double f = toDevice.m12() * x + toDevice.m22() * y + toDevice.dy();
    if (!(std::abs(e) < 1e9 && std::abs(f) < 1e9)) return false;
    const double* m = tm.m;
    BeginText();
    if (m_state.font != &font || m_state.fontSize != tm.size) {
        m_state.font = &font, m_state.fontSize = tm.size;
        m_content.Char('/').Raw(font.Resource()).Char(' ').Num(tm.size, tm.sizeDecimals).Raw("Tf\n");
    }
    if (m_haveMatrix && m[0] == m_tm[0] && m[1] == m_tm[1] && m[2] == m_tm[2] && m[3] == m_tm[3] && tm.det != 0) {
        // Only the position differs: a move in text space from the last line's start.
        const double dx = e - m_te, dy = f - m_tf;
        const double tx = PdfBuffer::Rounded((m[3] * dx - m[2] * dy) / tm.det, 3);
        const double ty = PdfBuffer::Rounded((m[0] * dy - m[1] * dx) / tm.det, 3);
        m_content.Num(tx, 3).Num(ty, 3).Raw("Td\n");
        m_te += m[0] * tx + m[2] * ty;
        m_tf += m[1] * tx + m[3] * ty;
        return true;
    }
    for (int i = 0; i < 4; ++i) m_tm[i] = m[i], m_content.Num(m[i], 5);
    m_te = PdfBuffer::Rounded(e, 3), m_tf = PdfBuffer::Rounded(f, 3);
    m_content.Num(e, 3).Num(f, 3).Raw("Tm\n");
    m_haveMatrix = true;
    return true;
}

namespace {

// The bytes a literal string escapes.
constexpr std::array<bool, 256> kEscaped = [] {
    std::array<bool, 256> escaped{};
    for (const unsigned char c : {'(', ')', '\\', '\r', '\n'}) escaped[c] = true;
    return escaped;
}();

}  // namespace

void PdfCanvas::GlyphString(const quint32* glyphs, size_t count) {
    // Two bytes a glyph id, in a literal string: half the size of hexadecimal. Room for each
    // byte escaped.
    char* p = m_content.Room(4 * count + 5);
    *p++ = '(';
    for (size_t i = 0; i < count; ++i) {
        const unsigned char high = static_cast<unsigned char>((glyphs[i] >> 8) & 0xFF), low = static_cast<unsigned char>(glyphs[i] & 0xFF);
        p[0] = static_cast<char>(high), p[1] = static_cast<char>(low);
        if (!(kEscaped[high] | kEscaped[low])) {
            p += 2;
            continue;
        }
        for (const unsigned char byte : {high, low}) {
            if (!kEscaped[byte]) {
                *p++ = static_cast<char>(byte);
                continue;
            }
            *p++ = '\\';
            *p++ = byte == '\r' ? 'r' : byte == '\n' ? 'n' : static_cast<char>(byte);
        }
    }
    std::memcpy(p, ")Tj\n", 4);
    m_content.Wrote(p + 4);
}

void PdfCanvas::Text(const QString& text, const FontFace& face, const QRectF& box, const QTransform& toWorld, const QColor& color) {
    // Both transformations are affine: composed and applied by hand, as this runs for every text.
    const QTransform& w = toWorld;
    const QTransform& d = m_toDevice;
    const QTransform toDevice(w.m11() * d.m11() + w.m12() * d.m21(), w.m11() * d.m12() + w.m12() * d.m22(),
                              w.m21() * d.m11() + w.m22() * d.m21(), w.m21() * d.m12() + w.m22() * d.m22(),
                              w.dx() * d.m11() + w.dy() * d.m21() + d.dx(), w.dx() * d.m12() + w.dy() * d.m22() + d.dy());
    // The box's device extent: about its centre, each axis's half reach.
    const double hw = box.width() / 2, hh = box.height() / 2, bx = box.left() + hw, by = box.top() + hh;
    const double cx = toDevice.m11() * bx + toDevice.m21() * by + toDevice.dx();
    const double cy = toDevice.m12() * bx + toDevice.m22() * by + toDevice.dy();
    const double rx = std::abs(toDevice.m11()) * hw + std::abs(toDevice.m21()) * hh;
    const double ry = std::abs(toDevice.m12()) * hw + std::abs(toDevice.m22()) * hh;
    if (!(cx + rx > m_device.left() && cx - rx < m_device.right() && cy + ry > m_device.top() && cy - ry < m_device.bottom())) return;
    if (!face.Glyphs(text, m_ids)) {
        ShapedText(text, face, toDevice, color);
        MaybeHandOver();
        return;
    }
    PdfFont& font = FontOf(face);
    if (!font.Embeddable()) {
        ShapedText(text, face, toDevice, color);
        MaybeHandOver();
        return;
    }
    const size_t n = m_ids.size();
    for (size_t i = 0; i < n; ++i) {
        const quint32 glyph = m_ids[i];
        if (font.Uses(glyph)) continue;
        // The layout's advance, so the viewer places each glyph where the layout measured it.
        const QChar ch = text[static_cast<qsizetype>(i)];
        font.Add(glyph, face.Advance(QStringView(&ch, 1)) * 1000.0 / FontFace::kReferencePixels, ch.unicode());
    }
    if (!PlaceText(font, toDevice, 0, 0, FontFace::kReferencePixels)) return;
    SetFill(color);
    GlyphString(m_ids.data(), n);
    MaybeHandOver();
}

void PdfCanvas::ShapedText(const QString& text, const FontFace& face, const QTransform& toDevice, const QColor& color) {
    // The shaper places the glyphs (ligatures, joined scripts, other fonts for characters the
    // face lacks); each goes at its own position.
    QTextLayout layout(text, face.Font());
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (!line.isValid()) {
        layout.endLayout();
        return;
    }
    line.setLineWidth(1e6);
    line.setPosition(QPointF(0, 0));
    layout.endLayout();
    const double baseline = line.ascent();

    struct Glyph {
        PdfFont* font;
        QRawFont raw;
        quint32 id;
        QPointF at;
        double width;
        char16_t character;
    };
    std::vector<Glyph> glyphs;
    // Whether every glyph shows one character of its own, none is left out, and the glyphs
    // can go out in reading order.
    bool oneToOne = true;
    const QList<QGlyphRun> runs = layout.glyphRuns();
    for (const QGlyphRun& run : runs) {
        if (run.isRightToLeft() && runs.size() > 1) oneToOne = false;
        const QRawFont raw = run.rawFont();
        PdfFont& font = FontOf(raw);
        const QList<quint32> ids = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        const QList<QPointF> advances = raw.advancesForGlyphIndexes(ids);
        const double unit = raw.pixelSize() > 0 ? 1000.0 / raw.pixelSize() : 10;
        const size_t first = glyphs.size();
        for (qsizetype i = 0; i < ids.size(); ++i) {
            char16_t character = 0;
            // The missing glyph (0) stands for no character in particular.
            for (QChar ch : ids[i] == 0 ? QString() : text) {
                quint32 nominal = 0;
                int one = 1;
                if (raw.glyphIndexesForChars(&ch, 1, &nominal, &one) && nominal == ids[i]) {
                    character = ch.unicode();
                    break;
                }
            }
            oneToOne = oneToOne && character && font.Embeddable();
            glyphs.push_back({&font, raw, ids[i], QPointF(positions[i].x(), positions[i].y() - baseline),
                              i < advances.size() ? advances[i].x() * unit : 0, character});
        }
        // Right-to-left glyphs go out in reading order, so that extraction reads them so.
        if (run.isRightToLeft()) std::reverse(glyphs.begin() + static_cast<std::ptrdiff_t>(first), glyphs.end());
    }
    oneToOne = oneToOne && glyphs.size() == static_cast<size_t>(text.size());

    EndText();
    // Otherwise a span carries the text as it reads, for search and copy.
    if (!oneToOne) {
        m_content.Raw("/Span<</ActualText")
            .TextString(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<size_t>(text.size())))
            .Raw(">>BDC\n");
    }
    for (const Glyph& g : glyphs) {
        if (g.font->Embeddable()) {
            g.font->Add(g.id, g.width, g.character);
            const double em = g.raw.pixelSize() > 0 ? g.raw.pixelSize() : FontFace::kReferencePixels;
            if (!PlaceText(*g.font, toDevice, g.at.x(), g.at.y(), em)) continue;
            SetFill(color);
            GlyphString(&g.id, 1);
        } else {
            EndText();
            const QPainterPath outline = QTransform::fromTranslate(g.at.x(), g.at.y()).map(g.raw.pathForGlyph(g.id));
            if (outline.isEmpty()) continue;
            SetFill(color);
            const QTransform saved = m_toDevice;
            m_toDevice = toDevice;
            AreaPath(outline);
            m_toDevice = saved;
            m_content.Raw("f\n");
        }
    }
    EndText();
    if (!oneToOne) m_content.Raw("EMC\n");
}

bool PdfCanvas::Finish(std::string& pdf, std::string& error) {
    EndText();
    while (!m_saved.empty()) PopClip();
    m_deflate->Add(std::move(m_content));
    m_content.Clear();
    std::vector<std::string> content;
    if (!m_deflate->Finish(content)) {
        error = "the page could not be compressed";
        return false;
    }
    if (content.empty() && !Deflate({}, content.emplace_back(), kContentLevel)) {
        error = "the page could not be compressed";
        return false;
    }
    PdfFile file;
    const int catalog = file.Reserve(), pages = file.Reserve(), page = file.Reserve(), info = file.Reserve();
    std::vector<int> contents;
    for (size_t i = 0; i < content.size(); ++i) contents.push_back(file.Reserve());
    for (const auto& font : m_fonts)
        if (font->Embeddable()) font->SetId(file.Reserve());

    file.Begin(catalog).Raw("<</Type/Catalog/Pages ").Int(pages).Raw(" 0 R>>");
    file.End();
    file.Begin(pages).Raw("<</Type/Pages/Kids[").Int(page).Raw(" 0 R]/Count 1>>");
    file.End();
    const double k = 72 / m_dpi;
    PdfBuffer& p = file.Begin(page);
    p.Raw("<</Type/Page/Parent ").Int(pages).Raw(" 0 R/MediaBox[0 0 ").Num(m_pixels.width() * k, 4).Num(m_pixels.height() * k, 4);
    p.Raw("]/Contents");
    if (contents.size() == 1) {
        p.Char(' ').Int(contents.front()).Raw(" 0 R");
    } else {
        p.Char('[');
        for (const int id : contents) p.Int(id).Raw(" 0 R ");
        p.Char(']');
    }
    p.Raw("/Resources<</Font<<");
    for (const auto& font : m_fonts)
        if (font->Embeddable()) p.Char('/').Raw(font->Resource()).Char(' ').Int(font->Id()).Raw(" 0 R");
    p.Raw(">>/ExtGState<<");
    for (int alpha = 0; alpha < 256; ++alpha)
        if (m_alphaUsed[static_cast<size_t>(alpha)])
            p.Raw("/A").Int(alpha).Raw("<</ca ").Num(alpha / 255.0, 4).Raw("/CA ").Num(alpha / 255.0, 4).Raw(">>");
    p.Raw(">>>>>>");
    file.End();
    for (size_t i = 0; i < content.size(); ++i) file.Stream(contents[i], "", content[i], true);
    file.Begin(info).Raw("<</Creator(Velloria)/Producer(Velloria)>>");
    file.End();
    for (const auto& font : m_fonts)
        if (font->Embeddable() && !font->Write(file, error)) return false;
    if (!file.Finish(catalog, info, pdf)) {
        error = "the document is incomplete";
        return false;
    }
    return true;
}

}  // namespace platform::view
