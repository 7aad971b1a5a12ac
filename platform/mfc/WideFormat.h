#pragma once
// printf-style formatting of wide text with the Windows reading of the conversions:
// in a wide format "%s" and "%c" take wide arguments, "%S", "%hs" and "%hc" narrow ones,
// and "%I64d" is a 64-bit integer. The C library reads "%s" as narrow, so formats are
// rewritten before they reach it.
#include <cstdarg>
#include <string>

namespace platform {

std::wstring FormatWideV(const wchar_t* format, va_list args);
std::wstring FormatWide(const wchar_t* format, ...);

// The rewritten format alone (exposed for tests).
std::wstring TranslateWideFormat(const wchar_t* format);

}  // namespace platform
