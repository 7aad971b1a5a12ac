#include "access/SavedQueries.h"

#include <algorithm>
#include <map>
#include <set>

#include "access/CatalogObjects.h"
#include "access/MdbReader.h"

namespace platform::access {
namespace {

enum QueryType { kSelect = 1, kMakeTable = 2, kAppend = 3, kUpdate = 4, kDelete = 5, kCrosstab = 6, kDdl = 7, kPassThrough = 8, kUnion = 9 };

std::string Lower(std::string s) {
    for (auto& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

std::string Bracketed(const std::string& name) { return "[" + name + "]"; }

// One entry of the FROM list: a table, or the joins that have merged several.
struct FromItem {
    std::set<std::string> names;  // lower-case table names and aliases it covers
    std::string text;             // a table (with its alias), when not a join
    std::string left, right, kind;
    std::vector<std::string> on;

    std::string Text() const {
        if (kind.empty()) return text;
        std::string conditions;
        for (size_t i = 0; i < on.size(); ++i) conditions += (i ? " AND " : "") + on[i];
        return "(" + left + " " + kind + " JOIN " + right + " ON " + conditions + ")";
    }
};

int TypeFromObjectFlags(int flags) {
    switch (flags & 0xF0) {
    case 0x00: return kSelect;
    case 0x10: return kCrosstab;
    case 0x20: return kDelete;
    case 0x30: return kUpdate;
    case 0x40: return kAppend;
    case 0x50: return kMakeTable;
    case 0x60: return kDdl;
    case 0x70: return kPassThrough;
    case 0x80: return kUnion;
    default: return 0;
    }
}

// The parts of a definition, as its rows give them.
struct QueryParts {
    struct Join {
        std::string a, b, on;
        int flag;
    };
    int type = 0, predicate = 0;
    std::string top;
    bool external = false;
    std::vector<QueryParameter> parameters;
    std::vector<FromItem> from;
    std::vector<std::string> columns, groups, orders;
    std::vector<int> columnFlags, groupFlags;  // of a crosstab: what each column and group is
    std::vector<std::string> columnExpressions;  // each column without its alias
    std::string where, having;
    std::vector<Join> joins;
    std::string unionFirst, unionSecond;  // a union's two parts
};

enum CrosstabRole { kCrosstabValue = 0, kCrosstabPivot = 1, kCrosstabRow = 2 };

QueryParts ReadParts(std::vector<QueryRow> rows) {
    std::stable_sort(rows.begin(), rows.end(), [](const QueryRow& a, const QueryRow& b) {
        if (a.attribute != b.attribute) return a.attribute < b.attribute;
        return a.order < b.order;
    });
    QueryParts parts;
    for (const QueryRow& row : rows) {
        switch (row.attribute) {
        case 1: parts.type = row.flag; break;
        case 2: parts.parameters.push_back({row.name1, row.flag}); break;
        case 3:
            parts.predicate = row.flag;
            parts.top = row.name1;
            break;
        case 4: parts.external = true; break;
        case 5: {
            if (row.name2 == "X7YZ_____1" || row.name2 == "X7YZ_____2") {
                (row.name2.back() == '1' ? parts.unionFirst : parts.unionSecond) = row.expression;
                break;
            }
            FromItem item;
            item.text = Bracketed(row.name1);
            item.names.insert(Lower(row.name1));
            if (!row.name2.empty()) {
                item.text += " AS " + Bracketed(row.name2);
                item.names = {Lower(row.name2)};
            }
            parts.from.push_back(std::move(item));
            break;
        }
        case 6:
            parts.columns.push_back(row.name1.empty() ? row.expression : row.expression + " AS " + Bracketed(row.name1));
            parts.columnFlags.push_back(row.flag);
            parts.columnExpressions.push_back(row.expression);
            break;
        case 7: parts.joins.push_back({Lower(row.name1), Lower(row.name2), row.expression, row.flag}); break;
        case 8: parts.where = row.expression; break;
        case 9:
            parts.groups.push_back(row.expression);
            parts.groupFlags.push_back(row.flag);
            break;
        case 10: parts.having = row.expression; break;
        case 11: parts.orders.push_back(row.expression + (row.name1 == "D" ? " DESC" : "")); break;
        default: break;
        }
    }
    return parts;
}

// Joins in their order: each merges the two entries that hold its tables, or adds its
// condition to the join that already holds both. unsupported: why one cannot be.
void MergeJoins(std::vector<FromItem>& from, const std::vector<QueryParts::Join>& joins, std::string& unsupported) {
    for (const auto& join : joins) {
        auto holding = [&](const std::string& n) {
            for (size_t i = 0; i < from.size(); ++i)
                if (from[i].names.count(n)) return static_cast<long>(i);
            return -1L;
        };
        const long i = holding(join.a), j = holding(join.b);
        if (i < 0 || j < 0) {
            unsupported = "a join on a table the query does not read";
            continue;
        }
        if (i == j) {
            if (from[static_cast<size_t>(i)].kind.empty()) unsupported = "a join of a table with itself";
            else from[static_cast<size_t>(i)].on.push_back(join.on);
            continue;
        }
        FromItem merged;
        merged.left = from[static_cast<size_t>(i)].Text();
        merged.right = from[static_cast<size_t>(j)].Text();
        merged.kind = join.flag == 2 ? "LEFT" : join.flag == 3 ? "RIGHT" : "INNER";
        merged.on.push_back(join.on);
        merged.names = from[static_cast<size_t>(i)].names;
        merged.names.insert(from[static_cast<size_t>(j)].names.begin(), from[static_cast<size_t>(j)].names.end());
        const size_t keep = static_cast<size_t>(std::min(i, j)), drop = static_cast<size_t>(std::max(i, j));
        from[keep] = std::move(merged);
        from.erase(from.begin() + static_cast<long>(drop));
    }
}

// The SELECT statement of the parts, its joins merged, as Access writes it.
std::string WriteSelect(const QueryParts& parts) {
    const int predicate = parts.predicate;
    std::string sql = "SELECT ";
    if (predicate & 0x08) sql += "DISTINCTROW ";
    else if (predicate & 0x02) sql += "DISTINCT ";
    if (predicate & 0x10) sql += "TOP " + parts.top + ((predicate & 0x20) ? " PERCENT " : " ");
    std::string list = (predicate & 0x01) || parts.columns.empty() ? "*" : "";
    for (const auto& column : parts.columns) list += (list.empty() ? "" : ", ") + column;
    sql += list;
    if (!parts.from.empty()) {
        sql += "\r\nFROM ";
        for (size_t i = 0; i < parts.from.size(); ++i) {
            std::string item = parts.from[i].Text();
            // The outermost join needs no parentheses of its own.
            if (!parts.from[i].kind.empty()) item = item.substr(1, item.size() - 2);
            sql += (i ? ", " : "") + item;
        }
    }
    if (!parts.where.empty()) sql += "\r\nWHERE " + parts.where;
    for (size_t i = 0; i < parts.groups.size(); ++i) sql += (i ? ", " : "\r\nGROUP BY ") + parts.groups[i];
    if (!parts.having.empty()) sql += "\r\nHAVING " + parts.having;
    for (size_t i = 0; i < parts.orders.size(); ++i) sql += (i ? ", " : "\r\nORDER BY ") + parts.orders[i];
    return sql + ";";
}

// A union's two parts joined, as Access writes it.
std::string WriteUnion(const QueryParts& parts) {
    auto trimmed = [](std::string part) {
        while (!part.empty() && (part.back() == ';' || part.back() == ' ' || part.back() == '\r' || part.back() == '\n')) part.pop_back();
        return part;
    };
    std::string sql = trimmed(parts.unionFirst) + "\r\nUNION " + ((parts.predicate & 0x02) ? "" : "ALL ") + trimmed(parts.unionSecond);
    for (size_t i = 0; i < parts.orders.size(); ++i) sql += (i ? ", " : "\r\nORDER BY ") + parts.orders[i];
    return sql + ";";
}

// TRANSFORM value SELECT row headings ... GROUP BY row headings PIVOT column heading: the
// columns and groups sorted out by their role; false when a role is missing.
bool WriteCrosstab(QueryParts parts, std::string& sql) {
    std::string value, pivot;
    std::vector<std::string> columns, groups;
    for (size_t i = 0; i < parts.columns.size(); ++i) {
        switch (parts.columnFlags[i]) {
        case kCrosstabValue: value = parts.columns[i]; break;
        case kCrosstabPivot: pivot = parts.columnExpressions[i]; break;
        default: columns.push_back(parts.columns[i]);
        }
    }
    for (size_t i = 0; i < parts.groups.size(); ++i)
        if (parts.groupFlags[i] != kCrosstabPivot) groups.push_back(parts.groups[i]);
    if (value.empty() || pivot.empty()) return false;
    parts.columns = std::move(columns);
    parts.groups = std::move(groups);
    std::string select = WriteSelect(parts);
    select.pop_back();  // its ";"
    sql = "TRANSFORM " + value + "\r\n" + select + "\r\nPIVOT " + pivot + ";";
    return true;
}

std::string TypeWord(int type) {
    switch (type) {
    case 1: return "Bit";
    case 2: return "Byte";
    case 3: return "Short";
    case 4: return "Long";
    case 5: return "Currency";
    case 6: return "IEEESingle";
    case 7: return "IEEEDouble";
    case 8: return "DateTime";
    case 9: return "Binary";
    case 10: return "Text";
    case 11: return "LongBinary";
    case 12: return "Memo";
    case 15: return "Guid";
    case 20: return "Decimal";
    default: return "Value";
    }
}

}  // namespace

SavedQuery BuildSavedQuery(const std::string& name, int objectFlags, std::vector<QueryRow> rows) {
    SavedQuery query;
    query.name = name;
    QueryParts parts = ReadParts(std::move(rows));
    if (parts.type == 0) parts.type = TypeFromObjectFlags(objectFlags);
    if (parts.type != kSelect && parts.type != kUnion && parts.type != kCrosstab) return query;  // changes data: not listed
    query.isView = true;
    query.parameters = parts.parameters;
    if (parts.external) query.unsupported = "a query on an external database (IN clause)";
    std::string sql;
    if (parts.type == kUnion) {
        query.kind = SavedQuery::Kind::Union;
        if (parts.unionFirst.empty() || parts.unionSecond.empty()) query.unsupported = "a union query whose parts are missing";
        sql = WriteUnion(parts);
    } else {
        MergeJoins(parts.from, parts.joins, query.unsupported);
        if (parts.type == kCrosstab) {
            query.kind = SavedQuery::Kind::Crosstab;
            if (!WriteCrosstab(parts, sql)) query.unsupported = "a crosstab query without its value or column heading";
        } else {
            sql = WriteSelect(parts);
        }
    }
    std::string declaration;
    for (const auto& parameter : parts.parameters)
        declaration += (declaration.empty() ? "PARAMETERS " : ", ") + Bracketed(parameter.name) + " " + TypeWord(parameter.type);
    query.sql = declaration.empty() ? sql : declaration + ";\r\n" + sql;
    return query;
}

SavedQueryCollector::SavedQueryCollector(const std::vector<std::string>& objectsColumns, const std::vector<std::string>& queriesColumns)
    : m_oId(ColumnIndex(objectsColumns, "Id")),
      m_oName(ColumnIndex(objectsColumns, "Name")),
      m_oType(ColumnIndex(objectsColumns, "Type")),
      m_oFlags(ColumnIndex(objectsColumns, "Flags")),
      m_qId(ColumnIndex(queriesColumns, "ObjectId")),
      m_qAttribute(ColumnIndex(queriesColumns, "Attribute")),
      m_qFlag(ColumnIndex(queriesColumns, "Flag")),
      m_qName1(ColumnIndex(queriesColumns, "Name1")),
      m_qName2(ColumnIndex(queriesColumns, "Name2")),
      m_qExpression(ColumnIndex(queriesColumns, "Expression")),
      m_qOrder(ColumnIndex(queriesColumns, "Order")) {}

bool SavedQueryCollector::Usable() const {
    return m_oId >= 0 && m_oName >= 0 && m_oType >= 0 && m_oFlags >= 0 && m_qId >= 0 && m_qAttribute >= 0 && m_qFlag >= 0 &&
           m_qName1 >= 0 && m_qName2 >= 0 && m_qExpression >= 0;
}

void SavedQueryCollector::OnRow(size_t table, const std::vector<mdb::Value>& row) {
    if (!Usable()) return;
    auto at = [&row](long index) -> const mdb::Value& { return row[static_cast<size_t>(index)]; };
    if (table == 0) {
        if (IntegerOf(at(m_oType)) != 5) return;
        const std::int64_t id = IntegerOf(at(m_oId));
        m_objects[id] = {TextOf(at(m_oName)), static_cast<int>(IntegerOf(at(m_oFlags)))};
        m_order.push_back(id);
        return;
    }
    QueryRow q;
    q.attribute = static_cast<int>(IntegerOf(at(m_qAttribute)));
    q.flag = static_cast<int>(IntegerOf(at(m_qFlag)));
    q.name1 = TextOf(at(m_qName1));
    q.name2 = TextOf(at(m_qName2));
    q.expression = TextOf(at(m_qExpression));
    if (m_qOrder >= 0) q.order = TextOf(at(m_qOrder));
    m_definitions[IntegerOf(at(m_qId))].push_back(std::move(q));
}

std::vector<StoredQuery> SavedQueryCollector::TakeStored() {
    std::vector<StoredQuery> stored;
    for (std::int64_t id : m_order) {
        const Object& object = m_objects[id];
        // "~sq_" queries are the record sources of forms and reports, kept out of sight.
        if (object.name.empty() || object.name[0] == '~') continue;
        stored.push_back({object.name, object.flags, std::move(m_definitions[id])});
    }
    return stored;
}

std::vector<SavedQuery> SavedQueryCollector::TakeQueries() {
    std::vector<SavedQuery> queries;
    for (StoredQuery& query : TakeStored()) queries.push_back(BuildSavedQuery(query.name, query.flags, std::move(query.rows)));
    return queries;
}

}  // namespace platform::access
