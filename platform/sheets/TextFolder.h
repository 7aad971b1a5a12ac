#pragma once
// A folder of text files as tables, as the engine's text driver names them: "parts.csv" is the
// table "parts#csv". A schema.ini beside the files is honoured as that driver reads it: per
// file, whether the first line holds the column names (ColNameHeader), the delimiter (Format)
// and the columns' names and types (Col1=Name Type ...).
#include <memory>
#include <optional>
#include <string>

#include "access/TableSource.h"

namespace platform::sheets {

struct TextOptions {
    bool header = true;               // HDR: the first line names the columns
    std::optional<char> delimiter;    // FMT=Delimited(x); detected when none
};

// Reads the text files of the folder (a file names its folder); throws UnreadableFile.
std::shared_ptr<access::TableSource> OpenTextFolder(const std::string& hostFolder, const TextOptions& options);

// The table name of a file name ("parts.csv" -> "parts#csv"), and whether a file is one the
// driver reads (.csv, .txt, .tab, .asc).
std::string TextTableName(const std::string& fileName);
bool IsTextFileName(const std::string& fileName);

// What a "Format=" value of schema.ini or the connect string's FMT names as delimiter:
// Delimited(x), CSVDelimited, TabDelimited; none for anything else.
std::optional<char> DelimiterOfFormat(std::string_view format);

}  // namespace platform::sheets
