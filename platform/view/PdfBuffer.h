#pragma once
// Bytes of PDF syntax appended to a buffer: numbers in fixed notation (PDF has no exponents),
// names, strings and operators. Page content runs to tens of megabytes, so numbers go through
// integer formatting rather than streams, and are written in place.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace platform::view {

class PdfBuffer {
public:
    PdfBuffer() = default;
    PdfBuffer(PdfBuffer&& other) noexcept
        : m_data(std::move(other.m_data)), m_size(std::exchange(other.m_size, 0)), m_capacity(std::exchange(other.m_capacity, 0)) {}
    PdfBuffer& operator=(PdfBuffer&& other) noexcept {
        m_data = std::move(other.m_data);
        m_size = std::exchange(other.m_size, 0);
        m_capacity = std::exchange(other.m_capacity, 0);
        return *this;
    }

    std::string_view View() const { return {m_data.get(), m_size}; }
    size_t Size() const { return m_size; }
    void Clear() { m_size = 0; }
    void Reserve(size_t n) {
        if (n > m_capacity) Reallocate(n);
    }

    // Room for n more bytes at the returned pointer; Wrote(end) keeps those written up to end.
    // The writers below go through it, so the hot paths check the room once and then store.
    char* Room(size_t n) {
        if (m_capacity - m_size < n) Reallocate(std::max(m_size + n, m_capacity * 2));
        return m_data.get() + m_size;
    }
    void Wrote(const char* end) { m_size = static_cast<size_t>(end - m_data.get()); }

    PdfBuffer& Raw(std::string_view s) {
        char* p = Room(s.size());
        if (!s.empty()) std::memcpy(p, s.data(), s.size());
        m_size += s.size();
        return *this;
    }
    PdfBuffer& Char(char c) {
        *Room(1) = c;
        ++m_size;
        return *this;
    }
    PdfBuffer& Int(long long v) {
        char* p = Room(kIntRoom);
        Wrote(std::to_chars(p, p + kIntRoom, v).ptr);
        return *this;
    }
    // v with at most `decimals` digits after the point, trailing zeros dropped, then a space.
    PdfBuffer& Num(double v, int decimals = 2) {
        char* p = Room(kNumberRoom);
        if (char* end = WriteFixed(p, v, decimals)) {
            *end = ' ';
            Wrote(end + 1);
        } else {
            NumOutOfRange(v);
        }
        return *this;
    }
    // The value a reader gets back from Num(v, decimals).
    static double Rounded(double v, int decimals) {
        const double scale = kPowers[decimals];
        const double s = v * scale;
        if (!(std::abs(s) < 9e15)) return v;
        return static_cast<double>(RoundToInteger(s)) / scale;
    }
    // Decimals enough to keep about `significant` digits of v (at least 2, at most 9).
    static int DecimalsFor(double v, int significant) {
        const double a = std::abs(v);
        int d = significant;
        for (double limit = 1; a >= limit && d > 2; limit *= 10) --d;
        for (double limit = 0.1; a > 0 && a < limit && d < 9; limit /= 10) ++d;
        return d > 9 ? 9 : d;
    }

    // v as Num writes it, without the space, at p (kNumberRoom bytes); the end of what was
    // written, or null when v is beyond the integer path (or not finite).
    static char* WriteFixed(char* p, double v, int decimals) {
        // The divisions by a power of ten are by constants in each case, and so cheap.
        switch (decimals) {
        case 0: return WriteFixedIn<0>(p, v);
        case 1: return WriteFixedIn<1>(p, v);
        case 2: return WriteFixedIn<2>(p, v);
        case 3: return WriteFixedIn<3>(p, v);
        case 4: return WriteFixedIn<4>(p, v);
        case 5: return WriteFixedIn<5>(p, v);
        case 6: return WriteFixedIn<6>(p, v);
        case 7: return WriteFixedIn<7>(p, v);
        case 8: return WriteFixedIn<8>(p, v);
        default: return WriteFixedIn<9>(p, v);
        }
    }
    static constexpr size_t kNumberRoom = 32;

    // A literal string of raw bytes; the delimiters, the escape and line ends are escaped.
    PdfBuffer& LiteralString(const char* data, size_t size) {
        char* p = Room(2 * size + 2);
        *p++ = '(';
        for (size_t i = 0; i < size; ++i) {
            const char c = data[i];
            switch (c) {
            case '(': case ')': case '\\': *p++ = '\\', *p++ = c; break;
            case '\r': *p++ = '\\', *p++ = 'r'; break;
            case '\n': *p++ = '\\', *p++ = 'n'; break;
            default: *p++ = c;
            }
        }
        *p++ = ')';
        Wrote(p);
        return *this;
    }
    // Text as UTF-16BE with its byte order mark, in hexadecimal (info and marked content).
    PdfBuffer& TextString(std::u16string_view text) {
        static const char* hex = "0123456789ABCDEF";
        char* p = Room(4 * text.size() + 6);
        std::memcpy(p, "<FEFF", 5), p += 5;
        for (char16_t c : text)
            for (int shift = 12; shift >= 0; shift -= 4) *p++ = hex[(c >> shift) & 15];
        *p++ = '>';
        Wrote(p);
        return *this;
    }

private:
    static constexpr size_t kIntRoom = 24;

    // Half away from zero, as llround, without the library call (|s| < 9e15).
    static long long RoundToInteger(double s) { return static_cast<long long>(s < 0 ? s - 0.5 : s + 0.5); }

    template <int kDecimals>
    static char* WriteFixedIn(char* p, double v) {
        constexpr long long unit = static_cast<long long>(kPowers[kDecimals]);
        const double s = v * static_cast<double>(unit);
        if (!(std::abs(s) < 9e15)) return nullptr;
        long long n = RoundToInteger(s);
        if (n < 0) *p++ = '-', n = -n;
        const auto whole = static_cast<unsigned long long>(n / unit);
        auto frac = static_cast<unsigned long long>(n % unit);
        p = std::to_chars(p, p + 20, whole).ptr;
        if (frac != 0) {
            // All the places, then the trailing zeros taken back (there is a digit other than 0).
            *p++ = '.';
            for (int i = kDecimals - 1; i >= 0; --i, frac /= 10) p[i] = static_cast<char>('0' + frac % 10);
            p += kDecimals;
            while (p[-1] == '0') --p;
        }
        return p;
    }

    // Beyond what the integer path holds: callers keep numbers sane, this only keeps the
    // syntax valid.
    void NumOutOfRange(double v) {
        if (!std::isfinite(v)) v = 0;
        char buf[400];
        const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 0);
        Raw(std::string_view(buf, static_cast<size_t>(r.ptr - buf)));
        Char(' ');
    }

    void Reallocate(size_t capacity) {
        // Not zeroed: every byte is written before it is kept.
        auto data = std::make_unique_for_overwrite<char[]>(capacity);
        if (m_size > 0) std::memcpy(data.get(), m_data.get(), m_size);
        m_data = std::move(data);
        m_capacity = capacity;
    }

    static constexpr double kPowers[10] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
    std::unique_ptr<char[]> m_data;
    size_t m_size = 0, m_capacity = 0;
};

}  // namespace platform::view
