#pragma once
// A drawing as the renderer reads it: its DXF document and what drawing an entity looks up
// there -- layers, line types, text styles, blocks by name and by record, the layouts with their
// entities, header settings. Built once per document; the document must outlive it unchanged.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "dxf/DxfDocument.h"
#include "view/Geometry3.h"
#include "view/PaperSheet.h"

namespace platform::view {

// A colour as a drawing states it: an index (0 by block, 256 by layer, 1..255) or true colour.
struct DrawingColor {
    int index = 256;
    bool isTrue = false;
    std::uint32_t rgb = 0;  // 0xRRGGBB when isTrue
};

struct LayerInfo {
    std::string name;
    dxf::Handle handle = 0;
    DrawingColor color{7};
    std::string linetype = "Continuous";
    int lineweight = -3;  // 1/100 mm; -3 the default
    bool off = false, frozen = false, plottable = true;
};

// Dash lengths in drawing units: positive a dash, negative a gap, zero a dot.
struct LinetypeInfo {
    std::vector<double> elements;
    double length = 0;  // the pattern's total length
};

struct TextStyleInfo {
    std::string family = "DejaVu Sans";
    bool bold = false, italic = false;
    double height = 0;  // fixed height, 0 when the text gives it
    double width = 1;   // width factor
    double oblique = 0; // degrees
    int generation = 0; // 2 backwards, 4 upside down
};

struct Layout {
    std::string name;
    bool paper = false;
    int tabOrder = 0;
    std::vector<const dxf::DxfObject*> entities;  // in drawing order
    dxf::Handle record = 0;  // the block record of its space; 0 when the file has none (R12)
    LayoutPlotSettings plot;  // what its layout object stores of its plot (no paper when it has none)
};

// Names that DXF compares without regard to case, looked up without making a string.
struct NameHash {
    using is_transparent = void;
    size_t operator()(std::string_view name) const {
        size_t h = 14695981039346656037ull;
        for (char c : name) h = (h ^ static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 32 : c)) * 1099511628211ull;
        return h;
    }
};
struct NameEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const { return dxf::SameName(a, b); }
};
template <class T>
using NameMap = std::unordered_map<std::string, T, NameHash, NameEqual>;

class Drawing {
public:
    explicit Drawing(std::shared_ptr<const dxf::Document> document);

    const dxf::Document& Document() const { return *m_document; }

    const LayerInfo* FindLayer(std::string_view name) const;
    const LinetypeInfo* FindLinetype(std::string_view name) const;
    // The style's font and settings; the standard style when it is not defined.
    const TextStyleInfo& TextStyle(std::string_view name) const;
    // The largest width factor of its text styles (at least 1).
    double WidestTextStyle() const { return m_widestStyle; }
    const dxf::Block* FindBlock(std::string_view name) const;
    // The base point of a block (its BLOCK entity's 10/20/30).
    Vec3 BlockBase(const dxf::Block& block) const;
    // The block a block record handle names (a layout's or a table's), or null.
    const dxf::Block* BlockOfRecord(dxf::Handle record) const;

    // Model space first, then the paper space layouts in their tab order.
    const std::vector<Layout>& Layouts() const { return m_layouts; }
    // By name, without regard to case; "Model" is model space.
    const Layout* FindLayout(std::string_view name) const;

    double HeaderDouble(std::string_view name, double fallback) const;
    // Where the drawing gives one: the pattern a hatch uses is stored in it.
    double LinetypeScale() const { return m_ltscale; }

private:
    void IndexTables();
    void IndexBlocks();
    void IndexLayouts();

    std::shared_ptr<const dxf::Document> m_document;
    NameMap<LayerInfo> m_layers;
    NameMap<LinetypeInfo> m_linetypes;
    NameMap<TextStyleInfo> m_styles;
    NameMap<const dxf::Block*> m_blocks;
    std::unordered_map<dxf::Handle, const dxf::Block*> m_blockRecords;
    std::vector<Layout> m_layouts;
    TextStyleInfo m_standard;
    double m_widestStyle = 1;
    double m_ltscale = 1;
};

// Sets the family, bold and italic of the face that stands for a font (a font file or
// family name; flags as the text style's extended data gives them).
void MapFontName(std::string_view name, int flags, TextStyleInfo& style);

// Upper-case ASCII, for names that DXF compares without regard to case.
std::string NameKey(std::string_view name);

}  // namespace platform::view
