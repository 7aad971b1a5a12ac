#pragma once
// The host's command line: where command-line output goes and where prompts read their
// answers. Input comes from a stack of line sources: the terminal (or piped standard input)
// at the bottom, scripts above it. Output goes to standard output unless a sink is set
// (tests capture it).
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class LineSource {
public:
    virtual ~LineSource() = default;
    // The next line without its line end; nullopt at the end of input.
    virtual std::optional<std::string> ReadLine() = 0;
    // Whether an answer read from this source is echoed after its prompt, so that the
    // transcript of a script reads like a typed session.
    virtual bool EchoInput() const { return true; }
    // Whether a person answers from this source (a terminal), who can be asked a question
    // after the end of input was typed.
    virtual bool Interactive() const { return false; }
    // Whether the source shows the prompt itself: a line editor redraws it as the line is
    // edited. Such a source is read with ReadLineAfter, given the prompt's last line (what
    // comes before its last line end is written as output first).
    virtual bool ShowsPrompt() const { return false; }
    virtual std::optional<std::string> ReadLineAfter(std::string_view prompt) { return ReadLine(); }
};

// Lines of standard input; echoes unless it is a terminal. On a terminal the end of input
// (^D) ends one read only: the terminal can still be read after it, so ^D in a dialog
// cancels the dialog without ending the session. A ^C (SIGINT, see InstallInterruptHandler)
// while a line is read gives the line "^C".
std::unique_ptr<LineSource> MakeStdinSource();
// Whether standard input is a terminal someone types at (a prompt can then be answered
// after the end of input was typed).
bool StdinIsTerminal();

// ^C cancels the current prompt, command or dialog, never the process: SIGINT only sets a
// flag that the next read of a line (or a long operation asking acedUsrBrk) takes.
void InstallInterruptHandler();
// Takes a pending interrupt: true once for each ^C.
bool TakeInterrupt();
// Whether the bottom source (what is left when every script has ended) is a terminal.
bool InputIsInteractive();
// Whether the line ReadPromptedLine returned last came from a person (the terminal or the
// window), not from a script or a pipe.
bool LastLineWasTyped();
// Lines of a text file; nullptr when it cannot be opened.
std::unique_ptr<LineSource> MakeFileSource(const std::string& path);
// Lines given in memory (tests, queued input).
std::unique_ptr<LineSource> MakeLinesSource(std::vector<std::string> lines);

void PushLineSource(std::unique_ptr<LineSource> source);
void PopLineSource();
size_t LineSourceDepth();

// Prints the prompt, then reads one line from the top source. A source that has ended is
// removed and the read goes on in the source below it, unless it was the bottom one: then
// nullopt (end of input). A line "^C" is returned as is; callers treat it as cancel. So are
// an interrupt (pending or arriving while the line is read) and a line of Escape characters:
// both read as "^C".
std::optional<std::string> ReadPromptedLine(std::wstring_view prompt);

// Command-line output, UTF-8.
void WriteOutput(std::string_view utf8);
void WriteOutput(std::wstring_view text);
using OutputSink = std::function<void(std::string_view)>;
// Replaces the sink; returns the previous one. An empty sink means standard output.
OutputSink SetOutputSink(OutputSink sink);

// Replaces the input and captures the output for the lifetime of the object (tests).
class ScopedConsole {
public:
    explicit ScopedConsole(std::vector<std::string> input = {});
    ~ScopedConsole();
    ScopedConsole(const ScopedConsole&) = delete;
    ScopedConsole& operator=(const ScopedConsole&) = delete;
    const std::string& Output() const { return *m_output; }
    void ClearOutput() { m_output->clear(); }

private:
    std::shared_ptr<std::string> m_output;
    OutputSink m_previousSink;
    std::vector<std::unique_ptr<LineSource>> m_savedSources;
};

}  // namespace platform
