#include "WindowInput.h"

#include <QEventLoop>
#include <vector>

#include "editor/PromptInput.h"

namespace window {

std::optional<std::string> WindowInput::ReadLine() {
    if (m_beforeWait) m_beforeWait();
    for (;;) {
        if (!m_atCommand.empty()) {
            // A line meant for the command prompt cancels the prompts before it.
            if (platform::CurrentPrompt().kind != platform::PromptKind::Command) return std::string("^C");
            std::string line = std::move(m_atCommand.front());
            m_atCommand.pop_front();
            return line;
        }
        if (!m_lines.empty()) {
            std::string line = std::move(m_lines.front());
            m_lines.pop_front();
            return line;
        }
        QEventLoop loop;
        QEventLoop* outer = m_loop;
        m_loop = &loop;
        loop.exec();
        m_loop = outer;
    }
}

void WindowInput::Wake() {
    if (m_loop) m_loop->quit();
}

void WindowInput::Submit(std::string line) {
    m_lines.push_back(std::move(line));
    Wake();
}

void WindowInput::SubmitAtCommand(std::string line) {
    // What was typed ahead belonged to the prompts being cancelled.
    m_lines.clear();
    m_atCommand.push_back(std::move(line));
    Wake();
}

bool SplitMacro(const std::string& macro, std::vector<std::string>& lines) {
    std::string rest = macro;
    bool cancels = false;
    while (rest.rfind("^C", 0) == 0) {
        cancels = true;
        rest.erase(0, 2);
    }
    lines.clear();
    std::string line;
    for (char c : rest) {
        if (c == ';') {
            lines.push_back(line);
            line.clear();
        } else {
            line.push_back(c);
        }
    }
    if (!line.empty()) lines.push_back(line);
    return cancels;
}

}  // namespace window
