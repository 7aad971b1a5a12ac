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
enum class TagType { String, Double, Int16, Int32, Int64, Bool, Handle, Binary, Unknown };

TagType TagTypeOf(int code);

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

    std::optional<double> AsDouble() const;
    std::optional<std::int64_t> AsInt() const;  // int16/int32/int64/bool codes
    std::optional<Handle> AsHandle() const;
    std::wstring AsWide() const;  // string values as wide text

    double DoubleOr(double fallback) const { return AsDouble().value_or(fallback); }
    std::int64_t IntOr(std::int64_t fallback) const { return AsInt().value_or(fallback); }

private:
    // Sixteen bytes a tag: a large drawing holds tens of millions of them.
    std::uint32_t m_size = 0;
    const char* m_data = nullptr;
};

inline bool operator==(const Tag& a, const Tag& b) { return a.code == b.code && a.Value() == b.Value(); }

// Why a value of the given code is not acceptable, or empty when it is. Used by the reader.
const char* CheckValue(int code, std::string_view value);

// A group code line as CAD programs write it: right-aligned in three columns, with its line end.
std::string_view GroupCodeLine(int code);

// Trims the blanks DXF writers pad numbers with.
std::string_view TrimBlanks(std::string_view text);

}  // namespace platform::dxf
