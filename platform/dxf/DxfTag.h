#pragma once
// One DXF group: a group code and its value. Values stay the text that was read (after the
// file's text decoding to UTF-8), so a drawing written back holds exactly what it held when it
// was read; typed accessors interpret that text on demand.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform::dxf {

// The value type of a group code, from the code ranges of the DXF reference.
enum class TagType : unsigned char { String, Double, Int16, Int32, Int64, Bool, Handle, Binary, Unknown };

namespace detail {

constexpr TagType ClassifyCode(int code) {
    if (code == 5 || code == 105) return TagType::Handle;
    if (code >= 0 && code <= 9) return TagType::String;
    if (code >= 10 && code <= 59) return TagType::Double;
    if (code >= 60 && code <= 79) return TagType::Int16;
    if (code >= 90 && code <= 99) return TagType::Int32;
    if (code == 100 || code == 101 || code == 102) return TagType::String;
    if (code >= 110 && code <= 149) return TagType::Double;
    if (code >= 160 && code <= 169) return TagType::Int64;
    if (code >= 170 && code <= 179) return TagType::Int16;
    if (code >= 210 && code <= 239) return TagType::Double;
    if (code >= 270 && code <= 289) return TagType::Int16;
    if (code >= 290 && code <= 299) return TagType::Bool;
    if (code >= 300 && code <= 309) return TagType::String;
    if (code >= 310 && code <= 319) return TagType::Binary;
    if (code >= 320 && code <= 369) return TagType::Handle;
    if (code >= 370 && code <= 389) return TagType::Int16;
    if (code >= 390 && code <= 399) return TagType::Handle;
    if (code >= 400 && code <= 409) return TagType::Int16;
    if (code >= 410 && code <= 419) return TagType::String;
    if (code >= 420 && code <= 429) return TagType::Int32;
    if (code >= 430 && code <= 439) return TagType::String;
    if (code >= 440 && code <= 459) return TagType::Int32;
    if (code >= 460 && code <= 469) return TagType::Double;
    if (code >= 470 && code <= 479) return TagType::String;
    if (code >= 480 && code <= 481) return TagType::Handle;
    if (code == 999) return TagType::String;
    if (code == 1004) return TagType::Binary;
    if (code == 1005) return TagType::Handle;
    if (code >= 1000 && code <= 1009) return TagType::String;
    if (code >= 1010 && code <= 1059) return TagType::Double;
    if (code >= 1060 && code <= 1070) return TagType::Int16;
    if (code == 1071) return TagType::Int32;
    if (code < 0) return TagType::String;
    return TagType::Unknown;
}

// Looked up for every tag read and written, so the ranges are tabulated at compile time.
struct TagTypeTable {
    TagType types[1077];
    constexpr TagTypeTable() : types{} {
        for (int c = -5; c <= 1071; ++c) types[c + 5] = ClassifyCode(c);
    }
};
inline constexpr TagTypeTable kTagTypes{};

}  // namespace detail

inline TagType TagTypeOf(int code) {
    return (code >= -5 && code <= 1071) ? detail::kTagTypes.types[code + 5] : TagType::Unknown;
}

// A handle is a 64-bit number written in hexadecimal; 0 means none.
using Handle = std::uint64_t;

std::optional<Handle> ParseHandle(std::string_view text);
std::string FormatHandle(Handle handle);

struct Tag {
    int code = 0;

    Tag() = default;
    constexpr Tag(int c, std::string_view v) : code(c), m_size(static_cast<std::uint32_t>(v.size())), m_data(v.data()) {}

    // UTF-8 text owned by the document (or a literal); never contains a line end.
    constexpr std::string_view Value() const { return {m_data, m_size}; }
    void SetValue(std::string_view v) {
        m_data = v.data();
        m_size = static_cast<std::uint32_t>(v.size());
    }

    TagType Type() const { return TagTypeOf(code); }
    bool Is(int c, std::string_view v) const { return code == c && Value() == v; }

    // Plain decimals whose digits make an integer a double holds exactly ("0.0", "-12.5",
    // "0.7000000000000001": most of a drawing's numbers) are read here: that integer divided by
    // a power of ten, both exact, so the one rounding is the one a conversion makes. Others are
    // converted.
    std::optional<double> AsDouble() const {
        static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                             1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
        const char* p = m_data;
        const char* const end = m_data + m_size;
        const bool negative = p != end && *p == '-';
        if (negative) ++p;
        // The digits before the point and after it, as one integer; more than 19 of them
        // (past what 64 bits hold) go to the conversion, whatever the sum wrapped to.
        const char* const first = p;
        std::uint64_t digits = 0;
        unsigned d;
        while (p != end && (d = static_cast<unsigned>(*p - '0')) < 10) digits = digits * 10 + d, ++p;
        const long whole = p - first;
        long fraction = 0;
        if (p != end && *p == '.') {
            const char* const point = ++p;
            while (p != end && (d = static_cast<unsigned>(*p - '0')) < 10) digits = digits * 10 + d, ++p;
            fraction = p - point;
        }
        const long count = whole + fraction;
        if (p != end || count == 0 || count > 19 || digits > (std::uint64_t(1) << 53)) return AsDoubleByConverting();
        double v = static_cast<double>(digits);
        if (fraction > 0) v /= kPowers[fraction];
        return negative ? -v : v;
    }

    // int16/int32/int64/bool codes. Most integers are a few plain digits, perhaps padded: those
    // are read here, without a call (a table reads millions).
    std::optional<std::int64_t> AsInt() const {
        const char* p = m_data;
        const char* const end = m_data + m_size;
        while (p != end && *p == ' ') ++p;
        const bool negative = p != end && *p == '-';
        if (negative) ++p;
        if (p != end && end - p <= 9) {
            std::int64_t n = 0;
            for (; p != end; ++p) {
                if (*p < '0' || *p > '9') return AsIntByConverting();
                n = n * 10 + (*p - '0');
            }
            return negative ? -n : n;
        }
        return AsIntByConverting();
    }
    std::optional<Handle> AsHandle() const;
    std::wstring AsWide() const;  // string values as wide text

    double DoubleOr(double fallback) const { return AsDouble().value_or(fallback); }
    std::int64_t IntOr(std::int64_t fallback) const { return AsInt().value_or(fallback); }

private:
    std::optional<std::int64_t> AsIntByConverting() const;
    std::optional<double> AsDoubleByConverting() const;

    // Sixteen bytes a tag: a large drawing holds tens of millions of them.
    std::uint32_t m_size = 0;
    const char* m_data = nullptr;
};

inline bool operator==(const Tag& a, const Tag& b) { return a.code == b.code && a.Value() == b.Value(); }

namespace detail {

// The forms nearly every number takes ("-12", "    1", "0.5", "-.25"), accepted without converting
// them; anything else is checked by conversion.
inline bool IsPlainInteger(std::string_view v, size_t maxDigits) {
    while (!v.empty() && v[0] == ' ') v.remove_prefix(1);  // integers are often padded
    size_t i = !v.empty() && v[0] == '-' ? 1 : 0;
    if (v.size() == i || v.size() - i > maxDigits) return false;
    for (; i < v.size(); ++i)
        if (v[i] < '0' || v[i] > '9') return false;
    return true;
}

inline bool IsPlainDecimal(std::string_view v) {
    size_t i = !v.empty() && v[0] == '-' ? 1 : 0;
    if (v.size() - i > 300) return false;  // longer ones may leave the range of a double
    size_t digits = 0, dots = 0;
    for (; i < v.size(); ++i) {
        if (v[i] >= '0' && v[i] <= '9') ++digits;
        else if (v[i] != '.' || ++dots > 1) return false;
    }
    return digits > 0;
}

inline bool IsPlainHandle(std::string_view v) {
    if (v.empty() || v.size() > 16) return false;
    for (char c : v)
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'))) return false;
    return true;
}

const char* CheckValueByConverting(int code, std::string_view value);

}  // namespace detail

// Why a value of the given code is not acceptable, or empty when it is. Used by the reader,
// for every value read.
[[gnu::always_inline]] inline const char* CheckValue(int code, std::string_view value) {
    switch (TagTypeOf(code)) {
    case TagType::String:
    case TagType::Unknown: return nullptr;
    case TagType::Double:
        if (detail::IsPlainDecimal(value)) return nullptr;
        break;
    case TagType::Int16:
    case TagType::Bool:
        if (detail::IsPlainInteger(value, 4)) return nullptr;
        break;
    case TagType::Int32:
    case TagType::Int64:
        if (detail::IsPlainInteger(value, 9)) return nullptr;
        break;
    case TagType::Handle:
        if (detail::IsPlainHandle(value)) return nullptr;
        break;
    default: break;
    }
    return detail::CheckValueByConverting(code, value);
}

namespace detail {

// "%3d\n" for every group code, made at compile time.
struct GroupCodeLines {
    char text[1077][8];
    unsigned char size[1077];
    constexpr GroupCodeLines() : text{}, size{} {
        for (int code = -5; code <= 1071; ++code) {
            char digits[8] = {};
            int n = 0;
            for (int v = code < 0 ? -code : code; n == 0 || v != 0; v /= 10) digits[n++] = static_cast<char>('0' + v % 10);
            if (code < 0) digits[n++] = '-';
            char* out = text[code + 5];
            int k = 0;
            for (int pad = 3 - n; pad > 0; --pad) out[k++] = ' ';
            while (n > 0) out[k++] = digits[--n];
            out[k++] = '\n';
            size[code + 5] = static_cast<unsigned char>(k);
        }
    }
};
inline constexpr GroupCodeLines kGroupCodeLines{};

}  // namespace detail

// A group code line as CAD programs write it: right-aligned in three columns, with its line end.
inline std::string_view GroupCodeLine(int code) {
    if (code < -5 || code > 1071) return {};
    return {detail::kGroupCodeLines.text[code + 5], detail::kGroupCodeLines.size[code + 5]};
}

// Trims the blanks DXF writers pad numbers with.
std::string_view TrimBlanks(std::string_view text);

}  // namespace platform::dxf
