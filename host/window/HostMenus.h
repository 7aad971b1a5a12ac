#pragma once
// The host's own pull-downs (File, Edit, View, Insert, Format, Tools, Window, Help): each item
// a command macro with its keys. An item whose command is not registered (the module's, before
// the module is loaded) is there but greyed out.
#include <QKeySequence>
#include <QList>
#include <QString>
#include <string>
#include <vector>

namespace window {

struct HostItem {
    QString label;  // "--" a separator
    std::wstring macro;
    QList<QKeySequence> keys;
};

// The items of the host's pull-down of that title (none for a title it does not know).
std::vector<HostItem> HostItems(const std::wstring& title);
// Whether the command the macro runs is registered: the first name after its ^C^C and _.
bool MacroCommandRegistered(const std::wstring& macro);

}  // namespace window
