#pragma once
// Workbooks and text files for the tests of the spreadsheet provider: workbooks written with
// libxlsxwriter (never by the code under test), sessions opened through the one table of
// providers, and what their statements give.
#include <gtest/gtest.h>
#include <xlsxwriter.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "ado/Providers.h"
#include "com/ComError.h"
#include "testing/TempDir.h"

namespace sheets_testing {

inline const std::wstring kExcel = L"Microsoft Excel Driver (*.xls, *.xlsx, *.xlsm, *.xlsb)";
inline const std::wstring kText = L"Microsoft Access Text Driver (*.txt, *.csv)";

inline std::wstring Wide(const std::string& s) { return std::wstring(s.begin(), s.end()); }

inline std::wstring ExcelConnect(const std::string& path, const std::wstring& more = L"") {
    return L"Driver={" + kExcel + L"};DBQ=" + Wide(path) + L";" + more;
}
inline std::wstring TextConnect(const std::string& folder, const std::wstring& more = L"") {
    return L"Driver={" + kText + L"};DBQ=" + Wide(folder) + L";" + more;
}

inline std::shared_ptr<platform::provider::Session> Open(const std::wstring& connect) { return platform::ado::OpenSession(connect, {}); }

inline platform::provider::ResultSet Select(const std::wstring& connect, const std::wstring& sql) { return Open(connect)->Query(sql, {}); }

// The description of the error opening or querying raises; empty when nothing fails.
template <class F>
std::wstring Failure(F f) {
    try {
        f();
    } catch (const _com_error& e) {
        return std::wstring(static_cast<const wchar_t*>(e.Description()));
    }
    return L"";
}

inline std::wstring Str(const _variant_t& v) {
    return v.vt == VT_BSTR ? std::wstring(v.bstrVal, SysStringLen(v.bstrVal)) : L"<vt " + std::to_wstring(v.vt) + L">";
}

// The column names of a result.
inline std::vector<std::wstring> Names(const platform::provider::ResultSet& rs) {
    std::vector<std::wstring> names;
    for (const auto& c : rs.columns) names.push_back(c.name);
    return names;
}

// A workbook being written; closed (saved) by Save or at the end of the scope.
class Workbook {
public:
    explicit Workbook(const std::string& path, bool constantMemory = false) {
        lxw_workbook_options options{};
        options.constant_memory = constantMemory ? LXW_TRUE : LXW_FALSE;
        m_book = workbook_new_opt(path.c_str(), &options);
    }
    ~Workbook() { Save(); }
    Workbook(const Workbook&) = delete;
    Workbook& operator=(const Workbook&) = delete;
    lxw_workbook* operator->() { return m_book; }
    lxw_workbook* get() { return m_book; }
    lxw_worksheet* Sheet(const char* name) { return workbook_add_worksheet(m_book, name); }
    lxw_format* Format(const char* numberFormat) {
        lxw_format* f = workbook_add_format(m_book);
        format_set_num_format(f, numberFormat);
        return f;
    }
    lxw_format* BuiltIn(uint8_t index) {
        lxw_format* f = workbook_add_format(m_book);
        format_set_num_format_index(f, index);
        return f;
    }
    void Save() {
        if (m_book) {
            EXPECT_EQ(workbook_close(m_book), LXW_NO_ERROR);
        }
        m_book = nullptr;
    }

private:
    lxw_workbook* m_book = nullptr;
};

// Runs a shell command; its exit status.
inline int Shell(const std::string& command) { return std::system(command.c_str()); }

}  // namespace sheets_testing
