#include "engine/LinkLayoutFit.h"

#include "types/TableLink.h"

namespace {

bool sameColumns(const CStringArray& a, const CStringArray& b) {
    if (a.GetSize() != b.GetSize()) return false;
    for (INT_PTR i = 0; i < a.GetSize(); ++i)
        if (a[i].CompareNoCase(b[i]) != 0) return false;
    return true;
}

}  // namespace

CString FitLayoutToColumns(CTableLink& link, const CStringArray* pOldColumns, const CStringArray& newColumns) {
    const INT_PTR columns = newColumns.GetSize();
    const bool bHeadings = link.m_arrHeadings.GetSize() > 0 &&
                           (link.m_arrHeadings.GetSize() != columns || (pOldColumns && !sameColumns(*pOldColumns, newColumns)));
    const bool bWidths = link.m_arrWidths.GetSize() > 0 && link.m_arrWidths.GetSize() != columns;
    if (bHeadings) link.m_arrHeadings.RemoveAll();
    if (bWidths) link.m_arrWidths.RemoveAll();
    if (!bHeadings && !bWidths) return CString();
    CString what = bHeadings && bWidths ? L"custom column headings and widths" : bHeadings ? L"custom column headings" : L"custom column widths";
    CString note;
    note.Format(L"\nThe new source has other columns: the table's %s were cleared.", what.GetString());
    return note;
}
