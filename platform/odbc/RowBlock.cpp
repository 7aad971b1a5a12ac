#include "odbc/RowBlock.h"

#include "odbc/sql/DriverManager.h"

#include <algorithm>

namespace platform::odbc {
namespace {

static_assert(sizeof(SQLLEN) == sizeof(long long), "indicators are kept as long long");
static_assert(sizeof(SQLULEN) == sizeof(unsigned long), "the count of fetched rows is kept as unsigned long");
static_assert(sizeof(SQLUSMALLINT) == sizeof(unsigned short), "row states are kept as unsigned short");

SQLSMALLINT CTypeOf(BoundType type) {
    switch (type) {
    case BoundType::Int64: return SQL_C_SBIGINT;
    case BoundType::UInt64: return SQL_C_UBIGINT;
    case BoundType::Double: return SQL_C_DOUBLE;
    case BoundType::Float: return SQL_C_FLOAT;
    case BoundType::Date: return SQL_C_TYPE_DATE;
    case BoundType::Time: return SQL_C_TYPE_TIME;
    case BoundType::Timestamp: return SQL_C_TYPE_TIMESTAMP;
    case BoundType::Ascii: return SQL_C_CHAR;
    case BoundType::Text: return SQL_C_WCHAR;
    case BoundType::None: break;
    }
    return 0;
}

std::size_t WidthOf(const BoundColumn& column) {
    switch (column.type) {
    case BoundType::Int64: return sizeof(SQLBIGINT);
    case BoundType::UInt64: return sizeof(SQLUBIGINT);
    case BoundType::Double: return sizeof(SQLDOUBLE);
    case BoundType::Float: return sizeof(SQLREAL);
    case BoundType::Date: return sizeof(SQL_DATE_STRUCT);
    case BoundType::Time: return sizeof(SQL_TIME_STRUCT);
    case BoundType::Timestamp: return sizeof(SQL_TIMESTAMP_STRUCT);
    case BoundType::Ascii: return column.units + 1;
    case BoundType::Text: return (column.units + 1) * sizeof(SQLWCHAR);
    case BoundType::None: break;
    }
    return 0;
}

SQLPOINTER Integer(SQLULEN value) { return reinterpret_cast<SQLPOINTER>(value); }

}  // namespace

bool RowBlock::Supported(Connection& connection) {
    SQLUINTEGER extensions = 0;
    if (!SQL_SUCCEEDED(DriverManager().SQLGetInfo(connection.Handle(), SQL_GETDATA_EXTENSIONS, &extensions, sizeof extensions, nullptr))) return false;
    constexpr SQLUINTEGER kNeeded = SQL_GD_ANY_COLUMN | SQL_GD_ANY_ORDER | SQL_GD_BLOCK | SQL_GD_BOUND;
    return (extensions & kNeeded) == kNeeded;
}

RowBlock::RowBlock(Statement& statement, std::vector<BoundColumn> columns, std::size_t rows)
    : m_statement(statement), m_status(rows), m_rows(rows) {
    const SQLHSTMT stmt = statement.Handle();
    m_columns.resize(columns.size());
    try {
        CheckStatementCall(DriverManager().SQLSetStmtAttr(stmt, SQL_ATTR_ROW_BIND_TYPE, Integer(SQL_BIND_BY_COLUMN), 0), stmt, "SQLSetStmtAttr(SQL_ATTR_ROW_BIND_TYPE)");
        CheckStatementCall(DriverManager().SQLSetStmtAttr(stmt, SQL_ATTR_ROW_ARRAY_SIZE, Integer(rows), 0), stmt, "SQLSetStmtAttr(SQL_ATTR_ROW_ARRAY_SIZE)");
        CheckStatementCall(DriverManager().SQLSetStmtAttr(stmt, SQL_ATTR_ROW_STATUS_PTR, m_status.data(), 0), stmt, "SQLSetStmtAttr(SQL_ATTR_ROW_STATUS_PTR)");
        CheckStatementCall(DriverManager().SQLSetStmtAttr(stmt, SQL_ATTR_ROWS_FETCHED_PTR, &m_fetched, 0), stmt, "SQLSetStmtAttr(SQL_ATTR_ROWS_FETCHED_PTR)");
        for (std::size_t i = 0; i < columns.size(); ++i) {
            Buffer& buffer = m_columns[i];
            buffer.bound = columns[i];
            buffer.indicators.assign(rows, kNull);
            if (buffer.bound.type == BoundType::None) continue;
            buffer.width = WidthOf(buffer.bound);
            buffer.data.resize(buffer.width * rows);
            CheckStatementCall(DriverManager().SQLBindCol(stmt, static_cast<SQLUSMALLINT>(i + 1), CTypeOf(buffer.bound.type), buffer.data.data(),
                                          static_cast<SQLLEN>(buffer.width), reinterpret_cast<SQLLEN*>(buffer.indicators.data())),
                               stmt, "SQLBindCol");
        }
    } catch (...) {
        Release();
        throw;
    }
}

RowBlock::~RowBlock() { Release(); }

void RowBlock::Release() {
    // The statement must not keep pointers into buffers that go with this object.
    const SQLHSTMT stmt = m_statement.Handle();
    DriverManager().SQLFreeStmt(stmt, SQL_UNBIND);
    DriverManager().SQLSetStmtAttr(stmt, SQL_ATTR_ROW_STATUS_PTR, nullptr, 0);
    DriverManager().SQLSetStmtAttr(stmt, SQL_ATTR_ROWS_FETCHED_PTR, nullptr, 0);
    DriverManager().SQLSetStmtAttr(stmt, SQL_ATTR_ROW_ARRAY_SIZE, Integer(1), 0);
}

std::size_t RowBlock::Fetch() {
    const SQLHSTMT stmt = m_statement.Handle();
    m_fetched = 0;
    const SQLRETURN rc = DriverManager().SQLFetch(stmt);
    if (rc == SQL_NO_DATA) return 0;
    CheckStatementCall(rc, stmt, "SQLFetch");
    const std::size_t fetched = std::min<std::size_t>(m_fetched, m_rows);
    // A row the driver could not convert is an error of the statement, as a failed read of a
    // single cell is.
    for (std::size_t row = 0; row < fetched; ++row)
        if (m_status[row] == SQL_ROW_ERROR) CheckStatementCall(SQL_ERROR, stmt, "SQLFetch");
    return fetched;
}

void RowBlock::Position(std::size_t row) {
    const SQLHSTMT stmt = m_statement.Handle();
    CheckStatementCall(DriverManager().SQLSetPos(stmt, static_cast<SQLSETPOSIROW>(row + 1), SQL_POSITION, SQL_LOCK_NO_CHANGE), stmt, "SQLSetPos");
}

bool RowBlock::Truncated(std::size_t column, std::size_t row) const {
    const Buffer& buffer = m_columns[column];
    const long long indicator = buffer.indicators[row];
    if (indicator == kNull || (buffer.bound.type != BoundType::Ascii && buffer.bound.type != BoundType::Text)) return false;
    const std::size_t room = buffer.width - (buffer.bound.type == BoundType::Text ? sizeof(SQLWCHAR) : 1);
    return indicator == SQL_NO_TOTAL || static_cast<unsigned long long>(indicator) > room;
}

Timestamp RowBlock::Time(std::size_t column, std::size_t row) const {
    switch (m_columns[column].bound.type) {
    case BoundType::Date: {
        const auto d = Fixed<SQL_DATE_STRUCT>(column, row);
        return {d.year, d.month, d.day, 0, 0, 0, 0};
    }
    case BoundType::Time: {
        const auto t = Fixed<SQL_TIME_STRUCT>(column, row);
        return {1899, 12, 30, t.hour, t.minute, t.second, 0};
    }
    default: {
        const auto t = Fixed<SQL_TIMESTAMP_STRUCT>(column, row);
        return {t.year, t.month, t.day, t.hour, t.minute, t.second, static_cast<std::uint32_t>(t.fraction)};
    }
    }
}

std::string_view RowBlock::Ascii(std::size_t column, std::size_t row) const {
    const Buffer& buffer = m_columns[column];
    const std::size_t length = std::min(static_cast<std::size_t>(buffer.indicators[row]), buffer.width - 1);
    return {reinterpret_cast<const char*>(buffer.data.data() + row * buffer.width), length};
}

std::u16string_view RowBlock::Text(std::size_t column, std::size_t row) const {
    const Buffer& buffer = m_columns[column];
    const std::size_t length = std::min(static_cast<std::size_t>(buffer.indicators[row]) / sizeof(SQLWCHAR), buffer.bound.units);
    return {reinterpret_cast<const char16_t*>(buffer.data.data() + row * buffer.width), length};
}

}  // namespace platform::odbc
