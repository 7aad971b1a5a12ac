#include "text/DelimitedText.h"

#include <algorithm>
#include <cstdint>

#include "text/Utf8.h"

namespace platform {

namespace {

// The field escaped onto the end of out, written in place. Char is char for UTF-8 text, or a
// wide character for text known to be ASCII, each character then one byte.
template <class Char>
void AppendTsv(std::string& out, std::basic_string_view<Char> text) {
    const size_t start = out.size();
    out.resize(start + text.size() * 2);  // room for every character escaped
    char* p = out.data() + start;
    for (const Char ch : text) {
        const auto c = static_cast<char>(ch);
        switch (c) {
        case '\t': *p++ = '\\', *p++ = 't'; break;
        case '\n': *p++ = '\\', *p++ = 'n'; break;
        case '\r': *p++ = '\\', *p++ = 'r'; break;
        case '\\': *p++ = '\\', *p++ = '\\'; break;
        default: *p++ = c;
        }
    }
    out.resize(static_cast<size_t>(p - out.data()));
}

template <class Char>
void AppendCsv(std::string& out, std::basic_string_view<Char> text) {
    bool quoted = false;
    for (const Char c : text)
        if (c == ',' || c == '"' || c == '\r' || c == '\n') {
            quoted = true;
            break;
        }
    const size_t start = out.size();
    out.resize(start + text.size() * 2 + 2);  // room for every quote doubled, and the field's
    char* p = out.data() + start;
    if (quoted) *p++ = '"';
    for (const Char ch : text) {
        const auto c = static_cast<char>(ch);
        if (c == '"') *p++ = '"';
        *p++ = c;
    }
    if (quoted) *p++ = '"';
    out.resize(static_cast<size_t>(p - out.data()));
}

template <class Char>
void AppendEscaped(std::string& out, TableFormat format, bool first, std::basic_string_view<Char> text) {
    if (!first) out += format == TableFormat::Csv ? ',' : '\t';
    if (format == TableFormat::Csv) AppendCsv(out, text);
    else AppendTsv(out, text);
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
    AppendEscaped(out, format, first, text);
}

void AppendField(std::string& out, TableFormat format, bool first, std::wstring_view text) {
    // Straight into the output when the text is ASCII, as most cells are; through UTF-8 first
    // when not.
    if (const auto ascii = [](wchar_t c) { return static_cast<std::uint32_t>(c) < 0x80; }; std::all_of(text.begin(), text.end(), ascii))
        return AppendEscaped(out, format, first, text);
    std::string utf8;
    AppendUtf8(utf8, text);
    AppendEscaped(out, format, first, std::string_view(utf8));
}

}  // namespace platform
