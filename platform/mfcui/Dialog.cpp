// CDialog: the dialog window built from its template, its modal run and its dispatch.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTreeWidget>

#include "mfcui/Controls.h"
#include "mfcui/DialogSession.h"
#include "mfcui/QtBridge.h"

using namespace platform::ui;

namespace {

// Item views that, like the platform's, choose no current item on their own when they get
// the focus.
template <class View>
class VItemView : public View {
public:
    using View::View;

protected:
    void focusInEvent(QFocusEvent* event) override {
        QWidget::focusInEvent(event);
        this->viewport()->update();
    }
};

void ReflectChange(QWidget* widget) {
    if (CWnd* wnd = WrapperOf(widget)) wnd->OnReflectedChange();
}

// The controls of a dialog template, one kind each: each sends its notifications to the
// dialog as the platform's control would.
QWidget* MakePushButton(CDialog* dialog, const DLGITEM& item, QWidget* parent) {
    const int id = item.nID;
    auto* button = new QPushButton(ToQ(item.text), parent);
    button->setAutoDefault(false);
    button->setDefault((item.style & BS_DEFPUSHBUTTON) != 0);
    QObject::connect(button, &QPushButton::clicked, button, [dialog, id] { dialog->DispatchCommand(BN_CLICKED, id); });
    return button;
}

QWidget* MakeCheckBox(CDialog* dialog, const DLGITEM& item, QWidget* parent) {
    const int id = item.nID;
    auto* box = new QCheckBox(ToQ(item.text), parent);
    QObject::connect(box, &QCheckBox::clicked, box, [dialog, id] { dialog->DispatchCommand(BN_CLICKED, id); });
    return box;
}

QWidget* MakeEdit(CDialog* dialog, const DLGITEM& item, QWidget* parent) {
    const int id = item.nID;
    if (item.style & ES_MULTILINE) {
        auto* edit = new QPlainTextEdit(parent);
        edit->setVerticalScrollBarPolicy((item.style & WS_VSCROLL) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
        QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [dialog, id, edit] {
            ReflectChange(edit);
            dialog->DispatchCommand(EN_CHANGE, id);
        });
        return edit;
    }
    auto* edit = new QLineEdit(parent);
    if (item.style & ES_PASSWORD) edit->setEchoMode(QLineEdit::Password);
    QObject::connect(edit, &QLineEdit::textChanged, edit, [dialog, id, edit] {
        ReflectChange(edit);
        dialog->DispatchCommand(EN_CHANGE, id);
    });
    return edit;
}

QWidget* MakeComboBox(CDialog* dialog, const DLGITEM& item, QWidget* parent) {
    const int id = item.nID;
    auto* combo = new QComboBox(parent);
    combo->setEditable((item.style & CBS_DROPDOWNLIST) == CBS_DROPDOWN);
    combo->setInsertPolicy(QComboBox::NoInsert);
    QObject::connect(combo, &QComboBox::currentIndexChanged, combo, [dialog, id] { dialog->DispatchCommand(CBN_SELCHANGE, id); });
    return combo;
}

QWidget* MakeListBox(CDialog* dialog, const DLGITEM& item, QWidget* parent) {
    const int id = item.nID;
    auto* list = new VItemView<QListWidget>(parent);
    if (item.style & LBS_NOTIFY) {
        // The selection, not the current row: a click makes the row current before it selects it,
        // and the handler asks for the selected row (GetCurSel).
        QObject::connect(list, &QListWidget::itemSelectionChanged, list, [dialog, id] { dialog->DispatchCommand(LBN_SELCHANGE, id); });
        QObject::connect(list, &QListWidget::itemDoubleClicked, list, [dialog, id] { dialog->DispatchCommand(LBN_DBLCLK, id); });
    }
    return list;
}

QWidget* MakeTreeView(CDialog* dialog, const DLGITEM& item, QWidget* parent) {
    const int id = item.nID;
    auto* tree = new VItemView<QTreeWidget>(parent);
    tree->setHeaderHidden(true);
    tree->setColumnCount(1);
    tree->setRootIsDecorated((item.style & TVS_LINESATROOT) != 0);
    tree->setIconSize(QSize(16, 16));
    QObject::connect(tree, &QTreeWidget::currentItemChanged, tree, [dialog, id, tree](QTreeWidgetItem* current, QTreeWidgetItem* previous) {
        NMTREEVIEW nm;
        nm.hdr = NMHDR{tree, static_cast<UINT_PTR>(id), TVN_SELCHANGED};
        nm.itemOld.hItem = reinterpret_cast<HTREEITEM>(previous);
        nm.itemNew.hItem = reinterpret_cast<HTREEITEM>(current);
        dialog->DispatchNotify(&nm.hdr);
    });
    return tree;
}

QWidget* MakeListView(CDialog* dialog, const DLGITEM& item, QWidget* parent) {
    const int id = item.nID;
    auto* table = new VItemView<QTableWidget>(parent);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    table->horizontalHeader()->setHighlightSections(false);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectItems);
    table->setShowGrid(false);
    table->setWordWrap(false);
    table->verticalHeader()->setDefaultSectionSize(QFontMetrics(table->font()).height() + 4);
    QObject::connect(table, &QTableWidget::cellDoubleClicked, table, [dialog, id, table](int row, int column) {
        NMITEMACTIVATE nm;
        nm.hdr = NMHDR{table, static_cast<UINT_PTR>(id), NM_DBLCLK};
        nm.iItem = row;
        nm.iSubItem = column;
        dialog->DispatchNotify(&nm.hdr);
    });
    return table;
}

QWidget* MakeWidget(CDialog* dialog, const DLGITEM& item, QWidget* parent) {
    switch (item.kind) {
    case DlgItemKind::Static: return new QLabel(ToQ(item.text), parent);
    case DlgItemKind::GroupBox: return new QGroupBox(ToQ(item.text), parent);
    case DlgItemKind::PushButton: return MakePushButton(dialog, item, parent);
    case DlgItemKind::CheckBox: return MakeCheckBox(dialog, item, parent);
    case DlgItemKind::Edit: return MakeEdit(dialog, item, parent);
    case DlgItemKind::ComboBox: return MakeComboBox(dialog, item, parent);
    case DlgItemKind::ListBox: return MakeListBox(dialog, item, parent);
    case DlgItemKind::TreeView: return MakeTreeView(dialog, item, parent);
    case DlgItemKind::ListView: return MakeListView(dialog, item, parent);
    }
    return nullptr;
}

// A control of the template, placed where the template puts it (in dialog units).
QWidget* MakeControl(CDialog* dialog, const DLGITEM& item, QWidget* parent) {
    QWidget* widget = MakeWidget(dialog, item, parent);
    widget->setProperty(kCtlIdProperty, item.nID);
    widget->setGeometry(DluToPixelsX(item.x), DluToPixelsY(item.y), DluToPixelsX(item.cx), DluToPixelsY(item.cy));
    if (item.kind == DlgItemKind::ComboBox) widget->resize(widget->width(), widget->sizeHint().height());
    if (item.style & WS_DISABLED) widget->setEnabled(false);
    if (item.kind == DlgItemKind::GroupBox) widget->lower();
    return widget;
}

// Thrown by a failed validation, caught by UpdateData.
struct ValidationFailed {};

}  // namespace

void VDialogWidget::reject() { m_owner->DispatchCommand(BN_CLICKED, IDCANCEL); }

void VDialogWidget::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (m_layout) m_layout->Apply(size());
}

void VDialogWidget::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto* button = qobject_cast<QPushButton*>(QApplication::focusWidget()); button && button->window() == this) {
            button->click();
        } else {
            m_owner->DispatchCommand(BN_CLICKED, IDOK);
        }
        return;
    case Qt::Key_Escape:
        m_owner->DispatchCommand(BN_CLICKED, IDCANCEL);
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}
CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd) : m_strTemplateName(lpszTemplateName), m_pParentWnd(pParentWnd) {}
CDialog::~CDialog() { TearDown(); }

bool CDialog::BuildWindow(CWnd* pParentWnd) {
    m_pTemplate = AfxFindDialogTemplate(AfxGetResourceHandle(), m_nIDTemplate, m_strTemplateName.IsEmpty() ? nullptr : m_strTemplateName.GetString());
    if (!m_pTemplate) return false;
    EnsureApplication();
    QWidget* parent = pParentWnd && pParentWnd->GetWidget() ? pParentWnd->GetWidget()->window() : OwnerWindow();
    auto* window = new VDialogWidget(this, parent);
    window->setWindowTitle(ToQ(m_pTemplate->title));
    const QSize designed(DluToPixelsX(m_pTemplate->cx), DluToPixelsY(m_pTemplate->cy));
    const bool resizable = (m_pTemplate->style & WS_THICKFRAME) != 0;
    if (resizable) {
        window->setMinimumSize(designed);
        window->resize(designed);
        window->setSizeGripEnabled(true);
    } else {
        window->setFixedSize(designed);
    }
    AttachWidget(window, 0, 0, pParentWnd, this);
    std::vector<std::pair<QWidget*, DLGITEM>> controls;
    for (const DLGITEM& item : m_pTemplate->items) controls.emplace_back(MakeControl(this, item, window), item);
    if (resizable) {
        window->m_layout.emplace();
        window->m_layout->Anchor(controls, designed);
    }
    m_bEnded = FALSE;
    m_nResult = -1;
    m_commands.clear();
    m_notifies.clear();
    DeclareMessageMap();
    return true;
}

void CDialog::TearDown() {
    for (CWnd* wnd : m_attached) wnd->DetachWidget();
    m_attached.clear();
    m_wrappers.clear();
    if (QWidget* window = m_pWidget) {
        DetachWidget();
        window->hide();
        delete window;
    }
}

INT_PTR CDialog::DoModal() {
    if (!BuildWindow(m_pParentWnd)) return -1;
    m_bModal = TRUE;
    auto* window = static_cast<VDialogWidget*>(m_pWidget);
    if (ConsoleDialogs()) {
        window->show();
        window->activateWindow();
        OnInitDialog();
        ProcessEvents();
        if (!m_bEnded) RunConsoleDialog(*this);
    } else {
        window->setModal(true);
        OnInitDialog();
        if (!m_bEnded) window->exec();
    }
    const INT_PTR result = m_nResult;
    m_bModal = FALSE;
    TearDown();
    return result;
}

BOOL CDialog::Create(CWnd* pParentWnd) {
    if (!BuildWindow(pParentWnd)) return FALSE;
    m_bModal = FALSE;
    m_pWidget->show();
    m_pWidget->activateWindow();
    OnInitDialog();
    ProcessEvents();
    return TRUE;
}

void CDialog::EndDialog(int nResult) {
    m_nResult = nResult;
    m_bEnded = TRUE;
    if (m_bModal && m_pWidget && !ConsoleDialogs()) static_cast<QDialog*>(m_pWidget)->done(nResult);
    else if (m_pWidget) m_pWidget->hide();
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (const ValidationFailed&) {
        return FALSE;
    }
    return TRUE;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::DispatchCommand(UINT code, int nID) {
    if (const auto it = m_commands.find({code, nID}); it != m_commands.end()) {
        it->second();
        return;
    }
    if (code != BN_CLICKED) return;
    if (nID == IDOK) OnOK();
    else if (nID == IDCANCEL) OnCancel();
}

void CDialog::DispatchNotify(NMHDR* pNMHDR) {
    if (CWnd* control = WrapperOf(static_cast<QWidget*>(pNMHDR->hwndFrom))) {
        LRESULT reflected = 0;
        if (control->OnNotifyReflect(pNMHDR, &reflected)) return;
    }
    const auto it = m_notifies.find({pNMHDR->code, static_cast<int>(pNMHDR->idFrom)});
    if (it == m_notifies.end()) return;
    LRESULT result = 0;
    it->second(pNMHDR, &result);
}

void CDialog::CheckDlgButton(int nIDButton, UINT nCheck) {
    if (auto* box = qobject_cast<QAbstractButton*>(FindControlWidget(nIDButton))) box->setChecked(nCheck == BST_CHECKED);
}

UINT CDialog::IsDlgButtonChecked(int nIDButton) const {
    auto* box = qobject_cast<QAbstractButton*>(FindControlWidget(nIDButton));
    return box && box->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

void CDialog::SetDlgItemText(int nID, LPCTSTR lpszString) {
    if (CWnd* control = GetDlgItem(nID)) control->SetWindowText(lpszString);
}

QWidget* CDialog::FindControlWidget(int nID) const {
    if (!m_pWidget) return nullptr;
    for (QWidget* child : m_pWidget->findChildren<QWidget*>()) {
        const QVariant v = child->property(kCtlIdProperty);
        if (v.isValid() && v.toInt() == nID) return child;
    }
    return nullptr;
}

const DLGITEM* CDialog::FindTemplateItem(int nID) const {
    if (!m_pTemplate) return nullptr;
    for (const DLGITEM& item : m_pTemplate->items) {
        if (item.nID == nID) return &item;
    }
    return nullptr;
}

void CDialog::RegisterAttached(CWnd* pWnd) {
    if (std::find(m_attached.begin(), m_attached.end(), pWnd) == m_attached.end()) m_attached.push_back(pWnd);
}

void CDialog::UnregisterAttached(CWnd* pWnd) { std::erase(m_attached, pWnd); }

CWnd* CDialog::WrapperFor(int nID) const {
    QWidget* widget = FindControlWidget(nID);
    if (!widget) return nullptr;
    if (CWnd* attached = WrapperOf(widget)) return attached;
    auto& slot = m_wrappers[nID];
    if (!slot || slot->GetWidget() != widget) {
        slot = std::make_unique<CWnd>();
        const DLGITEM* item = FindTemplateItem(nID);
        slot->AttachWidget(widget, nID, item ? item->style : 0, const_cast<CDialog*>(this), nullptr);
    }
    return slot.get();
}

// Member exchange.

CWnd* CDataExchange::PrepareCtrl(int nIDC) {
    m_idLastControl = nIDC;
    return m_pDlgWnd->GetDlgItem(nIDC);
}

void CDataExchange::Fail() {
    if (CWnd* control = m_pDlgWnd->GetDlgItem(m_idLastControl)) control->SetFocus();
    throw ValidationFailed{};
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
    CWnd* control = pDX->PrepareEditCtrl(nIDC);
    if (!control) return;
    if (pDX->m_bSaveAndValidate) control->GetWindowText(value);
    else control->SetWindowText(value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value) {
    CWnd* control = pDX->PrepareEditCtrl(nIDC);
    if (!control) return;
    if (pDX->m_bSaveAndValidate) {
        const std::string text = control->GetWindowText().Trim().ToUtf8();
        char* end = nullptr;
        const long parsed = std::strtol(text.c_str(), &end, 10);
        if (text.empty() || *end != '\0') {
            AfxMessageBox(L"Please enter an integer.");
            pDX->Fail();
        }
        value = static_cast<int>(parsed);
    } else {
        CString text;
        text.Format(L"%d", value);
        control->SetWindowText(text);
    }
}

void DDX_Text(CDataExchange* pDX, int nIDC, double& value) {
    CWnd* control = pDX->PrepareEditCtrl(nIDC);
    if (!control) return;
    if (pDX->m_bSaveAndValidate) {
        const std::string text = control->GetWindowText().Trim().ToUtf8();
        char* end = nullptr;
        const double parsed = std::strtod(text.c_str(), &end);
        if (text.empty() || *end != '\0') {
            AfxMessageBox(L"Please enter a number.");
            pDX->Fail();
        }
        value = parsed;
    } else {
        CString text;
        text.Format(L"%g", value);
        control->SetWindowText(text);
    }
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
    auto* box = qobject_cast<QCheckBox*>(pDX->m_pDlgWnd->FindControlWidget(nIDC));
    pDX->PrepareCtrl(nIDC);
    if (!box) return;
    if (pDX->m_bSaveAndValidate) value = box->isChecked() ? BST_CHECKED : BST_UNCHECKED;
    else box->setChecked(value == BST_CHECKED);
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index) {
    auto* combo = qobject_cast<QComboBox*>(pDX->m_pDlgWnd->FindControlWidget(nIDC));
    pDX->PrepareCtrl(nIDC);
    if (!combo) return;
    if (pDX->m_bSaveAndValidate) index = combo->currentIndex();
    else {
        const QSignalBlocker blocker(combo);
        combo->setCurrentIndex(index);
    }
}

void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value) {
    auto* combo = qobject_cast<QComboBox*>(pDX->m_pDlgWnd->FindControlWidget(nIDC));
    pDX->PrepareCtrl(nIDC);
    if (!combo) return;
    if (pDX->m_bSaveAndValidate) {
        value = FromQ(combo->isEditable() ? combo->lineEdit()->text() : combo->currentText());
        return;
    }
    // Select the first entry beginning with the value; an editable combo shows the value anyway.
    const QSignalBlocker blocker(combo);
    const QString wanted = ToQ(value);
    if (wanted.isEmpty() && !combo->isEditable()) return;
    int found = -1;
    for (int i = 0; i < combo->count() && found < 0; ++i) {
        if (combo->itemText(i).startsWith(wanted, Qt::CaseInsensitive)) found = i;
    }
    if (found >= 0) combo->setCurrentIndex(found);
    if (combo->isEditable()) combo->lineEdit()->setText(wanted);
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (rControl.GetSafeHwnd()) return;
    QWidget* widget = pDX->m_pDlgWnd->FindControlWidget(nIDC);
    if (!widget) return;
    const DLGITEM* item = pDX->m_pDlgWnd->FindTemplateItem(nIDC);
    rControl.AttachWidget(widget, nIDC, item ? item->style : 0, pDX->m_pDlgWnd, pDX->m_pDlgWnd);
}
