#pragma once
// The host's alert box. Where the host shows alerts (the window, and the console by
// default), the message stands in a frame on the command line. A command line or tool that
// wants one line per failure says so with SetAlertStyle: an alert is then one plain line,
// the reason first.
#include <functional>
#include <string>
#include <string_view>

int acedAlert(const wchar_t* message);

namespace platform {

enum class AlertStyle { Framed, Line };
// Sets how later alerts are shown; returns the style before.
AlertStyle SetAlertStyle(AlertStyle style);
AlertStyle GetAlertStyle();

// Who takes alerts instead of showing them (a tool that puts the reason on its own line);
// returns the handler before. An empty handler shows them again.
using AlertHandler = std::function<void(std::wstring_view message)>;
AlertHandler SetAlertHandler(AlertHandler handler);

// What an alert's message says went wrong: for a data-access error report (a line
// "Description = ..."), its description without the "[vendor][driver]" prefixes (the code's
// meaning when the description is empty); for any other message, its first line that is not
// empty.
std::wstring AlertReason(std::wstring_view message);
// The alert as one plain line: "Error: " and the reason, then what failed in brackets (the
// report's first line, such as the query) when the message says.
std::wstring AlertLine(std::wstring_view message);

}  // namespace platform
