#pragma once
// An interactive session: start, command line, shut down.
#include <string>

struct SessionOptions {
    std::string drawing;  // empty: start with a new drawing
    std::string script;   // empty: read commands from standard input (or the window)
    bool window = false;  // without a script: the main window is the command line
};

// Returns the exit status: 0 when the input ended or QUIT was given, non-zero on a host error.
int RunInteractiveSession(const SessionOptions& options);
