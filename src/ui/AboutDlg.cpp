#include "ui/AboutDlg.h"

#include "support/Version.h"
#include "ui/Resource.h"

CAboutDlg::CAboutDlg(CWnd* pParent) : CDialog(IDD_ABOUTBOX, pParent) {}

BOOL CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CString strVersion;
    strVersion.Format(L"Version %s", VELLORIA_VERSION);
    SetDlgItemText(IDC_ABOUT_VERSION, strVersion);
    return TRUE;
}
