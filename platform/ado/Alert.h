#pragma once
// The data layer's alert: a framed block on the command line that the user reads before
// going on (the console host has no modal window).
namespace platform {

void ShowAlert(const wchar_t* text);

}  // namespace platform
