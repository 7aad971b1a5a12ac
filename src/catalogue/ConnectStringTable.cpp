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
