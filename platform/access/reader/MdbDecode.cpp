// Decoding field values inside the reader process (see MdbDecode.h).
#include "access/reader/MdbDecode.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "access/MdbReader.h"

namespace platform::mdb::decode {
namespace {

void AppendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Windows-1252, the code page of Jet 3 files written in the West.
constexpr std::uint16_t kCp1252High[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

}  // namespace

void DecodeText(bool jet3, const unsigned char* p, size_t n, std::string& out) {
    out.clear();
    if (jet3) {
        for (size_t i = 0; i < n; ++i) {
            const unsigned char c = p[i];
            AppendUtf8(out, (c >= 0x80 && c < 0xA0) ? kCp1252High[c - 0x80] : c);
        }
        return;
    }
    // UTF-16LE, optionally in the compressed form that starts with FF FE: single bytes
    // stand for U+0000..U+00FF, and a zero byte toggles between one- and two-byte units.
    std::u16string units;
    units.reserve(n);
    if (n >= 2 && p[0] == 0xFF && p[1] == 0xFE) {
        bool compressed = true;
        size_t i = 2;
        while (i < n) {
            if (p[i] == 0) {
                compressed = !compressed;
                ++i;
            } else if (compressed) {
                units.push_back(p[i++]);
            } else if (i + 1 < n) {
                units.push_back(static_cast<char16_t>(p[i] | (p[i + 1] << 8)));
                i += 2;
            } else {
                break;
            }
        }
    } else {
        for (size_t i = 0; i + 1 < n; i += 2) units.push_back(static_cast<char16_t>(p[i] | (p[i + 1] << 8)));
    }
    for (size_t i = 0; i < units.size(); ++i) {
        std::uint32_t cp = units[i];
        if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] < 0xE000) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (units[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp < 0xE000) {
            cp = 0xFFFD;
        }
        AppendUtf8(out, cp);
    }
}

namespace {


// A long value (memo or OLE): inline in the row, on one other page, or on a chain of pages.
// The chain is followed at most once per page of the file.
bool ReadLongValue(MdbHandle* mdb, const FileLimits& limits, int start, int size, std::string& out) {
    out.clear();
    if (size < MDB_MEMO_OVERHEAD || start < 0 || start + size > limits.pageSize) return false;
    const unsigned char* row = mdb->pg_buf + start;
    const std::uint32_t header = static_cast<std::uint32_t>(mdb_get_int32(const_cast<unsigned char*>(row), 0));
    const std::uint32_t length = header & 0x3FFFFFFFu;
    void* buf = nullptr;
    int rowStart = 0;
    size_t rowLength = 0;
    if (header & 0x80000000u) {
        out.assign(reinterpret_cast<const char*>(row + MDB_MEMO_OVERHEAD), static_cast<size_t>(size - MDB_MEMO_OVERHEAD));
        return true;
    }
    std::int32_t pageRow = static_cast<std::int32_t>(mdb_get_int32(const_cast<unsigned char*>(row), 4));
    if (header & 0x40000000u) {
        if (mdb_find_pg_row(mdb, pageRow, &buf, &rowStart, &rowLength) != 0) return false;
        if (rowStart < 0 || rowStart + static_cast<long>(rowLength) > limits.pageSize) return false;
        out.assign(static_cast<const char*>(buf) + rowStart, rowLength);
        return true;
    }
    if (header & 0xFF000000u) return false;
    for (long hops = 0; pageRow != 0 && hops <= limits.pages; ++hops) {
        if (mdb_find_pg_row(mdb, pageRow, &buf, &rowStart, &rowLength) != 0 || rowLength < 4) return false;
        if (rowStart < 0 || rowStart + static_cast<long>(rowLength) > limits.pageSize) return false;
        const char* chunk = static_cast<const char*>(buf) + rowStart;
        out.append(chunk + 4, rowLength - 4);
        if (out.size() >= length) break;
        pageRow = static_cast<std::int32_t>(mdb_get_int32(const_cast<char*>(chunk), 0));
    }
    if (out.size() > length) out.resize(length);
    return true;
}

std::string GuidText(const unsigned char* k) {
    char text[40];
    std::snprintf(text, sizeof text, "{%02X%02X%02X%02X-%02X%02X-%02X%02X-%02X%02X-%02X%02X%02X%02X%02X%02X}", k[3], k[2], k[1], k[0], k[5], k[4],
                  k[7], k[6], k[8], k[9], k[10], k[11], k[12], k[13], k[14], k[15]);
    return text;
}

std::int64_t LoadI64(const unsigned char* p) {
    std::int64_t v;
    std::memcpy(&v, p, 8);
    return v;
}

// A Decimal's magnitude as a double: 32-bit little-endian words, the most significant first.
double DecimalMagnitude(const unsigned char* words, int count) {
    double magnitude = 0;
    for (int k = 0; k < count; ++k) {
        const unsigned char* b = words + 4 * k;
        magnitude = magnitude * 4294967296.0 + static_cast<double>(b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<std::uint32_t>(b[3]) << 24));
    }
    return magnitude;
}

// A calculated Decimal: length (16 bits), scale, sign, then the magnitude in up to 16 bytes,
// as a big-endian number whose 8-byte groups (and a leading 4-byte group) are each stored
// little-endian.
bool CalculatedDecimal(const unsigned char* p, size_t n, double& out) {
    if (n < 4) return false;
    const int total = p[0] | (p[1] << 8);
    const int scale = p[2];
    const bool negative = p[3] != 0;
    size_t bytes = (total > 0 ? static_cast<size_t>(total) : n - 2) - 2;
    bytes = std::min<size_t>(bytes / 4 * 4, 16);
    if (4 + bytes > n || scale > 28) return false;
    const unsigned char* m = p + 4;
    double magnitude = 0;
    size_t at = 0;
    auto group = [&](size_t width) {  // one little-endian group, most significant group first
        for (size_t k = width; k-- > 0;) magnitude = magnitude * 256.0 + m[at + k];
        at += width;
    };
    if (bytes % 8) group(4);
    while (at < bytes) group(8);
    magnitude /= std::pow(10.0, scale);
    out = negative ? -magnitude : magnitude;
    return true;
}

// A Date/Time Extended value: 42 bytes of ASCII, the days since 1 January 1 (19 digits), a
// colon, the ten-millionths of a second since midnight (19 digits), a colon and the digits of
// precision kept.
// OLE dates (days since 30 December 1899) hold the years 100 to 9999; outside them, and
// for a value that does not parse, the text of the date is written instead.
bool ExtendedDate(const unsigned char* p, size_t n, double& oleDate, std::string& text) {
    auto number = [&](size_t at, size_t digits, long long& out) {
        if (at + digits > n) return false;
        out = 0;
        for (size_t i = at; i < at + digits; ++i) {
            if (p[i] < '0' || p[i] > '9') return false;
            out = out * 10 + (p[i] - '0');
        }
        return true;
    };
    long long days = 0, ticks = 0;
    if (!number(0, 19, days) || n < 20 || p[19] != ':' || !number(20, 19, ticks) || n < 40 || p[39] != ':' || days > 3652058 ||
        ticks >= 864000000000LL)
        return false;
    const long long seconds = ticks / 10000000;
    constexpr long long kDaysTo1899 = 693593;  // from 1 January 1 to 30 December 1899
    const long long day = days - kDaysTo1899;
    const double fraction = static_cast<double>(seconds) / 86400.0;  // the ticks are dropped
    oleDate = day >= 0 ? static_cast<double>(day) + fraction : static_cast<double>(day) - fraction;
    text.clear();
    if (day >= -657434) return true;  // 1 January 100
    // Before the year 100: the civil date of the day count (proleptic Gregorian), the year
    // written as the C runtime writes it.
    long long z = days + 306;  // days since 1 March of year 0
    const long long era = z / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const long long dd = doy - (153 * mp + 2) / 5 + 1;
    const long long mm = mp < 10 ? mp + 3 : mp - 9;
    const long long yy = yoe + era * 400 + (mm <= 2 ? 1 : 0);
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%lld-%02lld-%02lld %02lld:%02lld:%02lld", yy, mm, dd, seconds / 3600, seconds / 60 % 60, seconds % 60);
    text = buffer;
    return true;
}

constexpr int kCalcLengthAt = 16;  // a calculated value: a header, its length, then the value
constexpr int kCalcDataAt = 20;

}  // namespace

int ResultTypeOf(const MdbColumn* col) {
    const char* text = mdb_col_get_prop(col, "ResultType");
    if (!text) return 0;
    switch (std::atoi(text)) {
    case 1: return kBool;
    case 2: return kByte;
    case 3: return kInt;
    case 4: return kLong;
    case 5: return kMoney;
    case 6: return kFloat;
    case 7: return kDouble;
    case 8: return kDateTime;
    case 10: return kText;
    case 12: return kMemo;
    case 15: return kRepId;
    case 16:
    case 20: return kNumeric;
    default: return 0;
    }
}

ColumnCoding CodingOf(const MdbColumn* col) {
    ColumnCoding coding;
    coding.type = col->col_type;
    coding.scale = col->col_prec;
    if (mdb_col_get_prop(col, "Expression")) {
        if (const int result = ResultTypeOf(col)) {
            coding.type = result;
            coding.calculated = true;
        }
    }
    return coding;
}

namespace {

// Writes the values of one row's fields; the buffers are reused from value to value.
class ValueWriter {
public:
    ValueWriter(wire::Writer& w, MdbHandle* mdb, const FileLimits& limits, bool jet3, std::string& scratch, std::string& text)
        : m_w(w), m_mdb(mdb), m_limits(limits), m_jet3(jet3), m_scratch(scratch), m_text(text) {}

    void Write(const ColumnCoding& coding, const MdbField& field) {
        if (coding.type == MDB_BOOL && !coding.calculated) {  // the null bit holds the value: set is Yes
            Int(field.is_null ? 0 : -1);
            return;
        }
        const int start = field.start;
        const int size = field.siz;
        if (field.is_null || start < 0 || size < 0 || start + size > m_limits.pageSize) {
            Null();
            return;
        }
        const unsigned char* p = m_mdb->pg_buf + start;
        size_t n = static_cast<size_t>(size);
        if (coding.calculated && Calculated(coding.type, p, n, start, size)) return;
        if (!Stored(coding, p, n, start, size)) Null();
    }

private:
    // Each writes a tagged value, and is true: the value is written.
    bool Null() {
        m_w.U8(Value::Null);
        return true;
    }
    bool Int(std::int64_t v) {
        m_w.U8(Value::Int);
        m_w.I64(v);
        return true;
    }
    bool Real(double v) {
        m_w.U8(Value::Real);
        m_w.F64(v);
        return true;
    }
    bool Text(const unsigned char* p, size_t n) {
        DecodeText(m_jet3, p, n, m_text);
        m_w.U8(Value::Text);
        m_w.Str(m_text);
        return true;
    }
    bool Text(std::string_view utf8) {
        m_w.U8(Value::Text);
        m_w.Str(utf8);
        return true;
    }
    bool Blob(std::string_view bytes) {
        m_w.U8(Value::Blob);
        m_w.Str(bytes);
        return true;
    }
    // The long value (memo or OLE) whose reference is at start, into m_scratch.
    bool Long(int start, int size) { return ReadLongValue(m_mdb, m_limits, start, size, m_scratch); }

    // A calculated column: the last computed value, of the result type, after the
    // calculation's own header; a long result is a long value holding that same form. True
    // when written; false leaves p and n on a fixed-size result, read as its type reads.
    bool Calculated(int type, const unsigned char*& p, size_t& n, int start, int size) {
        if (type == MDB_MEMO) {
            if (!Long(start, size)) return Null();
            p = reinterpret_cast<const unsigned char*>(m_scratch.data());
            n = m_scratch.size();
        }
        if (n < kCalcDataAt) return Null();
        const std::uint32_t length = static_cast<std::uint32_t>(p[kCalcLengthAt] | (p[kCalcLengthAt + 1] << 8) | (p[kCalcLengthAt + 2] << 16)) |
                                     (static_cast<std::uint32_t>(p[kCalcLengthAt + 3]) << 24);
        p += kCalcDataAt;
        n = std::min<size_t>(n - kCalcDataAt, length);
        if (n == 0) return Null();
        switch (type) {
        case MDB_BOOL: return Int(p[0] ? -1 : 0);
        case MDB_TEXT:
        case MDB_MEMO: return Text(p, n);
        case MDB_NUMERIC: {
            double d;
            if (!CalculatedDecimal(p, n, d)) return Null();
            return Real(d);
        }
        default: return false;
        }
    }

    // A value as its column's type stores it, in the n bytes at p (a long value: referenced
    // from the row at start); false when those do not hold one.
    bool Stored(const ColumnCoding& coding, const unsigned char* p, size_t n, int start, int size) {
        switch (coding.type) {
        case MDB_BYTE:
            if (n < 1) return false;
            return Int(p[0]);
        case MDB_INT:
            if (n < 2) return false;
            return Int(static_cast<std::int16_t>(p[0] | (p[1] << 8)));
        case MDB_LONGINT:
        case MDB_COMPLEX: {
            if (n < 4) return false;
            std::int32_t v;
            std::memcpy(&v, p, 4);
            return Int(v);
        }
        case kBigInt:
        case MDB_MONEY:  // the 64-bit count of ten-thousandths, kept as that integer
            if (n < 8) return false;
            return Int(LoadI64(p));
        case MDB_FLOAT: {
            if (n < 4) return false;
            float f;
            std::memcpy(&f, p, 4);
            return Real(f);
        }
        case MDB_DOUBLE:
        case MDB_DATETIME: {
            if (n < 8) return false;
            double d;
            std::memcpy(&d, p, 8);
            return Real(d);
        }
        case MDB_TEXT: return Text(p, n);
        case MDB_MEMO:
            if (!Long(start, size)) return false;
            return Text(reinterpret_cast<const unsigned char*>(m_scratch.data()), m_scratch.size());
        case MDB_OLE:
            if (!Long(start, size)) return false;
            return Blob(m_scratch);
        case MDB_BINARY: return Blob(std::string_view(reinterpret_cast<const char*>(p), n));
        case MDB_REPID:
            if (n < 16) return false;
            return Text(GuidText(p));
        case kExtendedDate: {
            double date = 0;
            if (!ExtendedDate(p, n, date, m_text)) return false;
            return m_text.empty() ? Real(date) : Text(std::string_view(m_text));
        }
        case MDB_NUMERIC: {
            // Precision, scale (in the column), sign byte, then four 32-bit words, the most
            // significant first; computed in double precision as the value is handed over.
            if (n < 17) return false;
            const double magnitude = DecimalMagnitude(p + 1, 4) / std::pow(10.0, std::clamp(coding.scale, 0, 28));
            return Real((p[0] & 0x80) ? -magnitude : magnitude);
        }
        default: return false;
        }
    }

    wire::Writer& m_w;
    MdbHandle* m_mdb;
    const FileLimits& m_limits;
    bool m_jet3;
    std::string& m_scratch;
    std::string& m_text;
};

}  // namespace

void WriteValue(wire::Writer& w, MdbHandle* mdb, const FileLimits& limits, bool jet3, const ColumnCoding& coding, const MdbField& field,
                std::string& scratch, std::string& text) {
    ValueWriter(w, mdb, limits, jet3, scratch, text).Write(coding, field);
}

}  // namespace platform::mdb::decode
