#include "editor/Console.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <signal.h>
#include <unistd.h>

#include "posix/SystemCalls.h"
#include "text/Utf8.h"

namespace platform {

namespace {

class StreamSource : public LineSource {
public:
    StreamSource(std::istream& in, bool echo) : m_in(in), m_echo(echo) {}
    std::optional<std::string> ReadLine() override {
        std::string line;
        if (!std::getline(m_in, line)) return std::nullopt;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        return line;
    }
    bool EchoInput() const override { return m_echo; }

private:
    std::istream& m_in;
    bool m_echo;
};

// Standard input read with read(2), so that a signal interrupts the wait for a line and a
// terminal's end of input does not end it for good (std::cin would keep its end-of-file).
class DescriptorSource : public LineSource {
public:
    DescriptorSource(int fd, bool terminal) : m_fd(fd), m_terminal(terminal) {}
    std::optional<std::string> ReadLine() override {
        for (;;) {
            const size_t newline = m_buffer.find('\n');
            if (newline != std::string::npos) return Take(newline, newline + 1);
            if (m_ended) return m_buffer.empty() ? std::nullopt : std::optional<std::string>(Take(m_buffer.size(), m_buffer.size()));
            char chunk[4096];
            const ssize_t n = posix::Sys().read(m_fd, chunk, sizeof chunk);
            if (n < 0 && errno == EINTR) {
                if (!TakeInterrupt()) continue;
                m_buffer.clear();  // the terminal drops the line being typed, and so do we
                return std::string("^C");
            }
            if (n > 0) {
                m_buffer.append(chunk, static_cast<size_t>(n));
                continue;
            }
            // The end of input: a last line without its line end is still a line. A terminal
            // can be read again after ^D; a file or a pipe cannot.
            if (!m_buffer.empty()) return Take(m_buffer.size(), m_buffer.size());
            if (!m_terminal) m_ended = true;
            return std::nullopt;
        }
    }
    bool EchoInput() const override { return !m_terminal; }
    bool Interactive() const override { return m_terminal; }

private:
    std::string Take(size_t length, size_t consumed) {
        std::string line = m_buffer.substr(0, length);
        m_buffer.erase(0, consumed);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        return line;
    }
    int m_fd;
    bool m_terminal;
    bool m_ended = false;
    std::string m_buffer;
};

class FileSource : public LineSource {
public:
    explicit FileSource(std::ifstream file) : m_file(std::move(file)), m_stream(m_file, true) {}
    std::optional<std::string> ReadLine() override { return m_stream.ReadLine(); }

private:
    std::ifstream m_file;
    StreamSource m_stream;
};

class LinesSource : public LineSource {
public:
    explicit LinesSource(std::vector<std::string> lines) : m_lines(std::move(lines)) {}
    std::optional<std::string> ReadLine() override {
        if (m_next >= m_lines.size()) return std::nullopt;
        return m_lines[m_next++];
    }

private:
    std::vector<std::string> m_lines;
    size_t m_next = 0;
};

struct ConsoleState {
    std::vector<std::unique_ptr<LineSource>> sources;
    OutputSink sink;
    bool lastLineTyped = false;
};

ConsoleState& State() {
    static ConsoleState state;
    return state;
}

volatile std::sig_atomic_t g_interrupted = 0;

void OnInterrupt(int) { g_interrupted = 1; }

// A line of Escape characters (and blanks) is the Escape key pressed at a prompt.
bool IsEscape(const std::string& line) {
    return line.find('\x1b') != std::string::npos && line.find_first_not_of("\x1b \t") == std::string::npos;
}

}  // namespace

std::unique_ptr<LineSource> MakeStdinSource() {
    return std::make_unique<DescriptorSource>(STDIN_FILENO, StdinIsTerminal());
}

bool StdinIsTerminal() { return posix::Sys().isatty(STDIN_FILENO) == 1; }

void InstallInterruptHandler() {
    struct sigaction action{};
    action.sa_handler = &OnInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;  // no SA_RESTART: the read waiting for a line returns
    ::sigaction(SIGINT, &action, nullptr);
}

bool TakeInterrupt() {
    if (!g_interrupted) return false;
    g_interrupted = 0;
    return true;
}

bool LastLineWasTyped() { return State().lastLineTyped; }

bool InputIsInteractive() {
    const auto& sources = State().sources;
    return !sources.empty() && sources.front()->Interactive();
}

std::unique_ptr<LineSource> MakeFileSource(const std::string& path) {
    std::ifstream file(path);
    if (!file) return nullptr;
    return std::make_unique<FileSource>(std::move(file));
}

std::unique_ptr<LineSource> MakeLinesSource(std::vector<std::string> lines) {
    return std::make_unique<LinesSource>(std::move(lines));
}

void PushLineSource(std::unique_ptr<LineSource> source) {
    if (source) State().sources.push_back(std::move(source));
}

void PopLineSource() {
    if (!State().sources.empty()) State().sources.pop_back();
}

size_t LineSourceDepth() { return State().sources.size(); }

std::optional<std::string> ReadPromptedLine(std::wstring_view prompt) {
    auto& sources = State().sources;
    const std::string text = ToUtf8(prompt);
    const size_t lastLine = text.rfind('\n') + 1;  // 0 when the prompt is one line
    WriteOutput(std::string_view(text).substr(0, lastLine));
    const std::string tail = text.substr(lastLine);
    bool tailShown = false;
    auto showTail = [&] {
        if (!tailShown) WriteOutput(std::string_view(tail));
        tailShown = true;
    };
    // A ^C pressed while a command was busy cancels it at its next prompt.
    if (TakeInterrupt()) {
        showTail();
        WriteOutput(std::string_view("\n"));
        return std::string("^C");
    }
    while (!sources.empty()) {
        LineSource& source = *sources.back();
        std::optional<std::string> line;
        if (source.ShowsPrompt() && !tailShown) {
            line = source.ReadLineAfter(tail);
            tailShown = true;
        } else {
            showTail();
            line = source.ReadLine();
        }
        if (line) {
            State().lastLineTyped = source.Interactive();
            if (source.EchoInput()) WriteOutput(*line + "\n");
            else if (*line == "^C") WriteOutput(std::string_view("\n"));  // the terminal showed the ^C
            if (IsEscape(*line)) return std::string("^C");
            return line;
        }
        if (sources.size() == 1) break;
        sources.pop_back();
    }
    showTail();
    WriteOutput(std::string_view("\n"));
    return std::nullopt;
}

void WriteOutput(std::string_view utf8) {
    auto& sink = State().sink;
    if (sink) {
        sink(utf8);
    } else {
        std::fwrite(utf8.data(), 1, utf8.size(), stdout);
        std::fflush(stdout);
    }
}

void WriteOutput(std::wstring_view text) { WriteOutput(std::string_view(ToUtf8(text))); }

OutputSink SetOutputSink(OutputSink sink) {
    OutputSink previous = std::move(State().sink);
    State().sink = std::move(sink);
    return previous;
}

ScopedConsole::ScopedConsole(std::vector<std::string> input) : m_output(std::make_shared<std::string>()) {
    m_savedSources.swap(State().sources);
    State().sources.push_back(MakeLinesSource(std::move(input)));
    auto out = m_output;
    m_previousSink = SetOutputSink([out](std::string_view s) { out->append(s); });
}

ScopedConsole::~ScopedConsole() {
    SetOutputSink(std::move(m_previousSink));
    State().sources.swap(m_savedSources);
}

}  // namespace platform
