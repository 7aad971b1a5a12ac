#include "CommandLoop.h"

#include <cstdio>
#include <optional>

#include "editor/Commands.h"
#include "editor/Console.h"
#include "editor/PromptInput.h"
#include "Documents.h"
#include "HelpCommand.h"
#include "Session.h"
#include "text/Utf8.h"

namespace {

// The name of the command run last from the command prompt: Enter alone runs it again.
std::string& LastCommand() {
    static std::string name;
    return name;
}

}  // namespace

void RunCommandLine(const std::string& line) {
    size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos) return;
    size_t end = line.find_first_of(" \t", start);
    std::string name = line.substr(start, end == std::string::npos ? std::string::npos : end - start);
    std::vector<std::string> input;
    if (end != std::string::npos) {
        size_t restStart = line.find_first_not_of(" \t", end);
        if (restStart != std::string::npos) {
            std::string rest = line.substr(restStart);
            while (!rest.empty() && (rest.back() == ' ' || rest.back() == '\t')) rest.pop_back();
            input.push_back(rest);
        }
    }
    // HELP asks nothing: alone it lists the commands, with a name it shows that one's page.
    if (IsHelpCommand(name)) {
        LastCommand() = name;
        ShowHelp(input.empty() ? std::string() : input.front());
        return;
    }
    if (platform::ExecuteCommandWithInput(platform::FromUtf8(name), std::move(input))) LastCommand() = name;
}

namespace {

// Whether the session may end at the end of its input. A person at a terminal (who typed
// ^D) is offered to save each changed drawing, as QUIT does, and a second ^D in a row ends
// the session regardless; a script or a pipe cannot be asked, so what it leaves unsaved is
// named instead of being saved or lost in silence.
bool MayEndAtEndOfInput(bool endedBefore) {
    if (platform::InputIsInteractive() && !endedBefore) {
        for (int i = 0; i < acDocManagerPtr()->documentCount(); ++i)
            if (!OfferToSave(acDocManagerPtr()->document(i))) return false;
        return true;
    }
    for (const std::wstring& name : UnsavedDrawings()) {
        platform::WriteOutput(L"\n" + name + L" has changes that were not saved.\n");
        std::fprintf(stderr, "velloria: %s has changes that were not saved.\n", platform::ToUtf8(name).c_str());
    }
    return true;
}

}  // namespace

void RunCommandLoop() {
    bool endedBefore = false;
    while (!Session().QuitRequested()) {
        // Expressions queued by applications run when the host next waits for input.
        platform::RunQueuedExpressions();
        if (Session().QuitRequested()) break;
        std::optional<std::string> line;
        {
            const platform::ScopedPrompt waiting(platform::PromptKind::Command);
            line = platform::ReadPromptedLine(L"\nCommand: ");
        }
        if (!line) {
            if (MayEndAtEndOfInput(endedBefore)) break;
            endedBefore = true;
            continue;
        }
        endedBefore = false;
        if (*line == "^C") {
            platform::WriteOutput(std::string_view("*Cancel*\n"));
            continue;
        }
        // Enter alone at the command prompt repeats the last command, as a CAD program does
        // for a person; in a script (or a pipe) an empty line stays nothing, as it answers
        // prompts there.
        if (line->find_first_not_of(" \t") == std::string::npos && platform::LastLineWasTyped() && !LastCommand().empty()) {
            const std::string again = LastCommand();
            platform::WriteOutput(again + "\n");
            RunCommandLine(again);
            continue;
        }
        RunCommandLine(*line);
    }
}
