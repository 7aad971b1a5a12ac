#include "ui/EditListCtrl.h"

#include "ui/Resource.h"

namespace {

constexpr UINT ID_INSERT_FORMULA = 1025;

}  // namespace

BOOL CEditListCtrl::OnNotifyReflect(NMHDR* pNMHDR, LRESULT* pResult) {
    if (pNMHDR->code != NM_DBLCLK) return FALSE;
    const auto* activate = reinterpret_cast<NMITEMACTIVATE*>(pNMHDR);
    EditSubItem(activate->iItem, activate->iSubItem);
    return FALSE;  // the dialog may see the double click as well
}

void CEditListCtrl::EditSubItem(int nItem, int nSubItem) {
    if (nItem < 0) return;
    CRect rect;
    if (!GetSubItemRect(nItem, nSubItem, LVIR_LABEL, rect)) return;
    CRect client;
    GetClientRect(&client);
    if (rect.right > client.right) rect.right = client.right - GetSystemMetrics(SM_CXEDGE);

    if (!m_edit.GetSafeHwnd()) {
        m_edit.Create(WS_CHILD | WS_BORDER | ES_LEFT | ES_AUTOHSCROLL | ES_WANTRETURN, rect, this, IDC_LV_EDIT);
        m_edit.SetFont(GetFont());
    }
    m_edit.m_nRow = nItem;
    m_edit.m_nCol = nSubItem;
    m_edit.SetWindowText(GetItemText(nItem, nSubItem));
    m_edit.MoveWindow(rect);
    m_edit.ShowWindow(SW_SHOW);
    m_edit.SetFocus();
}

void CLvEdit::StoreText() {
    if (m_nRow < 0 || m_nCol < 0) return;
    auto* list = dynamic_cast<CListCtrl*>(GetParent());
    const int row = m_nRow, col = m_nCol;
    m_nRow = m_nCol = -1;
    if (list) list->SetItemText(row, col, GetWindowText());
}

BOOL CLvEdit::OnKeyDown(UINT nChar) {
    if (nChar == VK_RETURN) {
        StoreText();
        ShowWindow(SW_HIDE);
        return TRUE;
    }
    if (nChar == VK_ESCAPE) {
        // Forget the cell before hiding: hiding takes the focus away, which would store the text.
        m_nRow = m_nCol = -1;
        ShowWindow(SW_HIDE);
        return TRUE;
    }
    return FALSE;
}

void CLvEdit::OnKillFocus(CWnd* pNewWnd) {
    ShowWindow(SW_HIDE);
    StoreText();
}

void CLvEdit::OnReflectedChange() {
    // Widen the box to fit the text (plus one letter), within the list.
    CString text = GetWindowText();
    CClientDC dc(this);
    if (GetParent()) dc.SelectObject(GetParent()->GetFont());
    const CSize size = dc.GetTextExtent(text + L"W");
    CRect rect;
    GetWindowRect(&rect);
    CRect parent;
    if (GetParent()) GetParent()->GetClientRect(&parent);
    if (size.cx > rect.Width() && rect.left + size.cx <= parent.right) {
        rect.right = rect.left + size.cx;
        MoveWindow(rect);
    }
}

BOOL CLvEdit::OnContextMenu(CWnd* pWnd, CPoint point) {
    SetFocus();
    CMenu menu;
    menu.CreatePopupMenu();
    const BOOL bReadOnly = (GetStyle() & ES_READONLY) != 0;
    int nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    const bool bSelection = nStart < nEnd;

    menu.AppendMenu(MF_STRING | (CanUndo() && !bReadOnly ? 0 : MF_GRAYED), EM_UNDO, L"&Undo");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING | (bSelection ? 0 : MF_GRAYED), WM_COPY, L"&Copy");
    menu.AppendMenu(MF_STRING | (bSelection && !bReadOnly ? 0 : MF_GRAYED), WM_CUT, L"Cu&t");
    menu.AppendMenu(MF_STRING | (bSelection && !bReadOnly ? 0 : MF_GRAYED), WM_CLEAR, L"&Delete");
    menu.AppendMenu(MF_STRING | (IsClipboardFormatAvailable(CF_UNICODETEXT) && !bReadOnly ? 0 : MF_GRAYED), WM_PASTE, L"&Paste");
    if (m_bFormula) {
        menu.AppendMenu(MF_SEPARATOR);
        menu.AppendMenu(MF_STRING, ID_INSERT_FORMULA, L"&Insert Formula...");
    }
    menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, this);
    menu.DestroyMenu();
    return TRUE;
}

BOOL CLvEdit::OnCommand(WPARAM wParam, LPARAM lParam) {
    switch (wParam) {
    case EM_UNDO:
    case WM_CUT:
    case WM_COPY:
    case WM_PASTE:
    case WM_CLEAR:
        SendMessage(static_cast<UINT>(wParam));
        return TRUE;
    case ID_INSERT_FORMULA:
        return TRUE;
    default:
        return CEdit::OnCommand(wParam, lParam);
    }
}
