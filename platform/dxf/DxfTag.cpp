#include "dxf/DxfTag.h"

#include <charconv>
#include <cmath>

#include "text/Utf8.h"

namespace platform::dxf {

std::string_view TrimBlanks(std::string_view text) {
    size_t b = 0, e = text.size();
    while (b < e && (text[b] == ' ' || text[b] == '\t')) ++b;
    while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t' || text[e - 1] == '\r')) --e;
    return text.substr(b, e - b);
}

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool ParseInteger(std::string_view text, std::int64_t& out) {
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && ptr == text.data() + text.size() && !text.empty();
}

bool ParseDouble(std::string_view text, double& out) {
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    const char first = text.front();
    // from_chars would take "nan" and "inf"; a drawing never holds them.
    if (!(first == '-' || first == '.' || (first >= '0' && first <= '9'))) return false;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && ptr == text.data() + text.size() && std::isfinite(out);
}

}  // namespace

std::optional<Handle> ParseHandle(std::string_view text) {
    text = TrimBlanks(text);
    if (text.empty() || text.size() > 16) return std::nullopt;
    Handle h = 0;
    for (char c : text) {
        const int d = HexDigit(c);
        if (d < 0) return std::nullopt;
        h = (h << 4) | static_cast<Handle>(d);
    }
    return h;
}

std::string FormatHandle(Handle handle) {
    char buf[17];
    int n = 0;
    do {
        buf[n++] = "0123456789ABCDEF"[handle & 0xF];
        handle >>= 4;
    } while (handle != 0);
    std::string out(static_cast<size_t>(n), '0');
    for (int i = 0; i < n; ++i) out[static_cast<size_t>(i)] = buf[n - 1 - i];
    return out;
}

std::optional<double> Tag::AsDoubleByConverting() const {
    double d = 0;
    if (ParseDouble(Value(), d)) return d;
    std::int64_t i = 0;
    if (ParseInteger(Value(), i)) return static_cast<double>(i);
    return std::nullopt;
}

std::optional<std::int64_t> Tag::AsIntByConverting() const {
    std::int64_t i = 0;
    if (ParseInteger(Value(), i)) return i;
    return std::nullopt;
}

std::optional<Handle> Tag::AsHandle() const { return ParseHandle(Value()); }

std::wstring Tag::AsWide() const { return platform::FromUtf8(Value()); }

const char* detail::CheckValueByConverting(int code, std::string_view value) {
    switch (TagTypeOf(code)) {
    case TagType::String:
    case TagType::Unknown:
        return nullptr;
    case TagType::Double: {
        double d = 0;
        return ParseDouble(value, d) ? nullptr : "expected a number";
    }
    case TagType::Int16:
    case TagType::Bool: {
        std::int64_t i = 0;
        if (!ParseInteger(value, i)) return "expected an integer";
        // Some writers store unsigned 16-bit values.
        return (i < -32768 || i > 65535) ? "integer out of range for a 16-bit value" : nullptr;
    }
    case TagType::Int32: {
        std::int64_t i = 0;
        if (!ParseInteger(value, i)) return "expected an integer";
        return (i < -2147483648LL || i > 4294967295LL) ? "integer out of range for a 32-bit value" : nullptr;
    }
    case TagType::Int64: {
        std::int64_t i = 0;
        if (ParseInteger(value, i)) return nullptr;
        std::uint64_t u = 0;
        const auto t = TrimBlanks(value);
        const auto [ptr, ec] = std::from_chars(t.data(), t.data() + t.size(), u);
        return (ec == std::errc() && ptr == t.data() + t.size() && !t.empty()) ? nullptr
                                                                               : "expected a 64-bit integer";
    }
    case TagType::Handle:
        // Empty means none: pointers to nothing, and R12 writers leave some handles blank.
        if (TrimBlanks(value).empty()) return nullptr;
        return ParseHandle(value) ? nullptr : "expected a hexadecimal handle";
    case TagType::Binary: {
        const auto t = TrimBlanks(value);
        if (t.size() % 2 != 0) return "binary data of odd length";
        for (char c : t)
            if (HexDigit(c) < 0) return "expected hexadecimal binary data";
        return nullptr;
    }
    }
    return nullptr;
}

}  // namespace platform::dxf
