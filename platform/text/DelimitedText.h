#pragma once
// Fields of the tools' tabular outputs, so that every tool writes a cell the same way.
//
// TSV: a tab, a line end or a backslash inside a cell would split or blur it, so they are
// written \t, \n, \r and \\ (as PostgreSQL's COPY text form writes them); every other byte
// stands as it is, and a row is always one line.
// CSV: RFC 4180; a field holding a comma, a quote or a line end is quoted, quotes doubled.
#include <string>
#include <string_view>

namespace platform {

std::string TsvField(std::string_view text);
std::string CsvField(std::string_view text);

// The form of a tabular output: "tsv", "csv" or "json"; "text" is the same as "tsv".
enum class TableFormat { Tsv, Csv, Json };
TableFormat TableFormatNamed(std::string_view name);

// Appends one field of a row in the format (not JSON): the separator before every field but
// the first, then the field escaped.
void AppendField(std::string& out, TableFormat format, bool first, std::string_view text);
// The same for wide text, written in UTF-8.
void AppendField(std::string& out, TableFormat format, bool first, std::wstring_view text);

}  // namespace platform
