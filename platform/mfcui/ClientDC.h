#pragma once
#include "mfcui/Wnd.h"

// Text measuring in a window's font.
class CClientDC {
public:
    explicit CClientDC(CWnd* pWnd);
    const CFont* SelectObject(const CFont* pFont);
    CSize GetTextExtent(const CString& text) const;

private:
    CFont m_font;
};
