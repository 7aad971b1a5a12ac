#pragma once
// Rows fetched a block at a time into bound column buffers (column-wise binding): one call into
// the driver per block instead of one per cell. A value longer than its buffer is marked so,
// and is read whole through Statement's typed reads after Position() makes its row current.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "odbc/OdbcApi.h"

namespace platform::odbc {

// How a column is bound: the C type its values arrive in.
enum class BoundType { None, Int64, UInt64, Double, Float, Date, Time, Timestamp, Ascii, Text };

struct BoundColumn {
    BoundType type = BoundType::None;  // None: left unbound, read through the statement
    std::size_t units = 0;             // characters an Ascii or Text buffer holds, without the terminator
};

class RowBlock {
public:
    // True when the driver can read any column of a row in a block by SQLGetData as well,
    // which the long values and unbound columns need.
    static bool Supported(Connection& connection);

    // Binds the columns (from 1, in order) for blocks of up to rows rows.
    RowBlock(Statement& statement, std::vector<BoundColumn> columns, std::size_t rows);
    // Unbinds, and sets the statement back to a row at a time.
    ~RowBlock();
    RowBlock(const RowBlock&) = delete;
    RowBlock& operator=(const RowBlock&) = delete;

    // Fetches the next block; the rows it holds, 0 past the last row.
    std::size_t Fetch();
    // Makes a row of the block the current row for the statement's reads.
    void Position(std::size_t row);

    // The values of the block; column counts from 0, as the columns were given.
    bool IsNull(std::size_t column, std::size_t row) const { return m_columns[column].indicators[row] == kNull; }
    // An Ascii or Text value that did not fit its buffer.
    bool Truncated(std::size_t column, std::size_t row) const;
    std::int64_t Int64(std::size_t column, std::size_t row) const { return Fixed<std::int64_t>(column, row); }
    std::uint64_t UInt64(std::size_t column, std::size_t row) const { return Fixed<std::uint64_t>(column, row); }
    double Double(std::size_t column, std::size_t row) const { return Fixed<double>(column, row); }
    float Float(std::size_t column, std::size_t row) const { return Fixed<float>(column, row); }
    Timestamp Time(std::size_t column, std::size_t row) const;  // of a Date, Time or Timestamp column
    std::string_view Ascii(std::size_t column, std::size_t row) const;
    std::u16string_view Text(std::size_t column, std::size_t row) const;

private:
    static constexpr long long kNull = -1;  // SQL_NULL_DATA

    struct Buffer {
        BoundColumn bound;
        std::size_t width = 0;  // bytes a value takes in data
        std::vector<unsigned char> data;
        std::vector<long long> indicators;  // SQLLEN
    };
    void Release();
    template <class T>
    T Fixed(std::size_t column, std::size_t row) const {
        T value;
        const Buffer& buffer = m_columns[column];
        std::memcpy(&value, buffer.data.data() + row * buffer.width, sizeof value);
        return value;
    }

    Statement& m_statement;
    std::vector<Buffer> m_columns;
    std::vector<unsigned short> m_status;  // SQLUSMALLINT per row
    unsigned long m_fetched = 0;           // SQLULEN
    std::size_t m_rows;
};

}  // namespace platform::odbc
