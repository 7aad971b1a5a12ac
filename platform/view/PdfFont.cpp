#include "view/PdfFont.h"

#include <cmath>

#include "view/PdfFile.h"

namespace platform::view {

namespace {

FontTableSource TablesOf(const QRawFont& font) {
    return [&font](const char* tag) {
        const QByteArray table = font.fontTable(tag);
        return std::string(table.constData(), static_cast<size_t>(table.size()));
    };
}

void Hex4(PdfBuffer& out, unsigned v) {
    static const char* hex = "0123456789ABCDEF";
    out.Char('<');
    for (int shift = 12; shift >= 0; shift -= 4) out.Char(hex[(v >> shift) & 15]);
    out.Char('>');
}

}  // namespace

PdfFont::PdfFont(const QRawFont& font, std::string resource) : m_font(font), m_resource(std::move(resource)) {
    m_embeddable = font.isValid() && ReadTrueTypeMetrics(TablesOf(m_font), m_metrics) && m_metrics.glyphCount > 0;
    if (m_embeddable) {
        const size_t n = static_cast<size_t>(m_metrics.glyphCount);
        m_used.assign(n, false);
        m_widths.assign(n, 0);
        m_characters.assign(n, 0);
    }
}

void PdfFont::Add(uint32_t glyph, double width, char16_t character) {
    if (glyph >= m_used.size() || m_used[glyph]) return;
    m_used[glyph] = true;
    m_widths[glyph] = static_cast<float>(width);
    m_characters[glyph] = character;
}

std::string PdfFont::BaseName() const {
    std::string name;
    for (QChar c : m_font.familyName() + QLatin1Char('-') + m_font.styleName())
        if ((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'-')
            name.push_back(static_cast<char>(c.unicode()));
    // A subset's name starts with a tag of six capitals that tells subsets apart.
    uint32_t hash = 2166136261u;
    for (char c : name) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    for (size_t g = 0; g < m_used.size(); ++g)
        if (m_used[g]) hash = (hash ^ static_cast<uint32_t>(g)) * 16777619u;
    std::string tag;
    for (int i = 0; i < 6; ++i, hash /= 26) tag.push_back(static_cast<char>('A' + hash % 26));
    return tag + "+" + (name.empty() ? std::string("Font") : name);
}

bool PdfFont::Write(PdfFile& file, std::string& error) const {
    std::string program;
    if (!SubsetTrueType(TablesOf(m_font), m_used, program)) {
        error = "the font " + m_font.familyName().toStdString() + " could not be embedded";
        return false;
    }
    const std::string base = BaseName();
    const double unit = 1000.0 / m_metrics.unitsPerEm;
    const int cid = file.Reserve(), descriptor = file.Reserve(), fontFile = file.Reserve(), toUnicode = file.Reserve();

    PdfBuffer& type0 = file.Begin(m_id);
    type0.Raw("<</Type/Font/Subtype/Type0/BaseFont/").Raw(base).Raw("/Encoding/Identity-H/DescendantFonts[").Int(cid);
    type0.Raw(" 0 R]/ToUnicode ").Int(toUnicode).Raw(" 0 R>>");
    file.End();

    PdfBuffer& cidFont = file.Begin(cid);
    cidFont.Raw("<</Type/Font/Subtype/CIDFontType2/BaseFont/").Raw(base);
    cidFont.Raw("/CIDSystemInfo<</Registry(Adobe)/Ordering(Identity)/Supplement 0>>/FontDescriptor ").Int(descriptor);
    cidFont.Raw(" 0 R/CIDToGIDMap/Identity/W[");
    // Runs of consecutive glyphs: first [w w w ...].
    for (size_t g = 0; g < m_used.size();) {
        if (!m_used[g]) {
            ++g;
            continue;
        }
        cidFont.Int(static_cast<long long>(g)).Char('[');
        for (; g < m_used.size() && m_used[g]; ++g) cidFont.Num(m_widths[g], 1);
        cidFont.Raw("]");
    }
    cidFont.Raw("]>>");
    file.End();

    PdfBuffer& d = file.Begin(descriptor);
    const int flags = 4 | (m_metrics.italic || m_metrics.italicAngle != 0 ? 64 : 0);  // symbolic: glyphs by id
    d.Raw("<</Type/FontDescriptor/FontName/").Raw(base).Raw("/Flags ").Int(flags).Raw("/FontBBox[");
    for (int v : m_metrics.bbox) d.Num(v * unit, 0);
    d.Raw("]/ItalicAngle ").Num(m_metrics.italicAngle, 2).Raw("/Ascent ").Num(m_metrics.ascent * unit, 0);
    d.Raw("/Descent ").Num(m_metrics.descent * unit, 0).Raw("/CapHeight ").Num(m_metrics.capHeight * unit, 0);
    d.Raw("/StemV ").Int(m_metrics.bold ? 120 : 80).Raw("/FontFile2 ").Int(fontFile).Raw(" 0 R>>");
    file.End();

    if (!file.CompressedStream(fontFile, "/Length1 " + std::to_string(program.size()), program)) {
        error = "the font could not be compressed";
        return false;
    }

    PdfBuffer map;
    map.Raw("/CIDInit/ProcSet findresource begin\n12 dict begin\nbegincmap\n"
            "/CIDSystemInfo<</Registry(Adobe)/Ordering(UCS)/Supplement 0>>def\n"
            "/CMapName/Adobe-Identity-UCS def\n/CMapType 2 def\n"
            "1 begincodespacerange\n<0000><FFFF>\nendcodespacerange\n");
    std::vector<uint32_t> mapped;
    for (size_t g = 0; g < m_used.size(); ++g)
        if (m_used[g] && m_characters[g]) mapped.push_back(static_cast<uint32_t>(g));
    for (size_t at = 0; at < mapped.size(); at += 100) {
        const size_t n = std::min<size_t>(100, mapped.size() - at);
        map.Int(static_cast<long long>(n)).Raw(" beginbfchar\n");
        for (size_t k = at; k < at + n; ++k) {
            Hex4(map, mapped[k]);
            Hex4(map, m_characters[mapped[k]]);
            map.Char('\n');
        }
        map.Raw("endbfchar\n");
    }
    map.Raw("endcmap\nCMapName currentdict/CMap defineresource pop\nend\nend\n");
    if (!file.CompressedStream(toUnicode, "", map.View())) {
        error = "the font's character map could not be compressed";
        return false;
    }
    return true;
}

}  // namespace platform::view
