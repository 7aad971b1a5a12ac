#include "Console.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <unistd.h>

#include "Utf8.h"

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
};

ConsoleState& State() {
    static ConsoleState state;
    return state;
}

}  // namespace

std::unique_ptr<LineSource> MakeStdinSource() {
    return std::make_unique<StreamSource>(std::cin, !isatty(STDIN_FILENO));
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
    WriteOutput(prompt);
    while (!sources.empty()) {
        auto line = sources.back()->ReadLine();
        if (line) {
            if (sources.back()->EchoInput()) WriteOutput(*line + "\n");
            return line;
        }
        if (sources.size() == 1) break;
        sources.pop_back();
    }
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
