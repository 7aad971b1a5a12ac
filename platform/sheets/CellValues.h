#pragma once
// Cell values as a spreadsheet user sees them, and the columns they make. A number whose
// format is a date format is a date; a column is typed by the cells it holds, and a column
// that mixes kinds keeps each cell's own text.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "access/MdbReader.h"

namespace platform::sheets {

struct Cell {
    enum Kind { Empty, Number, Date, Bool, Text } kind = Empty;
    double number = 0;  // Number; Date as an OLE date (days since 1899-12-30); Bool 0 or 1
    std::string text;   // Text (UTF-8)
};

// Whether a number format shows a date or a time: by its built-in id (xlsx numFmtId), or by
// its code ("yyyy-mm-dd", "h:mm AM/PM"), colours, literals and escapes set aside.
bool IsDateFormat(size_t builtinId, std::string_view code);

// A spreadsheet's serial day number as an OLE date. In the 1900 system the spreadsheet counts
// 29 February 1900, which never was: serials before it are one day later as OLE dates, and the
// serial of that day itself is no date (none); a time alone (below 1) stays a time. The 1904
// system counts from 1 January 1904.
std::optional<double> OleDateOfSerial(double serial, bool system1904);

// A number as its cell shows it: a date when its cell format is a date format, a number
// otherwise. A date-formatted serial that is no date shows as the spreadsheet shows it: the
// day the 1900 system invents as 1900-02-29, anything else as #####.
Cell NumberCell(double value, bool dateFormat, bool system1904);

// The OLE date of a calendar day and a time of day (seconds since midnight).
double OleDateOf(int year, int month, int day, double seconds);

// The text of a cell in a column of mixed kinds: numbers with up to 15 significant digits,
// dates as yyyy-mm-dd hh:mm:ss (the time left out when it is midnight), TRUE and FALSE.
std::string CellText(const Cell& cell);

// The Access type of a column from the kinds of its cells: one kind throughout (empty cells
// aside) gives that kind's type (kDouble, kDateTime, kBool, kText); mixed kinds or none give
// kText.
class ColumnTyper {
public:
    void Add(Cell::Kind kind);
    int AccessType() const;

private:
    bool m_seen = false;
    bool m_mixed = false;
    Cell::Kind m_kind = Cell::Empty;
};

// A cell as the engine stores it in a column of that Access type: its own value when the
// column is of its kind, its text otherwise. text keeps the bytes the value points to.
mdb::Value ValueInColumn(const Cell& cell, int accessType, std::string& text);

// Column names from a header row: empty ones are F<n> (n counting from 1), and a name met
// before gets a number after it, so every column can be named in SQL.
std::vector<std::string> ColumnNames(const std::vector<std::string>& header, bool useHeader);

}  // namespace platform::sheets
