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

    // Two updates: the first fills the stale tables of a small drawing; the second refreshes the
    // drawing that now holds every cell (and their anonymous blocks), as a nightly job does.
    const std::string velloria = "env VELLORIA_REGISTRY='" + (dir / "r.reg").string() + "' '" + (bin / "velloria").string() + "'";
    const std::string full = (dir / "full.dxf").string();
    std::string export_;
    for (int i = 0; i < 9; ++i)
        export_ += "mdb-export '" + (dir / "nwind.mdb").string() + "' '" + (i < 5 ? "Orders" : "Order Details") + "' > '" +
                   (dir / ("t" + std::to_string(i) + ".csv")).string() + "'; ";
    // This machine's speed varies from run to run, and sometimes between one second and the
    // next: the export and the two updates run in rounds, each update is set against the export
    // of its own round, and the figures are medians over the rounds.
    constexpr int kRounds = 5;
    struct Sample {
        double wall = 0, open = 0, fetch = 0, fill = 0, other = 0, save = 0, module = 0, close = 0;
        double ratio = 0, fetchRatio = 0;  // to the round's export
    };
    struct RunSpec {
        const char* what;
        std::string in, out;
        std::vector<Sample> samples;
    } runs[] = {{"stale drawing", drawing, full, {}}, {"filled drawing", full, (dir / "out.dxf").string(), {}}};
    std::vector<double> exports;
    for (int round = 0; round < kRounds; ++round) {
        const double exported = Time(export_);
        exports.push_back(exported);
        for (RunSpec& run : runs) {
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
            x.ratio = x.wall / exported;
            x.fetchRatio = x.fetch / exported;
            run.samples.push_back(x);
        }
    }
    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    std::printf("linked_update_bench: 9 linked tables (5 x Orders, 4 x Order Details, ~100,000 cells), medians of %d rounds\n",
                kRounds);
    std::printf("  mdb-export to CSV   %.3f s\n", median(exports));
    for (const RunSpec& run : runs) {
        auto of = [&](double Sample::*field) {
            std::vector<double> v;
            for (const Sample& x : run.samples) v.push_back(x.*field);
            return median(v);
        };
        const double wall = of(&Sample::wall);
        const double open = of(&Sample::open), fetch = of(&Sample::fetch), fill = of(&Sample::fill), other = of(&Sample::other),
                     save = of(&Sample::save), module = of(&Sample::module), close = of(&Sample::close);
        const double rest = std::max(0.0, wall - (open + fetch + fill + other + save + module + close));
        std::printf("  update, %-14s %.3f s  (%.1f MB; open %.3f, fetch %.3f, fill %.3f, other %.3f, save %.3f,\n"
                    "                                  module load %.3f, close %.3f, process start and exit %.3f)\n",
                    run.what, wall, static_cast<double>(fs::file_size(run.in)) / 1e6, open, fetch, fill, other, save, module,
                    close, rest);
        std::printf("      update / export %.2f (goal <= 2), fetch / export %.2f (goal <= 1)\n", of(&Sample::ratio),
                    of(&Sample::fetchRatio));
    }
    std::error_code ec;
    fs::remove_all(dir, ec);
    return 0;
}
