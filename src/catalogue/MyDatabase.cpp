#include "catalogue/MyDatabase.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <string_view>
#include <utility>

#include "catalogue/NearestNames.h"
#include "editor/Alert.h"
#include "editor/Print.h"
#include "catalogue/ConnectStringTable.h"
#include "catalogue/Location.h"
#include "catalogue/TrustedSources.h"
#include "data/ADORecordset.h"
#include "posix/SystemCalls.h"
#include "types/CellGrid.h"
#include "types/TableLink.h"
#include "win/HostPath.h"

namespace {

bool StampOf(const CString& location, CMyDatabase::CFileStamp& stamp) {
    const std::string path = platform::ToHostPath(location.str());
    struct stat st {};
    if (platform::posix::Sys().stat(path.c_str(), &st) != 0) return false;
    stamp.m_dev = st.st_dev;
    stamp.m_ino = st.st_ino;
    stamp.m_size = static_cast<unsigned long long>(st.st_size);
    stamp.m_mtimeSec = st.st_mtim.tv_sec;
    stamp.m_mtimeNsec = st.st_mtim.tv_nsec;
    if (!S_ISDIR(st.st_mode)) return true;
    // A folder of text files: a file written in place changes neither the folder nor its
    // list, so the stamp is also every file's size and the newest file's time.
    DIR* dir = platform::posix::Sys().opendir(path.c_str());
    if (!dir) return true;
    while (const dirent* entry = readdir(dir)) {
        struct stat file {};
        if (platform::posix::Sys().stat((path + "/" + entry->d_name).c_str(), &file) != 0 || !S_ISREG(file.st_mode)) continue;
        stamp.m_size += static_cast<unsigned long long>(file.st_size);
        const long long sec = file.st_mtim.tv_sec, nsec = file.st_mtim.tv_nsec;
        if (sec > stamp.m_mtimeSec || (sec == stamp.m_mtimeSec && nsec > stamp.m_mtimeNsec)) {
            stamp.m_mtimeSec = file.st_mtim.tv_sec;
            stamp.m_mtimeNsec = file.st_mtim.tv_nsec;
        }
    }
    closedir(dir);
    return true;
}

// Calls onRow(type, name) for each row of the tables schema.
template <class OnRow>
void WalkSchema(CADORecordset& recordset, OnRow onRow) {
    recordset.MoveFirst();
    while (!recordset.IsEof()) {
        CString type, name;
        recordset.GetFieldValue(L"TABLE_TYPE", type, L"");
        recordset.GetFieldValue(L"TABLE_NAME", name, L"");
        onRow(type, name);
        recordset.MoveNext();
    }
}

}  // namespace

CMyDatabase::~CMyDatabase() { DeleteTables(); }

void CMyDatabase::DeleteTables() {
    for (CMyDbTable* table : m_arrTables) delete table;
    m_arrTables.RemoveAll();
    m_bTablesListed = false;
}

CString CMyDatabase::GetConnectString() const {
    CString location;
    TryResolveLinkLocation(m_strDriver, GetCurrentDrawingPath(), m_strDatabase, location);
    return BuildConnectString(m_strDriver, location, m_strUser, m_strPassword);
}

bool CMyDatabase::Open(const CString& driverName, const CString& location, const CString& user, const CString& password) {
    m_strDriver = driverName;
    m_strDatabase = location;
    m_strUser = user;
    m_strPassword = password;
    CString resolved;
    if (!TryResolveLinkLocation(driverName, GetCurrentDrawingPath(), location, resolved)) {
        acutPrintf(L"\nThe database %s cannot be found: joined to the drawing's folder its path passes the limit of %d characters.",
                   location.GetString(), MAX_PATH);
        return false;
    }
    m_strOpenedLocation = resolved;
    // Taken before the file is read, so that a change made while it is read counts as one. A
    // server has no file: what it holds may change at any moment, and is read every time.
    m_bStamped = IsFileDriver(driverName) && StampOf(resolved, m_stamp);
    m_Database.SetConnectionString(GetConnectString());
    m_Database.SetTrustedSources(GetTrustedSources());
    return m_Database.Open();
}

CArray<CMyDbTable*, CMyDbTable*>& CMyDatabase::Tables() {
    if (m_bTablesListed || (!m_Database.IsOpen() && !m_Database.Open())) return m_arrTables;
    m_bTablesListed = true;
    CADORecordset recordset(m_Database);
    if (!recordset.OpenSchema(20, L"")) return m_arrTables;
    if (recordset.GetRecordCount() == 0) {
        recordset.Close();
        return m_arrTables;
    }
    WalkSchema(recordset, [this](const CString& type, const CString& name) {
        int kind;
        if (type.CompareNoCase(L"TABLE") == 0) kind = 0;
        else if (type.CompareNoCase(L"VIEW") == 0) kind = 1;
        else return;
        auto* table = new CMyDbTable;
        table->m_strName = name;
        table->m_nKind = kind;
        table->m_pDatabase = this;
        m_arrTables.Add(table);
    });
    recordset.Close();
    return m_arrTables;
}

CString CMyDatabase::QuoteName(const CString& name) {
    // The quote inside the name doubled, so that the name stays one name: a name holding
    // "` UNION SELECT ... `" names a table that is not there instead of running a second SELECT.
    const CString quote = m_Database.GetIdentifierQuote();
    CString quoted = name;
    quoted.Replace(quote, quote + quote);
    return quote + quoted + quote;
}

CString CMyDatabase::TableQuery(const CString& name) { return L"SELECT * FROM " + QuoteName(name); }

bool CMyDatabase::FileUnchanged() const {
    CFileStamp now;
    return m_bStamped && StampOf(m_strOpenedLocation, now) && now == m_stamp;
}

void CMyDatabase::GetTableNames(CStringArray& names) {
    if (!m_Database.IsOpen() && !m_Database.Open()) return;
    CADORecordset recordset(m_Database);
    if (!recordset.OpenSchema(20, L"")) return;
    if (recordset.GetRecordCount() == 0) {
        recordset.Close();
        return;
    }
    WalkSchema(recordset, [&names](const CString& type, const CString& name) {
        if (type.CompareNoCase(L"TABLE") == 0 || type.CompareNoCase(L"VIEW") == 0) names.Add(name);
    });
    recordset.Close();
}

bool CMyDatabase::FetchRecords(const CString& sql, CCellGrid& fetched) {
    fetched.SetGridSize(0, 0);
    if (!m_Database.IsOpen() && !m_Database.Open()) return false;
    CADORecordset recordset(m_Database);
    if (!recordset.Open(sql)) {
        m_strLastError = recordset.GetLastErrorString();
        return false;
    }
    const int columns = recordset.GetFieldCount();
    const LONG records = columns > 0 ? std::max<LONG>(recordset.GetRecordCount(), 0) : 0;
    fetched.SetGridSize(static_cast<int>(records) + 1, columns);
    for (int i = 0; i < columns; ++i) {
        CADOFieldInfo info{};
        recordset.GetFieldInfo(i, &info);
        fetched.SetCell(0, i, CString(info.m_strName));
    }
    if (records > 0) {
        recordset.MoveFirst();
        CString text;
        for (int row = 1; row <= records && !recordset.IsEof(); ++row) {
            for (int i = 0; i < columns; ++i) {
                if (!recordset.GetFieldValue(i, text, L"")) text.Empty();
                fetched.SetCell(row, i, std::move(text));
            }
            recordset.MoveNext();
        }
    }
    recordset.Close();
    return true;
}

void ShapeLinkedGrid(const CTableLink& link, const CCellGrid& fetched, CCellGrid& grid) {
    const int columns = fetched.GetCols();
    const int records = std::max(fetched.GetRows() - 1, 0);
    const int header = link.m_bIncludeHeader ? 1 : 0;
    grid.SetGridSize(records + header, columns);
    if (header) {
        for (int i = 0; i < columns; ++i)
            grid.SetCell(0, i, i < link.m_arrHeadings.GetSize() ? link.m_arrHeadings[i] : fetched.CellRef(0, i));
    }
    for (int row = 0; row < records; ++row)
        for (int i = 0; i < columns; ++i) grid.SetCell(row + header, i, fetched.CellRef(row + 1, i));
}

void ShapeLinkedGrid(const CTableLink& link, CCellGrid&& fetched, CCellGrid& grid) {
    // The same grid, its first row made the link's: a large result is never held twice.
    if (fetched.GetRows() == 0) return ShapeLinkedGrid(link, static_cast<const CCellGrid&>(fetched), grid);
    if (!link.m_bIncludeHeader) fetched.RemoveFirstRow();
    else
        for (int i = 0; i < fetched.GetCols() && i < link.m_arrHeadings.GetSize(); ++i) fetched.SetCell(0, i, link.m_arrHeadings[i]);
    grid = std::move(fetched);
    fetched.SetGridSize(0, 0);
}

const CCellGrid* CMyDatabase::FetchWholeTable(const CString& name, const CString& sql, bool& bRan) {
    bRan = false;
    const CArray<CMyDbTable*, CMyDbTable*>& tables = Tables();
    const bool bTable = std::any_of(tables.begin(), tables.end(), [&](const CMyDbTable* table) {
        return table && table->m_nKind == 0 && table->m_strName.CompareNoCase(name) == 0;
    });
    if (!bTable) return nullptr;
    CString key = name;
    key.MakeLower();
    const auto found = m_fetchedTables.find(key.GetString());
    if (found != m_fetchedTables.end()) return &found->second;
    CCellGrid fetched;
    if (!FetchRecords(sql, fetched)) {
        bRan = true;
        return nullptr;
    }
    if (!FileUnchanged()) return nullptr;
    return &(m_fetchedTables[key.GetString()] = std::move(fetched));
}

void CMyDatabase::ReopenIfFileChanged() {
    if (!m_bStamped || FileUnchanged()) return;
    m_fetchedTables.clear();
    m_Database.Close();
    m_bStamped = StampOf(m_strOpenedLocation, m_stamp);
}

CString CMyDatabase::FailureReason(const CTableLink& link) {
    if (m_strLastError.IsEmpty()) {
        if (!m_Database.GetLastErrorString().IsEmpty()) return CString(platform::AlertReason(m_Database.GetLastErrorString().str()).c_str());
        return L"the source returns no records";
    }
    return ReasonOfReport(m_strLastError, link);
}

CString CMyDatabase::ReasonOfReport(const CString& strReport, const CTableLink& link) {
    if (strReport.IsEmpty()) return L"the source returns no records";
    // A table or query that is not there: said so, with the names that come nearest.
    const std::wstring report = strReport.str();
    // Access says so by its code; an ODBC source by the SQLSTATE of a table not found (the
    // standard's 42S02, PostgreSQL's 42P01).
    const bool bNoTable = report.find(L"Code = 80040e37") != std::wstring::npos || report.find(L"SQLSTATE 42S02") != std::wstring::npos ||
                          report.find(L"SQLSTATE 42P01") != std::wstring::npos;
    if (bNoTable) {
        CString name = link.m_strSQL.IsEmpty() || !link.m_strTable.IsEmpty() ? link.m_strTable : CString();
        for (const std::wstring_view quote : {std::wstring_view(L"table or query '"), std::wstring_view(L"relation \"")}) {
            const size_t open = report.find(quote);
            if (open == std::wstring::npos) continue;
            const size_t start = open + quote.size(), close = report.find(quote.back(), start);
            if (close != std::wstring::npos) name = CString(report.substr(start, close - start).c_str());
            break;
        }
        if (!name.IsEmpty()) {
            CStringArray names, nearest;
            GetTableNames(names);
            NearestNames(names, name, nearest);
            const CString hint = DidYouMean(nearest);
            // A server's location may carry a password: it is not repeated here.
            const CString where = m_strDatabase.Find(L'@') >= 0 ? CString(L"the database") : m_strDatabase;
            return L"no table or query " + name + L" in " + where + (hint.IsEmpty() ? CString() : L"; " + hint);
        }
    }
    return CString(platform::AlertReason(report).c_str());
}

bool CMyDatabase::ReadRecords(CTableLink& link, CCellGrid& grid) {
    m_strLastError.Empty();
    ReopenIfFileChanged();
    // A database that cannot be opened leaves the link as it was, for the report to name.
    if (!m_Database.IsOpen() && !m_Database.Open()) return false;
    const bool bWholeTable = link.m_strSQL.IsEmpty() && !link.m_strTable.IsEmpty();
    if (bWholeTable) link.m_strSQL = TableQuery(link.m_strTable);
    CCellGrid fresh;
    bool bFetched = false;
    // Whole tables of a file are kept while the file is unchanged; a server's are read every time.
    const CCellGrid* fetched = bWholeTable && m_bStamped ? FetchWholeTable(link.m_strTable, link.m_strSQL, bFetched) : nullptr;
    // A table whose statement ran and failed has been reported once; it is not run again.
    if (!fetched && bFetched) return false;
    if (!fetched) {
        if (!FetchRecords(link.m_strSQL, fresh)) return false;
        fetched = &fresh;
    }
    if (fetched->GetRows() <= 1) return false;
    if (fetched == &fresh) ShapeLinkedGrid(link, std::move(fresh), grid);
    else ShapeLinkedGrid(link, *fetched, grid);
    link.m_nRows = grid.GetRows();
    link.m_nCols = grid.GetCols();
    return true;
}
