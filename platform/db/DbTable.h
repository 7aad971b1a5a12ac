#pragma once
// Table entities: rows x columns of text cells with row heights and column widths, placed
// at its insertion point (the top left corner; rows run down, columns to the right along
// the table's direction). Cells are stored row by row so that inserting or deleting rows
// moves whole rows, never every cell.
//
// A row's height as set is its least height: as a CAD program shows it, a row is as high as
// its tallest cell needs (the lines its text wraps into at the cell's width less the margins,
// at the text height of the cell or of its row kind in the table style, plus the vertical
// margins). rowHeight gives that height, computed when first asked after a change.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "db/CompactText.h"
#include "db/DbEntity.h"

class AcDbTable : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbTable)
    ACDB_DECLARE_STATE(AcDbTable)

    AcDbTable() = default;

    AcDbObjectId tableStyle() const { return m_style; }
    Acad::ErrorStatus setTableStyle(const AcDbObjectId& id);

    int numRows() const { return static_cast<int>(m_rows.size()); }
    int numColumns() const { return static_cast<int>(m_widths.size()); }
    // New rows and columns get the height and width of the last one (a default of 1 for
    // the first); cells of removed rows and columns are dropped.
    Acad::ErrorStatus setNumRows(int rows);
    Acad::ErrorStatus setNumColumns(int columns);

    // The row's height as drawn: at least the height set, and what its content needs.
    double rowHeight(int row) const;
    // The height set: the least the row is drawn with, whatever its content.
    double leastRowHeight(int row) const { return validRow(row) ? m_heights[static_cast<size_t>(row)] : 0.0; }
    // What the row's content needs (its tallest cell), whatever height was set.
    double minimumRowHeight(int row) const;
    double columnWidth(int col) const;
    Acad::ErrorStatus setRowHeight(int row, double height);
    Acad::ErrorStatus setColumnWidth(int col, double width);
    // Row heights as a drawing file stores them are the rows as drawn: a row whose height is
    // no more than its content needs was grown to fit that content, and its least height is
    // one line of its row kind's text (never more than stored), so that it shrinks again when
    // its content does; a row stored higher than its content needs keeps that height as its
    // least. Call once the heights, the texts and the table's style are in place.
    void fitStoredRowHeights();
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

    // The row's kind in the table style: its title row (the first, unless the style suppresses
    // it), its header row (the next, unless suppressed), data rows below.
    AcDb::RowType rowType(int row) const;

    // Formatting of a cell's own; where none is set the table style applies.
    AcDb::CellType cellType(int row, int col) const;
    Acad::ErrorStatus setCellType(int row, int col, AcDb::CellType type);
    // The cell's text height: its own, or else its row kind's in the table style.
    double textHeight(int row, int col) const;
    Acad::ErrorStatus setTextHeight(int row, int col, double height);
    // The cell's own alignment, or the table style's for its row kind.
    AcDb::CellAlignment alignment(int row, int col) const;
    Acad::ErrorStatus setAlignment(int row, int col, AcDb::CellAlignment align);

    // Where a row or column stood in the drawing file the table was read from (-1 for one
    // added since), so that a writer finds what the file holds of each cell after rows and
    // columns were inserted or deleted. Set by file readers and writers.
    int fileRow(int row) const { return validRow(row) ? m_fileRows[static_cast<size_t>(row)] : -1; }
    int fileColumn(int col) const { return validCol(col) ? m_fileColumns[static_cast<size_t>(col)] : -1; }
    // Every row and column now stands where it stands in the file.
    void setFileOrigin();

    // Inserts nRows rows before row (row == numRows() appends), each of the given height.
    Acad::ErrorStatus insertRows(int row, double height, int nRows = 1);
    // Rows or columns inserted inside a merged range extend it, deleted ones shrink it.
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
    size_t stateBytes() const override;

private:
    // A cell's own formatting; the first of m_formats is "none".
    struct CellFormat {
        AcDb::CellType type = AcDb::kTextCell;
        double textHeight = 0;
        int alignment = 0;
        bool operator==(const CellFormat&) const = default;
    };
    struct Row {
        std::vector<platform::CompactText> cells;
        std::unique_ptr<std::vector<std::uint16_t>> formats;  // per cell, only once one is set
        explicit Row(size_t columns = 0) : cells(columns) {}
        Row(const Row& other);
        Row& operator=(const Row&) = delete;
        size_t bytes() const;
    };
    // Rows are shared with the copies undo keeps (copyState) until one of them changes: a
    // refresh that rewrites a few rows of a large table copies those rows, not the table.
    using RowPtr = std::shared_ptr<Row>;

    bool validRow(int row) const { return row >= 0 && row < numRows(); }
    const Row& row(int r) const { return *m_rows[static_cast<size_t>(r)]; }
    // The row to change: its own copy when an undo copy shares it.
    Row& writableRow(int r);
    bool validCol(int col) const { return col >= 0 && col < numColumns(); }
    // Table-local coordinates: along the direction, and down from the top edge.
    void toLocal(const AcGePoint3d& point, double& across, double& down) const;
    void shiftMerges(bool rows, int at, int count);
    const CellFormat& format(int row, int col) const;
    Acad::ErrorStatus setFormat(int row, int col, const CellFormat& f);
    // Row heights are computed again at the next question.
    void touch() { m_layoutValid = false; }
    void layout() const;

    AcDbObjectId m_style;
    AcGePoint3d m_position;
    AcGeVector3d m_direction{1, 0, 0};
    std::vector<RowPtr> m_rows;
    std::vector<int> m_fileRows;
    std::vector<double> m_heights;  // as set
    std::vector<double> m_widths;
    std::vector<int> m_fileColumns;
    std::vector<CellFormat> m_formats{CellFormat{}};
    std::vector<CellRange> m_merged;
    bool m_titleMerged = true;  // until the table is first given columns
    mutable std::vector<double> m_shown;   // as drawn
    mutable std::vector<double> m_needed;  // by the content
    mutable bool m_layoutValid = false;
};
