#pragma once
// Running commands: by name from the command line, from a plug-in (acedCommandS), and from
// expressions a plug-in queues for the host to evaluate when it next waits for input
// (ads_queueexpr).
#include <string>
#include <string_view>
#include <vector>

#include "db/AdsCodes.h"

// Runs a command with its arguments, as if typed: a list of (type, value) pairs ending with
// RTNONE, the first an RTSTR naming the command ("_.menuload"). RTSTR takes a wide string,
// RTSHORT and RTLONG an int, RTREAL and RTANG a double, RTPOINT and RT3DPOINT a double[3].
// The arguments answer the command's prompts in order. RTNORM when the command ran, RTERROR
// for an unknown command or an argument type that cannot be typed.
int acedCommandS(int rtype, ...);

// Queues an expression for the host to evaluate the next time it waits for a command. The
// host understands (command "NAME" args...): it runs NAME with the arguments. RTNORM.
int ads_queueexpr(const wchar_t* expr);

namespace platform {

// Runs the command registered under name (local or global, any case, "_" and "." prefixes
// allowed). False, with nothing run or printed, when there is none.
bool ExecuteCommand(std::wstring_view name);

// Runs the command with the lines that answer its prompts. Prints `Unknown command "X".`
// and returns false for a name no command has.
bool ExecuteCommandWithInput(std::wstring_view name, std::vector<std::string> input);

// Host side: evaluates the queued expressions, oldest first, echoing each after a
// "Command: " prompt. Returns how many were evaluated.
int RunQueuedExpressions();
size_t QueuedExpressionCount();
void ClearQueuedExpressions();

// Host side: the text printed for a name no command has: \nUnknown command "X".
void ReportUnknownCommand(std::wstring_view name);

}  // namespace platform
