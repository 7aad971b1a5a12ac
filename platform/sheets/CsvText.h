#pragma once
// Text files as users write them: UTF-8 with or without a byte-order mark, UTF-16 with its
// mark, Windows-1252 otherwise; fields split by a comma, a semicolon or a tab, quoted fields
// holding the delimiter, line breaks and doubled quotes.
#include <string>
#include <string_view>
#include <vector>

namespace platform::sheets {

// The text as UTF-8, whatever of the above it was written in.
std::string DecodeText(std::string_view bytes);

// The delimiter that splits the first line into the most fields (a comma when none does),
// counting only outside quotes.
char DetectDelimiter(std::string_view text);

// The records of the text, each a list of fields; line ends are CR LF, LF or CR, and an
// empty last line is no record.
std::vector<std::vector<std::string>> SplitRecords(std::string_view text, char delimiter);

}  // namespace platform::sheets
