// CWnd over a widget: text, enabling, geometry, focus and the event hooks.
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyle>

#include "mfcui/Controls.h"
#include "mfcui/DialogSession.h"
#include "mfcui/QtBridge.h"

using namespace platform::ui;

namespace {

CString WidgetText(QWidget* w) {
    if (auto* e = qobject_cast<QLineEdit*>(w)) return FromQ(e->text());
    if (auto* e = qobject_cast<QPlainTextEdit*>(w)) {
        QString text = e->toPlainText();
        if (e->property("crlf").toBool()) text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
        return FromQ(text);
    }
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return FromQ(b->text());
    if (auto* l = qobject_cast<QLabel*>(w)) return FromQ(l->text());
    if (auto* c = qobject_cast<QComboBox*>(w)) return FromQ(c->isEditable() ? c->lineEdit()->text() : c->currentText());
    if (w && w->isWindow()) return FromQ(w->windowTitle());
    return CString();
}

void SetWidgetText(QWidget* w, const CString& text) {
    if (auto* e = qobject_cast<QLineEdit*>(w)) e->setText(ToQ(text));
    else if (auto* e = qobject_cast<QPlainTextEdit*>(w)) {
        // Lines come back with the line ends they were given (CR LF or LF).
        QString t = ToQ(text);
        e->setProperty("crlf", t.contains(QStringLiteral("\r\n")));
        t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        e->setPlainText(t);
    } else if (auto* b = qobject_cast<QAbstractButton*>(w)) b->setText(ToQ(text));
    else if (auto* l = qobject_cast<QLabel*>(w)) l->setText(ToQ(text));
    else if (auto* c = qobject_cast<QComboBox*>(w)) {
        if (c->isEditable()) c->lineEdit()->setText(ToQ(text));
        else c->setCurrentIndex(c->findText(ToQ(text)));
    } else if (w && w->isWindow()) w->setWindowTitle(ToQ(text));
}

}  // namespace

namespace platform::ui {
CWnd* WrapperOf(QWidget* widget) {
    for (QObject* child : widget ? widget->children() : QObjectList()) {
        if (auto* bridge = dynamic_cast<CWndEventBridge*>(child)) return bridge->m_wnd;
    }
    return nullptr;
}
}  // namespace platform::ui

bool CWndEventBridge::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        UINT vk = 0;
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) vk = VK_RETURN;
        else if (key->key() == Qt::Key_Escape) vk = VK_ESCAPE;
        if (vk && m_wnd->OnKeyDown(vk)) return true;
        break;
    }
    case QEvent::FocusOut: {
        QWidget* next = QApplication::focusWidget();
        m_wnd->OnKillFocus(next ? WrapperOf(next) : nullptr);
        break;
    }
    case QEvent::ContextMenu: {
        auto* menu = static_cast<QContextMenuEvent*>(event);
        if (m_wnd->OnContextMenu(m_wnd, CPoint(menu->globalPos().x(), menu->globalPos().y()))) return true;
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

CWnd::~CWnd() {
    if (m_pDialog && m_pDialog != this) m_pDialog->UnregisterAttached(this);
    DetachWidget();
}

void CWnd::AttachWidget(QWidget* widget, int nID, DWORD dwStyle, CWnd* pParent, CDialog* pDialog) {
    DetachWidget();
    m_pWidget = widget;
    m_hWnd = widget;
    m_nID = nID;
    m_dwStyle = dwStyle;
    m_pParent = pParent;
    m_pDialog = pDialog;
    m_pBridge = new CWndEventBridge(this, widget);
    widget->installEventFilter(m_pBridge);
    if (pDialog && pDialog != this) pDialog->RegisterAttached(this);
}

void CWnd::DetachWidget() {
    if (m_pWidget && m_pBridge) {
        m_pWidget->removeEventFilter(m_pBridge);
        delete m_pBridge;
    }
    m_pBridge = nullptr;
    m_pWidget = nullptr;
    m_hWnd = nullptr;
}

CWnd* CWnd::GetDlgItem(int nID) const {
    const CDialog* dialog = dynamic_cast<const CDialog*>(this);
    if (!dialog) dialog = m_pDialog;
    return dialog ? dialog->WrapperFor(nID) : nullptr;
}

BOOL CWnd::EnableWindow(BOOL bEnable) {
    if (!m_pWidget) return FALSE;
    const BOOL wasDisabled = !m_pWidget->isEnabled();
    m_pWidget->setEnabled(bEnable != FALSE);
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const { return m_pWidget && m_pWidget->isEnabled(); }

BOOL CWnd::ShowWindow(int nCmdShow) {
    if (!m_pWidget) return FALSE;
    const BOOL was = m_pWidget->isVisible();
    m_pWidget->setVisible(nCmdShow != SW_HIDE);
    return was;
}

BOOL CWnd::IsWindowVisible() const { return m_pWidget && m_pWidget->isVisible(); }
void CWnd::SetWindowText(LPCTSTR lpszString) {
    if (m_pWidget) SetWidgetText(m_pWidget, CString(lpszString));
}
void CWnd::GetWindowText(CString& rString) const { rString = m_pWidget ? WidgetText(m_pWidget) : CString(); }
CString CWnd::GetWindowText() const {
    CString text;
    GetWindowText(text);
    return text;
}

CWnd* CWnd::SetFocus() {
    if (m_pWidget) {
        if (QWidget* window = m_pWidget->window(); window && !window->isActiveWindow()) window->activateWindow();
        m_pWidget->setFocus(Qt::OtherFocusReason);
    }
    return nullptr;
}

void CWnd::MoveWindow(const RECT& rect, BOOL) {
    if (m_pWidget) m_pWidget->setGeometry(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

void CWnd::GetClientRect(RECT* lpRect) const {
    *lpRect = RECT{};
    if (!m_pWidget) return;
    lpRect->right = m_pWidget->width();
    lpRect->bottom = m_pWidget->height();
}

void CWnd::GetWindowRect(RECT* lpRect) const {
    *lpRect = RECT{};
    if (!m_pWidget) return;
    const QRect g = m_pWidget->geometry();
    *lpRect = RECT{g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
}

void CWnd::SetFont(const CFont* pFont, BOOL) {
    if (!m_pWidget || !pFont) return;
    QFont font = m_pWidget->font();
    if (!pFont->m_strFamily.IsEmpty()) font.setFamily(ToQ(pFont->m_strFamily));
    if (pFont->m_nPointSize > 0) font.setPixelSize(pFont->m_nPointSize);
    m_pWidget->setFont(font);
}

const CFont* CWnd::GetFont() const {
    if (!m_pWidget) return nullptr;
    m_font.m_strFamily = FromQ(m_pWidget->font().family());
    m_font.m_nPointSize = m_pWidget->font().pixelSize();
    return &m_font;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) { return DefWindowProc(message, wParam, lParam); }

int CWnd::MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType) { return MessageBoxW(m_hWnd, lpszText, lpszCaption, nType); }

CClientDC::CClientDC(CWnd* pWnd) {
    if (const CFont* font = pWnd ? pWnd->GetFont() : nullptr) m_font = *font;
}

const CFont* CClientDC::SelectObject(const CFont* pFont) {
    if (pFont) m_font = *pFont;
    return nullptr;
}

CSize CClientDC::GetTextExtent(const CString& text) const {
    QFont font = QApplication::font();
    if (!m_font.m_strFamily.IsEmpty()) font.setFamily(ToQ(m_font.m_strFamily));
    if (m_font.m_nPointSize > 0) font.setPixelSize(m_font.m_nPointSize);
    QFontMetrics metrics(font);
    return CSize(metrics.horizontalAdvance(ToQ(text)), metrics.height());
}

int GetSystemMetrics(int nIndex) {
    if (nIndex == SM_CXEDGE) return 2;
    return 0;
}

BOOL IsClipboardFormatAvailable(UINT format) {
    EnsureApplication();
    if (format != CF_UNICODETEXT) return FALSE;
    return !QApplication::clipboard()->text().isEmpty();
}
