#include "text/DelimitedText.h"

namespace platform {

namespace {

// The field escaped onto the end of out: each run of characters that needs no escape goes
// over at once.
void AppendTsv(std::string& out, std::string_view text) {
    size_t plain = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\t' && c != '\n' && c != '\r' && c != '\\') continue;
        out.append(text.substr(plain, i - plain));
        out += '\\';
        out += c == '\t' ? 't' : c == '\n' ? 'n' : c == '\r' ? 'r' : '\\';
        plain = i + 1;
    }
    out.append(text.substr(plain));
}

void AppendCsv(std::string& out, std::string_view text) {
    bool quoted = false;
    for (char c : text)
        if (c == ',' || c == '"' || c == '\r' || c == '\n') {
            quoted = true;
            break;
        }
    if (!quoted) {
        out.append(text);
        return;
    }
    out += '"';
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

}  // namespace

std::string TsvField(std::string_view text) {
    std::string out;
    AppendTsv(out, text);
    return out;
}

std::string CsvField(std::string_view text) {
    std::string out;
    AppendCsv(out, text);
    return out;
}

TableFormat TableFormatNamed(std::string_view name) {
    if (name == "csv") return TableFormat::Csv;
    if (name == "json") return TableFormat::Json;
    return TableFormat::Tsv;
}

void AppendField(std::string& out, TableFormat format, bool first, std::string_view text) {
    // Straight into the output, with no string of its own: this runs for every cell of a preview.
    if (!first) out += format == TableFormat::Csv ? ',' : '\t';
    if (format == TableFormat::Csv) AppendCsv(out, text);
    else AppendTsv(out, text);
}

}  // namespace platform
