#pragma once
// CAboutDlg: the about box, with the product's name and the module's version.
#include "mfcui/Controls.h"

class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(CWnd* pParent = nullptr);

protected:
    BOOL OnInitDialog() override;
};
