#pragma once
// The ODBC driver manager (unixODBC) behind plain C++ objects: one RAII object per handle
// (environment, connection, statement) and typed reads of a column. Its C headers stay inside
// OdbcApi.cpp: their Windows types (ULONG, BOOL ...) are not ours.
//
// Every call that fails throws OdbcFailure with the diagnostics the driver manager or the
// driver recorded (SQLSTATE, native code, message).
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform::odbc {

struct Diagnostic {
    std::wstring state;  // the SQLSTATE, five characters
    long native = 0;
    std::wstring message;
};

class OdbcFailure : public std::runtime_error {
public:
    OdbcFailure(std::string call, std::vector<Diagnostic> diagnostics)
        : std::runtime_error(std::move(call)), m_diagnostics(std::move(diagnostics)) {}
    const std::vector<Diagnostic>& Diagnostics() const { return m_diagnostics; }
    // The first record's SQLSTATE; empty when the call left none.
    std::wstring State() const { return m_diagnostics.empty() ? std::wstring() : m_diagnostics.front().state; }

private:
    std::vector<Diagnostic> m_diagnostics;
};

// SQL data types as ODBC numbers them (sql.h, sqlext.h, sqlucode.h).
enum SqlType : int {
    kSqlUnknown = 0,
    kSqlChar = 1,
    kSqlNumeric = 2,
    kSqlDecimal = 3,
    kSqlInteger = 4,
    kSqlSmallInt = 5,
    kSqlFloat = 6,
    kSqlReal = 7,
    kSqlDouble = 8,
    kSqlDateTime = 9,  // ODBC 2 SQL_DATE, and the verbose type of date and time columns
    kSqlTime2 = 10,
    kSqlTimestamp2 = 11,
    kSqlVarChar = 12,
    kSqlTypeDate = 91,
    kSqlTypeTime = 92,
    kSqlTypeTimestamp = 93,
    kSqlLongVarChar = -1,
    kSqlBinary = -2,
    kSqlVarBinary = -3,
    kSqlLongVarBinary = -4,
    kSqlBigInt = -5,
    kSqlTinyInt = -6,
    kSqlBit = -7,
    kSqlWChar = -8,
    kSqlWVarChar = -9,
    kSqlWLongVarChar = -10,
    kSqlGuid = -11,
};

struct ColumnInfo {
    std::wstring name;
    int type = kSqlUnknown;
    std::uint64_t size = 0;  // characters, digits or bytes, as the type measures it
    int digits = 0;          // the scale of exact numerics; fractions of seconds
    bool nullable = true;
    bool isUnsigned = false;
    std::wstring typeName;   // the source's own name of the type ("int4", "bool", "uuid" ...)
};

struct Timestamp {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    std::uint32_t fraction = 0;  // nanoseconds
};

struct InstalledDriver {
    std::wstring name;
    std::wstring library;  // its Driver= attribute: the file the driver manager loads
};

struct DataSource {
    std::wstring name;
    std::wstring driver;  // the driver's name, as the data source's description gives it
};

class Connection;

class Environment {
public:
    Environment();  // ODBC 3 behaviour
    ~Environment();
    Environment(const Environment&) = delete;
    Environment& operator=(const Environment&) = delete;

    // The drivers the driver manager knows (odbcinst.ini), and the data source names of the
    // user's and the system's odbc.ini.
    std::vector<InstalledDriver> Drivers();
    std::vector<DataSource> DataSources();
    void* Handle() const { return m_handle; }

private:
    void* m_handle = nullptr;
};

// Information of a connection, by ODBC's numbers.
enum InfoType : int {
    kInfoDbmsName = 17,
    kInfoDriverName = 6,
    kInfoIdentifierQuote = 29,
};

class Connection {
public:
    // Connects without prompting; loginSeconds bounds the attempt (0: the driver's default).
    Connection(Environment& environment, std::wstring_view connectString, long loginSeconds);
    // Rolls back what is open, disconnects and frees the handle.
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    std::wstring InfoText(InfoType info);
    // Tells the driver that nothing will be written (SQL_ATTR_ACCESS_MODE); false when the
    // driver does not take it.
    bool SetReadOnly();
    void SetAutocommit(bool on);
    void Rollback();
    void* Handle() const { return m_handle; }

private:
    void* m_handle = nullptr;
    bool m_connected = false;
};

class Statement {
public:
    explicit Statement(Connection& connection);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Seconds the driver lets the statement run (SQL_ATTR_QUERY_TIMEOUT); false when it does
    // not take the attribute.
    bool SetQueryTimeout(long seconds);
    void ExecDirect(std::wstring_view sql);
    // The catalog's tables of one schema (empty: every schema) of the given types ("TABLE,VIEW").
    void Tables(std::wstring_view schema, std::wstring_view types);
    int ColumnCount();
    ColumnInfo Describe(int column);  // columns count from 1
    bool Fetch();                     // false past the last row
    void CloseCursor();
    // Stops what runs on the statement; may be called from another thread.
    void Cancel();

    // Typed reads of the current row's column; false for NULL.
    bool GetInt64(int column, std::int64_t& value);
    bool GetUInt64(int column, std::uint64_t& value);
    bool GetDouble(int column, double& value);
    bool GetFloat(int column, float& value);
    bool GetTimestamp(int column, Timestamp& value);
    bool GetDate(int column, Timestamp& value);
    bool GetTime(int column, Timestamp& value);
    // Text of any length, read in pieces; UTF-16 as the driver manager hands it over.
    bool GetText(int column, std::u16string& value);
    // Text the driver writes in ASCII (numbers, GUIDs).
    bool GetAscii(int column, std::string& value);
    bool GetBytes(int column, std::vector<std::uint8_t>& value);

private:
    void* m_handle = nullptr;
};

// The drivers and the data source names the driver manager knows now (empty when it cannot
// be asked).
std::vector<InstalledDriver> InstalledDrivers();
std::vector<DataSource> DataSources();

// UTF-16 as ODBC's wide functions use it, to and from our wide text (UTF-32 on Linux).
std::wstring FromUtf16(std::u16string_view text);
std::u16string ToUtf16(std::wstring_view text);

}  // namespace platform::odbc
