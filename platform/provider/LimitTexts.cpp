#include "provider/LimitTexts.h"

namespace platform::provider {

std::wstring TimeoutText(long seconds) {
    return L"Query timeout expired: the statement ran longer than its limit of " + std::to_wstring(seconds) + L" seconds and was stopped.";
}

std::wstring RowLimitText(long long rows) {
    return L"The query returns more than " + std::to_wstring(rows) + L" rows, the limit of one result; no rows were read.";
}

std::wstring MemoryLimitText(long long bytes, bool work) {
    return std::wstring(work ? L"What the query builds or sorts" : L"The query's result") + L" passes its memory limit of " +
           std::to_wstring(bytes >> 20) + L" MB; no rows were read.";
}

std::wstring CellLimitText(long long cells) {
    return L"The query returns more than " + std::to_wstring(cells) + L" cells (rows times columns), the limit of one table; no rows were read.";
}

std::wstring CancelledText() { return L"Operation canceled by the user."; }

}  // namespace platform::provider
