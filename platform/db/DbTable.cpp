#include "db/DbTable.h"

#include <algorithm>
#include <cmath>

#include "db/DbTableStyle.h"
#include "db/Geometry.h"
#include "db/ListFormat.h"
#include "db/ResBuf.h"
#include "db/TextMeasure.h"
#include "text/Utf8.h"

ACRX_DEFINE_MEMBERS(AcDbTable, AcDbEntity, L"ACAD_TABLE")

namespace {
constexpr double kDefaultSize = 1.0;

// A row height or column width: more than nothing, and no more than a drawing holds.
bool IsSize(double value) { return value > 0 && platform::IsDrawingValue(value); }

// The table's style as it stands, without opening it (a table is laid out while its style
// may be open elsewhere); null when the id names no style.
const AcDbTableStyle* StyleOf(const AcDbObjectId& id) {
    return id.stub() ? AcDbTableStyle::cast(id.stub()->object) : nullptr;
}

// The values a table without a style is laid out with.
const AcDbTableStyle& DefaultStyle() {
    static const AcDbTableStyle style;
    return style;
}
}

AcDbTable::Row::Row(const Row& other) : cells(other.cells.size()) {
    for (size_t c = 0; c < cells.size(); ++c) cells[c].assignUtf8(other.cells[c].utf8());
    if (other.formats) formats = std::make_unique<std::vector<std::uint16_t>>(*other.formats);
}

size_t AcDbTable::Row::bytes() const {
    size_t n = sizeof(Row) + cells.capacity() * sizeof(platform::CompactText);
    for (const auto& cell : cells)
        if (cell.utf8().size() > 7) n += cell.utf8().size() + sizeof(std::uint32_t);
    if (formats) n += formats->capacity() * sizeof(std::uint16_t);
    return n;
}

AcDbTable::Row& AcDbTable::writableRow(int r) {
    RowPtr& row = m_rows[static_cast<size_t>(r)];
    if (row.use_count() > 1) row = std::make_shared<Row>(*row);
    return *row;
}

size_t AcDbTable::stateBytes() const {
    // The rows a copy keeps to itself are the ones the table changed since; what is shared is
    // counted once, with the table.
    size_t n = AcDbEntity::stateBytes() + m_rows.size() * (sizeof(RowPtr) + sizeof(int) + sizeof(double)) +
               m_widths.size() * (sizeof(double) + sizeof(int));
    for (const RowPtr& row : m_rows)
        if (row.use_count() == 1) n += row->bytes();
    return n;
}

Acad::ErrorStatus AcDbTable::setTableStyle(const AcDbObjectId& id) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    m_style = id;
    touch();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::setNumRows(int rows) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    if (rows < 0) return Acad::eInvalidInput;
    const double h = m_heights.empty() ? kDefaultSize : m_heights.back();
    if (static_cast<size_t>(rows) < m_rows.size()) m_rows.erase(m_rows.begin() + rows, m_rows.end());
    while (m_rows.size() < static_cast<size_t>(rows)) m_rows.push_back(std::make_shared<Row>(m_widths.size()));
    m_fileRows.resize(static_cast<size_t>(rows), -1);
    m_heights.resize(static_cast<size_t>(rows), h);
    std::erase_if(m_merged, [rows](const CellRange& r) { return r.maxRow >= rows; });
    if (m_titleMerged && rows > 0 && numColumns() > 1) m_merged = {CellRange{0, 0, 0, numColumns() - 1}};
    touch();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::setNumColumns(int columns) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    if (columns < 0) return Acad::eInvalidInput;
    const double w = m_widths.empty() ? kDefaultSize : m_widths.back();
    m_widths.resize(static_cast<size_t>(columns), w);
    m_fileColumns.resize(static_cast<size_t>(columns), -1);
    for (int r = 0; r < numRows(); ++r) {
        if (row(r).cells.size() == static_cast<size_t>(columns)) continue;
        Row& changed = writableRow(r);
        changed.cells.resize(static_cast<size_t>(columns));
        if (changed.formats) changed.formats->resize(static_cast<size_t>(columns), 0);
    }
    std::erase_if(m_merged, [columns](const CellRange& r) { return r.maxCol >= columns; });
    if (m_titleMerged && numRows() > 0 && columns > 1) m_merged = {CellRange{0, 0, 0, columns - 1}};
    touch();
    return Acad::eOk;
}

double AcDbTable::rowHeight(int row) const {
    if (!validRow(row)) return 0.0;
    layout();
    return m_shown[static_cast<size_t>(row)];
}

double AcDbTable::minimumRowHeight(int row) const {
    if (!validRow(row)) return 0.0;
    layout();
    return m_needed[static_cast<size_t>(row)];
}

double AcDbTable::columnWidth(int col) const { return validCol(col) ? m_widths[static_cast<size_t>(col)] : 0.0; }

Acad::ErrorStatus AcDbTable::setRowHeight(int row, double height) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    if (!validRow(row)) return Acad::eInvalidIndex;
    if (!IsSize(height)) return Acad::eInvalidInput;
    m_heights[static_cast<size_t>(row)] = height;
    touch();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::setColumnWidth(int col, double width) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    if (!validCol(col)) return Acad::eInvalidIndex;
    if (!IsSize(width)) return Acad::eInvalidInput;
    m_widths[static_cast<size_t>(col)] = width;
    touch();
    return Acad::eOk;
}

void AcDbTable::fitStoredRowHeights() {
    layout();
    const AcDbTableStyle* style = StyleOf(m_style);
    if (!style) style = &DefaultStyle();
    bool changed = false;
    for (int r = 0; r < numRows(); ++r) {
        double& height = m_heights[static_cast<size_t>(r)];
        if (height > m_needed[static_cast<size_t>(r)] * (1 + 1e-9)) continue;
        const double oneLine = platform::TextBlockHeight(1, style->textHeight(rowType(r))) + 2 * style->vertCellMargin();
        if (oneLine < height && IsSize(oneLine)) {
            height = oneLine;
            changed = true;
        }
    }
    if (changed) touch();
}

Acad::ErrorStatus AcDbTable::setRowHeight(double height) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    if (!IsSize(height)) return Acad::eInvalidInput;
    std::fill(m_heights.begin(), m_heights.end(), height);
    touch();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::setColumnWidth(double width) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    if (!IsSize(width)) return Acad::eInvalidInput;
    std::fill(m_widths.begin(), m_widths.end(), width);
    touch();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::setTextString(int row, int col, const wchar_t* text) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    if (!validRow(row) || !validCol(col)) return Acad::eInvalidIndex;
    const std::wstring_view wanted = text ? std::wstring_view(text) : std::wstring_view();
    // A cell given a text holds text, whatever it held before.
    if (this->row(row).formats && format(row, col).type != AcDb::kTextCell) setCellType(row, col, AcDb::kTextCell);
    // The same text again changes nothing (a refresh rewrites every cell; a row no cell of
    // which changed stays shared with undo's copy).
    if (this->row(row).cells[static_cast<size_t>(col)].equals(wanted)) return Acad::eOk;
    writableRow(row).cells[static_cast<size_t>(col)].assign(wanted);
    touch();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::setTextUtf8(int row, int col, std::string_view text) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    if (!validRow(row) || !validCol(col)) return Acad::eInvalidIndex;
    if (this->row(row).cells[static_cast<size_t>(col)].utf8() == text) return Acad::eOk;
    platform::CompactText& cell = writableRow(row).cells[static_cast<size_t>(col)];
    // Bytes that are not UTF-8 are replaced as setTextString's conversion replaces them.
    if (platform::IsValidUtf8(text)) cell.assignUtf8(text);
    else cell.assign(platform::FromUtf8(text));
    touch();
    return Acad::eOk;
}

wchar_t* AcDbTable::textString(int row, int col) const {
    std::wstring text;
    if (textString(row, col, text) != Acad::eOk) return nullptr;
    return platform::DuplicateRbString(text.c_str());
}

Acad::ErrorStatus AcDbTable::textString(int row, int col, std::wstring& text) const {
    text.clear();
    if (!validRow(row) || !validCol(col)) return Acad::eInvalidIndex;
    text = this->row(row).cells[static_cast<size_t>(col)].wide();
    return Acad::eOk;
}

std::string_view AcDbTable::textUtf8(int row, int col) const {
    if (!validRow(row) || !validCol(col)) return {};
    return this->row(row).cells[static_cast<size_t>(col)].utf8();
}

AcDb::RowType AcDbTable::rowType(int row) const {
    const AcDbTableStyle* style = StyleOf(m_style);
    const bool noTitle = style && style->isTitleSuppressed(), noHeader = style && style->isHeaderSuppressed();
    if (row == 0 && !noTitle) return AcDb::kTitleRow;
    if (!noHeader && row == (noTitle ? 0 : 1)) return AcDb::kHeaderRow;
    return AcDb::kDataRow;
}

const AcDbTable::CellFormat& AcDbTable::format(int row, int col) const {
    const Row& r = this->row(row);
    return m_formats[r.formats ? (*r.formats)[static_cast<size_t>(col)] : 0];
}

Acad::ErrorStatus AcDbTable::setFormat(int row, int col, const CellFormat& f) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    if (!validRow(row) || !validCol(col)) return Acad::eInvalidIndex;
    // Formats are few (a table has a handful of distinct ones): each is kept once.
    auto it = std::find(m_formats.begin(), m_formats.end(), f);
    if (it == m_formats.end()) {
        if (m_formats.size() > 0xFFFF) return Acad::eInvalidInput;
        it = m_formats.insert(m_formats.end(), f);
    }
    const auto index = static_cast<std::uint16_t>(it - m_formats.begin());
    const Row& current = this->row(row);
    if (current.formats ? (*current.formats)[static_cast<size_t>(col)] == index : index == 0) return Acad::eOk;
    Row& r = writableRow(row);
    if (!r.formats) r.formats = std::make_unique<std::vector<std::uint16_t>>(m_widths.size(), 0);
    (*r.formats)[static_cast<size_t>(col)] = index;
    touch();
    return Acad::eOk;
}

AcDb::CellType AcDbTable::cellType(int row, int col) const {
    return validRow(row) && validCol(col) ? format(row, col).type : AcDb::kUnknownCell;
}

Acad::ErrorStatus AcDbTable::setCellType(int row, int col, AcDb::CellType type) {
    if (!validRow(row) || !validCol(col)) return Acad::eInvalidIndex;
    if (type != AcDb::kTextCell && type != AcDb::kBlockCell) return Acad::eInvalidInput;
    CellFormat f = format(row, col);
    f.type = type;
    return setFormat(row, col, f);
}

double AcDbTable::textHeight(int row, int col) const {
    if (!validRow(row) || !validCol(col)) return 0.0;
    if (const double own = format(row, col).textHeight; own > 0) return own;
    const AcDbTableStyle* style = StyleOf(m_style);
    return style ? style->textHeight(rowType(row)) : DefaultStyle().textHeight(rowType(row));
}

Acad::ErrorStatus AcDbTable::setTextHeight(int row, int col, double height) {
    if (!validRow(row) || !validCol(col)) return Acad::eInvalidIndex;
    if (!(height >= 0) || !platform::IsTextHeightValue(height)) return Acad::eInvalidInput;
    CellFormat f = format(row, col);
    f.textHeight = height;
    return setFormat(row, col, f);
}

AcDb::CellAlignment AcDbTable::alignment(int row, int col) const {
    if (!validRow(row) || !validCol(col)) return AcDb::kTopLeft;
    if (const int own = format(row, col).alignment; own >= AcDb::kTopLeft && own <= AcDb::kBottomRight)
        return static_cast<AcDb::CellAlignment>(own);
    const AcDbTableStyle* style = StyleOf(m_style);
    return style ? style->alignment(rowType(row)) : DefaultStyle().alignment(rowType(row));
}

Acad::ErrorStatus AcDbTable::setAlignment(int row, int col, AcDb::CellAlignment align) {
    if (!validRow(row) || !validCol(col)) return Acad::eInvalidIndex;
    if (align < AcDb::kTopLeft || align > AcDb::kBottomRight) return Acad::eInvalidInput;
    CellFormat f = format(row, col);
    f.alignment = align;
    return setFormat(row, col, f);
}

void AcDbTable::setFileOrigin() {
    for (size_t r = 0; r < m_fileRows.size(); ++r) m_fileRows[r] = static_cast<int>(r);
    for (size_t c = 0; c < m_fileColumns.size(); ++c) m_fileColumns[c] = static_cast<int>(c);
}

void AcDbTable::layout() const {
    if (m_layoutValid && m_shown.size() == m_rows.size()) return;
    const AcDbTableStyle* style = StyleOf(m_style);
    if (!style) style = &DefaultStyle();
    const double hm = style->horzCellMargin(), vm = style->vertCellMargin();
    const int rows = numRows(), cols = numColumns();
    m_needed.assign(m_rows.size(), 0.0);
    // Cells covered by another cell's merged range take no room of their own; a merged range
    // needs its height across its rows, and is as wide as its columns.
    // 1: covered by another cell's merged range (takes no room of its own); 2: the first cell
    // of a merged range, which needs its height across its rows and is as wide as its columns.
    std::vector<std::uint8_t> marks(m_merged.empty() ? 0 : m_rows.size() * m_widths.size());
    for (const CellRange& m : m_merged)
        for (int r = m.minRow; r <= m.maxRow; ++r)
            for (int c = m.minCol; c <= m.maxCol; ++c)
                marks[static_cast<size_t>(r) * m_widths.size() + static_cast<size_t>(c)] = (r == m.minRow && c == m.minCol) ? 2 : 1;
    auto need = [&](int r, int c, double width, double rowTextHeight) {
        const std::string_view text = row(r).cells[static_cast<size_t>(c)].utf8();
        if (text.empty()) return 0.0;
        const CellFormat& f = format(r, c);
        if (f.type != AcDb::kTextCell) return 0.0;
        const double h = f.textHeight > 0 ? f.textHeight : rowTextHeight;
        return platform::TextBlockHeight(platform::WrappedLineCount(text, h, width - 2 * hm), h) + 2 * vm;
    };
    const double kindHeight[3] = {style->textHeight(AcDb::kTitleRow), style->textHeight(AcDb::kHeaderRow),
                                  style->textHeight(AcDb::kDataRow)};
    auto heightOfRow = [&](int r) {
        const AcDb::RowType kind = rowType(r);
        return kindHeight[kind == AcDb::kTitleRow ? 0 : kind == AcDb::kHeaderRow ? 1 : 2];
    };
    for (int r = 0; r < rows; ++r) {
        const double rowTextHeight = r < 2 ? heightOfRow(r) : kindHeight[2];
        double& needed = m_needed[static_cast<size_t>(r)];
        for (int c = 0; c < cols; ++c)
            if (marks.empty() || marks[static_cast<size_t>(r) * m_widths.size() + static_cast<size_t>(c)] == 0)
                needed = std::max(needed, need(r, c, m_widths[static_cast<size_t>(c)], rowTextHeight));
    }
    m_shown.resize(m_rows.size());
    for (size_t r = 0; r < m_rows.size(); ++r) {
        // Heights read back from a file may differ from the computed need in the last digits.
        const double set = m_heights[r];
        m_shown[r] = m_needed[r] > set * (1 + 1e-9) ? m_needed[r] : set;
    }
    // A merged range that needs more than its rows give grows its last row.
    for (const CellRange& m : m_merged) {
        double width = 0, height = 0;
        for (int c = m.minCol; c <= m.maxCol; ++c) width += m_widths[static_cast<size_t>(c)];
        for (int r = m.minRow; r <= m.maxRow; ++r) height += m_shown[static_cast<size_t>(r)];
        const double wanted = need(m.minRow, m.minCol, width, heightOfRow(m.minRow));
        if (m.minRow == m.maxRow) {
            m_needed[static_cast<size_t>(m.minRow)] = std::max(m_needed[static_cast<size_t>(m.minRow)], wanted);
            if (wanted > height * (1 + 1e-9)) m_shown[static_cast<size_t>(m.minRow)] = wanted;
        } else if (wanted > height * (1 + 1e-9)) {
            m_shown[static_cast<size_t>(m.maxRow)] += wanted - height;
        }
    }
    m_layoutValid = true;
}

void AcDbTable::shiftMerges(bool rows, int at, int count) {
    std::vector<CellRange> kept;
    for (CellRange r : m_merged) {
        int& lo = rows ? r.minRow : r.minCol;
        int& hi = rows ? r.maxRow : r.maxCol;
        if (count > 0) {
            if (lo >= at) {
                lo += count;
                hi += count;
            } else if (hi >= at) {
                hi += count;
            }
        } else {
            // Deleting rows or columns inside a range shrinks it by those it loses, as the CAD
            // program's own deletion does; a range that loses all of them, or is left with a
            // single cell, is gone.
            const int end = at - count;  // deleted: [at, end)
            if (lo >= end) {
                lo += count;
                hi += count;
            } else if (hi >= at) {
                hi -= std::min(hi + 1, end) - at;
                lo = std::min(lo, at);
                if (hi < lo || (r.minRow == r.maxRow && r.minCol == r.maxCol)) continue;
            }
        }
        kept.push_back(r);
    }
    m_merged = std::move(kept);
}

Acad::ErrorStatus AcDbTable::insertRows(int row, double height, int nRows) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    if (row < 0 || row > numRows() || nRows < 1) return Acad::eInvalidIndex;
    if (!IsSize(height)) return Acad::eInvalidInput;
    std::vector<RowPtr> fresh;
    fresh.reserve(static_cast<size_t>(nRows));
    for (int i = 0; i < nRows; ++i) fresh.push_back(std::make_shared<Row>(m_widths.size()));
    m_rows.insert(m_rows.begin() + row, fresh.begin(), fresh.end());
    m_fileRows.insert(m_fileRows.begin() + row, static_cast<size_t>(nRows), -1);
    m_heights.insert(m_heights.begin() + row, static_cast<size_t>(nRows), height);
    shiftMerges(true, row, nRows);
    touch();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::deleteRows(int row, int nRows) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    if (row < 0 || nRows < 1 || row + nRows > numRows()) return Acad::eInvalidIndex;
    m_rows.erase(m_rows.begin() + row, m_rows.begin() + row + nRows);
    m_fileRows.erase(m_fileRows.begin() + row, m_fileRows.begin() + row + nRows);
    m_heights.erase(m_heights.begin() + row, m_heights.begin() + row + nRows);
    shiftMerges(true, row, -nRows);
    touch();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::insertColumns(int col, double width, int nCols) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    if (col < 0 || col > numColumns() || nCols < 1) return Acad::eInvalidIndex;
    if (!IsSize(width)) return Acad::eInvalidInput;
    for (int i = 0; i < numRows(); ++i) {
        Row& r = writableRow(i);
        std::vector<platform::CompactText> fresh(static_cast<size_t>(nCols));
        r.cells.insert(r.cells.begin() + col, std::make_move_iterator(fresh.begin()), std::make_move_iterator(fresh.end()));
        if (r.formats) r.formats->insert(r.formats->begin() + col, static_cast<size_t>(nCols), 0);
    }
    m_widths.insert(m_widths.begin() + col, static_cast<size_t>(nCols), width);
    m_fileColumns.insert(m_fileColumns.begin() + col, static_cast<size_t>(nCols), -1);
    shiftMerges(false, col, nCols);
    touch();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::deleteColumns(int col, int nCols) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    if (col < 0 || nCols < 1 || col + nCols > numColumns()) return Acad::eInvalidIndex;
    for (int i = 0; i < numRows(); ++i) {
        Row& r = writableRow(i);
        r.cells.erase(r.cells.begin() + col, r.cells.begin() + col + nCols);
        if (r.formats) r.formats->erase(r.formats->begin() + col, r.formats->begin() + col + nCols);
    }
    m_widths.erase(m_widths.begin() + col, m_widths.begin() + col + nCols);
    m_fileColumns.erase(m_fileColumns.begin() + col, m_fileColumns.begin() + col + nCols);
    shiftMerges(false, col, -nCols);
    touch();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::mergeCells(int minRow, int maxRow, int minCol, int maxCol) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    if (!validRow(minRow) || !validRow(maxRow) || !validCol(minCol) || !validCol(maxCol) || minRow > maxRow || minCol > maxCol)
        return Acad::eInvalidIndex;
    for (const auto& r : m_merged)
        if (r.minRow <= maxRow && r.maxRow >= minRow && r.minCol <= maxCol && r.maxCol >= minCol) return Acad::eInvalidInput;
    m_merged.push_back(CellRange{minRow, maxRow, minCol, maxCol});
    touch();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::unmergeCells(int minRow, int maxRow, int minCol, int maxCol) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    if (minRow > maxRow || minCol > maxCol) return Acad::eInvalidInput;
    std::erase_if(m_merged, [&](const CellRange& r) {
        return r.minRow >= minRow && r.maxRow <= maxRow && r.minCol >= minCol && r.maxCol <= maxCol;
    });
    if (minRow <= 0 && maxRow >= 0) m_titleMerged = false;
    touch();
    return Acad::eOk;
}

bool AcDbTable::isMergedCell(int row, int col) const {
    for (const auto& r : m_merged)
        if (row >= r.minRow && row <= r.maxRow && col >= r.minCol && col <= r.maxCol) return true;
    return false;
}

Acad::ErrorStatus AcDbTable::setPosition(const AcGePoint3d& point) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    if (!platform::IsDrawingPoint(point)) return Acad::eInvalidInput;
    m_position = point;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::setDirection(const AcGeVector3d& dir) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    const double len = std::hypot(dir.x, dir.y);
    if (!(len >= 1e-12) || !std::isfinite(len)) return Acad::eInvalidInput;
    m_direction = AcGeVector3d(dir.x / len, dir.y / len, 0);
    return Acad::eOk;
}

double AcDbTable::width() const {
    double w = 0;
    for (double x : m_widths) w += x;
    return w;
}

double AcDbTable::height() const {
    layout();
    double h = 0;
    for (double x : m_shown) h += x;
    return h;
}

void AcDbTable::toLocal(const AcGePoint3d& point, double& across, double& down) const {
    const AcGeVector3d v = point - m_position;
    across = v.x * m_direction.x + v.y * m_direction.y;
    down = -(v.x * -m_direction.y + v.y * m_direction.x);
}

bool AcDbTable::hitTest(const AcGePoint3d& point, const AcGeVector3d&, double xAperture, double yAperture, int& resultRow,
                        int& resultCol) const {
    if (numRows() == 0 || numColumns() == 0) return false;
    double across, down;
    toLocal(point, across, down);
    const double w = width(), h = height();
    if (across < -xAperture || across > w + xAperture || down < -yAperture || down > h + yAperture) return false;
    across = std::clamp(across, 0.0, w);
    down = std::clamp(down, 0.0, h);
    int col = 0;
    for (double edge = m_widths[0]; col + 1 < numColumns() && across > edge; edge += m_widths[static_cast<size_t>(++col)]) {}
    int row = 0;
    layout();
    for (double edge = m_shown[0]; row + 1 < numRows() && down > edge; edge += m_shown[static_cast<size_t>(++row)]) {}
    for (const auto& r : m_merged)
        if (row >= r.minRow && row <= r.maxRow && col >= r.minCol && col <= r.maxCol) {
            row = r.minRow;
            col = r.minCol;
        }
    resultRow = row;
    resultCol = col;
    return true;
}

Acad::ErrorStatus AcDbTable::transformBy(const AcGeMatrix3d& xform) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    // A move that takes the table where no drawing reaches leaves it where it is.
    const AcGePoint3d position = xform.apply(m_position);
    if (!platform::IsDrawingPoint(position)) return Acad::eInvalidInput;
    m_position = position;
    const AcGeVector3d dir = xform.apply(m_direction);
    const double len = std::hypot(dir.x, dir.y);
    if (len > 1e-12 && std::isfinite(len)) m_direction = AcGeVector3d(dir.x / len, dir.y / len, 0);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::getGeomExtents(AcDbExtents& extents) const {
    const AcGeVector3d across = m_direction * width();
    const AcGeVector3d down = AcGeVector3d(m_direction.y, -m_direction.x, 0) * height();
    extents = AcDbExtents();
    extents.addPoint(m_position);
    extents.addPoint(m_position + across);
    extents.addPoint(m_position + down);
    extents.addPoint(m_position + across + down);
    return Acad::eOk;
}

bool AcDbTable::isPickedAt(const AcGePoint3d& point, double aperture) const {
    int row, col;
    return hitTest(point, AcGeVector3d::kZAxis, aperture, aperture, row, col);
}

void AcDbTable::listDetails(std::wstring& text) const {
    using platform::ListNumber;
    text += L"  Position: " + platform::ListPoint(m_position) + L"\n";
    text += L"  Size: " + std::to_wstring(numRows()) + L" rows x " + std::to_wstring(numColumns()) + L" columns, " +
            ListNumber(width()) + L" wide, " + ListNumber(height()) + L" high\n";
    if (!m_style.isNull()) {
        std::wstring name = L"#" + m_style.handle().text();
        AcDbTableStyle* style = nullptr;
        if (acdbOpenObject(style, m_style, AcDb::kForRead) == Acad::eOk) {
            name = style->name();
            style->close();
        }
        text += L"  Table style: " + name + L"\n";
    }
    if (!m_widths.empty()) {
        text += L"  Column widths:";
        for (double w : m_widths) text += L" " + ListNumber(w);
        text += L"\n";
    }
    for (const auto& r : m_merged)
        text += L"  Merged: rows " + std::to_wstring(r.minRow) + L"-" + std::to_wstring(r.maxRow) + L", columns " +
                std::to_wstring(r.minCol) + L"-" + std::to_wstring(r.maxCol) + L"\n";
    // Cells as aligned text, one line per row, prefixed with the row's index.
    std::vector<size_t> widths(m_widths.size(), 0);
    for (const auto& row : m_rows)
        for (size_t c = 0; c < row->cells.size(); ++c) widths[c] = std::max(widths[c], row->cells[c].length());
    const size_t indexWidth = std::to_wstring(m_rows.size()).size();
    for (size_t r = 0; r < m_rows.size(); ++r) {
        std::wstring line = std::to_wstring(r);
        line.insert(0, indexWidth - line.size(), L' ');
        line = L"  " + line + L" |";
        for (size_t c = 0; c < m_rows[r]->cells.size(); ++c) {
            const std::wstring cell = m_rows[r]->cells[c].wide();
            line += L" " + cell + std::wstring(widths[c] - m_rows[r]->cells[c].length(), L' ') + L" |";
        }
        text += line + L"\n";
    }
}
