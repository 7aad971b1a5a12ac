#include "runtime/Menus.h"

#include <algorithm>
#include <cwctype>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "editor/CommandStack.h"
#include "editor/Console.h"
#include "win/HostPath.h"
#include "win/RegistryData.h"
#include "mfc/String.h"
#include "text/Utf8.h"
#include "win/WinRegistry.h"

namespace platform {

namespace {

struct MenuState {
    std::vector<MenuGroup> groups;
    std::vector<MenuBarEntry> bar;
    bool barInitialised = false;
};

MenuState& State() {
    static MenuState state;
    if (!state.barInitialised) {
        state.barInitialised = true;
        for (const auto& title : StandardPullDowns()) state.bar.push_back({title, {}, {}});
    }
    return state;
}

bool Same(std::wstring_view a, std::wstring_view b) { return a.size() == b.size() && CompareNoCase(a, b) == 0; }

MenuGroup* FindGroup(std::wstring_view name) {
    for (auto& g : State().groups)
        if (Same(g.name, name)) return &g;
    return nullptr;
}

void RememberInProfile(const std::wstring& group, const std::wstring& file) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kMenuProfileKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    std::vector<BYTE> bytes = RegistryStringBytes(file);
    RegSetValueExW(key, group.c_str(), 0, REG_SZ, bytes.data(), static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
}

void ForgetInProfile(const std::wstring& group) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kMenuProfileKey, 0, KEY_READ | KEY_WRITE, &key) != ERROR_SUCCESS) return;
    RegDeleteValueW(key, group.c_str());
    RegCloseKey(key);
}

// The names of a key's values (at most 255 characters each, as the registry allows).
std::vector<std::wstring> ValueNames(HKEY key) {
    std::vector<std::wstring> names;
    for (DWORD index = 0;; ++index) {
        wchar_t name[256];
        DWORD length = 256;
        const LONG result = RegEnumValueW(key, index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_NO_MORE_ITEMS) break;
        if (result == ERROR_SUCCESS) names.emplace_back(name, length);
    }
    return names;
}

// The pull-downs of menu groups in the menu bar, with their places, as the profile keeps them.
void RememberMenuBar() {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kMenuBarProfileKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    std::vector<std::pair<std::wstring, DWORD>> entries;
    const auto& bar = State().bar;
    for (size_t i = 0; i < bar.size(); ++i)
        if (!bar[i].group.empty()) entries.emplace_back(bar[i].group + L"." + bar[i].alias, static_cast<DWORD>(i + 1));
    for (const std::wstring& name : ValueNames(key)) {
        const bool kept = std::any_of(entries.begin(), entries.end(), [&](const auto& e) { return Same(e.first, name); });
        if (!kept) RegDeleteValueW(key, name.c_str());
    }
    for (const auto& [name, position] : entries)
        RegSetValueExW(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&position), sizeof position);
    RegCloseKey(key);
}

// Puts the remembered pull-downs of loaded groups back in the menu bar, in the order of their
// places.
void RestoreMenuBar() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kMenuBarProfileKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return;
    std::vector<std::pair<DWORD, std::wstring>> entries;
    for (const std::wstring& name : ValueNames(key)) {
        DWORD position = 0, type = 0, size = sizeof position;
        if (RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<LPBYTE>(&position), &size) == ERROR_SUCCESS &&
            type == REG_DWORD && position >= 1)
            entries.emplace_back(position, name);
    }
    RegCloseKey(key);
    std::sort(entries.begin(), entries.end());
    for (const auto& [position, name] : entries) {
        // A group no longer loaded, or a pull-down its file no longer has, is passed over.
        const std::wstring command = L"P" + std::to_wstring(std::min<DWORD>(position, 9999)) + L"=+" + name;
        acedMenuCmd(command.c_str());
    }
}

// Reads and parses a menu file without loading it.
std::optional<MenuGroup> ReadMenuFile(std::wstring_view path, std::wstring* error) {
    const std::string hostPath = ToHostPath(path);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(hostPath, ec)) {
        if (error) *error = L"the file does not exist";
        return std::nullopt;
    }
    std::ifstream in(hostPath, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    if (!in) {
        if (error) *error = L"the file cannot be read";
        return std::nullopt;
    }
    auto group = ParseMenuFile(bytes.str(), error);
    if (!group) return std::nullopt;
    group->file = FromUtf8(std::filesystem::absolute(hostPath, ec).lexically_normal().string());
    return group;
}

void Install(MenuGroup group) {
    auto& state = State();
    if (MenuGroup* existing = FindGroup(group.name)) {
        *existing = std::move(group);
    } else {
        state.groups.push_back(std::move(group));
    }
}

void MenuLoadCommand() {
    auto answer = ReadPromptedLine(L"\nEnter name of menu file to load: ");
    if (!answer || *answer == "^C") {
        WriteOutput(std::string_view("*Cancel*\n"));
        return;
    }
    std::wstring path = FromUtf8(*answer);
    while (!path.empty() && (path.back() == L' ' || path.back() == L'\t')) path.pop_back();
    if (path.size() >= 2 && path.front() == L'"' && path.back() == L'"') path = path.substr(1, path.size() - 2);
    if (path.empty()) return;
    std::wstring error;
    if (!LoadMenuFile(path, &error)) {
        WriteOutput(L"\nUnable to load menu file " + path + L": " + error + L".\n");
        return;
    }
    WriteOutput(L"\nCustomization file loaded successfully. Customization Group: " +
                State().groups.back().name + L"\n");
}

void MenuUnloadCommand() {
    auto answer = ReadPromptedLine(L"\nEnter the name of the Customization Group to unload: ");
    if (!answer || *answer == "^C") {
        WriteOutput(std::string_view("*Cancel*\n"));
        return;
    }
    std::wstring name = FromUtf8(*answer);
    while (!name.empty() && std::iswspace(name.back())) name.pop_back();
    while (!name.empty() && std::iswspace(name.front())) name.erase(name.begin());
    if (name.empty()) return;
    const MenuGroup* group = FindGroup(name);
    if (!group) {
        WriteOutput(L"\nThe Customization Group " + name + L" is not loaded.\n");
        return;
    }
    const std::wstring stored = group->name;
    UnloadMenuGroup(stored);
    WriteOutput(L"\nCustomization Group unloaded successfully. Customization Group: " + stored + L"\n");
}

void MenuBarCommand() { PrintMenuBar(); }

}  // namespace

const std::vector<std::wstring>& StandardPullDowns() {
    static const std::vector<std::wstring> titles{L"File", L"Edit", L"View", L"Insert",
                                                  L"Format", L"Tools", L"Window", L"Help"};
    return titles;
}

void ResetMenuBar(const std::vector<std::wstring>& titles) {
    auto& state = State();
    state.bar.clear();
    for (const auto& title : titles) state.bar.push_back({title, {}, {}});
}

std::vector<MenuBarEntry> MenuBar() { return State().bar; }

const MenuGroup* FindMenuGroup(std::wstring_view name) { return FindGroup(name); }

std::vector<std::wstring> LoadedMenuGroups() {
    std::vector<std::wstring> names;
    for (const auto& g : State().groups) names.push_back(g.name);
    return names;
}

bool LoadMenuFile(std::wstring_view path, std::wstring* error) {
    auto group = ReadMenuFile(path, error);
    if (!group) return false;
    const std::wstring name = group->name;
    const std::wstring file = group->file;
    Install(std::move(*group));
    // Menu groups loaded before are found again at the next start.
    RememberInProfile(name, file);
    // Make sure the loaded group is the last one, so callers can name it.
    auto& groups = State().groups;
    for (size_t i = 0; i + 1 < groups.size(); ++i)
        if (Same(groups[i].name, name)) std::rotate(groups.begin() + i, groups.begin() + i + 1, groups.end());
    return true;
}

bool UnloadMenuGroup(std::wstring_view name) {
    auto& state = State();
    MenuGroup* group = FindGroup(name);
    if (!group) return false;
    std::wstring stored = group->name;
    std::erase_if(state.bar, [&](const MenuBarEntry& e) { return Same(e.group, stored); });
    std::erase_if(state.groups, [&](const MenuGroup& g) { return Same(g.name, stored); });
    ForgetInProfile(stored);
    RememberMenuBar();
    return true;
}

void ClearLoadedMenuGroups() {
    auto& state = State();
    std::erase_if(state.bar, [](const MenuBarEntry& e) { return !e.group.empty(); });
    state.groups.clear();
}

void LoadProfileMenus() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kMenuProfileKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return;
    std::vector<std::pair<std::wstring, std::wstring>> remembered;
    for (DWORD index = 0;; ++index) {
        wchar_t name[256];
        DWORD nameLength = 256;
        DWORD type = 0;
        std::vector<BYTE> data(4096 * sizeof(wchar_t));
        DWORD size = static_cast<DWORD>(data.size());
        LONG result = RegEnumValueW(key, index, name, &nameLength, nullptr, &type, data.data(), &size);
        if (result == ERROR_NO_MORE_ITEMS) break;
        if (result != ERROR_SUCCESS || type != REG_SZ || size < sizeof(wchar_t)) continue;
        std::wstring file(reinterpret_cast<const wchar_t*>(data.data()), size / sizeof(wchar_t));
        file = file.c_str();
        remembered.emplace_back(name, file);
    }
    RegCloseKey(key);
    for (const auto& [name, file] : remembered) {
        std::wstring error;
        auto group = ReadMenuFile(file, &error);
        if (!group) {
            WriteOutput(L"\nMenu group " + name + L" could not be loaded again from " + file + L": " + error +
                        L". It is no longer loaded.\n");
            ForgetInProfile(name);
            continue;
        }
        Install(std::move(*group));
    }
    RestoreMenuBar();
}

void PrintMenuBar() {
    const auto& state = State();
    std::wstring text = L"\nMenu bar:\n";
    for (size_t i = 0; i < state.bar.size(); ++i) {
        const MenuBarEntry& entry = state.bar[i];
        text += L"  " + std::to_wstring(i + 1) + L"  " + DisplayLabel(entry.title);
        if (entry.group.empty()) {
            text += L"\n";
            continue;
        }
        text += L"  (" + entry.group + L"." + entry.alias + L")\n";
        const MenuGroup* group = FindMenuGroup(entry.group);
        const PullDownMenu* menu = group ? group->FindPullDown(entry.alias) : nullptr;
        if (!menu) continue;
        for (const auto& item : menu->items) {
            if (item.label == L"--") {
                text += L"       ----\n";
                continue;
            }
            std::wstring label = DisplayLabel(item.label);
            if (label.size() < 34) label.resize(34, L' ');
            text += L"       " + label + L" " + item.macro + L"\n";
        }
    }
    WriteOutput(text);
}

void RegisterMenuCommands() {
    AcEdCommandStack* stack = acedRegCmds;
    if (!stack) return;
    stack->addCommand(L"ACAD", L"MENULOAD", L"MENULOAD", ACRX_CMD_MODAL, &MenuLoadCommand);
    stack->addCommand(L"ACAD", L"MENUUNLOAD", L"MENUUNLOAD", ACRX_CMD_MODAL, &MenuUnloadCommand);
    stack->addCommand(L"ACAD", L"MENUBAR", L"MENUBAR", ACRX_CMD_MODAL, &MenuBarCommand);
}

}  // namespace platform

bool acedIsMenuGroupLoaded(const wchar_t* pszGroupName) {
    return pszGroupName && platform::FindMenuGroup(pszGroupName) != nullptr;
}

int acedMenuCmd(const wchar_t* str) {
    if (!str) return RTERROR;
    std::wstring_view cmd(str);
    if (cmd.empty() || (cmd.front() != L'P' && cmd.front() != L'p')) return RTERROR;
    size_t pos = 1;
    size_t digits = 0;
    while (pos + digits < cmd.size() && std::iswdigit(cmd[pos + digits])) ++digits;
    if (digits == 0 || digits > 4) return RTERROR;
    const int position = std::stoi(std::wstring(cmd.substr(pos, digits)));
    pos += digits;
    auto& bar = platform::State().bar;
    const bool occupied = position >= 1 && static_cast<size_t>(position) <= bar.size();

    if (pos < cmd.size() && cmd[pos] == L'.') {  // "P<n>.<i>=?"
        size_t eq = cmd.find(L'=', pos);
        if (eq == std::wstring_view::npos || cmd.substr(eq) != L"=?") return RTERROR;
        std::wstring_view item = cmd.substr(pos + 1, eq - pos - 1);
        if (item.empty() || item.find_first_not_of(L"0123456789") != std::wstring_view::npos) return RTERROR;
        return occupied ? RTKWORD : RTNORM;
    }
    if (pos >= cmd.size() || cmd[pos] != L'=') return RTERROR;
    std::wstring_view action = cmd.substr(pos + 1);
    if (action == L"-") {
        if (!occupied) return RTERROR;
        const bool ofGroup = !bar[static_cast<size_t>(position - 1)].group.empty();
        bar.erase(bar.begin() + (position - 1));
        if (ofGroup) platform::RememberMenuBar();
        return RTNORM;
    }
    if (!action.starts_with(L"+") || position < 1) return RTERROR;
    std::wstring_view target = action.substr(1);
    size_t dot = target.find(L'.');
    if (dot == std::wstring_view::npos) return RTERROR;
    const platform::MenuGroup* group = platform::FindMenuGroup(target.substr(0, dot));
    const platform::PullDownMenu* menu = group ? group->FindPullDown(target.substr(dot + 1)) : nullptr;
    if (!menu) return RTERROR;
    for (const platform::MenuBarEntry& entry : bar)
        if (platform::Same(entry.group, group->name) && platform::Same(entry.alias, menu->alias)) return RTNORM;
    size_t index = std::min(static_cast<size_t>(position - 1), bar.size());
    bar.insert(bar.begin() + index, {menu->title, group->name, menu->alias});
    platform::RememberMenuBar();
    return RTNORM;
}
