#pragma once
// A cell's address as workbooks and the Excel driver's table names write it: "B7", "$B$7",
// "b7"; within the largest sheet (1,048,576 rows of 16,384 columns).
#include <optional>
#include <string_view>

namespace platform::sheets {

struct CellAddress {
    int row = 0, col = 0;  // from 0
};

// The address, none when the text is no cell address.
std::optional<CellAddress> ParseCellAddress(std::string_view text);

}  // namespace platform::sheets
