#pragma once
// HELP and ?: the commands with one line each; HELP NAME: the command's help page.
#include <string>

// Whether a typed command name is HELP or ? (their rest of the line names the command).
bool IsHelpCommand(const std::string& name);
// Prints the list (topic empty) or the page of the command named by topic.
void ShowHelp(const std::string& topic);
