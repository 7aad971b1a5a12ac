#include "ui/QueryDialog.h"

#include "data/ADORecordset.h"
#include "ui/Resource.h"

CQueryDialog::CQueryDialog(CMyDatabase* pDatabase, CWnd* pParent) : CDialog(IDD_QUERYDIALOG, pParent), m_pDatabase(pDatabase) {}

void CQueryDialog::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LIST_TABLES, m_lbTables);
    DDX_Control(pDX, IDC_LIST_FIELDS, m_lbFields);
    DDX_Control(pDX, IDC_SQL, m_editSQL);
    DDX_Text(pDX, IDC_QUERY_NAME, m_strName);
}

void CQueryDialog::DeclareMessageMap() {
    ON_LBN_SELCHANGE(IDC_LIST_TABLES, &CQueryDialog::OnSelChangeTables);
    ON_BN_CLICKED(IDC_ADD_TABLE, &CQueryDialog::OnAddTable);
    ON_BN_CLICKED(IDC_ADD_FIELD, &CQueryDialog::OnAddField);
}

BOOL CQueryDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    if (m_pDatabase) {
        for (CMyDbTable* table : m_pDatabase->Tables()) {
            if (!table || (table->m_nKind != 0 && table->m_nKind != 1)) continue;
            const int index = m_lbTables.AddString(table->m_strName);
            m_lbTables.SetItemDataPtr(index, table);
        }
    }
    return TRUE;
}

void CQueryDialog::OnSelChangeTables() {
    const int selected = m_lbTables.GetCurSel();
    if (selected == LB_ERR) return;
    m_lbFields.ResetContent();
    auto* table = static_cast<CMyDbTable*>(m_lbTables.GetItemDataPtr(selected));
    if (!table || !table->m_pDatabase) return;

    const CString sql = table->m_pDatabase->TableQuery(table->m_strName);
    CADORecordset recordset(table->m_pDatabase->m_Database);
    if (!recordset.Open(sql)) return;
    for (int i = 0; i < recordset.GetFieldCount(); ++i) {
        CADOFieldInfo info{};
        if (recordset.GetFieldInfo(i, &info)) m_lbFields.AddString(info.m_strName);
    }
    recordset.Close();
}

void CQueryDialog::OnAddTable() {
    const int selected = m_lbTables.GetCurSel();
    if (selected == LB_ERR) return;
    CString name;
    m_lbTables.GetText(selected, name);
    m_editSQL.ReplaceSel(name, TRUE);
}

void CQueryDialog::OnAddField() {
    const int selected = m_lbFields.GetCurSel();
    if (selected == LB_ERR) return;
    CString name;
    m_lbFields.GetText(selected, name);
    m_editSQL.ReplaceSel(name, TRUE);
}

void CQueryDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    if (m_strName.IsEmpty()) {
        MessageBox(L"Please enter the query name.", L"Morvane Velloria", MB_OK | MB_ICONINFORMATION);
        return;
    }
    m_editSQL.GetWindowText(m_strSQL);
    EndDialog(IDOK);
}
