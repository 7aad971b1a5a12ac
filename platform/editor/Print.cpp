#include "editor/Print.h"

#include <cstdarg>

#include "editor/Console.h"
#include "mfc/WideFormat.h"

int acutPrintf(const wchar_t* format, ...) {
    if (!format) return 0;
    va_list args;
    va_start(args, format);
    const std::wstring text = platform::FormatWideV(format, args);
    va_end(args);
    platform::WriteOutput(std::wstring_view(text));
    return static_cast<int>(text.size());
}
