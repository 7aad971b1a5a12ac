#pragma once
// What a workbook file holds that the import library passes over: the date system, whether
// the workbook asks to be computed whole when opened, and the cells whose text is written in
// the cell itself (inline strings, as programs that write row by row save them).
#include <string>
#include <string_view>
#include <vector>

namespace platform::sheets {

struct InlineString {
    size_t sheet = 0;  // in the order the workbook lists its sheets
    int row = 0, col = 0;
    std::string text;  // UTF-8, rich text runs joined
};

struct XlsxParts {
    bool date1904 = false;        // workbookPr date1904
    bool fullCalcOnLoad = false;  // calcPr fullCalcOnLoad
    std::vector<InlineString> inlineStrings;  // and error values, by their texts
};

// Reads them from the bytes of an .xlsx or .xlsm file; throws std::exception when the file
// is no such package.
XlsxParts ReadXlsxParts(std::string_view content);

// The value of an attribute of the element whose tag starts at tagStart; empty when it has
// none.
std::string XmlAttribute(std::string_view xml, size_t tagStart, std::string_view name);

// XML character data as text: the five entities, character references, and the file format's
// _xHHHH_ escapes.
std::string XmlText(std::string_view data);

// Text whose XML entities are already replaced, with the file format's _xHHHH_ escapes too.
std::string UnescapeXlsxText(std::string_view text);

}  // namespace platform::sheets
