#pragma once
// The user's break: Escape or ^C pressed while a command works, which a long operation asks
// for between its steps. On the console a break is SIGINT (Console.h); a host whose keys come
// through its own events (the window, a line editor holding the terminal) adds a poll that
// looks at them.
#include <functional>

// 1 when the user has broken off since the last call (once for each break), else 0.
int acedUsrBrk();

namespace platform {

// The host's look at its own input for an Escape (null: none). Returns the previous one.
using UserBreakPoll = std::function<bool()>;
UserBreakPoll SetUserBreakPoll(UserBreakPoll poll);

}  // namespace platform
