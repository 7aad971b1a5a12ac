// Table builder throughput and memory: builds a new table from a grid and refills it from a
// grid of the same size, each time with the rows laid out from their content, at two sizes
// ten times apart. Prints cells per second, peak memory
// and the time ratio of the larger size to the smaller.
//
//   table_builder_bench [ROWS [COLUMNS]]     (default 100000 x 10; the small run is ROWS/10)
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "editor/Console.h"
#include "db/DrawingDatabase.h"
#include "editor/StatusBar.h"
#include "engine/TableBuilder.h"

namespace {

long PeakRssKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Texts of the kinds database tables hold: names, numbers, dates, codes.
CCellGrid MakeGrid(int rows, int cols, int variant, size_t& utf8Bytes) {
    CCellGrid grid;
    grid.SetGridSize(rows, cols);
    utf8Bytes = 0;
    wchar_t buffer[64];
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            switch (c % 4) {
            case 0: std::swprintf(buffer, 64, L"Room %d-%d wing %c", r + variant, c, L'A' + r % 26); break;
            case 1: std::swprintf(buffer, 64, L"%g", (r * 7 + c + variant) * 0.25); break;
            case 2: std::swprintf(buffer, 64, L"2024-%02d-%02d", 1 + r % 12, 1 + (r + c) % 28); break;
            default: std::swprintf(buffer, 64, L"Owner %05d", (r * 31 + variant) % 100000); break;
            }
            grid.SetCell(r, c, buffer);
            utf8Bytes += std::wcslen(buffer);  // ASCII: one byte per character
        }
    return grid;
}

struct Result {
    double buildSeconds = 0, refillSeconds = 0;
    long rssGrids = 0, rssBuilt = 0, rssRefilled = 0;
    size_t textBytes = 0;
    double height = 0;
};

Result Run(int rows, int cols) {
    Result result;
    auto db = platform::NewDrawingDatabase();
    platform::ScopedWorkingDatabase working(db.get());
    size_t refillBytes = 0;
    const CCellGrid grid = MakeGrid(rows, cols, 0, result.textBytes);
    const CCellGrid refill = MakeGrid(rows, cols, 1, refillBytes);
    result.rssGrids = PeakRssKb();

    CTableLink link;
    link.m_strTableStyle = L"Standard";
    link.m_nRows = rows;
    link.m_nCols = cols;
    platform::PushLineSource(platform::MakeLinesSource({"10,10"}));  // the insertion point
    // Each run ends with the table's height: its rows laid out from their content, as drawing
    // it or saving it needs.
    auto start = std::chrono::steady_clock::now();
    BuildTable(grid, link, nullptr);
    AcDbTable* table = nullptr;
    if (acdbOpenObject(table, db->lastEntity(), AcDb::kForWrite) != Acad::eOk) {
        std::fprintf(stderr, "the new table is missing\n");
        std::exit(1);
    }
    result.height = table->height();
    result.buildSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    platform::PopLineSource();
    result.rssBuilt = PeakRssKb();

    start = std::chrono::steady_clock::now();
    BuildTable(refill, link, table);
    result.height += table->height();
    result.refillSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    table->close();
    result.rssRefilled = PeakRssKb();
    return result;
}

}  // namespace

int main(int argc, char** argv) {
    const int rows = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int cols = argc > 2 ? std::atoi(argv[2]) : 10;
    if (rows < 10 || cols < 1) {
        std::fprintf(stderr, "usage: table_builder_bench [ROWS>=10 [COLUMNS>=1]]\n");
        return 2;
    }
    // Command-line output and the progress bar are not what is measured.
    platform::SetOutputSink([](std::string_view) {});
    platform::SetProgressSink([](std::string_view) {});

    // Each size runs five times; the fastest run counts (the first pays for warming up, and
    // the machine may be shared).
    auto best = [cols](int n) {
        Result r = Run(n, cols);
        for (int i = 0; i < 4; ++i) {
            const Result again = Run(n, cols);
            r.buildSeconds = std::min(r.buildSeconds, again.buildSeconds);
            r.refillSeconds = std::min(r.refillSeconds, again.refillSeconds);
        }
        return r;
    };
    const Result small = best(rows / 10);
    const Result large = best(rows);
    const double cells = static_cast<double>(rows) * cols;

    std::printf("table builder, %d x %d cells (%.0f cells)\n", rows, cols, cells);
    std::printf("  new table:  %.3f s, %.2f million cells/s (goal >= 2)\n", large.buildSeconds, cells / large.buildSeconds / 1e6);
    std::printf("  refill:     %.3f s, %.2f million cells/s (goal >= 2)\n", large.refillSeconds, cells / large.refillSeconds / 1e6);
    std::printf("  time for 10x the cells: new table %.2fx, refill %.2fx (goal <= 11)\n",
                large.buildSeconds / small.buildSeconds, large.refillSeconds / small.refillSeconds);
    const double textMb = static_cast<double>(large.textBytes) / 1048576.0;
    const double addedMb = static_cast<double>(large.rssRefilled - large.rssGrids) / 1024.0;
    std::printf("  grid text: %.1f MB as UTF-8 (%.1f MB as wide characters)\n", textMb, textMb * sizeof(wchar_t));
    std::printf("  peak memory: %.1f MB with both grids, %.1f MB after building, %.1f MB after refilling\n",
                large.rssGrids / 1024.0, large.rssBuilt / 1024.0, large.rssRefilled / 1024.0);
    std::printf("  added by the table: %.1f MB = %.2fx the grid's UTF-8 text (goal < 4)\n", addedMb, addedMb / textMb);
    std::printf("  table height after building and after refilling: %.2f\n", large.height);
    return 0;
}
