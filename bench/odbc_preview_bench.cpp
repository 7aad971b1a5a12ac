// `velloria preview` of 100,000 rows x 5 columns from a PostgreSQL server, against psql
// writing the same table with "\copy ... to stdout", as whole processes in the same run: the
// wall time and the peak memory (maximum resident set) of each, over several rounds, medians.
// Goals: the preview within 1.5 times psql's time, and within twice its peak memory.
//
// The server is a throwaway cluster of the benchmark's own (as the tests start theirs).
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "ProcessMeasure.h"
#include "testing/OdbcDrivers.h"
#include "testing/PostgresServer.h"

using bench::Measure;
using bench::Median;

int main() {
    const std::filesystem::path bin = std::filesystem::canonical("/proc/self/exe").parent_path().parent_path() / "bin";
    testing_support::OdbcDrivers& drivers = testing_support::SharedOdbcDrivers();
    (void)drivers;
    testing_support::PostgresServer server;
    server.Psql("CREATE TABLE bench (id int, name text, price numeric(10,2), made timestamp, weight double precision);"
                "INSERT INTO bench SELECT g, 'part ' || g, g * 0.25, timestamp '2024-01-01' + g * interval '1 minute', g / 7.0"
                " FROM generate_series(1, 100000) AS g;");
    server.Psql("VACUUM ANALYZE bench");
    const std::string registry = (std::filesystem::temp_directory_path() / ("odbc-bench-" + std::to_string(::getpid()) + ".reg")).string();
    ::setenv("VELLORIA_REGISTRY", registry.c_str(), 1);
    ::setenv("PGPASSWORD", testing_support::PostgresServer::kPassword, 1);

    const std::vector<std::string> psql = {"psql", "-X", "-q", "-h", server.Host(), "-p", std::to_string(server.Port()), "-U", "postgres", "-d",
                                           "velloria", "-c", "\\copy bench to stdout"};
    const std::vector<std::string> preview = {(bin / "velloria").string(), "preview", server.Location(), "--driver", "PostgreSQL Unicode", "--user",
                                              "postgres", "--password", testing_support::PostgresServer::kPassword, "--table", "bench",
                                              "--row-limit", "0"};
    // Both read over TCP with the password; a warm-up round of each first.
    if (Measure(psql).status != 0 || Measure(preview).status != 0) {
        std::fprintf(stderr, "odbc_preview_bench: psql or velloria preview failed\n");
        return 1;
    }
    // What the program costs before any row: started, the module loaded, connected, one row.
    std::vector<std::string> oneRow = preview;
    oneRow[oneRow.size() - 4] = "--sql";  // in place of --table bench
    oneRow[oneRow.size() - 3] = "SELECT 1";
    constexpr int kRounds = 7;
    std::vector<double> psqlSeconds, previewSeconds, ratios, oneRowSeconds;
    std::vector<long> psqlPeak, previewPeak, oneRowPeak;
    for (int round = 0; round < kRounds; ++round) {
        const bench::Sample a = Measure(psql), b = Measure(preview), c = Measure(oneRow);
        psqlSeconds.push_back(a.seconds);
        previewSeconds.push_back(b.seconds);
        ratios.push_back(b.seconds / a.seconds);
        psqlPeak.push_back(a.peakKb);
        previewPeak.push_back(b.peakKb);
        oneRowSeconds.push_back(c.seconds);
        oneRowPeak.push_back(c.peakKb);
    }
    std::remove(registry.c_str());
    const double timeRatio = Median(ratios);
    const double memoryRatio = static_cast<double>(Median(previewPeak)) / static_cast<double>(Median(psqlPeak));
    std::printf("100,000 rows x 5 columns from PostgreSQL, %d rounds, medians\n", kRounds);
    std::printf("  psql \\copy to stdout    %7.3f s   peak %7.1f MB\n", Median(psqlSeconds), Median(psqlPeak) / 1024.0);
    std::printf("  velloria preview        %7.3f s   peak %7.1f MB\n", Median(previewSeconds), Median(previewPeak) / 1024.0);
    std::printf("  velloria preview, 1 row %7.3f s   peak %7.1f MB   (the program, its module and the connection)\n",
                Median(oneRowSeconds), Median(oneRowPeak) / 1024.0);
    std::printf("  time:   %.2f x psql (goal: at most 1.5)   %s\n", timeRatio, timeRatio <= 1.5 ? "met" : "not met");
    std::printf("  memory: %.2f x psql (goal: at most 2)     %s\n", memoryRatio, memoryRatio <= 2.0 ? "met" : "not met");
    return 0;
}
