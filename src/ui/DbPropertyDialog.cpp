#include "ui/DbPropertyDialog.h"

#include "win/ShellPath.h"
#include "catalogue/ConnectStringTable.h"
#include "catalogue/DatabasePtrArray.h"
#include "catalogue/Location.h"
#include "provider/SourceName.h"
#include "ui/Resource.h"

namespace {

constexpr const wchar_t* kCaption = L"Velloria";

}  // namespace

CDbPropertyDialog::CDbPropertyDialog(const CString& strDriver, const CString& strDatabase, const CString& strTable, const CString& strSQL,
                                     const CString& strUser, const CString& strPassword, CWnd* pParent)
    : CDialog(IDD_DBPROPERTYDIALOG, pParent),
      m_strDatabase(strDatabase),
      m_strUser(strUser),
      m_strPassword(strPassword),
      m_strSQL(strSQL),
      m_strTable(strTable),
      m_strDriver(strDriver) {}

void CDbPropertyDialog::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CONNECT_STRING, m_cbConnectString);
    DDX_Text(pDX, IDC_DATABASE, m_strDatabase);
    DDX_Text(pDX, IDC_USER, m_strUser);
    DDX_Text(pDX, IDC_PASSWORD, m_strPassword);
    DDX_Control(pDX, IDC_TABLE_NAME, m_cbTable);
    DDX_Text(pDX, IDC_SQL, m_strSQL);
    DDX_Check(pDX, IDC_CHECK_130, m_bUpdateTable);
}

void CDbPropertyDialog::DeclareMessageMap() { ON_BN_CLICKED(IDC_BROWSE, &CDbPropertyDialog::OnBrowse); }

BOOL CDbPropertyDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    CStringArray drivers;
    GetDriverNames(drivers);
    for (const CString& name : drivers) m_cbConnectString.AddString(GetDriverLabel(*FindDriverRow(name)));
    m_cbConnectString.SetCurSel(0);
    m_cbConnectString.SelectString(-1, m_strDriver);

    CStringArray tables;
    GetOpenDatabases().GetTableNames(m_strDatabase, tables);
    for (const CString& name : tables) m_cbTable.AddString(name);
    m_cbTable.SetWindowText(m_strTable);
    return TRUE;
}

void CDbPropertyDialog::OnBrowse() {
    UpdateData(TRUE);
    CString label;
    m_cbConnectString.GetWindowText(label);
    const CDriverRow* row = FindDriverRow(DriverNameOfLabel(label));
    CFileDialog dlg(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, GetBrowseFilter(row), this);
    if (dlg.DoModal() != IDOK) return;
    m_strDatabase = LocationOfChosenFile(row, dlg.GetPathName());
    UpdateData(FALSE);
}

void CDbPropertyDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    CString label;
    m_cbConnectString.GetWindowText(label);
    m_strDriver = DriverNameOfLabel(label);
    m_cbTable.GetWindowText(m_strTable);

    if (m_strDatabase.IsEmpty()) {
        MessageBox(L"You must specify a database.", kCaption, MB_OK | MB_ICONINFORMATION);
        return;
    }
    // A server is HOST[:PORT]/DATABASE and a data source a name: neither is looked for on disk.
    const CLocationKind kind = GetLocationKind(m_strDriver);
    if (kind == CLocationKind::Server && !platform::provider::ParseServerLocation(m_strDatabase.str())) {
        MessageBox(L"The database of " + m_strDriver + L" is a server: HOST[:PORT]/DATABASE.", kCaption, MB_OK | MB_ICONINFORMATION);
        return;
    }
    CString resolved = m_strDatabase;
    if (kind == CLocationKind::File && PathIsRelativeW(m_strDatabase)) {
        const CString drawing = GetCurrentDrawingPath();
        if (drawing.IsEmpty()) {
            MessageBox(L"Current drawing must be saved before importing a database with a relative path.", kCaption, MB_OK | MB_ICONINFORMATION);
            return;
        }
        resolved = ResolveRelativePath(drawing, m_strDatabase);
    }
    if (kind == CLocationKind::File && !PathFileExistsW(resolved)) {
        MessageBox(L"Cannot find the specified database. Please verify that the database exists.", kCaption, MB_OK | MB_ICONINFORMATION);
        return;
    }
    if (m_strTable.IsEmpty() && m_strSQL.IsEmpty()) {
        MessageBox(L"You must specify a table or enter a SQL statement.", kCaption, MB_OK | MB_ICONINFORMATION);
        return;
    }
    EndDialog(IDOK);
}
