#pragma once
// The host's menus: the menu groups loaded from customisation files, and the menu bar of
// pull-down menus. The host starts with its standard pull-downs (File ... Help); a plug-in
// inserts a group's pull-down with acedMenuCmd. Like a CAD program's workspace, the host
// remembers per user which menu files are loaded (registry key
// HKEY_CURRENT_USER\software\Velloria Host\Profile\Menus, one value per group naming its
// file) and where their pull-downs stand in the menu bar (...\Profile\Menu Bar, a value
// "GROUP.ALIAS" per pull-down holding its position), and restores both at the next start.
// Unloading a group forgets it and its pull-downs.
#include <string>
#include <string_view>
#include <vector>

#include "db/AdsCodes.h"
#include "runtime/MenuFile.h"

// Whether the menu group is loaded (name without regard to case).
bool acedIsMenuGroupLoaded(const wchar_t* pszGroupName);

// Menu commands:
//   "P<n>.<i>=?"            RTKWORD while a pull-down sits at position n (1-based), else RTNORM
//   "P<n>=+<group>.<alias>" inserts the group's pull-down at position n (after the last one
//                           when n is past the end); RTNORM, RTERROR when the group is not
//                           loaded or has no such pull-down. A pull-down that is in the menu
//                           bar already stays where it is (RTNORM): the bar holds it once.
//   "P<n>=-"                removes the pull-down at position n; RTNORM, RTERROR if none
// Anything else: RTERROR.
int acedMenuCmd(const wchar_t* str);

namespace platform {

struct MenuBarEntry {
    std::wstring title;
    std::wstring group;  // empty for the host's own pull-downs
    std::wstring alias;
};

constexpr const wchar_t* kMenuProfileKey = L"software\\Velloria Host\\Profile\\Menus";
constexpr const wchar_t* kMenuBarProfileKey = L"software\\Velloria Host\\Profile\\Menu Bar";

// The host's own pull-downs, in menu bar order.
const std::vector<std::wstring>& StandardPullDowns();
// Replaces the menu bar with pull-downs of these titles (host start, tests).
void ResetMenuBar(const std::vector<std::wstring>& titles = StandardPullDowns());
std::vector<MenuBarEntry> MenuBar();

const MenuGroup* FindMenuGroup(std::wstring_view name);
std::vector<std::wstring> LoadedMenuGroups();

// Loads a menu file (any stored path form; see HostPath.h) and remembers it in the profile.
// A group already loaded is replaced. False with *error set when the file cannot be read or
// is not a valid menu file: the group is then not loaded.
bool LoadMenuFile(std::wstring_view path, std::wstring* error = nullptr);
// Unloads a group and forgets it in the profile; its pull-downs leave the menu bar.
bool UnloadMenuGroup(std::wstring_view name);
// Forgets every loaded group in this session only (tests); the profile is left as it is.
void ClearLoadedMenuGroups();
// Loads the menu files the profile names and puts their pull-downs back where the profile
// says (host start). A file that cannot be loaded any more is reported on the command line
// and dropped from the profile.
void LoadProfileMenus();

// Prints the menu bar with the entries of the pull-downs of loaded groups.
void PrintMenuBar();

// Registers the host's menu commands in the command stack (group "ACAD"):
// MENULOAD (prompts for the file name), MENUUNLOAD (for the group's name) and MENUBAR.
void RegisterMenuCommands();

}  // namespace platform
