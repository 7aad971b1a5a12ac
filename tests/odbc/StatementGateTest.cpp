// Which statements a link may send to a server: one statement that reads, however the text
// is quoted in any of the dialects the drivers speak.
#include <gtest/gtest.h>

#include <string>

#include "odbc/StatementGate.h"
#include "text/Utf8.h"

namespace {

using platform::odbc::StatementRefusal;

TEST(StatementGate, OneReadingStatementPasses) {
    const wchar_t* const allowed[] = {
        L"SELECT * FROM orders",
        L"  select id, name from \"Order Details\" where note = 'a;b' ;  ",
        L"WITH t AS (SELECT 1 AS x) SELECT x FROM t",
        L"(SELECT 1) UNION (SELECT 2)",
        L"VALUES (1, 'x')",
        L"SELECT 'it''s; DROP TABLE t' AS quoted",
        L"SELECT `update` FROM [delete] -- a comment; with a semicolon\n",
        L"SELECT 1 /* DROP TABLE t; */",
        L"SELECT replace(name, 'a', 'b'), 1.5e3, 0x1F FROM t;",
        L"SELECT \"Insert Date\" FROM t",
        L"SELECT 1; -- done",
    };
    for (const wchar_t* sql : allowed) EXPECT_EQ(StatementRefusal(sql), L"") << platform::ToUtf8(sql);
}

TEST(StatementGate, WritesSecondStatementsAndOtherStatementsAreRefusedWithTheReason) {
    struct Row {
        const wchar_t* sql;
        const wchar_t* refusal;
    } rows[] = {
        {L"DELETE FROM orders", L"a statement that does not begin with SELECT, WITH or VALUES"},
        {L"UPDATE t SET a = 1", L"a statement that does not begin with SELECT, WITH or VALUES"},
        {L"CREATE TABLE x (a int)", L"a statement that does not begin with SELECT, WITH or VALUES"},
        {L"", L"a statement that does not begin with SELECT, WITH or VALUES"},
        {L"SELECT 1; DROP TABLE t", L"a second statement after \";\""},
        {L"SELECT 1;; SELECT 2", L"a second statement after \";\""},
        {L"WITH d AS (DELETE FROM t RETURNING *) SELECT * FROM d", L"DELETE"},
        {L"SELECT * INTO copy FROM t", L"INTO"},
        {L"SELECT * FROM t INTO OUTFILE '/tmp/x'", L"INTO"},
        {L"SELECT 1 DELETE FROM t", L"DELETE"},  // two statements in one batch of SQL Server
        {L"SELECT * FROM t FOR UPDATE", L"UPDATE"},
        {L"SELECT set_config('default_transaction_read_only', 'off', false)", L"SET_CONFIG"},
        {L"SELECT dblink_exec('dbname=x', 'DELETE FROM t')", L"DBLINK_EXEC"},
        {L"SELECT lo_export(1, '/tmp/x')", L"LO_EXPORT"},
        {L"select 1 commit", L"COMMIT"},
        {L"SELECT 'unterminated", L"a quote that does not end"},
        {L"SELECT 1 /* unterminated", L"a comment that does not end"},
    };
    for (const Row& row : rows) EXPECT_EQ(StatementRefusal(row.sql), row.refusal) << platform::ToUtf8(row.sql);
}

// Text that one dialect reads as a literal or a comment and another as code is checked as code.
TEST(StatementGate, WhatAnyDialectRunsIsCheckedAsCode) {
    const wchar_t* const refused[] = {
        // A backslash ends nothing in PostgreSQL's standard strings, so the ";" is outside.
        L"SELECT 'a\\'; DROP TABLE t; --'",
        // and in MySQL's strings it escapes the quote: here the DELETE is outside for MySQL.
        L"SELECT 'a\\' DELETE FROM t -- '",
        // MySQL runs what is in "/*! ... */".
        L"SELECT 1 /*! ; DELETE FROM t */",
        // "--" without a space starts no comment in MySQL.
        L"SELECT 1 --x; DELETE FROM t",
        // PostgreSQL nests comments, MySQL does not.
        L"SELECT 1 /* /* */ ; DELETE FROM t; /* */",
        // Dollar quotes hide nothing outside PostgreSQL.
        L"SELECT $$; DELETE FROM t; $$",
        // A number and a word run together.
        L"SELECT 1DELETE FROM t",
    };
    for (const wchar_t* sql : refused) EXPECT_NE(StatementRefusal(sql), L"") << platform::ToUtf8(sql);
}

}  // namespace
