#pragma once
// CDbDialog: the main data dialog. It shows the open databases as a tree of tables, views and
// queries, previews the selected one, and creates a table (or fills an existing one) from
// the preview.
#include "mfcui/Controls.h"
#include "catalogue/MyDatabase.h"
#include "types/CellGrid.h"

class CTableLink;

class CDbDialog : public CAcUiDialog {
public:
    explicit CDbDialog(CWnd* pParent = nullptr);

    CTreeCtrl m_tree;
    CListCtrl m_listData;
    CImageList m_imageList;
    CComboBox m_cbTableStyle;
    CString m_strTableStyle;
    CStringArray m_arrHeadings;
    // Whether the user gave any column a heading of his own: only then are the headings part
    // of the link (field names are what a refresh reads anyway, from whatever the source is).
    bool m_bHeadingsCustomised = false;
    CArray<double, double> m_arrWidths;
    int m_bIncludeHeader = 1;
    int m_bInsertIntoExisting = 0;

    // Adds a database and its tables and views to the tree; false when it cannot be opened.
    bool ShowDatabase(CMyDatabase* pDatabase);
    // The grid a new table gets of the preview, the headings first when the header is included.
    void BuildCellGrid(CCellGrid& grid) const;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void DeclareMessageMap() override;
    void OnSelChangedTree(NMHDR* pNMHDR, LRESULT* pResult);
    void OnOpenDatabase();
    void OnCloseDatabase();
    void OnNewQuery();
    void OnCustomizeWidth();
    void OnCustomizeHeading();
    void OnInsertIntoExisting();
    void OnCreateTable();

private:
    void ApplyEnablingRule(HTREEITEM hItem);
    void ClearPreview();
    void PreviewItem(HTREEITEM hItem);
    void SetHeaderText(int nCol, const CString& text);
    void CreateTableFromPreview(CMyDbTable* pTable);

    CCellGrid m_fetched;  // the preview's records as fetched, field names in row 0
};
