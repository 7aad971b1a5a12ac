#include "view/Fonts.h"

#include <QFontMetricsF>

namespace platform::view {

FontFace::FontFace(const std::string& family, bool bold, bool italic) : m_font(QString::fromStdString(family)) {
    m_font.setPixelSize(kReferencePixels);
    m_font.setBold(bold);
    m_font.setItalic(italic);
    m_font.setKerning(false);
    m_font.setHintingPreference(QFont::PreferNoHinting);
    m_font.setStyleStrategy(QFont::StyleStrategy(QFont::ForceOutline | QFont::PreferMatch));
    m_metrics = std::make_unique<QFontMetricsF>(m_font);
    if (m_metrics->capHeight() > 0) m_capHeight = m_metrics->capHeight();
    m_ascent = m_metrics->ascent();
    m_descent = m_metrics->descent();
    for (char16_t c = 0; c < 128; ++c) m_ascii[c] = c < 32 ? 0 : m_metrics->horizontalAdvance(QChar(c));
}

double FontFace::OtherAdvances(QStringView text, double width) const {
    for (QChar c : text) width += CharAdvance(c.unicode());
    return width;
}

double FontFace::OtherAdvance(char16_t c) const {
    const auto it = m_other.find(c);
    if (it != m_other.end()) return it->second;
    const double advance = m_metrics->horizontalAdvance(QChar(c));
    m_other.emplace(c, advance);
    return advance;
}

const QRawFont& FontFace::RawFont() const {
    if (!m_raw) {
        m_raw = std::make_unique<QRawFont>(QRawFont::fromFont(m_font));
        for (char16_t c = 32; c < 128; ++c) {
            const QChar ch(c);
            quint32 glyph = 0;
            int count = 1;
            if (!m_raw->glyphIndexesForChars(&ch, 1, &glyph, &count)) glyph = 0;
            m_asciiGlyphs[c] = glyph;
        }
    }
    return *m_raw;
}

quint32 FontFace::CharGlyph(char16_t c) const {
    RawFont();
    if (c < 128) return m_asciiGlyphs[c];
    const auto it = m_otherGlyphs.find(c);
    if (it != m_otherGlyphs.end()) return it->second;
    const QChar ch(c);
    quint32 glyph = 0;
    int count = 1;
    if (!m_raw->glyphIndexesForChars(&ch, 1, &glyph, &count)) glyph = 0;
    m_otherGlyphs.emplace(c, glyph);
    return glyph;
}

namespace {

// Ligatures: the face joins ff, fi and fl, and the shaper draws those.
bool HasLigature(QStringView text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i)
        if (text[i] == u'f' && (text[i + 1] == u'f' || text[i + 1] == u'i' || text[i + 1] == u'l')) return true;
    return false;
}

// Latin, Greek and Cyrillic without combining marks map a character to a glyph; other scripts
// (and surrogate pairs) need the shaper.
bool MapsToOneGlyph(char16_t c) {
    return c >= 32 && ((c < 0x0300 && !(c >= 0x7F && c < 0xA0) && c != 0xAD) || (c >= 0x0370 && c < 0x0483) ||
                       (c >= 0x048A && c < 0x0530) || (c >= 0x2010 && c < 0x2028) || (c >= 0x2030 && c < 0x205F) ||
                       (c >= 0x20A0 && c < 0x20C0) || c == 0x2122);
}

}  // namespace

bool FontFace::Glyphs(QStringView text, std::vector<quint32>& glyphs) const {
    RawFont();
    const qsizetype n = text.size();
    glyphs.resize(static_cast<size_t>(n));
    quint32* out = glyphs.data();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        const quint32 glyph = (c >= 32 && c < 127) ? m_asciiGlyphs[c] : MapsToOneGlyph(c) ? CharGlyph(c) : 0;
        if (glyph == 0) return false;
        out[i] = glyph;
    }
    return !HasLigature(text);
}

const FontFace& Fonts::Face(const std::string& family, bool bold, bool italic) {
    if (m_last && bold == m_lastBold && italic == m_lastItalic && family == m_lastFamily) return *m_last;
    std::string key = family;
    key += bold ? "|b" : "|";
    key += italic ? "i" : "";
    auto& face = m_faces[key];
    if (!face) face = std::make_unique<FontFace>(family, bold, italic);
    m_last = face.get(), m_lastFamily = family, m_lastBold = bold, m_lastItalic = italic;
    return *face;
}

}  // namespace platform::view
