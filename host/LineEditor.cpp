#include "LineEditor.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <optional>
#include <type_traits>
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <time.h>
#include <unistd.h>

#include <readline/history.h>
#include <readline/readline.h>

#include "editor/UserBreak.h"
#include "posix/SystemCalls.h"
#include "text/TextCase.h"
#include "text/Utf8.h"

namespace {

constexpr size_t kHistoryLines = 1000;
// An Escape not followed by another key within this time is the Escape key, not the start of
// an arrow key's sequence.
constexpr int kLoneEscapeMilliseconds = 40;

class ReadlineEditor;
// Readline calls back through plain functions; they reach the editor reading a line here.
ReadlineEditor* g_reading = nullptr;
bool g_terminalPrepared = false;

// The terminal stays in readline's mode from the first prompt to the end of the session, also
// while a command runs: keys typed ahead then reach the next prompt as keys (in the
// terminal's own line mode a ^D typed ahead would be taken as the end of a read and lost).
void PrepareOnce(int meta) {
    if (g_terminalPrepared) return;
    rl_prep_terminal(meta);
    g_terminalPrepared = true;
}
void KeepPrepared() {}
void RestoreTerminal() {
    if (!g_terminalPrepared) return;
    rl_deprep_terminal();
    g_terminalPrepared = false;
}

class ReadlineEditor : public platform::LineSource {
public:
    ReadlineEditor(CompletionWords words, std::string historyFile, std::string savedPrompt)
        : m_words(std::move(words)), m_historyFile(std::move(historyFile)), m_savedPrompt(std::move(savedPrompt)) {
        rl_readline_name = "velloria";
        // ^C is the host's (InstallInterruptHandler): it interrupts the wait for a key.
        rl_catch_signals = 0;
        rl_catch_sigwinch = 0;
        rl_change_environment = 0;
        rl_initialize();
        // After the user's inputrc: pasted lines run as typed ones, and command names are
        // found in any case.
        rl_variable_bind("enable-bracketed-paste", "off");
        rl_variable_bind("completion-ignore-case", "on");
        rl_getc_function = &NextKey;
        rl_prep_term_function = &PrepareOnce;
        rl_deprep_term_function = &KeepPrepared;
        std::atexit(&RestoreTerminal);
        rl_attempted_completion_function = &Complete;
        using_history();
        if (!m_historyFile.empty()) LoadHistory();
        m_previousPoll = platform::SetUserBreakPoll([this] { return EscapeTypedAhead(); });
    }
    ~ReadlineEditor() override {
        platform::SetUserBreakPoll(std::move(m_previousPoll));
        if (g_reading == this) g_reading = nullptr;
        RestoreTerminal();
    }

    std::optional<std::string> ReadLine() override { return ReadLineAfter({}); }
    bool ShowsPrompt() const override { return true; }
    bool EchoInput() const override { return false; }
    bool Interactive() const override { return true; }

    std::optional<std::string> ReadLineAfter(std::string_view prompt) override {
        m_prompt = std::string(prompt);
        m_done = false;
        m_interrupted = false;
        m_line.reset();
        g_reading = this;
        // Each prompt recalls its own lines: the Up arrow at the command prompt brings back
        // commands, not the answers given to them.
        clear_history();
        for (const std::string& line : m_histories[m_prompt]) add_history(line.c_str());
        rl_resize_terminal();
        rl_callback_handler_install(m_prompt.c_str(), &TakeLine);
        while (!m_done) {
            if (m_keys.empty()) {
                if (Wait(-1) == Input::Interrupted) return Cancel("^C");
                continue;
            }
            if (m_keys[0] == '\x1b') {
                if (m_keys.size() == 1 && Wait(kLoneEscapeMilliseconds) != Input::Keys) return Cancel("");
                if (m_keys.size() > 1 && (m_keys[1] == '\r' || m_keys[1] == '\n' || m_keys[1] == '\x1b')) return Cancel("");
            }
            rl_callback_read_char();
            if (m_interrupted) return Cancel("^C");
        }
        g_reading = nullptr;
        return m_line;
    }

private:
    enum class Input { Keys, Timeout, Interrupted, Ended };

    // Waits for keys (milliseconds, -1 without limit) and adds them to the pending ones.
    Input Wait(int milliseconds) {
        // ^C is taken with SIGINT blocked, and unblocked only inside the wait itself, so that
        // one arriving while a key was being handled is not left pending through the wait.
        sigset_t interrupt, previous;
        sigemptyset(&interrupt);
        sigaddset(&interrupt, SIGINT);
        ::pthread_sigmask(SIG_BLOCK, &interrupt, &previous);
        if (platform::TakeInterrupt()) {
            ::pthread_sigmask(SIG_SETMASK, &previous, nullptr);
            return Input::Interrupted;
        }
        struct pollfd p{STDIN_FILENO, POLLIN, 0};
        struct timespec limit{milliseconds / 1000, (milliseconds % 1000) * 1000000L};
        const int ready = ::ppoll(&p, 1, milliseconds < 0 ? nullptr : &limit, &previous);
        const int waitError = errno;
        ::pthread_sigmask(SIG_SETMASK, &previous, nullptr);
        if (ready < 0 && waitError == EINTR) return platform::TakeInterrupt() ? Input::Interrupted : Input::Timeout;
        if (ready == 0) return Input::Timeout;
        char chunk[4096];
        const ssize_t n = platform::posix::Sys().read(STDIN_FILENO, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) return platform::TakeInterrupt() ? Input::Interrupted : Input::Timeout;
        if (n <= 0) {
            // The terminal is gone: what was typed ends as at ^D.
            m_keys.push_back('\x04');
            return Input::Ended;
        }
        m_keys.append(chunk, static_cast<size_t>(n));
        return Input::Keys;
    }

    // While a command works (no line is being read), the keys typed so far are taken in, and
    // an Escape among them (alone, or before another Escape or Enter) is the user's break: it
    // goes, with what was typed ahead of it for the command it stops. Other keys wait for the
    // next prompt.
    bool EscapeTypedAhead() {
        if (g_reading) return false;
        struct pollfd p{STDIN_FILENO, POLLIN, 0};
        char chunk[4096];
        while (platform::posix::Sys().poll(&p, 1, 0) > 0 && (p.revents & POLLIN)) {
            const ssize_t n = platform::posix::Sys().read(STDIN_FILENO, chunk, sizeof chunk);
            if (n <= 0) break;
            m_keys.append(chunk, static_cast<size_t>(n));
        }
        for (size_t at = m_keys.find('\x1b'); at != std::string::npos; at = m_keys.find('\x1b', at + 1)) {
            const bool alone = at + 1 == m_keys.size() || m_keys[at + 1] == '\x1b' || m_keys[at + 1] == '\r' || m_keys[at + 1] == '\n';
            if (!alone) continue;
            m_keys.erase(0, at + 1);
            return true;
        }
        return false;
    }

    // Drops the line being typed; the terminal shows `shown` after it.
    std::optional<std::string> Cancel(const char* shown) {
        m_keys.clear();
        rl_free_line_state();
        rl_callback_sigcleanup();
        rl_replace_line("", 0);
        rl_callback_handler_remove();
        std::fputs(shown, rl_outstream ? rl_outstream : stdout);
        std::fflush(rl_outstream ? rl_outstream : stdout);
        g_reading = nullptr;
        return std::string("^C");
    }

    static int NextKey(FILE*) {
        ReadlineEditor* editor = g_reading;
        if (!editor) return EOF;
        while (editor->m_keys.empty()) {
            if (editor->Wait(-1) == Input::Interrupted) {
                editor->m_interrupted = true;
                return 0x07;  // ^G ends the key sequence; the line is dropped after it
            }
        }
        const unsigned char key = static_cast<unsigned char>(editor->m_keys.front());
        editor->m_keys.erase(0, 1);
        return key;
    }

    static void TakeLine(char* line) {
        ReadlineEditor* editor = g_reading;
        rl_callback_handler_remove();
        if (!editor) {
            std::free(line);
            return;
        }
        editor->m_done = true;
        if (!line) return;  // ^D on an empty line
        editor->m_line = std::string(line);
        std::free(line);
        editor->Remember(*editor->m_line);
    }

    void Remember(const std::string& line) {
        if (line.find_first_not_of(" \t") == std::string::npos) return;
        std::vector<std::string>& lines = m_histories[m_prompt];
        if (!lines.empty() && lines.back() == line) return;
        lines.push_back(line);
        if (lines.size() > kHistoryLines) lines.erase(lines.begin());
        if (m_historyFile.empty() || m_prompt != m_savedPrompt) return;
        std::ofstream(m_historyFile, std::ios::app) << line << "\n";
    }

    // The saved lines of the command prompt, the last kHistoryLines of them; a file grown to
    // twice that is cut back.
    void LoadHistory() {
        std::vector<std::string> lines;
        {
            std::ifstream file(m_historyFile);
            for (std::string line; std::getline(file, line);)
                if (!line.empty()) lines.push_back(line);
        }
        if (lines.size() > kHistoryLines) {
            const bool cut = lines.size() > 2 * kHistoryLines;
            lines.erase(lines.begin(), lines.end() - kHistoryLines);
            if (cut) {
                std::ofstream file(m_historyFile, std::ios::trunc);
                for (const std::string& line : lines) file << line << "\n";
            }
        }
        m_histories[m_savedPrompt] = std::move(lines);
    }

    static char** Complete(const char* text, int start, int) {
        rl_attempted_completion_over = 1;  // never file names
        ReadlineEditor* editor = g_reading;
        if (!editor || !editor->m_words) return nullptr;
        for (int i = 0; i < start; ++i)
            if (rl_line_buffer[i] != ' ' && rl_line_buffer[i] != '\t') return nullptr;  // the first word only
        editor->m_matches.clear();
        const std::string typed(text);
        for (const std::string& word : editor->m_words(editor->m_prompt)) {
            if (word.size() < typed.size() || platform::CompareNoCase(platform::FromUtf8(word.substr(0, typed.size())), platform::FromUtf8(typed)) != 0) continue;
            editor->m_matches.push_back(word);
        }
        editor->m_nextMatch = 0;
        return rl_completion_matches(text, &NextMatch);
    }

    static char* NextMatch(const char*, int) {
        ReadlineEditor* editor = g_reading;
        if (!editor || editor->m_nextMatch >= editor->m_matches.size()) return nullptr;
        return ::strdup(editor->m_matches[editor->m_nextMatch++].c_str());
    }

    CompletionWords m_words;
    std::string m_historyFile;
    std::string m_savedPrompt;
    std::map<std::string, std::vector<std::string>> m_histories;
    std::string m_prompt;
    std::string m_keys;
    bool m_done = false;
    bool m_interrupted = false;
    std::optional<std::string> m_line;
    std::vector<std::string> m_matches;
    size_t m_nextMatch = 0;
    platform::UserBreakPoll m_previousPoll;
};

}  // namespace

extern "C" __attribute__((visibility("default"))) void velloriaMakeLineEditor(CompletionWords words, std::string historyFile, std::string savedPrompt,
                                                                             std::unique_ptr<platform::LineSource>* editor) {
    static_assert(std::is_same_v<decltype(&velloriaMakeLineEditor), MakeLineEditorFn*>);
    *editor = std::make_unique<ReadlineEditor>(std::move(words), std::move(historyFile), std::move(savedPrompt));
}
