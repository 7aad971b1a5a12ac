// Opening a DWG drawing: `velloria links DRAWING` from its start to the first line it prints,
// against LibreDWG's own dwg2dxf converting the same file, in the same run, turn about. The host
// pays for the converter's child, the DXF it hands over through a pipe, and reading that DXF.
// Goal: at most 1.5 times dwg2dxf.
//
//   dwg_open_bench [DRAWING.dwg] [RUNS]   (default: the largest test drawing, Dynblocks_2018.dwg,
//                                          15 runs each)
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

// Runs argv; the seconds to its first byte on standard output (or to its end when it prints
// nothing) and to its end. A failed run ends the bench: its figures would time an error.
std::pair<double, double> Time(const std::vector<std::string>& argv) {
    int fds[2];
    if (::pipe(fds) != 0) std::exit(1);
    const auto start = Clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(fds[1], STDOUT_FILENO);
        // Both print what they leave out on standard error; a terminal would time the printing.
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, STDERR_FILENO);
        ::close(null);
        ::close(fds[0]);
        ::close(fds[1]);
        std::vector<char*> args;
        for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        ::execv(args[0], args.data());
        ::_exit(127);
    }
    ::close(fds[1]);
    double first = -1;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fds[0], buffer, sizeof buffer);
        if (n <= 0) break;
        if (first < 0) first = std::chrono::duration<double>(Clock::now() - start).count();
    }
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    const double end = std::chrono::duration<double>(Clock::now() - start).count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "dwg_open_bench: %s failed (status %d)\n", argv[0].c_str(), status);
        std::exit(1);
    }
    return {first < 0 ? end : first, end};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const fs::path bin = fs::canonical("/proc/self/exe").parent_path().parent_path() / "bin";
    fs::path drawing = argc > 1 ? fs::path(argv[1]) : fs::path();
    if (drawing.empty()) {
        std::uintmax_t largest = 0;
        for (const auto& entry : fs::directory_iterator(fs::path(VELLORIA_SOURCE_DIR) / "tests/data/dwg"))
            if (entry.path().extension() == ".dwg" && entry.file_size() > largest) {
                largest = entry.file_size();
                drawing = entry.path();
            }
    }
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 15;
    char pattern[] = "/tmp/velloria-dwg-bench-XXXXXX";
    const fs::path dir = ::mkdtemp(pattern);
    const std::string registry = "VELLORIA_REGISTRY=" + (dir / "r.reg").string();
    ::putenv(const_cast<char*>(registry.c_str()));

    const std::vector<std::string> links{(bin / "velloria").string(), "links", drawing.string()};
    const std::vector<std::string> dwg2dxf{LIBREDWG_DWG2DXF, "-y", "-o", (dir / "out.dxf").string(), drawing.string()};
    Time(links);  // the first run of each fills the page cache
    Time(dwg2dxf);
    std::vector<double> linksFirst, linksEnd, converted;
    for (int i = 0; i < runs; ++i) {
        const auto [first, end] = Time(links);
        linksFirst.push_back(first);
        linksEnd.push_back(end);
        converted.push_back(Time(dwg2dxf).second);
    }
    const double ours = Median(linksFirst), theirs = Median(converted);
    std::printf("%s (%ju bytes, %ju bytes of DXF), median of %d runs each:\n", drawing.filename().c_str(),
                static_cast<std::uintmax_t>(fs::file_size(drawing)), static_cast<std::uintmax_t>(fs::file_size(dir / "out.dxf")),
                runs);
    std::printf("  velloria links, to its first line: %7.3f s (to its end %.3f s)\n", ours, Median(linksEnd));
    std::printf("  dwg2dxf alone:                     %7.3f s\n", theirs);
    std::printf("  ratio %.2f (goal: at most 1.5)\n", ours / theirs);
    fs::remove_all(dir);
    return 0;
}
