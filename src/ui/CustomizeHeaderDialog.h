#pragma once
// CCustomizeHeaderDialog: one value per column (a width or a heading), typed into a one-row
// grid or loaded from a column list file, handed back on OK.
#include "mfcui/Controls.h"
#include "ui/EditListCtrl.h"

class CCustomizeHeaderDialog : public CDialog {
public:
    explicit CCustomizeHeaderDialog(CWnd* pParent = nullptr);

    CEditListCtrl m_listCtrl;
    CStringArray m_arrTitles;  // set by the caller
    CStringArray m_arrValues;  // filled on OK
    int m_nMode = 1;           // 1 widths, 0 headings
    CString m_strHint;

    // The column list file: the first non-blank line, or empty (false when unreadable).
    static bool ReadListLine(const CString& path, CString& line);
    static bool WriteListLine(const CString& path, const CString& line);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DeclareMessageMap() override;
    void OnLoadFromFile();
    void OnSaveToFile();
};
