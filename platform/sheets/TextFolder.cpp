#include "sheets/TextFolder.h"

#include <dirent.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>

#include "access/SqliteText.h"
#include "posix/FileIo.h"
#include "sheets/CellValues.h"
#include "sheets/CsvText.h"
#include "sheets/Workbook.h"

namespace platform::sheets {
namespace {

using access::sqlite_text::LowerAscii;

std::string Trim(std::string_view s) {
    const size_t first = s.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    return std::string(s.substr(first, s.find_last_not_of(" \t\r\n") - first + 1));
}

// schema.ini: a section per file, its keys without regard to case.
using IniSection = std::map<std::string, std::string>;
std::map<std::string, IniSection> ReadSchemaIni(const std::string& folder) {
    std::map<std::string, IniSection> sections;
    posix::FileBytes bytes;
    std::string why;
    // Its name is matched without regard to case, as on the system it comes from.
    std::string path;
    if (DIR* dir = posix::Sys().opendir(folder.c_str())) {
        while (const dirent* entry = readdir(dir))
            if (LowerAscii(entry->d_name) == "schema.ini") path = folder + "/" + entry->d_name;
        closedir(dir);
    }
    if (path.empty() || !posix::ReadRegularFile(path, bytes, why)) return sections;
    const std::string text = DecodeText(std::string_view(bytes.data.get(), bytes.size));
    IniSection* current = nullptr;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string line = Trim(std::string_view(text).substr(start, end - start));
        start = end + 1;
        if (line.empty() || line[0] == ';') continue;
        if (line.front() == '[' && line.back() == ']') {
            current = &sections[LowerAscii(Trim(std::string_view(line).substr(1, line.size() - 2)))];
            continue;
        }
        const size_t eq = line.find('=');
        if (current && eq != std::string::npos) (*current)[LowerAscii(Trim(std::string_view(line).substr(0, eq)))] = Trim(std::string_view(line).substr(eq + 1));
    }
    return sections;
}

// A column of schema.ini: "Name Type [Width n]", the name possibly in quotes.
struct SchemaColumn {
    std::string name;
    int type = mdb::kText;
};

std::optional<SchemaColumn> ParseSchemaColumn(std::string_view text) {
    SchemaColumn column;
    std::string rest;
    if (!text.empty() && text.front() == '"') {
        const size_t close = text.find('"', 1);
        if (close == std::string_view::npos) return std::nullopt;
        column.name = std::string(text.substr(1, close - 1));
        rest = Trim(text.substr(close + 1));
    } else {
        const size_t space = text.find_first_of(" \t");
        column.name = std::string(text.substr(0, space));
        rest = space == std::string_view::npos ? std::string() : Trim(text.substr(space));
    }
    const std::string type = LowerAscii(rest.substr(0, rest.find_first_of(" \t")));
    if (type == "bit" || type == "boolean") column.type = mdb::kBool;
    else if (type == "byte" || type == "short" || type == "integer" || type == "long") column.type = mdb::kLong;
    else if (type == "currency") column.type = mdb::kMoney;
    else if (type == "single" || type == "double" || type == "float") column.type = mdb::kDouble;
    else if (type == "date" || type == "datetime") column.type = mdb::kDateTime;
    else column.type = mdb::kText;  // Text, Char, Memo, LongChar and anything unknown
    return column;
}

bool ParseInteger(const std::string& s, long long& out) {
    if (s.empty()) return false;
    errno = 0;
    char* end = nullptr;
    out = std::strtoll(s.c_str(), &end, 10);
    return errno == 0 && end == s.c_str() + s.size() && out >= INT_MIN && out <= INT_MAX;
}

bool ParseNumber(const std::string& s, double& out) {
    // Plain decimal numbers only: strtod would also take "inf", "nan" and hexadecimal.
    if (s.empty() || s.find_first_not_of("0123456789+-.eE") != std::string::npos) return false;
    char* end = nullptr;
    out = std::strtod(s.c_str(), &end);
    return end == s.c_str() + s.size() && std::isfinite(out);
}

// yyyy-mm-dd, optionally with hh:mm or hh:mm:ss after a space or a T, as an OLE date.
bool ParseDate(const std::string& s, double& out) {
    int y, mo, d, h = 0, mi = 0, sec = 0, used = 0;
    if (std::sscanf(s.c_str(), "%4d-%2d-%2d%n", &y, &mo, &d, &used) != 3 || used != 10) return false;
    if (s.size() > 10) {
        int more = 0;
        if ((s[10] != ' ' && s[10] != 'T') || std::sscanf(s.c_str() + 11, "%2d:%2d%n:%2d%n", &h, &mi, &more, &sec, &more) < 2 ||
            11 + static_cast<size_t>(more) != s.size())
            return false;
    }
    if (mo < 1 || mo > 12 || d < 1 || d > 31 || h > 23 || mi > 59 || sec > 59) return false;
    out = OleDateOf(y, mo, d, h * 3600 + mi * 60 + sec);
    return true;
}

// The type the fields of a column agree on: Long, Double, Date, or Text.
int DetectType(const std::vector<std::vector<std::string>>& records, size_t first, size_t column) {
    bool integer = true, number = true, date = true, any = false;
    long long i;
    double d;
    for (size_t r = first; r < records.size() && (integer || number || date); ++r) {
        if (column >= records[r].size() || records[r][column].empty()) continue;
        const std::string& field = records[r][column];
        any = true;
        integer = integer && ParseInteger(field, i);
        number = number && ParseNumber(field, d);
        date = date && ParseDate(field, d);
    }
    if (!any) return mdb::kText;
    return integer ? mdb::kLong : number ? mdb::kDouble : date ? mdb::kDateTime : mdb::kText;
}

struct TextTable {
    std::string file;  // host path
    mdb::Table definition;
    size_t firstRecord = 0;
    std::vector<std::vector<std::string>> records;
};

class TextFolderSource : public access::TableSource {
public:
    TextFolderSource(const std::string& folder, const TextOptions& options) {
        DIR* dir = posix::Sys().opendir(folder.c_str());
        if (!dir) throw UnreadableFile("The folder '" + folder + "' cannot be read: " + std::strerror(errno) + ".");
        std::vector<std::string> names;
        while (const dirent* entry = readdir(dir))
            if (IsTextFileName(entry->d_name)) names.push_back(entry->d_name);
        closedir(dir);
        std::sort(names.begin(), names.end());
        const auto schema = ReadSchemaIni(folder);
        for (const std::string& name : names) {
            const auto section = schema.find(LowerAscii(name));
            AddFile(folder + "/" + name, TextTableName(name), options, section == schema.end() ? IniSection() : section->second);
        }
    }

    const mdb::Catalog& Catalog() const override { return m_catalog; }

    mdb::Status ReadRows(const std::string& table, const std::function<void(const std::vector<mdb::Value>&)>& onRow,
                         const std::function<bool()>& stop) override {
        const auto found = std::find_if(m_tables.begin(), m_tables.end(), [&](const TextTable& t) { return LowerAscii(t.definition.name) == LowerAscii(table); });
        if (found == m_tables.end()) return mdb::Status::NotFound;
        const auto& columns = found->definition.columns;
        std::vector<mdb::Value> row(columns.size());
        for (size_t r = found->firstRecord; r < found->records.size(); ++r) {
            if (r % 4096 == 0 && stop && stop()) return mdb::Status::Cancelled;
            const auto& record = found->records[r];
            // A short record's missing fields are empty; the values point into the record.
            static const std::string kNone;
            for (size_t c = 0; c < columns.size(); ++c) row[c] = Convert(c < record.size() ? record[c] : kNone, columns[c].type);
            onRow(row);
        }
        return mdb::Status::Ok;
    }

private:
    static mdb::Value Convert(const std::string& field, int type) {
        mdb::Value v;
        if (field.empty()) return v;
        long long i;
        double d;
        switch (type) {
        case mdb::kLong:
            if (ParseInteger(field, i)) v.kind = mdb::Value::Int, v.i = i;
            break;
        case mdb::kMoney:
            if (ParseNumber(field, d)) v.kind = mdb::Value::Int, v.i = std::llround(d * 10000.0);
            break;
        case mdb::kDouble:
            if (ParseNumber(field, d)) v.kind = mdb::Value::Real, v.d = d;
            break;
        case mdb::kDateTime:
            if (ParseDate(field, d)) v.kind = mdb::Value::Real, v.d = d;
            break;
        case mdb::kBool: {
            const std::string lower = LowerAscii(field);
            v.kind = mdb::Value::Int;
            v.i = lower == "true" || lower == "yes" || lower == "1" || lower == "-1" ? -1 : 0;
            break;
        }
        default:
            v.kind = mdb::Value::Text;
            v.bytes = field;
        }
        return v;  // a field that is no value of its column's type is Null, as the driver gives it
    }

    void AddFile(const std::string& path, const std::string& tableName, const TextOptions& options, const IniSection& section) {
        posix::FileBytes bytes;
        std::string why;
        if (!posix::ReadRegularFile(path, bytes, why)) throw UnreadableFile(why);
        const std::string text = DecodeText(std::string_view(bytes.data.get(), bytes.size));
        bytes = {};
        std::optional<char> delimiter = options.delimiter;
        bool header = options.header;
        if (const auto format = section.find("format"); format != section.end()) delimiter = DelimiterOfFormat(format->second).value_or(delimiter.value_or(','));
        if (const auto names = section.find("colnameheader"); names != section.end()) header = LowerAscii(names->second) == "true";
        TextTable table;
        table.file = path;
        table.records = SplitRecords(text, delimiter ? *delimiter : DetectDelimiter(text));
        table.firstRecord = header && !table.records.empty() ? 1 : 0;
        size_t width = 0;
        for (const auto& record : table.records) width = std::max(width, record.size());
        std::vector<std::string> headerNames(width);
        if (header && !table.records.empty())
            for (size_t c = 0; c < table.records[0].size(); ++c) headerNames[c] = table.records[0][c];
        std::vector<std::optional<SchemaColumn>> declared(width);
        for (size_t c = 0;; ++c) {
            const auto col = section.find("col" + std::to_string(c + 1));
            if (col == section.end()) break;
            if (c >= width) declared.resize(c + 1), headerNames.resize(c + 1), width = c + 1;
            declared[c] = ParseSchemaColumn(col->second);
            if (declared[c]) headerNames[c] = declared[c]->name;
        }
        bool named = header;
        for (const auto& d : declared) named = named || d.has_value();
        const std::vector<std::string> names = ColumnNames(headerNames, named);
        table.definition.name = tableName;
        for (size_t c = 0; c < width; ++c) {
            mdb::Column column;
            column.name = names[c];
            column.type = declared[c] ? declared[c]->type : DetectType(table.records, table.firstRecord, c);
            column.size = column.type == mdb::kText ? 510 : 8;
            table.definition.columns.push_back(std::move(column));
        }
        if (table.definition.columns.empty()) table.definition.columns.push_back({"F1", mdb::kText, 510});
        m_catalog.tables.push_back(table.definition);
        m_tables.push_back(std::move(table));
    }

    mdb::Catalog m_catalog;
    std::vector<TextTable> m_tables;
};

}  // namespace

std::string TextTableName(const std::string& fileName) {
    std::string name = fileName;
    const size_t dot = name.rfind('.');
    if (dot != std::string::npos) name[dot] = '#';
    return name;
}

bool IsTextFileName(const std::string& fileName) {
    const size_t dot = fileName.rfind('.');
    if (dot == std::string::npos || dot == 0) return false;
    const std::string ext = LowerAscii(std::string_view(fileName).substr(dot + 1));
    return ext == "csv" || ext == "txt" || ext == "tab" || ext == "asc";
}

std::optional<char> DelimiterOfFormat(std::string_view format) {
    const std::string lower = LowerAscii(Trim(format));
    if (lower == "csvdelimited") return ',';
    if (lower == "tabdelimited") return '\t';
    if (lower.rfind("delimited(", 0) == 0 && lower.size() == 12 && lower[11] == ')') return Trim(format)[10];
    return std::nullopt;
}

std::shared_ptr<access::TableSource> OpenTextFolder(const std::string& hostFolder, const TextOptions& options) {
    return std::make_shared<TextFolderSource>(hostFolder, options);
}

}  // namespace platform::sheets
