#include "HostCommands.h"

#include <algorithm>
#include <string>
#include <vector>

#include "editor/Console.h"
#include "Documents.h"
#include "win/HostPath.h"
#include "runtime/Menus.h"
#include "Session.h"
#include "mfc/String.h"
#include "text/Utf8.h"

namespace {

struct HostCommandEntry {
    const wchar_t* name;
    AcRxFunctionPtr function;
    int flags;
};

std::vector<HostCommandEntry>& Registered() {
    static std::vector<HostCommandEntry> entries;
    return entries;
}

std::wstring TrimmedAnswer(const std::string& answer) {
    std::wstring text = platform::FromUtf8(answer);
    while (!text.empty() && std::iswspace(text.back())) text.pop_back();
    while (!text.empty() && std::iswspace(text.front())) text.erase(text.begin());
    if (text.size() >= 2 && text.front() == L'"' && text.back() == L'"') text = text.substr(1, text.size() - 2);
    return text;
}

// QUIT: offers to save every drawing with changes; Cancel (or a failed save) keeps the
// session going.
void QuitCommand() {
    for (int i = 0; i < acDocManagerPtr()->documentCount(); ++i)
        if (!OfferToSave(acDocManagerPtr()->document(i))) return;
    Session().RequestQuit();
}

void ScriptCommand() {
    auto answer = platform::ReadPromptedLine(L"\nEnter script file name: ");
    if (!answer || *answer == "^C") {
        platform::WriteOutput(std::string_view("*Cancel*\n"));
        return;
    }
    std::wstring path = TrimmedAnswer(*answer);
    if (path.empty()) return;
    auto source = platform::MakeFileSource(platform::ToHostPath(path));
    if (!source) {
        platform::WriteOutput(L"\nCannot open script file " + path + L".\n");
        return;
    }
    platform::PushLineSource(std::move(source));
}

// COMMANDS [group]: the registered commands, by group.
void CommandsCommand() {
    auto answer = platform::ReadPromptedLine(L"\nEnter command group name <all>: ");
    if (!answer || *answer == "^C") return;
    std::wstring group = TrimmedAnswer(*answer);
    AcEdCommandStack* stack = acedRegCmds;
    if (!stack) return;
    std::wstring text;
    int count = 0;
    for (const std::wstring& g : stack->groupNames()) {
        if (!group.empty() && (g.size() != group.size() || platform::CompareNoCase(g, group) != 0)) continue;
        text += L"\n" + g + L":\n";
        for (const AcEdCommand* c : stack->commands()) {
            if (platform::CompareNoCase(c->groupName(), g) != 0) continue;
            std::wstring local = c->localName();
            if (local.size() < 24) local.resize(24, L' ');
            text += L"  " + local + L" " + c->globalName() + L"\n";
            ++count;
        }
    }
    if (!count) text = L"\nNo commands" + (group.empty() ? std::wstring() : L" in group " + group) + L".\n";
    platform::WriteOutput(text);
}

HostCommandRegistration s_quit(L"QUIT", &QuitCommand);
HostCommandRegistration s_script(L"SCRIPT", &ScriptCommand);
HostCommandRegistration s_commands(L"COMMANDS", &CommandsCommand);

}  // namespace

HostCommandRegistration::HostCommandRegistration(const wchar_t* name, AcRxFunctionPtr function, int flags) {
    Registered().push_back({name, function, flags});
}

void RegisterHostCommands() {
    platform::RegisterMenuCommands();
    AcEdCommandStack* stack = acedRegCmds;
    if (!stack) return;
    for (const auto& entry : Registered())
        stack->addCommand(L"ACAD", entry.name, entry.name, entry.flags, entry.function);
}

std::vector<std::string> CommandNames() {
    std::vector<std::wstring> names;
    if (AcEdCommandStack* stack = acedRegCmds)
        for (const AcEdCommand* c : stack->commands()) names.emplace_back(c->localName());
    std::sort(names.begin(), names.end(), [](const std::wstring& a, const std::wstring& b) { return platform::CompareNoCase(a, b) < 0; });
    names.erase(std::unique(names.begin(), names.end(), [](const std::wstring& a, const std::wstring& b) { return platform::CompareNoCase(a, b) == 0; }),
                names.end());
    std::vector<std::string> utf8;
    for (const std::wstring& name : names) utf8.push_back(platform::ToUtf8(name));
    return utf8;
}
