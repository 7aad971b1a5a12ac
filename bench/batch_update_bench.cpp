// `velloria update` over many drawings in one run against one run per drawing: 200 drawings,
// each with the nine linked tables of linked_update_bench (about 100,000 cells, five tables
// of Orders and four of Order Details of nwind.mdb, one database for all), already current,
// as a nightly job finds most of them. One `update -j 2` run over the 200, 200 separate runs,
// one `update -j 2` run over 20 of them and one run on one drawing.
// Goals: the run over 200 within a quarter of the 200 separate runs (the database is read once
// a worker, not once a drawing), and within 11 times the run over 20.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

// The seconds a command took; a run that fails (a table not refreshed) ends the bench, whose
// figures would otherwise time error messages.
double Time(const std::string& command) {
    const auto start = std::chrono::steady_clock::now();
    const int status = std::system(command.c_str());
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (status != 0) {
        std::fprintf(stderr, "batch_update_bench: failed (status %d): %.300s\n", status, command.c_str());
        std::exit(1);
    }
    return seconds;
}

}  // namespace

int main(int argc, char** argv) {
    const int drawings = argc > 1 ? std::max(20, std::atoi(argv[1])) : 200;
    const fs::path bin = fs::canonical("/proc/self/exe").parent_path().parent_path() / "bin";
    char pattern[] = "/tmp/velloria-batch-bench-XXXXXX";
    const fs::path dir = ::mkdtemp(pattern);
    fs::copy_file(fs::path(VELLORIA_SOURCE_DIR) / "tests/data/nwind.mdb", dir / "nwind.mdb");
    const std::string velloria = "env VELLORIA_REGISTRY='" + (dir / "r.reg").string() + "' '" + (bin / "velloria").string() + "'";
    const std::string stale = (dir / "stale.dxf").string(), full = (dir / "full.dxf").string();
    if (std::system(("'" + (bin / "make_linked_sample").string() + "' '" + stale + "' --bench").c_str()) != 0 ||
        std::system((velloria + " update '" + stale + "' -o '" + full + "' >/dev/null 2>&1").c_str()) != 0) {
        std::fprintf(stderr, "batch_update_bench: the benchmark drawing could not be made\n");
        return 1;
    }
    // The drawings are links to one file (36 MB each would take gigabytes): a refresh that
    // finds the tables current saves nothing, so every run reads them all and writes none.
    // The links name the database relative to the drawing: it stands beside them.
    fs::create_directories(dir / "many");
    fs::copy_file(dir / "nwind.mdb", dir / "many/nwind.mdb");
    std::ofstream all(dir / "all.txt"), twenty(dir / "twenty.txt");
    std::string separate;
    for (int i = 0; i < drawings; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "plan-%03d.dxf", i);
        const fs::path path = dir / "many" / name;
        fs::create_hard_link(full, path);
        all << path.string() << "\n";
        if (i < 20) twenty << path.string() << "\n";
        separate += velloria + " update '" + path.string() + "' >/dev/null 2>&1 && ";
    }
    all.close();
    twenty.close();
    const std::string quiet = " >'" + (dir / "out.txt").string() + "' 2>/dev/null";
    std::printf("batch_update_bench: %d drawings of %.1f MB, 9 linked tables each (~100,000 cells), one database\n", drawings,
                static_cast<double>(fs::file_size(full)) / 1e6);
    std::fflush(stdout);
    const double one = Time(velloria + " update '" + (dir / "many/plan-000.dxf").string() + "'" + quiet);
    std::printf("  one drawing, one run              %7.2f s\n", one);
    std::fflush(stdout);
    const double batch20 = Time(velloria + " update -j 2 --from-list '" + (dir / "twenty.txt").string() + "'" + quiet);
    std::printf("  20 drawings, update -j 2          %7.2f s\n", batch20);
    std::fflush(stdout);
    const double batch = Time(velloria + " update -j 2 --from-list '" + (dir / "all.txt").string() + "'" + quiet);
    std::printf("  %d drawings, update -j 2         %7.2f s\n", drawings, batch);
    std::fflush(stdout);
    const double each = Time(separate + "true");
    std::printf("  %d drawings, one run each        %7.2f s\n", drawings, each);
    std::printf("  batch / separate runs   %.2f (goal <= 0.25)\n", batch / each);
    std::printf("  %d / 20 drawings       %.2f (goal <= 11)\n", drawings, batch / batch20);
    std::error_code ec;
    fs::remove_all(dir, ec);
    return 0;
}
