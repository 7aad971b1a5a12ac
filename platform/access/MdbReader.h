#pragma once
// Reading Access files with libmdb, contained. libmdb trusts the pages it reads: a damaged
// file can make it read out of bounds or follow a page chain for ever. Every file is
// therefore read by a process of its own, the reader program velloria-access-reader
// (platform/access/reader/), which lies beside the host library, is started at the first
// read and kept for the reads after it. A reader that crashes or stays silent past the time
// limit is killed and the file reported as damaged; the next read starts another.
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "access/ContainedProcess.h"

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
    kExtendedDate = 0x14,  // Date/Time Extended (Access 2019 and later)
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

// Cancelled: the caller's stop said so while the file was read. NoReader: the reader program
// could not be started.
enum class Status { Ok, NotFound, NotAccess, Damaged, Cancelled, WrongPassword, UnsupportedEncryption, NoReader };

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

// A table whose rows are read with the catalogue, and the columns of it that are wanted (the
// others come as Null, undecoded); no columns: all.
struct TableColumns {
    std::string table;
    std::vector<std::string> columns;
};

// The reader program's path: beside the host library (or the executable that holds this
// code); empty when it is not there.
std::string ReaderProgram();

// One Access file and the reader process that reads it.
class FileReader {
public:
    // path: the host path; password: the database password given (UTF-8).
    FileReader(std::string path, std::string password);
    ~FileReader();
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;

    const std::string& Path() const { return m_path; }
    // After UnsupportedEncryption: the scheme's name, and what of it is not supported.
    const std::string& Scheme() const { return m_scheme; }
    const std::string& Missing() const { return m_missing; }

    // The catalogue; with rowsOf, also the rows of those named tables the file holds, in the
    // same read (onRow gets the index of the name, after the catalogue is filled in). With
    // rowsRead, a catalogue that reads when those rows do not is still Ok, and *rowsRead says
    // whether they did (onRow may have had some of them: the caller drops what it got).
    Status ReadCatalog(Catalog& catalog, const std::vector<TableColumns>& rowsOf = {}, const TablesRowCallback& onRow = {},
                       bool* rowsRead = nullptr);
    // stop, when given, is asked a few times a second while the file is read.
    Status ReadRowsOfTables(const std::vector<std::pair<std::string, size_t>>& tables, const TablesRowCallback& onRow,
                            size_t* missingRows = nullptr, const std::function<bool()>& stop = {});

private:
    // Sends a request, opening the file in a new reader first when none has it open.
    Status Request(const std::string& request, std::string& output, const std::function<bool()>& stop);
    Status OpenInReader();

    std::string m_path, m_password;
    std::unique_ptr<ContainedProcess> m_process;
    bool m_open = false;  // the process has the file open
    std::string m_scheme, m_missing;
};

}  // namespace platform::mdb
