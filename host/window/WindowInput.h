#pragma once
// The command line's input when the host runs in a window: the lines typed in the command
// line widget, menu macros and mouse answers, read by the same prompts as a terminal's lines.
// A prompt waiting for a line runs the toolkit's events in a nested event loop until a line
// arrives, so the window stays alive while a command waits.
#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "editor/Console.h"

class QEventLoop;

namespace window {

class WindowInput : public platform::LineSource {
public:
    std::optional<std::string> ReadLine() override;
    // The window shows each answer after its prompt, as a terminal shows what was typed.
    bool EchoInput() const override { return true; }
    bool Interactive() const override { return true; }

    // Answers the prompt being read (or the next one).
    void Submit(std::string line);
    // Cancels every open prompt back to "Command: " and gives the line there, as a menu
    // macro starting with ^C^C does.
    void SubmitAtCommand(std::string line);
    // Called each time a prompt starts to wait, before the first event is processed: the
    // window brings its view up to date with the drawing then.
    void SetBeforeWait(std::function<void()> beforeWait) { m_beforeWait = std::move(beforeWait); }
    // Whether a prompt is waiting now.
    bool Waiting() const { return m_loop != nullptr; }

private:
    void Wake();

    std::deque<std::string> m_lines;
    std::deque<std::string> m_atCommand;
    QEventLoop* m_loop = nullptr;
    std::function<void()> m_beforeWait;
};

// A menu macro as the lines it types: "^C^C" at its start cancels to the command prompt, and
// each ";" is an Enter. Returns whether it cancels first.
bool SplitMacro(const std::string& macro, std::vector<std::string>& lines);

}  // namespace window
