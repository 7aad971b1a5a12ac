#pragma once
// Menu customisation files. The host reads its own simple text form, in the manner of the
// classic menu source files of CAD programs:
//
//   // a comment
//   ***MENUGROUP=Velloria          the group name (first, exactly once)
//   ***POP1                        a pull-down menu; its alias is "POP1" ...
//   **pop1                         ... unless an alias line follows
//   [&Velloria]                    the first item is the menu's title
//   [&Create Table...]^C^C_DbTable_Create
//   [--]                           a separator
//
// Text is UTF-8. Anything else (an unknown section, a line outside a section, a menu without
// a title, a repeated alias, binary content) makes the whole file invalid: a damaged file is
// never half loaded.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct MenuItem {
    std::wstring label;  // "--" for a separator
    std::wstring macro;
};

struct PullDownMenu {
    std::wstring alias;  // "pop1"
    std::wstring title;
    std::vector<MenuItem> items;
};

struct MenuGroup {
    std::wstring name;
    std::wstring file;  // where it was loaded from
    std::vector<PullDownMenu> pullDowns;

    const PullDownMenu* FindPullDown(std::wstring_view alias) const;
};

// nullopt for invalid text; *error then says which line and why.
std::optional<MenuGroup> ParseMenuFile(std::string_view text, std::wstring* error = nullptr);

// The label as shown: "&" marks the access key and is dropped ("&&" is a literal "&").
std::wstring DisplayLabel(std::wstring_view label);

}  // namespace platform
