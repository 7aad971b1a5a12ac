// The catalogue tables as the reader hands their rows over: MSysObjects, MSysQueries and
// MSysComplexColumns, any of their usual columns missing, any rows, and the rows of a complex
// column's hidden table. What the engine gathers from them (linked tables and their files,
// complex columns and their texts, saved queries) comes out without fault, and the SQL of
// each saved query rebuilt is taken or refused by the translator with one of its errors.
//
// Input: a byte per catalogue table (bit k: the table has its k-th usual column) and one for
// the hidden table (bit 0: an attachment's columns, else a multi-valued field's), then rows:
// the table (a byte, mod 4) and a value per column: a kind (a byte, mod 5: null, integer,
// real, text, binary) and the value (8 bytes for numbers; a length byte and that many bytes).
#include <algorithm>
#include <array>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

#include "access/AccessSql.h"
#include "access/CatalogObjects.h"
#include "access/MdbReader.h"
#include "access/SavedQueries.h"
#include "fuzz/FuzzTarget.h"

namespace {

using namespace platform;
using namespace platform::access;

const std::array<std::vector<std::string>, 3> kUsualColumns = {{
    {"Id", "ParentId", "Name", "Type", "Flags", "Database", "Connect", "ForeignName"},
    {"ObjectId", "Attribute", "Order", "Name1", "Name2", "Expression", "Flag"},
    {"ColumnName", "ComplexID", "ComplexTypeObjectID", "ConceptualTableID", "FlatTableID"},
}};

std::vector<mdb::Column> HiddenTableColumns(bool attachment) {
    auto column = [](const char* name, int type, bool autoNumber = false) {
        mdb::Column c;
        c.name = name;
        c.type = type;
        c.autoNumber = autoNumber;
        return c;
    };
    if (attachment)
        return {column("Id", mdb::kLong, true), column("Owner", mdb::kLong), column("FileData", mdb::kOle), column("FileName", mdb::kMemo),
                column("FileType", mdb::kText)};
    return {column("Id", mdb::kLong, true), column("Owner", mdb::kLong), column("value", mdb::kText)};
}

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : m_data(data), m_left(size) {}
    bool Empty() const { return m_left == 0; }
    std::uint8_t Byte() {
        if (m_left == 0) return 0;
        --m_left;
        return *m_data++;
    }
    // A value of the row; text and binary stay in texts while the row is handed over.
    mdb::Value Value(std::deque<std::string>& texts) {
        mdb::Value v;
        const int kind = Byte() % 5;
        switch (kind) {
        case 0: v.kind = mdb::Value::Null; break;
        case 1: v.kind = mdb::Value::Int, v.i = static_cast<std::int64_t>(Eight()); break;
        case 2: {
            v.kind = mdb::Value::Real;
            const std::uint64_t bits = Eight();
            std::memcpy(&v.d, &bits, sizeof v.d);
            break;
        }
        default: {
            v.kind = kind == 3 ? mdb::Value::Text : mdb::Value::Blob;
            const std::size_t n = std::min<std::size_t>(Byte(), m_left);
            texts.emplace_back(reinterpret_cast<const char*>(m_data), n);
            m_data += n, m_left -= n;
            v.bytes = texts.back();
        }
        }
        return v;
    }

private:
    std::uint64_t Eight() {
        std::uint64_t v = 0;
        for (int k = 0; k < 8; ++k) v |= static_cast<std::uint64_t>(Byte()) << (8 * k);
        return v;
    }
    const std::uint8_t* m_data;
    std::size_t m_left;
};

}  // namespace

VELLORIA_FUZZ_TARGET(AccessCatalogue) {
    Input in(data, size);
    std::array<std::vector<std::string>, 3> columns;
    for (size_t t = 0; t < columns.size(); ++t) {
        const std::uint8_t mask = in.Byte();
        for (size_t k = 0; k < kUsualColumns[t].size(); ++k)
            if (mask & (1u << k)) columns[t].push_back(kUsualColumns[t][k]);
    }
    const std::vector<mdb::Column> hidden = HiddenTableColumns(in.Byte() & 1);

    SavedQueryCollector queries(columns[0], columns[1]);
    CatalogObjects objects(columns[0], columns[2]);
    ComplexValues values;
    const bool valuesShown = values.Prepare(hidden);
    while (!in.Empty()) {
        const size_t table = in.Byte() % 4;
        const size_t count = table < 3 ? columns[table].size() : hidden.size();
        std::deque<std::string> texts;
        std::vector<mdb::Value> row;
        for (size_t c = 0; c < count; ++c) row.push_back(in.Value(texts));
        if (table < 2) queries.OnRow(table, row);
        if (table == 0) objects.OnObjectRow(row);
        if (table == 2) objects.OnComplexRow(row);
        if (table == 3 && valuesShown) values.OnFlatRow(row);
    }

    for (const LinkedTable& link : objects.Links()) {
        const std::wstring file = ResolveLinkedFile(L"C:\\Data\\Sales.mdb", link.database);
        FUZZ_CHECK(link.database.empty() || !file.empty());
    }
    objects.ComplexColumns();
    for (std::int64_t key = -2; key < 4; ++key) values.TextOf(key);
    if (!queries.Usable()) return 0;
    for (const SavedQuery& query : queries.TakeQueries()) {
        if (query.sql.empty()) continue;
        try {
            TranslateAccess(query.sql, true);
        } catch (const UnsupportedSql&) {
        } catch (const UndefinedFunction&) {
        } catch (const SqlSyntaxError&) {
        }
    }
    return 0;
}
