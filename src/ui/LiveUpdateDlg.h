#pragma once
// CLiveUpdateDlg: the "Check for Update" dialog. "Check up" runs the update check
// (CLiveUpdateCheck), which writes its progress and result to the status line; a newer version
// shows a link to the download page.
#include "mfcui/Controls.h"
#include "mfcui/LinkCtrl.h"
#include "ui/LiveUpdateCheck.h"

class CLiveUpdateDlg : public CDialog, private CLiveUpdateControls {
public:
    explicit CLiveUpdateDlg(CWnd* pParent = nullptr);

    // The check this dialog runs (tests shorten its time limits).
    CLiveUpdateCheck& GetCheck() { return m_check; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void DeclareMessageMap() override;
    void OnCheckUp();
    void OnLinkClicked();

private:
    void SetControlText(int nId, const CString& strText) override;
    void EnableControl(int nId, BOOL bEnable) override;
    void ShowControl(int nId, BOOL bShow) override;

    CMFCLinkCtrl m_link;
    CLiveUpdateCheck m_check;
};
