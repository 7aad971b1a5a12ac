#pragma once
// CConnectDialog: which database to open and how: the driver (every row of the driver table,
// marked where its ODBC driver is installed), then what the row needs: a file (absolute or
// relative to the drawing), a server and a database, or a data source name; a user and a
// password. The caller reads the members after OK; for a server, m_strDatabase is the
// location HOST[:PORT]/DATABASE a link stores.
#include "mfcui/Controls.h"

struct CDriverRow;

class CConnectDialog : public CDialog {
public:
    explicit CConnectDialog(CWnd* pParent = nullptr);

    CString m_strConnectString;  // the chosen driver name, set on OK
    CComboBox m_cbConnectString;
    CString m_strServer;         // HOST[:PORT], for a server
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
    void OnDriverChanged();

private:
    // The row chosen in the combo; null when none is.
    const CDriverRow* SelectedRow() const;
    // Enables what the chosen row asks for and says whether it works here.
    void ShowRowNeeds();
    bool AcceptFile();
    bool AcceptServer(const CDriverRow& row);
    bool AcceptDataSource();
    void Accept();

    CStringArray m_arrNames;  // the driver names, in the combo's order
};
