#pragma once
// A throwaway PostgreSQL server for the tests: a cluster of its own made by initdb in a
// temporary folder, listening on a Unix socket in that folder and on 127.0.0.1 at a free port,
// with fsync off and every statement logged (so a test can see what reached the server), and
// stopped and removed at the end. Root may not run a cluster, so as root the cluster belongs
// to the postgres user and its programs run through runuser; as anyone else they run as that
// user. The superuser "postgres" connects through the socket without a password, and over TCP
// only with kPassword.
//
// Nothing is skipped: when the server cannot start, the constructor throws with the reason
// and the server's log, and the tests that need it fail.
#include <fcntl.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "testing/TempDir.h"

namespace testing_support {

// What a program printed, and how it ended.
struct CommandResult {
    int status = -1;
    std::string out;  // standard output and standard error together
};

// Runs argv without a shell; input (if any) goes to its standard input.
inline CommandResult RunCommand(const std::vector<std::string>& argv, const std::string& input = {}) {
    int out[2], in[2];
    if (::pipe(out) != 0 || ::pipe(in) != 0) throw std::runtime_error("pipe failed");
    const pid_t pid = ::fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        ::dup2(in[0], 0);
        ::dup2(out[1], 1);
        ::dup2(out[1], 2);
        ::close(in[0]), ::close(in[1]), ::close(out[0]), ::close(out[1]);
        std::vector<char*> args;
        for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        ::execvp(args[0], args.data());
        ::_exit(127);
    }
    ::close(in[0]);
    ::close(out[1]);
    if (!input.empty()) (void)!::write(in[1], input.data(), input.size());
    ::close(in[1]);
    CommandResult result;
    char buffer[4096];
    for (ssize_t n; (n = ::read(out[0], buffer, sizeof buffer)) > 0;) result.out.append(buffer, static_cast<size_t>(n));
    ::close(out[0]);
    int raw = 0;
    ::waitpid(pid, &raw, 0);
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return result;
}

class PostgresServer {
public:
    static constexpr const char* kPassword = "s3cret;pw}";
    static constexpr const char* kDatabase = "velloria";

    PostgresServer() {
        m_bin = FindBinaries();
        m_root = ::geteuid() == 0;
        std::filesystem::permissions(m_dir.path(), std::filesystem::perms::owner_all, std::filesystem::perm_options::replace);
        if (m_root) {
            const passwd* postgres = ::getpwnam("postgres");
            if (!postgres) throw std::runtime_error("running as root, and there is no postgres user to own the test cluster");
            if (::chown(m_dir.path().c_str(), postgres->pw_uid, postgres->pw_gid) != 0) throw std::runtime_error("cannot give the test folder to postgres");
        }
        WriteFile(m_dir / "pwfile", std::string(kPassword) + "\n");
        if (m_root) {
            const passwd* postgres = ::getpwnam("postgres");
            (void)!::chown((m_dir / "pwfile").c_str(), postgres->pw_uid, postgres->pw_gid);
        }
        Check(AsOwner({m_bin + "/initdb", "-D", DataDir(), "-U", "postgres", "--auth-local=trust", "--auth-host=scram-sha-256",
                       "--pwfile=" + (m_dir / "pwfile"), "-E", "UTF8", "--locale=C.UTF-8", "--no-sync"}),
              "initdb");
        m_port = FreePort();
        const std::string options = "-k " + m_dir.path().string() + " -c listen_addresses=127.0.0.1 -p " + std::to_string(m_port) +
                                    " -c fsync=off -c synchronous_commit=off -c full_page_writes=off -c log_statement=all"
                                    " -c log_min_messages=warning -c max_connections=40";
        Check(AsOwner({m_bin + "/pg_ctl", "-D", DataDir(), "-o", options, "-l", LogPath(), "-w", "-t", "60", "start"}), "pg_ctl start");
        m_started = true;
        Psql("CREATE DATABASE " + std::string(kDatabase), "postgres");
    }

    ~PostgresServer() {
        if (m_started) AsOwner({m_bin + "/pg_ctl", "-D", DataDir(), "-m", "immediate", "-w", "stop"});
    }
    PostgresServer(const PostgresServer&) = delete;
    PostgresServer& operator=(const PostgresServer&) = delete;

    int Port() const { return m_port; }
    std::string Host() const { return "127.0.0.1"; }
    // The server location as a link stores it: HOST:PORT/DATABASE.
    std::string Location(const std::string& database = kDatabase) const { return Host() + ":" + std::to_string(m_port) + "/" + database; }
    std::string SocketDir() const { return m_dir.path().string(); }

    // Runs SQL with psql as the superuser through the socket; its output, unaligned and
    // without headers; throws when psql fails.
    std::string Psql(const std::string& sql, const std::string& database = kDatabase) const {
        const CommandResult result = RunCommand({"psql", "-X", "-q", "-A", "-t", "-v", "ON_ERROR_STOP=1", "-h", SocketDir(), "-p",
                                                 std::to_string(m_port), "-U", "postgres", "-d", database, "-c", sql});
        if (result.status != 0) throw std::runtime_error("psql failed: " + sql + "\n" + result.out);
        return result.out;
    }

    // The server's log: every statement that reached it, one "LOG:  statement: ..." line each.
    std::string Log() const { return ReadFile(LogPath()); }

private:
    static std::string FindBinaries() {
        if (const char* path = std::getenv("PATH")) {
            std::string all = path;
            for (size_t start = 0; start <= all.size();) {
                const size_t end = std::min(all.find(':', start), all.size());
                const std::filesystem::path dir = all.substr(start, end - start);
                if (std::filesystem::exists(dir / "initdb") && std::filesystem::exists(dir / "pg_ctl"))
                    return std::filesystem::canonical(dir / "initdb").parent_path().string();
                start = end + 1;
            }
        }
        // Debian keeps the server's programs out of PATH, one folder a version.
        std::vector<std::filesystem::path> found;
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator("/usr/lib/postgresql", ec))
            if (std::filesystem::exists(entry.path() / "bin" / "initdb")) found.push_back(entry.path() / "bin");
        if (found.empty()) throw std::runtime_error("initdb is not installed (Debian package postgresql; run scripts/setup.sh)");
        std::sort(found.begin(), found.end());
        return found.back().string();
    }

    static int FreePort() {
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = 0;
        socklen_t length = sizeof address;
        if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            throw std::runtime_error("no free port on 127.0.0.1");
        ::close(fd);
        return ntohs(address.sin_port);
    }

    std::string DataDir() const { return m_dir / "data"; }
    std::string LogPath() const { return m_dir / "server.log"; }

    CommandResult AsOwner(std::vector<std::string> argv) const {
        if (m_root) argv.insert(argv.begin(), {"runuser", "-u", "postgres", "--"});
        return RunCommand(argv);
    }

    void Check(const CommandResult& result, const std::string& what) const {
        if (result.status == 0) return;
        throw std::runtime_error("the test's PostgreSQL server did not start: " + what + " failed:\n" + result.out + "\n" + ReadFile(LogPath()));
    }

    TempDir m_dir;
    std::string m_bin;
    bool m_root = false;
    bool m_started = false;
    int m_port = 0;
};

}  // namespace testing_support
