#include "engine/TableBuilder.h"

#include <vector>

#include "ArxUtils/ArxUtils.h"
#include "runtime/DocManager.h"
#include "runtime/TransactionManager.h"
#include "editor/Print.h"
#include "engine/TableLinkIO.h"

namespace {

bool BuildNewTable(const CCellGrid& grid, const CTableLink& link) {
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
    AcDbObjectId styleId;
    AcDbTableStyle* pStyle = nullptr;
    if (pDict->getAt(link.m_strTableStyle, styleId) != Acad::eOk ||
        acdbOpenObject(pStyle, styleId, AcDb::kForRead) != Acad::eOk) {
        acutPrintf(L"\nFaield to open the table style. %s", link.m_strTableStyle.GetString());
        pDict->close();
        return false;
    }
    pDict->close();
    const double dTextHeight = pStyle->textHeight(AcDb::kDataRow);
    const double dHorzMargin = pStyle->horzCellMargin();
    const double dVertMargin = pStyle->vertCellMargin();
    pStyle->close();

    // A link that cannot be stored would leave a table that cannot be refreshed, or one
    // refreshed from the wrong source: build nothing.
    if (!CanStoreTableLink(link)) {
        acutPrintf(L"\nThe table was not created.");
        return false;
    }

    const int nRows = grid.GetRows();
    const int nCols = grid.GetCols();
    // Each column's longest text (its length is all that counts, so the grid is read in its
    // own row order).
    std::vector<int> longest(static_cast<size_t>(nCols), 0);
    for (int r = 0; r < nRows; ++r)
        for (int c = 0; c < nCols; ++c) {
            const int nLength = grid.CellRef(r, c).GetLength();
            if (nLength > longest[static_cast<size_t>(c)]) longest[static_cast<size_t>(c)] = nLength;
        }

    AcDbTable* pTable = new AcDbTable;
    pTable->setTableStyle(styleId);
    pTable->setNumRows(nRows);
    pTable->setNumColumns(nCols);
    pTable->unmergeCells(0, 0, 0, nCols - 1);

    acedSetStatusBarProgressMeter(L"Creating AutoCAD Table...", 0, nRows * nCols);
    const double dRowHeight = 2 * dVertMargin + dTextHeight;
    int nWritten = 0;
    for (int r = 0; r < nRows; ++r) {
        pTable->setRowHeight(r, dRowHeight);
        for (int c = 0; c < nCols; ++c) {
            if (r == 0) {
                double dWidth;
                if (c < link.m_arrWidths.GetSize() && link.m_arrWidths[c] > 1e-5)
                    dWidth = link.m_arrWidths[c];
                else
                    dWidth = (longest[static_cast<size_t>(c)] + 3) * dTextHeight + 2 * dHorzMargin;
                pTable->setColumnWidth(c, dWidth);
            }
            pTable->setTextString(r, c, grid.CellRef(r, c));
            acedSetStatusBarProgressMeterPos(nWritten++);
        }
    }
    acedRestoreStatusBar();

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

    ads_name ename;
    if (acdbGetAdsName(ename, tableId) != Acad::eOk) return true;
    if (AcApDocument* pDoc = acDocManager->curDocument()) pDoc->transactionManager()->flushGraphics();
    acedRedraw(ename, 2);
    ads_name ss;
    acedSSAdd(ename, nullptr, ss);
    dragSelectionSet(ss, L"\nSpecify insertion point: ", AcGePoint3d(0, 0, 0));
    return true;
}

bool RefillTable(const CCellGrid& grid, const CTableLink& link, AcDbTable* pTable) {
    const int N = pTable->numRows();
    const int M = pTable->numColumns();
    const int s = link.m_nStartRow;
    const int t = link.m_nStartCol;
    const int R = grid.GetRows();
    const int C = grid.GetCols();

    if (R < N - s)
        pTable->deleteRows(s + R, N - s - R);
    else if (R > N - s)
        pTable->insertRows(N - 1, pTable->rowHeight(N - 1), s + R - N);
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
