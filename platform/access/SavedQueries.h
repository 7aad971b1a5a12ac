#pragma once
// Saved queries of an Access file, rebuilt as Access SQL from their catalogue rows: the
// objects of type 5 in MSysObjects, and their definitions in MSysQueries, one row per part
// of the statement:
//   Attribute 0 / 255  start and end of a definition
//   1    query type in Flag: 1 select, 2 make-table, 3 append, 4 update, 5 delete,
//        6 crosstab, 7 data definition, 8 pass-through, 9 union
//   2    a declared parameter (Name1; Flag its data type)
//   3    the select predicate in Flag: 1 all fields (*), 2 DISTINCT, 4 owner access,
//        8 DISTINCTROW, 16 TOP (Name1 = n), 32 PERCENT; of a union query, 2 for UNION
//        (without it, UNION ALL)
//   4    an external database (IN clause)
//   5    an input: table or query Name1, alias Name2 (union parts: Name2 X7YZ_____1 and
//        X7YZ_____2, Expression holds each part's SQL)
//   6    an output column: Expression, alias Name1; of a crosstab, Flag 2 for a row heading,
//        1 for the column heading (PIVOT), 0 for the value (TRANSFORM)
//   7    a join: Name1 and Name2 joined ON Expression; Flag 1 inner, 2 left, 3 right
//   8    the criteria (WHERE)
//   9    a grouping expression (GROUP BY); of a crosstab, Flag 1 for the column heading
//   10   the group criteria (HAVING)
//   11   an ordering expression; Name1 "D" for descending
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "access/AccessSql.h"
#include "access/MdbReader.h"

namespace platform::access {

struct QueryRow {
    int attribute = 0;
    int flag = 0;
    std::string name1, name2, expression;  // UTF-8
    std::string order;                     // the row's ordering key (binary)
};

struct SavedQuery {
    enum class Kind { Select, Union, Crosstab };
    std::string name;  // UTF-8
    std::string sql;   // the definition in Access SQL; empty when it cannot be rebuilt
    // A query that reads (select, union, crosstab, with or without parameters): the schema
    // lists it as a view. Queries that change data are not listed.
    bool isView = false;
    Kind kind = Kind::Select;
    std::vector<QueryParameter> parameters;  // as declared, in order (also in sql's PARAMETERS)
    std::string unsupported;  // what keeps a view from being rebuilt, when something does
};

// Rebuilds one query from its rows (in any order). objectFlags: the Flags of its
// MSysObjects row, which tells the type when the definition has no type row.
SavedQuery BuildSavedQuery(const std::string& name, int objectFlags, std::vector<QueryRow> rows);

// A saved query as the catalogue holds it: its rows, rebuilt into SQL when first needed.
struct StoredQuery {
    std::string name;  // UTF-8
    int flags = 0;     // of its MSysObjects row
    std::vector<QueryRow> rows;
};

// Gathers saved queries from the rows of MSysObjects (table 0) and MSysQueries (table 1), as
// the reader hands them over, whichever read brings them.
class SavedQueryCollector {
public:
    SavedQueryCollector(const std::vector<std::string>& objectsColumns, const std::vector<std::string>& queriesColumns);
    // False when the catalogue tables lack a column the queries are rebuilt from.
    bool Usable() const;
    void OnRow(size_t table, const std::vector<mdb::Value>& row);
    // The queries in catalogue order, forms' and reports' own record sources left out: as
    // stored, or rebuilt.
    std::vector<StoredQuery> TakeStored();
    std::vector<SavedQuery> TakeQueries();

private:
    struct Object {
        std::string name;
        int flags = 0;
    };
    long m_oId, m_oName, m_oType, m_oFlags;
    long m_qId, m_qAttribute, m_qFlag, m_qName1, m_qName2, m_qExpression, m_qOrder;
    std::map<std::int64_t, Object> m_objects;
    std::vector<std::int64_t> m_order;  // catalogue order
    std::map<std::int64_t, std::vector<QueryRow>> m_definitions;
};

}  // namespace platform::access
