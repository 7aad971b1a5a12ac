#pragma once
// The tokens of an Access SQL statement, read by Access's own rules (see AccessSql.h): names
// in brackets or backquotes, text in either quote, dates between #, and the operators.
#include <string>
#include <string_view>
#include <vector>

namespace platform::access::sql {

struct Token {
    enum Kind { Word, Name, Text, Number, Date, Op, Open, Close, Comma, End } kind = End;
    std::string text;  // a word, a name or a text's value, a number, an operator
    double date = 0;
    size_t begin = 0, end = 0;  // where it is in the statement's text
};

// The tokens of a statement, ended by an End token; trailing semicolons are dropped. Throws
// SqlSyntaxError on an unterminated quote, name or date, or a character Access does not know.
std::vector<Token> Tokenize(std::string_view s);

bool EqualsNoCase(std::string_view a, std::string_view b);
// Whether the token is that keyword (any case).
bool Is(const Token& t, const char* word);
// Words that end an expression: clause and predicate keywords.
bool IsBoundaryWord(const Token& t);
bool IsComparison(const Token& t);

// A name as SQLite reads it: in brackets, or in backquotes when it holds a bracket.
std::string QuoteName(const std::string& name);
std::string QuoteText(const std::string& text);

}  // namespace platform::access::sql
