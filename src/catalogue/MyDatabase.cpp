#include "catalogue/MyDatabase.h"

#include "catalogue/NearestNames.h"
#include "editor/Alert.h"

#include <sys/stat.h>

#include <algorithm>

#include "editor/Print.h"
#include "catalogue/ConnectStringTable.h"
#include "catalogue/Location.h"
#include "data/ADORecordset.h"
#include "types/CellGrid.h"
#include "types/TableLink.h"
#include "win/HostPath.h"

namespace {

bool StampOf(const CString& location, CMyDatabase::CFileStamp& stamp) {
    struct stat st {};
    if (::stat(platform::ToHostPath(location.str()).c_str(), &st) != 0) return false;
    stamp.m_dev = st.st_dev;
    stamp.m_ino = st.st_ino;
    stamp.m_size = static_cast<unsigned long long>(st.st_size);
    stamp.m_mtimeSec = st.st_mtim.tv_sec;
    stamp.m_mtimeNsec = st.st_mtim.tv_nsec;
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
}

CString CMyDatabase::GetConnectString() const {
    const CString pattern = GetConnectStringTemplate(m_strDriver);
    if (pattern.IsEmpty()) return CString();
    const CString location = ResolveRelativePath(GetCurrentDrawingPath(), m_strDatabase);
    CString connect;
    // Each value is quoted as the string's grammar asks, so a password holding ";" can neither
    // end early nor add a key of its own (and is hidden whole in error reports).
    connect.Format(pattern, QuoteConnectValue(pattern, location).GetString(), QuoteConnectValue(pattern, m_strUser).GetString(),
                   QuoteConnectValue(pattern, m_strPassword).GetString());
    return connect;
}

bool CMyDatabase::Open(const CString& driverName, const CString& location, const CString& user, const CString& password) {
    m_strDriver = driverName;
    m_strDatabase = location;
    m_strUser = user;
    m_strPassword = password;
    CString resolved;
    if (!TryResolveRelativePath(GetCurrentDrawingPath(), location, resolved)) {
        acutPrintf(L"\nThe database %s cannot be found: joined to the drawing's folder its path passes the limit of %d characters.",
                   location.GetString(), MAX_PATH);
        return false;
    }
    m_strOpenedLocation = resolved;
    // Taken before the file is read, so that a change made while it is read counts as one.
    m_bStamped = StampOf(resolved, m_stamp);
    m_Database.SetConnectionString(GetConnectString());
    if (!m_Database.Open()) return false;

    CADORecordset recordset(m_Database);
    if (!recordset.OpenSchema(20, L"")) return true;
    if (recordset.GetRecordCount() == 0) {
        recordset.Close();
        return true;
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
    return true;
}

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
                fetched.SetCell(row, i, text);
            }
            recordset.MoveNext();
        }
    }
    recordset.Close();
    return true;
}

CString WholeTableSql(const CString& strTable) {
    CString strName = strTable;
    strName.Replace(L"`", L"``");
    CString sql;
    sql.Format(L"SELECT * FROM `%s`", strName.GetString());
    return sql;
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

const CCellGrid* CMyDatabase::FetchWholeTable(const CString& name, const CString& sql, bool& bRan) {
    bRan = false;
    const bool bTable = std::any_of(m_arrTables.begin(), m_arrTables.end(), [&](const CMyDbTable* table) {
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
    // A table or query that is not there: said so, with the names that come nearest.
    const std::wstring report = m_strLastError.str();
    if (report.find(L"Code = 80040e37") != std::wstring::npos) {
        CString name = link.m_strSQL.IsEmpty() || !link.m_strTable.IsEmpty() ? link.m_strTable : CString();
        const size_t open = report.find(L"table or query '");
        if (open != std::wstring::npos) {
            const size_t start = open + 16, close = report.find(L'\'', start);
            if (close != std::wstring::npos) name = CString(report.substr(start, close - start).c_str());
        }
        if (!name.IsEmpty()) {
            CStringArray names, nearest;
            GetTableNames(names);
            NearestNames(names, name, nearest);
            const CString hint = DidYouMean(nearest);
            return L"no table or query " + name + L" in " + m_strDatabase + (hint.IsEmpty() ? CString() : L"; " + hint);
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
    if (bWholeTable) link.m_strSQL = WholeTableSql(link.m_strTable);
    CCellGrid fresh;
    bool bFetched = false;
    const CCellGrid* fetched = bWholeTable ? FetchWholeTable(link.m_strTable, link.m_strSQL, bFetched) : nullptr;
    // A table whose statement ran and failed has been reported once; it is not run again.
    if (!fetched && bFetched) return false;
    if (!fetched) {
        if (!FetchRecords(link.m_strSQL, fresh)) return false;
        fetched = &fresh;
    }
    if (fetched->GetRows() <= 1) return false;
    ShapeLinkedGrid(link, *fetched, grid);
    link.m_nRows = grid.GetRows();
    link.m_nCols = grid.GetCols();
    return true;
}
