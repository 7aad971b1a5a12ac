#include "ui/ConnectDialog.h"

#include "win/ShellPath.h"
#include "catalogue/ConnectStringTable.h"
#include "catalogue/Location.h"
#include "support/Registry.h"
#include "ui/Resource.h"

namespace {

constexpr const wchar_t* kDatabaseFilter = L"Microsoft Office Access(*.mdb;*.accdb)|*.mdb;*.accdb|All Files(*.*)|*.*||";

}  // namespace

CConnectDialog::CConnectDialog(CWnd* pParent) : CDialog(IDD_CONNECTDIALOG, pParent) {}

void CConnectDialog::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CONNECT_STRING, m_cbConnectString);
    DDX_Text(pDX, IDC_DATABASE, m_strDatabase);
    DDX_Text(pDX, IDC_USER, m_strUser);
    DDX_Text(pDX, IDC_PASSWORD, m_strPassword);
    DDX_Check(pDX, IDC_CHECK_130, m_bRelativePath);
}

void CConnectDialog::DeclareMessageMap() {
    ON_BN_CLICKED(IDC_BROWSE, &CConnectDialog::OnBrowse);
    ON_BN_CLICKED(IDC_CHECK_130, &CConnectDialog::OnRelativePath);
}

BOOL CConnectDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    CStringArray names;
    GetDriverNames(names);
    for (const CString& name : names) m_cbConnectString.AddString(name);
    m_cbConnectString.SetCurSel(CRegistry::GetProfileInt(L"Velloria", L"Connect String Index", 0));
    m_bRelativePath = CRegistry::GetProfileInt(L"Velloria", L"Relative Path", 0);
    if (GetCurrentDrawingPath().IsEmpty()) m_bRelativePath = 0;
    UpdateData(FALSE);
    return TRUE;
}

void CConnectDialog::OnBrowse() {
    UpdateData(TRUE);
    CFileDialog dlg(TRUE, L"mdb", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kDatabaseFilter, this);
    if (dlg.DoModal() != IDOK) return;
    m_strDatabase = dlg.GetPathName();
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
    const CString resolved = ResolveRelativePath(GetCurrentDrawingPath(), m_strDatabase);
    if (PathFileExistsW(resolved)) {
        m_cbConnectString.GetWindowText(m_strConnectString);
        CRegistry::WriteProfileInt(L"Velloria", L"Connect String Index", m_cbConnectString.GetCurSel());
        CRegistry::WriteProfileInt(L"Velloria", L"Relative Path", m_bRelativePath);
        EndDialog(IDOK);
        return;
    }
    CString message;
    message.Format(L"Failed to find %s", m_strDatabase.GetString());
    MessageBox(message);
}
