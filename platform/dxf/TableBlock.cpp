#include "dxf/TableBlock.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <unordered_map>

#include "dxf/DxfTextChunks.h"
#include "dxf/EntityTypes.h"
#include "db/Geometry.h"
#include "db/TextMeasure.h"

namespace platform::dxf {

using platform::BreakLongWords;
using entities::Entity;

namespace {

// The handle stored under a key of a DICTIONARY object (entries are 3 key, 350/360 handle).
Handle DictionaryEntry(const DxfObject& dict, std::string_view key) {
    for (size_t i = 0; i + 1 < dict.tags.size(); ++i)
        if (dict.tags[i].code == 3 && dict.tags[i].Value() == key &&
            (dict.tags[i + 1].code == 350 || dict.tags[i + 1].code == 360))
            return dict.tags[i + 1].AsHandle().value_or(0);
    return 0;
}

struct Grid {
    int rows, cols;
    std::vector<int> cover;  // index of the cell whose (merged) range covers each position

    // A merged range stops where it meets another one, so overlapping spans in a damaged
    // table cost no more than the cells themselves.
    explicit Grid(const AcadTable& t) : rows(t.rows), cols(t.columns), cover(t.cells.size()) {
        for (size_t i = 0; i < cover.size(); ++i) cover[i] = static_cast<int>(i);
        auto free = [this](int r, int c) { return At(r, c) == r * cols + c; };
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c) {
                const TableCell& cell = t.Cell(r, c);
                if (cell.merged != 0 || (cell.spanRows == 1 && cell.spanColumns == 1) || !free(r, c)) continue;
                const int r2 = r + std::min(cell.spanRows, rows - r), c2 = c + std::min(cell.spanColumns, cols - c);
                for (int rr = r; rr < r2 && (rr == r || free(rr, c)); ++rr)
                    for (int cc = c; cc < c2 && ((rr == r && cc == c) || free(rr, cc)); ++cc)
                        cover[static_cast<size_t>(rr * cols + cc)] = r * cols + c;
            }
    }
    int At(int r, int c) const { return cover[static_cast<size_t>(r * cols + c)]; }
};

class BlockBuilder {
public:
    // The block's previous entities are taken apart for their tag lists: a table rebuilt with
    // about the same cells then allocates (and frees) next to nothing.
    BlockBuilder(Document& doc, Block& block, Handle owner)
        : m_doc(doc), m_block(block), m_owner(doc.MakeHandle(330, owner)), m_spare(ParsedEntities(block)) {
        m_block.Entities().reserve(m_spare.size());
    }

    void Line(double x1, double y1, double x2, double y2) {
        using L = entities::Line;
        DxfObject& o = Next();
        o.tags = {{0, L::type.name}, m_doc.MakeHandle(5, m_handle), m_owner, {100, Entity::kMarker}, {Entity::layer.code, "0"},
                  {Entity::linetype.code, "ByBlock"}, {Entity::color.code, "0"}, {Entity::lineweight.code, "-2"},
                  {100, L::kSubclasses[0].marker},
                  Number(L::start.code, x1), Number(L::start.code + 10, y1), {L::start.code + 20, "0.0"},
                  Number(L::end.code, x2), Number(L::end.code + 10, y2), {L::end.code + 20, "0.0"}};
    }

    void Text(double x, double y, double height, double width, int attachment, std::string_view style,
              std::string_view text) {
        using M = entities::MText;
        DxfObject& o = Next();
        auto& t = o.tags;
        t.reserve(20);
        t = {{0, M::type.name}, m_doc.MakeHandle(5, m_handle), m_owner, {100, Entity::kMarker}, {Entity::layer.code, "0"},
             {Entity::color.code, "0"}, {100, M::kSubclasses[0].marker},
             Number(M::insert.code, x), Number(M::insert.code + 10, y), {M::insert.code + 20, "0.0"},
             Number(M::height.code, height), Number(M::width.code, width), {M::definedHeight.code, "0.0"},
             m_doc.MakeInt(M::attachment.code, attachment), {M::drawingDirection.code, "5"}};
        AppendChunkedText(t, m_doc.Keep(ToCellText(text)), M::text.chunkCode);
        t.push_back(m_doc.MakeTag(M::style.code, style));
        t.push_back({M::lineSpacingStyle.code, "1"});
        t.push_back({M::lineSpacing.code, "1.0"});
    }

    void Insert(std::string_view block, double x, double y, double scale) {
        using I = entities::Insert;
        DxfObject& o = Next();
        o.tags = {{0, I::type.name}, m_doc.MakeHandle(5, m_handle), m_owner, {100, Entity::kMarker}, {Entity::layer.code, "0"},
                  {100, I::kSubclasses[0].marker}, m_doc.MakeTag(I::block.code, block),
                  Number(I::insert.code, x), Number(I::insert.code + 10, y), {I::insert.code + 20, "0.0"}};
        if (scale != 1) {
            o.tags.push_back(m_doc.MakeDouble(I::scaleX.code, scale));
            o.tags.push_back(m_doc.MakeDouble(I::scaleY.code, scale));
            o.tags.push_back(m_doc.MakeDouble(I::scaleZ.code, scale));
        }
    }

private:
    // A grid repeats its coordinates row after row and column after column: each value is
    // formatted (and its text kept) once. Keyed by the bits, so -0.0 stays apart from 0.0.
    Tag Number(int code, double value) {
        const auto [it, added] = m_numbers.try_emplace(std::bit_cast<std::uint64_t>(value));
        if (added) it->second = m_doc.MakeDouble(code, value).Value();
        return Tag{code, it->second};
    }

    // The block's entities, parsed when they were kept as read: their handles are reused.
    static std::vector<DxfObject> ParsedEntities(Block& block) {
        block.Entities();
        return block.TakeEntities();
    }

    // The next entity, and in m_handle its handle: a rebuilt block keeps the handles of its
    // entities in the order it draws them, so a table rebuilt with the same cells (an undo, a
    // change of its link only) is written as it was; only entities beyond those get new ones.
    DxfObject& Next() {
        if (m_used < m_spare.size()) {
            DxfObject& o = m_block.Entities().emplace_back(std::move(m_spare[m_used++]));
            m_handle = o.GetHandle();
            if (m_handle == 0) m_handle = m_doc.NewHandle();
            o.tags.clear();
            return o;
        }
        m_handle = m_doc.NewHandle();
        return m_block.Entities().emplace_back();
    }

    Document& m_doc;
    Block& m_block;
    Tag m_owner;
    std::vector<DxfObject> m_spare;
    size_t m_used = 0;
    Handle m_handle = 0;
    std::unordered_map<std::uint64_t, std::string_view> m_numbers;
};

DxfObject MakeBlockRecord(Document& doc, Handle handle, Handle tableHandle, std::string_view name, Handle tableRef) {
    DxfObject rec;
    rec.tags = {{0, "BLOCK_RECORD"}, doc.MakeHandle(5, handle), doc.MakeHandle(330, tableHandle),
                {100, "AcDbSymbolTableRecord"}, {100, "AcDbBlockTableRecord"}, doc.MakeTag(2, name), {340, "0"},
                {102, "{BLKREFS"}, doc.MakeHandle(331, tableRef), {102, "}"}, {70, "0"}, {280, "1"}, {281, "0"}};
    return rec;
}

std::string FreeAnonymousName(const Document& doc) {
    for (int n = 1;; ++n) {
        std::string name = "*T" + std::to_string(n);
        if (!doc.FindBlock(name)) {
            const SymbolTable* records = doc.FindTable("BLOCK_RECORD");
            if (!records || !records->FindRecord(name)) return name;
        }
    }
}

// Tables written by CAD programs since 2008 carry a copy of their content in newer objects,
// reached through the entity's extension dictionary (ACAD_XREC_ROUNDTRIP -> XRECORD ->
// TABLECONTENT, TABLEGEOMETRY). A program that finds the copy uses it instead of the table data,
// so once we rewrite a table the stale copy goes: the dictionary entry, the record and every
// object the record owns.
void DropStaleContentCopy(Document& doc, const AcadTable& table) {
    Handle xdict = 0;
    for (size_t i = 0; i + 1 < table.entityTags.size(); ++i)
        if (table.entityTags[i].code == 102 && table.entityTags[i].value == "{ACAD_XDICTIONARY" &&
            table.entityTags[i + 1].code == 360)
            xdict = ParseHandle(table.entityTags[i + 1].value).value_or(0);
    DxfObject* dict = xdict ? doc.FindObject(xdict) : nullptr;
    if (!dict || dict->Type() != "DICTIONARY") return;
    Handle record = 0;
    auto& tags = dict->tags;
    for (size_t i = 0; i + 1 < tags.size(); ++i)
        if (tags[i].code == 3 && tags[i].Value() == "ACAD_XREC_ROUNDTRIP" && (tags[i + 1].code == 360 || tags[i + 1].code == 350)) {
            record = tags[i + 1].AsHandle().value_or(0);
            tags.erase(tags.begin() + static_cast<long>(i), tags.begin() + static_cast<long>(i) + 2);
            break;
        }
    if (record == 0) return;
    std::vector<Handle> doomed{record};
    for (size_t k = 0; k < doomed.size(); ++k)
        for (const DxfObject& o : doc.objects)
            if (o.Owner() == doomed[k] && o.GetHandle() != 0) doomed.push_back(o.GetHandle());
    std::erase_if(doc.objects, [&doomed](const DxfObject& o) {
        return std::find(doomed.begin(), doomed.end(), o.GetHandle()) != doomed.end();
    });
}

// Where rows and columns start, in the table's own coordinates (rows run down from 0).
struct GridLines {
    std::vector<double> xs, ys;
    explicit GridLines(const AcadTable& table)
        : xs(static_cast<size_t>(table.columns) + 1, 0.0), ys(static_cast<size_t>(table.rows) + 1, 0.0) {
        for (int r = 0; r < table.rows; ++r) ys[static_cast<size_t>(r) + 1] = ys[static_cast<size_t>(r)] - table.rowHeights[static_cast<size_t>(r)];
        for (int c = 0; c < table.columns; ++c)
            xs[static_cast<size_t>(c) + 1] = xs[static_cast<size_t>(c)] + table.columnWidths[static_cast<size_t>(c)];
    }
};

// A cell's rectangle (across its merged range), its alignment and the point its content is
// aligned at, and the style of its row kind.
struct CellFrame {
    double left, right, top, bottom, x, y;
    int align;
    const CellStyleInfo* rowStyle;
};

CellFrame FrameOf(const AcadTable& table, const GridLines& grid, const TableStyleInfo& style, int r, int c) {
    const int titleRow = style.titleSuppressed ? -1 : 0;
    const int headerRow = style.headerSuppressed ? -1 : (style.titleSuppressed ? 0 : 1);
    const CellStyleInfo& rowStyle = r == titleRow ? style.title : r == headerRow ? style.header : style.data;
    const TableCell& cell = table.Cell(r, c);
    const int r2 = r + std::min(cell.spanRows, table.rows - r), c2 = c + std::min(cell.spanColumns, table.columns - c);
    CellFrame f{grid.xs[static_cast<size_t>(c)], grid.xs[static_cast<size_t>(c2)], grid.ys[static_cast<size_t>(r)],
                grid.ys[static_cast<size_t>(r2)], 0, 0, 0, &rowStyle};
    f.align = (cell.alignment >= 1 && cell.alignment <= 9) ? cell.alignment : rowStyle.alignment;
    const int column = (f.align - 1) % 3, line = (f.align - 1) / 3;
    const double hm = style.horizontalMargin, vm = style.verticalMargin;
    f.x = column == 0 ? f.left + hm : column == 1 ? (f.left + f.right) / 2 : f.right - hm;
    f.y = line == 0 ? f.top - vm : line == 1 ? (f.top + f.bottom) / 2 : f.bottom + vm;
    return f;
}

TableStyleInfo StyleOfTable(Document& doc, const AcadTable& table) {
    const DxfObject* s = table.tableStyle ? doc.FindObject(table.tableStyle) : nullptr;
    return s ? ParseTableStyle(*s) : TableStyleInfo{};
}

}  // namespace

void ReadBlockPlacements(Document& doc, AcadTable& table) {
    // Most tables hold no block cell: their block is not looked through.
    if (std::none_of(table.cells.begin(), table.cells.end(), [](const TableCell& c) { return c.type == 2; })) return;
    Block* block = table.blockName.empty() ? nullptr : doc.FindBlock(table.blockName);
    if (!block || table.rows == 0 || table.columns == 0) return;
    const TableStyleInfo style = StyleOfTable(doc, table);
    const GridLines grid(table);
    const double eps = 1e-9 * (std::abs(grid.xs.back()) + std::abs(grid.ys.back()) + 1);
    for (const DxfObject& e : block->Entities()) {
        if (e.Type() != entities::Insert::type.name) continue;
        const Tag* x = e.Find(entities::Insert::insert.code);
        const Tag* y = e.Find(entities::Insert::insert.code + 10);
        if (!x || !y) continue;
        const double ix = x->DoubleOr(0), iy = y->DoubleOr(0);
        const Tag* sx = e.Find(entities::Insert::scaleX.code);
        const std::string_view name = e.Value(entities::Insert::block.code);
        for (int r = 0; r < table.rows; ++r)
            for (int c = 0; c < table.columns; ++c) {
                TableCell& cell = table.Cell(r, c);
                if (cell.type != 2 || cell.merged != 0 || cell.blockPlaced) continue;
                const DxfObject* record = cell.block ? doc.FindObject(cell.block) : nullptr;
                if (!record || record->Type() != "BLOCK_RECORD" || !SameName(record->Value(2), name)) continue;
                const CellFrame f = FrameOf(table, grid, style, r, c);
                if (ix < f.left - eps || ix > f.right + eps || iy > f.top + eps || iy < f.bottom - eps) continue;
                cell.blockPlaced = true;
                cell.blockOffset[0] = ix - f.x;
                cell.blockOffset[1] = iy - f.y;
                cell.blockShownScale = sx ? sx->DoubleOr(1) : 1;
                r = table.rows;  // this reference is placed
                break;
            }
    }
}

TableStyleInfo ParseTableStyle(const DxfObject& style, std::string* beyond) {
    TableStyleInfo info;
    const size_t start = style.SubclassStart("AcDbTableStyle");
    CellStyleInfo* groups[] = {&info.data, &info.title, &info.header};
    int group = -1;
    for (size_t i = start; i < style.tags.size() && style.tags[i].code < 1000; ++i) {
        const Tag& t = style.tags[i];
        if (t.code == 7) {
            if (++group > 2) break;
            groups[group]->textStyle = std::string(t.Value());
            continue;
        }
        // Heights and margins beyond what a table holds count as unreadable: the defaults stand.
        const auto size = [&t, beyond](double fallback) {
            const double v = t.DoubleOr(fallback);
            if (IsTextHeightValue(v)) return v;
            if (beyond && beyond->empty()) *beyond = "a " + std::string(t.code == 140 ? "text height" : "cell margin") + " of " +
                                                     std::string(t.Value()) + " is beyond what a table holds";
            return fallback;
        };
        if (group < 0) {
            if (t.code == 40) info.horizontalMargin = size(info.horizontalMargin);
            if (t.code == 41) info.verticalMargin = size(info.verticalMargin);
            if (t.code == 280) info.titleSuppressed = t.IntOr(0) != 0;
            if (t.code == 281) info.headerSuppressed = t.IntOr(0) != 0;
        } else {
            if (t.code == 140) groups[group]->textHeight = size(groups[group]->textHeight);
            if (t.code == 170) groups[group]->alignment = static_cast<int>(t.IntOr(groups[group]->alignment));
        }
    }
    return info;
}

Handle FindTableStyle(Document& doc, std::string_view name) {
    if (doc.objects.empty() || doc.objects.front().Type() != "DICTIONARY") return 0;
    const DxfObject* styles = doc.FindObject(DictionaryEntry(doc.objects.front(), "ACAD_TABLESTYLE"));
    return styles ? DictionaryEntry(*styles, name) : 0;
}

void BuildTableBlock(Document& doc, const AcadTable& table, const TableStyleInfo& style, Block& block) {
    BlockBuilder out(doc, block, table.blockRecord);
    const int rows = table.rows, cols = table.columns;
    const GridLines lines(table);
    const std::vector<double>&xs = lines.xs, &ys = lines.ys;
    const double hm = style.horizontalMargin;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            const TableCell& cell = table.Cell(r, c);
            if (cell.merged != 0 || (cell.text.empty() && cell.type != 2)) continue;
            const CellFrame f = FrameOf(table, lines, style, r, c);
            if (cell.type == 2) {
                // A block cell shows its block where the program that drew the table put it in
                // the cell, or else at the cell's alignment point.
                const DxfObject* record = cell.block ? doc.FindObject(cell.block) : nullptr;
                if (!record || record->Type() != "BLOCK_RECORD") continue;
                if (cell.blockPlaced)
                    out.Insert(record->Value(2), f.x + cell.blockOffset[0], f.y + cell.blockOffset[1], cell.blockShownScale);
                else
                    out.Insert(record->Value(2), f.x, f.y, cell.blockScale);
                continue;
            }
            const double height = TextHeightOf(cell) > 0 ? TextHeightOf(cell) : f.rowStyle->textHeight;
            const std::string_view textStyle = cell.textStyle.empty() ? f.rowStyle->textStyle : cell.textStyle;
            const double width = std::max(0.0, f.right - f.left - 2 * hm);
            out.Text(f.x, f.y, height, width, f.align, textStyle, BreakLongWords(cell.text, height, width));
        }
    }
    if (rows == 0 || cols == 0) return;
    const Grid grid(table);
    // Horizontal edges: between rows whose cells differ, joined into runs along each edge.
    for (int b = 0; b <= rows; ++b) {
        int runStart = -1;
        for (int c = 0; c <= cols; ++c) {
            const bool edge = c < cols && (b == 0 || b == rows || grid.At(b - 1, c) != grid.At(b, c));
            if (edge && runStart < 0) runStart = c;
            if (!edge && runStart >= 0) {
                out.Line(xs[static_cast<size_t>(runStart)], ys[static_cast<size_t>(b)], xs[static_cast<size_t>(c)], ys[static_cast<size_t>(b)]);
                runStart = -1;
            }
        }
    }
    for (int v = 0; v <= cols; ++v) {
        int runStart = -1;
        for (int r = 0; r <= rows; ++r) {
            const bool edge = r < rows && (v == 0 || v == cols || grid.At(r, v - 1) != grid.At(r, v));
            if (edge && runStart < 0) runStart = r;
            if (!edge && runStart >= 0) {
                out.Line(xs[static_cast<size_t>(v)], ys[static_cast<size_t>(runStart)], xs[static_cast<size_t>(v)], ys[static_cast<size_t>(r)]);
                runStart = -1;
            }
        }
    }
}

Handle StoreTable(Document& doc, AcadTable& table) {
    SymbolTable* records = doc.FindTable("BLOCK_RECORD");
    if (table.handle == 0) table.handle = doc.NewHandle();
    if (table.owner == 0 && records)
        if (const DxfObject* ms = records->FindRecord("*Model_Space")) table.owner = ms->GetHandle();
    if (table.tableStyle == 0) table.tableStyle = FindTableStyle(doc, "Standard");

    // The block record and block of the table's graphics.
    const DxfObject* record = table.blockRecord ? doc.FindObject(table.blockRecord) : nullptr;
    if (record && record->Type() == "BLOCK_RECORD") {
        table.blockName = std::string(record->Value(2));
    } else {
        if (table.blockName.empty() || doc.FindBlock(table.blockName)) table.blockName = FreeAnonymousName(doc);
        table.blockRecord = doc.NewHandle();
        if (records) records->records.push_back(MakeBlockRecord(doc, table.blockRecord, records->head.GetHandle(), table.blockName, table.handle));
    }
    Block* block = doc.FindBlock(table.blockName);
    if (!block) {
        block = &doc.blocks.emplace_back();
        block->begin.tags = {{0, "BLOCK"}, doc.MakeHandle(5, doc.NewHandle()), doc.MakeHandle(330, table.blockRecord),
                             {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbBlockBegin"}, doc.MakeTag(2, table.blockName),
                             {70, "1"}, {10, "0.0"}, {20, "0.0"}, {30, "0.0"}, doc.MakeTag(3, table.blockName), {1, ""}};
        block->end.tags = {{0, "ENDBLK"}, doc.MakeHandle(5, doc.NewHandle()), doc.MakeHandle(330, table.blockRecord),
                           {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbBlockEnd"}};
    }
    BuildTableBlock(doc, table, StyleOfTable(doc, table), *block);

    // The entity goes where its owner's entities are: model space in the ENTITIES section,
    // any other block record (paper space layouts) in its block.
    std::vector<DxfObject>* list = &doc.entities;
    if (records) {
        for (const DxfObject& r : records->records) {
            if (r.GetHandle() != table.owner) continue;
            if (!SameName(r.Value(2), "*Model_Space"))
                if (Block* b = doc.FindBlock(r.Value(2))) list = &b->Entities();
        }
    }
    DropStaleContentCopy(doc, table);
    for (DxfObject& e : *list)
        if (e.GetHandle() == table.handle) {
            AcadTableToObject(table, doc, e);
            return table.handle;
        }
    AcadTableToObject(table, doc, list->emplace_back());
    return table.handle;
}

std::vector<const DxfObject*> FindTableEntities(const Document& doc) {
    std::vector<const DxfObject*> found;
    for (const DxfObject& e : doc.entities)
        if (e.Type() == entities::Table::type.name) found.push_back(&e);
    for (const Block& b : doc.blocks) {
        if (const DeferredEntities* d = b.Deferred(); d && !d->hasTable) continue;
        for (const DxfObject& e : b.Entities())
            if (e.Type() == entities::Table::type.name) found.push_back(&e);
    }
    return found;
}

}  // namespace platform::dxf
