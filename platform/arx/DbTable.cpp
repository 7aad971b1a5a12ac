#include "DbTable.h"

#include <algorithm>
#include <cmath>

#include "DbTableStyle.h"
#include "ListFormat.h"
#include "ResBuf.h"
#include "Utf8.h"

ACRX_DEFINE_MEMBERS(AcDbTable, AcDbEntity, L"ACAD_TABLE")

namespace {
constexpr double kDefaultSize = 1.0;
}

Acad::ErrorStatus AcDbTable::setTableStyle(const AcDbObjectId& id) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    m_style = id;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::setNumRows(int rows) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    if (rows < 0) return Acad::eInvalidInput;
    const double h = m_heights.empty() ? kDefaultSize : m_heights.back();
    m_rows.resize(static_cast<size_t>(rows));
    for (auto& row : m_rows) row.resize(m_widths.size());
    m_heights.resize(static_cast<size_t>(rows), h);
    std::erase_if(m_merged, [rows](const CellRange& r) { return r.maxRow >= rows; });
    if (m_titleMerged && rows > 0 && numColumns() > 1) m_merged = {CellRange{0, 0, 0, numColumns() - 1}};
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::setNumColumns(int columns) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    if (columns < 0) return Acad::eInvalidInput;
    const double w = m_widths.empty() ? kDefaultSize : m_widths.back();
    m_widths.resize(static_cast<size_t>(columns), w);
    for (auto& row : m_rows) row.resize(static_cast<size_t>(columns));
    std::erase_if(m_merged, [columns](const CellRange& r) { return r.maxCol >= columns; });
    if (m_titleMerged && numRows() > 0 && columns > 1) m_merged = {CellRange{0, 0, 0, columns - 1}};
    return Acad::eOk;
}

double AcDbTable::rowHeight(int row) const { return validRow(row) ? m_heights[static_cast<size_t>(row)] : 0.0; }

double AcDbTable::columnWidth(int col) const { return validCol(col) ? m_widths[static_cast<size_t>(col)] : 0.0; }

Acad::ErrorStatus AcDbTable::setRowHeight(int row, double height) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    if (!validRow(row)) return Acad::eInvalidIndex;
    if (!(height > 0)) return Acad::eInvalidInput;
    m_heights[static_cast<size_t>(row)] = height;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::setColumnWidth(int col, double width) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    if (!validCol(col)) return Acad::eInvalidIndex;
    if (!(width > 0)) return Acad::eInvalidInput;
    m_widths[static_cast<size_t>(col)] = width;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::setRowHeight(double height) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    if (!(height > 0)) return Acad::eInvalidInput;
    std::fill(m_heights.begin(), m_heights.end(), height);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::setColumnWidth(double width) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    if (!(width > 0)) return Acad::eInvalidInput;
    std::fill(m_widths.begin(), m_widths.end(), width);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::setTextString(int row, int col, const wchar_t* text) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    if (!validRow(row) || !validCol(col)) return Acad::eInvalidIndex;
    m_rows[static_cast<size_t>(row)][static_cast<size_t>(col)].assign(text ? std::wstring_view(text) : std::wstring_view());
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::setTextUtf8(int row, int col, std::string_view text) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    if (!validRow(row) || !validCol(col)) return Acad::eInvalidIndex;
    platform::CompactText& cell = m_rows[static_cast<size_t>(row)][static_cast<size_t>(col)];
    // Bytes that are not UTF-8 are replaced as setTextString's conversion replaces them.
    if (platform::IsValidUtf8(text)) cell.assignUtf8(text);
    else cell.assign(platform::FromUtf8(text));
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
    text = m_rows[static_cast<size_t>(row)][static_cast<size_t>(col)].wide();
    return Acad::eOk;
}

std::string_view AcDbTable::textUtf8(int row, int col) const {
    if (!validRow(row) || !validCol(col)) return {};
    return m_rows[static_cast<size_t>(row)][static_cast<size_t>(col)].utf8();
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
            const int end = at - count;  // deleted: [at, end)
            if (hi >= at && lo < end) continue;
            if (lo >= end) {
                lo += count;
                hi += count;
            }
        }
        kept.push_back(r);
    }
    m_merged = std::move(kept);
}

Acad::ErrorStatus AcDbTable::insertRows(int row, double height, int nRows) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    if (row < 0 || row > numRows() || nRows < 1) return Acad::eInvalidIndex;
    if (!(height > 0)) return Acad::eInvalidInput;
    std::vector<std::vector<platform::CompactText>> fresh(static_cast<size_t>(nRows));
    for (auto& r : fresh) r.resize(m_widths.size());
    m_rows.insert(m_rows.begin() + row, std::make_move_iterator(fresh.begin()), std::make_move_iterator(fresh.end()));
    m_heights.insert(m_heights.begin() + row, static_cast<size_t>(nRows), height);
    shiftMerges(true, row, nRows);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::deleteRows(int row, int nRows) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    if (row < 0 || nRows < 1 || row + nRows > numRows()) return Acad::eInvalidIndex;
    m_rows.erase(m_rows.begin() + row, m_rows.begin() + row + nRows);
    m_heights.erase(m_heights.begin() + row, m_heights.begin() + row + nRows);
    shiftMerges(true, row, -nRows);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::insertColumns(int col, double width, int nCols) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    if (col < 0 || col > numColumns() || nCols < 1) return Acad::eInvalidIndex;
    if (!(width > 0)) return Acad::eInvalidInput;
    for (auto& r : m_rows) {
        std::vector<platform::CompactText> fresh(static_cast<size_t>(nCols));
        r.insert(r.begin() + col, std::make_move_iterator(fresh.begin()), std::make_move_iterator(fresh.end()));
    }
    m_widths.insert(m_widths.begin() + col, static_cast<size_t>(nCols), width);
    shiftMerges(false, col, nCols);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::deleteColumns(int col, int nCols) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    if (col < 0 || nCols < 1 || col + nCols > numColumns()) return Acad::eInvalidIndex;
    for (auto& r : m_rows) r.erase(r.begin() + col, r.begin() + col + nCols);
    m_widths.erase(m_widths.begin() + col, m_widths.begin() + col + nCols);
    shiftMerges(false, col, -nCols);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::mergeCells(int minRow, int maxRow, int minCol, int maxCol) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    if (!validRow(minRow) || !validRow(maxRow) || !validCol(minCol) || !validCol(maxCol) || minRow > maxRow || minCol > maxCol)
        return Acad::eInvalidIndex;
    for (const auto& r : m_merged)
        if (r.minRow <= maxRow && r.maxRow >= minRow && r.minCol <= maxCol && r.maxCol >= minCol) return Acad::eInvalidInput;
    m_merged.push_back(CellRange{minRow, maxRow, minCol, maxCol});
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::unmergeCells(int minRow, int maxRow, int minCol, int maxCol) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    if (minRow > maxRow || minCol > maxCol) return Acad::eInvalidInput;
    std::erase_if(m_merged, [&](const CellRange& r) {
        return r.minRow >= minRow && r.maxRow <= maxRow && r.minCol >= minCol && r.maxCol <= maxCol;
    });
    if (minRow <= 0 && maxRow >= 0) m_titleMerged = false;
    return Acad::eOk;
}

bool AcDbTable::isMergedCell(int row, int col) const {
    for (const auto& r : m_merged)
        if (row >= r.minRow && row <= r.maxRow && col >= r.minCol && col <= r.maxCol) return true;
    return false;
}

Acad::ErrorStatus AcDbTable::setPosition(const AcGePoint3d& point) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    m_position = point;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::setDirection(const AcGeVector3d& dir) {
    if (const auto es = assertWriteEnabled(); es != Acad::eOk) return es;
    const double len = std::hypot(dir.x, dir.y);
    if (len < 1e-12) return Acad::eInvalidInput;
    m_direction = AcGeVector3d(dir.x / len, dir.y / len, 0);
    return Acad::eOk;
}

double AcDbTable::width() const {
    double w = 0;
    for (double x : m_widths) w += x;
    return w;
}

double AcDbTable::height() const {
    double h = 0;
    for (double x : m_heights) h += x;
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
    for (double edge = m_heights[0]; row + 1 < numRows() && down > edge; edge += m_heights[static_cast<size_t>(++row)]) {}
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
    m_position = xform.apply(m_position);
    const AcGeVector3d dir = xform.apply(m_direction);
    const double len = std::hypot(dir.x, dir.y);
    if (len > 1e-12) m_direction = AcGeVector3d(dir.x / len, dir.y / len, 0);
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
        for (size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], row[c].length());
    const size_t indexWidth = std::to_wstring(m_rows.size()).size();
    for (size_t r = 0; r < m_rows.size(); ++r) {
        std::wstring line = std::to_wstring(r);
        line.insert(0, indexWidth - line.size(), L' ');
        line = L"  " + line + L" |";
        for (size_t c = 0; c < m_rows[r].size(); ++c) {
            const std::wstring cell = m_rows[r][c].wide();
            line += L" " + cell + std::wstring(widths[c] - m_rows[r][c].length(), L' ') + L" |";
        }
        text += line + L"\n";
    }
}
