#pragma once
// Bytes of PDF syntax appended to a string: numbers in fixed notation (PDF has no exponents),
// names, strings and operators. Page content runs to tens of megabytes, so numbers go through
// integer formatting rather than streams.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

namespace platform::view {

class PdfBuffer {
public:
    std::string& Bytes() { return m_bytes; }
    const std::string& Bytes() const { return m_bytes; }
    size_t Size() const { return m_bytes.size(); }

    PdfBuffer& Raw(std::string_view s) {
        m_bytes.append(s);
        return *this;
    }
    PdfBuffer& Char(char c) {
        m_bytes.push_back(c);
        return *this;
    }
    PdfBuffer& Int(long long v) {
        char buf[24];
        const auto r = std::to_chars(buf, buf + sizeof buf, v);
        m_bytes.append(buf, r.ptr);
        return *this;
    }
    // v with at most `decimals` digits after the point, trailing zeros dropped, then a space.
    PdfBuffer& Num(double v, int decimals = 2) {
        AppendFixed(m_bytes, v, decimals);
        m_bytes.push_back(' ');
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

    // A literal string of raw bytes; the delimiters, the escape and line ends are escaped.
    PdfBuffer& LiteralString(const char* data, size_t size) {
        m_bytes.push_back('(');
        for (size_t i = 0; i < size; ++i) {
            const char c = data[i];
            switch (c) {
            case '(': case ')': case '\\': m_bytes.push_back('\\'); m_bytes.push_back(c); break;
            case '\r': m_bytes.append("\\r"); break;
            case '\n': m_bytes.append("\\n"); break;
            default: m_bytes.push_back(c);
            }
        }
        m_bytes.push_back(')');
        return *this;
    }
    // Text as UTF-16BE with its byte order mark, in hexadecimal (info and marked content).
    PdfBuffer& TextString(std::u16string_view text) {
        static const char* hex = "0123456789ABCDEF";
        m_bytes.append("<FEFF");
        for (char16_t c : text)
            for (int shift = 12; shift >= 0; shift -= 4) m_bytes.push_back(hex[(c >> shift) & 15]);
        m_bytes.push_back('>');
        return *this;
    }

    static void AppendFixed(std::string& out, double v, int decimals) {
        // The divisions by a power of ten are by constants in each case, and so cheap.
        switch (decimals) {
        case 0: AppendFixedIn<0>(out, v); break;
        case 1: AppendFixedIn<1>(out, v); break;
        case 2: AppendFixedIn<2>(out, v); break;
        case 3: AppendFixedIn<3>(out, v); break;
        case 4: AppendFixedIn<4>(out, v); break;
        case 5: AppendFixedIn<5>(out, v); break;
        case 6: AppendFixedIn<6>(out, v); break;
        case 7: AppendFixedIn<7>(out, v); break;
        case 8: AppendFixedIn<8>(out, v); break;
        default: AppendFixedIn<9>(out, v); break;
        }
    }

private:
    // Half away from zero, as llround, without the library call (|s| < 9e15).
    static long long RoundToInteger(double s) { return static_cast<long long>(s < 0 ? s - 0.5 : s + 0.5); }

    template <int kDecimals>
    static void AppendFixedIn(std::string& out, double v) {
        constexpr long long unit = static_cast<long long>(kPowers[kDecimals]);
        const double s = v * static_cast<double>(unit);
        if (!(std::abs(s) < 9e15)) {
            // Beyond what the integer path holds (or not finite): callers keep numbers sane,
            // this only keeps the syntax valid.
            if (!std::isfinite(v)) v = 0;
            char buf[400];
            const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 0);
            out.append(buf, r.ptr);
            return;
        }
        long long n = RoundToInteger(s);
        // Digits from the last: the fraction without its trailing zeros, the point, the rest.
        char buf[32];
        char* p = buf + sizeof buf;
        const bool negative = n < 0;
        if (negative) n = -n;
        long long whole = n / unit;
        long long frac = n - whole * unit;
        if (frac != 0) {
            int digits = kDecimals;
            while (frac % 10 == 0) frac /= 10, --digits;
            for (; digits > 0; --digits, frac /= 10) *--p = static_cast<char>('0' + frac % 10);
            *--p = '.';
        }
        do {
            *--p = static_cast<char>('0' + whole % 10);
            whole /= 10;
        } while (whole != 0);
        if (negative) *--p = '-';
        out.append(p, static_cast<size_t>(buf + sizeof buf - p));
    }

    static constexpr double kPowers[10] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
    std::string m_bytes;
};

}  // namespace platform::view
