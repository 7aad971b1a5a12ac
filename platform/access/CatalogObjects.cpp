#include "access/CatalogObjects.h"

#include <algorithm>
#include <cstdio>
#include <cwctype>


#include "posix/SystemCalls.h"
#include "win/HostPath.h"
#include "win/ShellPath.h"
#include "access/SqliteText.h"
#include "text/Utf8.h"

namespace platform::access {

using sqlite_text::LowerAscii;

long ColumnIndex(const std::vector<std::string>& columns, const char* name) {
    const std::string sought = LowerAscii(name);
    for (size_t i = 0; i < columns.size(); ++i)
        if (LowerAscii(columns[i]) == sought) return static_cast<long>(i);
    return -1L;
}

std::int64_t IntegerOf(const mdb::Value& v) { return v.kind == mdb::Value::Int ? v.i : 0; }

std::string TextOf(const mdb::Value& v) {
    return v.kind == mdb::Value::Text || v.kind == mdb::Value::Blob ? std::string(v.bytes) : std::string();
}

namespace {

constexpr int kLinkedTableType = 6;
constexpr int kOdbcLinkedTableType = 4;  // reports share the low bits of the type, not the type
constexpr int kLocalTableType = 1;
// Catalogue ids of tables keep flags in their top byte; the rest is the definition's page.
std::int64_t TableKey(std::int64_t id) { return id & 0xFFFFFF; }

// The PWD= item of a linked table's connect text ("MS Access;PWD=secret;"), to its ';'.
std::string PasswordOf(const std::string& connect) {
    const std::string lower = LowerAscii(connect);
    for (size_t at = lower.find("pwd="); at != std::string::npos; at = lower.find("pwd=", at + 1)) {
        if (at > 0 && lower[at - 1] != ';') continue;
        const size_t start = at + 4, end = connect.find(';', start);
        return connect.substr(start, end == std::string::npos ? std::string::npos : end - start);
    }
    return {};
}

}  // namespace

CatalogObjects::CatalogObjects(const std::vector<std::string>& objectsColumns, const std::vector<std::string>& complexColumns)
    : m_oId(ColumnIndex(objectsColumns, "Id")),
      m_oName(ColumnIndex(objectsColumns, "Name")),
      m_oType(ColumnIndex(objectsColumns, "Type")),
      m_oDatabase(ColumnIndex(objectsColumns, "Database")),
      m_oForeignName(ColumnIndex(objectsColumns, "ForeignName")),
      m_oConnect(ColumnIndex(objectsColumns, "Connect")),
      m_cColumn(ColumnIndex(complexColumns, "ColumnName")),
      m_cTable(ColumnIndex(complexColumns, "ConceptualTableID")),
      m_cFlat(ColumnIndex(complexColumns, "FlatTableID")) {}

void CatalogObjects::OnObjectRow(const std::vector<mdb::Value>& row) {
    if (m_oId < 0 || m_oName < 0 || m_oType < 0) return;
    auto at = [&row](long index) -> const mdb::Value& { return row[static_cast<size_t>(index)]; };
    const std::int64_t type = IntegerOf(at(m_oType));
    if (type == kLocalTableType) m_tableNames[TableKey(IntegerOf(at(m_oId)))] = TextOf(at(m_oName));
    if (type == kLinkedTableType && m_oDatabase >= 0 && m_oForeignName >= 0)
        m_links.push_back({TextOf(at(m_oName)), FromUtf8(TextOf(at(m_oDatabase))), TextOf(at(m_oForeignName)),
                           m_oConnect >= 0 ? PasswordOf(TextOf(at(m_oConnect))) : std::string()});
    if (type == kOdbcLinkedTableType && m_oConnect >= 0 && m_oForeignName >= 0 && !TextOf(at(m_oConnect)).empty())
        m_odbcLinks.push_back({TextOf(at(m_oName)), FromUtf8(TextOf(at(m_oConnect))), TextOf(at(m_oForeignName))});
}

void CatalogObjects::OnComplexRow(const std::vector<mdb::Value>& row) {
    if (m_cColumn < 0 || m_cTable < 0 || m_cFlat < 0) return;
    auto at = [&row](long index) -> const mdb::Value& { return row[static_cast<size_t>(index)]; };
    m_complex.push_back({TextOf(at(m_cColumn)), TableKey(IntegerOf(at(m_cTable))), TableKey(IntegerOf(at(m_cFlat)))});
}

std::vector<ComplexColumn> CatalogObjects::ComplexColumns() const {
    std::vector<ComplexColumn> columns;
    for (const auto& row : m_complex) {
        const auto table = m_tableNames.find(row.table);
        const auto flat = m_tableNames.find(row.flat);
        if (table != m_tableNames.end() && flat != m_tableNames.end()) columns.push_back({table->second, row.column, flat->second});
    }
    return columns;
}

std::wstring ResolveLinkedFile(std::wstring_view linkingFile, std::wstring_view stored) {
    const std::wstring location(stored);
    if (location.empty() || !PathIsRelativeW(location.c_str())) return location;
    wchar_t work[1024] = {};
    linkingFile.copy(work, std::min(linkingFile.size(), std::size(work) - 1));
    PathRemoveFileSpecW(work);
    PathAddBackslashW(work);
    if (!PathAppendW(work, location.c_str())) return location;  // past the path limit
    wchar_t canonical[MAX_PATH] = {};
    if (!PathCanonicalizeW(canonical, work)) return location;
    return canonical;
}

namespace {

bool IsFile(const std::wstring& path) {
    struct stat st{};
    return posix::Sys().stat(ToHostPath(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

std::wstring FindLinkedFile(std::wstring_view linkingFile, std::wstring_view stored) {
    const std::wstring resolved = ResolveLinkedFile(linkingFile, stored);
    if (stored.empty()) return resolved;
    const bool drive = stored.size() >= 2 && stored[1] == L':' && std::iswalpha(stored[0]);
    if (!drive && IsFile(resolved)) return resolved;
    // The same name beside the linking file, written in the linking file's own form.
    const size_t slash = stored.find_last_of(L"\\/");
    const std::wstring_view name = stored.substr(slash == std::wstring_view::npos ? (drive ? 2 : 0) : slash + 1);
    if (!name.empty()) {
        const size_t folder = linkingFile.find_last_of(L"\\/");
        const std::wstring beside = std::wstring(linkingFile.substr(0, folder == std::wstring_view::npos ? 0 : folder + 1)) + std::wstring(name);
        if (IsFile(beside)) return beside;
    }
    return resolved;  // through the drive mapping, or missing
}

bool ComplexValues::Prepare(const std::vector<mdb::Column>& flatColumns) {
    // The flat table holds the complex type's own columns, its own number for each value
    // (an AutoNumber) and the key that refers to the column's value: the other Long.
    static const char* const kAttachmentColumns[] = {"FileData", "FileFlags", "FileName", "FileTimeStamp", "FileType", "FileURL"};
    std::vector<std::string> names;
    for (const auto& c : flatColumns) names.push_back(c.name);
    const long fileName = ColumnIndex(names, "FileName");
    const long value = ColumnIndex(names, "value");
    for (size_t i = 0; i < flatColumns.size() && m_key < 0; ++i) {
        const auto& c = flatColumns[i];
        bool typeColumn = static_cast<long>(i) == value;
        for (const char* a : kAttachmentColumns) typeColumn = typeColumn || LowerAscii(c.name) == LowerAscii(a);
        if (c.type == mdb::kLong && !c.autoNumber && !typeColumn) m_key = static_cast<long>(i);
    }
    m_shown = AreAttachments(flatColumns) ? fileName : value;
    return m_key >= 0 && m_shown >= 0;
}

bool ComplexValues::AreAttachments(const std::vector<mdb::Column>& flatColumns) {
    std::vector<std::string> names;
    for (const auto& c : flatColumns) names.push_back(c.name);
    return ColumnIndex(names, "FileName") >= 0 && ColumnIndex(names, "FileData") >= 0;
}

void ComplexValues::OnFlatRow(const std::vector<mdb::Value>& row) {
    if (m_key < 0 || m_shown < 0) return;
    const mdb::Value& shown = row[static_cast<size_t>(m_shown)];
    std::string text;
    switch (shown.kind) {
    case mdb::Value::Null: return;
    case mdb::Value::Int: text = std::to_string(shown.i); break;
    case mdb::Value::Real: {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%g", shown.d);
        text = buffer;
        break;
    }
    case mdb::Value::Text: text.assign(shown.bytes); break;
    case mdb::Value::Blob: return;
    }
    const auto [it, first] = m_texts.try_emplace(IntegerOf(row[static_cast<size_t>(m_key)]));
    if (!first) it->second += ", ";
    it->second += text;
}

const std::string* ComplexValues::TextOf(std::int64_t key) const {
    const auto it = m_texts.find(key);
    return it == m_texts.end() ? nullptr : &it->second;
}

}  // namespace platform::access
