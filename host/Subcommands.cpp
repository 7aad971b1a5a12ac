#include "Subcommands.h"

#include <algorithm>

namespace {

std::vector<Subcommand>& Table() {
    static std::vector<Subcommand> table;
    return table;
}

}  // namespace

SubcommandRegistration::SubcommandRegistration(const char* name, SubcommandMain run, const char* summary) {
    Table().push_back({name, run, summary});
}

const Subcommand* FindSubcommand(const std::string& name) {
    for (const auto& s : Table())
        if (s.name == name) return &s;
    return nullptr;
}

std::vector<Subcommand> Subcommands() {
    std::vector<Subcommand> sorted = Table();
    std::sort(sorted.begin(), sorted.end(), [](const Subcommand& a, const Subcommand& b) { return a.name < b.name; });
    return sorted;
}
