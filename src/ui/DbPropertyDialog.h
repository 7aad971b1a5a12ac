#pragma once
// CDbPropertyDialog: shows and edits the data-source link of one linked table. The caller
// reads driver name, database, table name, SQL, user, password and "Update Table" after OK.
#include "mfcui/Controls.h"

class CDbPropertyDialog : public CDialog {
public:
    CDbPropertyDialog(const CString& strDriver, const CString& strDatabase, const CString& strTable, const CString& strSQL,
                      const CString& strUser, const CString& strPassword, CWnd* pParent = nullptr);

    CComboBox m_cbConnectString;
    CString m_strDatabase;
    CString m_strUser;
    CString m_strPassword;
    CComboBox m_cbTable;
    CString m_strSQL;
    CString m_strTable;
    CString m_strDriver;
    int m_bUpdateTable = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DeclareMessageMap() override;
    void OnBrowse();
};
