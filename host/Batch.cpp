#include "Batch.h"

#include <malloc.h>
#include <poll.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <limits>
#include <map>
#include <optional>
#include <thread>

#include "posix/FileIo.h"

namespace fs = std::filesystem;

namespace {

std::string Extension(const fs::path& path) {
    std::string ext = path.extension().string();
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

bool IsDrawingFile(const fs::path& path) {
    const std::string ext = Extension(path);
    return ext == ".dxf" || ext == ".dwg";
}

// A DWG drawing is saved as the DXF beside it; once that DXF is there, it is the drawing that
// goes on, and the DWG is left out of a folder's drawings.
void DropDwgWithDxf(std::vector<std::string>& found) {
    std::vector<std::string> dxf;
    for (const std::string& f : found)
        if (Extension(f) == ".dxf") dxf.push_back(fs::path(f).replace_extension().string());
    std::sort(dxf.begin(), dxf.end());
    std::erase_if(found, [&dxf](const std::string& f) {
        return Extension(f) == ".dwg" && std::binary_search(dxf.begin(), dxf.end(), fs::path(f).replace_extension().string());
    });
}

bool ReadList(std::istream& in, std::vector<std::string>& drawings) {
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        drawings.push_back(line);
    }
    return !in.bad();
}

// Messages between the parent and a worker: a length-prefixed string each.
bool Send(int fd, const std::string& text) {
    const uint64_t size = text.size();
    return platform::posix::WriteAll(fd, &size, sizeof size) && platform::posix::WriteAll(fd, text.data(), text.size());
}
bool Receive(int fd, std::string& text) {
    uint64_t size = 0;
    if (!platform::posix::ReadExactly(fd, &size, sizeof size) || size > (1ull << 34)) return false;
    text.resize(size);
    return platform::posix::ReadExactly(fd, text.data(), size);
}

std::string Encode(const DrawingOutcome& o) {
    std::string out;
    auto add = [&out](const std::string& s) {
        const uint64_t n = s.size();
        out.append(reinterpret_cast<const char*>(&n), sizeof n);
        out += s;
    };
    add(std::string(1, o.failed ? '1' : '0') + (o.changed ? '1' : '0') + (o.unprocessed ? '1' : '0'));
    std::string counts;
    for (long long c : o.counts) counts.append(reinterpret_cast<const char*>(&c), sizeof c);
    add(counts);
    add(o.outcome);
    add(o.out);
    add(o.err);
    return out;
}
bool Decode(const std::string& in, DrawingOutcome& o) {
    size_t at = 0;
    auto next = [&](std::string& s) {
        uint64_t n = 0;
        if (at + sizeof n > in.size()) return false;
        std::memcpy(&n, in.data() + at, sizeof n);
        at += sizeof n;
        if (at + n > in.size()) return false;
        s = in.substr(at, n);
        at += n;
        return true;
    };
    std::string flags, counts;
    if (!next(flags) || flags.size() != 3 || !next(counts) || !next(o.outcome) || !next(o.out) || !next(o.err)) return false;
    o.failed = flags[0] == '1';
    o.changed = flags[1] == '1';
    o.unprocessed = flags[2] == '1';
    o.counts.resize(counts.size() / sizeof(long long));
    std::memcpy(o.counts.data(), counts.data(), o.counts.size() * sizeof(long long));
    return true;
}

// What a worker prints while it works on a drawing, kept for that drawing.
class Capture {
public:
    Capture() : m_out(platform::posix::Sys().memfd_create("velloria-out", 0)), m_err(platform::posix::Sys().memfd_create("velloria-err", 0)) {}
    void Begin() {
        std::fflush(stdout);
        std::fflush(stderr);
        platform::posix::Sys().ftruncate(m_out, 0);
        platform::posix::Sys().ftruncate(m_err, 0);
        platform::posix::Sys().lseek(m_out, 0, SEEK_SET);
        platform::posix::Sys().lseek(m_err, 0, SEEK_SET);
        platform::posix::Sys().dup2(m_out, STDOUT_FILENO);
        platform::posix::Sys().dup2(m_err, STDERR_FILENO);
    }
    void End(std::string& out, std::string& err) {
        std::fflush(stdout);
        std::fflush(stderr);
        out = Contents(m_out);
        err = Contents(m_err);
    }

private:
    static std::string Contents(int fd) {
        std::string text;
        const off_t size = platform::posix::Sys().lseek(fd, 0, SEEK_END);
        if (size <= 0) return text;
        text.resize(static_cast<size_t>(size));
        if (platform::posix::Sys().pread(fd, text.data(), text.size(), 0) != size) text.clear();
        return text;
    }
    int m_out, m_err;
};

struct Worker {
    pid_t pid = -1;
    int toWorker = -1, fromWorker = -1;
    std::optional<size_t> current;
};

[[noreturn]] void WorkerMain(int commands, int results,
                             const std::vector<std::string>& drawings,
                             const std::function<DrawingOutcome(size_t, const std::string&)>& work) {
    // The memory one drawing used is kept for the next: handed back to the system, it would be
    // faulted in and cleared again page by page, which took longer than reading the drawing.
    // Large blocks (the file's text) come from the heap too, for the same reason.
    ::mallopt(M_TRIM_THRESHOLD, std::numeric_limits<int>::max());
    ::mallopt(M_MMAP_MAX, 0);
    Capture capture;
    for (;;) {
        uint64_t index = 0;
        if (!platform::posix::ReadExactly(commands, &index, sizeof index) || index >= drawings.size()) break;
        capture.Begin();
        DrawingOutcome outcome = work(index, drawings[index]);
        capture.End(outcome.out, outcome.err);
        if (!Send(results, Encode(outcome))) break;
    }
    std::fflush(nullptr);
    ::_exit(0);
}

bool Start(Worker& worker, const std::vector<Worker>& all, const std::vector<std::string>& drawings,
           const std::function<DrawingOutcome(size_t, const std::string&)>& work) {
    int down[2], up[2];
    if (platform::posix::Sys().pipe(down) != 0) return false;
    if (platform::posix::Sys().pipe(up) != 0) {
        platform::posix::Sys().close(down[0]);
        platform::posix::Sys().close(down[1]);
        return false;
    }
    std::fflush(nullptr);
    const pid_t pid = platform::posix::Sys().fork();
    if (pid < 0) {
        for (int fd : {down[0], down[1], up[0], up[1]}) platform::posix::Sys().close(fd);
        return false;
    }
    if (pid == 0) {
        platform::posix::Sys().close(down[1]);
        platform::posix::Sys().close(up[0]);
        // The other workers' pipes are theirs: holding them would keep a dead worker's pipe open.
        for (const Worker& other : all) {
            if (other.toWorker >= 0) platform::posix::Sys().close(other.toWorker);
            if (other.fromWorker >= 0) platform::posix::Sys().close(other.fromWorker);
        }
        WorkerMain(down[0], up[1], drawings, work);
    }
    platform::posix::Sys().close(down[0]);
    platform::posix::Sys().close(up[1]);
    worker.pid = pid;
    worker.toWorker = down[1];
    worker.fromWorker = up[0];
    worker.current.reset();
    return true;
}

void Stop(Worker& worker) {
    if (worker.toWorker >= 0) platform::posix::Sys().close(worker.toWorker);
    if (worker.fromWorker >= 0) platform::posix::Sys().close(worker.fromWorker);
    worker.toWorker = worker.fromWorker = -1;
}

std::string HowItEnded(int status) {
    if (WIFSIGNALED(status)) return std::string("signal ") + std::to_string(WTERMSIG(status)) + " (" + ::strsignal(WTERMSIG(status)) + ")";
    if (WIFEXITED(status)) return "exit status " + std::to_string(WEXITSTATUS(status));
    return "an unknown cause";
}

}  // namespace

bool CollectDrawings(const std::vector<std::string>& names, bool recursive, const std::vector<std::string>& lists,
                     std::vector<std::string>& drawings, std::string& error) {
    for (const std::string& name : names) {
        std::error_code ec;
        if (fs::is_directory(name, ec)) {
            std::vector<std::string> found;
            auto consider = [&found](const fs::directory_entry& entry) {
                std::error_code e;
                if (entry.is_regular_file(e) && IsDrawingFile(entry.path())) found.push_back(entry.path().string());
            };
            if (recursive) {
                for (auto it = fs::recursive_directory_iterator(name, fs::directory_options::skip_permission_denied, ec);
                     !ec && it != fs::recursive_directory_iterator(); it.increment(ec))
                    consider(*it);
            } else {
                for (auto it = fs::directory_iterator(name, ec); !ec && it != fs::directory_iterator(); it.increment(ec)) consider(*it);
            }
            if (ec) {
                error = "cannot read the folder " + name + ": " + ec.message();
                return false;
            }
            DropDwgWithDxf(found);
            std::sort(found.begin(), found.end());
            drawings.insert(drawings.end(), found.begin(), found.end());
        } else {
            // A file that is not there is named as it stands: its drawing fails on its own.
            drawings.push_back(name);
        }
    }
    for (const std::string& list : lists) {
        if (list == "-") {
            if (!ReadList(std::cin, drawings)) {
                error = "cannot read the list of drawings from standard input";
                return false;
            }
            continue;
        }
        std::ifstream in(list);
        if (!in || !ReadList(in, drawings)) {
            error = "cannot read the list of drawings " + list;
            return false;
        }
    }
    return true;
}

int DefaultJobs() {
    cpu_set_t set;
    if (::sched_getaffinity(0, sizeof set, &set) == 0) return std::max(1, CPU_COUNT(&set));
    return std::max(1u, std::thread::hardware_concurrency());
}

void RunOverDrawings(const std::vector<std::string>& drawings, int jobs,
                     const std::function<DrawingOutcome(size_t, const std::string&)>& work,
                     const std::function<void(size_t, const DrawingOutcome&)>& done) {
    if (drawings.empty()) return;
    // A parent whose worker died must not die of the pipe it writes to.
    struct sigaction ignore {}, previous {};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGPIPE, &ignore, &previous);

    const size_t count = drawings.size();
    std::vector<Worker> workers(static_cast<size_t>(std::clamp<long long>(jobs, 1, static_cast<long long>(count))));
    std::map<size_t, DrawingOutcome> finished;
    size_t next = 0, printed = 0;
    auto finish = [&](size_t index, DrawingOutcome outcome) {
        finished[index] = std::move(outcome);
        while (finished.count(printed)) {
            done(printed, finished[printed]);
            finished.erase(printed++);
        }
    };
    auto assign = [&](Worker& worker) {
        while (next < count) {
            const uint64_t index = next;
            if (worker.pid < 0 && !Start(worker, workers, drawings, work)) {
                DrawingOutcome o;
                o.failed = o.unprocessed = true;
                o.outcome = "not processed";
                o.err = "velloria: " + drawings[index] + ": no process could be started for it: " + std::strerror(errno) + "\n";
                ++next;
                finish(index, std::move(o));
                continue;
            }
            if (!platform::posix::WriteAll(worker.toWorker, &index, sizeof index)) {
                Stop(worker);
                int status = 0;
                platform::posix::Sys().waitpid(worker.pid, &status, 0);
                worker.pid = -1;
                continue;
            }
            worker.current = index;
            ++next;
            return;
        }
    };
    for (Worker& worker : workers) assign(worker);

    for (;;) {
        std::vector<pollfd> fds;
        std::vector<Worker*> owners;
        for (Worker& worker : workers)
            if (worker.current) {
                fds.push_back({worker.fromWorker, POLLIN, 0});
                owners.push_back(&worker);
            }
        if (fds.empty()) break;
        if (platform::posix::Sys().poll(fds.data(), fds.size(), -1) < 0) {
            if (errno == EINTR) continue;
            break;
        }
        for (size_t i = 0; i < fds.size(); ++i) {
            if (!(fds[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
            Worker& worker = *owners[i];
            const size_t index = *worker.current;
            std::string message;
            DrawingOutcome outcome;
            if (Receive(worker.fromWorker, message) && Decode(message, outcome)) {
                worker.current.reset();
                finish(index, std::move(outcome));
            } else {
                // The worker died on this drawing: the drawing is reported, the rest go on.
                Stop(worker);
                int status = 0;
                platform::posix::Sys().waitpid(worker.pid, &status, 0);
                worker.pid = -1;
                worker.current.reset();
                outcome = DrawingOutcome{};
                outcome.failed = outcome.unprocessed = true;
                outcome.outcome = "not processed: the process ended";
                outcome.err = "velloria: " + drawings[index] + ": the process working on it ended with " + HowItEnded(status) +
                              "; the drawing was not changed\n";
                finish(index, std::move(outcome));
            }
            assign(worker);
        }
    }
    for (Worker& worker : workers) {
        if (worker.pid < 0) continue;
        Stop(worker);
        int status = 0;
        platform::posix::Sys().waitpid(worker.pid, &status, 0);
    }
    ::sigaction(SIGPIPE, &previous, nullptr);
}
