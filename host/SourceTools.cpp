// `velloria drivers` and `velloria trust`: the drivers a link may name, and the database
// servers and data sources that a drawing's links may reach without asking.
#include <string>
#include <vector>

#include "ModuleLoader.h"
#include "Subcommands.h"
#include "app/ToolEntryPoints.h"
#include "text/CommandLineOptions.h"

namespace {

int Drivers(const std::vector<std::string>& args) {
    std::string format = "text";
    platform::OptionParser parser("velloria drivers", "The drivers a link may name, one a line: the name, what its database item names,\n"
                                                      "what the connect dialog asks for, and whether it works here (built in, the ODBC\n"
                                                      "driver installed for it, or the Debian package that installs one), separated by tabs.");
    parser.Choice("--format", {"text", "json"}, format, "text (the default) or json");
    if (const int status = parser.Parse(args); status >= 0) return status;
    ToolModule module("drivers");
    auto drivers = module.Entry<VelloriaDriversFunc>(kVelloriaDriversSymbol);
    if (!drivers) return 1;
    return drivers(format == "json" ? kVelloriaFormatJson : kVelloriaFormatText);
}

int Trust(const std::vector<std::string>& args) {
    std::string action, location;
    platform::OptionParser parser("velloria trust", "The database servers and data sources that a drawing's links may read when the drawing\n"
                                                    "opens and in `velloria update`: a link runs its SQL with your credentials, so a link to\n"
                                                    "a source that is not on this list is reported and not run.");
    parser.SetSynopsis("list | add LOCATION | remove LOCATION");
    parser.Positional("ACTION", action);
    parser.Positional("LOCATION", location, false);
    parser.Rule([&] {
        if (action != "list" && action != "add" && action != "remove") return "unknown action " + action + " (list, add or remove)";
        if (action != "list" && location.empty()) return "velloria trust " + action + " needs a LOCATION";
        if (action == "list" && !location.empty()) return std::string("velloria trust list takes no LOCATION");
        return std::string();
    });
    parser.SetEpilogue("LOCATION: HOST[:PORT]/DATABASE (one database), HOST[:PORT] (every database of the server),\n"
                       "DSN=NAME (a data source name of odbc.ini), or a server URL such as postgresql://USER@HOST:PORT/DATABASE.\n"
                       "Links to files (Access, SQLite) are not concerned.\n"
                       "Exit status: 0; 1 when the location names no source, is not on the list, or the settings\n"
                       "cannot be written; 2 for wrong arguments.");
    if (const int status = parser.Parse(args); status >= 0) return status;
    ToolModule module("trust");
    auto trust = module.Entry<VelloriaTrustFunc>(kVelloriaTrustSymbol);
    if (!trust) return 1;
    return trust(action.c_str(), location.c_str());
}

SubcommandRegistration s_drivers("drivers", &Drivers, "the drivers a link may name, and which work here");
SubcommandRegistration s_trust("trust", &Trust, "the database servers and data sources a drawing's links may read");

}  // namespace
