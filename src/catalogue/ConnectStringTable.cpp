#include "catalogue/ConnectStringTable.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <unordered_map>
#include <vector>

#include "odbc/OdbcApi.h"
#include "pgsql/PgConnectString.h"
#include "pgsql/PqLibrary.h"
#include "provider/ConnectString.h"
#include "provider/SourceName.h"
#include "text/Utf8.h"

namespace {

constexpr const wchar_t* kServerTemplate = L"Driver={%DRIVER%};Server=%HOST%;Port=%PORT%;Database=%DATABASE%;Uid=%USER%;Pwd=%PASSWORD%;";
// Microsoft's own SQL Server drivers take the port after the host.
constexpr const wchar_t* kSqlServerTemplate = L"Driver={%DRIVER%};Server=%HOST%,%PORT%;Database=%DATABASE%;Uid=%USER%;Pwd=%PASSWORD%;";

constexpr const wchar_t* kAccessFilter = L"Microsoft Office Access(*.mdb;*.accdb)|*.mdb;*.accdb|All Files(*.*)|*.*||";
constexpr const wchar_t* kSqliteFilter = L"SQLite databases(*.db;*.sqlite;*.sqlite3)|*.db;*.sqlite;*.sqlite3|All Files(*.*)|*.*||";
constexpr const wchar_t* kWorkbookFilter =
    L"Workbooks(*.xlsx;*.xlsm;*.ods)|*.xlsx;*.xlsm;*.ods|All Files(*.*)|*.*||";
constexpr const wchar_t* kTextFilter = L"Text files(*.csv;*.txt;*.tab;*.asc)|*.csv;*.txt;*.tab;*.asc|All Files(*.*)|*.*||";

// The rows, in no order of their own: the dialog sorts them.
std::vector<CDriverRow> Rows() {
    using K = CLocationKind;
    const std::vector<const wchar_t*> sqlServer = {L"ODBC Driver 18 for SQL Server", L"ODBC Driver 17 for SQL Server", L"FreeTDS"};
    const std::vector<const wchar_t*> mariaDb = {L"MariaDB Unicode", L"MariaDB ODBC 3.1 Driver", L"MariaDB ODBC 3.2 Driver", L"MariaDB"};
    std::vector<const wchar_t*> mySql = {L"MySQL ODBC 8.0 Unicode Driver", L"MySQL ODBC 8.4 Unicode Driver"};
    mySql.insert(mySql.end(), mariaDb.begin(), mariaDb.end());
    return {
        {L"Microsoft Access Driver (*.mdb, *.accdb)", K::File, true, L"Driver={Microsoft Access Driver (*.mdb, *.accdb)};Dbq=%s;Uid=%s;Pwd=%s;", {}, L""},
        {L"Microsoft.ACE.OLEDB.12.0", K::File, true, L"Provider=Microsoft.ACE.OLEDB.12.0;Data Source=%s;Persist Security Info=False;", {}, L""},
        {L"SQL Server", K::Server, false, kServerTemplate, sqlServer, L"tdsodbc"},
        {L"ODBC Driver 17 for SQL Server", K::Server, false, kServerTemplate,
         {L"ODBC Driver 17 for SQL Server", L"ODBC Driver 18 for SQL Server", L"FreeTDS"}, L"tdsodbc"},
        {L"ODBC Driver 18 for SQL Server", K::Server, false, kServerTemplate, sqlServer, L"tdsodbc"},
        // The Unicode driver reads what the ANSI one would, and text beyond one code page too.
        {L"PostgreSQL Unicode", K::Server, false, kServerTemplate, {L"PostgreSQL Unicode", L"PostgreSQL Unicode(x64)", L"PostgreSQL ANSI"},
         L"odbc-postgresql"},
        {L"PostgreSQL ANSI", K::Server, false, kServerTemplate, {L"PostgreSQL Unicode", L"PostgreSQL ANSI", L"PostgreSQL ANSI(x64)"},
         L"odbc-postgresql"},
        {L"MySQL ODBC 8.0 Unicode Driver", K::Server, false, kServerTemplate, mySql, L"odbc-mariadb"},
        {L"MariaDB ODBC 3.1 Driver", K::Server, false, kServerTemplate, mariaDb, L"odbc-mariadb"},
        {L"ODBC Data Source", K::DataSource, false, L"DSN=%DSN%;Uid=%USER%;Pwd=%PASSWORD%;", {}, L"unixodbc"},
        {L"SQLite3 ODBC Driver", K::File, false, L"Driver={%DRIVER%};Database=%FILE%;NoCreat=1;", {L"SQLite3 ODBC Driver", L"SQLite3"},
         L"libsqliteodbc", false, kSqliteFilter},
        // Workbooks and text files, read by our own provider under the engine's driver names.
        {L"Microsoft Excel Driver (*.xls, *.xlsx, *.xlsm, *.xlsb)", K::File, false,
         L"Driver={Microsoft Excel Driver (*.xls, *.xlsx, *.xlsm, *.xlsb)};DBQ=%FILE%;", {}, L"", true, kWorkbookFilter},
        {L"Microsoft Excel Driver (*.xls)", K::File, false, L"Driver={Microsoft Excel Driver (*.xls)};DBQ=%FILE%;", {}, L"", true, kWorkbookFilter},
        {L"Microsoft Access Text Driver (*.txt, *.csv)", K::File, false, L"Driver={Microsoft Access Text Driver (*.txt, *.csv)};DBQ=%FILE%;", {},
         L"", true, kTextFilter, true},
        {L"Microsoft Text Driver (*.txt; *.csv)", K::File, false, L"Driver={Microsoft Text Driver (*.txt; *.csv)};DBQ=%FILE%;", {}, L"", true,
         kTextFilter, true},
    };
}

std::unordered_map<std::wstring, CDriverRow>& DriverTable() {
    static std::unordered_map<std::wstring, CDriverRow> table;
    return table;
}

// Fills a template's parts; a part whose value is an empty user, password or port is left
// out, and a "host,port" whose port is empty becomes the host.
CString FillTemplate(const std::wstring& pattern, const std::unordered_map<std::wstring, std::wstring>& values) {
    std::wstring out;
    size_t start = 0;
    while (start < pattern.size()) {
        size_t end = pattern.find(L';', start);
        if (end == std::wstring::npos) end = pattern.size();
        const std::wstring part = pattern.substr(start, end - start);
        start = end + 1;
        const size_t eq = part.find(L'=');
        if (eq == std::wstring::npos) continue;
        std::wstring value = part.substr(eq + 1);
        const bool braced = value.size() >= 2 && value.front() == L'{' && value.back() == L'}';
        if (braced) value = value.substr(1, value.size() - 2);
        // One pass over the template's text: a value put in is never read for tokens again.
        bool optionalEmpty = false;
        std::wstring filled;
        for (size_t i = 0; i < value.size(); ++i) {
            const size_t close = value[i] == L'%' ? value.find(L'%', i + 1) : std::wstring::npos;
            const auto found = close == std::wstring::npos ? values.end() : values.find(value.substr(i + 1, close - i - 1));
            if (found == values.end()) {
                filled += value[i];
                continue;
            }
            filled += found->second;
            if (found->second.empty() && (found->first == L"USER" || found->first == L"PASSWORD" || found->first == L"PORT")) optionalEmpty = true;
            i = close;
        }
        value = filled;
        if (optionalEmpty && value.empty()) continue;
        if (optionalEmpty && !value.empty() && value.back() == L',') value.pop_back();  // "host," without its port
        out += part.substr(0, eq + 1) + (braced ? L"{" + value + L"}" : platform::provider::QuoteOdbcValue(value)) + L";";
    }
    return CString(out);
}

}  // namespace

void InitConnectStringTable() {
    auto& table = DriverTable();
    for (CDriverRow& row : Rows()) table.insert_or_assign(row.m_szName, std::move(row));
}

const CDriverRow* FindDriverRow(const CString& driverName) {
    const auto& table = DriverTable();
    const auto it = table.find(driverName.str());
    return it == table.end() ? nullptr : &it->second;
}

CString GetConnectStringTemplate(const CString& driverName) {
    const CDriverRow* row = FindDriverRow(driverName);
    return row ? CString(row->m_szTemplate) : CString();
}

CLocationKind GetLocationKind(const CString& driverName) {
    const CDriverRow* row = FindDriverRow(driverName);
    return row ? row->m_kind : CLocationKind::File;
}

void GetDriverNames(CStringArray& names) {
    std::vector<std::wstring> sorted;
    for (const auto& [name, row] : DriverTable()) sorted.push_back(name);
    std::sort(sorted.begin(), sorted.end(), [](const std::wstring& a, const std::wstring& b) {
        const bool accessA = DriverTable().at(a).m_bAccessEngine, accessB = DriverTable().at(b).m_bAccessEngine;
        if (accessA != accessB) return accessA;
        return a < b;
    });
    for (const auto& name : sorted) names.Add(CString(name));
}

namespace {

constexpr const wchar_t* kInstalledMark = L" (installed)";

// A PostgreSQL row whose servers the PostgreSQL provider reads, through libpq.
bool ReadThroughLibpq(const CDriverRow& row) {
    return !row.m_bAccessEngine && platform::pgsql::IsPostgresDriverName(row.m_szName) && platform::pgsql::PqAvailable();
}

}  // namespace

CString GetDriverLabel(const CDriverRow& row) {
    CString label(row.m_szName);
    if (!row.m_bAccessEngine && !row.m_bBuiltIn && row.m_kind != CLocationKind::DataSource && IsDriverAvailable(row)) label += kInstalledMark;
    return label;
}

CString DriverNameOfLabel(const CString& label) {
    const CString mark(kInstalledMark);
    if (label.GetLength() > mark.GetLength() && label.Right(mark.GetLength()) == mark) return label.Left(label.GetLength() - mark.GetLength());
    return label;
}

CString GetDriverStatus(const CDriverRow& row) {
    if (row.m_bAccessEngine || row.m_bBuiltIn) return L"built in";
    if (row.m_kind == CLocationKind::DataSource) {
        CString names;
        for (const auto& source : platform::odbc::DataSources()) names += (names.IsEmpty() ? L"" : L", ") + CString(source.name);
        return names.IsEmpty() ? CString(L"no data source names defined (odbc.ini)") : L"data sources: " + names;
    }
    // PostgreSQL servers are read through their own client library, with or without the driver.
    if (ReadThroughLibpq(row)) return L"built in (libpq)";
    const CString installed = GetInstalledDriver(row);
    if (!installed.IsEmpty()) return L"installed as " + installed;
    return L"not installed (Debian package " + CString(row.m_szPackage) + L")";
}

CString GetBrowseFilter(const CDriverRow* row) { return row && row->m_szFilter ? row->m_szFilter : kAccessFilter; }

CString LocationOfChosenFile(const CDriverRow* row, const CString& file) {
    if (!row || !row->m_bFolder) return file;
    const int slash = std::max(file.ReverseFind(L'\\'), file.ReverseFind(L'/'));
    return slash > 0 ? file.Left(slash) : file;
}

CString GetInstalledDriver(const CDriverRow& row) {
    if (row.m_bAccessEngine || row.m_linuxDrivers.empty()) return CString();
    const std::vector<platform::odbc::InstalledDriver> installed = platform::odbc::InstalledDrivers();
    for (const wchar_t* name : row.m_linuxDrivers)
        for (const auto& driver : installed)
            if (driver.name == name) return CString(driver.name);
    return CString();
}

bool IsDriverAvailable(const CDriverRow& row) {
    if (row.m_bAccessEngine || row.m_bBuiltIn) return true;
    // A data source names its own driver; the driver manager is what it needs.
    if (row.m_kind == CLocationKind::DataSource) return true;
    return ReadThroughLibpq(row) || !GetInstalledDriver(row).IsEmpty();
}

CString BuildConnectString(const CString& driverName, const CString& location, const CString& user, const CString& password) {
    const CDriverRow* row = FindDriverRow(driverName);
    if (!row) return CString();
    const CString pattern(row->m_szTemplate);
    if (row->m_bAccessEngine) {
        // Each value is quoted as the string's grammar asks, so a password holding ";" can
        // neither end early nor add a key of its own (and is hidden whole in error reports).
        CString connect;
        connect.Format(pattern, QuoteConnectValue(pattern, location).GetString(), QuoteConnectValue(pattern, user).GetString(),
                       QuoteConnectValue(pattern, password).GetString());
        return connect;
    }
    std::unordered_map<std::wstring, std::wstring> values = {{L"USER", user.str()}, {L"PASSWORD", password.str()}};
    // A driver not installed here is still named: the driver manager then says what is missing.
    const CString installed = GetInstalledDriver(*row);
    values[L"DRIVER"] = installed.IsEmpty() && !row->m_linuxDrivers.empty() ? row->m_linuxDrivers.front() : installed.str();
    switch (row->m_kind) {
    case CLocationKind::File: values[L"FILE"] = location.str(); break;
    case CLocationKind::DataSource: values[L"DSN"] = location.str(); break;
    case CLocationKind::Server: {
        const auto server = platform::provider::ParseServerLocation(location.str());
        if (!server) return CString();
        values[L"HOST"] = server->host;
        values[L"PORT"] = server->port;
        values[L"DATABASE"] = server->database;
        if (password.IsEmpty())
            if (const char* fromEnvironment = std::getenv("VELLORIA_PASSWORD")) values[L"PASSWORD"] = platform::FromUtf8(fromEnvironment);
        break;
    }
    }
    std::wstring text = row->m_szTemplate;
    // Microsoft's drivers for SQL Server take "host,port"; FreeTDS and the rest a Port key.
    if (values[L"DRIVER"].rfind(L"ODBC Driver ", 0) == 0 && values[L"DRIVER"].find(L"SQL Server") != std::wstring::npos)
        text = kSqlServerTemplate;
    return FillTemplate(text, values);
}

CString QuoteConnectValue(const CString& pattern, const CString& value) {
    const std::wstring& text = value.str();
    const bool odbc = pattern.Left(7).CompareNoCase(L"Driver=") == 0;
    // The engine trims these from either end of a value that is not quoted.
    const auto blank = [](wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; };
    const bool edgeSpace = !text.empty() && (blank(text.front()) || blank(text.back()));
    // A value that starts with a brace or a quote is read as a quoted one, whichever the route.
    const bool opensQuote = !text.empty() && (text.front() == L'{' || text.front() == L'"' || text.front() == L'\'');
    const bool needed = edgeSpace || opensQuote || text.find_first_of(odbc ? L";{}" : L";\"'") != std::wstring::npos;
    if (!needed) return value;
    const wchar_t open = odbc ? L'{' : L'"', close = odbc ? L'}' : L'"';
    std::wstring quoted(1, open);
    for (wchar_t c : text) {
        if (c == close) quoted += close;
        quoted += c;
    }
    quoted += close;
    return CString(quoted);
}
