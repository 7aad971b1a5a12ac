#pragma once
// The host's own commands. A file of host/ adds one with a registration object at namespace
// scope, e.g.
//     static HostCommandRegistration s_list(L"LIST", &ListCommand);
// and RegisterHostCommands() puts all of them in the command stack, group "ACAD", at start.
// The menu commands (MENULOAD, MENUBAR) come from the host library (Menus.h).
#include <string>
#include <vector>

#include "editor/CommandStack.h"

class HostCommandRegistration {
public:
    // flags: ACRX_CMD_* (ACRX_CMD_NOUNDOMARKER for a command that is no step of the undo history).
    HostCommandRegistration(const wchar_t* name, AcRxFunctionPtr function, int flags = ACRX_CMD_MODAL);
};

void RegisterHostCommands();

// The names a user types for the registered commands (the host's and the modules'), sorted,
// each once.
std::vector<std::string> CommandNames();
