#pragma once
// What one statement may take, whatever provider runs it: time, the size of its result (rows,
// cells and memory, which also bounds what the statement works on: sorts, text it builds),
// and the user's break. A statement past a limit fails whole: no caller mistakes part of a
// result for all of it.
#include <functional>

namespace platform::provider {

struct StatementLimits {
    long seconds = 30;      // 0: no limit
    long long rows = 0;     // rows of the result; 0: no limit
    long long cells = 0;    // rows times columns of the result; 0: no limit
    long long bytes = 0;    // memory of the result, and of the statement's own work; 0: no limit
    // Polled while the statement runs (a few times a second at most): true stops it, as the
    // user's Escape or ^C does. Empty: nothing to poll.
    std::function<bool()> cancelled;
};

// Why a statement was stopped before its end.
enum class StatementStop { None, Time, Memory, Cancelled };

}  // namespace platform::provider
