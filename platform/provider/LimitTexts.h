#pragma once
// The words of a statement stopped at one of its limits (StatementLimits.h), the same from
// every provider, so the user reads one message for one limit whatever the source.
#include <string>

namespace platform::provider {

std::wstring TimeoutText(long seconds);
std::wstring RowLimitText(long long rows);
// The result passed the memory limit, or (work) what the statement builds or sorts did.
std::wstring MemoryLimitText(long long bytes, bool work = false);
std::wstring CellLimitText(long long cells);
std::wstring CancelledText();

}  // namespace platform::provider
