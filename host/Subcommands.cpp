#include "Subcommands.h"

namespace {

std::vector<Subcommand>& Table() {
    static std::vector<Subcommand> table;
    return table;
}

}  // namespace

SubcommandRegistration::SubcommandRegistration(const char* name, SubcommandMain run, const char* usage) {
    Table().push_back({name, run, usage});
}

const Subcommand* FindSubcommand(const std::string& name) {
    for (const auto& s : Table())
        if (s.name == name) return &s;
    return nullptr;
}

const std::vector<Subcommand>& Subcommands() { return Table(); }
