#pragma once
// The values of an ODBC result as the data-access component hands them over: each column
// read with the C type that keeps its values exact, and typed as the Access engine types the
// same values, so one rule turns both into text.
//   integers        VT_UI1, VT_I2, VT_I4, VT_I8 (unsigned: VT_UI4, VT_UI8)
//   exact numerics  VT_DECIMAL (VT_R8 when a value passes the 96 bits of a decimal)
//   floats          VT_R4, VT_R8
//   dates, times    VT_DATE (a time alone lies on 1899-12-30)
//   booleans        VT_BOOL, also where a driver hands them over as text ("bool" columns)
//   GUIDs           VT_BSTR "{UPPER-CASE}"
//   binary          VT_ARRAY | VT_UI1
//   text, other     VT_BSTR of any length
#include <cstdint>
#include <string>
#include <vector>

#include "com/Variant.h"
#include "odbc/OdbcApi.h"
#include "provider/ResultSet.h"

namespace platform::odbc {

enum class ValueKind { Bool, BoolText, Byte, Short, Long, UnsignedLong, BigInt, UnsignedBigInt, Single, Double, Decimal, Date, Time, Timestamp, Guid, Binary, Text };

// The kind of a column, and its description for the component's Field.
ValueKind PlanColumn(const ColumnInfo& info, provider::ResultColumn& column);

// Reads the current row's value of a column (from 1) into out (VT_NULL for NULL), in place of
// what out held.
class ValueReader {
public:
    void Read(Statement& statement, int column, ValueKind kind, VARIANT& out);

private:
    std::u16string m_text;  // buffers kept between values
    std::string m_ascii;
    std::vector<std::uint8_t> m_bytes;
};

// The decimal of a number's text ("-1234.50", "1e5" is not one): exact when its digits fit in
// 96 bits with a scale of at most 28; false otherwise.
bool DecimalFromText(std::string_view text, DECIMAL& out);
// The OLE date of a calendar date and time; false outside the years 100 to 9999.
bool OleDateFrom(const Timestamp& value, DATE& out);

}  // namespace platform::odbc
