#pragma once
// A TrueType font embedded in a PDF: a Type 0 font with Identity-H encoding over a
// CIDFontType2 whose CIDs are the glyph ids. Texts write glyph ids; the font records each
// glyph used with its advance (for /W) and the character it stands for (for the ToUnicode map,
// so the text can be searched and copied), and embeds a subset of the font with those glyphs.
#include <QRawFont>
#include <cstdint>
#include <string>
#include <vector>

#include "view/TrueTypeSubset.h"

namespace platform::view {

class PdfFile;

class PdfFont {
public:
    // `resource` is the name page content uses for it ("F1").
    PdfFont(const QRawFont& font, std::string resource);

    // False for a font without TrueType outlines: its glyphs are drawn as outlines instead.
    bool Embeddable() const { return m_embeddable; }
    const std::string& Resource() const { return m_resource; }
    int Id() const { return m_id; }
    void SetId(int id) { m_id = id; }

    bool Uses(uint32_t glyph) const { return glyph < m_used.size() && m_used[glyph]; }
    // The glyph's advance in thousandths of an em, and the character it shows (0: none of its own,
    // as a ligature's glyph).
    void Add(uint32_t glyph, double width, char16_t character);

    // Writes the font's objects; the font's object is the number given with SetId.
    bool Write(PdfFile& file, std::string& error) const;

private:
    std::string BaseName() const;

    QRawFont m_font;
    std::string m_resource;
    int m_id = 0;
    bool m_embeddable = false;
    TrueTypeMetrics m_metrics;
    std::vector<bool> m_used;
    std::vector<float> m_widths;
    std::vector<char16_t> m_characters;
};

}  // namespace platform::view
