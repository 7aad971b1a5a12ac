// The console presenter: prints a dialog's state and performs typed actions on its widgets.
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

namespace platform::ui {
namespace {

constexpr int kPreviewRows = 5;
constexpr int kListedEntries = 30;

std::string U8(const QString& text) { return text.toStdString(); }
std::string Quoted(const QString& text) { return "\"" + U8(text) + "\""; }

QString Plain(QString text) {
    text.remove(QLatin1Char('&'));
    text = text.trimmed();
    if (text.endsWith(QLatin1Char(':'))) text.chop(1);
    return text.trimmed();
}

// Splits an action line into words; double quotes group words with spaces.
std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words;
    std::string current;
    bool quoted = false, any = false;
    for (char ch : line) {
        if (ch == '"') {
            quoted = !quoted;
            any = true;
        } else if (!quoted && (ch == ' ' || ch == '\t')) {
            if (any) words.push_back(current);
            current.clear();
            any = false;
        } else {
            current += ch;
            any = true;
        }
    }
    if (any) words.push_back(current);
    return words;
}

// The label of a control: its own text for a button, else the label placed before it.
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

QWidget* FindControl(CDialog& dialog, const std::string& name) {
    char* end = nullptr;
    const long id = std::strtol(name.c_str(), &end, 10);
    if (!name.empty() && *end == '\0') return dialog.FindControlWidget(static_cast<int>(id));
    const QString wanted = Plain(QString::fromStdString(name));
    if (const DLGTEMPLATEDESC* t = dialog.GetTemplate()) {
        for (const DLGITEM& item : t->items) {
            if (item.nID == IDC_STATIC || item.kind == DlgItemKind::GroupBox) continue;
            const QString label = Plain(dialog.GetWidget() ? [&] {
                QWidget* w = dialog.FindControlWidget(item.nID);
                if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
                return LabelOf(dialog, item.nID);
            }()
                                                           : QString());
            if (label.compare(wanted, Qt::CaseInsensitive) == 0) return dialog.FindControlWidget(item.nID);
        }
    }
    return nullptr;
}

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

QTreeWidgetItem* FindChildPath(QTreeWidgetItem* item, const QString& rest) {
    if (rest.isEmpty()) return item;
    for (int i = 0; i < item->childCount(); ++i) {
        const QString text = item->child(i)->text(0);
        if (rest.compare(text, Qt::CaseInsensitive) == 0) return item->child(i);
        if (rest.startsWith(text + QLatin1Char('/'), Qt::CaseInsensitive)) {
            if (QTreeWidgetItem* found = FindChildPath(item->child(i), rest.mid(text.size() + 1))) return found;
        }
    }
    return nullptr;
}

// "database/table" (a database's text may itself hold slashes), or any item's text.
QTreeWidgetItem* FindTreeItem(QTreeWidget* tree, const QString& path) {
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* root = tree->topLevelItem(i);
        if (path.compare(root->text(0), Qt::CaseInsensitive) == 0) return root;
        if (path.startsWith(root->text(0) + QLatin1Char('/'), Qt::CaseInsensitive)) {
            if (QTreeWidgetItem* found = FindChildPath(root, path.mid(root->text(0).size() + 1))) return found;
        }
    }
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        if ((*it)->text(0).compare(path, Qt::CaseInsensitive) == 0) return *it;
    }
    return nullptr;
}

int IndexIn(const QString& wanted, int count, const std::function<QString(int)>& textAt) {
    if (wanted.startsWith(QLatin1Char('#'))) {
        bool ok = false;
        const int n = wanted.mid(1).toInt(&ok);
        return ok && n >= 0 && n < count ? n : -1;
    }
    for (int i = 0; i < count; ++i) {
        if (textAt(i).compare(wanted, Qt::CaseInsensitive) == 0) return i;
    }
    return -1;
}

bool Select(QWidget* w, const QString& value, std::string& error) {
    if (auto* tree = qobject_cast<QTreeWidget*>(w)) {
        QTreeWidgetItem* item = FindTreeItem(tree, value);
        if (!item) return error = "no such item", false;
        tree->setCurrentItem(item);
        return true;
    }
    if (auto* list = qobject_cast<QListWidget*>(w)) {
        const int i = IndexIn(value, list->count(), [list](int k) { return list->item(k)->text(); });
        if (i < 0) return error = "no such entry", false;
        list->setCurrentRow(i);
        return true;
    }
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        const int i = IndexIn(value, combo->count(), [combo](int k) { return combo->itemText(k); });
        if (i < 0) return error = "no such entry", false;
        combo->setCurrentIndex(i);
        if (combo->isEditable()) combo->lineEdit()->setText(combo->itemText(i));
        return true;
    }
    if (auto* table = qobject_cast<QTableWidget*>(w)) {
        bool ok = false;
        const int row = QString(value).remove(QLatin1Char('#')).toInt(&ok);
        if (!ok || row < 0 || row >= table->rowCount()) return error = "no such row", false;
        table->selectRow(row);
        return true;
    }
    return error = "this control has no entries", false;
}

void SendKey(CDialog& dialog, int key) {
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != dialog.GetWidget()) target = dialog.GetWidget();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}

// Each control of the dialog with the text that shows it, in the template's order, then the
// visible controls made while the dialog runs (an in-place editor).
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

// The text after the first `count` words of an action line, as typed; a text that is one
// quoted word loses its quotes ("a b" and a b give the same text).
std::string RestAfter(const std::string& line, size_t count) {
    size_t at = 0;
    for (size_t word = 0; word < count; ++word) {
        at = line.find_first_not_of(" \t", at);
        if (at == std::string::npos) return {};
        bool quoted = false;
        for (; at < line.size() && (quoted || (line[at] != ' ' && line[at] != '\t')); ++at)
            if (line[at] == '"') quoted = !quoted;
    }
    const size_t start = line.find_first_not_of(" \t", at);
    if (start == std::string::npos) return {};
    std::string rest = line.substr(start, line.find_last_not_of(" \t") - start + 1);
    if (rest.size() >= 2 && rest.front() == '"' && rest.back() == '"' && rest.find('"', 1) == rest.size() - 1) rest = rest.substr(1, rest.size() - 2);
    return rest;
}

struct ActionInput {
    CDialog& dialog;
    const std::string& line;
    const std::vector<std::string>& words;
    QWidget* control;  // the control named by the second word, for the actions that take one
    QString Value() const { return QString::fromStdString(RestAfter(line, 2)); }
};

struct Action {
    const char* verb;
    const char* usage;
    const char* summary;
    bool needsControl;
    bool (*perform)(const ActionInput& input, std::string& error);
};

bool ShowAction(const ActionInput& in, std::string&) {
    WriteOutput(DescribeDialog(in.dialog));
    return true;
}

bool HelpAction(const ActionInput&, std::string&);

bool KeyAction(const ActionInput& in, std::string& error) {
    if (in.words.size() < 2) return error = "key Enter|Escape", false;
    const QString key = QString::fromStdString(in.words[1]).toLower();
    if (key == QLatin1String("enter") || key == QLatin1String("return")) SendKey(in.dialog, Qt::Key_Return);
    else if (key == QLatin1String("escape") || key == QLatin1String("esc")) SendKey(in.dialog, Qt::Key_Escape);
    else return error = "unknown key " + in.words[1] + " (Enter or Escape)", false;
    return true;
}

bool MenuAction(const ActionInput& in, std::string& error) {
    if (in.words.size() < 2) return error = "menu ENTRY", false;
    QWidget* focus = QApplication::focusWidget();
    CWnd* wnd = focus ? WrapperOf(focus) : nullptr;
    if (!wnd) return error = "no edit box with a context menu has the focus", false;
    PendingMenuChoice() = RestAfter(in.line, 1);
    const QPoint at = focus->mapToGlobal(QPoint(focus->width() / 2, focus->height() / 2));
    const BOOL shown = wnd->OnContextMenu(wnd, CPoint(at.x(), at.y()));
    PendingMenuChoice().reset();
    if (!shown) return error = "this control has no context menu of its own", false;
    return true;
}

bool ClickAction(const ActionInput& in, std::string& error) {
    auto* button = qobject_cast<QAbstractButton*>(in.control);
    if (!button) return error = "not a button", false;
    // As a mouse click does, the button takes the focus first.
    if (button->focusPolicy() != Qt::NoFocus) button->setFocus(Qt::MouseFocusReason);
    button->click();
    return true;
}

bool CheckAction(const ActionInput& in, std::string& error) {
    auto* box = qobject_cast<QCheckBox*>(in.control);
    if (!box) return error = "not a check box", false;
    const QString value = in.Value();
    const bool wanted = value.isEmpty() || value.compare(QLatin1String("on"), Qt::CaseInsensitive) == 0 || value == QLatin1String("1");
    if (box->isChecked() != wanted) box->click();
    return true;
}

// Selects an entry, then prints every other control the choice changed (a preview, a list
// of fields), so that the transcript of a script shows what happened.
bool SelectAction(const ActionInput& in, std::string& error) {
    const auto before = ControlDescriptions(in.dialog);
    if (!Select(in.control, in.Value(), error)) return false;
    ProcessEvents();
    const int selected = WidgetId(in.control);
    std::string changed;
    for (const auto& [id, description] : ControlDescriptions(in.dialog)) {
        if (id == selected) continue;
        const auto old = std::find_if(before.begin(), before.end(), [id = id](const auto& control) { return control.first == id; });
        if (old == before.end() || old->second != description) changed += description;
    }
    if (!changed.empty()) WriteOutput("\nChanged:" + changed);
    return true;
}

bool SetAction(const ActionInput& in, std::string& error) {
    const QString value = in.Value();
    if (auto* edit = qobject_cast<QLineEdit*>(in.control)) edit->setText(value);
    else if (auto* edit = qobject_cast<QPlainTextEdit*>(in.control)) edit->setPlainText(value);
    else if (auto* combo = qobject_cast<QComboBox*>(in.control); combo && combo->isEditable()) combo->lineEdit()->setText(value);
    else return SelectAction(in, error);
    return true;
}

bool FocusAction(const ActionInput& in, std::string&) {
    in.control->window()->activateWindow();
    in.control->setFocus(Qt::MouseFocusReason);
    return true;
}

bool DoubleClickAction(const ActionInput& in, std::string& error) {
    auto* table = qobject_cast<QTableWidget*>(in.control);
    if (!table) return error = "not a grid", false;
    bool ok = false;
    const int row = in.words.size() > 2 ? QString::fromStdString(in.words[2]).toInt(&ok) : 0;
    if (!ok) return error = "dblclick CTL ROW [COL]", false;
    const int col = in.words.size() > 3 ? QString::fromStdString(in.words[3]).toInt() : 0;
    table->setFocus(Qt::MouseFocusReason);
    if (row >= 0 && row < table->rowCount() && col >= 0 && col < table->columnCount()) {
        table->setCurrentCell(row, col);
        emit table->cellDoubleClicked(row, col);
    } else {
        // Below the last row: the list reports a double click on no item.
        NMITEMACTIVATE nm;
        nm.hdr = NMHDR{table, static_cast<UINT_PTR>(WidgetId(table)), NM_DBLCLK};
        nm.iItem = -1;
        nm.iSubItem = col;
        in.dialog.DispatchNotify(&nm.hdr);
    }
    return true;
}

constexpr Action kActions[] = {
    {"show", "show", "print the dialog and its controls", false, &ShowAction},
    {"click", "click CTL", "click a button", true, &ClickAction},
    {"check", "check CTL [on|off]", "tick or clear a check box", true, &CheckAction},
    {"set", "set CTL TEXT", "type TEXT (the rest of the line, quotes optional) into an edit box, or choose the entry TEXT", true, &SetAction},
    {"select", "select CTL ENTRY", "choose an entry of a list, tree or combo box (#N by position, a row of a grid)", true, &SelectAction},
    {"dblclick", "dblclick CTL ROW [COL]", "double-click a cell of a grid", true, &DoubleClickAction},
    {"focus", "focus CTL", "give a control the focus", true, &FocusAction},
    {"menu", "menu ENTRY", "choose an entry of the focused edit box's context menu", false, &MenuAction},
    {"key", "key Enter|Escape", "press Enter or Escape", false, &KeyAction},
    {"help", "help", "this list (also ?)", false, &HelpAction},
};

bool HelpAction(const ActionInput&, std::string&) {
    std::string text = "\nActions (CTL is a control's label or [number]; quote words with spaces):";
    for (const Action& action : kActions) {
        std::string usage = action.usage;
        usage.resize(std::max<size_t>(usage.size() + 2, 24), ' ');
        text += "\n  " + usage + action.summary;
    }
    text += "\n  ^C or Escape            cancel the dialog";
    WriteOutput(text);
    return true;
}

const Action* FindAction(const std::string& word) {
    const QString verb = QString::fromStdString(word).toLower();
    if (verb == QLatin1String("?")) return FindAction("help");
    for (const Action& action : kActions)
        if (verb == QLatin1String(action.verb)) return &action;
    return nullptr;
}

}  // namespace

std::string DescribeDialog(CDialog& dialog) {
    QWidget* window = dialog.GetWidget();
    if (!window) return {};
    std::string text = "\nDialog " + Quoted(window->windowTitle());
    for (const auto& [id, description] : ControlDescriptions(dialog)) text += description;
    return text;
}

bool PerformAction(CDialog& dialog, const std::string& line, std::string& error) {
    const std::vector<std::string> words = Words(line);
    if (words.empty()) return true;
    const Action* action = FindAction(words[0]);
    if (!action) return error = "unknown action " + words[0] + " (help lists the actions)", false;
    ActionInput input{dialog, line, words, nullptr};
    if (action->needsControl) {
        if (words.size() < 2) return error = "name a control: " + std::string(action->usage), false;
        input.control = FindControl(dialog, words[1]);
        if (!input.control) return error = "no control " + words[1], false;
        if (!input.control->isEnabled()) return error = "control " + words[1] + " is disabled", false;
    }
    return action->perform(input, error);
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
