#pragma once
// Reading Access files with libmdb, contained. libmdb trusts the pages it reads: a damaged
// file can make it read out of bounds or follow a page chain for ever. Every read therefore
// runs in a forked child process that streams its results through a pipe; a child that
// crashes or stays silent past the time limit is killed and the file reported as damaged.
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform::mdb {

// Access column types as the file stores them.
enum ColumnType : int {
    kBool = 0x01,
    kByte = 0x02,
    kInt = 0x03,
    kLong = 0x04,
    kMoney = 0x05,
    kFloat = 0x06,
    kDouble = 0x07,
    kDateTime = 0x08,
    kBinary = 0x09,
    kText = 0x0a,
    kOle = 0x0b,
    kMemo = 0x0c,
    kRepId = 0x0f,
    kNumeric = 0x10,
    kComplex = 0x12,
    kBigInt = 0x13,
};

enum class TableKind { User, System, Linked };

struct Column {
    std::string name;  // UTF-8
    int type = 0;
    int size = 0;      // bytes for fixed columns, the limit for text (bytes)
    int scale = 0;      // of a Decimal column
    int precision = 0;
    bool fixed = false;
    bool autoNumber = false;
    bool calculated = false;  // type is the type of its result
};

struct Table {
    std::string name;  // UTF-8
    TableKind kind = TableKind::User;
    std::vector<Column> columns;
};

struct Catalog {
    bool jet3 = false;
    std::vector<Table> tables;  // in the file's catalogue order
};

// Cancelled: the caller's stop said so while the file was read.
enum class Status { Ok, NotFound, NotAccess, Damaged, Cancelled };

// One decoded value as the reader hands it over: exact, never through rounded text.
struct Value {
    enum Kind : std::uint8_t { Null = 0, Int = 1, Real = 2, Text = 3, Blob = 4 } kind = Null;
    std::int64_t i = 0;
    double d = 0;
    std::string_view bytes;  // Text (UTF-8) or Blob; valid during the callback only
    // Decimal values come as Real (their scale applied), Currency as Int (ten-thousandths).
};

// The longest a child may stay silent before it is taken for hung.
std::chrono::milliseconds TimeLimit();
void SetTimeLimit(std::chrono::milliseconds limit);

// The rows of several tables (name, column count) read in one go; onRow gets the table's index
// and one value per column of the table definition. Rows missing (a damaged page lists them but
// they do not read, or the table's definition counts more rows than its pages give) are counted
// in *missingRows; without it, any missing row makes the read Damaged.
using TablesRowCallback = std::function<void(size_t table, const std::vector<Value>&)>;

// The catalogue; with rowsOf, also the rows of those named tables the file holds, in the same
// read (onRow gets the index of the name, after the catalogue is filled in). With rowsRead, a
// catalogue that reads when those rows do not is still Ok, and *rowsRead says whether they did
// (onRow may have had some of them: the caller drops what it got).
Status ReadCatalog(const std::string& path, Catalog& catalog, const std::vector<std::string>& rowsOf = {},
                   const TablesRowCallback& onRow = {}, bool* rowsRead = nullptr);
// stop, when given, is asked a few times a second while the file is read.
Status ReadRowsOfTables(const std::string& path, const std::vector<std::pair<std::string, size_t>>& tables, const TablesRowCallback& onRow,
                        size_t* missingRows = nullptr, const std::function<bool()>& stop = {});

}  // namespace platform::mdb
