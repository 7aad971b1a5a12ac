// Buttons, edits, combo boxes and list boxes over their widgets.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

#include "mfcui/Controls.h"
#include "mfcui/QtBridge.h"

using namespace platform::ui;

namespace {

// Sorted lists order their entries as the platform does: without regard to case.
template <class Count, class TextAt>
int SortedPosition(const QString& text, Count count, TextAt textAt) {
    int position = 0;
    while (position < count() && QString::compare(textAt(position), text, Qt::CaseInsensitive) <= 0) ++position;
    return position;
}

}  // namespace

int CButton::GetCheck() const {
    auto* box = qobject_cast<QAbstractButton*>(m_pWidget);
    return box && box->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

// CEdit: a single-line edit is a QLineEdit, a multi-line one a QPlainTextEdit.

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    if (!pParentWnd || !pParentWnd->GetWidget()) return FALSE;
    auto* edit = new QLineEdit(pParentWnd->GetWidget());
    edit->setProperty(kCtlIdProperty, static_cast<int>(nID));
    edit->setFrame((dwStyle & WS_BORDER) != 0);
    edit->setGeometry(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    edit->setVisible((dwStyle & WS_VISIBLE) != 0);
    AttachWidget(edit, static_cast<int>(nID), dwStyle, pParentWnd, pParentWnd->GetOwningDialog());
    QObject::connect(edit, &QLineEdit::textChanged, edit, [this] { OnReflectedChange(); });
    return TRUE;
}

void CEdit::ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo) {
    const QString text = ToQ(lpszNewText);
    if (auto* e = qobject_cast<QLineEdit*>(m_pWidget)) {
        e->insert(text);  // replaces the selection, undoable
    } else if (auto* e = qobject_cast<QPlainTextEdit*>(m_pWidget)) {
        QTextCursor cursor = e->textCursor();
        cursor.insertText(text);
        e->setTextCursor(cursor);
    }
}

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL) {
    if (auto* e = qobject_cast<QLineEdit*>(m_pWidget)) {
        const int length = e->text().size();
        const int start = nStartChar < 0 ? length : std::min(nStartChar, length);
        const int end = nEndChar < 0 ? length : std::min(nEndChar, length);
        e->setSelection(start, end - start);
    } else if (auto* e = qobject_cast<QPlainTextEdit*>(m_pWidget)) {
        QTextCursor cursor = e->textCursor();
        const int length = e->toPlainText().size();
        cursor.setPosition(nStartChar < 0 ? length : std::min(nStartChar, length));
        cursor.setPosition(nEndChar < 0 ? length : std::min(nEndChar, length), QTextCursor::KeepAnchor);
        e->setTextCursor(cursor);
    }
}

void CEdit::GetSel(int& nStartChar, int& nEndChar) const {
    nStartChar = nEndChar = 0;
    if (auto* e = qobject_cast<QLineEdit*>(m_pWidget)) {
        if (e->hasSelectedText()) {
            nStartChar = e->selectionStart();
            nEndChar = e->selectionEnd();
        } else {
            nStartChar = nEndChar = e->cursorPosition();
        }
    } else if (auto* e = qobject_cast<QPlainTextEdit*>(m_pWidget)) {
        nStartChar = e->textCursor().selectionStart();
        nEndChar = e->textCursor().selectionEnd();
    }
}

BOOL CEdit::CanUndo() const {
    if (auto* e = qobject_cast<QLineEdit*>(m_pWidget)) return e->isUndoAvailable();
    if (auto* e = qobject_cast<QPlainTextEdit*>(m_pWidget)) return e->document()->isUndoAvailable();
    return FALSE;
}

BOOL CEdit::Undo() {
    if (!CanUndo()) return FALSE;
    if (auto* e = qobject_cast<QLineEdit*>(m_pWidget)) e->undo();
    else if (auto* e = qobject_cast<QPlainTextEdit*>(m_pWidget)) e->undo();
    return TRUE;
}

void CEdit::Cut() {
    if (auto* e = qobject_cast<QLineEdit*>(m_pWidget)) e->cut();
    else if (auto* e = qobject_cast<QPlainTextEdit*>(m_pWidget)) e->cut();
}
void CEdit::Copy() {
    if (auto* e = qobject_cast<QLineEdit*>(m_pWidget)) e->copy();
    else if (auto* e = qobject_cast<QPlainTextEdit*>(m_pWidget)) e->copy();
}
void CEdit::Paste() {
    if (auto* e = qobject_cast<QLineEdit*>(m_pWidget)) e->paste();
    else if (auto* e = qobject_cast<QPlainTextEdit*>(m_pWidget)) e->paste();
}
void CEdit::Clear() {
    if (auto* e = qobject_cast<QLineEdit*>(m_pWidget)) e->del();
    else if (auto* e = qobject_cast<QPlainTextEdit*>(m_pWidget)) e->textCursor().removeSelectedText();
}

LRESULT CEdit::DefWindowProc(UINT message, WPARAM, LPARAM) {
    switch (message) {
    case EM_UNDO:
    case WM_UNDO:
        return Undo();
    case EM_CANUNDO:
        return CanUndo();
    case WM_CUT:
        Cut();
        return 0;
    case WM_COPY:
        Copy();
        return 0;
    case WM_PASTE:
        Paste();
        return 0;
    case WM_CLEAR:
        Clear();
        return 0;
    default:
        return 0;
    }
}

// CComboBox

int CComboBox::AddString(LPCTSTR lpszString) {
    auto* combo = qobject_cast<QComboBox*>(m_pWidget);
    if (!combo) return CB_ERR;
    const QSignalBlocker blocker(combo);
    const QString text = ToQ(lpszString);
    const int position = (m_dwStyle & CBS_SORT) ? SortedPosition(text, [combo] { return combo->count(); }, [combo](int i) { return combo->itemText(i); })
                                                : combo->count();
    const QString kept = combo->isEditable() ? combo->lineEdit()->text() : QString();
    const int current = combo->currentIndex();
    combo->insertItem(position, text);
    // Adding an entry neither selects it nor changes what the edit field shows.
    combo->setCurrentIndex(current < 0 ? -1 : (current >= position ? current + 1 : current));
    if (combo->isEditable()) combo->lineEdit()->setText(kept);
    return position;
}

int CComboBox::GetCount() const {
    auto* combo = qobject_cast<QComboBox*>(m_pWidget);
    return combo ? combo->count() : 0;
}

int CComboBox::GetCurSel() const {
    auto* combo = qobject_cast<QComboBox*>(m_pWidget);
    return combo ? combo->currentIndex() : CB_ERR;
}

int CComboBox::SetCurSel(int nSelect) {
    auto* combo = qobject_cast<QComboBox*>(m_pWidget);
    if (!combo) return CB_ERR;
    const QSignalBlocker blocker(combo);
    if (nSelect < 0 || nSelect >= combo->count()) {
        combo->setCurrentIndex(-1);
        return CB_ERR;
    }
    combo->setCurrentIndex(nSelect);
    return nSelect;
}

int CComboBox::FindString(int nStartAfter, LPCTSTR lpszString) const {
    auto* combo = qobject_cast<QComboBox*>(m_pWidget);
    if (!combo) return CB_ERR;
    const QString prefix = ToQ(lpszString);
    for (int k = 0; k < combo->count(); ++k) {
        const int i = (nStartAfter + 1 + k) % combo->count();
        if (combo->itemText(i).startsWith(prefix, Qt::CaseInsensitive)) return i;
    }
    return CB_ERR;
}

int CComboBox::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const {
    auto* combo = qobject_cast<QComboBox*>(m_pWidget);
    if (!combo) return CB_ERR;
    for (int k = 0; k < combo->count(); ++k) {
        const int i = (nIndexStart + 1 + k) % combo->count();
        if (QString::compare(combo->itemText(i), ToQ(lpszFind), Qt::CaseInsensitive) == 0) return i;
    }
    return CB_ERR;
}

int CComboBox::SelectString(int nStartAfter, LPCTSTR lpszString) {
    const int found = FindString(nStartAfter, lpszString);
    if (found != CB_ERR) SetCurSel(found);
    return found;
}

void CComboBox::ResetContent() {
    if (auto* combo = qobject_cast<QComboBox*>(m_pWidget)) {
        const QSignalBlocker blocker(combo);
        combo->clear();
    }
}

// CListBox

int CListBox::AddString(LPCTSTR lpszItem) {
    auto* list = qobject_cast<QListWidget*>(m_pWidget);
    if (!list) return LB_ERR;
    const QSignalBlocker blocker(list);
    const QString text = ToQ(lpszItem);
    const int position = (m_dwStyle & LBS_SORT) ? SortedPosition(text, [list] { return list->count(); }, [list](int i) { return list->item(i)->text(); })
                                                : list->count();
    list->insertItem(position, text);
    return position;
}

int CListBox::GetCount() const {
    auto* list = qobject_cast<QListWidget*>(m_pWidget);
    return list ? list->count() : 0;
}

int CListBox::GetCurSel() const {
    auto* list = qobject_cast<QListWidget*>(m_pWidget);
    return list && list->currentItem() && list->currentItem()->isSelected() ? list->currentRow() : LB_ERR;
}

int CListBox::SetCurSel(int nSelect) {
    auto* list = qobject_cast<QListWidget*>(m_pWidget);
    if (!list) return LB_ERR;
    const QSignalBlocker blocker(list);
    if (nSelect < 0 || nSelect >= list->count()) {
        list->setCurrentRow(-1);
        list->clearSelection();
        return LB_ERR;
    }
    list->setCurrentRow(nSelect);
    return nSelect;
}

void CListBox::GetText(int nIndex, CString& rString) const {
    auto* list = qobject_cast<QListWidget*>(m_pWidget);
    rString = list && nIndex >= 0 && nIndex < list->count() ? FromQ(list->item(nIndex)->text()) : CString();
}

int CListBox::SetItemData(int nIndex, DWORD_PTR dwItemData) {
    auto* list = qobject_cast<QListWidget*>(m_pWidget);
    if (!list || nIndex < 0 || nIndex >= list->count()) return LB_ERR;
    list->item(nIndex)->setData(Qt::UserRole, QVariant::fromValue<qulonglong>(dwItemData));
    return 0;
}

DWORD_PTR CListBox::GetItemData(int nIndex) const {
    auto* list = qobject_cast<QListWidget*>(m_pWidget);
    if (!list || nIndex < 0 || nIndex >= list->count()) return static_cast<DWORD_PTR>(LB_ERR);
    return static_cast<DWORD_PTR>(list->item(nIndex)->data(Qt::UserRole).toULongLong());
}

int CListBox::SetItemDataPtr(int nIndex, void* pData) { return SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(pData)); }
void* CListBox::GetItemDataPtr(int nIndex) const {
    const DWORD_PTR data = GetItemData(nIndex);
    return data == static_cast<DWORD_PTR>(LB_ERR) ? nullptr : reinterpret_cast<void*>(data);
}

int CListBox::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const {
    auto* list = qobject_cast<QListWidget*>(m_pWidget);
    if (!list) return LB_ERR;
    for (int k = 0; k < list->count(); ++k) {
        const int i = (nIndexStart + 1 + k) % list->count();
        if (QString::compare(list->item(i)->text(), ToQ(lpszFind), Qt::CaseInsensitive) == 0) return i;
    }
    return LB_ERR;
}

void CListBox::ResetContent() {
    if (auto* list = qobject_cast<QListWidget*>(m_pWidget)) {
        const QSignalBlocker blocker(list);
        list->clear();
    }
}
