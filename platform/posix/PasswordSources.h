#pragma once
// Where a tool takes a database password from. A password on the command line is seen by
// every user of the machine (ps, /proc/PID/cmdline), so the tools also take it from a file,
// from the environment (VELLORIA_PASSWORD) or from a prompt at the terminal that does not
// echo what is typed. --password still works, with a warning on standard error.
#include <string>

#include "text/CommandLineOptions.h"

namespace platform::posix {

struct PasswordOptions {
    std::string value;  // --password P
    bool given = false;
    std::string file;   // --password-file F
    bool ask = false;   // --ask-password
};

// Declares --password, --password-file and --ask-password, and the rule that at most one of
// them is given.
void DeclarePasswordOptions(OptionParser& parser, PasswordOptions& options);

// The password the options name: read from the file (its first line), typed at the terminal,
// given on the command line (a warning from `program` on standard error), or else
// VELLORIA_PASSWORD, or else empty. False with the reason in `error` when the file cannot be
// read or there is no terminal to ask at.
bool ResolvePassword(const PasswordOptions& options, const std::string& program, std::string& password, std::string& error);

// The first line of a file (without its line end); the file may be a pipe (<(pass show db)).
bool ReadPasswordFile(const std::string& path, std::string& password, std::string& error);

// Asks at the controlling terminal with echo off; false when there is none or the input ends.
bool PromptForPassword(const std::string& prompt, std::string& password, std::string& error);

}  // namespace platform::posix
