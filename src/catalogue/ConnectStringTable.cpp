#include "catalogue/ConnectStringTable.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

std::unordered_map<std::wstring, std::wstring>& DriverTable() {
    static std::unordered_map<std::wstring, std::wstring> table;
    return table;
}

}  // namespace

void InitConnectStringTable() {
    auto& table = DriverTable();
    table[L"Microsoft Access Driver (*.mdb, *.accdb)"] = L"Driver={Microsoft Access Driver (*.mdb, *.accdb)};Dbq=%s;Uid=%s;Pwd=%s;";
    table[L"Microsoft.ACE.OLEDB.12.0"] = L"Provider=Microsoft.ACE.OLEDB.12.0;Data Source=%s;Persist Security Info=False;";
}

CString GetConnectStringTemplate(const CString& driverName) {
    const auto& table = DriverTable();
    const auto it = table.find(driverName.str());
    return it == table.end() ? CString() : CString(it->second);
}

void GetDriverNames(CStringArray& names) {
    std::vector<std::wstring> sorted;
    for (const auto& [name, pattern] : DriverTable()) sorted.push_back(name);
    std::sort(sorted.begin(), sorted.end());
    for (const auto& name : sorted) names.Add(CString(name));
}

CString QuoteConnectValue(const CString& pattern, const CString& value) {
    const std::wstring& text = value.str();
    const bool odbc = pattern.Left(7).CompareNoCase(L"Driver=") == 0;
    // The engine trims these from either end of a value that is not quoted.
    const auto blank = [](wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; };
    const bool edgeSpace = !text.empty() && (blank(text.front()) || blank(text.back()));
    // A value that starts with a brace or a quote is read as a quoted one, whichever the route.
    const bool opensQuote = !text.empty() && (text.front() == L'{' || text.front() == L'"' || text.front() == L'\'');
    const bool needed = edgeSpace || opensQuote || text.find_first_of(odbc ? L";{}" : L";\"'") != std::wstring::npos;
    if (!needed) return value;
    const wchar_t open = odbc ? L'{' : L'"', close = odbc ? L'}' : L'"';
    std::wstring quoted(1, open);
    for (wchar_t c : text) {
        if (c == close) quoted += close;
        quoted += c;
    }
    quoted += close;
    return CString(quoted);
}
