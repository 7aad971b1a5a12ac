// The file's tables linked through ODBC: each is read from its source, through whichever
// provider takes its connect string, the first time a statement names it, into a table of
// the engine typed as Access would type its columns; from then on it is a table like the
// others (joins, views and the field text rule all see it so).
#include <sqlite3.h>

#include <algorithm>
#include <cstring>

#include "access/AccessEngine.h"
#include "access/AccessErrors.h"
#include "access/SqliteText.h"
#include "provider/SourceName.h"
#include "text/TextCase.h"
#include "text/Utf8.h"

namespace platform::access {
namespace {

using sqlite_text::LowerAscii;
using sqlite_text::Quoted;
using sqlite_text::StatementGuard;

// The Access type a column of another source takes, so that its values are handed over as
// the engine hands over its own.
mdb::Column AccessColumn(const provider::ResultColumn& column, bool jet3) {
    mdb::Column c;
    c.name = ToUtf8(column.name);
    switch (column.type) {
    case adBoolean: c.type = mdb::kBool; break;
    case adUnsignedTinyInt: c.type = mdb::kByte; break;
    case adSmallInt: c.type = mdb::kInt; break;
    case adInteger: c.type = mdb::kLong; break;
    case adBigInt:
    case adUnsignedInt:
    case adUnsignedBigInt: c.type = mdb::kBigInt; break;
    case adSingle: c.type = mdb::kFloat; break;
    case adDouble: c.type = mdb::kDouble; break;
    case adCurrency: c.type = mdb::kMoney; break;
    case adNumeric:
    case adDecimal: c.type = mdb::kNumeric; break;
    case adDate: c.type = mdb::kDateTime; break;
    case adGUID: c.type = mdb::kRepId; break;
    case adWChar:
    case adVarWChar:
        c.type = mdb::kText;
        c.size = static_cast<int>(std::min<long>(column.definedSize, 255)) * (jet3 ? 1 : 2);
        break;
    case adBinary:
    case adVarBinary: c.type = mdb::kBinary; c.size = static_cast<int>(std::min<long>(column.definedSize, 510)); break;
    case adLongVarBinary: c.type = mdb::kOle; break;
    default: c.type = mdb::kMemo; break;
    }
    return c;
}

double DecimalValue(const DECIMAL& dec) {
    double number = (static_cast<double>(dec.Hi32) * 4294967296.0 + static_cast<double>(dec.Mid32)) * 4294967296.0 + static_cast<double>(dec.Lo32);
    for (int i = 0; i < dec.scale; ++i) number /= 10.0;
    return dec.sign == DECIMAL_NEG ? -number : number;
}

// A value into the engine's copy, stored as Load stores the file's own values.
void Bind(sqlite3_stmt* insert, int p, const _variant_t& v) {
    switch (v.vt) {
    case VT_BOOL: sqlite3_bind_int64(insert, p, v.boolVal ? 1 : 0); return;
    case VT_UI1: sqlite3_bind_int64(insert, p, v.bVal); return;
    case VT_I2: sqlite3_bind_int64(insert, p, v.iVal); return;
    case VT_I4: sqlite3_bind_int64(insert, p, v.lVal); return;
    case VT_UI4: sqlite3_bind_int64(insert, p, v.ulVal); return;
    case VT_I8: sqlite3_bind_int64(insert, p, v.llVal); return;
    case VT_UI8: sqlite3_bind_int64(insert, p, static_cast<sqlite3_int64>(v.ullVal)); return;
    case VT_R4: sqlite3_bind_double(insert, p, v.fltVal); return;
    case VT_R8:
    case VT_DATE: sqlite3_bind_double(insert, p, v.dblVal); return;
    case VT_CY: sqlite3_bind_double(insert, p, static_cast<double>(v.cyVal.int64) / 10000.0); return;
    case VT_DECIMAL: sqlite3_bind_double(insert, p, DecimalValue(v.decVal)); return;
    case VT_BSTR: {
        const std::string text = ToUtf8(std::wstring_view(v.bstrVal, SysStringLen(v.bstrVal)));
        sqlite3_bind_text(insert, p, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
        return;
    }
    case VT_ARRAY | VT_UI1:
        sqlite3_bind_blob(insert, p, v.parray->pvData, static_cast<int>(v.parray->rgsabound[0].cElements), SQLITE_TRANSIENT);
        return;
    default: sqlite3_bind_null(insert, p); return;
    }
}

// Access keeps a server's table as OWNER.TABLE ("dbo.Parts", "public.parts"): each part is
// quoted on its own, as the source quotes names.
std::wstring QuotedForeignName(const std::string& foreignName, const std::wstring& quote) {
    std::wstring out;
    const std::wstring name = FromUtf8(foreignName);
    size_t start = 0;
    for (;;) {
        const size_t dot = name.find(L'.', start);
        std::wstring part = name.substr(start, dot == std::wstring::npos ? std::wstring::npos : dot - start);
        std::wstring doubled;
        for (wchar_t c : part) doubled += quote.size() == 1 && c == quote[0] ? quote + quote : std::wstring(1, c);
        out += (start ? L"." : L"") + quote + doubled + quote;
        if (dot == std::wstring::npos) return out;
        start = dot + 1;
    }
}

}  // namespace

bool Database::ReadOdbcLink(std::string_view sqliteName) {
    std::string_view name = sqliteName;
    if (name.rfind("main.", 0) == 0) name.remove_prefix(5);
    if (m_byName.count(LowerAscii(name))) return false;
    const auto link = std::find_if(m_odbcLinks.begin(), m_odbcLinks.end(), [&](const OdbcLink& l) { return LowerAscii(l.name) == LowerAscii(name); });
    if (link == m_odbcLinks.end()) return false;

    // The string as Access keeps it begins with "ODBC;", which is not the driver's.
    std::wstring connect = link->connect;
    if (connect.size() >= 5 && platform::CompareNoCase(std::wstring_view(connect).substr(0, 5), L"ODBC;") == 0) connect.erase(0, 5);
    // A table of a server or a data source runs with the user's credentials: only from a
    // source the user trusts, whoever made the file.
    const std::wstring source = provider::RemoteSourceOf(provider::ParseConnectString(connect));
    if (!source.empty() && !provider::IsTrustedSource(source, m_context.trustedSources))
        RaiseEngineError(m_route, L"The table '" + FromUtf8(link->name) + L"' is linked to " + source +
                                      L", which is not a trusted source. To trust it: velloria trust add " + source);
    if (!m_context.openOther)
        RaiseEngineError(m_route, L"The table '" + FromUtf8(link->name) + L"' is linked through ODBC, which cannot be reached from here.");
    const std::shared_ptr<provider::Session> other = m_context.openOther(connect);
    const provider::ResultSet rows = other->Query(L"SELECT * FROM " + QuotedForeignName(link->foreignName, other->IdentifierQuote()), m_limits);

    const ReadOnlyPolicy::Trusted loading(*m_policy);
    TableState state;
    state.definition.name = link->name;
    state.definition.kind = mdb::TableKind::Linked;
    std::string create = "CREATE TABLE " + Quoted(link->name) + " (";
    for (size_t c = 0; c < rows.columns.size(); ++c) {
        mdb::Column column = AccessColumn(rows.columns[c], m_catalog.jet3);
        // A decimal column keeps the largest scale its values have.
        if (column.type == mdb::kNumeric)
            for (size_t r = 0; r < rows.RowCount(); ++r)
                if (rows.At(r, c).vt == VT_DECIMAL) column.scale = std::max<int>(column.scale, rows.At(r, c).decVal.scale);
        create += (c ? ", " : "") + Quoted(column.name) + " " + DeclaredTypeOf(column.type);
        state.definition.columns.push_back(std::move(column));
    }
    create += ")";
    if (sqlite3_exec(m_db, create.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) RaiseEngineError(m_route, FromUtf8(sqlite3_errmsg(m_db)));
    m_policy->MakeVisible(link->name);
    std::string sql = "INSERT INTO " + Quoted(link->name) + " VALUES (";
    for (size_t c = 0; c < rows.columns.size(); ++c) sql += c ? ",?" : "?";
    sql += ")";
    StatementGuard insert;
    if (sqlite3_prepare_v2(m_db, sql.c_str(), -1, &insert.stmt, nullptr) != SQLITE_OK) RaiseEngineError(m_route, FromUtf8(sqlite3_errmsg(m_db)));
    sqlite3_exec(m_db, "BEGIN", nullptr, nullptr, nullptr);
    for (size_t r = 0; r < rows.RowCount(); ++r) {
        for (size_t c = 0; c < rows.columns.size(); ++c) Bind(insert.stmt, static_cast<int>(c) + 1, rows.At(r, c));
        sqlite3_step(insert.stmt);
        sqlite3_reset(insert.stmt);
    }
    sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr);
    state.created = state.loaded = true;
    m_byName.emplace(LowerAscii(link->name), m_tables.size());
    m_tables.push_back(std::move(state));
    return true;
}

}  // namespace platform::access
