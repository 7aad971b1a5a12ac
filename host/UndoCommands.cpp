// U, UNDO and REDO: the steps of the current drawing's undo history (db/UndoHistory.h). They
// are no steps themselves, so REDO may follow U, and U after U goes further back.
#include <string>

#include "db/DbDatabase.h"
#include "db/HostServices.h"
#include "editor/Console.h"
#include "HostCommands.h"
#include "text/Utf8.h"

namespace {

void Undo(int count) {
    AcDbDatabase* database = acdbHostApplicationServices()->workingDatabase();
    if (!database) return;
    platform::UndoHistory& history = database->undoHistory();
    if (history.UndoCount() == 0) {
        platform::WriteOutput(std::string_view("\nEverything has been undone\n"));
        return;
    }
    const std::vector<std::wstring> names = history.Undo(count);
    if (names.empty()) {
        platform::WriteOutput(std::string_view("\nNothing was undone: the drawing is still in use by a command.\n"));
        return;
    }
    std::wstring text;
    for (const std::wstring& name : names) text += L"\nUndone: " + name;
    if (history.UndoCount() == 0) text += L"\nEverything has been undone";
    platform::WriteOutput(text + L"\n");
}

void UCommand() { Undo(1); }

void UndoCommand() {
    for (;;) {
        const auto answer = platform::ReadPromptedLine(L"\nEnter the number of operations to undo <1>: ");
        if (!answer || *answer == "^C") {
            platform::WriteOutput(std::string_view("*Cancel*\n"));
            return;
        }
        const size_t start = answer->find_first_not_of(" \t");
        const std::string text = start == std::string::npos ? std::string() : answer->substr(start, answer->find_last_not_of(" \t") - start + 1);
        if (text.empty()) return Undo(1);
        if (text.size() <= 5 && text.find_first_not_of("0123456789") == std::string::npos && std::stoi(text) >= 1) return Undo(std::stoi(text));
        platform::WriteOutput(std::string_view("\nRequires a whole number from 1 to 99999.\n"));
    }
}

void RedoCommand() {
    AcDbDatabase* database = acdbHostApplicationServices()->workingDatabase();
    if (!database) return;
    const std::optional<std::wstring> name = database->undoHistory().Redo();
    platform::WriteOutput(name ? L"\nRedone: " + *name + L"\n" : std::wstring(L"\nNothing to redo.\n"));
}

HostCommandRegistration s_u(L"U", &UCommand, ACRX_CMD_NOUNDOMARKER);
HostCommandRegistration s_undo(L"UNDO", &UndoCommand, ACRX_CMD_NOUNDOMARKER);
HostCommandRegistration s_redo(L"REDO", &RedoCommand, ACRX_CMD_NOUNDOMARKER);

}  // namespace
