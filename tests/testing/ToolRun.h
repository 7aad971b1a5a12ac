#pragma once
// Test helpers for programs run as a user runs them: a shell command run in a folder with its
// standard output and error caught, and a check of what they printed.
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "testing/TempDir.h"

namespace testing_support {

struct ToolRun {
    int status = -1;  // the exit status; -1 when the command did not end by itself
    std::string out, err;
};

inline bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }
// How many times part stands in text, not overlapping.
inline int Count(const std::string& text, const std::string& part) {
    int n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++n;
    return n;
}

// Runs command with sh in folder; what it prints goes through out.txt and err.txt there.
inline ToolRun RunIn(const std::filesystem::path& folder, const std::string& command, const std::string& input = "/dev/null") {
    const std::string out = (folder / "out.txt").string(), err = (folder / "err.txt").string();
    const int raw = std::system(("cd '" + folder.string() + "' && (" + command + ") >'" + out + "' 2>'" + err + "' <" + input).c_str());
    ToolRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = ReadFile(out);
    run.err = ReadFile(err);
    return run;
}

// The standard output of a shell command, its standard error left where it goes.
inline std::string CaptureOutput(const std::string& command) {
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[65536];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
        ::pclose(pipe);
    }
    return out;
}

}  // namespace testing_support
