#include "db/TextMeasure.h"

#include <cstdint>

namespace platform {

namespace {

// Advance widths of the printable ASCII characters (space to tilde) in thousandths of the
// capital height, as DejaVu Sans has them: the wide sans-serif font that viewers fall back to
// when a drawing's font is not installed.
constexpr std::uint16_t kAsciiWidths[95] = {
    436,  550, 631, 1149, 873,  1303, 1070, 377, 535,  535, 686, 1149, 436, 495, 412, 462,  // space to /
    873,  873, 873, 873,  873,  873,  873,  873, 873,  873,                                // 0 to 9
    462,  462, 1149, 1149, 1149, 728, 1372,                                                 // : to @
    938,  941, 958, 1056, 867,  789,  1063, 1031, 405, 405, 899, 764, 1183, 1026, 1080, 827,  // A to P
    1080, 953, 871, 838,  1004, 938,  1356, 940,  838, 940,                                 // Q to Z
    535,  462, 535, 1149, 686,  686,                                                         // [ to `
    841,  871, 754, 871,  844,  483,  871,  869,  381, 381, 794, 381, 1336, 869, 839, 871,  // a to p
    871,  564, 715, 538,  869,  812,  1122, 812,  812, 720,                                 // q to z
    873,  462, 873, 1149,                                                                   // { to ~
};
// A little more than the font, for kerning pairs and rounding in other programs.
constexpr double kMargin = 1.03;
// Widest ASCII character: texts of bytes * this width fit without looking at each one.
constexpr double kWidest = 1.5;

// Decodes one UTF-8 character at text[i], advancing i; malformed bytes count as one each.
char32_t Next(std::string_view text, size_t& i) {
    const auto b = static_cast<unsigned char>(text[i]);
    int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
    char32_t c = extra == 3 ? (b & 0x07) : extra == 2 ? (b & 0x0F) : extra == 1 ? (b & 0x1F) : b;
    ++i;
    for (; extra > 0 && i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80; --extra, ++i)
        c = (c << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
    return c;
}

// A paragraph break at text[i] ("\P", or a line break); its length in bytes, or 0.
size_t BreakAt(std::string_view text, size_t i) {
    if (text[i] == '\n') return 1;
    if (text[i] == '\r') return i + 1 < text.size() && text[i + 1] == '\n' ? 2 : 1;
    if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'P') return 2;
    return 0;
}

// Walks one paragraph word by word, calling lineBreak(position, insideWord) at each point
// where a new line starts; returns the paragraph's line count.
template <class OnBreak>
int WrapParagraph(std::string_view text, double height, double width, OnBreak&& lineBreak) {
    const double room = width * (1 + 1e-9);
    const double space = CharWidth(U' ') * height;
    int lines = 1;
    double used = 0;  // width taken on the current line
    bool lineEmpty = true;
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ') {
            used += space;
            ++i;
            continue;
        }
        size_t end = i;
        double word = 0;
        while (end < text.size() && text[end] != ' ') {
            size_t next = end;
            // An escaped backslash is one character.
            if (text[end] == '\\' && end + 1 < text.size() && text[end + 1] == '\\') next = end + 2, word += CharWidth(U'\\') * height;
            else word += CharWidth(Next(text, next)) * height;
            end = next;
        }
        if (!lineEmpty && used + word > room) {
            ++lines;
            lineBreak(i, false);
            used = 0;
            lineEmpty = true;
        }
        if (word <= room - used || width <= 0) {
            used += word;
        } else {
            // Broken between characters, each piece as much as fits on its line.
            for (size_t k = i; k < end;) {
                size_t next = k;
                const double w = (text[k] == '\\' && k + 1 < end && text[k + 1] == '\\') ? (next = k + 2, CharWidth(U'\\') * height)
                                                                                          : CharWidth(Next(text, next)) * height;
                if (used > 0 && used + w > room) {
                    ++lines;
                    lineBreak(k, true);
                    used = 0;
                }
                used += w;
                k = next;
            }
        }
        lineEmpty = false;
        i = end;
    }
    return lines;
}

template <class OnParagraph>
void ForEachParagraph(std::string_view text, OnParagraph&& paragraph) {
    size_t start = 0;
    for (size_t i = 0; i < text.size();) {
        if (const size_t n = BreakAt(text, i)) {
            paragraph(start, text.substr(start, i - start), n);
            i += n;
            start = i;
        } else {
            i += text[i] == '\\' && i + 1 < text.size() ? 2 : 1;
        }
    }
    paragraph(start, text.substr(start), size_t{0});
}

bool Plain(std::string_view text) {
    for (char c : text)
        if (c == '\\' || c == '\n' || c == '\r') return false;
    return true;
}

}  // namespace

double CharWidth(char32_t c) {
    if (c >= 32 && c < 127) return kAsciiWidths[c - 32] / 1000.0 * kMargin;
    if (c < 32) return 0;
    // Latin letters with accents are about as wide as their plain letters; Greek, Cyrillic and
    // wider scripts (and whatever else a font may hold) get the width of the widest.
    return c < 0x0300 ? 1.0 * kMargin : kWidest;
}

double TextWidth(std::string_view utf8, double height) {
    double w = 0;
    for (size_t i = 0; i < utf8.size();) w += CharWidth(Next(utf8, i));
    return w * height;
}

int WrappedLineCount(std::string_view utf8, double height, double width) {
    // Most cell texts are one short line: no need to look at each character.
    const bool plain = Plain(utf8);
    if (plain && (width <= 0 || static_cast<double>(utf8.size()) * kWidest * height <= width)) return 1;
    int lines = 0;
    ForEachParagraph(utf8, [&](size_t, std::string_view p, size_t) {
        lines += width > 0 ? WrapParagraph(p, height, width, [](size_t, bool) {}) : 1;
    });
    return lines;
}

std::string BreakLongWords(std::string_view utf8, double height, double width) {
    if (width <= 0 || static_cast<double>(utf8.size()) * kWidest * height <= width) return std::string(utf8);
    std::string out;
    out.reserve(utf8.size() + 8);
    ForEachParagraph(utf8, [&](size_t start, std::string_view p, size_t breakLength) {
        size_t copied = 0;
        WrapParagraph(p, height, width, [&](size_t at, bool insideWord) {
            if (!insideWord) return;
            out.append(p.substr(copied, at - copied)).append("\\P");
            copied = at;
        });
        out.append(p.substr(copied));
        out.append(utf8.substr(start + p.size(), breakLength));
    });
    return out;
}

double TextBlockHeight(int lines, double height) {
    return lines <= 0 ? 0 : height * (4.0 / 3.0 + (lines - 1) * 5.0 / 3.0);
}

}  // namespace platform
