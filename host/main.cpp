// velloria [DRAWING] [-s SCRIPT]    the console CAD host
// velloria SUBCOMMAND args...        a tool (see Subcommands.h)
#include <clocale>
#include <cstdio>
#include <string>
#include <vector>

#include "HeapSetup.h"
#include "Subcommands.h"
#include "Startup.h"

namespace {

void PrintUsage() {
    std::fprintf(stderr, "usage: velloria [DRAWING] [-s SCRIPT]\n");
    for (const auto& s : Subcommands()) std::fprintf(stderr, "       velloria %s\n", s.usage.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    SetUpHeapForLargeDrawings();
    std::setlocale(LC_ALL, "");
    std::setlocale(LC_NUMERIC, "C");
    std::vector<std::string> args(argv + 1, argv + argc);

    if (!args.empty()) {
        if (const Subcommand* tool = FindSubcommand(args.front()))
            return tool->run(std::vector<std::string>(args.begin() + 1, args.end()));
    }

    SessionOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-s" && i + 1 < args.size()) {
            options.script = args[++i];
        } else if (args[i] == "-h" || args[i] == "--help") {
            PrintUsage();
            return 0;
        } else if (!args[i].empty() && args[i][0] != '-' && options.drawing.empty()) {
            options.drawing = args[i];
        } else {
            PrintUsage();
            return 2;
        }
    }
    return RunInteractiveSession(options);
}
