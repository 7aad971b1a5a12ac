// Statements of every form made ready to run: EXEC of a saved query with values for its
// parameters, a PARAMETERS declaration, a crosstab (TRANSFORM ... PIVOT), a plain SELECT; and
// the saved crosstabs made views when they are first read (see AccessStatements.h).
#include <sqlite3.h>

#include <cstdio>
#include <stdexcept>

#include "access/AccessEngine.h"
#include "access/AccessErrors.h"
#include "access/AccessStatements.h"
#include "access/SqliteText.h"
#include "mfc/String.h"
#include "text/Utf8.h"

namespace platform::access {

using sqlite_text::LowerAscii;
using sqlite_text::Quoted;
using sqlite_text::StatementGuard;

namespace {

// Access has at most this many column headings in a crosstab.
constexpr size_t kMaxCrosstabColumns = 254;

// A column heading of a crosstab: how its values are told (SQLite SQL after the pivot
// column) and the column's name.
struct Heading {
    std::string test;
    std::string title;
};

std::string Number(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

// The heading of one value the pivot column takes.
Heading HeadingOf(sqlite3_value* value) {
    switch (sqlite3_value_type(value)) {
    case SQLITE_NULL: return {"IS NULL", "<>"};
    case SQLITE_INTEGER: {
        const std::string text = std::to_string(sqlite3_value_int64(value));
        return {"= " + text, text};
    }
    case SQLITE_FLOAT: {
        char title[40];
        std::snprintf(title, sizeof title, "%.15g", sqlite3_value_double(value));
        return {"= " + Number(sqlite3_value_double(value)), title};
    }
    default: {
        const std::string text(reinterpret_cast<const char*>(sqlite3_value_text(value)), static_cast<size_t>(sqlite3_value_bytes(value)));
        return {"= " + sql::QuoteText(text) + " COLLATE access_text", text};
    }
    }
}

// The heading an item of PIVOT ... IN (...) names: a literal.
Heading HeadingOf(const std::string& item) {
    const std::vector<sql::Token> tokens = sql::Tokenize(item);
    sql::Token value = tokens[0];
    size_t next = 1;
    if (value.kind == sql::Token::Op && value.text == "-" && tokens[1].kind == sql::Token::Number) {
        value = tokens[1];
        value.text = "-" + value.text;
        next = 2;
    }
    if (tokens[next].kind != sql::Token::End) throw SqlSyntaxError(item);
    switch (value.kind) {
    case sql::Token::Text: return {"= " + sql::QuoteText(value.text) + " COLLATE access_text", value.text};
    case sql::Token::Number: return {"= " + value.text, value.text};
    case sql::Token::Date: return {"= " + Number(value.date), value.text.substr(1, value.text.size() - 2)};
    default:
        if (sql::Is(value, "null")) return {"IS NULL", "<>"};
        throw SqlSyntaxError(item);
    }
}

}  // namespace

Database::PreparedStatement::~PreparedStatement() {
    if (stmt) sqlite3_finalize(stmt);
}

void Database::RaiseParametersMissing(const std::vector<QueryParameter>& parameters, size_t given, std::string_view query) {
    std::wstring hint;
    if (!query.empty() && given == 0)
        hint = L"EXEC [" + FromUtf8(query) + L"] followed by the values, in this order, runs the query with them.";
    RaiseMissingParameters(m_route, static_cast<int>(parameters.size() - given), FromUtf8(DescribeParameters(parameters, given)), hint);
}

std::vector<const sql::Token*> Database::ValuesInOrder(const PreparedStatement& prepared) {
    const auto& parameters = prepared.parameters;
    const std::wstring takes = L"the query [" + FromUtf8(prepared.query) + L"] takes " + std::to_wstring(parameters.size()) +
                               (parameters.empty() ? std::wstring(L".") : L": " + FromUtf8(DescribeParameters(parameters, 0)) + L".");
    std::vector<const sql::Token*> values(parameters.size(), nullptr);
    if (prepared.names.empty()) {
        if (parameters.size() > prepared.values.size()) RaiseParametersMissing(parameters, prepared.values.size(), prepared.query);
        if (prepared.values.size() > parameters.size()) RaiseEngineError(m_route, L"Too many values: " + takes);
        for (size_t i = 0; i < parameters.size(); ++i) values[i] = &prepared.values[i];
        return values;
    }
    for (size_t v = 0; v < prepared.names.size(); ++v) {
        size_t i = 0;
        while (i < parameters.size() && !SameParameterName(parameters[i].name, prepared.names[v])) ++i;
        if (i == parameters.size()) RaiseEngineError(m_route, L"No parameter [" + FromUtf8(prepared.names[v]) + L"]: " + takes);
        if (values[i]) RaiseEngineError(m_route, L"Two values for the parameter [" + FromUtf8(parameters[i].name) + L"].");
        values[i] = &prepared.values[v];
    }
    std::vector<QueryParameter> missing;
    for (size_t i = 0; i < parameters.size(); ++i)
        if (!values[i]) missing.push_back(parameters[i]);
    if (!missing.empty()) RaiseParametersMissing(missing, 0, {});
    return values;
}

void Database::BindValues(const PreparedStatement& prepared, sqlite3_stmt* stmt) {
    const auto& parameters = prepared.parameters;
    const std::vector<const sql::Token*> values = ValuesInOrder(prepared);
    for (size_t i = 0; i < parameters.size(); ++i) {
        ParameterValue value;
        try {
            value = ConvertParameterValue(*values[i], parameters[i]);
        } catch (const std::runtime_error& e) {
            RaiseEngineError(m_route, FromUtf8(e.what()));
        }
        const int at = static_cast<int>(i) + 1;
        switch (value.kind) {
        case 1: sqlite3_bind_int64(stmt, at, value.integer); break;
        case 2: sqlite3_bind_double(stmt, at, value.real); break;
        case 3: sqlite3_bind_text(stmt, at, value.text.data(), static_cast<int>(value.text.size()), SQLITE_TRANSIENT); break;
        default: sqlite3_bind_null(stmt, at); break;
        }
    }
}

void Database::PrepareStatement(std::wstring_view sqlText, PreparedStatement& prepared, const StatementLimits& limits) {
    std::string definition = ToUtf8(sqlText);
    bool ansi89 = ThroughOdbc(m_route);
    std::string_view body;
    bool crosstab = false;
    try {
        if (std::optional<ExecuteParts> exec = ReadExecute(definition)) {
            const ViewState* view = FindView(exec->query);
            if (!view) RaiseNoTable(m_route, FromUtf8(exec->query));
            if (!view->error.empty()) RaiseEngineError(m_route, view->error);
            definition = view->accessSql;
            ansi89 = true;  // saved queries use * and ? in LIKE
            prepared.query = view->name;
            prepared.values = std::move(exec->values);
            prepared.names = std::move(exec->names);
        }
        prepared.parameters = ReadParameterDeclaration(definition, body);
        crosstab = ReadCrosstab(body).has_value();
    } catch (const SqlSyntaxError& e) {
        RaiseSyntaxError(m_route, FromUtf8(e.what()));
    }
    if (body.find_first_not_of(" \t\r\n;") == std::string_view::npos) RaiseNoCommand(m_route);
    if (crosstab) {
        prepared.translation = PrepareCrosstab(body, ansi89, prepared, sqlText, limits, false);
        return;
    }
    prepared.translation = PrepareWithParameters(body, ansi89, prepared.parameters, prepared.stmt, sqlText, limits);
    BindValues(prepared, prepared.stmt);
}

Translation Database::PrepareWithParameters(std::string_view access, bool ansi89, std::vector<QueryParameter>& parameters, sqlite3_stmt*& stmt,
                                            std::wstring_view sqlText, const StatementLimits& limits) {
    for (int round = 0;; ++round) {
        Translation translation = Translate(access, ansi89, &parameters);
        if (translation.sql.find_first_not_of(" \t\r\n") == std::string::npos) RaiseNoCommand(m_route);
        const char* tail = nullptr;
        const int rc = TryPrepare(translation.sql, stmt, tail);
        if (rc != SQLITE_OK && round < 64 && m_policy->Refused().empty()) {
            const std::string message = sqlite3_errmsg(m_db);
            // A name that nothing has is a parameter, as Access takes it.
            if (message.rfind("no such column: ", 0) == 0) {
                parameters.push_back({message.substr(16), 0});
                continue;
            }
            std::string name = message.rfind("no such table: ", 0) == 0 ? message.substr(15) : std::string();
            if (name.rfind("main.", 0) == 0) name.erase(0, 5);
            if (!name.empty() && MakeView(name, limits)) continue;
        }
        CheckPrepared(sqlText, rc, stmt, tail);
        return translation;
    }
}

Translation Database::PrepareCrosstab(std::string_view access, bool ansi89, PreparedStatement& prepared, std::wstring_view sqlText,
                                      const StatementLimits& limits, bool literals) {
    CrosstabParts parts;
    std::string cells;
    try {
        parts = *ReadCrosstab(access);
        cells = CrosstabCells(parts);
    } catch (const SqlSyntaxError& e) {
        RaiseSyntaxError(m_route, FromUtf8(e.what()));
    }
    // One row for each row heading and column heading, with its value.
    StatementGuard grid;
    const Translation cellsTranslation = PrepareWithParameters(cells, ansi89, prepared.parameters, grid.stmt, sqlText, limits);
    if (literals && !prepared.parameters.empty()) RaiseParametersMissing(prepared.parameters, 0, {});
    BindValues(prepared, grid.stmt);
    const int count = sqlite3_column_count(grid.stmt);
    if (count < 2) RaiseSyntaxError(m_route, L"TRANSFORM");
    std::vector<std::string> rowColumns;
    for (int i = 0; i + 2 < count; ++i) rowColumns.push_back(Quoted(sqlite3_column_name(grid.stmt, i)));
    LoadTablesRead(limits);

    // The column headings: those IN lists, or every value the data gives, in order.
    std::vector<Heading> headings;
    try {
        for (const std::string& item : parts.in) headings.push_back(HeadingOf(item));
    } catch (const SqlSyntaxError& e) {
        RaiseSyntaxError(m_route, FromUtf8(e.what()));
    }
    if (parts.in.empty()) {
        StatementGuard values;
        const std::string sql = "SELECT DISTINCT " + Quoted(kPivotColumn) + " FROM (" + cellsTranslation.sql + ") ORDER BY 1 COLLATE access_text";
        Prepare(sqlText, sql, values.stmt);
        BindValues(prepared, values.stmt);
        int step;
        while ((step = sqlite3_step(values.stmt)) == SQLITE_ROW) {
            if (headings.size() == kMaxCrosstabColumns)
                RaiseEngineError(m_route, L"Too many crosstab column headers (" + std::to_wstring(kMaxCrosstabColumns + 1) + L" or more).");
            headings.push_back(HeadingOf(sqlite3_column_value(values.stmt, 0)));
        }
        if (step != SQLITE_DONE) RaiseSqlError(sqlText);
    }
    if (literals) prepared.parameters.clear();

    // The grid: the row headings, then a column for each heading.
    ValueType valueType = ValueType::Unknown;
    for (const auto& [name, type] : cellsTranslation.columns)
        if (LowerAscii(name) == kValueColumn) valueType = type;
    Translation translation;
    std::string list;
    for (size_t i = 0; i < rowColumns.size(); ++i) {
        list += (i ? ", " : "") + rowColumns[i];
        if (i < cellsTranslation.columns.size()) translation.columns.push_back(cellsTranslation.columns[i]);
    }
    const std::string pivot = Quoted(kPivotColumn), value = Quoted(kValueColumn);
    std::string sql = "SELECT " + list;
    std::string fixed;
    bool first = rowColumns.empty();
    for (const Heading& heading : headings) {
        sql += std::string(first ? "" : ", ") + "max(CASE WHEN " + pivot + " " + heading.test + " THEN " + value + " END) AS " + Quoted(heading.title);
        first = false;
        translation.columns.emplace_back(heading.title, valueType);
        fixed += (fixed.empty() ? "" : " OR ") + pivot + " " + heading.test;
    }
    sql += " FROM (" + cellsTranslation.sql + ")";
    // Values of headings an IN list leaves out are left out, with the rows that hold only them.
    if (!parts.in.empty()) sql += " WHERE " + fixed;
    if (!rowColumns.empty()) sql += " GROUP BY " + list + " ORDER BY " + list;
    translation.sql = sql;
    if (literals) {
        // A view holds no parameters: its statement is the statement with the values written in.
        return translation;
    }
    if (prepared.stmt) sqlite3_finalize(prepared.stmt), prepared.stmt = nullptr;
    Prepare(sqlText, sql, prepared.stmt);
    BindValues(prepared, prepared.stmt);
    return translation;
}

bool Database::MakeView(std::string_view name, const StatementLimits& limits) {
    ViewState* view = FindView(name);
    if (!view || view->created || !view->error.empty() || !view->parameters.empty() || (!view->crosstab && !view->pending)) return false;
    std::string sql = view->translated;
    if (view->crosstab) {
        PreparedStatement prepared;
        const Translation translation = PrepareCrosstab(view->body, true, prepared, FromUtf8(view->name), limits, true);
        sql = translation.sql;
        view->columns = translation.columns;
    }
    const ReadOnlyPolicy::Trusted building(*m_policy);
    const std::string create = "CREATE VIEW " + Quoted(view->name) + " AS " + sql;
    if (sqlite3_exec(m_db, create.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) return false;
    view->created = true;
    m_policy->MakeVisible(view->name);
    return true;
}

}  // namespace platform::access
