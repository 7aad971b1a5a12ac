#pragma once
// What the catalogue tables say about a file's tables beyond their definitions:
//   - linked tables (MSysObjects rows of type 6): the file they are in (Database), their
//     name there (ForeignName) and the file's password (Connect: "MS Access;PWD=...");
//     tables linked through ODBC (type 4): their connect string (Connect) and their name
//     there;
//   - complex columns (ACE: attachments, multi-valued fields, version history): each
//     column's hidden flat table, which holds one row per value and refers to the column's
//     value in the row (MSysComplexColumns: ColumnName, ConceptualTableID, FlatTableID).
// Rows come from the reader as it hands them over, whichever read brings them.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "access/MdbReader.h"

namespace platform::access {

// The position of a catalogue table's column by name (any letter case); -1 when absent.
long ColumnIndex(const std::vector<std::string>& columns, const char* name);
std::int64_t IntegerOf(const mdb::Value& v);
std::string TextOf(const mdb::Value& v);

struct LinkedTable {
    std::string name;         // UTF-8, as listed
    std::wstring database;    // the linked file, as stored (often a Windows path)
    std::string foreignName;  // UTF-8, its name in that file
    std::string password;     // UTF-8, the file's database password (Connect's PWD=)
};

// A table linked through ODBC (MSysObjects rows of type 4): the connect string as stored
// ("ODBC;DRIVER=...;SERVER=...;" or "ODBC;DSN=...;") and its name there ("dbo.Parts").
struct OdbcLink {
    std::string name;         // UTF-8, as listed
    std::wstring connect;
    std::string foreignName;  // UTF-8
};

struct ComplexColumn {
    std::string table, column;  // UTF-8
    std::string flatTable;      // the hidden table of its values
};

class CatalogObjects {
public:
    CatalogObjects(const std::vector<std::string>& objectsColumns, const std::vector<std::string>& complexColumns);
    void OnObjectRow(const std::vector<mdb::Value>& row);
    void OnComplexRow(const std::vector<mdb::Value>& row);

    std::vector<LinkedTable> Links() const { return m_links; }
    std::vector<OdbcLink> OdbcLinks() const { return m_odbcLinks; }
    std::vector<ComplexColumn> ComplexColumns() const;

private:
    long m_oId, m_oName, m_oType, m_oDatabase, m_oForeignName, m_oConnect;
    long m_cColumn, m_cTable, m_cFlat;
    std::map<std::int64_t, std::string> m_tableNames;  // by catalogue id (its page)
    std::vector<LinkedTable> m_links;
    std::vector<OdbcLink> m_odbcLinks;
    struct ComplexRow {
        std::string column;
        std::int64_t table, flat;
    };
    std::vector<ComplexRow> m_complex;
};

// The file a linked table names, as links in drawings resolve theirs: a relative path is
// taken from the folder of the linking file (linkingFile as it was given), then canonicalised.
// The result is still in its stored form; ToHostPath maps its drive letter.
std::wstring ResolveLinkedFile(std::wstring_view linkingFile, std::wstring_view stored);

// Where a linked file is, looked for where Access's linked table manager would offer it when
// the stored path names no file here: the stored path as it stands (a relative one resolved
// as above; one with a drive letter only through the drive mapping, last), then the file of
// that name beside the linking file, then the stored path through the drive mapping
// (HostPath.h). The first that exists; the stored path resolved when none does, so that the
// error names the file the link names.
std::wstring FindLinkedFile(std::wstring_view linkingFile, std::wstring_view stored);

// The text a complex column shows for its values: attachments by their file names,
// multi-valued fields by their values, joined by ", "; nothing for other complex data.
class ComplexValues {
public:
    // Whether a complex column's flat table holds attachments (else several values).
    static bool AreAttachments(const std::vector<mdb::Column>& flatColumns);
    // flatColumns: the flat table's columns; false when it holds nothing this class shows.
    bool Prepare(const std::vector<mdb::Column>& flatColumns);
    void OnFlatRow(const std::vector<mdb::Value>& row);
    // The text of the values that refer to this key; none when there are none.
    const std::string* TextOf(std::int64_t key) const;

private:
    long m_key = -1, m_shown = -1;
    std::map<std::int64_t, std::string> m_texts;
};

}  // namespace platform::access
