#pragma once
// Values as the Access functions see them (the engine's SQLite values): reading numbers,
// dates and text with Access's conversions, giving results with their type tags, and the date
// arithmetic and date text the functions share.
#include <cstddef>
#include <string>

struct sqlite3_context;
struct sqlite3_value;

namespace platform::access {
class StatementBudget;
}

namespace platform::access::values {

// The budget of the statement the function runs in (null: none), and whether the function
// may go on to build a value of that many bytes: the statement's time and memory limits and
// the user's break. False sets the function's error; the engine then reports the limit.
StatementBudget* Budget(sqlite3_context* ctx);
bool MayBuild(sqlite3_context* ctx, size_t bytes);

bool IsNull(sqlite3_value* v);
std::wstring Wide(sqlite3_value* v);
void ResultWide(sqlite3_context* ctx, const std::wstring& text);
void ResultText(sqlite3_context* ctx, const std::string& utf8);
// A run-time error of the statement, worded as Access words it ("Type mismatch" ...).
void Error(sqlite3_context* ctx, const char* message);
void ResultDate(sqlite3_context* ctx, double date);
void ResultCurrency(sqlite3_context* ctx, double amount);

// A number from a value; text must read as a number.
bool Number(sqlite3_value* v, double& out);
// A date from a value: a date number, or text that reads as a date.
bool DateOf(sqlite3_value* v, double& out);
bool ParseDateText(const std::string& text, double& out);

struct Parts {
    int year, month, day, hour, minute, second, weekday, dayOfYear;
};
bool Split(double date, Parts& p);
// A date from parts, months and days past their range carried over as DateSerial does.
bool Join(long long year, long long month, long long day, double time, double& out);
double TimeOf(double date);

// Rounds half to even, as Access's Round, CInt, CLng and CCur do.
double RoundEven(double x, int places);
// A Double made Currency as OLE Automation makes it: the value times 10,000 rounded to the
// nearest whole number, a half to the even one, judged on the exact product (a product that
// only rounds to a half in double precision is not one).
double CurrencyOf(double x);

std::wstring Folded(std::wstring s);
// Text of a number as CStr writes it: up to 15 significant digits, no trailing zeros.
std::string NumberText(double d);
// A value as text, a date or Yes/No by its tag.
std::string TextOf(sqlite3_value* v);
std::string FormatDate(double date, const std::string& pattern);
std::string GeneralDate(double date);

}  // namespace platform::access::values

// Access functions give Null when any argument is Null; the first statement of such a function.
#define NULL_IN_NULL_OUT                                                    \
    for (int k = 0; k < argc; ++k)                                          \
        if (::platform::access::values::IsNull(argv[k])) return sqlite3_result_null(ctx)
