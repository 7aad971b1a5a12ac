#include "dxf/AcadTable.h"

#include <algorithm>
#include <cstdio>

#include "db/Geometry.h"
#include "dxf/DxfTextChunks.h"
#include "dxf/EntityTypes.h"
#include "dxf/HugePages.h"

namespace platform::dxf {

namespace {

int IntOf(const Tag& t) { return static_cast<int>(t.IntOr(0)); }

// The tags of one cell: from its 171 up to the next cell's 171 (outside a value block).
// Text that comes in chunks, nearly always one: kept as a view of it until a second comes.
class ChunkedText {
public:
    void Append(std::string_view chunk) {
        if (!m_any) {
            m_first = chunk;
            m_any = true;
            return;
        }
        if (m_joined.empty()) m_joined.assign(m_first);
        m_joined.append(chunk);
    }
    bool Any() const { return m_any; }
    std::string Take() { return m_joined.empty() ? std::string(m_first) : std::move(m_joined); }

private:
    std::string_view m_first;
    std::string m_joined;
    bool m_any = false;
};

void ReadCell(const std::vector<Tag>& tags, size_t begin, size_t end, TableCell& cell) {
    bool inValue = false;
    unsigned seen = 0;  // of the codes 171 to 178, the first of each counts
    bool sawOverride91 = false;
    ChunkedText legacy, value, formatted;
    for (size_t i = begin; i < end; ++i) {
        const Tag& t = tags[i];
        if (t.code == 301) {
            inValue = true;
            continue;
        }
        if (t.code == 304) {
            inValue = false;
            continue;
        }
        if (inValue) {
            if (t.code == 1 || t.code == 2 || t.code == 3) {
                value.Append(t.Value());
            } else if (t.code == 302 || t.code == 303) {
                formatted.Append(t.Value());
            }
            continue;
        }
        const int c = t.code;
        if (c >= 171 && c <= 178) {
            const unsigned bit = 1u << (c - 171);
            if (seen & bit) continue;
            seen |= bit;
        }
        switch (c) {
        case 171: cell.type = IntOf(t); break;
        case 172: cell.flags = IntOf(t); break;
        case 173: cell.merged = IntOf(t); break;
        case 174: cell.autofit = IntOf(t); break;
        case 175: cell.spanColumns = IntOf(t); break;
        case 176: cell.spanRows = IntOf(t); break;
        case 177: cell.legacyOverrides = IntOf(t); break;
        case 178: cell.virtualEdge = IntOf(t); break;
        case 91:
            if (!sawOverride91) cell.overrides = IntOf(t);
            sawOverride91 = true;
            break;
        case 145: cell.rotation = t.DoubleOr(0); break;
        case 1: case 2: case 3: legacy.Append(t.Value()); break;
        case 7: cell.textStyle = std::string(t.Value()); break;
        case 140: cell.textHeight = t.DoubleOr(0); break;
        case 170: cell.alignment = IntOf(t); break;
        case 340: cell.block = t.AsHandle().value_or(0); break;
        case 144: cell.blockScale = t.DoubleOr(1); break;
        default: break;
        }
    }
    if (legacy.Any())
        cell.text = legacy.Take();
    else if (value.Any())
        cell.text = value.Take();
    else
        cell.text = formatted.Take();
    if (cell.spanColumns < 1) cell.spanColumns = 1;
    if (cell.spanRows < 1) cell.spanRows = 1;
}

bool Fail(std::string* why, const char* reason) {
    if (why) *why = reason;
    return false;
}

// Whether a cell's tags are exactly what this writer writes for the fields read from them, so
// that writing the fields gives the same bytes and the tags need not be kept: the writer's
// codes in its order, and every number in its form.
bool InWriterForm(const std::vector<Tag>& tags, size_t begin, size_t end, const TableCell& cell) {
    static constexpr int kHead[] = {171, 172, 173, 174, 175, 176, 91, 178, 145, 92, 301, 93, 90};
    constexpr size_t kHeadSize = sizeof kHead / sizeof kHead[0];
    if (end - begin < kHeadSize + 5) return false;
    for (size_t k = 0; k < kHeadSize; ++k) {
        const Tag& t = tags[begin + k];
        if (t.code != kHead[k]) return false;
        const std::string_view v = t.Value();
        if (t.code == 145) {
            if (cell.rotation == 0 && v != "0.0") return false;
        } else if (t.code != 301 && (v.empty() || v.front() == ' ' || v.back() == ' ')) {
            return false;
        }
    }
    size_t i = begin + kHeadSize;
    if (cell.text.empty()) {
        static constexpr int kEmpty[] = {91, 94, 300, 302, 304};
        for (int code : kEmpty)
            if (i >= end || tags[i++].code != code) return false;
    } else {
        size_t textBytes = 0;
        while (i < end && (tags[i].code == 2 || tags[i].code == 3)) textBytes += tags[i++].Value().size();
        if (i >= end || tags[i].code != 1) return false;
        textBytes += tags[i++].Value().size();
        static constexpr int kRest[] = {94, 300, 302, 304};
        for (int code : kRest)
            if (i >= end || tags[i++].code != code) return false;
        // The formatted copy is the text itself, or empty when too long for a line.
        const std::string_view copy = tags[i - 2].Value();
        if (!(copy.size() == textBytes && textBytes <= kMaxLineBytes) && !(copy.empty() && textBytes > kMaxLineBytes)) return false;
    }
    for (int code : {7, 140, 170})
        if (i < end && tags[i].code == code) ++i;
    return i == end;
}

// Where the overrides of the whole table begin among the last cell's tags: the first of the
// table-level codes outside a value (cells hold none of them); end when there are none.
size_t TailStart(const std::vector<Tag>& tags, size_t begin, size_t end) {
    bool inValue = false;
    for (size_t i = begin; i < end; ++i) {
        const int c = tags[i].code;
        if (c == 301) inValue = true;
        else if (c == 304) inValue = false;
        else if (!inValue && (c == 70 || c == 40 || c == 41 || c == 280 || c == 281)) return i;
    }
    return end;
}

void ReadCellRecord(const std::vector<Tag>& tags, size_t begin, size_t end, TableCell& cell) {
    ReadCell(tags, begin, end, cell);
    if (!InWriterForm(tags, begin, end, cell)) cell.record.assign(tags.begin() + static_cast<long>(begin), tags.begin() + static_cast<long>(end));
}

// Whether a kept record ends inside a value (a 301 no 304 closes): written back as it was
// read, it would take the cells after it into that value.
bool LeavesValueOpen(const std::vector<Tag>& record) {
    bool inValue = false;
    for (const Tag& t : record) {
        if (t.code == 301) inValue = true;
        else if (t.code == 304) inValue = false;
    }
    return inValue;
}

bool SameFields(const TableCell& a, const TableCell& b) {
    return a.type == b.type && a.flags == b.flags && a.merged == b.merged && a.autofit == b.autofit &&
           a.spanColumns == b.spanColumns && a.spanRows == b.spanRows && a.overrides == b.overrides &&
           a.virtualEdge == b.virtualEdge && a.rotation == b.rotation && a.text == b.text && a.textStyle == b.textStyle &&
           a.textHeight == b.textHeight && a.alignment == b.alignment && a.block == b.block && a.blockScale == b.blockScale;
}

// The tags of a kept record that are formatting (colours, borders, fields of other programs),
// not what the writer writes from the fields: everything but the cell's structure, its text
// and value, its modelled overrides and, in a cell that no longer holds a block, the block.
void AppendFormatting(const std::vector<Tag>& record, const TableCell& cell, std::vector<Tag>& out) {
    bool inValue = false, seen91 = false;
    for (size_t i = 0; i < record.size(); ++i) {
        const Tag& t = record[i];
        const int c = t.code;
        if (c == 301) inValue = true;
        const bool value = inValue;
        if (c == 304) inValue = false;
        if (value) continue;
        if ((c >= 171 && c <= 176) || c == 178 || c == 145 || c == 1 || c == 2 || c == 3 || c == 7 || c == 140 ||
            c == 170 || c == 344 || c == 340 || c == 144)
            continue;
        if (c == 91 && !seen91) {
            seen91 = true;
            continue;
        }
        if (c == 92 && i + 1 < record.size() && record[i + 1].code == 301) continue;
        if (cell.type != 2 && (c == 179 || c == 331 || c == 300)) continue;
        out.push_back(t);
    }
}

// What of the table's geometry lies beyond what a drawing holds (its block would be laid out
// at coordinates no file can hold), in words; empty when nothing does.
std::string BeyondDrawing(const AcadTable& table) {
    const auto said = [](const char* what, double value) {
        char text[120];
        std::snprintf(text, sizeof text, "%s of %g is beyond what a drawing holds", what, value);
        return std::string(text);
    };
    for (int k = 0; k < 3; ++k)
        if (!IsDrawingValue(table.insertion[k])) return said("an insertion point coordinate", table.insertion[k]);
    for (double h : table.rowHeights)
        if (!IsDrawingValue(h)) return said("a row height", h);
    for (double w : table.columnWidths)
        if (!IsDrawingValue(w)) return said("a column width", w);
    for (const TableCell& cell : table.cells) {
        if (!IsTextHeightValue(cell.textHeight)) return said("a text height", cell.textHeight);
        if (!IsDrawingValue(cell.blockScale)) return said("a block scale", cell.blockScale);
        if (!IsDrawingValue(cell.rotation)) return said("a rotation", cell.rotation);
    }
    return {};
}

}  // namespace

bool IsTableValue(double value) { return IsDrawingValue(value); }

void AcadTable::Resize(int newRows, int newColumns, double rowHeight, double columnWidth) {
    std::vector<TableCell> grid(static_cast<size_t>(newRows) * static_cast<size_t>(newColumns));
    for (int r = 0; r < newRows && r < rows; ++r)
        for (int c = 0; c < newColumns && c < columns; ++c)
            grid[static_cast<size_t>(r * newColumns + c)] = std::move(Cell(r, c));
    cells = std::move(grid);
    rowHeights.resize(static_cast<size_t>(newRows), rowHeight);
    columnWidths.resize(static_cast<size_t>(newColumns), columnWidth);
    rows = newRows;
    columns = newColumns;
}

std::optional<AcadTable> ParseAcadTable(const DxfObject& entity, std::string* why) {
    const auto& tags = entity.tags;
    if (entity.Type() != entities::Table::type.name) {
        Fail(why, "not an ACAD_TABLE entity");
        return std::nullopt;
    }
    using entities::Table;
    AcadTable table;
    const size_t blockRef = entity.SubclassStart(Table::block.subclass);
    const size_t data = entity.SubclassStart(Table::rows.subclass);
    const size_t xdata = entity.XDataStart();
    if (blockRef >= tags.size() || data >= tags.size() || data < blockRef) {
        Fail(why, "the entity has no table data");
        return std::nullopt;
    }
    ReadEntityBase(entity, blockRef, table);
    for (size_t i = blockRef; i + 1 < data; ++i) {
        const Tag& t = tags[i];
        if (t.code == Table::block.code) table.blockName = std::string(t.Value());
        for (int axis = 0; axis < 3; ++axis)
            if (t.code == Table::insert.code + 10 * axis) table.insertion[axis] = t.DoubleOr(0);
    }

    // Table header up to the first row height, then sizes, then cells.
    size_t i = data;
    bool rowsSeen = false, colsSeen = false;
    for (; i < xdata; ++i) {
        const Tag& t = tags[i];
        if (t.code == Table::rowHeight.code || t.code == Table::columnWidth.code || t.code == 171) break;
        if (t.code == Table::tableStyle.code) table.tableStyle = t.AsHandle().value_or(0);
        else if (t.code == Table::blockRecord.code) table.blockRecord = t.AsHandle().value_or(0);
        else if (t.code == Table::direction.code) table.direction[0] = t.DoubleOr(Table::direction.fallback.x);
        else if (t.code == Table::direction.code + 10) table.direction[1] = t.DoubleOr(Table::direction.fallback.y);
        else if (t.code == Table::direction.code + 20) table.direction[2] = t.DoubleOr(Table::direction.fallback.z);
        else if (t.code == Table::valueFlags.code) table.valueFlags = IntOf(t);
        else if (t.code == Table::rows.code && !rowsSeen) table.rows = IntOf(t), rowsSeen = true;
        else if (t.code == Table::columns.code && !colsSeen) table.columns = IntOf(t), colsSeen = true;
    }
    if (table.rows < 0 || table.columns < 0) {
        Fail(why, "negative row or column count");
        return std::nullopt;
    }
    for (; i < xdata && (tags[i].code == Table::rowHeight.code || tags[i].code == Table::columnWidth.code); ++i)
        (tags[i].code == Table::rowHeight.code ? table.rowHeights : table.columnWidths).push_back(tags[i].DoubleOr(0));
    if (table.rowHeights.size() != static_cast<size_t>(table.rows) ||
        table.columnWidths.size() != static_cast<size_t>(table.columns)) {
        Fail(why, "row heights or column widths do not match the row and column counts");
        return std::nullopt;
    }

    const size_t expected = static_cast<size_t>(table.rows) * static_cast<size_t>(table.columns);
    // Counts come from the file: reserve no more than its tags could hold.
    table.cells.reserve(std::min(expected, (xdata - i) / 8 + 1));
    bool inValue = false, extra = false;
    size_t cellStart = xdata;
    for (; i < xdata; ++i) {
        const int c = tags[i].code;
        if (c == 301) inValue = true;
        if (c == 304) inValue = false;
        if (c == 171 && !inValue) {
            if (cellStart < i) ReadCellRecord(tags, cellStart, i, table.cells.emplace_back());
            cellStart = i;
            if ((extra = table.cells.size() >= expected)) break;
        }
    }
    if (!extra && cellStart < xdata) {
        const size_t tail = TailStart(tags, cellStart, xdata);
        ReadCellRecord(tags, cellStart, tail, table.cells.emplace_back());
        table.tail.assign(tags.begin() + static_cast<long>(tail), tags.begin() + static_cast<long>(xdata));
    }
    if (table.cells.size() != expected) {
        Fail(why, "the number of cells does not match rows times columns");
        return std::nullopt;
    }
    if (const std::string beyond = BeyondDrawing(table); !beyond.empty()) {
        if (why) *why = beyond;
        return std::nullopt;
    }
    return table;
}

DxfObject AcadTableToObject(const AcadTable& table, Document& doc) {
    DxfObject o;
    AcadTableToObject(table, doc, o);
    return o;
}

void AcadTableToObject(const AcadTable& table, Document& doc, DxfObject& o) {
    auto& t = o.tags;
    t.clear();
    t.reserve(40 + table.cells.size() * 18 + table.xdata.size());
    if (t.capacity() * sizeof(Tag) >= (4u << 20)) AdviseHugePages(t.data(), t.capacity() * sizeof(Tag));
    using entities::Table;
    WriteEntityBase(doc, Table::type.name, table, t);
    t.push_back({100, Table::block.subclass});
    t.push_back(doc.MakeTag(Table::block.code, table.blockName));
    for (int axis = 0; axis < 3; ++axis) t.push_back(doc.MakeDouble(Table::insert.code + 10 * axis, table.insertion[axis]));
    t.push_back({100, Table::rows.subclass});
    t.push_back(doc.MakeHandle(Table::tableStyle.code, table.tableStyle));
    t.push_back(doc.MakeHandle(Table::blockRecord.code, table.blockRecord));
    for (int axis = 0; axis < 3; ++axis) t.push_back(doc.MakeDouble(Table::direction.code + 10 * axis, table.direction[axis]));
    t.push_back(doc.MakeInt(Table::valueFlags.code, table.valueFlags));
    t.push_back(doc.MakeInt(Table::rows.code, table.rows));
    t.push_back(doc.MakeInt(Table::columns.code, table.columns));
    for (int code : {93, 94, 95, 96}) t.push_back({code, "0"});
    for (double h : table.rowHeights) t.push_back(doc.MakeDouble(Table::rowHeight.code, h));
    for (double w : table.columnWidths) t.push_back(doc.MakeDouble(Table::columnWidth.code, w));
    auto small = [&doc](int code, int v) -> Tag {
        static constexpr std::string_view kDigits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
        if (v >= 0 && v <= 9) return Tag{code, kDigits[v]};
        return doc.MakeInt(code, v);
    };
    for (const TableCell& cell : table.cells) {
        if (!cell.record.empty()) {
            TableCell read;
            ReadCell(cell.record, 0, cell.record.size(), read);
            if (SameFields(read, cell) && !LeavesValueOpen(cell.record)) {
                t.insert(t.end(), cell.record.begin(), cell.record.end());
                continue;
            }
        }
        t.push_back(small(171, cell.type));
        t.push_back(small(172, cell.flags));
        t.push_back(small(173, cell.merged));
        t.push_back(small(174, cell.autofit));
        t.push_back(small(175, cell.spanColumns));
        t.push_back(small(176, cell.spanRows));
        t.push_back(small(91, cell.overrides));
        t.push_back(small(178, cell.virtualEdge));
        t.push_back(cell.rotation == 0 ? Tag{145, "0.0"} : doc.MakeDouble(145, cell.rotation));
        t.push_back({92, "0"});
        t.push_back({301, "CELL_VALUE"});
        if (cell.text.empty()) {
            t.push_back({93, "3"});
            t.push_back({90, "0"});
            t.push_back({91, "0"});
            t.push_back({94, "0"});
            t.push_back({300, ""});
            t.push_back({302, ""});
        } else {
            const std::string_view text = doc.Keep(ToCellText(cell.text));
            t.push_back({93, "2"});
            t.push_back({90, "4"});
            AppendChunkedText(t, text, 2);
            t.push_back({94, "0"});
            t.push_back({300, ""});
            // The formatted copy is one line; CAD programs read lines up to 2049 bytes and format
            // the value afresh when the copy is empty.
            t.push_back({302, text.size() <= kMaxLineBytes ? text : std::string_view()});
        }
        t.push_back({304, "ACVALUE_END"});
        if (!cell.record.empty()) AppendFormatting(cell.record, cell, t);
        if (cell.type == 2 && cell.block != 0) {
            t.push_back(doc.MakeHandle(340, cell.block));
            t.push_back(doc.MakeDouble(144, cell.blockScale));
        }
        if (!cell.textStyle.empty()) t.push_back(doc.MakeTag(7, cell.textStyle));
        if (cell.textHeight > 0) t.push_back(doc.MakeDouble(140, cell.textHeight));
        if (cell.alignment > 0) t.push_back(small(170, cell.alignment));
    }
    t.insert(t.end(), table.tail.begin(), table.tail.end());
    WriteXData(doc, table, t);
}

}  // namespace platform::dxf
