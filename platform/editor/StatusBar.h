#pragma once
// The status bar's progress meter. On the console it is a bar drawn on standard error, only
// when standard error is a terminal and the work has gone on for half a second, and redrawn
// only when the shown percentage changes, so a million position updates cost a million
// comparisons.
#include <functional>
#include <string_view>

// 0 on success, -1 for an empty range.
int acedSetStatusBarProgressMeter(const wchar_t* label, int minPos, int maxPos);
int acedSetStatusBarProgressMeterPos(int pos);
void acedRestoreStatusBar();

namespace platform {
// Where the bar is drawn instead of a terminal's standard error (tests); an empty sink
// returns to the terminal. Returns the previous sink.
using ProgressSink = std::function<void(std::string_view)>;
ProgressSink SetProgressSink(ProgressSink sink);

// A window's meter: told when the work starts, each new percentage, and the end. While one is
// set it replaces the bar on the terminal and the sink.
class ProgressDisplay {
public:
    virtual ~ProgressDisplay() = default;
    virtual void Started(std::string_view label) = 0;
    virtual void Moved(int percent) = 0;
    virtual void Ended() = 0;
};
// Returns the previous display; null returns to the terminal.
ProgressDisplay* SetProgressDisplay(ProgressDisplay* display);
}  // namespace platform
