#pragma once
// Functions a plug-in makes callable from the host's LISP. This host has no LISP interpreter
// of its own; the table exists so that applications define and undefine their functions as
// they do in any host, and the host (or a test) can call one by name.
#include <optional>
#include <string_view>

#include "db/AdsCodes.h"

// Defines name with the application's function code. RTNORM; RTERROR for an empty name or a
// negative code.
int acedDefun(const wchar_t* name, short funcNumber);
// Removes the definition made with that name and code. RTNORM; RTERROR when there is none.
int acedUndef(const wchar_t* name, short funcNumber);
// Attaches a handler to a defined code, called directly when the function is invoked.
// RTNORM; RTERROR when no function has that code.
int acedRegFunc(int (*fhdl)(), short fcode);
// The code of the function being invoked (during kInvkSubrMsg), RTERROR outside a call.
int acedGetFunCode();

namespace platform {

std::optional<short> LispFunctionCode(std::wstring_view name);
// Calls the function: its registered handler with acedGetFunCode reporting its code, or
// `dispatch` (which sends kInvkSubrMsg to the application) when it has none. RTERROR when the
// function is not defined.
int InvokeLispFunction(std::wstring_view name, int (*dispatch)(void*) = nullptr, void* context = nullptr);

}  // namespace platform
