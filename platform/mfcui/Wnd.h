#pragma once
// CWnd: a window of a dialog, wrapping one toolkit widget. A dialog's controls are attached
// to their wrappers by member exchange (DDX_Control) or created as children (Create).
#include <vector>

#include "mfcui/UiTypes.h"

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
    CWnd* SetFocus();
    void MoveWindow(const RECT& rect, BOOL bRepaint = TRUE);
    void GetClientRect(RECT* lpRect) const;
    void GetWindowRect(RECT* lpRect) const;  // in the parent's client coordinates
    void SetFont(const CFont* pFont, BOOL bRedraw = TRUE);
    const CFont* GetFont() const;
    DWORD GetStyle() const { return m_dwStyle; }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    int MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption = nullptr, UINT nType = 0);

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
