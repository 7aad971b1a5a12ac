#include "view/TextCodes.h"

#include <cctype>

namespace platform::view {

namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

void AppendCodePoint(QString& out, char32_t c) {
    if (c == 0 || c > 0x10FFFF) return;
    const char32_t one[1] = {c};
    out += QString::fromUcs4(one, 1);
}

}  // namespace

size_t DecodeUnicodeEscape(std::string_view text, size_t i, QString& out) {
    if (i + 7 > text.size() || text.compare(i, 3, "\\U+") != 0) return i;
    char32_t c = 0;
    for (size_t k = i + 3; k < i + 7; ++k) {
        const int h = HexValue(text[k]);
        if (h < 0) return i;
        c = c * 16 + static_cast<char32_t>(h);
    }
    AppendCodePoint(out, c);
    return i + 7;
}

QString DecodeTextCodes(std::string_view text) {
    QString out;
    size_t plainStart = 0;
    auto flush = [&](size_t end) {
        if (end > plainStart) out += QString::fromUtf8(text.data() + plainStart, static_cast<qsizetype>(end - plainStart));
    };
    for (size_t i = 0; i < text.size();) {
        if (text[i] == '%' && i + 2 < text.size() && text[i + 1] == '%') {
            flush(i);
            const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i + 2])));
            size_t next = i + 3;
            if (c == 'c') out += QChar(0x2300);
            else if (c == 'd') out += QChar(0x00B0);
            else if (c == 'p') out += QChar(0x00B1);
            else if (c == '%') out += QChar('%');
            else if (std::isdigit(static_cast<unsigned char>(c))) {
                int value = 0;
                next = i + 2;
                while (next < text.size() && next < i + 5 && std::isdigit(static_cast<unsigned char>(text[next])))
                    value = value * 10 + (text[next++] - '0');
                AppendCodePoint(out, static_cast<char32_t>(value));
            } else if (c != 'u' && c != 'o' && c != 'k') {
                next = i + 2;  // not a code: the two percent signs stay
                out += QStringLiteral("%%");
            }
            i = plainStart = next;
        } else if (text[i] == '\\') {
            const size_t after = [&] {
                QString decoded;
                const size_t n = DecodeUnicodeEscape(text, i, decoded);
                if (n != i) {
                    flush(i);
                    out += decoded;
                }
                return n;
            }();
            if (after != i) i = plainStart = after;
            else ++i;
        } else {
            ++i;
        }
    }
    flush(text.size());
    return out;
}

}  // namespace platform::view
