#pragma once
// Text decoding of DXF string values. Files before R2007 (AC1021) hold strings in the code page
// named by $DWGCODEPAGE, with characters outside it written as \U+XXXX (or \M+nXXXX for the
// double-byte Asian code pages); later files hold UTF-8. The document model keeps UTF-8.
#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace platform::dxf {

// The iconv name of a $DWGCODEPAGE value ("ANSI_1252" -> "CP1252"); CP1252 when unknown.
std::string CodePageCharset(std::string_view dwgCodePage);

// Whether a caret followed by c is a caret code of the file's text (^J for a line feed, "^ "
// for a caret), which reading undoes and writing makes again.
constexpr bool EndsCaretCode(unsigned char c) { return c == ' ' || (c >= 0x40 && c <= 0x5F); }
// Whether the value holds such a code.
bool HasCaretCode(std::string_view value);

class TextDecoder {
public:
    // utf8: the file's bytes are UTF-8; otherwise they are in the given code page.
    TextDecoder(bool utf8, std::string_view dwgCodePage);
    ~TextDecoder();
    TextDecoder(const TextDecoder&) = delete;
    TextDecoder& operator=(const TextDecoder&) = delete;

    // True when the value needs Decode (non-ASCII bytes in a code-page file, or escapes).
    bool NeedsDecoding(std::string_view value) const;
    bool Utf8() const { return m_utf8; }
    std::string Decode(std::string_view value);

private:
    class Converter;
    Converter& ConverterFor(const std::string& charset);

    bool m_utf8;
    std::string m_charset;
    std::map<std::string, std::unique_ptr<Converter>> m_converters;
};

// Encodes text for files before R2007: characters of the code page as its bytes, all others as
// \U+XXXX escapes (readers of those versions decode both).
class TextEncoder {
public:
    explicit TextEncoder(std::string_view dwgCodePage);
    ~TextEncoder();
    TextEncoder(const TextEncoder&) = delete;
    TextEncoder& operator=(const TextEncoder&) = delete;

    void Append(std::string& out, char32_t c);

private:
    void* m_cd;  // iconv_t from wide characters to the code page
};

}  // namespace platform::dxf
