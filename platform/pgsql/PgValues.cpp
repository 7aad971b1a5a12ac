#include "pgsql/PgValues.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "odbc/OdbcApi.h"
#include "odbc/OdbcValues.h"
#include "text/Utf8.h"

namespace platform::pgsql {
namespace {

// Type OIDs (the server's catalog pg_type; fixed since the types were made).
enum : unsigned {
    kBool = 16, kBytea = 17, kChar = 18, kName = 19, kInt8 = 20, kInt2 = 21, kInt4 = 23, kText = 25, kOid = 26, kXid = 28,
    kFloat4 = 700, kFloat8 = 701, kMoney = 790, kBpchar = 1042, kVarchar = 1043, kDate = 1082, kTime = 1083, kTimestamp = 1114,
    kTimestampTz = 1184, kInterval = 1186, kNumeric = 1700, kUuid = 2950, kXml = 142, kCidr = 650, kInet = 869,
};

// Characters a varchar without a length, or a type the driver does not know, is given as.
constexpr std::uint64_t kDriverVarcharSize = 255;
constexpr int kVarHeader = 4;  // what a character type's modifier adds to its length

// The column as PostgreSQL's ODBC driver describes it (its SQL type, size and type name).
odbc::ColumnInfo DriverDescription(unsigned type, int modifier) {
    odbc::ColumnInfo info;
    const auto chars = [&](int sqlType, std::uint64_t size) {
        info.type = sqlType;
        info.size = size;
    };
    switch (type) {
    case kBool: chars(odbc::kSqlWChar, 1), info.typeName = L"bool"; break;
    case kInt2: info.type = odbc::kSqlSmallInt; break;
    case kInt4: info.type = odbc::kSqlInteger; break;
    case kOid:
    case kXid: info.type = odbc::kSqlInteger, info.isUnsigned = true; break;
    case kInt8: info.type = odbc::kSqlBigInt; break;
    case kFloat4: info.type = odbc::kSqlReal; break;
    case kFloat8:
    case kMoney: info.type = odbc::kSqlFloat; break;
    case kNumeric: info.type = odbc::kSqlNumeric; break;
    case kDate: info.type = odbc::kSqlTypeDate; break;
    case kTime: info.type = odbc::kSqlTypeTime; break;
    case kTimestamp:
    case kTimestampTz: info.type = odbc::kSqlTypeTimestamp; break;
    case kUuid: info.type = odbc::kSqlGuid; break;
    case kBytea: info.type = odbc::kSqlLongVarBinary; break;
    case kText:
    case kXml: info.type = odbc::kSqlWLongVarChar; break;
    case kInterval: chars(odbc::kSqlWVarChar, 32); break;
    case kCidr:
    case kInet: chars(odbc::kSqlWVarChar, 50); break;
    case kChar: chars(odbc::kSqlWChar, 1); break;
    case kName: chars(odbc::kSqlWVarChar, 63); break;
    case kBpchar: chars(odbc::kSqlWChar, modifier > kVarHeader ? static_cast<std::uint64_t>(modifier - kVarHeader) : kDriverVarcharSize); break;
    case kVarchar: chars(odbc::kSqlWVarChar, modifier > kVarHeader ? static_cast<std::uint64_t>(modifier - kVarHeader) : kDriverVarcharSize); break;
    default: chars(odbc::kSqlWVarChar, kDriverVarcharSize); break;
    }
    return info;
}

PgKind KindOf(unsigned type) {
    switch (type) {
    case kBool: return PgKind::Bool;
    case kInt2: return PgKind::Short;
    case kInt4: return PgKind::Long;
    case kOid:
    case kXid: return PgKind::UnsignedLong;
    case kInt8: return PgKind::BigInt;
    case kFloat4: return PgKind::Single;
    case kFloat8: return PgKind::Double;
    case kMoney: return PgKind::Money;
    case kNumeric: return PgKind::Decimal;
    case kDate: return PgKind::Date;
    case kTime: return PgKind::Time;
    case kTimestamp:
    case kTimestampTz: return PgKind::Timestamp;
    case kUuid: return PgKind::Guid;
    case kBytea: return PgKind::Bytea;
    default: return PgKind::Text;
    }
}

// Digits from text[at], exactly count of them; -1 when they are not there.
int Digits(std::string_view text, size_t at, size_t count) {
    if (at + count > text.size()) return -1;
    int value = 0;
    for (size_t i = at; i < at + count; ++i) {
        const unsigned d = static_cast<unsigned char>(text[i]) - '0';
        if (d > 9) return -1;
        value = value * 10 + static_cast<int>(d);
    }
    return value;
}

// "HH:MM:SS[.ffffff]" from text[at]; the offset after it.
size_t ParseClock(std::string_view text, size_t at, DateParts& out) {
    if (at + 8 > text.size()) return std::string_view::npos;
    const int hour = Digits(text, at, 2), minute = Digits(text, at + 3, 2), second = Digits(text, at + 6, 2);
    if (hour < 0 || minute < 0 || second < 0 || text[at + 2] != ':' || text[at + 5] != ':') return std::string_view::npos;
    out.hour = hour, out.minute = minute, out.second = second, out.nanoseconds = 0;
    size_t i = at + 8;
    if (i < text.size() && text[i] == '.') {
        unsigned scale = 100000000;
        for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, scale /= 10) out.nanoseconds += static_cast<unsigned>(text[i] - '0') * scale;
    }
    return i;
}

// The rest of a time is a zone ("+02", "-03:30") or nothing; anything else ("BC") is not ours.
bool OnlyZoneAfter(std::string_view text, size_t at) {
    if (at == text.size()) return true;
    if (text[at] != '+' && text[at] != '-') return false;
    for (size_t i = at + 1; i < text.size(); ++i)
        if (!(text[i] >= '0' && text[i] <= '9') && text[i] != ':') return false;
    return true;
}

void SetText(VARIANT& out, std::wstring_view text) {
    out.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    out.vt = VT_BSTR;
}

// UTF-8 (the session's encoding) into a BSTR: ASCII, the common case, straight over; other
// text through the one decoder, which takes a malformed sequence for U+FFFD.
void SetUtf8(VARIANT& out, const char* text, size_t length) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    size_t ascii = 0;
    while (ascii < length && bytes[ascii] < 0x80) ++ascii;
    if (ascii == length) {
        BSTR value = SysAllocStringLen(nullptr, static_cast<UINT>(length));
        for (size_t i = 0; i < length; ++i) value[i] = static_cast<wchar_t>(bytes[i]);
        out.bstrVal = value;
    } else {
        const std::wstring wide = FromUtf8(std::string_view(text, length));
        out.bstrVal = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    }
    out.vt = VT_BSTR;
}

void SetDate(VARIANT& out, const DateParts& parts) {
    const odbc::Timestamp t{parts.year, parts.month, parts.day, parts.hour, parts.minute, parts.second, parts.nanoseconds};
    DATE date = 0;
    if (odbc::OleDateFrom(t, date)) {
        out.date = date;
        out.vt = VT_DATE;
        return;
    }
    // Before the year 100 or past 9999: the date and time as the driver writes them.
    char buffer[64];
    const int length = std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute, t.second);
    SetUtf8(out, buffer, static_cast<size_t>(length));
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

namespace {

// "YYYY-MM-DD" at the start of text; the offset after it, or npos.
size_t ParseDay(std::string_view text, DateParts& out) {
    // The year may have more than four digits (the text then is past an OLE date anyway).
    size_t dash = 0;
    while (dash < text.size() && text[dash] >= '0' && text[dash] <= '9') ++dash;
    if (dash < 4 || dash > 9 || dash + 6 > text.size()) return std::string_view::npos;
    const int year = Digits(text, 0, dash), month = Digits(text, dash + 1, 2), day = Digits(text, dash + 4, 2);
    if (year < 0 || month < 0 || day < 0 || text[dash] != '-' || text[dash + 3] != '-') return std::string_view::npos;
    out = DateParts{};
    out.year = year, out.month = month, out.day = day;
    return dash + 6;
}

}  // namespace

bool ParseIsoDate(std::string_view text, DateParts& out) { return ParseDay(text, out) == text.size(); }

bool ParseIsoTime(std::string_view text, DateParts& out) {
    out = DateParts{};
    const size_t end = ParseClock(text, 0, out);
    return end != std::string_view::npos && OnlyZoneAfter(text, end);
}

bool ParseIsoTimestamp(std::string_view text, DateParts& out) {
    const size_t day = ParseDay(text, out);
    if (day == text.size()) return true;
    if (day == std::string_view::npos || text[day] != ' ') return false;
    const size_t end = ParseClock(text, day + 1, out);
    // The wall clock of the session's time zone, as the driver gives it; the offset is dropped.
    return end != std::string_view::npos && OnlyZoneAfter(text, end);
}

PgKind PlanPgColumn(unsigned type, int modifier, const char* name, bool nullable, provider::ResultColumn& column) {
    odbc::ColumnInfo info = DriverDescription(type, modifier);
    info.nullable = nullable;
    info.name = FromUtf8(name ? name : "");
    odbc::PlanColumn(info, column);
    return KindOf(type);
}

void ReadPgValue(PgKind kind, const char* text, size_t length, VARIANT& out) {
    VariantClear(&out);
    out.vt = VT_NULL;
    const char* end = text + length;
    switch (kind) {
    case PgKind::Bool: out.boolVal = text[0] == 't' ? VARIANT_TRUE : VARIANT_FALSE, out.vt = VT_BOOL; return;
    case PgKind::Short:
    case PgKind::Long:
    case PgKind::BigInt: {
        std::int64_t v = 0;
        std::from_chars(text, end, v);
        if (kind == PgKind::Short) out.iVal = static_cast<SHORT>(v), out.vt = VT_I2;
        else if (kind == PgKind::Long) out.lVal = static_cast<LONG>(v), out.vt = VT_I4;
        else out.llVal = v, out.vt = VT_I8;
        return;
    }
    case PgKind::UnsignedLong: {
        std::uint64_t v = 0;
        std::from_chars(text, end, v);
        out.ulVal = static_cast<ULONG>(v), out.vt = VT_UI4;
        return;
    }
    case PgKind::Single: {
        float v = 0;
        std::from_chars(text, end, v);
        out.fltVal = v, out.vt = VT_R4;
        return;
    }
    case PgKind::Double: {
        double v = 0;
        std::from_chars(text, end, v);
        out.dblVal = v, out.vt = VT_R8;
        return;
    }
    case PgKind::Money: {
        // "-$1,234.50": the number without its currency sign and group separators.
        char digits[64];
        size_t n = 0;
        for (size_t i = 0; i < length && n < sizeof digits; ++i)
            if ((text[i] >= '0' && text[i] <= '9') || text[i] == '.' || text[i] == '-') digits[n++] = text[i];
        double v = 0;
        std::from_chars(digits, digits + n, v);
        out.dblVal = v, out.vt = VT_R8;
        return;
    }
    case PgKind::Decimal: {
        DECIMAL dec{};
        if (odbc::DecimalFromText(std::string_view(text, length), dec)) {
            out.decVal = dec;
            out.vt = VT_DECIMAL;
        } else {
            // Past a decimal's 96 bits, or NaN: the nearest double, as the ODBC provider gives it.
            out.dblVal = std::strtod(text, nullptr);
            out.vt = VT_R8;
        }
        return;
    }
    case PgKind::Date:
    case PgKind::Time:
    case PgKind::Timestamp: {
        DateParts parts;
        const std::string_view view(text, length);
        const bool parsed = kind == PgKind::Date ? ParseIsoDate(view, parts) : kind == PgKind::Time ? ParseIsoTime(view, parts) : ParseIsoTimestamp(view, parts);
        // Not a date of the calendar (infinity, BC): the server's text.
        if (!parsed) return SetUtf8(out, text, length);
        // The driver hands a time over without its fraction of a second.
        if (kind == PgKind::Time) parts.nanoseconds = 0;
        return SetDate(out, parts);
    }
    case PgKind::Guid: {
        wchar_t braced[40];
        size_t n = 0;
        braced[n++] = L'{';
        for (size_t i = 0; i < length && n < 38; ++i) braced[n++] = static_cast<wchar_t>(text[i] >= 'a' && text[i] <= 'z' ? text[i] - 'a' + 'A' : text[i]);
        braced[n++] = L'}';
        return SetText(out, std::wstring_view(braced, n));
    }
    case PgKind::Bytea: {
        // The server's hex form, "\x00ff10".
        const size_t bytes = length >= 2 ? (length - 2) / 2 : 0;
        SAFEARRAY* array = SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(bytes));
        auto* data = static_cast<unsigned char*>(array->pvData);
        // The server writes hex digits only; anything else stands for 0 rather than for undefined bits.
        const auto nibble = [](char c) { return static_cast<unsigned>(std::max(HexDigit(c), 0)); };
        for (size_t i = 0; i < bytes; ++i) data[i] = static_cast<unsigned char>(nibble(text[2 + 2 * i]) << 4 | nibble(text[3 + 2 * i]));
        out.parray = array;
        out.vt = VT_ARRAY | VT_UI1;
        return;
    }
    case PgKind::Text: return SetUtf8(out, text, length);
    }
}

}  // namespace platform::pgsql
