#pragma once
// The values of a PostgreSQL result, read from the server's text, as the ODBC provider hands
// over the same columns read through PostgreSQL's driver (odbc/OdbcValues.h): each column
// described as the driver describes it, and each value of the same VARIANT type and value.
//   int2, int4, int8  VT_I2, VT_I4, VT_I8 (oid, xid: VT_UI4)
//   numeric           VT_DECIMAL (VT_R8 past 96 bits, and NaN)
//   float4, float8    VT_R4, VT_R8 (Infinity and NaN too); money VT_R8
//   bool              VT_BOOL
//   date, time, timestamp(tz)  VT_DATE; before the year 100 or past 9999 the driver's text of
//                     the date and time; infinity and BC dates the server's text
//   interval, timetz, json, arrays, any other type: text
//   uuid              "{UPPER-CASE}" text
//   bytea             VT_ARRAY | VT_UI1
// Nothing is allocated per value but the value itself, except for text that is not ASCII.
#include <cstddef>
#include <string_view>

#include "com/Variant.h"
#include "provider/ResultSet.h"

namespace platform::pgsql {

// How a column's text becomes a value.
enum class PgKind { Bool, Short, Long, UnsignedLong, BigInt, Single, Double, Money, Decimal, Date, Time, Timestamp, Guid, Bytea, Text };

// The kind of a column of the type (an OID) and modifier, and its description for the Field;
// nullable is false for a table's column that is NOT NULL.
PgKind PlanPgColumn(unsigned type, int modifier, const char* name, bool nullable, provider::ResultColumn& column);

// The value of a column's text (text[length] is its terminator) into out, in place of what it held.
void ReadPgValue(PgKind kind, const char* text, std::size_t length, VARIANT& out);

// The parts of ISO date and time text ("2024-03-05", "14:07:09.5", "2024-03-05 14:07:09+02"):
// false when the text is not one (infinity, a BC date).
struct DateParts {
    int year = 1899, month = 12, day = 30, hour = 0, minute = 0, second = 0;
    unsigned nanoseconds = 0;
};
bool ParseIsoDate(std::string_view text, DateParts& out);
bool ParseIsoTime(std::string_view text, DateParts& out);
bool ParseIsoTimestamp(std::string_view text, DateParts& out);

}  // namespace platform::pgsql
