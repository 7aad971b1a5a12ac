#include "view/Drawing.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <unordered_map>

#include "view/EntityTags.h"

namespace platform::view {

using dxf::DxfObject;
using dxf::Handle;

std::string NameKey(std::string_view name) {
    std::string key(name);
    for (char& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return key;
}

namespace {

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool HasAny(const std::string& text, std::initializer_list<const char*> words) {
    for (const char* w : words)
        if (text.find(w) != std::string::npos) return true;
    return false;
}

void MapFont(const DxfObject& record, TextStyleInfo& style) {
    std::string family;
    int flags = 0;
    for (const dxf::Tag& t : record.XData("ACAD")) {
        if (t.code == 1000 && family.empty()) family = std::string(t.Value());
        if (t.code == 1071) flags = static_cast<int>(t.IntOr(0));
    }
    MapFontName(std::string(record.Value(3)) + " " + family, flags, style);
}

bool IsLayoutBlock(std::string_view name) {
    return dxf::SameName(name, "*Model_Space") || (name.size() >= 12 && dxf::SameName(name.substr(0, 12), "*Paper_Space"));
}

// The draw order a SORTENTSTABLE gives the entities of one space: each listed entity is drawn
// as if its handle were the sort handle paired with it; the others keep their own handles.
using SortHandles = std::unordered_map<Handle, Handle>;

std::unordered_map<Handle, SortHandles> SortTables(const dxf::Document& doc) {
    std::unordered_map<Handle, SortHandles> tables;
    for (const DxfObject& o : doc.objects) {
        if (o.Type() != "SORTENTSTABLE") continue;
        EntityTags t(o);
        const size_t sub = t.After("AcDbSortentsTable");
        const size_t record = t.Find(330, sub);
        if (record >= t.End()) continue;
        SortHandles& order = tables[t[record].AsHandle().value_or(0)];
        for (size_t i = t.Find(331, record); i + 1 < t.End(); i = t.Find(331, i + 1))
            if (t[i + 1].code == 5)
                if (const auto entity = t[i].AsHandle(), sort = t[i + 1].AsHandle(); entity && sort) order[*entity] = *sort;
    }
    return tables;
}

// Puts a space's entities in the order its table gives: by sort handle, each entity with the
// vertices, attributes and end marker that follow it. Without a table the file's order stands.
void ApplyDrawOrder(std::vector<const DxfObject*>& entities, const SortHandles& order) {
    if (order.empty()) return;
    struct Group {
        Handle key;
        size_t begin, end;
    };
    std::vector<Group> groups;
    for (size_t i = 0; i < entities.size();) {
        size_t end = i + 1;
        while (end < entities.size() && (entities[end]->Type() == "VERTEX" || entities[end]->Type() == "ATTRIB" ||
                                         entities[end]->Type() == "SEQEND"))
            ++end;
        const Handle own = entities[i]->GetHandle();
        const auto sorted = order.find(own);
        groups.push_back({sorted == order.end() ? own : sorted->second, i, end});
        i = end;
    }
    std::stable_sort(groups.begin(), groups.end(), [](const Group& a, const Group& b) { return a.key < b.key; });
    std::vector<const DxfObject*> ordered;
    ordered.reserve(entities.size());
    for (const Group& g : groups) ordered.insert(ordered.end(), entities.begin() + static_cast<std::ptrdiff_t>(g.begin),
                                                 entities.begin() + static_cast<std::ptrdiff_t>(g.end));
    entities = std::move(ordered);
}

}  // namespace

// The DejaVu face that stands for a drawing's font: CAD fonts (SHX files and TrueType
// families) are rarely installed here, so each maps to the nearest of the three designs.
void MapFontName(std::string_view name, int flags, TextStyleInfo& style) {
    const std::string all = Lower(name);
    style.family = "DejaVu Sans";
    if (HasAny(all, {"cour", "mono", "consol", "source code", "lucida console", "fixed"})) style.family = "DejaVu Sans Mono";
    else if (HasAny(all, {"times", "roman", "serif", "georgia", "garamond", "century", "bookman", "cambria", "palatino",
                          "complex", "gothic", "script", "italic.shx", "greekc", "cyrillic"}) &&
             !HasAny(all, {"sans"}))
        style.family = "DejaVu Serif";
    style.bold = (flags & 0x2000000) != 0 || HasAny(all, {"bold", "black", "heavy", "bd.ttf", "arialbd"});
    style.italic = (flags & 0x1000000) != 0 || HasAny(all, {"italic", "oblique", "ariali", "timesi"});
}

Drawing::Drawing(std::shared_ptr<const dxf::Document> document) : m_document(std::move(document)) {
    IndexTables();
    IndexBlocks();
    IndexLayouts();
    m_ltscale = HeaderDouble("$LTSCALE", 1);
    if (!(m_ltscale > 0)) m_ltscale = 1;
}

void Drawing::IndexTables() {
    const dxf::Document& doc = *m_document;
    if (const dxf::SymbolTable* layers = doc.FindTable("LAYER"))
        for (const DxfObject& r : layers->records) {
            EntityTags t(r);
            LayerInfo layer;
            layer.name = std::string(t.String(2));
            layer.handle = r.GetHandle();
            const int aci = static_cast<int>(t.Int(62, 7));
            layer.off = aci < 0;
            layer.color.index = std::abs(aci);
            if (layer.color.index == 0 || layer.color.index > 255) layer.color.index = 7;
            if (t.Has(420)) layer.color.isTrue = true, layer.color.rgb = static_cast<std::uint32_t>(t.Int(420)) & 0xFFFFFF;
            const int flags = static_cast<int>(t.Int(70));
            layer.frozen = (flags & 1) != 0;
            layer.plottable = t.Int(290, 1) != 0 && !dxf::SameName(layer.name, "Defpoints");
            layer.linetype = std::string(t.String(6, "Continuous"));
            layer.lineweight = static_cast<int>(t.Int(370, -3));
            m_layers.emplace(NameKey(layer.name), std::move(layer));
        }
    if (const dxf::SymbolTable* types = doc.FindTable("LTYPE"))
        for (const DxfObject& r : types->records) {
            EntityTags t(r);
            LinetypeInfo type;
            for (size_t i = t.Find(49); i < t.End(); i = t.Find(49, i + 1)) type.elements.push_back(t[i].DoubleOr(0));
            type.length = 0;
            for (double e : type.elements) type.length += std::abs(e);
            // A pattern of dashes only, or of zero length, draws as a solid line.
            const bool hasGap = std::any_of(type.elements.begin(), type.elements.end(), [](double e) { return e < 0; });
            if (!hasGap || !(type.length > 0)) type.elements.clear(), type.length = 0;
            m_linetypes.emplace(NameKey(t.String(2)), std::move(type));
        }
    if (const dxf::SymbolTable* styles = doc.FindTable("STYLE"))
        for (const DxfObject& r : styles->records) {
            EntityTags t(r);
            TextStyleInfo style;
            MapFont(r, style);
            style.height = t.Double(40);
            style.width = t.Double(41, 1);
            if (!(style.width > 0)) style.width = 1;
            style.oblique = t.Double(50);
            style.generation = static_cast<int>(t.Int(71));
            if (std::isfinite(style.width)) m_widestStyle = std::max(m_widestStyle, style.width);
            m_styles.emplace(NameKey(t.String(2)), std::move(style));
        }
    if (const auto it = m_styles.find(std::string_view("Standard")); it != m_styles.end()) m_standard = it->second;
}

void Drawing::IndexBlocks() {
    const dxf::Document& doc = *m_document;
    std::unordered_map<std::string, Handle> records;
    if (const dxf::SymbolTable* table = doc.FindTable("BLOCK_RECORD"))
        for (const DxfObject& r : table->records) records.emplace(NameKey(r.Value(2)), r.GetHandle());
    for (const dxf::Block& b : doc.blocks) {
        std::string key = NameKey(b.Name());
        if (const auto it = records.find(key); it != records.end()) m_blockRecords.emplace(it->second, &b);
        // The block's own owner is its record (R2000 on).
        if (Handle owner = b.begin.Owner()) m_blockRecords.emplace(owner, &b);
        m_blocks.emplace(std::move(key), &b);
    }
}

void Drawing::IndexLayouts() {
    const dxf::Document& doc = *m_document;
    Layout model{"Model", false, 0, {}, 0, {}};
    if (const dxf::SymbolTable* records = doc.FindTable("BLOCK_RECORD"))
        if (const DxfObject* r = records->FindRecord("*Model_Space")) model.record = r->GetHandle();
    // Paper space layouts by the block that holds their entities.
    struct PaperLayout {
        Layout layout;
        std::string block;
    };
    std::vector<PaperLayout> papers;
    for (const DxfObject& o : doc.objects) {
        if (o.Type() != "LAYOUT") continue;
        EntityTags t(o);
        const size_t sub = t.After("AcDbLayout");
        const std::string name(t.String(1, {}, sub));
        const size_t record = t.Find(330, sub);
        const dxf::Block* block = record < t.End() ? BlockOfRecord(t[record].AsHandle().value_or(0)) : nullptr;
        if (!block || dxf::SameName(block->Name(), "*Model_Space") || dxf::SameName(name, "Model")) {
            if (block && dxf::SameName(block->Name(), "*Model_Space")) model.plot = ReadLayoutPlotSettings(o);
            continue;
        }
        papers.push_back({Layout{name, true, static_cast<int>(t.Int(71, 1, sub)), {}, t[record].AsHandle().value_or(0), ReadLayoutPlotSettings(o)},
                          NameKey(block->Name())});
    }
    // Files without layout objects (R12) have one paper space.
    if (papers.empty()) papers.push_back({Layout{"Layout1", true, 1, {}, 0, {}}, "*PAPER_SPACE"});
    std::stable_sort(papers.begin(), papers.end(), [](const PaperLayout& a, const PaperLayout& b) {
        return a.layout.tabOrder < b.layout.tabOrder;
    });
    auto paperOf = [&](std::string_view blockName) -> Layout* {
        const std::string key = NameKey(blockName);
        for (PaperLayout& p : papers)
            if (p.block == key) return &p.layout;
        return nullptr;
    };
    // The ENTITIES section holds model space and the active layout (67 = 1).
    Layout* active = paperOf("*Paper_Space");
    for (const DxfObject& e : doc.entities) {
        const dxf::Tag* space = e.Find(67);
        if (space && space->IntOr(0) == 1) {
            if (active) active->entities.push_back(&e);
        } else {
            model.entities.push_back(&e);
        }
    }
    for (const dxf::Block& b : doc.blocks) {
        if (!IsLayoutBlock(b.Name())) continue;
        Layout* target = dxf::SameName(b.Name(), "*Model_Space") ? &model : paperOf(b.Name());
        if (!target) continue;
        for (const DxfObject& e : b.Entities()) target->entities.push_back(&e);
    }
    m_layouts.push_back(std::move(model));
    for (PaperLayout& p : papers) m_layouts.push_back(std::move(p.layout));
    // The draw order the user set (DRAWORDER: a hatch sent behind its texts) is the order drawn.
    const std::unordered_map<Handle, SortHandles> tables = SortTables(doc);
    if (tables.empty()) return;
    for (Layout& layout : m_layouts)
        if (const auto it = tables.find(layout.record); layout.record != 0 && it != tables.end()) ApplyDrawOrder(layout.entities, it->second);
}

const LayerInfo* Drawing::FindLayer(std::string_view name) const {
    const auto it = m_layers.find(name);
    return it == m_layers.end() ? nullptr : &it->second;
}

const LinetypeInfo* Drawing::FindLinetype(std::string_view name) const {
    const auto it = m_linetypes.find(name);
    return it == m_linetypes.end() ? nullptr : &it->second;
}

const TextStyleInfo& Drawing::TextStyle(std::string_view name) const {
    const auto it = m_styles.find(name);
    return it == m_styles.end() ? m_standard : it->second;
}

const dxf::Block* Drawing::FindBlock(std::string_view name) const {
    const auto it = m_blocks.find(name);
    return it == m_blocks.end() ? nullptr : it->second;
}

Vec3 Drawing::BlockBase(const dxf::Block& block) const { return EntityTags(block.begin).Point(10); }

const dxf::Block* Drawing::BlockOfRecord(Handle record) const {
    if (record == 0) return nullptr;
    const auto it = m_blockRecords.find(record);
    return it == m_blockRecords.end() ? nullptr : it->second;
}

const Layout* Drawing::FindLayout(std::string_view name) const {
    for (const Layout& l : m_layouts)
        if (dxf::SameName(l.name, name)) return &l;
    return nullptr;
}

double Drawing::HeaderDouble(std::string_view name, double fallback) const {
    const dxf::Tag* t = m_document->HeaderValue(name);
    return t ? t->DoubleOr(fallback) : fallback;
}

}  // namespace platform::view
