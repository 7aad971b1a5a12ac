#pragma once
// TrueType fonts for embedding: the metrics a PDF font descriptor states, and a copy of the
// font with only the glyph outlines a document uses. Glyph ids stay as they are, so text
// written with the full font's ids shows the same with the subset.
#include <functional>
#include <string>
#include <vector>

namespace platform::view {

// A table of the font by its tag ("head", "glyf", ...); empty when the font has none.
using FontTableSource = std::function<std::string(const char* tag)>;

struct TrueTypeMetrics {
    int unitsPerEm = 0;
    int glyphCount = 0;
    int bbox[4] = {0, 0, 0, 0};  // xMin, yMin, xMax, yMax in font units
    int ascent = 0, descent = 0;  // hhea: descent is negative
    int capHeight = 0;            // OS/2, or the ascent when the font does not say
    double italicAngle = 0;       // degrees, from post
    bool bold = false, italic = false;
};

// False when the font has no TrueType outlines (a CFF font) or its tables are broken.
bool ReadTrueTypeMetrics(const FontTableSource& tables, TrueTypeMetrics& metrics);

// The font file with the outlines of the glyphs marked in `used` (by id) and of the glyphs
// they are composed of; every other glyph is left empty. False when the tables are broken.
bool SubsetTrueType(const FontTableSource& tables, const std::vector<bool>& used, std::string& out);

}  // namespace platform::view
