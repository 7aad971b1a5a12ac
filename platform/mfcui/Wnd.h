#pragma once
// CWnd: a window of a dialog, wrapping one toolkit widget. A dialog's controls are attached
// to their wrappers by member exchange (DDX_Control) or created as children (Create).
#include <vector>

#include "UiTypes.h"

class QWidget;
class CDialog;

// A font as a window uses it.
class CFont {
public:
    CString m_strFamily;
    int m_nPointSize = 0;
};

class CWnd : public CObject {
public:
    CWnd() = default;
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND GetSafeHwnd() const { return m_hWnd; }
    QWidget* GetWidget() const { return m_pWidget; }
    int GetDlgCtrlID() const { return m_nID; }
    CWnd* GetParent() const { return m_pParent; }
    CDialog* GetOwningDialog() const { return m_pDialog; }
    CWnd* GetDlgItem(int nID) const;

    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;
    void SetWindowText(LPCTSTR lpszString);
    void GetWindowText(CString& rString) const;
    CString GetWindowText() const;
    int GetWindowTextLength() const { return GetWindowText().GetLength(); }
    CWnd* SetFocus();
    BOOL HasFocus() const;
    void MoveWindow(const RECT& rect, BOOL bRepaint = TRUE);
    void GetClientRect(RECT* lpRect) const;
    void GetWindowRect(RECT* lpRect) const;  // in the parent's client coordinates
    void SetFont(const CFont* pFont, BOOL bRedraw = TRUE);
    const CFont* GetFont() const;
    DWORD GetStyle() const { return m_dwStyle; }
    BOOL DestroyWindow();
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    int MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption = nullptr, UINT nType = 0);

    // Creates this window as a child widget of pParent (kinds: see the derived classes).
    BOOL CreateChild(int kind, DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID);

    // Hooks the framework calls for events of this window's widget.
    // True when the key was handled here (it then goes no further).
    virtual BOOL OnKeyDown(UINT nChar) { return FALSE; }
    virtual void OnKillFocus(CWnd* pNewWnd) {}
    // True when the window showed a context menu of its own.
    virtual BOOL OnContextMenu(CWnd* pWnd, CPoint point) { return FALSE; }
    // A notification of this control, offered to it before its dialog; true when handled.
    virtual BOOL OnNotifyReflect(NMHDR* pNMHDR, LRESULT* pResult) { return FALSE; }
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam) { return FALSE; }
    // A notification of this control, reflected back to it before its dialog sees it.
    virtual void OnReflectedChange() {}
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) { return 0; }

    // Framework side.
    void AttachWidget(QWidget* widget, int nID, DWORD dwStyle, CWnd* pParent, CDialog* pDialog);
    void DetachWidget();
    HWND m_hWnd = nullptr;

protected:
    QWidget* m_pWidget = nullptr;
    int m_nID = 0;
    DWORD m_dwStyle = 0;
    CWnd* m_pParent = nullptr;
    CDialog* m_pDialog = nullptr;
    mutable CFont m_font;
    class CWndEventBridge* m_pBridge = nullptr;
};

// Text measuring in a window's font.
class CClientDC {
public:
    explicit CClientDC(CWnd* pWnd);
    const CFont* SelectObject(const CFont* pFont);
    CSize GetTextExtent(const CString& text) const;

private:
    CFont m_font;
};

// A pop-up menu. Commands chosen reach the owner window's OnCommand.
constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_DISABLED = 0x0002;
constexpr UINT MF_SEPARATOR = 0x0800;
constexpr UINT MF_BYPOSITION = 0x0400;
constexpr UINT TPM_LEFTALIGN = 0x0000;
constexpr UINT TPM_RIGHTBUTTON = 0x0002;

class CMenu {
public:
    CMenu() = default;
    ~CMenu() { DestroyMenu(); }
    BOOL CreatePopupMenu();
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr);
    BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd);
    BOOL DestroyMenu();
    int GetMenuItemCount() const { return static_cast<int>(m_items.size()); }
    UINT GetMenuState(UINT nID, UINT nFlags) const;
    CString GetMenuString(UINT nIDItem, UINT nFlags) const;

    struct Item {
        UINT flags;
        UINT_PTR id;
        CString text;
    };
    const std::vector<Item>& Items() const { return m_items; }

private:
    bool m_bCreated = false;
    std::vector<Item> m_items;
};
