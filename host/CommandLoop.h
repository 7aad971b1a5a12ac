#pragma once
#include <string>
// The command line: runs queued expressions, prompts "Command: ", runs the command typed.
// Returns when the input ends or QUIT is given.
void RunCommandLoop();

// Runs one typed line: the first word names the command; the rest of the line, if any,
// answers the command's first prompt.
void RunCommandLine(const std::string& line);
