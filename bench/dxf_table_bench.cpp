// Load and save of a drawing holding one large linked table (100,000 x 10 by default), beside
// ezdxf's load of the same file. Prints seconds and MB/s; asserts nothing.
//
//   dxf_table_bench [ROWS] [--no-ezdxf] [--keep FILE]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "dxf/AcadTable.h"
#include "dxf/DxfReader.h"
#include "dxf/DxfTemplate.h"
#include "dxf/DxfWriter.h"
#include "dxf/TableBlock.h"

using namespace platform::dxf;

namespace {

double Now() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

double FileMB(const std::string& path) {
    struct stat st{};
    return ::stat(path.c_str(), &st) == 0 ? static_cast<double>(st.st_size) / 1e6 : 0.0;
}

}  // namespace

int main(int argc, char** argv) {
    int rows = 100000;
    bool ezdxf = true;
    std::string path = "/tmp/velloria_bench_table.dxf";
    bool keep = false;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--no-ezdxf")) ezdxf = false;
        else if (!std::strcmp(argv[i], "--keep") && i + 1 < argc) { path = argv[++i]; keep = true; }
        else rows = std::atoi(argv[i]);
    }
    const int cols = 10;

    // Generate: a new drawing with the table and its link record.
    double t0 = Now();
    auto doc = NewDocument();
    AcadTable table;
    table.Resize(rows + 1, cols, 9.0, 30.0);
    for (int c = 0; c < cols; ++c) table.Cell(0, c).text = "Field" + std::to_string(c);
    char buf[64];
    for (int r = 1; r <= rows; ++r)
        for (int c = 0; c < cols; ++c) {
            std::snprintf(buf, sizeof buf, c % 3 == 0 ? "Item %d-%d" : "%d.%02d", r, c);
            table.Cell(r, c).text = buf;
        }
    table.xdata = {{1001, "Database"}, {1000, "plant.mdb"}, {1001, "4E679C82-0FD2-43e8-8D7F-465BF47E479F"},
                   {1070, "1"}, {1070, "1"}, {1070, "0"}, {1070, "0"}, {1000, ""}, {1000, ""},
                   {1071, std::to_string(rows + 1)}, {1071, std::to_string(cols)}};
    StoreTable(*doc, table);
    const double tBuild = Now() - t0;

    t0 = Now();
    if (auto err = SaveDxfFile(*doc, path)) {
        std::fprintf(stderr, "%s\n", err->Message().c_str());
        return 1;
    }
    const double tSave = Now() - t0;
    const double mb = FileMB(path);
    doc.reset();

    t0 = Now();
    ReadResult loaded = ReadDxfFile(path);
    const double tLoad = Now() - t0;
    if (!loaded) {
        std::fprintf(stderr, "%s\n", loaded.error->Message().c_str());
        return 1;
    }
    t0 = Now();
    const auto entities = FindTableEntities(*loaded.document);
    const auto parsed = entities.empty() ? std::nullopt : ParseAcadTable(*entities[0]);
    const double tParse = Now() - t0;
    if (!parsed || parsed->rows != rows + 1) {
        std::fprintf(stderr, "the table did not read back\n");
        return 1;
    }

    t0 = Now();
    if (auto err = SaveDxfFile(*loaded.document, path)) {
        std::fprintf(stderr, "%s\n", err->Message().c_str());
        return 1;
    }
    const double tResave = Now() - t0;

    std::printf("DXF table benchmark: %d x %d table, file %.1f MB\n", rows, cols, mb);
    std::printf("  build table + block    %8.3f s\n", tBuild);
    std::printf("  save (new drawing)     %8.3f s  %8.1f MB/s\n", tSave, mb / tSave);
    std::printf("  load                   %8.3f s  %8.1f MB/s\n", tLoad, mb / tLoad);
    std::printf("  read table from tags   %8.3f s\n", tParse);
    std::printf("  save (loaded drawing)  %8.3f s  %8.1f MB/s\n", tResave, mb / tResave);
    if (ezdxf) {
        const std::string cmd =
            "/usr/bin/python3 -c \"import ezdxf,time,sys; t=time.perf_counter(); ezdxf.readfile(sys.argv[1]); "
            "print(time.perf_counter()-t)\" " + path;
        double tEz = 0;
        if (FILE* p = ::popen(cmd.c_str(), "r")) {
            if (std::fscanf(p, "%lf", &tEz) != 1) tEz = 0;
            ::pclose(p);
        }
        if (tEz > 0) {
            std::printf("  ezdxf load             %8.3f s  %8.1f MB/s\n", tEz, mb / tEz);
            std::printf("  load speed-up over ezdxf: %.1fx (goal >= 20x); save %.1f MB/s (goal >= 50)\n",
                        tEz / tLoad, mb / tSave);
        } else {
            std::printf("  ezdxf load: not available\n");
        }
    }
    if (!keep) ::unlink(path.c_str());
    return 0;
}
