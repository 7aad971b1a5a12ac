#pragma once
// An open database of the catalogue and its tables, views and queries.
#include <map>
#include <string>

#include "mfc/Afx.h"
#include "data/ADODatabase.h"
#include "types/CellGrid.h"

class CMyDatabase;
class CTableLink;

// A table (kind 0), view (1) or query (2) of one database.
class CMyDbTable {
public:
    CString m_strName;
    CString m_strSQL;  // empty for a table or view
    int m_nKind = 0;
    CMyDatabase* m_pDatabase = nullptr;  // not owned
};

class CMyDatabase : public CObject {
public:
    CMyDatabase() = default;
    ~CMyDatabase() override;

    // Stores the four texts and opens the connection.
    bool Open(const CString& driverName, const CString& location, const CString& user, const CString& password);
    CString GetConnectString() const;
    // The statement that reads a whole table or view: its name quoted as the database quotes
    // names (Access: "SELECT * FROM `NAME`"), the quote inside it doubled.
    CString TableQuery(const CString& name);
    // A table's or view's name as the database's SQL writes it.
    CString QuoteName(const CString& name);
    // Appends the names of the current tables and views, read afresh from the schema.
    void GetTableNames(CStringArray& names);
    // The one record fetch, behind the dialog's preview, a new table and a refresh alike: row 0
    // the field names, then one row a record, each value as text by the recordset's rule.
    // False when the SQL text cannot be run.
    bool FetchRecords(const CString& sql, CCellGrid& fetched);
    // A refresh: the link's table or SQL text fetched and shaped as the link shows it; false
    // when nothing could be read (no records either).
    bool ReadRecords(CTableLink& link, CCellGrid& grid);
    // Why the last ReadRecords of the link read nothing, in one plain line: the data layer's
    // reason (a table or query that is not there named, with the nearest names of the file's
    // tables and views), or that the source returns no records.
    CString FailureReason(const CTableLink& link);
    // The same from a data-layer report of reading the link's source.
    CString ReasonOfReport(const CString& strReport, const CTableLink& link);
    // Destroys the table, view and query records.
    void DeleteTables();

    // Whether the file this database was opened from is still the one it read: the same file,
    // size and time of its last change. False when it was never opened or the file is gone.
    bool FileUnchanged() const;

    // The tables, views and queries of the database, its schema read when first asked for: a
    // preview or a refresh that names its table needs none of it, and for an Access file the
    // schema means translating every saved query.
    CArray<CMyDbTable*, CMyDbTable*>& Tables();
    CString m_strOpenedLocation;  // the location resolved when it was opened
    struct CFileStamp {
        unsigned long long m_dev = 0, m_ino = 0, m_size = 0;
        long long m_mtimeSec = 0, m_mtimeNsec = 0;
        bool operator==(const CFileStamp&) const = default;
    } m_stamp;
    bool m_bStamped = false;
    CString m_strDriver;
    CString m_strDatabase;
    CString m_strUser;
    CString m_strPassword;
    CADODatabase m_Database;

private:
    // The records of whole tables read since the file was opened, by the table's name in lower
    // case: a batch refreshes many drawings' links to the same tables, and each is used again
    // only while the file is unchanged. Views and the caller's own SQL are read every time,
    // for they may call functions such as Now(). bRan: whether its statement ran and failed
    // (reported then; null as well for a name that is no table of the file).
    const CCellGrid* FetchWholeTable(const CString& name, const CString& sql, bool& bRan);
    // A file written since it was opened is opened again, so a refresh reads what it holds now.
    void ReopenIfFileChanged();
    std::map<std::wstring, CCellGrid> m_fetchedTables;
    CString m_strLastError;  // the data layer's report of the last fetch that failed

private:
    CArray<CMyDbTable*, CMyDbTable*> m_arrTables;
    bool m_bTablesListed = false;
};

// The grid a linked table shows of fetched records (FetchRecords): the heading row when the
// link includes it (the link's own headings where it has them, else the field names), then
// the records. A new table and a refreshed one are both shaped here, so they cannot differ.
void ShapeLinkedGrid(const CTableLink& link, const CCellGrid& fetched, CCellGrid& grid);
// The same from a grid that is used up: its texts move into grid.
void ShapeLinkedGrid(const CTableLink& link, CCellGrid&& fetched, CCellGrid& grid);
