#include "access/AccessEngine.h"

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <optional>
#include <set>

#include "access/AccessErrors.h"
#include "access/AccessSql.h"
#include "win/HostPath.h"
#include "access/SqliteText.h"
#include "provider/TablesSchema.h"
#include "mfc/String.h"
#include "text/Utf8.h"

namespace platform::access {

struct ColumnPlan {
    int accessType = 0;  // 0: computed, typed by its values
    int scale = 0;
    bool calculated = false;  // a calculated column: each Decimal value has a scale of its own
    ValueType computed = ValueType::Unknown;  // a saved query's column: the type of its expression
};

// Declared types of the SQLite copies: the affinity SQLite needs, and the Access type.
const char* DeclaredTypeOf(int accessType) {
    switch (accessType) {
    case mdb::kBool: return "INT_BOOL";
    case mdb::kByte: return "INT_BYTE";
    case mdb::kInt: return "INT_SHORT";
    case mdb::kLong: return "INT_LONG";
    case mdb::kComplex: return "TEXT_COMPLEX COLLATE access_text";  // the text of its values
    case mdb::kBigInt: return "INT_BIGINT";
    case mdb::kMoney: return "REAL_CURRENCY";
    case mdb::kFloat: return "REAL_SINGLE";
    case mdb::kDouble: return "DOUBLE";
    case mdb::kDateTime:
    case mdb::kExtendedDate: return "REAL_DATETIME";
    case mdb::kNumeric: return "REAL_DECIMAL";
    case mdb::kMemo: return "TEXT_MEMO COLLATE access_text";
    case mdb::kRepId: return "TEXT_GUID";
    case mdb::kBinary: return "BLOB_BINARY";
    case mdb::kOle: return "BLOB_OLE";
    default: return "TEXT COLLATE access_text";
    }
}

namespace {

using sqlite_text::LowerAscii;
using sqlite_text::Quoted;
using sqlite_text::StatementGuard;

// UTF-8 to a BSTR; a malformed byte becomes U+FFFD.
BSTR Utf8ToBstr(const unsigned char* s, int n) {
    thread_local std::wstring buffer;
    buffer.clear();
    buffer.reserve(static_cast<size_t>(n));
    for (int i = 0; i < n;) {
        const unsigned char c = s[i];
        if (c < 0x80) {
            buffer.push_back(c);
            ++i;
            continue;
        }
        const int extra = c >= 0xF8 ? -1 : c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : -1;
        std::uint32_t cp = extra > 0 ? (c & (0x3Fu >> extra)) : 0;
        bool ok = extra > 0 && i + extra <= n - 1;
        for (int k = 1; ok && k <= extra; ++k) {
            if ((s[i + k] & 0xC0) != 0x80) ok = false;
            else cp = (cp << 6) | (s[i + k] & 0x3Fu);
        }
        if (!ok) {
            buffer.push_back(0xFFFD);
            ++i;
            continue;
        }
        buffer.push_back(static_cast<wchar_t>(cp));
        i += extra + 1;
    }
    return SysAllocStringLen(buffer.data(), static_cast<UINT>(buffer.size()));
}

DECIMAL DecimalFrom(double value, int scale) {
    DECIMAL dec{};
    dec.scale = static_cast<BYTE>(std::clamp(scale, 0, 28));
    double scaled = std::fabs(value) * std::pow(10.0, dec.scale);
    // 96-bit magnitude from a double: split into 32-bit words.
    scaled = std::nearbyint(scaled);
    const double two32 = 4294967296.0;
    const double hi = std::floor(scaled / (two32 * two32));
    const double rest = scaled - hi * two32 * two32;
    dec.Hi32 = static_cast<std::uint32_t>(hi);
    dec.Mid32 = static_cast<std::uint32_t>(std::floor(rest / two32));
    dec.Lo32 = static_cast<std::uint32_t>(rest - std::floor(rest / two32) * two32);
    dec.sign = value < 0 ? DECIMAL_NEG : 0;
    return dec;
}

// A value of a column of the file, as the column's Access type holds it; false for the types
// that hold values of their own type (text, binary, and computed values).
bool SetAsColumnType(VARIANT& v, sqlite3_stmt* stmt, int i, const ColumnPlan& plan) {
    switch (plan.accessType) {
    case mdb::kBool:
        v.vt = VT_BOOL;
        v.boolVal = sqlite3_column_int64(stmt, i) ? VARIANT_TRUE : VARIANT_FALSE;
        return true;
    case mdb::kByte:
        v.vt = VT_UI1;
        v.bVal = static_cast<BYTE>(sqlite3_column_int(stmt, i));
        return true;
    case mdb::kInt:
        v.vt = VT_I2;
        v.iVal = static_cast<SHORT>(sqlite3_column_int(stmt, i));
        return true;
    case mdb::kLong:
        v.vt = VT_I4;
        v.lVal = sqlite3_column_int(stmt, i);
        return true;
    case mdb::kBigInt:
        v.vt = VT_I8;
        v.llVal = sqlite3_column_int64(stmt, i);
        return true;
    case mdb::kMoney:
        v.vt = VT_CY;
        v.cyVal.int64 = std::llround(sqlite3_column_double(stmt, i) * 10000.0);
        return true;
    case mdb::kFloat:
        v.vt = VT_R4;
        v.fltVal = static_cast<float>(sqlite3_column_double(stmt, i));
        return true;
    case mdb::kDouble:
        v.vt = VT_R8;
        v.dblVal = sqlite3_column_double(stmt, i);
        return true;
    case mdb::kDateTime:
        v.vt = VT_DATE;
        v.date = sqlite3_column_double(stmt, i);
        return true;
    case mdb::kExtendedDate:
        // A date before the year 100 comes as its text: a date value cannot hold it.
        if (sqlite3_column_type(stmt, i) == SQLITE_TEXT) return false;
        v.vt = VT_DATE;
        v.date = sqlite3_column_double(stmt, i);
        return true;
    case mdb::kNumeric: {
        const double value = sqlite3_column_double(stmt, i);
        int scale = plan.scale;
        if (plan.calculated && value != 0 && std::isfinite(value)) scale = std::clamp(14 - static_cast<int>(std::floor(std::log10(std::fabs(value)))), 0, 28);
        v.decVal = DecimalFrom(value, scale);
        v.vt = VT_DECIMAL;
        return true;
    }
    default: return false;
    }
}

// The Access type of a computed number: the subtype its value carries, or else the type of
// its expression; 0 when neither gives one.
int ComputedAccessType(unsigned subtype, ValueType computed) {
    if (subtype == kSubtypeCurrency || computed == ValueType::Currency) return mdb::kMoney;
    if (subtype == kSubtypeDate || computed == ValueType::Date) return mdb::kDateTime;
    if (subtype == kSubtypeBool || computed == ValueType::Bool) return mdb::kBool;
    if (computed == ValueType::Double) return mdb::kDouble;
    return 0;
}

// A value as SQLite stores it: integers that fit in 32 bits as Long, text as a BSTR.
void SetAsStoredValue(VARIANT& v, sqlite3_stmt* stmt, int i, int storage) {
    switch (storage) {
    case SQLITE_INTEGER: {
        const sqlite3_int64 n = sqlite3_column_int64(stmt, i);
        if (n >= INT32_MIN && n <= INT32_MAX) {
            v.vt = VT_I4;
            v.lVal = static_cast<LONG>(n);
        } else {
            v.vt = VT_I8;
            v.llVal = n;
        }
        return;
    }
    case SQLITE_FLOAT:
        v.vt = VT_R8;
        v.dblVal = sqlite3_column_double(stmt, i);
        return;
    case SQLITE_BLOB: {
        const int n = sqlite3_column_bytes(stmt, i);
        const void* data = sqlite3_column_blob(stmt, i);
        v.parray = SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(n));
        if (n && data) std::memcpy(v.parray->pvData, data, static_cast<size_t>(n));
        v.vt = VT_ARRAY | VT_UI1;
        return;
    }
    default: {
        const unsigned char* text = sqlite3_column_text(stmt, i);
        v.bstrVal = Utf8ToBstr(text, sqlite3_column_bytes(stmt, i));
        v.vt = VT_BSTR;
        return;
    }
    }
}

void SetVariant(VARIANT& v, sqlite3_stmt* stmt, int i, const ColumnPlan& plan) {
    const int storage = sqlite3_column_type(stmt, i);
    if (storage == SQLITE_NULL) {
        v.vt = VT_NULL;
        return;
    }
    if (SetAsColumnType(v, stmt, i, plan)) return;
    // Computed values carry their Access type as a subtype of the value.
    if (plan.accessType == 0 && (storage == SQLITE_INTEGER || storage == SQLITE_FLOAT)) {
        ColumnPlan typed;
        typed.accessType = ComputedAccessType(sqlite3_value_subtype(sqlite3_column_value(stmt, i)), plan.computed);
        if (typed.accessType && SetAsColumnType(v, stmt, i, typed)) return;
    }
    // Text and binary columns, and computed values: the value's own type.
    SetAsStoredValue(v, stmt, i, storage);
}

void Describe(ResultColumn& column, const mdb::Column& source, bool jet3) {
    long attributes = adFldUpdatable | adFldUnknownUpdatable | adFldIsNullable | adFldMayBeNull;
    switch (source.type) {
    case mdb::kBool: column.type = adBoolean; column.definedSize = 2; attributes = adFldUpdatable | adFldUnknownUpdatable; break;
    case mdb::kByte: column.type = adUnsignedTinyInt; column.definedSize = 1; break;
    case mdb::kInt: column.type = adSmallInt; column.definedSize = 2; break;
    case mdb::kLong: column.type = adInteger; column.definedSize = 4; break;
    case mdb::kComplex: column.type = adVarWChar; column.definedSize = 255; break;
    case mdb::kBigInt: column.type = adBigInt; column.definedSize = 8; break;
    case mdb::kMoney: column.type = adCurrency; column.definedSize = 8; break;
    case mdb::kFloat: column.type = adSingle; column.definedSize = 4; break;
    case mdb::kDouble: column.type = adDouble; column.definedSize = 8; break;
    case mdb::kDateTime: column.type = adDate; column.definedSize = 8; break;
    case mdb::kExtendedDate: column.type = adDBTimeStamp; column.definedSize = 16; break;
    case mdb::kNumeric: column.type = adNumeric; column.definedSize = 19; break;
    case mdb::kRepId: column.type = adGUID; column.definedSize = 16; break;
    case mdb::kText: column.type = adVarWChar; column.definedSize = jet3 ? source.size : source.size / 2; break;
    case mdb::kMemo: column.type = adLongVarWChar; column.definedSize = 536870910; attributes |= adFldLong; break;
    case mdb::kBinary: column.type = adVarBinary; column.definedSize = source.size; break;
    case mdb::kOle: column.type = adLongVarBinary; column.definedSize = 1073741823; attributes |= adFldLong; break;
    default: column.type = adVarWChar; column.definedSize = 255; break;
    }
    if (source.fixed) attributes |= adFldFixed;
    column.attributes = attributes;
}

void DescribeComputed(ResultColumn& column, const _variant_t* firstValue) {
    column.attributes = adFldIsNullable | adFldMayBeNull;
    switch (firstValue ? firstValue->vt : static_cast<VARTYPE>(VT_BSTR)) {
    case VT_CY: column.type = adCurrency; column.definedSize = 8; column.attributes |= adFldFixed; break;
    case VT_DATE: column.type = adDate; column.definedSize = 8; column.attributes |= adFldFixed; break;
    case VT_BOOL: column.type = adBoolean; column.definedSize = 2; column.attributes |= adFldFixed; break;
    case VT_I4: column.type = adInteger; column.definedSize = 4; column.attributes |= adFldFixed; break;
    case VT_I8: column.type = adBigInt; column.definedSize = 8; column.attributes |= adFldFixed; break;
    case VT_R8: column.type = adDouble; column.definedSize = 8; column.attributes |= adFldFixed; break;
    case VT_ARRAY | VT_UI1: column.type = adLongVarBinary; column.definedSize = 1073741823; column.attributes |= adFldLong; break;
    default: column.type = adVarWChar; column.definedSize = 255; break;
    }
}

// Watches one statement while SQLite steps it, through the progress handler SQLite calls
// every few thousand steps: its time, the user's break, and the memory SQLite takes for it
// (sorts and temporary tables, which are kept in memory) against the statement's budget; the
// handler's 1 ends the statement with SQLITE_INTERRUPT. While it lives, the Access functions
// spend from the same budget, and no one text or binary value may pass the memory limit.
class StatementWatch {
public:
    StatementWatch(sqlite3* db, StatementBudget& budget, StatementBudget*& running)
        : m_db(db), m_budget(budget), m_running(running), m_baseline(sqlite3_memory_used()),
          m_length(sqlite3_limit(db, SQLITE_LIMIT_LENGTH, -1)) {
        m_running = &budget;
        const long long bytes = budget.Limits().bytes;
        if (bytes > 0 && bytes < m_length) sqlite3_limit(db, SQLITE_LIMIT_LENGTH, static_cast<int>(bytes));
        sqlite3_progress_handler(db, 4000, &StatementWatch::Tick, this);
    }
    ~StatementWatch() {
        sqlite3_progress_handler(m_db, 0, nullptr, nullptr);
        sqlite3_limit(m_db, SQLITE_LIMIT_LENGTH, m_length);
        m_running = nullptr;
    }
    StatementWatch(const StatementWatch&) = delete;
    StatementWatch& operator=(const StatementWatch&) = delete;

private:
    static int Tick(void* self) {
        auto* watch = static_cast<StatementWatch*>(self);
        return watch->m_budget.GoOn() && watch->m_budget.MayHold(sqlite3_memory_used() - watch->m_baseline) ? 0 : 1;
    }
    sqlite3* m_db;
    StatementBudget& m_budget;
    StatementBudget*& m_running;
    const long long m_baseline;  // what SQLite held before the statement: the file's tables
    const int m_length;
};

// The column names of a table of the catalogue; none when it has no such table.
std::vector<std::string> ColumnNames(const mdb::Catalog& catalog, std::string_view table) {
    std::vector<std::string> names;
    for (const auto& t : catalog.tables)
        if (t.name == table)
            for (const auto& c : t.columns) names.push_back(c.name);
    return names;
}

}  // namespace

std::shared_ptr<Database> Database::Open(const ConnectTarget& target, const provider::OpenContext& context) {
    std::shared_ptr<Database> db(new Database());
    db->m_route = target.route;
    db->m_context = context;
    db->m_displayPath = target.database;
    db->m_hostPath = ToHostPath(target.database);
    if (target.database.empty()) RaiseFileNotFound(target.route, target.database);
    mdb::FileReader& reader = db->ReaderOf(db->m_hostPath, ToUtf8(target.password));
    // The catalogue tables behind saved queries, linked tables and complex columns come in the
    // same read as the catalogue; when they do not read, the file opens without them.
    std::optional<SavedQueryCollector> collector;
    std::optional<CatalogObjects> objects;
    const auto onSystemRow = [&](size_t table, const std::vector<mdb::Value>& row) {
        if (!collector) {
            const auto objectColumns = ColumnNames(db->m_catalog, "MSysObjects");
            collector.emplace(objectColumns, ColumnNames(db->m_catalog, "MSysQueries"));
            objects.emplace(objectColumns, ColumnNames(db->m_catalog, "MSysComplexColumns"));
        }
        if (table < 2) collector->OnRow(table, row);
        if (table == 0) objects->OnObjectRow(row);
        if (table == 2) objects->OnComplexRow(row);
    };
    bool savedRowsRead = false;
    // Of the catalogue tables, only the columns read here: not the objects' properties.
    const std::vector<mdb::TableColumns> systemRows = {
        {"MSysObjects", {"Id", "Name", "Type", "Flags", "Database", "ForeignName", "Connect"}},
        {"MSysQueries", {"ObjectId", "Attribute", "Flag", "Name1", "Name2", "Expression", "Order"}},
        {"MSysComplexColumns", {"ColumnName", "ConceptualTableID", "FlatTableID"}}};
    const mdb::Status status = reader.ReadCatalog(db->m_catalog, systemRows, onSystemRow, &savedRowsRead);
    if (!savedRowsRead) collector.reset(), objects.reset();
    switch (status) {
    case mdb::Status::Ok: break;
    case mdb::Status::NotFound: RaiseFileNotFound(target.route, target.database);
    case mdb::Status::NotAccess: RaiseNotAccessFile(target.route, target.database);
    case mdb::Status::Damaged: RaiseDamagedFile(target.route, target.database);
    case mdb::Status::Cancelled: RaiseCancelled(target.route);
    case mdb::Status::WrongPassword: RaiseInvalidPassword(target.route);
    case mdb::Status::UnsupportedEncryption: RaiseEncryptedFile(target.route, target.database, FromUtf8(reader.Scheme()), FromUtf8(reader.Missing()));
    case mdb::Status::NoReader: RaiseNoReader(target.route);
    }
    db->StartEngine();
    const ReadOnlyPolicy::Trusted building(*db->m_policy);
    db->CreateTables(objects ? objects->Links() : std::vector<LinkedTable>{}, objects ? objects->ComplexColumns() : std::vector<ComplexColumn>{});
    if (objects) db->m_odbcLinks = objects->OdbcLinks();
    std::vector<StoredQuery> saved;
    if (collector && collector->Usable() && !ColumnNames(db->m_catalog, "MSysObjects").empty() &&
        !ColumnNames(db->m_catalog, "MSysQueries").empty())
        saved = collector->TakeStored();
    db->m_savedQueries = std::move(saved);
    return db;
}

std::shared_ptr<Database> Database::Open(std::shared_ptr<TableSource> source, Route route, std::wstring_view displayPath) {
    std::shared_ptr<Database> db(new Database());
    db->m_route = route;
    db->m_displayPath = displayPath;
    db->m_source = std::move(source);
    db->m_catalog = db->m_source->Catalog();
    db->StartEngine();
    const ReadOnlyPolicy::Trusted building(*db->m_policy);
    db->CreateTables({}, {});
    return db;
}

void Database::StartEngine() {
    if (sqlite3_open_v2(":memory:", &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK)
        RaiseOutOfMemory(m_route);
    // "..." is a name, never text that SQLite guesses at.
    sqlite3_db_config(m_db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(m_db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
    RegisterAccessFunctions(m_db, &m_running);
    // Sorts and temporary tables stay in memory, where the statement's memory limit counts
    // them, instead of spilling into files that nothing bounds.
    sqlite3_exec(m_db, "PRAGMA temp_store = MEMORY", nullptr, nullptr, nullptr);
    m_policy = std::make_unique<ReadOnlyPolicy>(m_db);
}

Database::~Database() {
    m_policy.reset();
    if (m_db) sqlite3_close_v2(m_db);
}

void Database::CreateTables(const std::vector<LinkedTable>& links, const std::vector<ComplexColumn>& complex) {
    m_tables.reserve(m_catalog.tables.size());
    std::vector<std::pair<mdb::FileReader*, mdb::Catalog>> linkedCatalogs;  // each linked file is read once
    for (const auto& table : m_catalog.tables) {
        TableState state;
        state.definition = table;
        state.source = m_readers.empty() ? nullptr : m_readers.front().get();  // none: the tables come from m_source
        state.sourceName = table.name;
        if (table.kind == mdb::TableKind::Linked) {
            const auto link = std::find_if(links.begin(), links.end(), [&](const LinkedTable& l) { return l.name == table.name; });
            if (link != links.end()) ResolveLink(state, *link, linkedCatalogs);
            else state.linkStatus = mdb::Status::NotFound;
        }
        for (const auto& c : complex)
            if (c.table == table.name && table.kind != mdb::TableKind::Linked)
                for (size_t k = 0; k < table.columns.size(); ++k)
                    if (table.columns[k].name == c.column && table.columns[k].type == mdb::kComplex) state.complex.emplace_back(k, c.flatTable);
        AddTable(std::move(state));
    }
}

void Database::AddTable(TableState state) {
    const auto& columns = state.definition.columns;
    const std::string& name = state.definition.name;
    if (!columns.empty() && state.linkStatus == mdb::Status::Ok && !state.linkedTableMissing) {
        std::string sql = "CREATE TABLE " + Quoted(name) + " (";
        for (size_t c = 0; c < columns.size(); ++c) {
            if (c) sql += ", ";
            sql += Quoted(columns[c].name) + " " + DeclaredTypeOf(columns[c].type);
        }
        sql += ")";
        state.created = true;
        state.createSql = std::move(sql);
        m_policy->MakeVisible(name);
    }
    m_byName.emplace(LowerAscii(name), m_tables.size());
    m_tables.push_back(std::move(state));
}

bool Database::MakeTable(std::string_view sqliteName) {
    std::string_view name = sqliteName;
    if (name.rfind("main.", 0) == 0) name.remove_prefix(5);
    TableState* table = FindTable(name);
    if (!table || table->createSql.empty()) return false;
    const ReadOnlyPolicy::Trusted building(*m_policy);
    const std::string sql = std::move(table->createSql);
    table->createSql.clear();
    // A table SQLite cannot make (names it takes for the same) is no table of the engine.
    table->created = sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
    return table->created;
}

void Database::MakeAllTables() {
    for (TableState& table : m_tables)
        if (!table.createSql.empty()) MakeTable(table.definition.name);
}

bool Database::AddSourceTable(std::string_view sqliteName) {
    if (!m_source || FindTable(sqliteName)) return false;
    std::optional<mdb::Table> table = m_source->TableNamed(sqliteName);
    if (!table) return false;
    const ReadOnlyPolicy::Trusted building(*m_policy);
    TableState state;
    state.definition = std::move(*table);
    state.sourceName = state.definition.name;
    m_catalog.tables.push_back(state.definition);
    AddTable(std::move(state));
    return true;
}

mdb::FileReader& Database::ReaderOf(const std::string& hostPath, const std::string& password) {
    for (const auto& reader : m_readers)
        if (reader->Path() == hostPath) return *reader;
    m_readers.push_back(std::make_unique<mdb::FileReader>(hostPath, password));
    return *m_readers.back();
}

void Database::ResolveLink(TableState& state, const LinkedTable& link, std::vector<std::pair<mdb::FileReader*, mdb::Catalog>>& read) {
    state.linkedFile = FindLinkedFile(m_displayPath, link.database);
    state.source = &ReaderOf(ToHostPath(state.linkedFile), link.password);
    state.sourceName = link.foreignName;
    auto cached = std::find_if(read.begin(), read.end(), [&](const auto& entry) { return entry.first == state.source; });
    if (cached == read.end()) {
        mdb::Catalog catalog;
        state.linkStatus = state.source->ReadCatalog(catalog);
        if (state.linkStatus != mdb::Status::Ok) return;
        cached = read.insert(read.end(), {state.source, std::move(catalog)});
    }
    for (const auto& table : cached->second.tables) {
        if (table.kind == mdb::TableKind::Linked || LowerAscii(table.name) != LowerAscii(link.foreignName)) continue;
        state.definition.columns = table.columns;
        state.sourceName = table.name;
        return;
    }
    state.linkedTableMissing = true;
}

void Database::RaiseLinkError(const TableState& table) {
    // The linked file is named as the link stores it, resolved: the user's own path.
    switch (table.linkStatus) {
    case mdb::Status::Ok: break;
    case mdb::Status::NotFound: RaiseFileNotFound(m_route, table.linkedFile.empty() ? FromUtf8(table.definition.name) : table.linkedFile);
    case mdb::Status::NotAccess: RaiseNotAccessFile(m_route, table.linkedFile);
    case mdb::Status::Damaged: RaiseDamagedFile(m_route, table.linkedFile);
    case mdb::Status::Cancelled: RaiseCancelled(m_route);
    case mdb::Status::WrongPassword: RaiseInvalidPassword(m_route);
    case mdb::Status::UnsupportedEncryption:
        RaiseEncryptedFile(m_route, table.linkedFile, FromUtf8(table.source->Scheme()), FromUtf8(table.source->Missing()));
    case mdb::Status::NoReader: RaiseNoReader(m_route);
    }
    RaiseNoTable(m_route, FromUtf8(table.sourceName));
}

Database::TableState* Database::FindTable(std::string_view sqliteName) {
    const auto it = m_byName.find(LowerAscii(sqliteName));
    return it == m_byName.end() ? nullptr : &m_tables[it->second];
}

void Database::Load(TableState& table, const StatementLimits& limits) {
    if (table.loaded || !table.created || !table.createSql.empty()) return;
    const ReadOnlyPolicy::Trusted loading(*m_policy);
    const auto& columns = table.definition.columns;
    std::string sql = "INSERT INTO " + Quoted(table.definition.name) + " VALUES (";
    for (size_t c = 0; c < columns.size(); ++c) sql += c ? ",?" : "?";
    sql += ")";
    StatementGuard insert;
    if (sqlite3_prepare_v2(m_db, sql.c_str(), -1, &insert.stmt, nullptr) != SQLITE_OK) RaiseEngineError(m_route, FromUtf8(sqlite3_errmsg(m_db)));
    // The values of complex columns come from their hidden tables, read first in the same go.
    std::vector<std::pair<std::string, size_t>> reads;
    std::vector<ComplexValues> complex(table.complex.size());
    std::vector<long> complexOf(columns.size(), -1);  // column -> its entry in complex
    for (size_t k = 0; k < table.complex.size(); ++k) {
        const size_t column = table.complex[k].first;
        const std::string& flatName = table.complex[k].second;  // not a structured binding: clang 14 cannot capture one
        const auto flat = std::find_if(m_catalog.tables.begin(), m_catalog.tables.end(), [&](const mdb::Table& t) { return t.name == flatName; });
        complexOf[column] = static_cast<long>(k);
        if (flat == m_catalog.tables.end() || !complex[k].Prepare(flat->columns)) continue;
        reads.emplace_back(flat->name, flat->columns.size());
    }
    const size_t own = reads.size();
    reads.emplace_back(table.sourceName, columns.size());
    sqlite3_exec(m_db, "BEGIN", nullptr, nullptr, nullptr);
    // Reading the file is bounded by the file, not by the statement's time: only the user's
    // break stops it.
    StatementLimits untimed;
    untimed.cancelled = limits.cancelled;
    StatementBudget breaks(untimed);
    size_t missing = 0;
    const auto onRow = [&](size_t which, const std::vector<mdb::Value>& row) {
        if (which < own) {
            for (size_t k = 0; k < complex.size(); ++k)
                if (table.complex[k].second == reads[which].first) complex[k].OnFlatRow(row);
            return;
        }
        for (size_t c = 0; c < row.size(); ++c) {
            const int p = static_cast<int>(c) + 1;
            const mdb::Value& v = row[c];
            if (complexOf[c] >= 0) {
                const std::string* text = complex[static_cast<size_t>(complexOf[c])].TextOf(v.kind == mdb::Value::Int ? v.i : -1);
                if (text) sqlite3_bind_text(insert.stmt, p, text->data(), static_cast<int>(text->size()), SQLITE_TRANSIENT);
                else sqlite3_bind_null(insert.stmt, p);
                continue;
            }
            switch (v.kind) {
            case mdb::Value::Null: sqlite3_bind_null(insert.stmt, p); break;
            case mdb::Value::Int:
                if (columns[c].type == mdb::kMoney) sqlite3_bind_double(insert.stmt, p, static_cast<double>(v.i) / 10000.0);
                else sqlite3_bind_int64(insert.stmt, p, v.i);
                break;
            case mdb::Value::Real: sqlite3_bind_double(insert.stmt, p, v.d); break;
            case mdb::Value::Text: sqlite3_bind_text(insert.stmt, p, v.bytes.data(), static_cast<int>(v.bytes.size()), SQLITE_TRANSIENT); break;
            case mdb::Value::Blob: sqlite3_bind_blob(insert.stmt, p, v.bytes.data(), static_cast<int>(v.bytes.size()), SQLITE_TRANSIENT); break;
            }
        }
        sqlite3_step(insert.stmt);
        sqlite3_reset(insert.stmt);
    };
    const auto stop = [&] { return !breaks.GoOn(); };
    const mdb::Status status = m_source ? m_source->ReadRows(table.sourceName, [&](const std::vector<mdb::Value>& row) { onRow(own, row); }, stop)
                                        : table.source->ReadRowsOfTables(reads, onRow, &missing, stop);
    if (status != mdb::Status::Ok || missing) {
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        const std::wstring file = table.linkedFile.empty() ? m_displayPath : table.linkedFile;
        if (status == mdb::Status::Cancelled) RaiseCancelled(m_route);
        if (status == mdb::Status::NotFound) RaiseFileNotFound(m_route, file);
        if (status == mdb::Status::NoReader) RaiseNoReader(m_route);
        // Rows of a damaged page are not left out quietly: a table without them is not the table.
        if (status == mdb::Status::Ok) RaiseDamagedRows(m_route, file, FromUtf8(table.definition.name), missing);
        RaiseDamagedFile(m_route, file);
    }
    sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr);
    table.loaded = true;
}

void Database::RaiseRefused() {
    // A table that is not the database's own is, as Access would say, not there.
    if (!m_policy->HiddenTable().empty()) RaiseNoTable(m_route, FromUtf8(m_policy->HiddenTable()));
    // Changes to data are refused in Access's own words: the files are opened read-only.
    if (m_policy->RefusedAWrite()) RaiseEngineError(m_route, L"Operation must use an updateable query.");
    RaiseEngineError(m_route, L"The statement was refused: only reading the database's own tables and queries is allowed, and it uses " +
                                  FromUtf8(m_policy->Refused()) + L".");
}

void Database::RaiseSqlError(std::wstring_view sql) {
    const std::string message = sqlite3_errmsg(m_db);
    auto after = [&](std::string_view prefix) { return FromUtf8(std::string_view(message).substr(prefix.size())); };
    if (message.rfind("no such table: ", 0) == 0) {
        std::wstring name = after("no such table: ");
        if (name.rfind(L"main.", 0) == 0) name.erase(0, 5);
        for (const auto& view : m_views) {
            if (platform::CompareNoCase(FromUtf8(view.name), name) != 0) continue;
            if (!view.error.empty()) RaiseEngineError(m_route, view.error);
            if (!view.parameters.empty()) RaiseParametersMissing(view.parameters, 0, view.name);
        }
        if (const TableState* table = FindTable(ToUtf8(name)); table && table->definition.kind == mdb::TableKind::Linked) RaiseLinkError(*table);
        RaiseNoTable(m_route, name);
    }
    if (message.rfind("no such column: ", 0) == 0) RaiseParametersMissing({{message.substr(16), 0}}, 0, {});
    if (message.rfind("ambiguous column name: ", 0) == 0) RaiseAmbiguousField(m_route, after("ambiguous column name: "));
    if (message == "incomplete input") RaiseIncompleteQuery(m_route);
    if (message.rfind("unrecognized token: ", 0) == 0) RaiseSyntaxError(m_route, after("unrecognized token: "));
    if (message.rfind("near \"", 0) == 0) {
        const size_t close = message.find("\": syntax error");
        if (close != std::string::npos) RaiseSyntaxError(m_route, FromUtf8(message.substr(6, close - 6)));
    }
    RaiseEngineError(m_route, FromUtf8(message));
}

ResultSet Database::Query(std::wstring_view sqlText, const StatementLimits& limits) {
    try {
        return Run(sqlText, limits);
    } catch (const std::bad_alloc&) {
        RaiseOutOfMemory(m_route);
    }
}

ResultSet Database::Run(std::wstring_view sqlText, const StatementLimits& limits) {
    m_limits = limits;
    if (std::wstring_view(sqlText).find_first_not_of(L" \t\r\n") == std::wstring_view::npos) RaiseNoCommand(m_route);
    if (!m_viewsMade && NamesASavedQuery(sqlText)) MakeViews();
    PreparedStatement prepared;
    PrepareStatement(sqlText, prepared, limits);
    LoadTablesRead(limits);
    ResultSet result;
    const std::vector<ColumnPlan> plans = DescribeColumns(prepared.stmt, prepared.translation, result);
    // The limits hold from the first row on: loading the file's tables is not the statement's
    // running time, and is bounded by the file.
    StatementBudget budget(limits);
    FetchRows(prepared.stmt, plans, sqlText, budget, result);
    // A computed column is described by its first value that is not Null.
    for (size_t i = 0; i < plans.size(); ++i) {
        if (plans[i].accessType != 0) continue;
        const _variant_t* first = nullptr;
        for (size_t r = 0; r < result.RowCount() && !first; ++r) {
            const _variant_t& v = result.At(r, i);
            if (v.vt != VT_NULL) first = &v;
        }
        DescribeComputed(result.columns[i], first);
    }
    return result;
}

void Database::LoadTablesRead(const StatementLimits& limits) {
    const std::set<std::string> reads = m_policy->TablesRead();
    for (const auto& name : reads)
        if (TableState* table = FindTable(name)) Load(*table, limits);
}

void Database::Prepare(std::wstring_view sqlText, const std::string& sql, sqlite3_stmt*& stmt) {
    const char* tail = nullptr;
    const int rc = TryPrepare(sql, stmt, tail);
    CheckPrepared(sqlText, rc, stmt, tail);
}

int Database::TryPrepare(const std::string& sql, sqlite3_stmt*& stmt, const char*& tail) {
    tail = nullptr;
    m_policy->Reset();
    // No virtual table is the database's: SQLite's built-in ones (pragma_table_info, json_each,
    // dbstat ...) are then names of tables that are not there.
    auto prepare = [&] { return sqlite3_prepare_v3(m_db, sql.c_str(), static_cast<int>(sql.size()), SQLITE_PREPARE_NO_VTAB, &stmt, &tail); };
    int rc = prepare();
    // A table linked through ODBC exists in the engine once a statement has named it.
    for (constexpr std::string_view missing = "no such table: "; rc != SQLITE_OK && m_policy->Refused().empty();) {
        const std::string message = sqlite3_errmsg(m_db);
        if (message.rfind(missing, 0) != 0) break;
        const std::string_view name = std::string_view(message).substr(missing.size());
        if (!MakeTable(name) && !ReadOdbcLink(name) && !AddSourceTable(name)) break;
        m_policy->Reset();
        rc = prepare();
    }
    return rc;
}

void Database::CheckPrepared(std::wstring_view sqlText, int rc, sqlite3_stmt* stmt, const char* tail) {
    if (rc != SQLITE_OK && !m_policy->Refused().empty()) RaiseRefused();
    if (rc != SQLITE_OK) RaiseSqlError(sqlText);
    if (!stmt) RaiseNoCommand(m_route);
    if (tail && std::string_view(tail).find_first_not_of(" \t\r\n;") != std::string_view::npos)
        RaiseCharactersAfterEnd(m_route);
    // The policy refuses every change; this stays as a second line behind it.
    if (!sqlite3_stmt_readonly(stmt)) RaiseEngineError(m_route, L"Operation must use an updateable query.");
}

std::vector<ColumnPlan> Database::DescribeColumns(sqlite3_stmt* stmt, const Translation& translation, ResultSet& result) {
    const int count = sqlite3_column_count(stmt);
    std::vector<ColumnPlan> plans(static_cast<size_t>(count));
    std::vector<std::string> origins(static_cast<size_t>(count));  // the table of a column of the file
    result.columns.resize(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const auto k = static_cast<size_t>(i);
        result.columns[k].name = FromUtf8(sqlite3_column_name(stmt, i));
        DescribeOrigin(stmt, i, result.columns[k], plans[k], origins[k]);
    }
    // A computed column: the type of its expression, from the statement itself or from the
    // saved query it is read through (a sort or a grouping loses the type a value carries).
    const std::string lowerSql = LowerAscii(translation.sql);
    for (size_t k = 0; k < plans.size(); ++k)
        if (plans[k].accessType == 0) plans[k].computed = ComputedType(LowerAscii(ToUtf8(result.columns[k].name)), translation, lowerSql);
    // Columns of the same name from different tables are told apart as Table.Column.
    std::vector<bool> duplicate(plans.size(), false);
    for (size_t i = 0; i < plans.size(); ++i)
        for (size_t j = 0; j < plans.size(); ++j)
            if (i != j && platform::CompareNoCase(result.columns[i].name, result.columns[j].name) == 0) duplicate[i] = true;
    for (size_t k = 0; k < plans.size(); ++k)
        if (duplicate[k] && !origins[k].empty()) result.columns[k].name = FromUtf8(origins[k]) + L"." + result.columns[k].name;
    return plans;
}

void Database::DescribeOrigin(sqlite3_stmt* stmt, int i, ResultColumn& column, ColumnPlan& plan, std::string& origin) {
    const char* tableName = sqlite3_column_table_name(stmt, i);
    const char* originName = sqlite3_column_origin_name(stmt, i);
    if (!tableName || !originName) return;
    TableState* table = FindTable(tableName);
    if (!table) return;
    origin = table->definition.name;
    for (const auto& source : table->definition.columns) {
        if (LowerAscii(source.name) == LowerAscii(originName)) {
            plan = {source.type, source.scale, source.calculated};
            Describe(column, source, m_catalog.jet3);
            if (source.calculated) column.attributes |= adFldCalculated;
            const size_t index = static_cast<size_t>(&source - table->definition.columns.data());
            for (const auto& [complexColumn, flatName] : table->complex) {
                if (complexColumn != index) continue;
                const mdb::Table* flat = nullptr;
                for (const auto& t : m_catalog.tables)
                    if (t.name == flatName) flat = &t;
                column.attributes |= flat && ComplexValues::AreAttachments(flat->columns) ? adFldAttachment : adFldMultiValued;
            }
            return;
        }
    }
}

ValueType Database::ComputedType(const std::string& lowerName, const Translation& translation, const std::string& lowerSql) const {
    ValueType computed = ValueType::Unknown;
    for (const auto& [columnName, type] : translation.columns)
        if (LowerAscii(columnName) == lowerName && type != ValueType::Unknown) computed = type;
    if (computed != ValueType::Unknown) return computed;
    for (const auto& view : m_views) {
        if (!view.created || lowerSql.find(LowerAscii(view.name)) == std::string::npos) continue;
        for (const auto& [columnName, type] : view.columns)
            if (LowerAscii(columnName) == lowerName && type != ValueType::Unknown) computed = type;
    }
    return computed;
}

void Database::FetchRows(sqlite3_stmt* stmt, const std::vector<ColumnPlan>& plans, std::wstring_view sqlText, StatementBudget& budget,
                         ResultSet& result) {
    const StatementLimits& limits = budget.Limits();
    const int count = static_cast<int>(plans.size());
    const StatementWatch watch(m_db, budget, m_running);
    size_t bytes = 0;
    for (;;) {
        const int step = sqlite3_step(stmt);
        if (step == SQLITE_DONE) break;
        if (step != SQLITE_ROW && budget.Stopped() != StatementStop::None) RaiseStopped(budget);
        if (step == SQLITE_TOOBIG) RaiseMemoryLimit(m_route, limits.bytes, true);
        if (step == SQLITE_NOMEM) RaiseOutOfMemory(m_route);
        if (step != SQLITE_ROW) RaiseSqlError(sqlText);
        const auto rows = static_cast<long long>(result.RowCount());
        if (limits.rows > 0 && rows >= limits.rows) RaiseRowLimit(m_route, limits.rows);
        if (limits.cells > 0 && (rows + 1) * count > limits.cells) RaiseCellLimit(m_route, limits.cells);
        _variant_t* row = result.AppendRow();
        for (int i = 0; i < count; ++i) SetVariant(row[i], stmt, i, plans[static_cast<size_t>(i)]);
        if (limits.bytes > 0) {
            bytes += provider::RowBytes(row, static_cast<size_t>(count));
            if (static_cast<long long>(bytes) > limits.bytes) RaiseMemoryLimit(m_route, limits.bytes);
        }
    }
}

void Database::RaiseStopped(const StatementBudget& budget) {
    switch (budget.Stopped()) {
    case StatementStop::Time: RaiseTimeout(m_route, budget.Limits().seconds);
    case StatementStop::Memory: RaiseMemoryLimit(m_route, budget.Limits().bytes, true);
    case StatementStop::Cancelled: RaiseCancelled(m_route);
    case StatementStop::None: break;
    }
    RaiseEngineError(m_route, L"The statement was stopped.");
}

ResultSet Database::Tables() {
    MakeViews();
    std::vector<provider::TableEntry> rows;
    for (const auto& table : m_tables) {
        const auto kind = table.definition.kind;
        const wchar_t* type = kind == mdb::TableKind::Linked ? L"LINK" : kind == mdb::TableKind::System ? L"SYSTEM TABLE" : L"TABLE";
        // A linked table's description is the file it reads, which need not be the one stored.
        rows.push_back({FromUtf8(table.definition.name), type, kind == mdb::TableKind::Linked ? table.linkedFile : std::wstring()});
    }
    // A query with parameters describes them: it gives no rows without their values.
    for (const auto& view : m_views)
        rows.push_back({FromUtf8(view.name), L"VIEW",
                        view.parameters.empty() || !view.error.empty() ? std::wstring() : L"Parameters: " + FromUtf8(DescribeParameters(view.parameters))});
    for (const auto& link : m_odbcLinks) rows.push_back({FromUtf8(link.name), L"LINK"});
    return provider::TablesRowset(std::move(rows));
}

}  // namespace platform::access
