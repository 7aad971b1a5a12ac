#pragma once
// The common controls of dialogs: buttons, edits, combo boxes, list boxes, the tree view,
// the report-style list view and the image list.
#include "mfcui/ClientDC.h"
#include "mfcui/CommonDialogs.h"
#include "mfcui/Menu.h"
#include "mfcui/Dialog.h"

class CButton : public CWnd {
public:
    int GetCheck() const;
};

class CStatic : public CWnd {};

class CEdit : public CWnd {
public:
    // Creates a child edit box of pParentWnd (hidden unless WS_VISIBLE is given).
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // Replaces the selection (inserts at the caret), as one undoable edit when bCanUndo.
    void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE);
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
    void GetSel(int& nStartChar, int& nEndChar) const;
    BOOL CanUndo() const;
    BOOL Undo();
    void Cut();
    void Copy();
    void Paste();
    void Clear();
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class CComboBox : public CWnd {
public:
    int AddString(LPCTSTR lpszString);  // in sorted position for a sorted combo
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int nSelect);  // -1 clears the selection
    int SelectString(int nStartAfter, LPCTSTR lpszString);  // first entry beginning with it, any case
    int FindString(int nStartAfter, LPCTSTR lpszString) const;
    int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const;
    void ResetContent();
};

class CListBox : public CWnd {
public:
    int AddString(LPCTSTR lpszItem);
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int nSelect);
    void GetText(int nIndex, CString& rString) const;
    int SetItemDataPtr(int nIndex, void* pData);
    void* GetItemDataPtr(int nIndex) const;
    int SetItemData(int nIndex, DWORD_PTR dwItemData);
    DWORD_PTR GetItemData(int nIndex) const;
    int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const;
    void ResetContent();
};

// The image list: icons of one size, added in order; an image is named by its position.
constexpr UINT ILC_MASK = 0x0001;
constexpr UINT ILC_COLOR24 = 0x0018;

class CImageList {
public:
    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    int Add(HICON hIcon);
    int GetImageCount() const { return static_cast<int>(m_icons.size()); }
    HICON GetIcon(int nImage) const { return nImage >= 0 && nImage < GetImageCount() ? m_icons[nImage] : nullptr; }
    int Width() const { return m_cx; }

private:
    int m_cx = 16, m_cy = 16;
    std::vector<HICON> m_icons;
};

#define TVI_ROOT (reinterpret_cast<HTREEITEM>(static_cast<INT_PTR>(-0x10000)))
#define TVI_FIRST (reinterpret_cast<HTREEITEM>(static_cast<INT_PTR>(-0x0FFFF)))
#define TVI_LAST (reinterpret_cast<HTREEITEM>(static_cast<INT_PTR>(-0x0FFFE)))
constexpr UINT TVE_COLLAPSE = 0x0001;
constexpr UINT TVE_EXPAND = 0x0002;
constexpr int TVSIL_NORMAL = 0;

class CTreeCtrl : public CWnd {
public:
    CImageList* SetImageList(CImageList* pImageList, int nImageListType);
    HTREEITEM InsertItem(LPCTSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent = TVI_ROOT, HTREEITEM hInsertAfter = TVI_LAST);
    HTREEITEM InsertItem(LPCTSTR lpszItem, HTREEITEM hParent = TVI_ROOT, HTREEITEM hInsertAfter = TVI_LAST);
    BOOL DeleteItem(HTREEITEM hItem);
    BOOL DeleteAllItems();
    BOOL SetItemData(HTREEITEM hItem, DWORD_PTR dwData);
    DWORD_PTR GetItemData(HTREEITEM hItem) const;
    CString GetItemText(HTREEITEM hItem) const;
    BOOL Expand(HTREEITEM hItem, UINT nCode);
    BOOL IsExpanded(HTREEITEM hItem) const;
    HTREEITEM GetRootItem() const;
    HTREEITEM GetNextSiblingItem(HTREEITEM hItem) const;
    HTREEITEM GetChildItem(HTREEITEM hItem) const;
    HTREEITEM GetParentItem(HTREEITEM hItem) const;
    BOOL ItemHasChildren(HTREEITEM hItem) const;
    HTREEITEM GetSelectedItem() const;
    BOOL SelectItem(HTREEITEM hItem);
    UINT GetCount() const;

private:
    CImageList* m_pImageList = nullptr;
};

// Columns and headers of the list view.
constexpr UINT LVCF_FMT = 0x0001;
constexpr UINT LVCF_WIDTH = 0x0002;
constexpr UINT LVCF_TEXT = 0x0004;
constexpr int LVCFMT_LEFT = 0x0000;
constexpr UINT HDI_TEXT = 0x0002;
constexpr int LVIR_BOUNDS = 0;
constexpr int LVIR_LABEL = 2;

struct LVCOLUMNW {
    UINT mask = 0;
    int fmt = LVCFMT_LEFT;
    int cx = 0;
    LPWSTR pszText = nullptr;
    int cchTextMax = 0;
};
using LVCOLUMN = LVCOLUMNW;
struct HDITEMW {
    UINT mask = 0;
    LPWSTR pszText = nullptr;
    int cchTextMax = 0;
};
using HDITEM = HDITEMW;

class CListCtrl;

class CHeaderCtrl {
public:
    explicit CHeaderCtrl(CListCtrl* pList) : m_pList(pList) {}
    int GetItemCount() const;
    BOOL GetItem(int nPos, HDITEM* pHeaderItem) const;
    BOOL SetItem(int nPos, HDITEM* pHeaderItem);

private:
    CListCtrl* m_pList;
};

class CListCtrl : public CWnd {
public:
    CListCtrl() : m_header(this) {}
    DWORD SetExtendedStyle(DWORD dwNewStyle);
    DWORD GetExtendedStyle() const { return m_dwExStyle; }
    int InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1, int nSubItem = -1);
    BOOL DeleteColumn(int nCol);
    BOOL SetColumn(int nCol, const LVCOLUMN* pColumn);
    BOOL GetColumn(int nCol, LVCOLUMN* pColumn) const;
    CHeaderCtrl* GetHeaderCtrl() { return &m_header; }
    int InsertItem(int nItem, LPCTSTR lpszItem);
    BOOL SetItemText(int nItem, int nSubItem, LPCTSTR lpszText);
    CString GetItemText(int nItem, int nSubItem) const;
    int GetItemCount() const;
    BOOL DeleteAllItems();
    BOOL DeleteItem(int nItem);
    // Cell rectangle in the list's client coordinates (the header above the rows included).
    BOOL GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref) const;
    int GetColumnCount() const;

private:
    DWORD m_dwExStyle = 0;
    CHeaderCtrl m_header;
};
