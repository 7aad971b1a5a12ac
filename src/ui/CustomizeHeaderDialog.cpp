#include "ui/CustomizeHeaderDialog.h"

#include <cerrno>
#include <cstring>
#include <fstream>

#include "win/HostPath.h"
#include "support/StringList.h"
#include "ui/Resource.h"

namespace {

constexpr const wchar_t* kListFilter = L"Text Files (*.txt)|*.txt|All Files (*.*)|*.*||";

// The framework's report of a file that could not be opened, read or written.
void ReportFileError(const CString& path, int error) {
    CString message;
    if (error == ENOENT) message.Format(L"%s was not found.", path.GetString());
    else if (error == EACCES || error == EPERM) message.Format(L"Access to %s was denied.", path.GetString());
    else message.Format(L"An unexpected error occurred while accessing %s.", path.GetString());
    AfxMessageBox(message, MB_OK | MB_ICONWARNING);
}

}  // namespace

CCustomizeHeaderDialog::CCustomizeHeaderDialog(CWnd* pParent) : CDialog(IDD_CUSTOMIZEHEADERDIALOG, pParent) {}

void CCustomizeHeaderDialog::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_HEADER_GRID, m_listCtrl);
    DDX_Text(pDX, IDC_HEADER_HINT, m_strHint);
}

void CCustomizeHeaderDialog::DeclareMessageMap() {
    ON_BN_CLICKED(IDC_LOAD_FROM_FILE, &CCustomizeHeaderDialog::OnLoadFromFile);
    ON_BN_CLICKED(IDC_SAVE_TO_FILE, &CCustomizeHeaderDialog::OnSaveToFile);
}

BOOL CCustomizeHeaderDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    for (INT_PTR i = 0; i < m_arrTitles.GetSize(); ++i) m_listCtrl.InsertColumn(static_cast<int>(i), m_arrTitles[i], LVCFMT_LEFT, 80);
    m_listCtrl.SetExtendedStyle(m_listCtrl.GetExtendedStyle() | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    m_listCtrl.m_edit.m_bFormula = 0;
    m_listCtrl.InsertItem(0, L"");
    if (m_nMode == 1) {
        SetWindowText(L"Customize Column Width");
        m_strHint = L"Double click on the first row to modify the column width.";
    } else {
        SetWindowText(L"Customize Column Heading");
        m_strHint = L"Double click on the first row to modify the column heading.";
    }
    UpdateData(FALSE);
    return TRUE;
}

void CCustomizeHeaderDialog::OnOK() {
    const int columns = m_listCtrl.GetHeaderCtrl()->GetItemCount();
    for (int i = 0; i < columns; ++i) m_arrValues.Add(m_listCtrl.GetItemText(0, i));
    EndDialog(IDOK);
}

bool CCustomizeHeaderDialog::ReadListLine(const CString& path, CString& line) {
    line.Empty();
    std::ifstream file(platform::ToHostPath(path.str()), std::ios::binary);
    if (!file) return false;
    std::string raw;
    while (std::getline(file, raw)) {
        CString text = CString::FromUtf8(raw);
        text.Trim();
        if (!text.IsEmpty()) {
            line = text;
            break;
        }
    }
    return !file.bad();
}

bool CCustomizeHeaderDialog::WriteListLine(const CString& path, const CString& line) {
    std::ofstream file(platform::ToHostPath(path.str()), std::ios::binary | std::ios::trunc);
    if (!file) return false;
    const std::string utf8 = line.ToUtf8();
    file.write(utf8.data(), static_cast<std::streamsize>(utf8.size()));
    file.close();
    return !file.fail();
}

void CCustomizeHeaderDialog::OnLoadFromFile() {
    CFileDialog dlg(TRUE, L"txt", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kListFilter, this);
    if (dlg.DoModal() != IDOK) return;
    const CString path = dlg.GetPathName();
    CString line;
    errno = 0;
    if (!ReadListLine(path, line)) {
        ReportFileError(path, errno);
        if (line.IsEmpty()) return;
    }
    // Runs of commas count as one separator; values keep their spaces.
    CTokenizer tokenizer(line, L",");
    const int columns = m_listCtrl.GetHeaderCtrl()->GetItemCount();
    CString value;
    for (int k = 0; tokenizer.Next(value) && k < columns; ++k) m_listCtrl.SetItemText(0, k, value);
}

void CCustomizeHeaderDialog::OnSaveToFile() {
    CString line;
    const int columns = m_listCtrl.GetHeaderCtrl()->GetItemCount();
    for (int i = 0; i < columns; ++i) line += m_listCtrl.GetItemText(0, i) + L",";
    line.TrimRight(L',');

    CFileDialog dlg(FALSE, L"txt", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kListFilter, this);
    if (dlg.DoModal() != IDOK) return;
    errno = 0;
    if (!WriteListLine(dlg.GetPathName(), line)) ReportFileError(dlg.GetPathName(), errno);
}
