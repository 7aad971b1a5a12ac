#include "ui/LiveUpdateDlg.h"

#include "mfcui/DialogSession.h"
#include "ui/Resource.h"

CLiveUpdateDlg::CLiveUpdateDlg(CWnd* pParent) : CDialog(IDD_LIVEUPDATEDLG, pParent), m_check(*this) {}

void CLiveUpdateDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LIVEUPDATE_LINK, m_link);
}

void CLiveUpdateDlg::DeclareMessageMap() {
    ON_BN_CLICKED(IDC_LIVEUPDATE_CHECK, &CLiveUpdateDlg::OnCheckUp);
    ON_BN_CLICKED(IDC_LIVEUPDATE_LINK, &CLiveUpdateDlg::OnLinkClicked);
}

BOOL CLiveUpdateDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // The link takes the place of the static text that names the download page.
    if (CWnd* pPlace = GetDlgItem(IDC_LIVEUPDATE_DOWNLOAD)) {
        RECT place;
        RECT link;
        pPlace->GetWindowRect(&place);
        m_link.GetWindowRect(&link);
        place.bottom = place.top + (link.bottom - link.top);
        pPlace->ShowWindow(SW_HIDE);
        m_link.MoveWindow(place);
    }
    m_link.SetWindowText(CLiveUpdateCheck::GetDownloadPage());
    m_link.SetURL(CLiveUpdateCheck::GetDownloadPage());
    m_link.SizeToContent();
    m_check.OnInitDialog();
    return TRUE;
}

void CLiveUpdateDlg::OnCheckUp() { m_check.OnCheckUp(); }

void CLiveUpdateDlg::OnLinkClicked() { m_check.OnLinkClicked(); }

void CLiveUpdateDlg::SetControlText(int nId, const CString& strText) {
    if (CWnd* pWnd = GetDlgItem(nId)) pWnd->SetWindowText(strText);
    // The check blocks while it waits for the server: show its progress now.
    platform::ui::ProcessEvents();
}

void CLiveUpdateDlg::EnableControl(int nId, BOOL bEnable) {
    if (CWnd* pWnd = GetDlgItem(nId)) pWnd->EnableWindow(bEnable);
}

void CLiveUpdateDlg::ShowControl(int nId, BOOL bShow) {
    if (CWnd* pWnd = GetDlgItem(nId)) pWnd->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
}
