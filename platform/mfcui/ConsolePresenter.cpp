// The console presenter: prints a dialog's state and runs the actions typed for it
// (ConsoleActions.cpp).
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTreeWidget>

#include "editor/Console.h"
#include "mfcui/DialogSession.h"
#include "mfcui/QtBridge.h"
#include "mfcui/ConsoleControls.h"

namespace platform::ui {
namespace {

constexpr int kPreviewRows = 5;
constexpr int kListedEntries = 30;

std::string U8(const QString& text) { return text.toStdString(); }
std::string Quoted(const QString& text) { return "\"" + U8(text) + "\""; }

std::string TreeLines(QTreeWidgetItem* item, int depth, QTreeWidgetItem* current) {
    std::string text = "\n    " + std::string(static_cast<size_t>(depth) * 2, ' ') + (item == current ? "> " : "  ");
    if (item->childCount()) text += item->isExpanded() ? "- " : "+ ";
    text += U8(item->text(0));
    for (int i = 0; i < item->childCount(); ++i) text += TreeLines(item->child(i), depth + 1, current);
    return text;
}

std::string DescribeControl(CDialog& dialog, QWidget* w, int id) {
    const QString label = LabelOf(dialog, id);
    std::string head = "\n  [" + std::to_string(id) + "] ";
    std::string state = std::string(w->isEnabled() ? "" : " (disabled)") + (w->isHidden() ? " (hidden)" : "");
    if (auto* box = qobject_cast<QCheckBox*>(w)) return head + "check " + Quoted(box->text()) + " = " + (box->isChecked() ? "on" : "off") + state;
    if (auto* button = qobject_cast<QPushButton*>(w)) return head + "button " + Quoted(button->text()) + state;
    if (auto* text = qobject_cast<QLabel*>(w)) return head + "text " + Quoted(text->text()) + state;
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        const QString shown = edit->echoMode() == QLineEdit::Password ? QString(edit->text().size(), QLatin1Char('*')) : edit->text();
        return head + "edit " + Quoted(label) + " = " + Quoted(shown) + state;
    }
    if (auto* edit = qobject_cast<QPlainTextEdit*>(w)) return head + "edit " + Quoted(label) + " = " + Quoted(edit->toPlainText()) + state;
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        std::string s = head + "combo " + Quoted(label) + " = " + Quoted(combo->isEditable() ? combo->lineEdit()->text() : combo->currentText()) + state + " {";
        for (int i = 0; i < combo->count() && i < kListedEntries; ++i) s += (i ? ", " : "") + U8(combo->itemText(i));
        return s + (combo->count() > kListedEntries ? ", ...}" : "}");
    }
    if (auto* list = qobject_cast<QListWidget*>(w)) {
        std::string s = head + "list " + Quoted(label) + " = " + Quoted(list->currentItem() && list->currentItem()->isSelected() ? list->currentItem()->text() : QString()) + state + " {";
        for (int i = 0; i < list->count() && i < kListedEntries; ++i) s += (i ? ", " : "") + U8(list->item(i)->text());
        return s + (list->count() > kListedEntries ? ", ...}" : "}");
    }
    if (auto* tree = qobject_cast<QTreeWidget*>(w)) {
        std::string s = head + "tree " + Quoted(label) + state;
        if (!tree->topLevelItemCount()) s += " (empty)";
        for (int i = 0; i < tree->topLevelItemCount(); ++i) s += TreeLines(tree->topLevelItem(i), 0, tree->currentItem());
        return s;
    }
    if (auto* table = qobject_cast<QTableWidget*>(w)) {
        std::string s = head + "grid " + Quoted(label) + " " + std::to_string(table->rowCount()) + " rows x " + std::to_string(table->columnCount()) + " columns" + state;
        if (table->columnCount()) {
            s += "\n    |";
            for (int c = 0; c < table->columnCount(); ++c) s += " " + U8(table->horizontalHeaderItem(c) ? table->horizontalHeaderItem(c)->text() : QString()) + " |";
        }
        for (int r = 0; r < table->rowCount() && r < kPreviewRows; ++r) {
            s += "\n    |";
            for (int c = 0; c < table->columnCount(); ++c) s += " " + U8(table->item(r, c) ? table->item(r, c)->text() : QString()) + " |";
        }
        if (table->rowCount() > kPreviewRows) s += "\n    ...";
        return s;
    }
    return head + "control" + state;
}

}  // namespace

QString Plain(QString text) {
    text.remove(QLatin1Char('&'));
    text = text.trimmed();
    if (text.endsWith(QLatin1Char(':'))) text.chop(1);
    return text.trimmed();
}

QString LabelOf(const CDialog& dialog, int id) {
    const DLGTEMPLATEDESC* t = dialog.GetTemplate();
    if (!t) return QString();
    QString pending;
    for (const DLGITEM& item : t->items) {
        if (item.kind == DlgItemKind::Static && item.nID == IDC_STATIC) {
            pending = ToQ(item.text);
            continue;
        }
        if (item.kind == DlgItemKind::GroupBox) continue;
        if (item.nID == id) {
            if (item.kind == DlgItemKind::PushButton || item.kind == DlgItemKind::CheckBox) return ToQ(item.text);
            return pending;
        }
        pending.clear();
    }
    return QString();
}

std::vector<std::pair<int, std::string>> ControlDescriptions(CDialog& dialog) {
    std::vector<std::pair<int, std::string>> controls;
    QWidget* window = dialog.GetWidget();
    if (!window) return controls;
    std::vector<int> shown;
    if (const DLGTEMPLATEDESC* t = dialog.GetTemplate()) {
        for (const DLGITEM& item : t->items) {
            if (item.nID == IDC_STATIC || item.kind == DlgItemKind::GroupBox) continue;
            if (QWidget* w = dialog.FindControlWidget(item.nID)) controls.emplace_back(item.nID, DescribeControl(dialog, w, item.nID));
            shown.push_back(item.nID);
        }
    }
    for (QWidget* child : window->findChildren<QWidget*>()) {
        const int id = WidgetId(child);
        if (id > 0 && child->isVisible() && std::find(shown.begin(), shown.end(), id) == shown.end())
            controls.emplace_back(id, DescribeControl(dialog, child, id));
    }
    return controls;
}

std::string DescribeDialog(CDialog& dialog) {
    QWidget* window = dialog.GetWidget();
    if (!window) return {};
    std::string text = "\nDialog " + Quoted(window->windowTitle());
    for (const auto& [id, description] : ControlDescriptions(dialog)) text += description;
    return text;
}

void RunConsoleDialog(CDialog& dialog) {
    WriteOutput(DescribeDialog(dialog));
    while (!dialog.IsEnded()) {
        const std::wstring title = dialog.GetWindowText().str();
        const std::optional<std::string> line = ReadPromptedLine(L"\n" + title + L"> ");
        if (!line || *line == "^C") {
            dialog.EndDialog(IDCANCEL);
            break;
        }
        std::string error;
        if (!PerformAction(dialog, *line, error)) WriteOutput("\n*Invalid* " + error);
        ProcessEvents();
    }
}

bool SaveWindowImage(CWnd& window, const std::string& path) {
    QWidget* widget = window.GetWidget();
    if (!widget) return false;
    ProcessEvents();
    return widget->grab().save(QString::fromStdString(path), "PNG");
}

}  // namespace platform::ui
