#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "db/DrawingDatabase.h"
#include "text/Utf8.h"

namespace {

std::wstring Text(const AcDbTable& t, int r, int c) {
    std::wstring s;
    t.textString(r, c, s);
    return s;
}

// A table of rows x cols whose cells read "r,c".
void Fill(AcDbTable& t, int rows, int cols) {
    t.setNumRows(rows);
    t.setNumColumns(cols);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) t.setTextString(r, c, (std::to_wstring(r) + L"," + std::to_wstring(c)).c_str());
}

}  // namespace

TEST(Table, InsertsAndDeletesWholeRowsAndColumns) {
    AcDbTable t;
    Fill(t, 4, 3);
    t.setRowHeight(3, 2.0);
    ASSERT_EQ(t.insertRows(3, 2.0, 2), Acad::eOk);  // before the last row
    EXPECT_EQ(t.numRows(), 6);
    EXPECT_EQ(Text(t, 2, 1), L"2,1");
    EXPECT_EQ(Text(t, 3, 1), L"");
    EXPECT_EQ(Text(t, 5, 1), L"3,1");
    ASSERT_EQ(t.insertRows(6, 1.5, 1), Acad::eOk);  // appending
    EXPECT_DOUBLE_EQ(t.rowHeight(6), 1.5);
    EXPECT_EQ(t.insertRows(8, 1.0, 1), Acad::eInvalidIndex);
    EXPECT_EQ(t.insertRows(-1, 1.0, 1), Acad::eInvalidIndex);

    ASSERT_EQ(t.deleteRows(1, 3), Acad::eOk);
    EXPECT_EQ(t.numRows(), 4);
    EXPECT_EQ(Text(t, 0, 0), L"0,0");
    EXPECT_EQ(Text(t, 1, 0), L"");
    EXPECT_EQ(Text(t, 2, 0), L"3,0");
    EXPECT_EQ(t.deleteRows(2, 3), Acad::eInvalidIndex);

    ASSERT_EQ(t.insertColumns(2, 4.0, 2), Acad::eOk);
    EXPECT_EQ(t.numColumns(), 5);
    EXPECT_EQ(Text(t, 0, 1), L"0,1");
    EXPECT_EQ(Text(t, 0, 2), L"");
    EXPECT_EQ(Text(t, 0, 4), L"0,2");
    EXPECT_DOUBLE_EQ(t.columnWidth(3), 4.0);
    ASSERT_EQ(t.deleteColumns(0, 1), Acad::eOk);
    EXPECT_EQ(Text(t, 0, 0), L"0,1");

    EXPECT_EQ(t.setTextString(9, 0, L"x"), Acad::eInvalidIndex);
    EXPECT_EQ(t.textString(9, 0), nullptr);
    wchar_t* copy = t.textString(0, 0);
    EXPECT_STREQ(copy, L"0,1");
    acutDelBuffer(copy);
}

TEST(Table, KeepsAnyTextExactly) {
    AcDbTable t;
    Fill(t, 1, 1);
    // Up to 7 UTF-8 bytes are kept inline, longer texts on the heap: both sides of the edge,
    // and a cell rewritten with a text of about the same length (its block is reused).
    const std::wstring samples[] = {L"", L"a", L"1234567", L"12345678", L"abcdefghijkl", L"0123456789", L"\u00e9\u00e9\u00e9x", L"\u00e9\u00e9\u00e9\u00e9", L"Größe € 漢字 \U0001F600", std::wstring(1000, L'z'), L"tab\there\nnewline"};
    for (const auto& s : samples) {
        t.setTextString(0, 0, s.c_str());
        EXPECT_EQ(Text(t, 0, 0), s);
        // The same text given in UTF-8, as a drawing file brings it.
        t.setTextUtf8(0, 0, platform::ToUtf8(s));
        EXPECT_EQ(Text(t, 0, 0), s);
    }
    // Bytes that are not UTF-8 read as the wide conversion reads them.
    for (const std::string bad : {"a\xFF" "b", "\xC3", "x\xE2\x82", "\xED\xA0\x80 surrogate", "\xC0\xAF overlong"}) {
        t.setTextUtf8(0, 0, bad);
        EXPECT_EQ(Text(t, 0, 0), platform::FromUtf8(bad)) << bad;
    }
}

TEST(Table, TitleRowStartsMergedUntilUnmerged) {
    AcDbTable t;
    t.setNumRows(3);
    t.setNumColumns(4);
    ASSERT_EQ(t.mergedRanges().size(), 1u);
    EXPECT_TRUE(t.isMergedCell(0, 3));
    int r, c;
    ASSERT_TRUE(t.hitTest({3.5, -0.5, 0}, AcGeVector3d::kZAxis, 0, 0, r, c));
    EXPECT_EQ(c, 0);  // a merged range answers with its first cell
    t.unmergeCells(0, 0, 0, 3);
    EXPECT_TRUE(t.mergedRanges().empty());
    t.setNumColumns(5);
    EXPECT_TRUE(t.mergedRanges().empty());
}

// Rows and columns deleted inside a merged range shrink it and inserted ones extend it; the
// range goes only with the last of its rows, and its text stays in its first cell.
TEST(Table, MergedRangesShrinkAndGrowWithTheirRowsAndColumns) {
    using Range = std::tuple<int, int, int, int>;
    auto ranges = [](const AcDbTable& t) {
        std::vector<Range> out;
        for (const auto& m : t.mergedRanges()) out.emplace_back(m.minRow, m.maxRow, m.minCol, m.maxCol);
        return out;
    };
    AcDbTable t;
    Fill(t, 8, 5);
    t.unmergeCells(0, 0, 0, 4);
    ASSERT_EQ(t.mergeCells(3, 5, 2, 3), Acad::eOk);
    t.setTextString(3, 2, L"merged");
    ASSERT_EQ(t.deleteRows(4, 1), Acad::eOk);  // inside, below its first row
    EXPECT_EQ(ranges(t), (std::vector<Range>{{3, 4, 2, 3}}));
    EXPECT_EQ(Text(t, 3, 2), L"merged");
    ASSERT_EQ(t.insertRows(4, 1.0, 2), Acad::eOk);  // inside: extends
    EXPECT_EQ(ranges(t), (std::vector<Range>{{3, 6, 2, 3}}));
    ASSERT_EQ(t.deleteRows(1, 3), Acad::eOk);  // across its top: starts where the deletion did
    EXPECT_EQ(ranges(t), (std::vector<Range>{{1, 3, 2, 3}}));
    ASSERT_EQ(t.deleteRows(5, 1), Acad::eOk);  // below it: untouched
    EXPECT_EQ(ranges(t), (std::vector<Range>{{1, 3, 2, 3}}));
    ASSERT_EQ(t.deleteColumns(3, 1), Acad::eOk);  // one column left, three rows: still a range
    EXPECT_EQ(ranges(t), (std::vector<Range>{{1, 3, 2, 2}}));
    ASSERT_EQ(t.deleteRows(2, 2), Acad::eOk);  // one cell left: no range
    EXPECT_TRUE(t.mergedRanges().empty());
    ASSERT_EQ(t.mergeCells(0, 1, 0, 1), Acad::eOk);
    ASSERT_EQ(t.deleteRows(0, 2), Acad::eOk);  // all its rows: gone
    EXPECT_TRUE(t.mergedRanges().empty());
    EXPECT_EQ(t.numRows(), 1);
}

TEST(Table, HitTestFindsTheCellUnderThePointWhereverTheTableIs) {
    AcDbTable t;
    Fill(t, 3, 2);
    t.unmergeCells(0, 0, 0, 1);
    t.setColumnWidth(0, 10);
    t.setColumnWidth(1, 20);
    t.setRowHeight(2.0);
    EXPECT_DOUBLE_EQ(t.width(), 30);
    EXPECT_DOUBLE_EQ(t.height(), 6);
    t.transformBy(AcGeMatrix3d::translation({100, 50, 0}));
    EXPECT_EQ(t.position(), AcGePoint3d(100, 50, 0));

    struct Case {
        double x, y;
        bool hit;
        int row, col;
    };
    const Case cases[] = {
        {101, 49, true, 0, 0}, {115, 49, true, 0, 1}, {115, 47, true, 1, 1}, {109.9, 44.1, true, 2, 0},
        {130, 44, true, 2, 1},  // the far corner still belongs to the table
        {99, 49, false, 0, 0}, {131, 49, false, 0, 0}, {101, 51, false, 0, 0}, {101, 43.9, false, 0, 0},
    };
    for (const auto& k : cases) {
        int row = -1, col = -1;
        EXPECT_EQ(t.hitTest({k.x, k.y, 0}, AcGeVector3d::kZAxis, 0, 0, row, col), k.hit) << k.x << "," << k.y;
        if (k.hit) {
            EXPECT_EQ(row, k.row) << k.x << "," << k.y;
            EXPECT_EQ(col, k.col) << k.x << "," << k.y;
        }
    }
    int row, col;
    EXPECT_TRUE(t.hitTest({99.5, 49, 0}, AcGeVector3d::kZAxis, 1, 1, row, col));  // within the aperture
    AcDbExtents e;
    t.getGeomExtents(e);
    EXPECT_EQ(e.minPoint, AcGePoint3d(100, 44, 0));
    EXPECT_EQ(e.maxPoint, AcGePoint3d(130, 50, 0));
}

// A row is as high as it was set, or as its tallest cell needs: the lines its text wraps into
// at the column width less the margins, at the height of the cell's row kind or its own.
TEST(Table, RowsGrowToTheirTallestCell) {
    AcDbDatabase db;
    AcDbObjectId styleId;
    {
        AcDbDictionary* styles = nullptr;
        ASSERT_EQ(db.getTableStyleDictionary(styles, AcDb::kForWrite), Acad::eOk);
        auto* style = new AcDbTableStyle;
        style->setName(L"Tall");
        style->setTextHeight(1.0, AcDb::kDataRow);
        style->setTextHeight(2.0, AcDb::kHeaderRow);
        style->setTextHeight(3.0, AcDb::kTitleRow);
        style->setHorzCellMargin(0.5);
        style->setVertCellMargin(0.25);
        styles->setAt(L"Tall", style, styleId);
        style->close();
        styles->close();
    }
    AcDbTable t;
    t.setTableStyle(styleId);
    t.setNumColumns(2);
    t.setNumRows(5);
    t.unmergeCells(0, 0, 0, 1);
    t.setRowHeight(0.5);
    t.setColumnWidth(21);  // 20 for the text
    const double line = 4.0 / 3, pitch = 5.0 / 3;
    EXPECT_EQ(t.rowType(0), AcDb::kTitleRow);
    EXPECT_EQ(t.rowType(1), AcDb::kHeaderRow);
    EXPECT_EQ(t.rowType(2), AcDb::kDataRow);
    t.setTextString(0, 0, L"Title");
    t.setTextString(1, 1, L"Heading");
    t.setTextString(2, 0, L"one");
    t.setTextString(3, 0, L"first\nsecond\\Pthird");                   // three paragraphs
    t.setTextString(4, 1, L"words words words words words words words");  // about 30 wide at 1.0
    EXPECT_DOUBLE_EQ(t.rowHeight(0), 3 * line + 0.5);
    EXPECT_DOUBLE_EQ(t.rowHeight(1), 2 * line + 0.5);
    EXPECT_DOUBLE_EQ(t.rowHeight(2), 1 * line + 0.5);
    EXPECT_DOUBLE_EQ(t.rowHeight(3), line + 2 * pitch + 0.5);
    EXPECT_DOUBLE_EQ(t.rowHeight(4), line + pitch + 0.5);  // wraps once
    // A height of its own counts instead of the row kind's; a set height above the need stays.
    t.setTextHeight(2, 0, 2.5);
    EXPECT_DOUBLE_EQ(t.rowHeight(2), 2.5 * line + 0.5);
    t.setRowHeight(2, 10);
    EXPECT_DOUBLE_EQ(t.rowHeight(2), 10);
    EXPECT_DOUBLE_EQ(t.minimumRowHeight(2), 2.5 * line + 0.5);
    // A wider column wraps less; the table's height follows its rows.
    t.setColumnWidth(1, 60);
    EXPECT_DOUBLE_EQ(t.rowHeight(4), line + 0.5);
    double sum = 0;
    for (int r = 0; r < t.numRows(); ++r) sum += t.rowHeight(r);
    EXPECT_DOUBLE_EQ(t.height(), sum);
    // A merged range is as wide as its columns: the long text fits on one line across both.
    t.setColumnWidth(1, 21);
    t.setTextString(4, 0, L"words words words words words words words");
    t.setTextString(4, 1, L"");
    ASSERT_EQ(t.mergeCells(4, 4, 0, 1), Acad::eOk);
    EXPECT_DOUBLE_EQ(t.rowHeight(4), line + 0.5);
}

// Cell formatting moves with its row and column; giving a block cell a text makes it a text
// cell; rows and columns remember where they stood when the table was read.
TEST(Table, FormatsAndFileOriginsMoveWithTheirCells) {
    AcDbTable t;
    Fill(t, 4, 3);
    t.setFileOrigin();
    ASSERT_EQ(t.setCellType(2, 2, AcDb::kBlockCell), Acad::eOk);
    ASSERT_EQ(t.setAlignment(1, 0, AcDb::kBottomRight), Acad::eOk);
    EXPECT_EQ(t.alignment(0, 0), AcDb::kMiddleCenter);  // the title row's, in the default style
    t.insertRows(1, 1.0, 2);
    t.insertColumns(0, 1.0);
    EXPECT_EQ(t.cellType(4, 3), AcDb::kBlockCell);
    EXPECT_EQ(t.alignment(3, 1), AcDb::kBottomRight);
    EXPECT_EQ(t.fileRow(4), 2);
    EXPECT_EQ(t.fileRow(1), -1);
    EXPECT_EQ(t.fileColumn(0), -1);
    EXPECT_EQ(t.fileColumn(3), 2);
    t.deleteRows(0, 2);
    EXPECT_EQ(t.fileRow(0), -1);
    EXPECT_EQ(t.fileRow(2), 2);
    EXPECT_EQ(t.cellType(2, 3), AcDb::kBlockCell);
    t.setTextString(2, 3, L"now text");
    EXPECT_EQ(t.cellType(2, 3), AcDb::kTextCell);
    EXPECT_EQ(t.cellType(9, 0), AcDb::kUnknownCell);
}

// Sizes and places no drawing file can hold are refused, and the table keeps what it had: a
// width of 1e308 laid out beside another is an infinity, which no reader takes back.
TEST(Table, SizesAndPlacesBeyondWhatADrawingHoldsAreRefused) {
    AcDbTable t;
    Fill(t, 2, 2);
    t.setColumnWidth(0, 10);
    t.setRowHeight(0, 3);
    const double inf = std::numeric_limits<double>::infinity(), nan = std::numeric_limits<double>::quiet_NaN();
    for (const double bad : {1e308, -1e308, 1.1e100, inf, nan}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(t.setColumnWidth(0, bad), Acad::eInvalidInput);
        EXPECT_EQ(t.setColumnWidth(bad), Acad::eInvalidInput);
        EXPECT_EQ(t.setRowHeight(0, bad), Acad::eInvalidInput);
        EXPECT_EQ(t.setRowHeight(bad), Acad::eInvalidInput);
        EXPECT_EQ(t.insertColumns(1, bad), Acad::eInvalidInput);
        EXPECT_EQ(t.insertRows(1, bad), Acad::eInvalidInput);
        EXPECT_EQ(t.setTextHeight(0, 0, bad), Acad::eInvalidInput);
        EXPECT_EQ(t.setPosition(AcGePoint3d(0, bad, 0)), Acad::eInvalidInput);
        EXPECT_EQ(t.setDirection(AcGeVector3d(bad, 0, 0)), std::isinf(bad) || std::isnan(bad) ? Acad::eInvalidInput : Acad::eOk);
    }
    EXPECT_EQ(t.numColumns(), 2);
    EXPECT_EQ(t.numRows(), 2);
    EXPECT_EQ(t.columnWidth(0), 10);
    EXPECT_EQ(t.rowHeight(0), 3);
    // The largest accepted: no sum or layout of them overflows.
    EXPECT_EQ(t.setColumnWidth(0, 1e100), Acad::eOk);
    EXPECT_EQ(t.insertColumns(2, 1e100, 3), Acad::eOk);
    EXPECT_TRUE(std::isfinite(t.width()));
    // A text height leaves room for lines of it: a trillion of them still fit a row.
    EXPECT_EQ(t.setTextHeight(0, 0, 1e89), Acad::eInvalidInput);
    EXPECT_EQ(t.setTextHeight(0, 0, 1e88), Acad::eOk);
    // A move past the largest coordinate leaves the table where it was.
    ASSERT_EQ(t.setPosition(AcGePoint3d(9e99, 0, 0)), Acad::eOk);
    EXPECT_EQ(t.transformBy(AcGeMatrix3d::translation(AcGeVector3d(9e99, 0, 0))), Acad::eInvalidInput);
    EXPECT_EQ(t.position().x, 9e99);

    AcDbTableStyle style;
    EXPECT_EQ(style.setTextHeight(1e308, AcDb::kDataRow), Acad::eInvalidInput);
    EXPECT_EQ(style.setHorzCellMargin(inf), Acad::eInvalidInput);
    EXPECT_EQ(style.setVertCellMargin(1e300), Acad::eInvalidInput);
    EXPECT_GT(style.textHeight(AcDb::kDataRow), 0);
    EXPECT_LT(style.textHeight(AcDb::kDataRow), 1e88);
}
