#include "ui/DbDialog.h"

#include <cwchar>

#include "db/DrawingDatabase.h"
#include "editor/Print.h"
#include "ArxUtils/ArxUtils.h"
#include "catalogue/DatabasePtrArray.h"
#include "catalogue/TrustedSources.h"
#include "data/ADORecordset.h"
#include "data/QueryLimits.h"
#include "engine/TableBuilder.h"
#include "engine/TableSize.h"
#include "types/TableLink.h"
#include "engine/TableLinkIO.h"
#include "support/Registry.h"
#include "ui/ConnectDialog.h"
#include "ui/CustomizeHeaderDialog.h"
#include "ui/QueryDialog.h"
#include "ui/Resource.h"

namespace {

constexpr const wchar_t* kCaption = L"Morvane Velloria";
constexpr int kSchemaTables = 20;  // adSchemaTables
constexpr int kMaxHeaderText = 1023;

}  // namespace

CDbDialog::CDbDialog(CWnd* pParent) : CAcUiDialog(IDD_DBDIALOG, pParent) {}

void CDbDialog::DoDataExchange(CDataExchange* pDX) {
    CAcUiDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TREE_DATASOURCE, m_tree);
    DDX_Control(pDX, IDC_LIST_DATA, m_listData);
    DDX_Control(pDX, IDC_TABLE_STYLE, m_cbTableStyle);
    DDX_CBString(pDX, IDC_TABLE_STYLE, m_strTableStyle);
    DDX_Check(pDX, IDC_INCLUDE_HEADER, m_bIncludeHeader);
    DDX_Check(pDX, IDC_CHECK_130, m_bInsertIntoExisting);
}

void CDbDialog::DeclareMessageMap() {
    ON_NOTIFY(TVN_SELCHANGED, IDC_TREE_DATASOURCE, &CDbDialog::OnSelChangedTree);
    ON_BN_CLICKED(IDC_OPEN_DATABASE, &CDbDialog::OnOpenDatabase);
    ON_BN_CLICKED(IDC_CLOSE_DATABASE, &CDbDialog::OnCloseDatabase);
    ON_BN_CLICKED(IDC_NEW_QUERY, &CDbDialog::OnNewQuery);
    ON_BN_CLICKED(IDC_CUSTOMIZE_WIDTH, &CDbDialog::OnCustomizeWidth);
    ON_BN_CLICKED(IDC_CUSTOMIZE_HEADING, &CDbDialog::OnCustomizeHeading);
    ON_BN_CLICKED(IDC_CHECK_130, &CDbDialog::OnInsertIntoExisting);
    ON_BN_CLICKED(IDC_CREATE_TABLE, &CDbDialog::OnCreateTable);
}

BOOL CDbDialog::OnInitDialog() {
    CAcUiDialog::OnInitDialog();
    m_listData.SetExtendedStyle(m_listData.GetExtendedStyle() | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    m_imageList.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 3);
    m_imageList.Add(LoadIconW(AfxGetResourceHandle(), IDI_DATABASE));
    m_imageList.Add(LoadIconW(AfxGetResourceHandle(), IDI_TABLE));
    m_imageList.Add(LoadIconW(AfxGetResourceHandle(), IDI_VIEW));
    m_tree.SetImageList(&m_imageList, TVSIL_NORMAL);

    GetDlgItem(IDC_CLOSE_DATABASE)->EnableWindow(FALSE);
    GetDlgItem(IDC_NEW_QUERY)->EnableWindow(FALSE);
    GetDlgItem(IDC_CUSTOMIZE_HEADING)->EnableWindow(FALSE);
    GetDlgItem(IDC_CUSTOMIZE_WIDTH)->EnableWindow(FALSE);

    CDatabasePtrArray& databases = GetOpenDatabases();
    for (INT_PTR i = 0; i < databases.GetSize(); ++i) {
        if (databases[i]) ShowDatabase(databases[i]);
    }
    if (HTREEITEM hFirst = m_tree.GetRootItem()) m_tree.Expand(hFirst, TVE_COLLAPSE);

    CStringArray styles;
    getTableStyleNames(styles);
    for (const CString& name : styles) m_cbTableStyle.AddString(name);
    if (AcDbDatabase* pDb = acdbHostApplicationServices()->workingDatabase()) {
        AcDbTableStyle* pStyle = nullptr;
        if (acdbOpenObject(pStyle, pDb->tablestyle(), AcDb::kForRead) == Acad::eOk) {
            wchar_t* name = nullptr;
            if (pStyle->getName(name) == Acad::eOk && name) {
                m_strTableStyle = name;
                acutDelBuffer(name);
                m_cbTableStyle.SelectString(-1, m_strTableStyle);
            }
            pStyle->close();
        }
    }

    m_bIncludeHeader = CRegistry::GetProfileInt(L"Velloria", L"Inc Header", 1);
    UpdateData(FALSE);
    return TRUE;
}

bool CDbDialog::ShowDatabase(CMyDatabase* pDatabase) {
    if (!pDatabase->m_Database.IsOpen() && !pDatabase->m_Database.Open()) return false;

    HTREEITEM hDatabase = m_tree.InsertItem(pDatabase->m_strDatabase, 0, 0);
    m_tree.SetItemData(hDatabase, reinterpret_cast<DWORD_PTR>(pDatabase));

    CADORecordset recordset(pDatabase->m_Database);
    if (recordset.OpenSchema(kSchemaTables)) {
        if (recordset.GetRecordCount() > 0) {
            recordset.MoveFirst();
            while (!recordset.IsEof()) {
                CString type, name;
                recordset.GetFieldValue(L"TABLE_TYPE", type);
                recordset.GetFieldValue(L"TABLE_NAME", name);
                recordset.MoveNext();
                int kind;
                if (type.CompareNoCase(L"TABLE") == 0) kind = 0;
                else if (type.CompareNoCase(L"VIEW") == 0) kind = 1;
                else continue;
                // A database shown before keeps its records: each table or view is listed once.
                CMyDbTable* pTable = nullptr;
                for (CMyDbTable* existing : pDatabase->Tables()) {
                    if (existing && existing->m_nKind == kind && existing->m_strName == name) pTable = existing;
                }
                if (!pTable) {
                    pTable = new CMyDbTable;
                    pTable->m_strName = name;
                    pTable->m_nKind = kind;
                    pTable->m_pDatabase = pDatabase;
                    pDatabase->Tables().Add(pTable);
                }
                const int image = kind == 0 ? 1 : 2;
                HTREEITEM hItem = m_tree.InsertItem(name, image, image, hDatabase);
                m_tree.SetItemData(hItem, reinterpret_cast<DWORD_PTR>(pTable));
            }
        }
        recordset.Close();
    }
    m_tree.Expand(hDatabase, TVE_EXPAND);
    return true;
}

void CDbDialog::ApplyEnablingRule(HTREEITEM hItem) {
    const BOOL bDatabase = m_tree.ItemHasChildren(hItem);
    GetDlgItem(IDC_CLOSE_DATABASE)->EnableWindow(bDatabase);
    GetDlgItem(IDC_NEW_QUERY)->EnableWindow(bDatabase);
    GetDlgItem(IDC_CREATE_TABLE)->EnableWindow(!bDatabase);
    GetDlgItem(IDC_CUSTOMIZE_WIDTH)->EnableWindow(!bDatabase);
    GetDlgItem(IDC_CUSTOMIZE_HEADING)->EnableWindow(!bDatabase);
}

void CDbDialog::ClearPreview() {
    m_listData.DeleteAllItems();
    while (m_listData.DeleteColumn(0)) {
    }
    m_arrHeadings.RemoveAll();
    m_bHeadingsCustomised = false;
    m_arrWidths.RemoveAll();
    m_fetched.SetGridSize(0, 0);
}

void CDbDialog::OnSelChangedTree(NMHDR* pNMHDR, LRESULT* pResult) {
    const auto* pNMTreeView = reinterpret_cast<NMTREEVIEW*>(pNMHDR);
    *pResult = 0;
    HTREEITEM hItem = pNMTreeView->itemNew.hItem;
    ClearPreview();
    ApplyEnablingRule(hItem);
    PreviewItem(hItem);
}

void CDbDialog::PreviewItem(HTREEITEM hItem) {
    if (!hItem || !m_tree.GetParentItem(hItem)) return;
    auto* pTable = reinterpret_cast<CMyDbTable*>(m_tree.GetItemData(hItem));
    if (!pTable || !pTable->m_pDatabase) return;

    CString sql;
    if ((pTable->m_nKind == 0 || pTable->m_nKind == 1) && !pTable->m_strName.IsEmpty()) sql = pTable->m_pDatabase->TableQuery(pTable->m_strName);
    else if (pTable->m_nKind == 2 && !pTable->m_strSQL.IsEmpty()) sql = pTable->m_strSQL;
    else return;

    // The preview shows what a new table will hold: the fetch a refresh makes.
    if (!pTable->m_pDatabase->FetchRecords(sql, m_fetched)) return;
    const int fields = m_fetched.GetCols();
    for (int i = 0; i < fields; ++i) {
        m_listData.InsertColumn(i, m_fetched.CellRef(0, i), LVCFMT_LEFT, 80);
        m_arrHeadings.Add(m_fetched.CellRef(0, i));
    }
    if (fields == 0) return;
    for (int row = 1; row < m_fetched.GetRows(); ++row) {
        m_listData.InsertItem(row - 1, m_fetched.CellRef(row, 0));
        for (int j = 1; j < fields; ++j) m_listData.SetItemText(row - 1, j, m_fetched.CellRef(row, j));
    }
}

void CDbDialog::OnOpenDatabase() {
    CConnectDialog dlg(this);
    if (dlg.DoModal() != IDOK) return;

    CDatabasePtrArray& databases = GetOpenDatabases();
    if (databases.FindDatabase(dlg.m_strDatabase)) {
        CString message;
        message.Format(L"%s already exists.", dlg.m_strDatabase.GetString());
        MessageBox(message, L"Velloria", MB_OK | MB_ICONINFORMATION);
        return;
    }
    auto* pDatabase = new CMyDatabase;
    pDatabase->m_strDriver = dlg.m_strConnectString;
    pDatabase->m_strDatabase = dlg.m_strDatabase;
    pDatabase->m_strUser = dlg.m_strUser;
    pDatabase->m_strPassword = dlg.m_strPassword;
    pDatabase->m_Database.SetConnectionString(pDatabase->GetConnectString());
    pDatabase->m_Database.SetTrustedSources(GetTrustedSources());
    if (ShowDatabase(pDatabase)) databases.Add(pDatabase);
    else delete pDatabase;
}

void CDbDialog::OnCloseDatabase() {
    HTREEITEM hItem = m_tree.GetSelectedItem();
    if (!hItem || m_tree.GetParentItem(hItem)) return;
    auto* pDatabase = reinterpret_cast<CMyDatabase*>(m_tree.GetItemData(hItem));
    if (!pDatabase) return;
    CDatabasePtrArray& databases = GetOpenDatabases();
    INT_PTR index = -1;
    for (INT_PTR i = 0; i < databases.GetSize(); ++i) {
        if (databases[i] == pDatabase) index = i;
    }
    if (index < 0) return;
    // The item goes first, so that the selection change it causes never meets a freed record.
    m_tree.DeleteItem(hItem);
    pDatabase->DeleteTables();
    databases.RemoveAt(index);
    delete pDatabase;
}

void CDbDialog::OnNewQuery() {
    HTREEITEM hItem = m_tree.GetSelectedItem();
    if (m_tree.GetParentItem(hItem)) {
        MessageBox(L"Please select a database.", kCaption, MB_OK | MB_ICONINFORMATION);
        return;
    }
    auto* pDatabase = reinterpret_cast<CMyDatabase*>(m_tree.GetItemData(hItem));
    if (!pDatabase) {
        MessageBox(L"Please select a valid database.", kCaption, MB_OK | MB_ICONINFORMATION);
        return;
    }
    CQueryDialog dlg(pDatabase, this);
    if (dlg.DoModal() != IDOK || dlg.m_strName.IsEmpty() || dlg.m_strSQL.IsEmpty()) return;

    CADORecordset recordset(pDatabase->m_Database);
    if (!recordset.Open(dlg.m_strSQL)) {
        CString message;
        message.Format(L"Failed to execute the SQL: %s", dlg.m_strSQL.GetString());
        MessageBox(message, kCaption, MB_OK | MB_ICONINFORMATION);
        return;
    }
    recordset.Close();

    auto* pQuery = new CMyDbTable;
    pQuery->m_strName = dlg.m_strName;
    pQuery->m_strSQL = dlg.m_strSQL;
    pQuery->m_nKind = 2;
    pQuery->m_pDatabase = pDatabase;
    pDatabase->Tables().Add(pQuery);
    HTREEITEM hQuery = m_tree.InsertItem(pQuery->m_strName, 2, 2, hItem);
    m_tree.SetItemData(hQuery, reinterpret_cast<DWORD_PTR>(pQuery));
    m_tree.SelectItem(hQuery);
}

void CDbDialog::SetHeaderText(int nCol, const CString& text) {
    wchar_t buffer[kMaxHeaderText + 1];
    std::wcsncpy(buffer, text.GetString(), kMaxHeaderText);
    buffer[kMaxHeaderText] = L'\0';
    HDITEM item;
    item.mask = HDI_TEXT;
    item.pszText = buffer;
    m_listData.GetHeaderCtrl()->SetItem(nCol, &item);
}

void CDbDialog::OnCustomizeWidth() {
    CCustomizeHeaderDialog dlg(this);
    dlg.m_nMode = 1;
    dlg.m_arrTitles.Copy(m_arrHeadings);
    if (dlg.DoModal() != IDOK) return;

    m_arrWidths.RemoveAll();
    for (INT_PTR i = 0; i < dlg.m_arrValues.GetSize(); ++i) {
        const CString& value = dlg.m_arrValues[i];
        if (value.IsEmpty()) {
            m_arrWidths.Add(0);
            continue;
        }
        const double width = std::wcstod(value, nullptr);
        m_arrWidths.Add(width);
        if (i < m_arrHeadings.GetSize()) {
            CString header;
            header.Format(L"%s(%g)", m_arrHeadings[i].GetString(), width);
            SetHeaderText(static_cast<int>(i), header);
        }
    }
}

void CDbDialog::OnCustomizeHeading() {
    CCustomizeHeaderDialog dlg(this);
    dlg.m_nMode = 0;
    dlg.m_arrTitles.Copy(m_arrHeadings);
    if (dlg.DoModal() != IDOK) return;

    for (INT_PTR i = 0; i < dlg.m_arrValues.GetSize() && i < m_arrHeadings.GetSize(); ++i) {
        const CString& value = dlg.m_arrValues[i];
        if (value.IsEmpty()) continue;
        if (value != m_arrHeadings[i]) m_bHeadingsCustomised = true;
        m_arrHeadings[i] = value;
        SetHeaderText(static_cast<int>(i), value);
    }
}

void CDbDialog::OnInsertIntoExisting() {
    UpdateData(TRUE);
    SetDlgItemText(IDC_CREATE_TABLE, m_bInsertIntoExisting ? L"Insert ..." : L"Create Table ...");
}

void CDbDialog::BuildCellGrid(CCellGrid& grid) const {
    CTableLink link;
    link.m_bIncludeHeader = m_bIncludeHeader;
    link.m_arrHeadings.Copy(m_arrHeadings);
    ShapeLinkedGrid(link, m_fetched, grid);
}

void CDbDialog::OnCreateTable() {
    if (!UpdateData(TRUE)) return;
    CRegistry::WriteProfileInt(L"Velloria", L"Inc Header", m_bIncludeHeader);

    HTREEITEM hItem = m_tree.GetSelectedItem();
    if (hItem && (m_tree.ItemHasChildren(hItem) || !m_tree.GetParentItem(hItem))) {
        MessageBox(L"Please select a table or query first.", kCaption, MB_OK | MB_ICONINFORMATION);
        return;
    }
    auto* pTable = hItem ? reinterpret_cast<CMyDbTable*>(m_tree.GetItemData(hItem)) : nullptr;
    if (!pTable) {
        MessageBox(L"Invalid table or query.", kCaption, MB_OK | MB_ICONINFORMATION);
        return;
    }
    EndDialog(IDOK);
    CreateTableFromPreview(pTable);
}

void CDbDialog::CreateTableFromPreview(CMyDbTable* pTable) {
    CTableLink link;
    link.m_bIncludeHeader = m_bIncludeHeader;
    link.m_strTableStyle = m_strTableStyle;
    if (CMyDatabase* pDatabase = pTable->m_pDatabase) {
        link.m_strConnectDriver = pDatabase->m_strDriver;
        link.m_strDatabase = pDatabase->m_strDatabase;
        link.m_strUser = pDatabase->m_strUser;
        link.m_strPassword = pDatabase->m_strPassword;
    }
    link.m_strTable = pTable->m_strName;
    link.m_strSQL = pTable->m_strSQL;
    if (m_bHeadingsCustomised) link.m_arrHeadings.Copy(m_arrHeadings);
    link.m_arrWidths.Copy(m_arrWidths);

    CCellGrid grid;
    ShapeLinkedGrid(link, m_fetched, grid);
    link.m_nRows = grid.GetRows();
    link.m_nCols = grid.GetCols();
    // A grid without columns or rows would make an empty table: nothing is created.
    if (grid.GetCols() == 0) {
        acutPrintf(L"\nThe selected table or query has no columns to show; no table was created.");
        return;
    }
    if (grid.GetRows() == 0) {
        acutPrintf(L"\nThe selected table or query has no records; no table was created.");
        return;
    }

    AcDbTable* pExisting = nullptr;
    if (m_bInsertIntoExisting) {
        AcDbObjectId tableId;
        int nRow = 0, nCol = 0;
        if (PickStartCell(tableId, nRow, nCol) && !tableId.isNull() && acdbOpenObject(pExisting, tableId, AcDb::kForWrite) == Acad::eOk) {
            link.m_nStartRow = nRow;
            link.m_nStartCol = nCol;
        } else {
            pExisting = nullptr;
        }
    }
    const CQueryLimits limits = GetQueryLimits();
    if (const CString strTooLarge = CheckTableSize(grid, link, pExisting, limits.m_nCellLimit, limits.m_nMemoryLimitBytes); !strTooLarge.IsEmpty()) {
        acutPrintf(pExisting ? L"\nThe table was not filled: %s." : L"\nNo table was created: %s.", strTooLarge.GetString());
        if (pExisting) pExisting->close();
        return;
    }
    // Asked last, once the table can be filled: a link replaced is one whose old data goes.
    if (pExisting && !ReplaceExistingLink(pExisting)) {
        pExisting->close();
        return;
    }
    BuildTable(grid, link, pExisting);
    if (pExisting) {
        WriteTableLink(link, pExisting);
        pExisting->close();
    }
}
