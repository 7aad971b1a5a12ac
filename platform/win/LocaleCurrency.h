#pragma once
// The user's locale currency format for an amount written as "%f" text, the stand-in for
// the national-language currency formatting: glibc's strfmon with the LC_MONETARY of the
// user's environment. The process locale (LC_NUMERIC "C") is left alone.
#include <string>

namespace platform {

// The formatted amount; empty when the text is not a number or the locale has no format.
std::wstring FormatLocaleCurrency(const wchar_t* amountText);

}  // namespace platform
