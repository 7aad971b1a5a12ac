#include "HelpCommand.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <vector>

#include "editor/CommandStack.h"
#include "editor/Console.h"
#include "HelpPages.h"
#include "HostCommands.h"
#include "ModuleLoader.h"
#include "posix/FileIo.h"
#include "text/TextCase.h"
#include "text/Utf8.h"
#include "view/PlotFormat.h"

namespace {

// The host's own commands have no help pages: their line is kept here.
const std::map<std::string, std::string>& HostSummaries() {
    static const std::map<std::string, std::string> summaries = {
        {"?", "the commands with one line each (HELP NAME: a command's page)"},
        {"COMMANDS", "the registered commands by group (COMMANDS GROUP: one group)"},
        {"HELP", "the commands with one line each (HELP NAME: a command's page)"},
        {"LIST", "the selected entities with their handles, cells and links (Enter alone: all; LIST #2A: by handle)"},
        {"MENUBAR", "the menu bar with the entries of the loaded menus"},
        {"MENULOAD", "load a menu file (.cuix)"},
        {"NEW", "a new, empty drawing in place of the current one"},
        {"OPEN", "open a drawing in place of the current one"},
        {"PLOT", "plot the current drawing to " + platform::view::PlotFormatNames()},
        {"QSAVE", "save the drawing to its own file"},
        {"QUIT", "end the session, offering to save the changes"},
        {"SAVE", "save the drawing to its own file"},
        {"SAVEAS", "save the drawing under another name"},
        {"SCRIPT", "run the lines of a script file"},
    };
    return summaries;
}

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// The HTML pages installed beside the module.
std::filesystem::path HelpFolder() { return std::filesystem::path(DefaultModulePath()).parent_path() / "help"; }

std::string PageOf(const std::string& command) {
    std::string html, why;
    return platform::posix::ReadRegularFile((HelpFolder() / (command + ".html")).string(), html, why) ? html : std::string();
}

std::string SummaryOf(const std::string& command) {
    const auto host = HostSummaries().find(Upper(command));
    if (host != HostSummaries().end()) return host->second;
    return PageSummary(PageOf(command));
}

void ListCommands() {
    const std::vector<std::string> names = CommandNames();
    size_t width = 8;
    for (const std::string& name : names) width = std::max(width, name.size());
    std::string text = "\nCommands (HELP NAME for one's page):\n";
    for (const std::string& name : names) {
        const std::string summary = SummaryOf(name);
        text += "  " + name + (summary.empty() ? "" : std::string(width + 2 - name.size(), ' ') + summary) + "\n";
    }
    platform::WriteOutput(text);
}

void ShowPage(const std::string& topic) {
    AcEdCommandStack* stack = acedRegCmds;
    const AcEdCommand* command = stack ? stack->lookupCmd(platform::FromUtf8(topic).c_str()) : nullptr;
    if (!command) {
        platform::WriteOutput("\nNo command " + topic + ". HELP lists the commands.\n");
        return;
    }
    const std::string name = platform::ToUtf8(command->localName());
    const std::string html = PageOf(name);
    if (!html.empty()) {
        platform::WriteOutput("\n" + PageText(html));
        return;
    }
    const std::string summary = SummaryOf(name);
    platform::WriteOutput("\n" + name + (summary.empty() ? ": no help page was found in " + HelpFolder().string() + "." : ": " + summary + ".") + "\n");
}

void HelpCommand() { ShowHelp({}); }

HostCommandRegistration s_help(L"HELP", &HelpCommand);
HostCommandRegistration s_question(L"?", &HelpCommand);

}  // namespace

bool IsHelpCommand(const std::string& name) { return name == "?" || Upper(name) == "HELP" || Upper(name) == "_HELP"; }

void ShowHelp(const std::string& topic) {
    if (topic.empty()) ListCommands();
    else ShowPage(topic);
}
