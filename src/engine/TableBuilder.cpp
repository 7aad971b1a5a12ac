#include "engine/TableBuilder.h"

#include <vector>

#include "ArxUtils/ArxUtils.h"
#include "db/Geometry.h"
#include "runtime/DocManager.h"
#include "runtime/TransactionManager.h"
#include "editor/Print.h"
#include "engine/TableLinkIO.h"

namespace {

// What a new table takes from its style: the data rows' text height and the cell margins.
struct CStyleMetrics {
    AcDbObjectId m_styleId;
    double m_dTextHeight = 0;
    double m_dHorzMargin = 0;
    double m_dVertMargin = 0;
};

// Opens the link's table style in the working drawing; false, with the reason printed, when
// the drawing cannot hold tables or the style cannot be opened.
bool ReadStyleMetrics(const CTableLink& link, CStyleMetrics& metrics) {
    AcDbDatabase* pDb = acdbHostApplicationServices()->workingDatabase();
    // A drawing read from an R12 (or older) file is written back in that version, which has
    // no table entities: a table made here would not be saved. Say so, and make none.
    if (pDb && pDb->originalFileVersion() < AcDb::kDHL_1015) {
        acutPrintf(L"\nThis drawing is a DXF file of a version before R2000 (AC%d), which cannot hold tables: "
                   L"the table was not created.",
                   static_cast<int>(pDb->originalFileVersion()));
        return false;
    }
    AcDbDictionary* pDict = nullptr;
    if (!pDb || pDb->getTableStyleDictionary(pDict, AcDb::kForRead) != Acad::eOk) {
        acutPrintf(L"\nFailed to open the table style dictionary.");
        return false;
    }
    AcDbTableStyle* pStyle = nullptr;
    if (pDict->getAt(link.m_strTableStyle, metrics.m_styleId) != Acad::eOk ||
        acdbOpenObject(pStyle, metrics.m_styleId, AcDb::kForRead) != Acad::eOk) {
        acutPrintf(L"\nFaield to open the table style. %s", link.m_strTableStyle.GetString());
        pDict->close();
        return false;
    }
    pDict->close();
    metrics.m_dTextHeight = pStyle->textHeight(AcDb::kDataRow);
    metrics.m_dHorzMargin = pStyle->horzCellMargin();
    metrics.m_dVertMargin = pStyle->vertCellMargin();
    pStyle->close();
    return true;
}

// Each column's width: the link's own where it has one, else room for the column's longest
// text (its length is all that counts, so the grid is read in its own row order).
std::vector<double> ColumnWidths(const CCellGrid& grid, const CTableLink& link, const CStyleMetrics& metrics) {
    const int nRows = grid.GetRows();
    const int nCols = grid.GetCols();
    std::vector<int> longest(static_cast<size_t>(nCols), 0);
    for (int r = 0; r < nRows; ++r)
        for (int c = 0; c < nCols; ++c) {
            const int nLength = grid.CellRef(r, c).GetLength();
            if (nLength > longest[static_cast<size_t>(c)]) longest[static_cast<size_t>(c)] = nLength;
        }
    std::vector<double> widths(static_cast<size_t>(nCols));
    for (int c = 0; c < nCols; ++c) {
        if (c < link.m_arrWidths.GetSize() && link.m_arrWidths[c] > 1e-5)
            widths[static_cast<size_t>(c)] = link.m_arrWidths[c];
        else
            widths[static_cast<size_t>(c)] = (longest[static_cast<size_t>(c)] + 3) * metrics.m_dTextHeight + 2 * metrics.m_dHorzMargin;
    }
    return widths;
}

// A new table of the grid's size in the style, every cell filled, with a progress meter.
AcDbTable* MakeFilledTable(const CCellGrid& grid, const std::vector<double>& widths, const CStyleMetrics& metrics) {
    const int nRows = grid.GetRows();
    const int nCols = grid.GetCols();

    AcDbTable* pTable = new AcDbTable;
    pTable->setTableStyle(metrics.m_styleId);
    pTable->setNumRows(nRows);
    pTable->setNumColumns(nCols);
    pTable->unmergeCells(0, 0, 0, nCols - 1);

    acedSetStatusBarProgressMeter(L"Creating AutoCAD Table...", 0, nRows * nCols);
    const double dRowHeight = 2 * metrics.m_dVertMargin + metrics.m_dTextHeight;
    int nWritten = 0;
    for (int r = 0; r < nRows; ++r) {
        pTable->setRowHeight(r, dRowHeight);
        for (int c = 0; c < nCols; ++c) {
            if (r == 0) pTable->setColumnWidth(c, widths[static_cast<size_t>(c)]);
            pTable->setTextString(r, c, grid.CellRef(r, c));
            acedSetStatusBarProgressMeterPos(nWritten++);
        }
    }
    acedRestoreStatusBar();
    return pTable;
}

// Lets the user drag the new table (closed, in the drawing) to its insertion point.
void DragIntoPlace(AcDbObjectId tableId) {
    ads_name ename;
    if (acdbGetAdsName(ename, tableId) != Acad::eOk) return;
    if (AcApDocument* pDoc = acDocManager->curDocument()) pDoc->transactionManager()->flushGraphics();
    acedRedraw(ename, 2);
    ads_name ss;
    acedSSAdd(ename, nullptr, ss);
    dragSelectionSet(ss, L"\nSpecify insertion point: ", AcGePoint3d(0, 0, 0));
}

bool BuildNewTable(const CCellGrid& grid, const CTableLink& link) {
    CStyleMetrics metrics;
    if (!ReadStyleMetrics(link, metrics)) return false;
    // A link that cannot be stored would leave a table that cannot be refreshed, or one
    // refreshed from the wrong source: build nothing.
    if (!CanStoreTableLink(link)) {
        acutPrintf(L"\nThe table was not created.");
        return false;
    }

    // A custom width is the user's own number: one beyond what a drawing holds would leave a
    // table no file can hold.
    const std::vector<double> widths = ColumnWidths(grid, link, metrics);
    for (const double dWidth : widths)
        if (!platform::IsDrawingValue(dWidth)) {
            acutPrintf(L"\nA column width of %g is beyond what a drawing holds: the table was not created.", dWidth);
            return false;
        }

    AcDbTable* pTable = MakeFilledTable(grid, widths, metrics);
    if (addToCurrentSpace(pTable) != Acad::eOk) {
        delete pTable;
        return true;
    }
    if (!WriteTableLink(link, pTable)) {
        // Checked above; kept so that a refused link can never leave an unlinked table.
        pTable->erase();
        pTable->close();
        acutPrintf(L"\nThe table was not created.");
        return false;
    }
    const AcDbObjectId tableId = pTable->objectId();
    pTable->close();
    DragIntoPlace(tableId);
    // What was made, and from where (a table the user cancelled in the drag is gone).
    if (!tableId.isErased())
        acutPrintf(L"\nTable created: %d %s x %d %s from %s in %s.", grid.GetRows(), grid.GetRows() == 1 ? L"row" : L"rows",
                   grid.GetCols(), grid.GetCols() == 1 ? L"column" : L"columns",
                   link.m_strTable.IsEmpty() ? L"a query" : link.m_strTable.GetString(), link.m_strDatabase.GetString());
    return true;
}

bool RefillTable(const CCellGrid& grid, const CTableLink& link, AcDbTable* pTable) {
    const int N = pTable->numRows();
    const int M = pTable->numColumns();
    const int s = link.m_nStartRow;
    const int t = link.m_nStartCol;
    const int R = grid.GetRows();
    const int C = grid.GetCols();

    // Rows come and go at the end of the table: every row above keeps its cells where they
    // are, those outside the written columns (blocks, merged ranges) included. New rows take
    // the last row's least height, not what its text made of it, or they would never shrink.
    if (R < N - s)
        pTable->deleteRows(s + R, N - s - R);
    else if (R > N - s)
        pTable->insertRows(N, pTable->leastRowHeight(N - 1), s + R - N);
    if (t <= M && C > M - t) pTable->insertColumns(M - 1, pTable->columnWidth(M - 1), t + C - M);

    for (int r = 0; r < R; ++r)
        for (int c = 0; c < C; ++c) pTable->setTextString(s + r, t + c, grid.CellRef(r, c));
    return true;
}

}  // namespace

namespace {

// Cell text is multi-line text: a drawing file stores its line breaks as paragraph codes, so
// a table read from one holds "\P" where the database's text has a line break.
std::wstring AsParagraphs(std::wstring_view text) {
    std::wstring out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\r' || text[i] == L'\n') {
            if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
            out += L"\\P";
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace

bool TableHoldsGrid(const CCellGrid& grid, const CTableLink& link, const AcDbTable* pTable) {
    const int N = pTable->numRows();
    const int M = pTable->numColumns();
    const int s = link.m_nStartRow;
    const int t = link.m_nStartCol;
    const int R = grid.GetRows();
    const int C = grid.GetCols();
    // The same tests as RefillTable's.
    if (R != N - s || (t <= M && C > M - t)) return false;
    std::wstring text;
    for (int r = 0; r < R; ++r)
        for (int c = 0; c < C && t + c < M; ++c) {
            pTable->textString(s + r, t + c, text);
            const std::wstring_view cell(grid.CellRef(r, c).GetString(), static_cast<size_t>(grid.CellRef(r, c).GetLength()));
            if (text != cell && text != AsParagraphs(cell)) return false;
        }
    return true;
}

bool BuildTable(const CCellGrid& grid, const CTableLink& link, AcDbTable* pTable) {
    return pTable ? RefillTable(grid, link, pTable) : BuildNewTable(grid, link);
}

bool ReplaceExistingLink(AcDbTable* pTable) {
    CTableLink old;
    if (!ReadTableLink(old, pTable)) return true;
    CString strSource;
    strSource.Format(L"%s in %s", old.m_strTable.IsEmpty() ? L"a query" : old.m_strTable.GetString(), old.m_strDatabase.GetString());
    CString strPrompt;
    strPrompt.Format(L"\nThis table is linked to %s. Replace its link? [Yes/No] <No>: ", strSource.GetString());
    wchar_t szAnswer[8] = L"";
    acedInitGet(0, L"Yes No");
    if (acedGetKword(strPrompt, szAnswer) != RTNORM || CString(szAnswer).CompareNoCase(L"Yes") != 0) {
        acutPrintf(L"\nThe table keeps its link to %s; nothing was filled.", strSource.GetString());
        return false;
    }
    for (int r = 0; r < old.m_nRows; ++r)
        for (int c = 0; c < old.m_nCols; ++c) {
            const int row = old.m_nStartRow + r, col = old.m_nStartCol + c;
            if (row >= 0 && row < pTable->numRows() && col >= 0 && col < pTable->numColumns()) pTable->setTextString(row, col, L"");
        }
    return true;
}

bool PickStartCell(AcDbObjectId& tableId, int& nRow, int& nCol) {
    ads_point pt;
    if (acedGetPoint(nullptr, L"\nPlease select the start cell:", pt) != RTNORM) return false;
    // The hit test works in world coordinates.
    acdbUcs2Wcs(pt, pt, false);

    resbuf* pFilter = acutBuildList(RTDXF0, L"ACAD_TABLE", 0);
    ads_name ss;
    const int rc = acedSSGet(L"X", nullptr, nullptr, pFilter, ss);
    acutRelRb(pFilter);
    if (rc != RTNORM) return false;
    Adesk::Int32 nLength = 0;
    acedSSLength(ss, &nLength);
    if (nLength == 0) {
        acedSSFree(ss);
        return false;
    }
    AcDbDatabase* pDb = acdbHostApplicationServices()->workingDatabase();
    for (Adesk::Int32 i = 0; i < nLength; ++i) {
        ads_name ename;
        AcDbObjectId id;
        AcDbTable* pTable = nullptr;
        if (acedSSName(ss, i, ename) != RTNORM || acdbGetObjectId(id, ename) != Acad::eOk ||
            acdbOpenObject(pTable, id, AcDb::kForRead) != Acad::eOk)
            continue;
        int nHitRow = 0, nHitCol = 0;
        if (pTable->ownerId() == pDb->currentSpaceId() &&
            pTable->hitTest(AcGePoint3d(pt[X], pt[Y], pt[Z]), AcGeVector3d(0, 0, 1), 0, 0, nHitRow, nHitCol)) {
            tableId = id;
            nRow = nHitRow;
            nCol = nHitCol;
            pTable->close();
            acedSSFree(ss);
            return true;
        }
        pTable->close();
    }
    acedSSFree(ss);
    return true;
}
