// velloria [DRAWING] [-s SCRIPT]    the console CAD host
// velloria SUBCOMMAND args...        a tool (see Subcommands.h)
#include <cctype>
#include <clocale>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "HeapSetup.h"
#include "Subcommands.h"
#include "Startup.h"

namespace {

void PrintUsage(FILE* to) {
    std::fprintf(to, "usage: velloria [DRAWING] [-s SCRIPT]\n");
    for (const auto& s : Subcommands()) std::fprintf(to, "       velloria %s\n", s.usage.c_str());
}

// Whether an argument names a drawing: a file that is there, or a name that can only be one
// (a path, or a name ending in .dxf). Any other word is a mistyped subcommand, never a new
// drawing of that name.
bool NamesADrawing(const std::string& arg) {
    if (std::filesystem::exists(arg)) return true;
    if (arg.find_first_of("/\\") != std::string::npos) return true;
    if (arg.size() < 4) return false;
    std::string tail = arg.substr(arg.size() - 4);
    for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return tail == ".dxf";
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
            PrintUsage(stdout);
            return 0;
        } else if (!args[i].empty() && args[i][0] != '-' && options.drawing.empty() && NamesADrawing(args[i])) {
            options.drawing = args[i];
        } else {
            if (!args[i].empty() && args[i][0] != '-' && !NamesADrawing(args[i]))
                std::fprintf(stderr, "velloria: %s is neither a subcommand nor a drawing\n", args[i].c_str());
            PrintUsage(stderr);
            return 2;
        }
    }
    return RunInteractiveSession(options);
}
