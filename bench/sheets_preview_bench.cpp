// `velloria preview` of a sheet of 100,000 rows x 8 columns (numbers, dates, texts) against
// xlsx2csv on the same workbook, as whole processes in the same run: the wall time and the
// peak memory (maximum resident set) of each, over several rounds, medians. Goals: at least 5
// times faster than xlsx2csv, and peak memory under 4 times the workbook's unpacked size.
//
// The workbook is written by libxlsxwriter, as the tests write theirs.
#include <xlsxwriter.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "ProcessMeasure.h"

using bench::Measure;
using bench::Median;

namespace {

constexpr int kRows = 100000;

bool WriteWorkbook(const std::string& path) {
    lxw_workbook* book = workbook_new(path.c_str());
    lxw_worksheet* ws = workbook_add_worksheet(book, "Sheet1");
    lxw_format* day = workbook_add_format(book);
    format_set_num_format(day, "yyyy-mm-dd");
    const char* heads[] = {"Id", "Part", "Qty", "Price", "Made", "Due", "Supplier", "Note"};
    for (int c = 0; c < 8; ++c) worksheet_write_string(ws, 0, static_cast<lxw_col_t>(c), heads[c], nullptr);
    const char* suppliers[] = {"Acme", "Bolt & Co", "Norder GmbH", "Vis Sarl"};
    char text[64];
    for (int r = 1; r <= kRows; ++r) {
        const auto row = static_cast<lxw_row_t>(r);
        worksheet_write_number(ws, row, 0, r, nullptr);
        std::snprintf(text, sizeof text, "part %d", r);
        worksheet_write_string(ws, row, 1, text, nullptr);
        worksheet_write_number(ws, row, 2, r % 500, nullptr);
        worksheet_write_number(ws, row, 3, r * 0.25, nullptr);
        worksheet_write_number(ws, row, 4, 45000 + r % 1000, day);
        worksheet_write_number(ws, row, 5, 45300.5 + r % 700, day);
        worksheet_write_string(ws, row, 6, suppliers[r % 4], nullptr);
        std::snprintf(text, sizeof text, "batch %d, shelf %c", r / 100, 'A' + r % 26);
        worksheet_write_string(ws, row, 7, text, nullptr);
    }
    return workbook_close(book) == LXW_NO_ERROR;
}

// The workbook's unpacked size: the sizes of its parts, as the zip directory gives them.
long long UnpackedBytes(const std::string& path) {
    const std::string command = "/usr/bin/python3 -c 'import sys, zipfile; print(sum(i.file_size for i in zipfile.ZipFile(sys.argv[1]).infolist()))' '" + path + "'";
    long long bytes = -1;
    if (FILE* p = ::popen(command.c_str(), "r")) {
        if (std::fscanf(p, "%lld", &bytes) != 1) bytes = -1;
        ::pclose(p);
    }
    return bytes;
}

}  // namespace

int main() {
    const std::filesystem::path bin = std::filesystem::canonical("/proc/self/exe").parent_path().parent_path() / "bin";
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / ("sheets-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string book = (dir / "parts.xlsx").string();
    // Written by a child: the memory it takes would otherwise count in the peak of every
    // process this one forks to measure.
    const pid_t writer = ::fork();
    if (writer == 0) ::_exit(WriteWorkbook(book) ? 0 : 1);
    int written = -1;
    ::waitpid(writer, &written, 0);
    if (!WIFEXITED(written) || WEXITSTATUS(written) != 0) {
        std::fprintf(stderr, "sheets_preview_bench: the workbook could not be written\n");
        return 1;
    }
    const long long unpacked = UnpackedBytes(book);
    ::setenv("VELLORIA_REGISTRY", (dir / "registry.reg").c_str(), 1);
    const std::vector<std::string> xlsx2csv = {"xlsx2csv", book};
    const std::vector<std::string> preview = {(bin / "velloria").string(), "preview", book, "--driver",
                                              "Microsoft Excel Driver (*.xls, *.xlsx, *.xlsm, *.xlsb)", "--table", "Sheet1$", "--row-limit", "0"};
    if (Measure(xlsx2csv).status != 0 || Measure(preview).status != 0) {
        std::fprintf(stderr, "sheets_preview_bench: xlsx2csv or velloria preview failed\n");
        return 1;
    }
    constexpr int kRounds = 3;
    std::vector<double> xlsx2csvSeconds, previewSeconds;
    std::vector<long> xlsx2csvPeak, previewPeak;
    for (int round = 0; round < kRounds; ++round) {
        const bench::Sample a = Measure(xlsx2csv), b = Measure(preview);
        xlsx2csvSeconds.push_back(a.seconds);
        previewSeconds.push_back(b.seconds);
        xlsx2csvPeak.push_back(a.peakKb);
        previewPeak.push_back(b.peakKb);
    }
    std::filesystem::remove_all(dir);
    const double speedup = Median(xlsx2csvSeconds) / Median(previewSeconds);
    const double memory = Median(previewPeak) * 1024.0 / static_cast<double>(unpacked);
    std::printf("A sheet of %d rows x 8 columns (numbers, dates, texts), %d rounds, medians; unpacked %.1f MB\n", kRows, kRounds, unpacked / 1048576.0);
    std::printf("  xlsx2csv           %7.3f s   peak %7.1f MB\n", Median(xlsx2csvSeconds), Median(xlsx2csvPeak) / 1024.0);
    std::printf("  velloria preview   %7.3f s   peak %7.1f MB\n", Median(previewSeconds), Median(previewPeak) / 1024.0);
    std::printf("  time:   %.2f times faster than xlsx2csv (goal: at least 5)   %s\n", speedup, speedup >= 5 ? "met" : "not met");
    std::printf("  memory: %.2f x the unpacked size (goal: under 4)            %s\n", memory, memory < 4 ? "met" : "not met");
    return 0;
}
