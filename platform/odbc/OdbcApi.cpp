#include "odbc/OdbcApi.h"

#include "odbc/sql/DriverManager.h"

#include <cstring>

namespace platform::odbc {
namespace {

static_assert(sizeof(SQLWCHAR) == sizeof(char16_t), "the driver manager's wide characters are UTF-16");

SQLWCHAR* Wide(std::u16string& text) { return reinterpret_cast<SQLWCHAR*>(text.data()); }

std::vector<Diagnostic> ReadDiagnostics(SQLSMALLINT type, SQLHANDLE handle) {
    std::vector<Diagnostic> records;
    if (!handle) return records;
    for (SQLSMALLINT i = 1;; ++i) {
        SQLWCHAR state[6] = {};
        SQLINTEGER native = 0;
        SQLSMALLINT length = 0;
        if (!SQL_SUCCEEDED(DriverManager().SQLGetDiagRecW(type, handle, i, state, &native, nullptr, 0, &length))) break;
        std::u16string message(static_cast<size_t>(length) + 1, u'\0');
        if (!SQL_SUCCEEDED(DriverManager().SQLGetDiagRecW(type, handle, i, state, &native, Wide(message), static_cast<SQLSMALLINT>(message.size()), &length))) break;
        message.resize(std::min(static_cast<size_t>(length), message.size() - 1));
        records.push_back({FromUtf16(std::u16string_view(reinterpret_cast<const char16_t*>(state), 5)), static_cast<long>(native),
                           FromUtf16(message)});
        if (i > 32) break;  // a driver that never stops listing
    }
    return records;
}

// Throws the handle's diagnostics when rc is a failure.
void Check(SQLRETURN rc, SQLSMALLINT type, SQLHANDLE handle, const char* call) {
    if (SQL_SUCCEEDED(rc) || rc == SQL_NO_DATA) return;
    throw OdbcFailure(call, ReadDiagnostics(type, handle));
}

SQLHANDLE Allocate(SQLSMALLINT type, SQLHANDLE parent, SQLSMALLINT parentType, const char* what) {
    SQLHANDLE handle = SQL_NULL_HANDLE;
    const SQLRETURN rc = DriverManager().SQLAllocHandle(type, parent, &handle);
    if (!SQL_SUCCEEDED(rc) || !handle) throw OdbcFailure(what, ReadDiagnostics(parentType, parent));
    return handle;
}

// Reads a column in pieces with SQLGetData until it is whole; false for NULL.
template <class Container>
bool GetPieces(SQLHSTMT stmt, int column, SQLSMALLINT cType, Container& out) {
    using Unit = typename Container::value_type;
    out.clear();
    constexpr size_t kPiece = 8192;
    Unit buffer[kPiece];
    // Character data ends with a terminator that each piece leaves room for; binary does not.
    const size_t terminator = cType == SQL_C_BINARY ? 0 : 1;
    for (;;) {
        SQLLEN indicator = 0;
        const SQLRETURN rc = DriverManager().SQLGetData(stmt, static_cast<SQLUSMALLINT>(column), cType, buffer, sizeof buffer, &indicator);
        if (rc == SQL_NO_DATA) return true;
        Check(rc, SQL_HANDLE_STMT, stmt, "SQLGetData");
        if (indicator == SQL_NULL_DATA) return false;
        const size_t room = kPiece - terminator;
        size_t got = room;
        if (indicator != SQL_NO_TOTAL && static_cast<size_t>(indicator) / sizeof(Unit) <= room) got = static_cast<size_t>(indicator) / sizeof(Unit);
        out.insert(out.end(), buffer, buffer + got);
        if (rc == SQL_SUCCESS) return true;  // the rest fitted; SQL_SUCCESS_WITH_INFO: more follows
    }
}

template <class T>
bool GetFixed(SQLHSTMT stmt, int column, SQLSMALLINT cType, T& value) {
    SQLLEN indicator = 0;
    Check(DriverManager().SQLGetData(stmt, static_cast<SQLUSMALLINT>(column), cType, &value, sizeof value, &indicator), SQL_HANDLE_STMT, stmt, "SQLGetData");
    return indicator != SQL_NULL_DATA;
}

}  // namespace

void CheckStatementCall(short rc, void* statement, const char* call) { Check(rc, SQL_HANDLE_STMT, statement, call); }

std::wstring FromUtf16(std::u16string_view text) {
    std::wstring out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            out.push_back(static_cast<wchar_t>(0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00)));
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            out.push_back(L'\xFFFD');  // half a pair
        } else {
            out.push_back(static_cast<wchar_t>(c));
        }
    }
    return out;
}

std::u16string ToUtf16(std::wstring_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (wchar_t w : text) {
        const auto c = static_cast<char32_t>(w);
        if (c >= 0x10000 && c <= 0x10FFFF) {
            out.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
        } else if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            out.push_back(u'\xFFFD');
        } else {
            out.push_back(static_cast<char16_t>(c));
        }
    }
    return out;
}

Environment::Environment() {
    m_handle = Allocate(SQL_HANDLE_ENV, SQL_NULL_HANDLE, SQL_HANDLE_ENV, "SQLAllocHandle(SQL_HANDLE_ENV)");
    Check(DriverManager().SQLSetEnvAttr(m_handle, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0), SQL_HANDLE_ENV, m_handle,
          "SQLSetEnvAttr(SQL_ATTR_ODBC_VERSION)");
}

Environment::~Environment() {
    if (m_handle) DriverManager().SQLFreeHandle(SQL_HANDLE_ENV, m_handle);
}

std::vector<InstalledDriver> Environment::Drivers() {
    std::vector<InstalledDriver> drivers;
    SQLUSMALLINT direction = SQL_FETCH_FIRST;
    for (;;) {
        SQLWCHAR name[512] = {};
        SQLWCHAR attributes[4096] = {};
        SQLSMALLINT nameLength = 0, attributesLength = 0;
        const SQLRETURN rc = DriverManager().SQLDriversW(m_handle, direction, name, 512, &nameLength, attributes, 4096, &attributesLength);
        if (rc == SQL_NO_DATA || !SQL_SUCCEEDED(rc)) break;
        direction = SQL_FETCH_NEXT;
        InstalledDriver driver;
        driver.name = FromUtf16(reinterpret_cast<const char16_t*>(name));
        // Attributes: "Key=Value" texts, each ended by a terminator, the list by a second one.
        for (const SQLWCHAR* p = attributes; *p; p += std::char_traits<char16_t>::length(reinterpret_cast<const char16_t*>(p)) + 1) {
            const std::wstring pair = FromUtf16(reinterpret_cast<const char16_t*>(p));
            if (pair.size() > 7 && pair.compare(0, 7, L"Driver=") == 0) driver.library = pair.substr(7);
        }
        drivers.push_back(std::move(driver));
    }
    return drivers;
}

std::vector<DataSource> Environment::DataSources() {
    std::vector<DataSource> sources;
    SQLUSMALLINT direction = SQL_FETCH_FIRST;
    for (;;) {
        SQLWCHAR name[SQL_MAX_DSN_LENGTH + 1] = {};
        SQLWCHAR description[512] = {};
        SQLSMALLINT nameLength = 0, descriptionLength = 0;
        const SQLRETURN rc = DriverManager().SQLDataSourcesW(m_handle, direction, name, SQL_MAX_DSN_LENGTH + 1, &nameLength, description, 512, &descriptionLength);
        if (rc == SQL_NO_DATA || !SQL_SUCCEEDED(rc)) break;
        direction = SQL_FETCH_NEXT;
        sources.push_back({FromUtf16(reinterpret_cast<const char16_t*>(name)), FromUtf16(reinterpret_cast<const char16_t*>(description))});
    }
    return sources;
}

std::vector<InstalledDriver> InstalledDrivers() {
    try {
        Environment environment;
        return environment.Drivers();
    } catch (const OdbcFailure&) {
        return {};
    }
}

std::vector<DataSource> DataSources() {
    try {
        Environment environment;
        return environment.DataSources();
    } catch (const OdbcFailure&) {
        return {};
    }
}

Connection::Connection(Environment& environment, std::wstring_view connectString, long loginSeconds) {
    m_handle = Allocate(SQL_HANDLE_DBC, environment.Handle(), SQL_HANDLE_ENV, "SQLAllocHandle(SQL_HANDLE_DBC)");
    if (loginSeconds > 0)
        DriverManager().SQLSetConnectAttr(m_handle, SQL_ATTR_LOGIN_TIMEOUT, reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(loginSeconds)), 0);
    std::u16string text = ToUtf16(connectString);
    const SQLRETURN rc = DriverManager().SQLDriverConnectW(m_handle, nullptr, Wide(text), static_cast<SQLSMALLINT>(text.size()), nullptr, 0, nullptr,
                                           SQL_DRIVER_NOPROMPT);
    if (!SQL_SUCCEEDED(rc)) {
        std::vector<Diagnostic> diagnostics = ReadDiagnostics(SQL_HANDLE_DBC, m_handle);
        DriverManager().SQLFreeHandle(SQL_HANDLE_DBC, m_handle);
        m_handle = nullptr;
        throw OdbcFailure("SQLDriverConnect", std::move(diagnostics));
    }
    m_connected = true;
}

Connection::~Connection() {
    if (!m_handle) return;
    if (m_connected) {
        DriverManager().SQLEndTran(SQL_HANDLE_DBC, m_handle, SQL_ROLLBACK);
        DriverManager().SQLDisconnect(m_handle);
    }
    DriverManager().SQLFreeHandle(SQL_HANDLE_DBC, m_handle);
}

std::wstring Connection::InfoText(InfoType info) {
    SQLWCHAR buffer[256] = {};
    SQLSMALLINT length = 0;
    Check(DriverManager().SQLGetInfoW(m_handle, static_cast<SQLUSMALLINT>(info), buffer, sizeof buffer, &length), SQL_HANDLE_DBC, m_handle, "SQLGetInfo");
    return FromUtf16(reinterpret_cast<const char16_t*>(buffer));
}

bool Connection::SetReadOnly() {
    return SQL_SUCCEEDED(DriverManager().SQLSetConnectAttr(m_handle, SQL_ATTR_ACCESS_MODE, reinterpret_cast<SQLPOINTER>(SQL_MODE_READ_ONLY), 0));
}

void Connection::SetAutocommit(bool on) {
    Check(DriverManager().SQLSetConnectAttr(m_handle, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(on ? SQL_AUTOCOMMIT_ON : SQL_AUTOCOMMIT_OFF), 0),
          SQL_HANDLE_DBC, m_handle, "SQLSetConnectAttr(SQL_ATTR_AUTOCOMMIT)");
}

void Connection::Rollback() { Check(DriverManager().SQLEndTran(SQL_HANDLE_DBC, m_handle, SQL_ROLLBACK), SQL_HANDLE_DBC, m_handle, "SQLEndTran"); }

Statement::Statement(Connection& connection) {
    m_handle = Allocate(SQL_HANDLE_STMT, connection.Handle(), SQL_HANDLE_DBC, "SQLAllocHandle(SQL_HANDLE_STMT)");
}

Statement::~Statement() {
    if (m_handle) DriverManager().SQLFreeHandle(SQL_HANDLE_STMT, m_handle);
}

bool Statement::SetQueryTimeout(long seconds) {
    return SQL_SUCCEEDED(DriverManager().SQLSetStmtAttr(m_handle, SQL_ATTR_QUERY_TIMEOUT, reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(seconds)), 0));
}

void Statement::ExecDirect(std::wstring_view sql) {
    std::u16string text = ToUtf16(sql);
    Check(DriverManager().SQLExecDirectW(m_handle, Wide(text), static_cast<SQLINTEGER>(text.size())), SQL_HANDLE_STMT, m_handle, "SQLExecDirect");
}

void Statement::Tables(std::wstring_view schema, std::wstring_view types) {
    std::u16string schemaText = ToUtf16(schema), typesText = ToUtf16(types), all = u"%";
    Check(DriverManager().SQLTablesW(m_handle, nullptr, 0, schema.empty() ? nullptr : Wide(schemaText), static_cast<SQLSMALLINT>(schemaText.size()), Wide(all),
                     static_cast<SQLSMALLINT>(all.size()), Wide(typesText), static_cast<SQLSMALLINT>(typesText.size())),
          SQL_HANDLE_STMT, m_handle, "SQLTables");
}

int Statement::ColumnCount() {
    SQLSMALLINT count = 0;
    Check(DriverManager().SQLNumResultCols(m_handle, &count), SQL_HANDLE_STMT, m_handle, "SQLNumResultCols");
    return count;
}

ColumnInfo Statement::Describe(int column) {
    ColumnInfo info;
    SQLWCHAR name[512] = {};
    SQLSMALLINT nameLength = 0, type = 0, digits = 0, nullable = SQL_NULLABLE_UNKNOWN;
    SQLULEN size = 0;
    Check(DriverManager().SQLDescribeColW(m_handle, static_cast<SQLUSMALLINT>(column), name, 512, &nameLength, &type, &size, &digits, &nullable), SQL_HANDLE_STMT,
          m_handle, "SQLDescribeCol");
    info.name = FromUtf16(reinterpret_cast<const char16_t*>(name));
    info.type = type;
    info.size = size;
    info.digits = digits;
    info.nullable = nullable != SQL_NO_NULLS;
    SQLLEN isUnsigned = SQL_FALSE;
    if (SQL_SUCCEEDED(DriverManager().SQLColAttributeW(m_handle, static_cast<SQLUSMALLINT>(column), SQL_DESC_UNSIGNED, nullptr, 0, nullptr, &isUnsigned)))
        info.isUnsigned = isUnsigned == SQL_TRUE;
    SQLWCHAR typeName[128] = {};
    SQLSMALLINT typeNameLength = 0;
    if (SQL_SUCCEEDED(DriverManager().SQLColAttributeW(m_handle, static_cast<SQLUSMALLINT>(column), SQL_DESC_TYPE_NAME, typeName, sizeof typeName, &typeNameLength,
                                       nullptr)))
        info.typeName = FromUtf16(reinterpret_cast<const char16_t*>(typeName));
    return info;
}

bool Statement::Fetch() {
    const SQLRETURN rc = DriverManager().SQLFetch(m_handle);
    if (rc == SQL_NO_DATA) return false;
    Check(rc, SQL_HANDLE_STMT, m_handle, "SQLFetch");
    return true;
}

void Statement::CloseCursor() { DriverManager().SQLFreeStmt(m_handle, SQL_CLOSE); }

void Statement::Cancel() { DriverManager().SQLCancel(m_handle); }

bool Statement::GetInt64(int column, std::int64_t& value) {
    SQLBIGINT v = 0;
    if (!GetFixed(m_handle, column, SQL_C_SBIGINT, v)) return false;
    value = v;
    return true;
}

bool Statement::GetUInt64(int column, std::uint64_t& value) {
    SQLUBIGINT v = 0;
    if (!GetFixed(m_handle, column, SQL_C_UBIGINT, v)) return false;
    value = v;
    return true;
}

bool Statement::GetDouble(int column, double& value) { return GetFixed(m_handle, column, SQL_C_DOUBLE, value); }

bool Statement::GetFloat(int column, float& value) { return GetFixed(m_handle, column, SQL_C_FLOAT, value); }

bool Statement::GetTimestamp(int column, Timestamp& value) {
    SQL_TIMESTAMP_STRUCT t{};
    if (!GetFixed(m_handle, column, SQL_C_TYPE_TIMESTAMP, t)) return false;
    value = {t.year, t.month, t.day, t.hour, t.minute, t.second, static_cast<std::uint32_t>(t.fraction)};
    return true;
}

bool Statement::GetDate(int column, Timestamp& value) {
    SQL_DATE_STRUCT d{};
    if (!GetFixed(m_handle, column, SQL_C_TYPE_DATE, d)) return false;
    value = {d.year, d.month, d.day, 0, 0, 0, 0};
    return true;
}

bool Statement::GetTime(int column, Timestamp& value) {
    SQL_TIME_STRUCT t{};
    if (!GetFixed(m_handle, column, SQL_C_TYPE_TIME, t)) return false;
    value = {1899, 12, 30, t.hour, t.minute, t.second, 0};
    return true;
}

bool Statement::GetText(int column, std::u16string& value) { return GetPieces(m_handle, column, SQL_C_WCHAR, value); }

bool Statement::GetAscii(int column, std::string& value) { return GetPieces(m_handle, column, SQL_C_CHAR, value); }

bool Statement::GetBytes(int column, std::vector<std::uint8_t>& value) { return GetPieces(m_handle, column, SQL_C_BINARY, value); }

}  // namespace platform::odbc
