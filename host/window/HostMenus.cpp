#include "HostMenus.h"

#include "CommandLine.h"
#include "editor/CommandStack.h"

namespace window {

std::vector<HostItem> HostItems(const std::wstring& title) {
    const QList<QKeySequence> none;
    if (title == L"File")
        return {{QStringLiteral("&New"), L"^C^C_NEW", {QKeySequence(Qt::CTRL | Qt::Key_N)}},
                {QStringLiteral("&Open..."), L"^C^C_OPEN", {QKeySequence(Qt::CTRL | Qt::Key_O)}},
                {QStringLiteral("&Save"), L"^C^C_QSAVE", {QKeySequence(Qt::CTRL | Qt::Key_S)}},
                {QStringLiteral("Save &As..."), L"^C^C_SAVEAS", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}},
                {QStringLiteral("&Close"), L"^C^C_CLOSE", {QKeySequence(Qt::CTRL | Qt::Key_F4)}},
                {QStringLiteral("--"), L"", none},
                {QStringLiteral("&Plot..."), L"^C^C_PLOT", {QKeySequence(QKeySequence::Print)}},
                {QStringLiteral("--"), L"", none},
                {QStringLiteral("E&xit"), L"^C^C_QUIT", none}};
    if (title == L"Edit")
        return {{QStringLiteral("&Undo"), L"^C^C_U", {UndoKeys()}},
                {QStringLiteral("&Redo"), L"^C^C_REDO", RedoKeys()},
                {QStringLiteral("--"), L"", none},
                {QStringLiteral("&List"), L"^C^C_LIST", none}};
    if (title == L"View")
        return {{QStringLiteral("Zoom &Extents"), L"^C^C_ZOOM;_Extents", none},
                {QStringLiteral("Zoom &Window"), L"^C^C_ZOOM;_Window", none},
                {QStringLiteral("&Pan"), L"^C^C_PAN", none}};
    if (title == L"Insert")
        return {{QStringLiteral("&Table from Database..."), L"^C^C_DbTable_Create", none},
                {QStringLiteral("&Update Linked Tables"), L"^C^C_DbTable_Update", none}};
    if (title == L"Format") return {{QStringLiteral("Table &Link Properties..."), L"^C^C_DbTable_Properties", none}};
    if (title == L"Tools")
        return {{QStringLiteral("&Load Menu..."), L"^C^C_MENULOAD", none}, {QStringLiteral("&Commands"), L"^C^C_COMMANDS;", none}};
    // Window: Close, then the open drawings, which the window adds itself.
    if (title == L"Window") return {{QStringLiteral("&Close"), L"^C^C_CLOSE", none}};
    if (title == L"Help")
        return {{QStringLiteral("Velloria &Help"), L"^C^C_Velo_Help", {QKeySequence(Qt::Key_F1)}},
                {QStringLiteral("&Commands"), L"^C^C_HELP", none},
                {QStringLiteral("--"), L"", none},
                {QStringLiteral("&About Velloria..."), L"^C^C_Velo_About", none}};
    return {};
}

bool MacroCommandRegistered(const std::wstring& macro) {
    size_t start = 0;
    while (macro.compare(start, 2, L"^C") == 0) start += 2;
    while (start < macro.size() && (macro[start] == L'_' || macro[start] == L'\'')) ++start;
    size_t end = start;
    while (end < macro.size() && macro[end] != L';' && macro[end] != L' ') ++end;
    const std::wstring name = macro.substr(start, end - start);
    return !name.empty() && acedRegCmds && acedRegCmds->lookupCmd(name.c_str()) != nullptr;
}

}  // namespace window
