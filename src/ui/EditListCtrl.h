#pragma once
// CEditListCtrl: a report-style list whose cells are edited in place by CLvEdit, a single-line
// edit box laid over the double-clicked cell, with its own clipboard context menu.
#include "mfcui/Controls.h"

class CLvEdit : public CEdit {
public:
    int m_nRow = -1;
    int m_nCol = -1;
    int m_bFormula = 1;  // offers "&Insert Formula..." in the context menu

    BOOL OnKeyDown(UINT nChar) override;
    void OnKillFocus(CWnd* pNewWnd) override;
    BOOL OnContextMenu(CWnd* pWnd, CPoint point) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnReflectedChange() override;

private:
    void StoreText();
};

class CEditListCtrl : public CListCtrl {
public:
    // Starts an edit of a cell (a double click on it).
    void EditSubItem(int nItem, int nSubItem);
    BOOL OnNotifyReflect(NMHDR* pNMHDR, LRESULT* pResult) override;

    CLvEdit m_edit;
};
