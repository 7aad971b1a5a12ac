#include "ui/ConnectDialog.h"

#include "win/ShellPath.h"
#include "catalogue/ConnectStringTable.h"
#include "catalogue/Location.h"
#include "odbc/OdbcApi.h"
#include "provider/SourceName.h"
#include "support/Registry.h"
#include "ui/Resource.h"

CConnectDialog::CConnectDialog(CWnd* pParent) : CDialog(IDD_CONNECTDIALOG, pParent) {}

void CConnectDialog::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CONNECT_STRING, m_cbConnectString);
    DDX_Text(pDX, IDC_SERVER, m_strServer);
    DDX_Text(pDX, IDC_DATABASE, m_strDatabase);
    DDX_Text(pDX, IDC_USER, m_strUser);
    DDX_Text(pDX, IDC_PASSWORD, m_strPassword);
    DDX_Check(pDX, IDC_CHECK_130, m_bRelativePath);
}

void CConnectDialog::DeclareMessageMap() {
    ON_BN_CLICKED(IDC_BROWSE, &CConnectDialog::OnBrowse);
    ON_BN_CLICKED(IDC_CHECK_130, &CConnectDialog::OnRelativePath);
    ON_CBN_SELCHANGE(IDC_CONNECT_STRING, &CConnectDialog::OnDriverChanged);
}

BOOL CConnectDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    m_arrNames.RemoveAll();
    GetDriverNames(m_arrNames);
    for (const CString& name : m_arrNames) m_cbConnectString.AddString(GetDriverLabel(*FindDriverRow(name)));
    m_cbConnectString.SetCurSel(CRegistry::GetProfileInt(L"Velloria", L"Connect String Index", 0));
    m_bRelativePath = CRegistry::GetProfileInt(L"Velloria", L"Relative Path", 0);
    if (GetCurrentDrawingPath().IsEmpty()) m_bRelativePath = 0;
    UpdateData(FALSE);
    ShowRowNeeds();
    return TRUE;
}

const CDriverRow* CConnectDialog::SelectedRow() const {
    const int selected = m_cbConnectString.GetCurSel();
    return selected >= 0 && selected < m_arrNames.GetSize() ? FindDriverRow(m_arrNames[selected]) : nullptr;
}

void CConnectDialog::ShowRowNeeds() {
    const CDriverRow* row = SelectedRow();
    const bool file = !row || row->m_kind == CLocationKind::File;
    GetDlgItem(IDC_SERVER)->EnableWindow(row && row->m_kind == CLocationKind::Server);
    GetDlgItem(IDC_BROWSE)->EnableWindow(file);
    GetDlgItem(IDC_CHECK_130)->EnableWindow(file);
    GetDlgItem(IDC_USER)->EnableWindow(!row || row->m_bAccessEngine || row->m_kind != CLocationKind::File);
    GetDlgItem(IDC_PASSWORD)->EnableWindow(!row || row->m_bAccessEngine || row->m_kind != CLocationKind::File);
    CString state;
    if (row) {
        state = row->m_kind == CLocationKind::Server ? L"Server HOST[:PORT] and database name; "
                : row->m_kind == CLocationKind::DataSource ? L"Database: the data source name; "
                                                           : L"";
        state += GetDriverStatus(*row);
    }
    SetDlgItemText(IDC_DRIVER_STATE, state);
}

void CConnectDialog::OnDriverChanged() {
    UpdateData(TRUE);
    // A relative path means nothing to a server or a data source.
    const CDriverRow* row = SelectedRow();
    if (row && row->m_kind != CLocationKind::File && m_bRelativePath) {
        m_bRelativePath = 0;
        UpdateData(FALSE);
    }
    ShowRowNeeds();
}

void CConnectDialog::OnBrowse() {
    UpdateData(TRUE);
    const CDriverRow* row = SelectedRow();
    CFileDialog dlg(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, GetBrowseFilter(row), this);
    if (dlg.DoModal() != IDOK) return;
    m_strDatabase = LocationOfChosenFile(row, dlg.GetPathName());
    if (m_bRelativePath) m_strDatabase = MakeRelativePath(GetCurrentDrawingPath(), m_strDatabase);
    UpdateData(FALSE);
}

void CConnectDialog::OnRelativePath() {
    const CString drawing = GetCurrentDrawingPath();
    if (drawing.IsEmpty()) {
        MessageBox(L"Current drawing must be saved before importing a database with a relative path.");
        // Only the box goes back; what the user typed in the other fields stays.
        m_bRelativePath = 0;
        CheckDlgButton(IDC_CHECK_130, BST_UNCHECKED);
        return;
    }
    UpdateData(TRUE);
    if (m_bRelativePath) m_strDatabase = MakeRelativePath(drawing, m_strDatabase);
    else m_strDatabase = ResolveRelativePath(drawing, m_strDatabase);
    UpdateData(FALSE);
}

void CConnectDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    const CDriverRow* row = SelectedRow();
    const bool accepted = !row || row->m_kind == CLocationKind::File ? AcceptFile()
                          : row->m_kind == CLocationKind::Server     ? AcceptServer(*row)
                                                                     : AcceptDataSource();
    if (accepted) Accept();
}

bool CConnectDialog::AcceptFile() {
    const CString resolved = ResolveRelativePath(GetCurrentDrawingPath(), m_strDatabase);
    if (PathFileExistsW(resolved)) return true;
    CString message;
    message.Format(L"Failed to find %s", m_strDatabase.GetString());
    MessageBox(message);
    return false;
}

bool CConnectDialog::AcceptServer(const CDriverRow& row) {
    CString server = m_strServer, database = m_strDatabase;
    server.Trim();
    database.Trim();
    if (server.IsEmpty() || database.IsEmpty()) {
        MessageBox(L"A server and a database are needed for " + CString(row.m_szName) + L".");
        return false;
    }
    const auto location = platform::provider::ParseServerLocation((server + L"/" + database).str());
    if (!location) {
        MessageBox(L"The server " + server + L" is not HOST or HOST:PORT.");
        return false;
    }
    m_strDatabase = platform::provider::FormatServerLocation(*location).c_str();
    return true;
}

bool CConnectDialog::AcceptDataSource() {
    for (const auto& source : platform::odbc::DataSources())
        if (m_strDatabase.CompareNoCase(source.name.c_str()) == 0) return true;
    CString message;
    message.Format(L"Failed to find %s", m_strDatabase.GetString());
    MessageBox(message);
    return false;
}

void CConnectDialog::Accept() {
    CString label;
    m_cbConnectString.GetWindowText(label);
    m_strConnectString = DriverNameOfLabel(label);
    CRegistry::WriteProfileInt(L"Velloria", L"Connect String Index", m_cbConnectString.GetCurSel());
    CRegistry::WriteProfileInt(L"Velloria", L"Relative Path", m_bRelativePath);
    EndDialog(IDOK);
}
