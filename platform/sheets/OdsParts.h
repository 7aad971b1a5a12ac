#pragma once
// The cells of an OpenDocument spreadsheet that the import library reads short: text of more
// than one paragraph (or with line breaks, tabs, runs of spaces), booleans, and dates and times,
// which it hands over as plain numbers. Read from the document's content itself.
#include <string>
#include <string_view>
#include <vector>

namespace platform::sheets {

struct OdsCell {
    enum Kind { Text, Bool, Date } kind = Text;
    size_t sheet = 0;  // in the document's order
    int row = 0, col = 0;
    std::string text;  // Text: paragraphs joined with line breaks
    double value = 0;  // Bool: 0 or 1; Date: an OLE date
};

// Throws std::exception when the bytes are no such package.
std::vector<OdsCell> ReadOdsCells(std::string_view content);

}  // namespace platform::sheets
