#pragma once
// CConnectDialog: which database to open and how (driver, file, relative path, user and
// password). The caller reads the members after OK.
#include "mfcui/Controls.h"

class CConnectDialog : public CDialog {
public:
    explicit CConnectDialog(CWnd* pParent = nullptr);

    CString m_strConnectString;  // the chosen driver name, set on OK
    CComboBox m_cbConnectString;
    CString m_strDatabase;
    CString m_strUser;
    CString m_strPassword;
    int m_bRelativePath = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DeclareMessageMap() override;
    void OnBrowse();
    void OnRelativePath();
};
