#include "dxf/DxfText.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <iconv.h>

#include "text/Utf8.h"

namespace platform::dxf {

namespace {

void AppendUtf8(std::string& out, char32_t c) {
    out += platform::ToUtf8(std::wstring(1, static_cast<wchar_t>(c)));
}

int Hex(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Text as the file writes it, with its caret notation undone: ^X stands for the control
// character X - 0x40 (^J a line feed) and "^ " for a caret. Any other caret is itself.
void AppendCaretDecoded(std::string& out, std::string_view text) {
    size_t start = 0;
    for (size_t i = text.find('^'); i != std::string_view::npos && i + 1 < text.size(); i = text.find('^', i)) {
        const auto next = static_cast<unsigned char>(text[i + 1]);
        if (!EndsCaretCode(next)) {
            ++i;
            continue;
        }
        out.append(text.substr(start, i - start));
        out += next == ' ' ? '^' : static_cast<char>(next - 0x40);
        i += 2;
        start = i;
    }
    out.append(text.substr(start));
}

// Reads exactly four hex digits at text[pos]; -1 when they are not there.
long Hex4(std::string_view text, size_t pos) {
    if (pos + 4 > text.size()) return -1;
    long v = 0;
    for (size_t k = 0; k < 4; ++k) {
        const int d = Hex(text[pos + k]);
        if (d < 0) return -1;
        v = v * 16 + d;
    }
    return v;
}

}  // namespace

// One iconv conversion to UTF-8, closed when dropped.
class TextDecoder::Converter {
public:
    explicit Converter(const std::string& charset)
        : m_cd(iconv_open("UTF-8", charset.c_str())), m_wonIsBackslash(charset == "JOHAB") {
        if (m_cd == reinterpret_cast<iconv_t>(-1)) m_cd = iconv_open("UTF-8", "CP1252");
    }
    ~Converter() {
        if (m_cd != reinterpret_cast<iconv_t>(-1)) iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    void Append(std::string& out, std::string_view bytes) {
        if (m_cd == reinterpret_cast<iconv_t>(-1)) {
            out.append(bytes);
            return;
        }
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        const size_t start = out.size();
        char* in = const_cast<char*>(bytes.data());
        size_t inLeft = bytes.size();
        char buf[1024];
        while (inLeft > 0) {
            char* o = buf;
            size_t oLeft = sizeof buf;
            const size_t r = iconv(m_cd, &in, &inLeft, &o, &oLeft);
            out.append(buf, static_cast<size_t>(o - buf));
            if (r == static_cast<size_t>(-1) && errno != E2BIG) {
                // A byte the code page does not define: keep going with a replacement.
                out += "\xEF\xBF\xBD";
                ++in;
                --inLeft;
            }
        }
        // iconv's Johab reads the byte 0x5C as the won sign; the drawing's code page, as every
        // one of them, keeps ASCII as it is, and a backslash begins a text's formatting codes.
        if (m_wonIsBackslash)
            for (size_t at = out.find("\xE2\x82\xA9", start); at != std::string::npos; at = out.find("\xE2\x82\xA9", at + 1))
                out.replace(at, 3, "\\");
    }

private:
    iconv_t m_cd;
    bool m_wonIsBackslash;
};

std::string CodePageCharset(std::string_view cp) {
    std::string upper;
    for (char c : cp)
        if (c != ' ') upper.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    auto digitsAfter = [&upper](std::string_view prefix) -> std::string {
        if (upper.rfind(prefix, 0) != 0) return {};
        std::string d = upper.substr(prefix.size());
        for (char c : d)
            if (!std::isdigit(static_cast<unsigned char>(c))) return {};
        return d;
    };
    if (auto d = digitsAfter("ANSI_"); !d.empty()) {
        if (d == "936") return "GBK";
        if (d == "950") return "BIG5";
        if (d == "1361") return "JOHAB";
        return "CP" + d;
    }
    if (auto d = digitsAfter("DOS"); !d.empty()) return "CP" + d;
    if (upper.rfind("ISO8859-", 0) == 0) return "ISO-8859-" + upper.substr(8);
    if (upper == "BIG5") return "BIG5";
    if (upper == "GB2312") return "GB2312";
    if (upper == "KSC5601") return "CP949";
    if (upper == "JOHAB") return "JOHAB";
    if (upper == "MAC-ROMAN") return "MACINTOSH";
    if (upper == "UTF8" || upper == "UTF-8") return "UTF-8";
    return "CP1252";
}

TextDecoder::TextDecoder(bool utf8, std::string_view dwgCodePage)
    : m_utf8(utf8), m_charset(CodePageCharset(dwgCodePage)) {
    if (m_charset == "UTF-8") m_utf8 = true;
}

TextDecoder::~TextDecoder() = default;

TextDecoder::Converter& TextDecoder::ConverterFor(const std::string& charset) {
    auto& slot = m_converters[charset];
    if (!slot) slot = std::make_unique<Converter>(charset);
    return *slot;
}

bool HasCaretCode(std::string_view value) {
    for (size_t i = value.find('^'); i != std::string_view::npos && i + 1 < value.size(); i = value.find('^', i + 1)) {
        if (EndsCaretCode(static_cast<unsigned char>(value[i + 1]))) return true;
    }
    return false;
}

bool TextDecoder::NeedsDecoding(std::string_view value) const {
    if (HasCaretCode(value)) return true;
    if (m_utf8) {
        // Only the \U+ and \M+ escapes and caret codes change UTF-8 text.
        for (size_t i = value.find('\\'); i != std::string_view::npos; i = value.find('\\', i + 1))
            if (i + 2 < value.size() && (value[i + 1] == 'U' || value[i + 1] == 'M') && value[i + 2] == '+') return true;
        return false;
    }
    for (size_t i = 0; i < value.size(); ++i) {
        const auto c = static_cast<unsigned char>(value[i]);
        if (c >= 0x80 && !m_utf8) return true;
        if (c == '\\' && i + 2 < value.size() && (value[i + 1] == 'U' || value[i + 1] == 'M') &&
            value[i + 2] == '+')
            return true;
    }
    return false;
}

std::string TextDecoder::Decode(std::string_view value) {
    std::string out;
    out.reserve(value.size() + 8);
    // Plain runs go through the code page; escapes become their characters.
    size_t runStart = 0;
    auto flush = [&](size_t end) {
        if (end <= runStart) return;
        const std::string_view run = value.substr(runStart, end - runStart);
        // Carets are undone after the code page: in a double-byte page a character's second
        // byte may be the caret's.
        if (m_utf8) {
            AppendCaretDecoded(out, run);
        } else {
            std::string converted;
            ConverterFor(m_charset).Append(converted, run);
            AppendCaretDecoded(out, converted);
        }
    };
    for (size_t i = 0; i < value.size();) {
        if (value[i] == '\\' && i + 2 < value.size() && value[i + 2] == '+') {
            if (value[i + 1] == 'U') {
                long cp = Hex4(value, i + 3);
                if (cp >= 0) {
                    size_t used = 7;
                    // A surrogate pair written as two escapes.
                    if (cp >= 0xD800 && cp <= 0xDBFF && i + 14 <= value.size() &&
                        value.substr(i + 7, 3) == "\\U+") {
                        const long low = Hex4(value, i + 10);
                        if (low >= 0xDC00 && low <= 0xDFFF) {
                            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                            used = 14;
                        }
                    }
                    flush(i);
                    AppendUtf8(out, static_cast<char32_t>(cp));
                    i += used;
                    runStart = i;
                    continue;
                }
            } else if (value[i + 1] == 'M' && i + 8 <= value.size()) {
                // \M+nXXXX: a double-byte character of the Asian code page n.
                static const char* const kPages[] = {nullptr, "CP932", "BIG5", "CP949", "JOHAB", "GBK"};
                const int n = value[i + 3] - '0';
                const long bytes = Hex4(value, i + 4);
                if (n >= 1 && n <= 5 && bytes >= 0) {
                    flush(i);
                    const char pair[2] = {static_cast<char>(bytes >> 8), static_cast<char>(bytes & 0xFF)};
                    ConverterFor(kPages[n]).Append(out, std::string_view(pair, 2));
                    i += 8;
                    runStart = i;
                    continue;
                }
            }
        }
        ++i;
    }
    flush(value.size());
    return out;
}

TextEncoder::TextEncoder(std::string_view dwgCodePage)
    : m_cd(iconv_open(CodePageCharset(dwgCodePage).c_str(), "WCHAR_T")) {}

TextEncoder::~TextEncoder() {
    if (m_cd != reinterpret_cast<void*>(-1)) iconv_close(static_cast<iconv_t>(m_cd));
}

void TextEncoder::Append(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
        return;
    }
    if (m_cd != reinterpret_cast<void*>(-1) && c < 0x10000) {
        wchar_t in[1] = {static_cast<wchar_t>(c)};
        char* src = reinterpret_cast<char*>(in);
        size_t srcLeft = sizeof in;
        char buf[8];
        char* dst = buf;
        size_t dstLeft = sizeof buf;
        iconv(static_cast<iconv_t>(m_cd), nullptr, nullptr, nullptr, nullptr);
        // A character that becomes an ASCII byte (iconv's Johab writes the won sign as 0x5C)
        // would read back as that byte's own character: it is escaped instead.
        if (iconv(static_cast<iconv_t>(m_cd), &src, &srcLeft, &dst, &dstLeft) != static_cast<size_t>(-1) &&
            srcLeft == 0 && !(dst - buf == 1 && static_cast<unsigned char>(buf[0]) < 0x80)) {
            out.append(buf, static_cast<size_t>(dst - buf));
            return;
        }
    }
    char esc[32];
    if (c >= 0x10000) {
        const unsigned long u = static_cast<unsigned long>(c) - 0x10000;
        std::snprintf(esc, sizeof esc, "\\U+%04lX\\U+%04lX", 0xD800 + (u >> 10), 0xDC00 + (u & 0x3FF));
    } else {
        std::snprintf(esc, sizeof esc, "\\U+%04lX", static_cast<unsigned long>(c));
    }
    out += esc;
}

}  // namespace platform::dxf
