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

double FontFace::CharAdvance(char16_t c) const {
    if (c < 128) return m_ascii[c];
    const auto it = m_other.find(c);
    if (it != m_other.end()) return it->second;
    const double advance = m_metrics->horizontalAdvance(QChar(c));
    m_other.emplace(c, advance);
    return advance;
}

double FontFace::Advance(QStringView text) const {
    double width = 0;
    for (QChar c : text) width += CharAdvance(c.unicode());
    return width;
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
