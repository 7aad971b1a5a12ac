// The actions of the console presenter: one function an action, found by its verb.
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

}  // namespace platform::ui
