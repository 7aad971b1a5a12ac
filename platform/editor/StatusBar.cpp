#include "editor/StatusBar.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <unistd.h>

#include "text/Utf8.h"

namespace {

// On a terminal the bar appears only once the work has taken half a second: a quick step
// shows nothing, and a pipe or a CI log never gets one.
constexpr std::chrono::milliseconds kTerminalDelay(500);

struct Meter {
    bool active = false;
    std::chrono::steady_clock::time_point started;
    std::string label;
    int minPos = 0, maxPos = 0;
    int shown = -1;  // percentage last drawn
    platform::ProgressSink sink;
    platform::ProgressDisplay* display = nullptr;
};

Meter& State() {
    static Meter meter;
    return meter;
}

bool Visible() { return State().sink || isatty(STDERR_FILENO); }

void Emit(const std::string& text) {
    if (State().sink) {
        State().sink(text);
    } else {
        std::fwrite(text.data(), 1, text.size(), stderr);
        std::fflush(stderr);
    }
}

void Draw(int percent) {
    constexpr int kWidth = 30;
    const int filled = percent * kWidth / 100;
    std::string bar = "\r" + State().label + " [" + std::string(static_cast<size_t>(filled), '#') +
                      std::string(static_cast<size_t>(kWidth - filled), ' ') + "] " + std::to_string(percent) + "%";
    Emit(bar);
}

}  // namespace

int acedSetStatusBarProgressMeter(const wchar_t* label, int minPos, int maxPos) {
    Meter& m = State();
    if (maxPos < minPos) return -1;
    m.active = true;
    m.label = platform::ToUtf8(label ? label : L"");
    m.minPos = minPos;
    m.maxPos = maxPos;
    m.shown = -1;
    m.started = std::chrono::steady_clock::now();
    if (m.display) {
        m.shown = 0;
        m.display->Started(m.label);
    } else if (m.sink) {
        m.shown = 0;
        Draw(0);
    }
    return 0;
}

int acedSetStatusBarProgressMeterPos(int pos) {
    Meter& m = State();
    if (!m.active) return -1;
    const long long span = static_cast<long long>(m.maxPos) - m.minPos;
    long long done = static_cast<long long>(pos) - m.minPos;
    if (done < 0) done = 0;
    const int percent = span <= 0 ? 100 : static_cast<int>(std::min<long long>(100, done * 100 / span));
    if (m.display) {
        if (percent != m.shown) m.display->Moved(m.shown = percent);
    } else if (m.shown < 0) {
        // Not drawn yet: on a terminal once the delay has passed.
        if (m.sink || !Visible() || std::chrono::steady_clock::now() - m.started < kTerminalDelay) return 0;
        m.shown = percent;
        Draw(percent);
    } else if (percent != m.shown) {
        m.shown = percent;
        Draw(percent);
    }
    return 0;
}

void acedRestoreStatusBar() {
    Meter& m = State();
    if (m.active && m.display) m.display->Ended();
    else if (m.active && m.shown >= 0) Emit("\r\033[K");
    m.active = false;
    m.shown = -1;
}

namespace platform {
ProgressSink SetProgressSink(ProgressSink sink) {
    ProgressSink previous = std::move(State().sink);
    State().sink = std::move(sink);
    return previous;
}

ProgressDisplay* SetProgressDisplay(ProgressDisplay* display) {
    ProgressDisplay* previous = State().display;
    State().display = display;
    return previous;
}
}  // namespace platform
