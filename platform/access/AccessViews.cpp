// The saved select queries of a file as SQLite views, and the types of the columns a
// statement names (from the tables, and from the queries' own expressions).
#include "access/AccessEngine.h"

#include <sqlite3.h>

#include <optional>

#include "access/AccessErrors.h"
#include "access/AccessStatements.h"
#include "access/SavedQueries.h"
#include "access/SqliteText.h"
#include "mfc/String.h"
#include "text/Utf8.h"

namespace platform::access {

using sqlite_text::LowerAscii;
using sqlite_text::Quoted;
using sqlite_text::StatementGuard;

ValueType Database::ColumnType(std::string_view qualifier, std::string_view column) const {
    auto typeOf = [](int accessType) {
        switch (accessType) {
        case mdb::kMoney: return ValueType::Currency;
        case mdb::kDateTime: case mdb::kExtendedDate: return ValueType::Date;
        case mdb::kBool: return ValueType::Bool;
        case mdb::kByte: case mdb::kInt: case mdb::kLong: case mdb::kBigInt: return ValueType::Integer;
        case mdb::kFloat: case mdb::kDouble: case mdb::kNumeric: return ValueType::Double;
        case mdb::kText: case mdb::kMemo: case mdb::kComplex: return ValueType::Text;
        default: return ValueType::Unknown;
        }
    };
    const std::string q = LowerAscii(qualifier), c = LowerAscii(column);
    // Every column of that name in the tables and queries named (or in all, when the name is
    // an alias or absent): one type when they agree.
    std::optional<ValueType> found;
    bool conflict = false;
    auto consider = [&](ValueType t) {
        if (found && *found != t) conflict = true;
        found = t;
    };
    bool qualifierKnown = false;
    for (const auto& table : m_catalog.tables)
        if (!q.empty() && LowerAscii(table.name) == q) qualifierKnown = true;
    for (const auto& view : m_views)
        if (!q.empty() && LowerAscii(view.name) == q) qualifierKnown = true;
    for (const auto& table : m_catalog.tables) {
        if (table.kind == mdb::TableKind::System || (qualifierKnown && LowerAscii(table.name) != q)) continue;
        for (const auto& col : table.columns)
            if (LowerAscii(col.name) == c) consider(typeOf(col.type));
    }
    for (const auto& view : m_views) {
        if (qualifierKnown && LowerAscii(view.name) != q) continue;
        for (const auto& [name, type] : view.columns)
            if (LowerAscii(name) == c) consider(type);
    }
    return found && !conflict ? *found : ValueType::Unknown;
}

Translation Database::Translate(std::string_view sql, bool ansi89, std::vector<QueryParameter>* parameters) const {
    const auto resolve = [this](std::string_view q, std::string_view c) { return ColumnType(q, c); };
    const auto tables = [this](std::string_view table, std::string_view column) {
        const std::string t = LowerAscii(table), c = LowerAscii(column);
        for (const auto& state : m_tables) {
            if (!state.created || LowerAscii(state.definition.name) != t) continue;
            if (c.empty()) return true;
            for (const auto& col : state.definition.columns)
                if (LowerAscii(col.name) == c) return true;
        }
        return false;
    };
    try {
        return TranslateAccess(sql, ansi89, resolve, tables, parameters);
    } catch (const UndefinedFunction& e) {
        RaiseEngineError(m_route, L"Undefined function '" + FromUtf8(e.what()) + L"' in expression.");
    } catch (const UnsupportedSql& e) {
        RaiseEngineError(m_route, L"The query uses " + FromUtf8(e.what()) + L", which this database engine does not support.");
    } catch (const SqlSyntaxError& e) {
        RaiseSyntaxError(m_route, FromUtf8(e.what()));
    }
}

void Database::MakeViews() {
    if (m_viewsMade) return;
    m_viewsMade = true;
    const ReadOnlyPolicy::Trusted building(*m_policy);
    // A view is checked by reading it, which needs the tables it reads.
    MakeAllTables();
    // Rebuilt into SQL only now: a statement that names no saved query never needs them.
    std::vector<SavedQuery> saved;
    for (StoredQuery& query : m_savedQueries) saved.push_back(BuildSavedQuery(query.name, query.flags, std::move(query.rows)));
    m_savedQueries.clear();
    CreateViews(saved);
}

bool Database::NamesASavedQuery(std::wstring_view sqlText) const {
    if (m_savedQueries.empty()) return false;
    std::vector<sql::Token> tokens;
    try {
        tokens = sql::Tokenize(ToUtf8(sqlText));
    } catch (const SqlSyntaxError&) {
        return true;  // the statement's own error is reported as it always was
    }
    for (const sql::Token& token : tokens) {
        if (token.kind != sql::Token::Word && token.kind != sql::Token::Name) continue;
        const std::string name = LowerAscii(token.text);
        for (const StoredQuery& query : m_savedQueries)
            if (LowerAscii(query.name) == name) return true;
    }
    return false;
}

void Database::CreateViews(const std::vector<SavedQuery>& saved) {
    for (const auto& query : saved) {
        if (!query.isView) continue;
        ViewState view;
        view.name = query.name;
        view.accessSql = query.sql;
        try {
            std::string_view body;
            view.parameters = ReadParameterDeclaration(view.accessSql, body);
            view.body = body;
            view.crosstab = ReadCrosstab(view.body).has_value();
        } catch (const SqlSyntaxError& e) {
            view.error = L"Syntax error in query near '" + FromUtf8(e.what()) + L"'.";
        }
        if (!query.unsupported.empty())
            view.error = L"The query uses " + FromUtf8(query.unsupported) + L", which this database engine does not support.";
        m_views.push_back(std::move(view));
    }
    // The types of a query's columns may come from the queries it reads: translate again
    // while they change (a chain of queries needs one round per link). A crosstab's columns
    // are known once it is made.
    std::vector<std::string> pending(m_views.size());
    for (int round = 0; round < 4; ++round) {
        bool changed = false;
        for (size_t i = 0; i < m_views.size(); ++i) {
            ViewState& view = m_views[i];
            if (view.crosstab || view.body.empty() || (!view.error.empty() && pending[i].empty())) continue;
            try {
                std::vector<QueryParameter> parameters = view.parameters;
                Translation t = Translate(view.body, true, &parameters);  // saved queries use * and ? in LIKE
                if (t.columns != view.columns) changed = true;
                view.columns = std::move(t.columns);
                view.parameters = std::move(parameters);  // with the forms' controls it reads
                pending[i] = std::move(t.sql);
            } catch (const _com_error& e) {
                if (view.error.empty())
                    view.error = e.Description().length() ? std::wstring(static_cast<const wchar_t*>(e.Description())) : L"Syntax error in query.";
            }
        }
        if (!changed) break;
    }
    // A query may read other queries: create in passes until no more can be made. A query
    // with parameters is none (EXEC runs it), nor is a crosstab yet.
    auto waiting = [](const ViewState& view) { return !view.created && view.error.empty() && view.parameters.empty() && !view.crosstab; };
    std::vector<std::string> missing(m_views.size());  // what a query that could not be made reads
    for (bool progress = true; progress;) {
        progress = false;
        for (size_t i = 0; i < m_views.size(); ++i) {
            ViewState& view = m_views[i];
            if (!waiting(view)) continue;
            const std::string create = "CREATE VIEW " + Quoted(view.name) + " AS " + pending[i];
            if (sqlite3_exec(m_db, create.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) continue;
            StatementGuard check;
            const std::string probe = "SELECT * FROM " + Quoted(view.name);
            if (sqlite3_prepare_v2(m_db, probe.c_str(), -1, &check.stmt, nullptr) != SQLITE_OK) {
                const std::string message = sqlite3_errmsg(m_db);
                sqlite3_exec(m_db, ("DROP VIEW " + Quoted(view.name)).c_str(), nullptr, nullptr, nullptr);
                if (message.rfind("no such table: ", 0) == 0) missing[i] = message.substr(15);  // reads a query not made yet
                else if (message.rfind("no such column: ", 0) == 0) view.parameters.push_back({message.substr(16), 0});  // a parameter
                else view.error = FromUtf8(message);
                continue;
            }
            view.created = progress = true;
            m_policy->MakeVisible(view.name);
        }
    }
    for (auto& view : m_views)
        if (!view.parameters.empty() && view.error.empty()) FindParameters(view);
    // What is left reads a crosstab (directly or through other queries), to be made when first
    // read, or a query that needs values, or nothing that is there.
    for (size_t i = 0; i < m_views.size(); ++i) {
        ViewState& view = m_views[i];
        if (!waiting(view)) continue;
        std::string name = missing[i];
        if (name.rfind("main.", 0) == 0) name.erase(0, 5);
        const ViewState* read = FindView(name);
        if (read && (read->crosstab || waiting(*read))) {
            view.pending = true;
            view.translated = pending[i];
        } else if (read && !read->parameters.empty()) {
            view.error = L"The query reads the query '" + FromUtf8(read->name) + L"', which needs values for its parameters.";
        } else {
            view.error = L"The query reads a table or query that cannot be found.";
        }
    }
}

void Database::FindParameters(ViewState& view) {
    // The names SQLite finds no column for, one at a time; the translation numbers them.
    for (int round = 0; round < 64; ++round) {
        Translation t;
        try {
            t = Translate(view.body, true, &view.parameters);
        } catch (const _com_error&) {
            return;  // said when it is run
        }
        StatementGuard check;
        if (sqlite3_prepare_v2(m_db, t.sql.c_str(), -1, &check.stmt, nullptr) == SQLITE_OK) {
            view.columns = std::move(t.columns);
            return;
        }
        const std::string message = sqlite3_errmsg(m_db);
        if (message.rfind("no such column: ", 0) != 0) return;
        view.parameters.push_back({message.substr(16), 0});
    }
}

Database::ViewState* Database::FindView(std::string_view name) {
    for (auto& view : m_views)
        if (LowerAscii(view.name) == LowerAscii(name)) return &view;
    return nullptr;
}

}  // namespace platform::access
