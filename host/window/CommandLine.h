#pragma once
// The command line docked under the drawing: the text the commands print, with the prompt
// being answered on its last line, and an input line below. Enter gives the line to the
// prompt; Up and Down walk through the lines given before; Tab completes a command name at
// "Command: "; Escape cancels the prompt (or clears what was typed at "Command: ").
#include <QKeySequence>
#include <QLineEdit>
#include <QList>
#include <QWidget>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QCompleter;
class QLabel;
class QPlainTextEdit;
class QStringListModel;

namespace window {

// The keys of Edit > Undo and Redo: Ctrl+Z; Ctrl+Y and Ctrl+Shift+Z.
QKeySequence UndoKeys();
QList<QKeySequence> RedoKeys();

class CommandInput : public QLineEdit {
public:
    explicit CommandInput(QWidget* parent = nullptr) : QLineEdit(parent) {}
    std::function<void()> onEscape, onUp, onDown, onTab;

protected:
    // The undo keys undo the drawing, unless there is typing in the line to undo.
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool) override { return false; }  // Tab completes
};

class CommandLine : public QWidget {
public:
    explicit CommandLine(QWidget* parent = nullptr);

    // Output of the commands, UTF-8, in pieces as they are printed.
    void Write(std::string_view utf8);
    // Where a line typed and entered goes.
    void SetSubmitHandler(std::function<void(const std::string&)> submit) { m_submit = std::move(submit); }
    // Called on Escape at "Command: ", where there is no command to cancel.
    void SetEscapeHandler(std::function<void()> escape) { m_escape = std::move(escape); }
    // The command names Tab completes.
    void SetCommandNames(const std::vector<std::string>& names);

    CommandInput* Input() const { return m_input; }
    // Everything printed so far (tests).
    std::string Transcript() const;

private:
    void Enter();
    void Complete();
    void Recall(int step);

    QPlainTextEdit* m_history;
    QLabel* m_prompt;
    CommandInput* m_input;
    QStringListModel* m_names;
    QCompleter* m_completer;
    std::vector<std::string> m_entered;
    size_t m_recalled = 0;
    std::string m_lastLine;  // the unfinished last line of the output: the prompt
    std::function<void(const std::string&)> m_submit;
    std::function<void()> m_escape;
};

}  // namespace window
