// velloria [DRAWING] [-s SCRIPT] [--console]   the CAD host: a window, or the console
// velloria SUBCOMMAND args...        a tool (see Subcommands.h)
#include <cctype>
#include <clocale>
#include <cstdio>
#include <filesystem>
#include <new>
#include <string>
#include <vector>

#include "HeapSetup.h"
#include "Subcommands.h"
#include "editor/Alert.h"
#include "Startup.h"
#include "GuiLibrary.h"
#include "support/Version.h"
#include "text/CommandLineOptions.h"
#include "text/NearestName.h"
#include "text/Utf8.h"

namespace {

// Whether an argument names a drawing: a file that is there, or a name that can only be one
// (a path, or a name ending in .dxf or .dwg). Any other word is a mistyped subcommand, never a
// new drawing of that name.
bool NamesADrawing(const std::string& arg) {
    if (std::filesystem::exists(arg)) return true;
    if (arg.find_first_of("/\\") != std::string::npos) return true;
    if (arg.size() < 4) return false;
    std::string tail = arg.substr(arg.size() - 4);
    for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return tail == ".dxf" || tail == ".dwg";
}

std::string SubcommandList() {
    std::string text = "subcommands:\n";
    size_t width = 4;
    for (const Subcommand& s : Subcommands()) width = std::max(width, s.name.size());
    for (const Subcommand& s : Subcommands()) text += "  " + s.name + std::string(width - s.name.size() + 3, ' ') + s.summary + "\n";
    text += "  help" + std::string(width + 3 - 4, ' ') + "this page, or a subcommand's (help SUBCOMMAND)\n";
    return text;
}

std::string SubcommandNames() {
    std::string names;
    for (const Subcommand& s : Subcommands()) names += (names.empty() ? "" : ", ") + s.name;
    return names + ", help";
}

// The host's own options, declared like every tool's.
struct HostArguments {
    SessionOptions session;
    bool version = false;
    bool console = false;
    platform::OptionParser parser{"velloria", "The CAD host: a drawing window with a command line (the console for a script, without\n"
                                              "a display, or with --console) over one drawing, with the Velloria module\n"
                                              "loaded. The subcommands run its tools without a command line."};
    HostArguments() {
        parser.SetSynopsis("[DRAWING] [-s SCRIPT] [--console]\n       velloria SUBCOMMAND [ARGS...]\n       velloria help [SUBCOMMAND]");
        parser.Positional("DRAWING", session.drawing, false);
        parser.Text("-s, --script", "SCRIPT", session.script, "run the lines of SCRIPT, then end (status 0)");
        parser.Flag("--console", console, "the command line on the terminal, even where a display could show the window");
        parser.Flag("-V, --version", version, "print the version and exit");
        parser.SetEpilogue(SubcommandList() + "\nSee velloria(1) for the commands of the command line.");
        parser.SetErrorHint("The subcommands: " + SubcommandNames() + " (velloria help SUBCOMMAND for one).");
    }
};

// "; did you mean NAME?" when the word looks like a subcommand mistyped.
std::string Suggestion(const std::string& word) {
    std::vector<std::string> names{"help"};
    for (const Subcommand& s : Subcommands()) names.push_back(s.name);
    const std::string nearest = platform::NearestName(word, names);
    return nearest.empty() ? std::string() : "; did you mean " + nearest + "?";
}

int UsageError(const std::string& message) {
    HostArguments arguments;
    std::fprintf(stderr, "velloria: %s\n%s\nThe subcommands: %s (velloria help SUBCOMMAND for one).\n", message.c_str(),
                 arguments.parser.Usage().c_str(), SubcommandNames().c_str());
    return 2;
}

// velloria help [SUBCOMMAND]: the page `SUBCOMMAND --help` prints, on standard output.
int Help(const std::vector<std::string>& args) {
    if (args.empty()) {
        HostArguments arguments;
        std::fputs(arguments.parser.Help().c_str(), stdout);
        return 0;
    }
    if (args.size() > 1) return UsageError("help takes one subcommand");
    if (args[0] == "help" || args[0] == "-h" || args[0] == "--help") return Help({});
    const Subcommand* tool = FindSubcommand(args[0]);
    if (!tool) return UsageError("no subcommand " + args[0] + Suggestion(args[0]));
    return tool->run({"--help"});
}

}  // namespace

int main(int argc, char** argv) {
    SetUpHeapForLargeDrawings();
    std::setlocale(LC_ALL, "");
    std::setlocale(LC_NUMERIC, "C");
    std::vector<std::string> args(argv + 1, argv + argc);

    if (!args.empty()) {
        if (args.front() == "help") return Help(std::vector<std::string>(args.begin() + 1, args.end()));
        if (const Subcommand* tool = FindSubcommand(args.front())) {
            // A tool says each failure in one plain line, the reason first.
            platform::SetAlertStyle(platform::AlertStyle::Line);
            // Memory that runs out ends the tool with a message and a failure; what it writes
            // is replaced whole or not at all, so nothing is left half-written.
            try {
                return tool->run(std::vector<std::string>(args.begin() + 1, args.end()));
            } catch (const std::bad_alloc&) {
                std::fflush(stdout);
                std::fprintf(stderr, "velloria %s: Not enough memory\n", tool->name.c_str());
                return 1;
            }
        }
    }
    for (const std::string& arg : args) {
        if (arg == "--") break;
        if (!arg.empty() && arg[0] != '-' && !NamesADrawing(arg)) {
            if (FindSubcommand(arg) || arg == "help") return UsageError("the subcommand " + arg + " comes first, before any option");
            return UsageError(arg + " is neither a subcommand nor a drawing" + Suggestion(arg));
        }
        if (arg == "-s" || arg == "--script") break;  // the script's name may be any word
    }
    HostArguments arguments;
    if (const int status = arguments.parser.Parse(args); status >= 0) return status;
    if (arguments.version) {
        std::printf("velloria %s\n", platform::ToUtf8(VELLORIA_VERSION).c_str());
        return 0;
    }
    arguments.session.window = arguments.session.script.empty() && WindowWanted(arguments.console);
    // The window shows the data layer's error reports as the alert boxes they are; the console's
    // command line gives one plain line for each.
    if (!arguments.session.window) platform::SetAlertStyle(platform::AlertStyle::Line);
    return RunInteractiveSession(arguments.session);
}
