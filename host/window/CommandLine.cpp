#include "CommandLine.h"

#include <QCompleter>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStringListModel>
#include <QVBoxLayout>

#include "editor/PromptInput.h"

namespace window {

namespace {

constexpr int kHistoryLines = 5000;  // lines of output the history keeps

bool AtCommandPrompt() { return platform::CurrentPrompt().kind == platform::PromptKind::Command; }

}  // namespace

QKeySequence UndoKeys() { return QKeySequence(Qt::CTRL | Qt::Key_Z); }
QList<QKeySequence> RedoKeys() { return {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}; }

bool CommandInput::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && text().isEmpty()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        if (pressed == UndoKeys() || RedoKeys().contains(pressed)) {
            // Not taken here: the window's Edit menu gets it.
            event->ignore();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void CommandInput::keyPressEvent(QKeyEvent* event) {
    const auto call = [](const std::function<void()>& f) {
        if (f) f();
    };
    switch (event->key()) {
    case Qt::Key_Escape: call(onEscape); return;
    case Qt::Key_Up: call(onUp); return;
    case Qt::Key_Down: call(onDown); return;
    case Qt::Key_Tab: call(onTab); return;
    default: QLineEdit::keyPressEvent(event);
    }
}

CommandLine::CommandLine(QWidget* parent) : QWidget(parent) {
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    m_history = new QPlainTextEdit(this);
    m_history->setReadOnly(true);
    m_history->setFont(fixed);
    m_history->setMaximumBlockCount(kHistoryLines);
    m_history->setFocusPolicy(Qt::NoFocus);
    m_prompt = new QLabel(this);
    m_prompt->setFont(fixed);
    m_input = new CommandInput(this);
    m_input->setFont(fixed);
    m_input->setFrame(false);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(2, 0, 2, 2);
    row->addWidget(m_prompt);
    row->addWidget(m_input, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_history, 1);
    layout->addLayout(row);

    m_names = new QStringListModel(this);
    m_completer = new QCompleter(m_names, this);
    m_completer->setCaseSensitivity(Qt::CaseInsensitive);
    m_completer->setWidget(m_input);
    m_completer->setCompletionMode(QCompleter::PopupCompletion);
    QObject::connect(m_completer, qOverload<const QString&>(&QCompleter::activated), m_input, &QLineEdit::setText);

    QObject::connect(m_input, &QLineEdit::returnPressed, m_input, [this] { Enter(); });
    m_input->onUp = [this] { Recall(-1); };
    m_input->onDown = [this] { Recall(+1); };
    m_input->onTab = [this] { Complete(); };
    m_input->onEscape = [this] {
        m_input->clear();
        if (!AtCommandPrompt() && m_submit) m_submit("^C");
        else if (AtCommandPrompt() && m_escape) m_escape();
    };
    setFocusProxy(m_input);
}

void CommandLine::Write(std::string_view utf8) {
    QScrollBar* bar = m_history->verticalScrollBar();
    m_history->moveCursor(QTextCursor::End);
    m_history->insertPlainText(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
    bar->setValue(bar->maximum());
    m_lastLine += utf8;
    const size_t newline = m_lastLine.rfind('\n');
    if (newline != std::string::npos) m_lastLine.erase(0, newline + 1);
    // The prompt stands before the input as well as in the history, where it is answered.
    m_prompt->setText(QString::fromUtf8(m_lastLine.data(), static_cast<qsizetype>(m_lastLine.size())));
}

std::string CommandLine::Transcript() const { return m_history->toPlainText().toStdString(); }

void CommandLine::SetCommandNames(const std::vector<std::string>& names) {
    QStringList list;
    for (const std::string& n : names) list << QString::fromStdString(n);
    list.sort(Qt::CaseInsensitive);
    m_names->setStringList(list);
}

void CommandLine::Enter() {
    const std::string line = m_input->text().toStdString();
    m_input->clear();
    if (!line.empty() && (m_entered.empty() || m_entered.back() != line)) m_entered.push_back(line);
    m_recalled = m_entered.size();
    if (m_submit) m_submit(line);
}

void CommandLine::Recall(int step) {
    if (m_entered.empty()) return;
    if (step < 0 && m_recalled > 0) --m_recalled;
    else if (step > 0 && m_recalled < m_entered.size()) ++m_recalled;
    m_input->setText(m_recalled < m_entered.size() ? QString::fromStdString(m_entered[m_recalled]) : QString());
}

void CommandLine::Complete() {
    if (!AtCommandPrompt() || m_input->text().isEmpty()) return;
    m_completer->setCompletionPrefix(m_input->text());
    if (m_completer->completionCount() == 1) {
        m_input->setText(m_completer->currentCompletion());
        return;
    }
    m_completer->complete();
}

}  // namespace window
