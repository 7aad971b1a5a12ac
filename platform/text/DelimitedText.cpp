#include "text/DelimitedText.h"

namespace platform {

std::string TsvField(std::string_view text) {
    if (text.find_first_of("\t\r\n\\") == std::string_view::npos) return std::string(text);
    std::string out;
    out.reserve(text.size() + 8);
    for (char c : text) {
        switch (c) {
        case '\t': out += "\\t"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\\': out += "\\\\"; break;
        default: out += c;
        }
    }
    return out;
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

TableFormat TableFormatNamed(std::string_view name) {
    if (name == "csv") return TableFormat::Csv;
    if (name == "json") return TableFormat::Json;
    return TableFormat::Tsv;
}

void AppendField(std::string& out, TableFormat format, bool first, std::string_view text) {
    if (format == TableFormat::Csv) {
        if (!first) out += ',';
        out += CsvField(text);
    } else {
        if (!first) out += '\t';
        out += TsvField(text);
    }
}

}  // namespace platform
