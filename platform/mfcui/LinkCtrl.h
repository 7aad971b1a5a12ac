#pragma once
// CMFCLinkCtrl: a push button drawn as a web link (link colour, underlined, no frame, hand
// cursor). Its clicks reach the dialog as BN_CLICKED like any button's; the dialog opens the
// address (GetURL) with the shell.
#include "mfcui/Controls.h"

class CMFCLinkCtrl : public CButton {
public:
    // Call once the control is attached to its widget (after DDX_Control).
    void SetURL(LPCTSTR lpszURL);
    const CString& GetURL() const { return m_strURL; }
    // Makes the control as wide as its text needs, keeping its left edge and height.
    void SizeToContent();

private:
    CString m_strURL;
};
