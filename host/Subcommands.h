#pragma once
// Tool subcommands: `velloria NAME args...` runs a tool without the command line. A file of
// host/ adds one with a registration object at namespace scope, e.g.
//     static SubcommandRegistration s_links("links", &RunLinks, "links DRAWING");
// main() looks the first argument up here before it starts an interactive session.
#include <string>
#include <vector>

// Gets the arguments after the subcommand's name; returns the process exit status.
using SubcommandMain = int (*)(const std::vector<std::string>& args);

class SubcommandRegistration {
public:
    SubcommandRegistration(const char* name, SubcommandMain run, const char* usage);
};

struct Subcommand {
    std::string name;
    SubcommandMain run;
    std::string usage;
};

const Subcommand* FindSubcommand(const std::string& name);
const std::vector<Subcommand>& Subcommands();
