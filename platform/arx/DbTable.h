#pragma once
// Table entities: rows x columns of text cells with row heights and column widths, placed
// at its insertion point (the top left corner; rows run down, columns to the right along
// the table's direction). Cells are stored row by row so that inserting or deleting rows
// moves whole rows, never every cell.
#include <string>
#include <vector>

#include "CompactText.h"
#include "DbEntity.h"

class AcDbTable : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbTable)

    AcDbTable() = default;

    AcDbObjectId tableStyle() const { return m_style; }
    Acad::ErrorStatus setTableStyle(const AcDbObjectId& id);

    int numRows() const { return static_cast<int>(m_rows.size()); }
    int numColumns() const { return static_cast<int>(m_widths.size()); }
    // New rows and columns get the height and width of the last one (a default of 1 for
    // the first); cells of removed rows and columns are dropped.
    Acad::ErrorStatus setNumRows(int rows);
    Acad::ErrorStatus setNumColumns(int columns);

    double rowHeight(int row) const;
    double columnWidth(int col) const;
    Acad::ErrorStatus setRowHeight(int row, double height);
    Acad::ErrorStatus setColumnWidth(int col, double width);
    // Every row or column at once.
    Acad::ErrorStatus setRowHeight(double height);
    Acad::ErrorStatus setColumnWidth(double width);

    Acad::ErrorStatus setTextString(int row, int col, const wchar_t* text);
    // The same with the text in UTF-8, as drawing files are read.
    Acad::ErrorStatus setTextUtf8(int row, int col, std::string_view text);
    // A copy of the cell's text the caller frees with acutDelBuffer; null outside the table.
    wchar_t* textString(int row, int col) const;
    Acad::ErrorStatus textString(int row, int col, std::wstring& text) const;
    // The stored text without a copy (UTF-8), for listing and writing files.
    std::string_view textUtf8(int row, int col) const;

    // Inserts nRows rows before row (row == numRows() appends), each of the given height.
    Acad::ErrorStatus insertRows(int row, double height, int nRows = 1);
    Acad::ErrorStatus deleteRows(int row, int nRows = 1);
    Acad::ErrorStatus insertColumns(int col, double width, int nCols = 1);
    Acad::ErrorStatus deleteColumns(int col, int nCols = 1);

    // Merged ranges. A new table's first row is merged across all its columns, as the title
    // row of a style is; unmergeCells splits every merged range inside the given range.
    struct CellRange {
        int minRow, maxRow, minCol, maxCol;
    };
    Acad::ErrorStatus mergeCells(int minRow, int maxRow, int minCol, int maxCol);
    Acad::ErrorStatus unmergeCells(int minRow, int maxRow, int minCol, int maxCol);
    const std::vector<CellRange>& mergedRanges() const { return m_merged; }
    bool isMergedCell(int row, int col) const;

    AcGePoint3d position() const { return m_position; }
    Acad::ErrorStatus setPosition(const AcGePoint3d& point);
    AcGeVector3d direction() const { return m_direction; }
    Acad::ErrorStatus setDirection(const AcGeVector3d& dir);
    double width() const;
    double height() const;

    // The cell under a point (world coordinates) seen along viewDir, within the apertures.
    bool hitTest(const AcGePoint3d& point, const AcGeVector3d& viewDir, double xAperture, double yAperture,
                 int& resultRow, int& resultCol) const;

    const wchar_t* entityTypeName() const override { return L"ACAD_TABLE"; }
    Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
    Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
    bool isPickedAt(const AcGePoint3d& point, double aperture) const override;
    void listDetails(std::wstring& text) const override;

private:
    bool validRow(int row) const { return row >= 0 && row < numRows(); }
    bool validCol(int col) const { return col >= 0 && col < numColumns(); }
    // Table-local coordinates: along the direction, and down from the top edge.
    void toLocal(const AcGePoint3d& point, double& across, double& down) const;
    void shiftMerges(bool rows, int at, int count);

    AcDbObjectId m_style;
    AcGePoint3d m_position;
    AcGeVector3d m_direction{1, 0, 0};
    std::vector<std::vector<platform::CompactText>> m_rows;
    std::vector<double> m_heights;
    std::vector<double> m_widths;
    std::vector<CellRange> m_merged;
    bool m_titleMerged = true;  // until the table is first given columns
};
