#pragma once
// CQueryDialog: a named SQL query against one open database, with its tables, views and
// their fields at hand for insertion at the caret.
#include "mfcui/Controls.h"
#include "catalogue/MyDatabase.h"

class CQueryDialog : public CDialog {
public:
    explicit CQueryDialog(CMyDatabase* pDatabase, CWnd* pParent = nullptr);

    CMyDatabase* m_pDatabase;  // not owned
    CListBox m_lbTables;
    CListBox m_lbFields;
    CEdit m_editSQL;
    CString m_strName;
    CString m_strSQL;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DeclareMessageMap() override;
    void OnSelChangeTables();
    void OnAddTable();
    void OnAddField();
};
