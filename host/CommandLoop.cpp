#include "CommandLoop.h"

#include "Commands.h"
#include "Console.h"
#include "Session.h"
#include "Utf8.h"

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
    platform::ExecuteCommandWithInput(platform::FromUtf8(name), std::move(input));
}

void RunCommandLoop() {
    while (!Session().QuitRequested()) {
        // Expressions queued by applications run when the host next waits for input.
        platform::RunQueuedExpressions();
        if (Session().QuitRequested()) break;
        auto line = platform::ReadPromptedLine(L"\nCommand: ");
        if (!line) break;
        if (*line == "^C") {
            platform::WriteOutput(std::string_view("*Cancel*\n"));
            continue;
        }
        RunCommandLine(*line);
    }
}
