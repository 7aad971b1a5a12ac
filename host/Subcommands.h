#pragma once
// Tool subcommands: `velloria NAME args...` runs a tool without the command line. A file of
// host/ adds one with a registration object at namespace scope, e.g.
//     static SubcommandRegistration s_links("links", &RunLinks, "the linked tables of a drawing");
// main() looks the first argument up here before it starts an interactive session. Each tool
// parses its arguments with platform::OptionParser (text/CommandLineOptions.h), so that
// `velloria help NAME` and `velloria NAME --help` print the same page.
#include <string>
#include <vector>

// Gets the arguments after the subcommand's name; returns the process exit status.
using SubcommandMain = int (*)(const std::vector<std::string>& args);

class SubcommandRegistration {
public:
    SubcommandRegistration(const char* name, SubcommandMain run, const char* summary);
};

struct Subcommand {
    std::string name;
    SubcommandMain run;
    std::string summary;  // one line, for `velloria help`
};

const Subcommand* FindSubcommand(const std::string& name);
// Sorted by name.
std::vector<Subcommand> Subcommands();
