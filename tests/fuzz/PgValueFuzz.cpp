// Values of a PostgreSQL result, read from the server's text: whatever the text, each kind of
// column gives a value of its own VARIANT types, a date that does not parse or does not fit
// comes as its text, and text comes whole.
//
// Input: a byte that chooses the column's kind, then the value's text (as libpq gives it,
// ended by a NUL the length leaves out).
#include <string>

#include "com/Variant.h"
#include "fuzz/FuzzTarget.h"
#include "pgsql/PgValues.h"
#include "text/Utf8.h"

namespace {

using platform::pgsql::PgKind;

std::wstring TextOf(const VARIANT& v) { return std::wstring(v.bstrVal, SysStringLen(v.bstrVal)); }

}  // namespace

VELLORIA_FUZZ_TARGET(PgValue) {
    if (size < 1) return 0;
    constexpr int kKinds = static_cast<int>(PgKind::Text) + 1;
    const auto kind = static_cast<PgKind>(data[0] % kKinds);
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    _variant_t value;
    platform::pgsql::ReadPgValue(kind, text.c_str(), text.size(), value);
    switch (kind) {
    case PgKind::Bool: FUZZ_CHECK(value.vt == VT_BOOL); break;
    case PgKind::Short: FUZZ_CHECK(value.vt == VT_I2); break;
    case PgKind::Long: FUZZ_CHECK(value.vt == VT_I4); break;
    case PgKind::UnsignedLong: FUZZ_CHECK(value.vt == VT_UI4); break;
    case PgKind::BigInt: FUZZ_CHECK(value.vt == VT_I8); break;
    case PgKind::Single: FUZZ_CHECK(value.vt == VT_R4); break;
    case PgKind::Double:
    case PgKind::Money: FUZZ_CHECK(value.vt == VT_R8); break;
    case PgKind::Decimal: FUZZ_CHECK(value.vt == VT_DECIMAL || value.vt == VT_R8); break;
    case PgKind::Date:
    case PgKind::Time:
    case PgKind::Timestamp:
        FUZZ_CHECK(value.vt == VT_DATE || value.vt == VT_BSTR);
        if (value.vt == VT_DATE) FUZZ_CHECK(value.date >= -657434.0 && value.date < 2958466.0);  // the years 100 to 9999
        break;
    case PgKind::Guid: FUZZ_CHECK(value.vt == VT_BSTR && TextOf(value).front() == L'{' && TextOf(value).back() == L'}'); break;
    case PgKind::Bytea:
        FUZZ_CHECK(value.vt == (VT_ARRAY | VT_UI1));
        FUZZ_CHECK(value.parray->rgsabound[0].cElements == (text.size() >= 2 ? (text.size() - 2) / 2 : 0));
        break;
    case PgKind::Text:
        FUZZ_CHECK(value.vt == VT_BSTR);
        if (platform::IsValidUtf8(text)) FUZZ_CHECK(TextOf(value) == platform::FromUtf8(text));
        break;
    }
    return 0;
}
