// Plotting beside loading, and beside ezdxf's drawing add-on. Prints its figures; asserts nothing.
//
//   plot_bench [--rows N] [--entities N] [--repeat N] [--no-ezdxf]
//
// 1. The 100,000 x 10 table drawing of dxf_table_bench (made by running it with --keep): its
//    load time, then plots of it to PNG and to PDF. Goal: a plot takes at most as long as the load.
//    A machine's speed drifts over seconds (a virtual one's a lot), so each of N rounds (--repeat,
//    3 unless told) reads the drawing and plots it at once, and compares the plot with that load.
//    Then a copy of it with CR LF line ends, as Windows programs write drawings: its load time.
// 2. A drawing of 100,000 lines and texts: read and plotted to a PNG of 4000 x 3000 pixels, and
//    the same by ezdxf (read, drawn with matplotlib, saved) in the same run. Goal: 50 times faster.
//    ezdxf needs more than twenty minutes for 100,000 here; --entities 10000 takes about 1.5.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

#include "HeapSetup.h"
#include "dxf/DxfReader.h"
#include "view/GuiApplication.h"
#include "view/Plot.h"

using namespace platform;

namespace {

double Now() { return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count(); }

std::string BinDir() {
    char buf[4096];
    const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    std::string self = n > 0 ? std::string(buf, static_cast<size_t>(n)) : std::string("./plot_bench");
    return self.substr(0, self.rfind('/'));
}

int g_repeat = 3;  // rounds of the table bench (--repeat)

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

// Read and plot; the seconds of each, or false after a message.
bool ReadAndPlot(const std::string& file, const std::string& out, const view::PlotSettings& settings, double& read, double& plot,
                 size_t* drawn = nullptr, dxf::ReadOptions options = {}) {
    double t0 = Now();
    dxf::ReadResult r = dxf::ReadDxfFile(file, {}, options);
    read = Now() - t0;
    if (!r) {
        std::fprintf(stderr, "%s\n", r.error->Message().c_str());
        return false;
    }
    t0 = Now();
    const view::Drawing drawing(std::shared_ptr<const dxf::Document>(std::move(r.document)));
    const view::PlotResult result = view::PlotDrawing(drawing, settings, out);
    plot = Now() - t0;
    if (!result.ok) {
        std::fprintf(stderr, "%s\n", result.error.c_str());
        return false;
    }
    if (drawn) *drawn = result.stats.drawn;
    return true;
}

// The drawing as a Windows program writes it, with CR LF line ends; false when it could not be.
bool CopyWithCrlf(const std::string& from, const std::string& to) {
    std::ifstream in(from, std::ios::binary);
    std::ofstream out(to, std::ios::binary);
    std::vector<char> chunk(1 << 20);
    std::string converted;
    while (in && out) {
        in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        converted.clear();
        for (std::streamsize i = 0; i < in.gcount(); ++i) {
            if (chunk[static_cast<size_t>(i)] == '\n') converted += '\r';
            converted += chunk[static_cast<size_t>(i)];
        }
        out.write(converted.data(), static_cast<std::streamsize>(converted.size()));
    }
    return in.eof() && out.good();
}

// Loads of a CR LF copy of the drawing beside the median load of the drawing itself.
void CrlfLoads(const std::string& file, double load) {
    const std::string crlf = "/tmp/velloria_plot_bench_table_crlf.dxf";
    if (!CopyWithCrlf(file, crlf)) {
        std::fprintf(stderr, "the CR LF copy could not be written\n");
        ::unlink(crlf.c_str());
        return;
    }
    std::vector<double> loads;
    for (int k = 0; k < g_repeat; ++k) {
        const double t0 = Now();
        if (!dxf::ReadDxfFile(crlf, {}, {})) break;
        loads.push_back(Now() - t0);
    }
    if (!loads.empty())
        std::printf("  the same drawing with CR LF line ends: load %.3f s (%.3f to %.3f), %.2f x the load of the drawing\n", Median(loads),
                    *std::min_element(loads.begin(), loads.end()), *std::max_element(loads.begin(), loads.end()), Median(loads) / load);
    ::unlink(crlf.c_str());
}

void TableBench(int rows) {
    const std::string file = "/tmp/velloria_plot_bench_table.dxf";
    const std::string make = BinDir() + "/dxf_table_bench " + std::to_string(rows) + " --no-ezdxf --keep " + file + " >/dev/null";
    if (std::system(make.c_str()) != 0) {
        std::fprintf(stderr, "dxf_table_bench did not make the drawing\n");
        return;
    }
    std::printf("Table drawing of dxf_table_bench: %d x 10 cells\n", rows);
    view::PlotSettings settings;
    // velloria plot reads a drawing for a PNG with its blocks' sketches: what that reading adds
    // to a plain load counts as the PNG plot's. The first read in a process is the slowest by
    // far (its memory is new to it): it is not counted, so no plot is compared with it.
    if (!dxf::ReadDxfFile(file, {}, {})) return;
    std::vector<double> loads, pngRatios, pdfRatios;
    for (int k = 0; k < g_repeat; ++k) {
        double load = 0, pdf = 0, sketched = 0, png = 0;
        if (!ReadAndPlot(file, "/tmp/velloria_plot_bench_table.pdf", settings, load, pdf)) return;
        if (!ReadAndPlot(file, "/tmp/velloria_plot_bench_table.png", settings, sketched, png, nullptr, {.sketches = true})) return;
        const double pngTotal = png + std::max(0.0, sketched - load);
        std::printf("  round %d: load %.3f s, plot to PDF %.3f s (%.2f x), plot to PNG %.3f s (%.2f x; reading with sketches adds %.3f s)\n",
                    k + 1, load, pdf, pdf / load, pngTotal, pngTotal / load, std::max(0.0, sketched - load));
        loads.push_back(load), pdfRatios.push_back(pdf / load), pngRatios.push_back(pngTotal / load);
    }
    std::printf("  median of %d rounds: load %.3f s; PDF %.2f x the load (%.2f to %.2f); PNG %.2f x the load (%.2f to %.2f)\n",
                g_repeat, Median(loads), Median(pdfRatios), *std::min_element(pdfRatios.begin(), pdfRatios.end()),
                *std::max_element(pdfRatios.begin(), pdfRatios.end()), Median(pngRatios),
                *std::min_element(pngRatios.begin(), pngRatios.end()), *std::max_element(pngRatios.begin(), pngRatios.end()));
    std::printf("  goal: a plot takes at most as long as the load\n");
    CrlfLoads(file, Median(loads));
    ::unlink(file.c_str());
}

void LinesAndTexts(int entities, bool ezdxf) {
    const std::string file = "/tmp/velloria_plot_bench_lines.dxf";
    {
        std::ofstream out(file);
        std::mt19937 random(7);
        std::uniform_real_distribution<double> x(0, 4000), y(0, 3000), d(-20, 20);
        out << "0\nSECTION\n2\nENTITIES\n";
        char buf[256];
        for (int i = 0; i < entities; ++i) {
            const double px = x(random), py = y(random);
            if (i % 2 == 0)
                std::snprintf(buf, sizeof buf, "0\nLINE\n8\n0\n62\n%d\n10\n%.3f\n20\n%.3f\n30\n0\n11\n%.3f\n21\n%.3f\n31\n0\n", 1 + i % 7, px,
                              py, px + d(random), py + d(random));
            else
                std::snprintf(buf, sizeof buf, "0\nTEXT\n8\n0\n10\n%.3f\n20\n%.3f\n30\n0\n40\n3\n1\nText %d\n", px, py, i);
            out << buf;
        }
        out << "0\nENDSEC\n0\nEOF\n";
    }
    view::PlotSettings settings;
    settings.width = 4000, settings.height = 3000;
    double read = 0, plot = 0;
    size_t drawn = 0;
    if (!ReadAndPlot(file, "/tmp/velloria_plot_bench_lines.png", settings, read, plot, &drawn)) return;
    const double ours = read + plot;
    std::printf("Drawing of %d lines and texts, to PNG at 4000 x 3000\n", entities);
    std::printf("  velloria: read %.3f s + plot %.3f s = %8.3f s  %10.0f entities/s\n", read, plot, ours, drawn / ours);
    if (ezdxf) {
        const std::string cmd =
            "/usr/bin/python3 -c \"import logging,sys,time; logging.disable(logging.WARNING); import matplotlib; matplotlib.use('agg'); "
            "import ezdxf; from ezdxf.addons.drawing import matplotlib as m; t=time.perf_counter(); d=ezdxf.readfile(sys.argv[1]); "
            "m.qsave(d.modelspace(), '/tmp/velloria_plot_bench_lines.ezdxf.png', bg='#FFFFFF', dpi=100, size_inches=(40, 30)); "
            "print(time.perf_counter()-t)\" " + file + " 2>/dev/null";
        double tEz = 0;
        if (FILE* p = ::popen(cmd.c_str(), "r")) {
            if (std::fscanf(p, "%lf", &tEz) != 1) tEz = 0;
            ::pclose(p);
        }
        if (tEz > 0) {
            std::printf("  ezdxf:    read, draw and save        %8.3f s  %10.0f entities/s\n", tEz, entities / tEz);
            std::printf("  velloria is %.1f times faster (goal: at least 50)\n", tEz / ours);
        } else {
            std::printf("  ezdxf: not available\n");
        }
    }
    ::unlink(file.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    // As velloria does before anything large is allocated.
    SetUpHeapForLargeDrawings();
    int rows = 100000, entities = 100000;
    bool ezdxf = true;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--no-ezdxf")) ezdxf = false;
        else if (!std::strcmp(argv[i], "--rows") && i + 1 < argc) rows = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--entities") && i + 1 < argc) entities = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--repeat") && i + 1 < argc) g_repeat = std::max(1, std::atoi(argv[++i]));
    }
    std::setvbuf(stdout, nullptr, _IOLBF, 0);  // each figure as soon as it is known
    ::setenv("VELLORIA_CONSOLE_DIALOGS", "1", 1);
    view::EnsureGuiApplication();
    TableBench(rows);
    LinesAndTexts(entities, ezdxf);
    return 0;
}
