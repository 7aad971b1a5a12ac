#include "odbc/OdbcValues.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "text/TextCase.h"

namespace platform::odbc {
namespace {

constexpr long kLongTextSize = 536870910;
constexpr long kLongBinarySize = 1073741823;
// Characters of a text value kept in a block; a longer value is read whole when it comes.
constexpr std::size_t kBoundTextUnits = 255;

bool IsBoolTypeName(const std::wstring& name) {
    return platform::CompareNoCase(name, L"bool") == 0 || platform::CompareNoCase(name, L"boolean") == 0;
}

void Describe(provider::ResultColumn& column, DataTypeEnum type, long size, bool fixed, bool nullable) {
    column.type = type;
    column.definedSize = size;
    column.attributes = (fixed ? long{adFldFixed} : 0L) | (nullable ? long{adFldIsNullable | adFldMayBeNull} : 0L);
}

long Clamped(std::uint64_t size, long fallback) { return size == 0 || size > 0x7FFFFFFFu ? fallback : static_cast<long>(size); }

// UTF-16 straight into a BSTR of wide characters: a surrogate pair is one character, half a
// pair U+FFFD.
BSTR AllocText(std::u16string_view text) {
    size_t length = 0;
    for (size_t i = 0; i < text.size(); ++i, ++length)
        if (text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) ++i;
    BSTR out = SysAllocStringLen(nullptr, static_cast<UINT>(length));
    if (!out) return nullptr;
    wchar_t* to = out;
    for (size_t i = 0; i < text.size(); ++i) {
        const char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            *to++ = static_cast<wchar_t>(0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else {
            *to++ = c >= 0xD800 && c <= 0xDFFF ? L'\xFFFD' : static_cast<wchar_t>(c);
        }
    }
    return out;
}

void SetText(VARIANT& out, std::wstring_view text) {
    out.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    out.vt = VT_BSTR;
}

// A GUID's text as the component gives it: braces, upper case.
std::wstring GuidText(std::string_view text) {
    std::string_view bare = text;
    if (!bare.empty() && bare.front() == '{') bare.remove_prefix(1);
    if (!bare.empty() && bare.back() == '}') bare.remove_suffix(1);
    std::wstring out = L"{";
    for (char c : bare) out += static_cast<wchar_t>(std::toupper(static_cast<unsigned char>(c)));
    return out + L"}";
}

std::wstring TimestampText(const Timestamp& t) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute, t.second);
    return std::wstring(buffer, buffer + std::strlen(buffer));
}

void SetDate(VARIANT& out, const Timestamp& value) {
    DATE date = 0;
    if (OleDateFrom(value, date)) {
        out.date = date;
        out.vt = VT_DATE;
    } else {
        // Beyond the years an OLE date holds (PostgreSQL's "infinity" among them): its text.
        SetText(out, TimestampText(value));
    }
}

}  // namespace

bool DecimalFromText(std::string_view text, DECIMAL& out) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    // Up to 18 digits, the usual number, in 64 bits; a longer one goes on in 128.
    std::uint64_t small = 0;
    int scale = 0, digits = 0;
    bool point = false, any = false;
    for (; i < text.size() && digits < 18; ++i) {
        const char c = text[i];
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (c < '0' || c > '9') return false;
        small = small * 10 + static_cast<unsigned>(c - '0');
        any = true;
        ++digits;
        if (point) ++scale;
    }
    unsigned __int128 magnitude = small;
    const unsigned __int128 limit = static_cast<unsigned __int128>(1) << 96;
    bool dropped = false;  // digits past the 28th decimal, rounded away
    int roundDigit = -1;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (c < '0' || c > '9') return false;
        any = true;
        if (point && scale == 28) {
            if (roundDigit < 0) roundDigit = c - '0';
            dropped = true;
            continue;
        }
        const unsigned __int128 next = magnitude * 10 + static_cast<unsigned>(c - '0');
        if (next >= limit) return false;
        magnitude = next;
        if (point) ++scale;
    }
    if (!any) return false;
    if (dropped && roundDigit >= 5) {
        if (magnitude + 1 >= limit) return false;
        ++magnitude;
    }
    out = DECIMAL{};
    out.scale = static_cast<BYTE>(scale);
    out.sign = negative && magnitude != 0 ? DECIMAL_NEG : 0;
    out.Lo32 = static_cast<std::uint32_t>(magnitude);
    out.Mid32 = static_cast<std::uint32_t>(magnitude >> 32);
    out.Hi32 = static_cast<std::uint32_t>(magnitude >> 64);
    return true;
}

bool OleDateFrom(const Timestamp& value, DATE& out) {
    if (value.year < 100 || value.year > 9999 || value.month < 1 || value.month > 12 || value.day < 1 || value.day > 31) return false;
    UDATE udate{};
    udate.st.wYear = static_cast<WORD>(value.year);
    udate.st.wMonth = static_cast<WORD>(value.month);
    udate.st.wDay = static_cast<WORD>(value.day);
    udate.st.wHour = static_cast<WORD>(value.hour);
    udate.st.wMinute = static_cast<WORD>(value.minute);
    udate.st.wSecond = static_cast<WORD>(value.second);
    udate.st.wMilliseconds = static_cast<WORD>(value.fraction / 1000000u);
    return SUCCEEDED(VarDateFromUdate(&udate, 0, &out));
}

ValueKind PlanColumn(const ColumnInfo& info, provider::ResultColumn& column) {
    column.name = info.name;
    const bool n = info.nullable;
    switch (info.type) {
    case kSqlBit: Describe(column, adBoolean, 2, true, n); return ValueKind::Bool;
    case kSqlTinyInt:
        if (info.isUnsigned) {
            Describe(column, adUnsignedTinyInt, 1, true, n);
            return ValueKind::Byte;
        }
        Describe(column, adSmallInt, 2, true, n);
        return ValueKind::Short;
    case kSqlSmallInt:
        if (info.isUnsigned) {
            Describe(column, adInteger, 4, true, n);
            return ValueKind::Long;
        }
        Describe(column, adSmallInt, 2, true, n);
        return ValueKind::Short;
    case kSqlInteger:
        if (info.isUnsigned) {
            Describe(column, adUnsignedInt, 4, true, n);
            return ValueKind::UnsignedLong;
        }
        Describe(column, adInteger, 4, true, n);
        return ValueKind::Long;
    case kSqlBigInt:
        if (info.isUnsigned) {
            Describe(column, adUnsignedBigInt, 8, true, n);
            return ValueKind::UnsignedBigInt;
        }
        Describe(column, adBigInt, 8, true, n);
        return ValueKind::BigInt;
    case kSqlReal: Describe(column, adSingle, 4, true, n); return ValueKind::Single;
    case kSqlFloat:
    case kSqlDouble: Describe(column, adDouble, 8, true, n); return ValueKind::Double;
    case kSqlNumeric:
    case kSqlDecimal: Describe(column, adNumeric, 19, true, n); return ValueKind::Decimal;
    case kSqlTypeDate:
    case kSqlDateTime: Describe(column, adDate, 8, true, n); return ValueKind::Date;
    case kSqlTypeTime:
    case kSqlTime2: Describe(column, adDate, 8, true, n); return ValueKind::Time;
    case kSqlTypeTimestamp:
    case kSqlTimestamp2: Describe(column, adDate, 8, true, n); return ValueKind::Timestamp;
    case kSqlGuid: Describe(column, adGUID, 16, true, n); return ValueKind::Guid;
    case kSqlBinary:
    case kSqlVarBinary: Describe(column, adVarBinary, Clamped(info.size, 510), info.type == kSqlBinary, n); return ValueKind::Binary;
    case kSqlLongVarBinary:
        Describe(column, adLongVarBinary, kLongBinarySize, false, n);
        column.attributes |= adFldLong;
        return ValueKind::Binary;
    case kSqlChar:
    case kSqlWChar:
    case kSqlVarChar:
    case kSqlWVarChar:
        // Some drivers hand booleans over as text ("1", "0"); the type's own name tells.
        if (IsBoolTypeName(info.typeName)) {
            Describe(column, adBoolean, 2, true, n);
            return ValueKind::BoolText;
        }
        if (info.size > 0 && info.size <= 4000) {
            Describe(column, info.type == kSqlChar || info.type == kSqlWChar ? adWChar : adVarWChar, static_cast<long>(info.size),
                     info.type == kSqlChar || info.type == kSqlWChar, n);
            return ValueKind::Text;
        }
        [[fallthrough]];
    default:
        Describe(column, adLongVarWChar, kLongTextSize, false, n);
        column.attributes |= adFldLong;
        return ValueKind::Text;
    }
}

namespace {

void SetInteger(ValueKind kind, std::int64_t v, VARIANT& out) {
    switch (kind) {
    case ValueKind::Bool: out.boolVal = v ? VARIANT_TRUE : VARIANT_FALSE, out.vt = VT_BOOL; return;
    case ValueKind::Byte: out.bVal = static_cast<BYTE>(v), out.vt = VT_UI1; return;
    case ValueKind::Short: out.iVal = static_cast<SHORT>(v), out.vt = VT_I2; return;
    case ValueKind::Long: out.lVal = static_cast<LONG>(v), out.vt = VT_I4; return;
    default: out.llVal = v, out.vt = VT_I8; return;
    }
}

void SetUnsigned(ValueKind kind, std::uint64_t v, VARIANT& out) {
    if (kind == ValueKind::UnsignedLong) out.ulVal = static_cast<ULONG>(v), out.vt = VT_UI4;
    else out.ullVal = v, out.vt = VT_UI8;
}

// ascii is the driver's text of the number, ended by a terminator.
void SetDecimal(const std::string& ascii, VARIANT& out) {
    DECIMAL dec{};
    if (DecimalFromText(ascii, dec)) {
        out.decVal = dec;
        out.vt = VT_DECIMAL;
    } else {
        // Past a decimal's 96 bits (or "NaN"): the nearest double, as the component
        // converts a number it cannot hold exactly.
        out.dblVal = std::strtod(ascii.c_str(), nullptr);
        out.vt = VT_R8;
    }
}

void SetBoolText(std::string_view ascii, VARIANT& out) {
    const char c = ascii.empty() ? '0' : static_cast<char>(std::tolower(static_cast<unsigned char>(ascii.front())));
    out.boolVal = c == '1' || c == 't' || c == 'y' ? VARIANT_TRUE : VARIANT_FALSE;
    out.vt = VT_BOOL;
}

}  // namespace

BoundColumn BindingOf(ValueKind kind, const provider::ResultColumn& column) {
    switch (kind) {
    case ValueKind::Bool:
    case ValueKind::Byte:
    case ValueKind::Short:
    case ValueKind::Long:
    case ValueKind::BigInt: return {BoundType::Int64, 0};
    case ValueKind::UnsignedLong:
    case ValueKind::UnsignedBigInt: return {BoundType::UInt64, 0};
    case ValueKind::Single: return {BoundType::Float, 0};
    case ValueKind::Double: return {BoundType::Double, 0};
    case ValueKind::Date: return {BoundType::Date, 0};
    case ValueKind::Time: return {BoundType::Time, 0};
    case ValueKind::Timestamp: return {BoundType::Timestamp, 0};
    // Room for the usual value; a longer one is read whole when it comes.
    case ValueKind::Decimal: return {BoundType::Ascii, 48};
    case ValueKind::Guid: return {BoundType::Ascii, 40};
    case ValueKind::BoolText: return {BoundType::Ascii, 8};
    case ValueKind::Text:
        return {BoundType::Text, column.definedSize > 0 && static_cast<std::size_t>(column.definedSize) < kBoundTextUnits
                                    ? static_cast<std::size_t>(column.definedSize) : kBoundTextUnits};
    case ValueKind::Binary: break;
    }
    return {BoundType::None, 0};
}

void ValueReader::Read(Statement& statement, int column, ValueKind kind, VARIANT& out) {
    VariantClear(&out);
    out.vt = VT_NULL;
    switch (kind) {
    case ValueKind::Bool:
    case ValueKind::Byte:
    case ValueKind::Short:
    case ValueKind::Long:
    case ValueKind::BigInt: {
        std::int64_t v = 0;
        if (statement.GetInt64(column, v)) SetInteger(kind, v, out);
        return;
    }
    case ValueKind::UnsignedLong:
    case ValueKind::UnsignedBigInt: {
        std::uint64_t v = 0;
        if (statement.GetUInt64(column, v)) SetUnsigned(kind, v, out);
        return;
    }
    case ValueKind::Single: {
        float v = 0;
        if (statement.GetFloat(column, v)) out.fltVal = v, out.vt = VT_R4;
        return;
    }
    case ValueKind::Double: {
        double v = 0;
        if (statement.GetDouble(column, v)) out.dblVal = v, out.vt = VT_R8;
        return;
    }
    case ValueKind::Decimal:
        if (statement.GetAscii(column, m_ascii)) SetDecimal(m_ascii, out);
        return;
    case ValueKind::Date:
    case ValueKind::Time:
    case ValueKind::Timestamp: {
        Timestamp t;
        const bool present = kind == ValueKind::Date ? statement.GetDate(column, t)
                             : kind == ValueKind::Time ? statement.GetTime(column, t)
                                                       : statement.GetTimestamp(column, t);
        if (present) SetDate(out, t);
        return;
    }
    case ValueKind::Guid:
        if (statement.GetAscii(column, m_ascii)) SetText(out, GuidText(m_ascii));
        return;
    case ValueKind::BoolText:
        if (statement.GetAscii(column, m_ascii)) SetBoolText(m_ascii, out);
        return;
    case ValueKind::Binary: {
        if (!statement.GetBytes(column, m_bytes)) return;
        out.parray = SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(m_bytes.size()));
        if (!m_bytes.empty()) std::memcpy(out.parray->pvData, m_bytes.data(), m_bytes.size());
        out.vt = VT_ARRAY | VT_UI1;
        return;
    }
    case ValueKind::Text:
        if (!statement.GetText(column, m_text)) return;
        out.bstrVal = AllocText(m_text);
        out.vt = VT_BSTR;
        return;
    }
}

void ValueReader::Read(RowBlock& block, std::size_t row, Statement& statement, int column, ValueKind kind, VARIANT& out) {
    const std::size_t at = static_cast<std::size_t>(column) - 1;
    if (kind == ValueKind::Binary || block.Truncated(at, row)) {
        // Unbound, or longer than its buffer: read whole from the row itself.
        block.Position(row);
        Read(statement, column, kind, out);
        return;
    }
    VariantClear(&out);
    out.vt = VT_NULL;
    if (block.IsNull(at, row)) return;
    switch (kind) {
    case ValueKind::Bool:
    case ValueKind::Byte:
    case ValueKind::Short:
    case ValueKind::Long:
    case ValueKind::BigInt: SetInteger(kind, block.Int64(at, row), out); return;
    case ValueKind::UnsignedLong:
    case ValueKind::UnsignedBigInt: SetUnsigned(kind, block.UInt64(at, row), out); return;
    case ValueKind::Single: out.fltVal = block.Float(at, row), out.vt = VT_R4; return;
    case ValueKind::Double: out.dblVal = block.Double(at, row), out.vt = VT_R8; return;
    case ValueKind::Decimal: m_ascii.assign(block.Ascii(at, row)); SetDecimal(m_ascii, out); return;
    case ValueKind::Date:
    case ValueKind::Time:
    case ValueKind::Timestamp: SetDate(out, block.Time(at, row)); return;
    case ValueKind::Guid: SetText(out, GuidText(block.Ascii(at, row))); return;
    case ValueKind::BoolText: SetBoolText(block.Ascii(at, row), out); return;
    case ValueKind::Text: out.bstrVal = AllocText(block.Text(at, row)), out.vt = VT_BSTR; return;
    case ValueKind::Binary: return;
    }
}

}  // namespace platform::odbc
