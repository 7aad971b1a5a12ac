#pragma once
// CDialog: a modal dialog built from its template in the current resources, with member
// exchange, validation and a map from control notifications to handlers.
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "mfcui/DialogResource.h"
#include "mfcui/Wnd.h"

class CDialog;

// One step of member exchange: to the controls, or from them with validation.
class CDataExchange {
public:
    CDataExchange(CDialog* pDlgWnd, BOOL bSaveAndValidate) : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}
    // Ends a failed validation: the focus goes to the control last prepared, the exchange stops.
    [[noreturn]] void Fail();
    CWnd* PrepareCtrl(int nIDC);
    CWnd* PrepareEditCtrl(int nIDC) { return PrepareCtrl(nIDC); }

    BOOL m_bSaveAndValidate;
    CDialog* m_pDlgWnd;
    int m_idLastControl = 0;
};

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, double& value);
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value);
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Runs the dialog modally; the value given to EndDialog, or -1 when the template is not
    // in the current resources.
    virtual INT_PTR DoModal();
    // Builds the dialog and shows it without waiting (modeless); FALSE without a template.
    BOOL Create(CWnd* pParentWnd = nullptr);
    void EndDialog(int nResult);
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* pDX) {}
    // Declares the handlers of the dialog (the message map); called before OnInitDialog.
    virtual void DeclareMessageMap() {}

    void CheckDlgButton(int nIDButton, UINT nCheck);
    UINT IsDlgButtonChecked(int nIDButton) const;
    void SetDlgItemText(int nID, LPCTSTR lpszString);

    BOOL IsEnded() const { return m_bEnded; }
    INT_PTR GetResult() const { return m_nResult; }
    const DLGTEMPLATEDESC* GetTemplate() const { return m_pTemplate; }
    // The control widget of an id in this dialog (also children created later).
    QWidget* FindControlWidget(int nID) const;
    // The template item of a control, or null for controls not in the template.
    const DLGITEM* FindTemplateItem(int nID) const;

    // Sends a command or notification of a control to its handler (or the default one).
    void DispatchCommand(UINT code, int nID);
    void DispatchNotify(NMHDR* pNMHDR);

    // Framework side: the controls attached to this dialog and wrappers made on demand.
    void RegisterAttached(CWnd* pWnd);
    void UnregisterAttached(CWnd* pWnd);
    CWnd* WrapperFor(int nID) const;

protected:
    template <class T>
    void MapCommand(UINT code, int nID, void (T::*handler)()) {
        m_commands[{code, nID}] = [this, handler] { (static_cast<T*>(this)->*handler)(); };
    }
    template <class T>
    void MapNotify(UINT code, int nID, void (T::*handler)(NMHDR*, LRESULT*)) {
        m_notifies[{code, nID}] = [this, handler](NMHDR* h, LRESULT* r) { (static_cast<T*>(this)->*handler)(h, r); };
    }

private:
    bool BuildWindow(CWnd* pParentWnd);
    void TearDown();

    UINT m_nIDTemplate = 0;
    CString m_strTemplateName;
    CWnd* m_pParentWnd = nullptr;
    const DLGTEMPLATEDESC* m_pTemplate = nullptr;
    BOOL m_bEnded = FALSE;
    BOOL m_bModal = FALSE;
    INT_PTR m_nResult = -1;
    std::map<std::pair<UINT, int>, std::function<void()>> m_commands;
    std::map<std::pair<UINT, int>, std::function<void(NMHDR*, LRESULT*)>> m_notifies;
    std::vector<CWnd*> m_attached;
    mutable std::map<int, std::unique_ptr<CWnd>> m_wrappers;
};

#define ON_BN_CLICKED(id, fn) MapCommand(BN_CLICKED, id, fn)
#define ON_CBN_SELCHANGE(id, fn) MapCommand(CBN_SELCHANGE, id, fn)
#define ON_LBN_SELCHANGE(id, fn) MapCommand(LBN_SELCHANGE, id, fn)
#define ON_NOTIFY(code, id, fn) MapNotify(code, id, fn)

// The host's dialog base classes: a dialog of the CAD program, in its look.
class CAdUiBaseDialog : public CDialog {
public:
    using CDialog::CDialog;
};
class CAcUiDialog : public CAdUiBaseDialog {
public:
    using CAdUiBaseDialog::CAdUiBaseDialog;
};
