// velloria preview: the module's preview tool, run without a drawing or a command line.
#include <cstdio>
#include <string>
#include <vector>

#include "ModuleLoader.h"
#include "Subcommands.h"

namespace {

using PreviewFunc = int (*)(int argc, char** argv);

// The module parses the options (and prints --help), so the page is the module's own.
int RunPreview(const std::vector<std::string>& args) {
    ToolModule module("preview");
    auto preview = module.Entry<PreviewFunc>("velloriaPreview");
    if (!preview) return 1;
    std::vector<std::string> storage;
    storage.reserve(args.size() + 1);
    storage.emplace_back("preview");
    storage.insert(storage.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& arg : storage) argv.push_back(arg.data());
    argv.push_back(nullptr);
    return preview(static_cast<int>(storage.size()), argv.data());
}

SubcommandRegistration s_preview("preview", &RunPreview, "the cell grid a refresh would write from a table, query or SQL");

}  // namespace
