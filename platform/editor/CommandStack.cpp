#include "editor/CommandStack.h"

#include <algorithm>

#include "mfc/String.h"

namespace {

// The name without the leading "_" (global) and "." (built-in) prefixes a user may type.
std::wstring_view Bare(std::wstring_view name) {
    while (!name.empty() && (name.front() == L'_' || name.front() == L'.')) name.remove_prefix(1);
    return name;
}

bool Same(std::wstring_view a, std::wstring_view b) { return a.size() == b.size() && platform::CompareNoCase(a, b) == 0; }

}  // namespace

int AcEdCommandStack::addCommand(const wchar_t* cmdGroupName, const wchar_t* cmdGlobalName,
                                 const wchar_t* cmdLocalName, int commandFlags, AcRxFunctionPtr functionAddr,
                                 AcEdUIContext* UIContext, int fcode, HINSTANCE hResourceHandle,
                                 AcEdCommand** cmdPtrRet) {
    if (cmdPtrRet) *cmdPtrRet = nullptr;
    if (!cmdGroupName || !*cmdGroupName || !cmdGlobalName || !*cmdGlobalName || !functionAddr) return kCmdInvalidInput;
    if (lookupGlobalCmd(cmdGroupName, cmdGlobalName)) return kCmdDuplicateKey;
    auto command = std::make_unique<AcEdCommand>();
    command->m_group = cmdGroupName;
    command->m_globalName = cmdGlobalName;
    command->m_localName = cmdLocalName && *cmdLocalName ? cmdLocalName : cmdGlobalName;
    command->m_flags = commandFlags;
    command->m_function = functionAddr;
    command->m_uiContext = UIContext;
    command->m_functionCode = fcode;
    command->m_resource = hResourceHandle;
    if (cmdPtrRet) *cmdPtrRet = command.get();
    m_commands.push_back(std::move(command));
    return kCmdOk;
}

int AcEdCommandStack::removeCmd(const wchar_t* cmdGroupName, const wchar_t* cmdGlobalName) {
    if (!cmdGroupName || !cmdGlobalName) return kCmdInvalidInput;
    auto removed = std::erase_if(m_commands, [&](const auto& c) {
        return Same(c->m_group, cmdGroupName) && Same(c->m_globalName, cmdGlobalName);
    });
    return removed ? kCmdOk : kCmdKeyNotFound;
}

int AcEdCommandStack::removeGroup(const wchar_t* groupName) {
    if (!groupName) return kCmdInvalidInput;
    auto removed = std::erase_if(m_commands, [&](const auto& c) { return Same(c->m_group, groupName); });
    return removed ? kCmdOk : kCmdKeyNotFound;
}

AcEdCommand* AcEdCommandStack::lookupCmd(const wchar_t* name) const {
    if (!name) return nullptr;
    std::wstring_view wanted = Bare(name);
    if (wanted.empty()) return nullptr;
    for (auto it = m_commands.rbegin(); it != m_commands.rend(); ++it) {
        const auto& c = *it;
        if (Same(Bare(c->m_localName), wanted) || Same(Bare(c->m_globalName), wanted)) return c.get();
    }
    return nullptr;
}

AcEdCommand* AcEdCommandStack::lookupGlobalCmd(const wchar_t* cmdGroupName, const wchar_t* cmdGlobalName) const {
    if (!cmdGroupName || !cmdGlobalName) return nullptr;
    for (const auto& c : m_commands)
        if (Same(c->m_group, cmdGroupName) && Same(c->m_globalName, cmdGlobalName)) return c.get();
    return nullptr;
}

std::vector<const AcEdCommand*> AcEdCommandStack::commands() const {
    std::vector<const AcEdCommand*> list;
    for (const auto& c : m_commands) list.push_back(c.get());
    return list;
}

std::vector<std::wstring> AcEdCommandStack::groupNames() const {
    std::vector<std::wstring> groups;
    for (const auto& c : m_commands)
        if (std::none_of(groups.begin(), groups.end(), [&](const std::wstring& g) { return Same(g, c->m_group); }))
            groups.push_back(c->m_group);
    return groups;
}

namespace {

// The host's command stack, in the system registry from the moment the library is loaded.
AcEdCommandStack s_commandStack;
const bool s_docked = (acrxSysRegistry()->atPut(ACRX_COMMAND_DOCK, &s_commandStack), true);

}  // namespace

AcEdCommandStack* acedRegCmdsPtr() { return AcEdCommandStack::cast(acrxSysRegistry()->at(ACRX_COMMAND_DOCK)); }
