// The file dialogs, message boxes and pop-up menus: toolkit windows with a display, lines on
// the command line in console mode.
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>

#include "editor/Console.h"
#include "mfcui/Controls.h"
#include "mfcui/DialogSession.h"
#include "mfcui/QtBridge.h"

using namespace platform::ui;

namespace {

// "Text Files (*.txt)|*.txt|All Files (*.*)|*.*||" as the toolkit's ";;"-separated filter.
QString ToolkitFilter(const CString& filter) {
    QStringList parts = ToQ(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty()) break;
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

CString StripAmpersand(const CString& text) {
    CString plain = text;
    plain.Remove(L'&');
    return plain;
}

}  // namespace

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags, LPCTSTR lpszFilter, CWnd* pParentWnd)
    : m_bOpenFileDialog(bOpenFileDialog),
      m_strDefExt(lpszDefExt),
      m_strFileName(lpszFileName),
      m_dwFlags(dwFlags),
      m_strFilter(lpszFilter),
      m_pParentWnd(pParentWnd) {}

INT_PTR CFileDialog::DoModal() {
    EnsureApplication();
    QString chosen;
    if (ConsoleDialogs()) {
        const wchar_t* prompt = m_bOpenFileDialog ? L"\nFile to open: " : L"\nFile to save as: ";
        const std::optional<std::string> line = platform::ReadPromptedLine(prompt);
        if (!line || line->empty() || *line == "^C") return IDCANCEL;
        chosen = QString::fromStdString(*line).trimmed();
        if (chosen.isEmpty()) return IDCANCEL;
    } else {
        QWidget* parent = m_pParentWnd && m_pParentWnd->GetWidget() ? m_pParentWnd->GetWidget() : OwnerWindow();
        const QString filter = ToolkitFilter(m_strFilter);
        chosen = m_bOpenFileDialog ? QFileDialog::getOpenFileName(parent, QString(), ToQ(m_strFileName), filter)
                                   : QFileDialog::getSaveFileName(parent, QString(), ToQ(m_strFileName), filter);
        if (chosen.isEmpty()) return IDCANCEL;
    }
    QFileInfo info(chosen);
    if (info.suffix().isEmpty() && !m_strDefExt.IsEmpty() && !info.exists()) chosen += QLatin1Char('.') + ToQ(m_strDefExt);
    m_strPathName = FromQ(QDir::cleanPath(QFileInfo(chosen).absoluteFilePath()));
    return IDOK;
}

// The host program's name.
LPCWSTR AfxGetAppName() { return L"velloria"; }

int MessageBoxW(HWND hWnd, LPCWSTR lpText, LPCWSTR lpCaption, UINT uType) {
    EnsureApplication();
    const CString caption = lpCaption ? CString(lpCaption) : CString(AfxGetAppName());
    const UINT icon = uType & 0xF0;
    if (ConsoleDialogs()) {
        const char* kind = icon == MB_ICONINFORMATION ? " (information)" : icon == MB_ICONWARNING ? " (warning)" : icon == MB_ICONERROR ? " (error)" : icon == MB_ICONQUESTION ? " (question)" : "";
        std::string text = "\n[" + caption.ToUtf8() + "]" + kind + " " + CString(lpText).ToUtf8();
        platform::WriteOutput(text);
        return IDOK;
    }
    QMessageBox box(QMessageBox::NoIcon, ToQ(caption), ToQ(lpText), QMessageBox::Ok, hWnd ? static_cast<QWidget*>(hWnd) : OwnerWindow());
    if (icon == MB_ICONINFORMATION) box.setIcon(QMessageBox::Information);
    else if (icon == MB_ICONWARNING) box.setIcon(QMessageBox::Warning);
    else if (icon == MB_ICONERROR) box.setIcon(QMessageBox::Critical);
    box.exec();
    return IDOK;
}

int AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT) { return MessageBoxW(nullptr, lpszText, nullptr, nType); }

// CMenu

BOOL CMenu::CreatePopupMenu() {
    m_items.clear();
    m_bCreated = true;
    return TRUE;
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem) {
    if (!m_bCreated) return FALSE;
    m_items.push_back({nFlags, nIDNewItem, CString(lpszNewItem)});
    return TRUE;
}

BOOL CMenu::DestroyMenu() {
    const bool was = m_bCreated;
    m_items.clear();
    m_bCreated = false;
    return was;
}

BOOL CMenu::TrackPopupMenu(UINT, int x, int y, CWnd* pWnd) {
    if (!m_bCreated || !pWnd) return FALSE;
    EnsureApplication();
    UINT_PTR chosen = 0;
    if (ConsoleDialogs()) {
        std::string listing = "\nMenu:";
        for (const Item& item : m_items) {
            if (item.flags & MF_SEPARATOR) {
                listing += " |";
                continue;
            }
            listing += " [" + std::to_string(item.id) + "] " + StripAmpersand(item.text).ToUtf8();
            if (item.flags & (MF_GRAYED | MF_DISABLED)) listing += " (greyed)";
            listing += ";";
        }
        platform::WriteOutput(listing);
        std::optional<std::string>& pending = PendingMenuChoice();
        if (!pending) return TRUE;
        const std::string wanted = *pending;
        pending.reset();
        for (const Item& item : m_items) {
            if (item.flags & MF_SEPARATOR) continue;
            const bool match = wanted == std::to_string(item.id) || CString(wanted).CompareNoCase(item.text) == 0 ||
                               CString(wanted).CompareNoCase(StripAmpersand(item.text)) == 0;
            if (!match) continue;
            if (item.flags & (MF_GRAYED | MF_DISABLED)) {
                platform::WriteOutput("\nThat menu entry is greyed.");
                return TRUE;
            }
            chosen = item.id;
            break;
        }
        if (!chosen) {
            platform::WriteOutput("\nNo such menu entry.");
            return TRUE;
        }
    } else {
        QMenu menu(pWnd->GetWidget());
        for (const Item& item : m_items) {
            if (item.flags & MF_SEPARATOR) {
                menu.addSeparator();
                continue;
            }
            QAction* action = menu.addAction(ToQ(item.text));
            action->setData(QVariant::fromValue<qulonglong>(item.id));
            action->setEnabled(!(item.flags & (MF_GRAYED | MF_DISABLED)));
        }
        QAction* action = menu.exec(QPoint(x, y));
        if (!action) return TRUE;
        chosen = static_cast<UINT_PTR>(action->data().toULongLong());
    }
    pWnd->OnCommand(chosen, 0);
    return TRUE;
}
