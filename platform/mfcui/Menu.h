#pragma once
#include <vector>

#include "mfcui/Wnd.h"

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
