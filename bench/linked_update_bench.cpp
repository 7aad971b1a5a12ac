// `velloria update` on a drawing whose linked tables hold about 100,000 cells (five tables
// linked to Orders, four to Order Details of nwind.mdb), its time split into open, fetch,
// fill and save, beside mdb-export writing the same source tables to CSV in the same run.
// Goals: the whole update within twice the export, the fetch alone within the export.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

double Time(const std::string& command, std::string* output = nullptr) {
    const auto start = std::chrono::steady_clock::now();
    if (FILE* p = ::popen(command.c_str(), "r")) {
        char buf[4096];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, p)) > 0)
            if (output) output->append(buf, n);
        ::pclose(p);
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main() {
    const fs::path bin = fs::canonical("/proc/self/exe").parent_path().parent_path() / "bin";
    char pattern[] = "/tmp/velloria-update-bench-XXXXXX";
    const fs::path dir = ::mkdtemp(pattern);
    fs::copy_file(fs::path(VELLORIA_SOURCE_DIR) / "tests/data/nwind.mdb", dir / "nwind.mdb");
    const std::string drawing = (dir / "bench.dxf").string();
    if (std::system(("'" + (bin / "make_linked_sample").string() + "' '" + drawing + "' --bench").c_str()) != 0) {
        std::fprintf(stderr, "linked_update_bench: the benchmark drawing could not be made\n");
        return 1;
    }

    // Two runs: the first fills the stale tables of a small drawing; the second refreshes the
    // drawing that now holds every cell (and their anonymous blocks), as a nightly job does.
    const std::string velloria = "env VELLORIA_REGISTRY='" + (dir / "r.reg").string() + "' '" + (bin / "velloria").string() + "'";
    const std::string full = (dir / "full.dxf").string();
    std::string export_;
    for (int i = 0; i < 9; ++i)
        export_ += "mdb-export '" + (dir / "nwind.mdb").string() + "' '" + (i < 5 ? "Orders" : "Order Details") + "' > '" +
                   (dir / ("t" + std::to_string(i) + ".csv")).string() + "'; ";
    // The machine's speed varies from run to run, so each figure is the median of several runs.
    constexpr int kRuns = 5;
    std::vector<double> exports;
    for (int i = 0; i < kRuns; ++i) exports.push_back(Time(export_));
    std::sort(exports.begin(), exports.end());
    const double exported = exports[kRuns / 2];
    std::printf("linked_update_bench: 9 linked tables (5 x Orders, 4 x Order Details, ~100,000 cells), median of %d runs\n", kRuns);
    std::printf("  mdb-export to CSV   %.3f s\n", exported);
    struct RunSpec {
        const char* what;
        std::string in, out;
    } runs[] = {{"stale drawing", drawing, full}, {"filled drawing", full, (dir / "out.dxf").string()}};
    for (const RunSpec& run : runs) {
        const double size = static_cast<double>(fs::file_size(run.in)) / 1e6;
        struct Sample {
            double wall, open, fetch, fill, other, save, module, close;
        };
        std::vector<Sample> samples;
        for (int i = 0; i < kRuns; ++i) {
            std::string report;
            Sample x{};
            x.wall = Time(velloria + " update '" + run.in + "' -o '" + run.out + "' --timing 2>/dev/null", &report);
            const auto at = report.find("times: ");
            if (at == std::string::npos ||
                std::sscanf(report.c_str() + at,
                            "times: open %lf s, fetch %lf s, fill %lf s, other %lf s, save %lf s, module %lf s, close %lf s",
                            &x.open, &x.fetch, &x.fill, &x.other, &x.save, &x.module, &x.close) != 7) {
                std::fprintf(stderr, "linked_update_bench: no timing in the report:\n%s", report.c_str());
                return 1;
            }
            samples.push_back(x);
        }
        std::sort(samples.begin(), samples.end(), [](const Sample& a, const Sample& b) { return a.wall < b.wall; });
        const Sample& m = samples[kRuns / 2];
        const double rest = m.wall - (m.open + m.fetch + m.fill + m.other + m.save + m.module + m.close);
        std::printf("  update, %-14s %.3f s  (%.1f MB; open %.3f, fetch %.3f, fill %.3f, other %.3f, save %.3f,\n"
                    "                                  module load %.3f, close %.3f, process start and exit %.3f)\n",
                    run.what, m.wall, size, m.open, m.fetch, m.fill, m.other, m.save, m.module, m.close, rest);
        std::printf("      update / export %.2f (goal <= 2), fetch / export %.2f (goal <= 1)\n", m.wall / exported,
                    m.fetch / exported);
    }
    std::error_code ec;
    fs::remove_all(dir, ec);
    return 0;
}
