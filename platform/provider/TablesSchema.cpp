#include "provider/TablesSchema.h"

#include <algorithm>

#include "text/TextCase.h"

namespace platform::provider {

ResultSet TablesRowset(std::vector<TableEntry> entries) {
    static const wchar_t* const kColumns[] = {L"TABLE_CATALOG", L"TABLE_SCHEMA", L"TABLE_NAME", L"TABLE_TYPE", L"TABLE_GUID",
                                              L"DESCRIPTION", L"TABLE_PROPID", L"DATE_CREATED", L"DATE_MODIFIED"};
    ResultSet result;
    for (const wchar_t* name : kColumns) {
        ResultColumn column;
        column.name = name;
        column.type = adVarWChar;
        column.definedSize = 128;
        column.attributes = adFldIsNullable | adFldMayBeNull;
        result.columns.push_back(column);
    }
    result.columns[4].type = adGUID;
    result.columns[6].type = adInteger;
    result.columns[7].type = result.columns[8].type = adDate;
    std::stable_sort(entries.begin(), entries.end(), [](const TableEntry& a, const TableEntry& b) {
        if (const int t = a.type.compare(b.type)) return t < 0;
        return platform::CompareNoCase(a.name, b.name) < 0;
    });
    for (const TableEntry& entry : entries) {
        _variant_t* cells = result.AppendRow();
        for (size_t c = 0; c < result.columns.size(); ++c) {
            if (c == 2) cells[c] = _variant_t(std::wstring_view(entry.name));
            else if (c == 3) cells[c] = _variant_t(std::wstring_view(entry.type));
            else if (c == 5 && !entry.description.empty()) cells[c] = _variant_t(std::wstring_view(entry.description));
            else cells[c] = _variant_t::Null();
        }
    }
    return result;
}

}  // namespace platform::provider
