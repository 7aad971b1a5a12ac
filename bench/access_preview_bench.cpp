// Start-up cost of reading an Access file: `velloria preview` of a small table against
// `mdb-export` of the same table, whole processes, interleaved in the same run. Prints the
// median and quartiles of each and their ratio, for the wall time and for the processor time
// (user and system, with the processes each one started and waited for), which a machine
// busy with other work disturbs less.
//
//   access_preview_bench [ROUNDS] [VELLORIA] [DATABASE] [TABLE]
//
// Defaults: 15 rounds, the velloria beside this build, tests/data/nwind.mdb, Shippers (3 rows).
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

// The folder of this program: the velloria of the same build is in ../bin.
std::string OwnFolder() {
    char path[4096];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return ".";
    std::string self(path, static_cast<size_t>(n));
    return self.substr(0, self.find_last_of('/'));
}

struct Timing {
    double wallMs = -1, cpuMs = -1;  // negative: it could not be started or failed
};

// Runs the program to its end with its output thrown away.
Timing Run(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int rc = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    Timing timing;
    if (rc != 0) return timing;
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return timing;
    timing.wallMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    auto ms = [](const timeval& t) { return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_usec) / 1000.0; };
    timing.cpuMs = ms(usage.ru_utime) + ms(usage.ru_stime);
    return timing;
}

struct Figures {
    double low, median, high;  // first quartile, median, third quartile
};

Figures Summary(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    auto at = [&](double q) { return times[static_cast<size_t>(q * static_cast<double>(times.size() - 1) + 0.5)]; };
    return {at(0.25), at(0.5), at(0.75)};
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(3, std::atoi(argv[1])) : 15;
    const std::string velloria = argc > 2 ? argv[2] : OwnFolder() + "/../bin/velloria";
    const std::string database = argc > 3 ? argv[3] : std::string(VELLORIA_SOURCE_DIR) + "/tests/data/nwind.mdb";
    const std::string table = argc > 4 ? argv[4] : "Shippers";
    // The host keeps its settings in a file of the run's own, never in the user's profile.
    char folder[] = "/tmp/access-bench-XXXXXX";
    if (!::mkdtemp(folder)) return 1;
    ::setenv("VELLORIA_REGISTRY", (std::string(folder) + "/registry.reg").c_str(), 1);

    const std::vector<std::string> preview = {velloria, "preview", database, "--table", table};
    const std::vector<std::string> exportTable = {"mdb-export", database, table};
    // One of each first, unmeasured: the files and programs come into the page cache.
    if (Run(preview).wallMs < 0 || Run(exportTable).wallMs < 0) {
        std::fprintf(stderr, "velloria preview or mdb-export of %s in %s failed\n", table.c_str(), database.c_str());
        return 1;
    }
    std::vector<double> oursWall, oursCpu, theirsWall, theirsCpu;
    for (int i = 0; i < rounds; ++i) {
        const Timing a = Run(preview), b = Run(exportTable);
        if (a.wallMs < 0 || b.wallMs < 0) return 1;
        oursWall.push_back(a.wallMs), oursCpu.push_back(a.cpuMs);
        theirsWall.push_back(b.wallMs), theirsCpu.push_back(b.cpuMs);
    }
    std::remove((std::string(folder) + "/registry.reg").c_str());
    ::rmdir(folder);
    std::printf("%s, table %s, %d rounds: median (quartiles)\n", database.c_str(), table.c_str(), rounds);
    const struct {
        const char* what;
        const std::vector<double>& ours;
        const std::vector<double>& theirs;
    } rows[] = {{"wall time", oursWall, theirsWall}, {"processor time", oursCpu, theirsCpu}};
    for (const auto& row : rows) {
        const Figures a = Summary(row.ours), b = Summary(row.theirs);
        std::printf("%s\n  velloria preview: %7.1f ms  (%.1f to %.1f)\n", row.what, a.median, a.low, a.high);
        std::printf("  mdb-export:       %7.1f ms  (%.1f to %.1f)\n", b.median, b.low, b.high);
        std::printf("  ratio of medians: %.2f\n", a.median / b.median);
    }
    return 0;
}
