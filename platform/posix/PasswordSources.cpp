#include "posix/PasswordSources.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "posix/FileDescriptor.h"
#include "posix/FileIo.h"

namespace platform::posix {

namespace {

// A password file larger than this is not a password file.
constexpr std::size_t kMostPasswordFile = 64 * 1024;

std::string FirstLine(const std::string& text) {
    std::string line = text.substr(0, text.find('\n'));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

// The terminal's settings while echo is off, so that a signal that ends the program during
// the prompt (^C, ^\, a kill) leaves the terminal echoing again. The signal handler may only
// read these: they are set before it is installed.
int s_promptTerminal = -1;
struct termios s_echoingSettings;

extern "C" void RestoreEchoAndReraise(int signal) {
    ::tcsetattr(s_promptTerminal, TCSAFLUSH, &s_echoingSettings);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// Echo off for the life of the object, and the signals that end a program caught to turn it
// back on.
class EchoOff {
public:
    explicit EchoOff(int fd) : m_fd(fd) {
        if (::tcgetattr(fd, &s_echoingSettings) != 0) return;
        s_promptTerminal = fd;
        for (int i = 0; i < kSignals; ++i) m_previous[i] = std::signal(kCaught[i], RestoreEchoAndReraise);
        struct termios quiet = s_echoingSettings;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        quiet.c_lflag |= ECHONL;
        m_active = ::tcsetattr(fd, TCSAFLUSH, &quiet) == 0;
    }
    ~EchoOff() {
        if (s_promptTerminal < 0) return;
        ::tcsetattr(m_fd, TCSAFLUSH, &s_echoingSettings);
        for (int i = 0; i < kSignals; ++i) std::signal(kCaught[i], m_previous[i]);
        s_promptTerminal = -1;
    }
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;
    bool Active() const { return m_active; }

private:
    static constexpr int kSignals = 4;
    static constexpr int kCaught[kSignals] = {SIGINT, SIGQUIT, SIGTERM, SIGHUP};
    int m_fd;
    bool m_active = false;
    void (*m_previous[kSignals])(int) = {};
};

}  // namespace

void DeclarePasswordOptions(OptionParser& parser, PasswordOptions& options) {
    parser.Value("--password", "P", "the database password (seen by other users in ps: prefer the ways below)",
                 [&options](const std::string& v) { return options.value = v, options.given = true; });
    parser.Text("--password-file", "F", options.file, "read the password from the first line of F");
    parser.Flag("--ask-password", options.ask, "ask for the password at the terminal, without echo");
    parser.Rule([&options] {
        const int sources = (options.given ? 1 : 0) + (options.file.empty() ? 0 : 1) + (options.ask ? 1 : 0);
        return sources > 1 ? std::string("give one of --password, --password-file and --ask-password") : std::string();
    });
}

bool ResolvePassword(const PasswordOptions& options, const std::string& program, std::string& password, std::string& error) {
    if (!options.file.empty()) return ReadPasswordFile(options.file, password, error);
    if (options.ask) return PromptForPassword("Password: ", password, error);
    if (options.given) {
        std::fprintf(stderr,
                     "%s: warning: a password on the command line can be read by other users (ps); "
                     "use --password-file, --ask-password or VELLORIA_PASSWORD\n",
                     program.c_str());
        password = options.value;
        return true;
    }
    const char* fromEnvironment = std::getenv("VELLORIA_PASSWORD");
    password = fromEnvironment ? fromEnvironment : "";
    return true;
}

bool ReadPasswordFile(const std::string& path, std::string& password, std::string& error) {
    // Not OpenRegularFile: a pipe from a password manager is the usual way to hand one over.
    FileDescriptor fd(Sys().open(path.c_str(), O_RDONLY | O_CLOEXEC, 0));
    if (!fd.Valid()) {
        error = "cannot read the password file " + path + ": " + std::strerror(errno);
        return false;
    }
    struct stat info {};
    if (::fstat(fd.Get(), &info) == 0 && S_ISDIR(info.st_mode)) {
        error = "the password file " + path + " is a folder";
        return false;
    }
    std::string text;
    if (!ReadAll(fd.Get(), text)) {
        error = "cannot read the password file " + path + ": " + std::strerror(errno);
        return false;
    }
    if (text.size() > kMostPasswordFile) {
        error = "the password file " + path + " is too large to hold a password";
        return false;
    }
    password = FirstLine(text);
    return true;
}

bool PromptForPassword(const std::string& prompt, std::string& password, std::string& error) {
    FileDescriptor tty(Sys().open("/dev/tty", O_RDWR | O_CLOEXEC | O_NOCTTY, 0));
    if (!tty.Valid() || !::isatty(tty.Get())) {
        error = "--ask-password needs a terminal (use --password-file or VELLORIA_PASSWORD in scripts)";
        return false;
    }
    // Echo goes off before the prompt shows: turning it off discards what was typed ahead, so
    // a password typed as soon as the prompt appears must find it off already.
    EchoOff quiet(tty.Get());
    if (!quiet.Active()) {
        error = "cannot turn off the terminal's echo to ask for the password";
        return false;
    }
    WriteAll(tty.Get(), prompt);
    std::string line;
    char c = 0;
    for (;;) {
        const ssize_t n = ::read(tty.Get(), &c, 1);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            error = "no password was typed";
            return false;
        }
        if (c == '\n') break;
        line += c;
    }
    password = FirstLine(line);
    return true;
}

}  // namespace platform::posix
