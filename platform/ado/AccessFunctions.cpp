#include "AccessFunctions.h"

#include <sqlite3.h>

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>

#include "LocaleCurrency.h"
#include "String.h"
#include "Utf8.h"
#include "Variant.h"

namespace platform::access {
namespace {

using T = ValueType;

const AccessFunction kFunctions[] = {
    {"IIf", "acc_iif", 3, 3, T::Unknown},        {"Nz", "acc_nz", 1, 2, T::Unknown},
    {"Len", "acc_len", 1, 1, T::Integer},        {"Left", "acc_left", 2, 2, T::Text},
    {"Right", "acc_right", 2, 2, T::Text},       {"Mid", "acc_mid", 2, 3, T::Text},
    {"UCase", "acc_ucase", 1, 1, T::Text},       {"LCase", "acc_lcase", 1, 1, T::Text},
    {"Trim", "acc_trim", 1, 1, T::Text},         {"LTrim", "acc_ltrim", 1, 1, T::Text},
    {"RTrim", "acc_rtrim", 1, 1, T::Text},       {"InStr", "acc_instr", 2, 4, T::Integer},
    {"Replace", "acc_replace", 3, 3, T::Text},   {"Format", "acc_format", 1, 2, T::Text},
    {"Year", "acc_year", 1, 1, T::Integer},      {"Month", "acc_month", 1, 1, T::Integer},
    {"Day", "acc_day", 1, 1, T::Integer},        {"Hour", "acc_hour", 1, 1, T::Integer},
    {"Minute", "acc_minute", 1, 1, T::Integer},  {"Second", "acc_second", 1, 1, T::Integer},
    {"Weekday", "acc_weekday", 1, 1, T::Integer}, {"Date", "acc_date", 0, 0, T::Date},
    {"Now", "acc_now", 0, 0, T::Date},           {"DateSerial", "acc_dateserial", 3, 3, T::Date},
    {"DateAdd", "acc_dateadd", 3, 3, T::Date},   {"DateDiff", "acc_datediff", 3, 3, T::Integer},
    {"DatePart", "acc_datepart", 2, 2, T::Integer}, {"CStr", "acc_cstr", 1, 1, T::Text},
    {"CInt", "acc_cint", 1, 1, T::Integer},      {"CLng", "acc_clng", 1, 1, T::Integer},
    {"CDbl", "acc_cdbl", 1, 1, T::Double},       {"CCur", "acc_ccur", 1, 1, T::Currency},
    {"CDate", "acc_cdate", 1, 1, T::Date},       {"CBool", "acc_cbool", 1, 1, T::Bool},
    {"Val", "acc_val", 1, 1, T::Double},         {"Abs", "acc_abs", 1, 1, T::Unknown},
    {"Int", "acc_int", 1, 1, T::Unknown},        {"Fix", "acc_fix", 1, 1, T::Unknown},
    {"Round", "acc_round", 1, 2, T::Unknown},    {"Sgn", "acc_sgn", 1, 1, T::Integer},
    {"Sum", "sum", 1, 1, T::Unknown, true},      {"Avg", "avg", 1, 1, T::Unknown, true},
    {"Count", "count", 1, 1, T::Integer, true},  {"Min", "min", 1, 1, T::Unknown, true},
    {"Max", "max", 1, 1, T::Unknown, true},      {"First", "acc_first", 1, 1, T::Unknown, true},
    {"Last", "acc_last", 1, 1, T::Unknown, true},
};

// ---- values ---------------------------------------------------------------------------

bool IsNull(sqlite3_value* v) { return sqlite3_value_type(v) == SQLITE_NULL; }

std::wstring Wide(sqlite3_value* v) {
    const auto* text = sqlite3_value_text(v);
    return text ? FromUtf8(std::string_view(reinterpret_cast<const char*>(text), static_cast<size_t>(sqlite3_value_bytes(v)))) : std::wstring();
}

void ResultWide(sqlite3_context* ctx, const std::wstring& text) {
    const std::string utf8 = ToUtf8(text);
    sqlite3_result_text(ctx, utf8.data(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
}

void ResultText(sqlite3_context* ctx, const std::string& utf8) { sqlite3_result_text(ctx, utf8.data(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT); }

void Error(sqlite3_context* ctx, const char* message) { sqlite3_result_error(ctx, message, -1); }

void ResultDate(sqlite3_context* ctx, double date) {
    sqlite3_result_double(ctx, date);
    sqlite3_result_subtype(ctx, kSubtypeDate);
}

void ResultCurrency(sqlite3_context* ctx, double amount) {
    sqlite3_result_double(ctx, amount);
    sqlite3_result_subtype(ctx, kSubtypeCurrency);
}

// A number from a value; text must read as a number ("Type mismatch" otherwise).
bool Number(sqlite3_value* v, double& out) {
    switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER: out = static_cast<double>(sqlite3_value_int64(v)); return true;
    case SQLITE_FLOAT: out = sqlite3_value_double(v); return true;
    case SQLITE_TEXT: {
        const std::string text(reinterpret_cast<const char*>(sqlite3_value_text(v)));
        char* end = nullptr;
        out = std::strtod(text.c_str(), &end);
        while (end && *end == ' ') ++end;
        return end && end != text.c_str() && *end == 0;
    }
    default: return false;
    }
}

bool ParseDateText(const std::string& text, double& out);

// A date from a value: a date number, or text that reads as a date.
bool DateOf(sqlite3_value* v, double& out) {
    if (sqlite3_value_type(v) == SQLITE_TEXT) return ParseDateText(reinterpret_cast<const char*>(sqlite3_value_text(v)), out);
    return Number(v, out);
}

struct Parts {
    int year, month, day, hour, minute, second, weekday, dayOfYear;
};

bool Split(double date, Parts& p) {
    UDATE u{};
    if (FAILED(VarUdateFromDate(date, 0, &u))) return false;
    p = {u.st.wYear, u.st.wMonth, u.st.wDay, u.st.wHour, u.st.wMinute, u.st.wSecond, u.st.wDayOfWeek + 1, u.wDayOfYear};
    return true;
}

// A date from parts, months and days past their range carried over as DateSerial does.
bool Join(long long year, long long month, long long day, double time, double& out) {
    year += (month - 1) >= 0 ? (month - 1) / 12 : -((12 - month) / 12);
    month = ((month - 1) % 12 + 12) % 12 + 1;
    if (year < 100 || year > 9999) return false;
    UDATE u{};
    u.st.wYear = static_cast<WORD>(year);
    u.st.wMonth = static_cast<WORD>(month);
    u.st.wDay = 1;
    DATE first = 0;
    if (FAILED(VarDateFromUdate(&u, 0, &first))) return false;
    out = first + static_cast<double>(day - 1);
    if (time != 0) out = out >= 0 ? out + time : out - time;
    return true;
}

double TimeOf(double date) { return std::fabs(date - std::trunc(date)); }

bool ParseDateText(const std::string& text, double& out) {
    if (auto d = ParseDateLiteral(text)) {
        out = *d;
        return true;
    }
    // "16-Nov-1994", "November 16, 1994"
    static const char* const kMonths[] = {"jan", "feb", "mar", "apr", "may", "jun", "jul", "aug", "sep", "oct", "nov", "dec"};
    int day = 0, year = 0, month = 0;
    char name[16] = {};
    if (std::sscanf(text.c_str(), "%d-%15[A-Za-z]-%d", &day, name, &year) == 3 || std::sscanf(text.c_str(), "%15[A-Za-z] %d, %d", name, &day, &year) == 3) {
        for (int m = 0; m < 12; ++m)
            if (strncasecmp(name, kMonths[m], 3) == 0) month = m + 1;
        if (!month) return false;
        if (year < 100) year += year < 30 ? 2000 : 1900;
        return Join(year, month, day, 0, out);
    }
    return false;
}

// Rounds half to even, as Access's Round, CInt, CLng and CCur do.
double RoundEven(double x, int places) {
    const double scale = std::pow(10.0, places);
    const double scaled = x * scale;
    const double lower = std::floor(scaled);
    const double diff = scaled - lower;
    double r;
    if (std::fabs(diff - 0.5) < 1e-9) r = std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
    else r = std::round(scaled);
    return r / scale;
}

// ---- text -----------------------------------------------------------------------------

void IIf(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const bool condition = !IsNull(argv[0]) && sqlite3_value_double(argv[0]) != 0.0;
    sqlite3_result_value(ctx, argv[condition ? 1 : 2]);
    const unsigned subtype = sqlite3_value_subtype(argv[condition ? 1 : 2]);
    if (subtype) sqlite3_result_subtype(ctx, subtype);
}

void Nz(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    sqlite3_value* chosen = !IsNull(argv[0]) ? argv[0] : argc > 1 ? argv[1] : nullptr;
    if (!chosen) return sqlite3_result_text(ctx, "", 0, SQLITE_STATIC);  // in a query Nz gives a zero-length text
    sqlite3_result_value(ctx, chosen);
    if (const unsigned subtype = sqlite3_value_subtype(chosen)) sqlite3_result_subtype(ctx, subtype);
}

#define NULL_IN_NULL_OUT                                 \
    for (int k = 0; k < argc; ++k)                       \
        if (IsNull(argv[k])) return sqlite3_result_null(ctx)

template <bool Upper>
void ChangeCase(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    NULL_IN_NULL_OUT;
    std::wstring text = Wide(argv[0]);
    for (auto& ch : text) ch = Upper ? ToUpperChar(ch) : ToLowerChar(ch);
    ResultWide(ctx, text);
}

void Len(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    NULL_IN_NULL_OUT;
    sqlite3_result_int64(ctx, static_cast<sqlite3_int64>(Wide(argv[0]).size()));
}

bool Count(sqlite3_context* ctx, sqlite3_value* v, long long& n) {
    double d;
    if (!Number(v, d)) return Error(ctx, "Type mismatch"), false;
    n = static_cast<long long>(RoundEven(d, 0));
    if (n < 0) return Error(ctx, "Invalid procedure call or argument"), false;
    return true;
}

void Left(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    NULL_IN_NULL_OUT;
    long long n;
    if (!Count(ctx, argv[1], n)) return;
    const std::wstring text = Wide(argv[0]);
    ResultWide(ctx, text.substr(0, static_cast<size_t>(std::min<long long>(n, static_cast<long long>(text.size())))));
}

void Right(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    NULL_IN_NULL_OUT;
    long long n;
    if (!Count(ctx, argv[1], n)) return;
    const std::wstring text = Wide(argv[0]);
    const auto k = static_cast<size_t>(std::min<long long>(n, static_cast<long long>(text.size())));
    ResultWide(ctx, text.substr(text.size() - k));
}

void Mid(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    NULL_IN_NULL_OUT;
    long long start, count = -1;
    if (!Count(ctx, argv[1], start) || (argc > 2 && !Count(ctx, argv[2], count))) return;
    if (start < 1) return Error(ctx, "Invalid procedure call or argument");
    const std::wstring text = Wide(argv[0]);
    if (static_cast<size_t>(start) > text.size()) return sqlite3_result_text(ctx, "", 0, SQLITE_STATIC);
    ResultWide(ctx, text.substr(static_cast<size_t>(start - 1), count < 0 ? std::wstring::npos : static_cast<size_t>(count)));
}

template <bool Front, bool Back>
void TrimText(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    NULL_IN_NULL_OUT;
    std::wstring text = Wide(argv[0]);
    size_t a = 0, b = text.size();
    if (Front)
        while (a < b && text[a] == L' ') ++a;
    if (Back)
        while (b > a && text[b - 1] == L' ') --b;
    ResultWide(ctx, text.substr(a, b - a));
}

std::wstring Folded(std::wstring s) {
    for (auto& c : s) c = ToLowerChar(c);
    return s;
}

// InStr([start,] text, sought [, compare]): 1-based position, 0 when absent. Text compares
// ignore case, as a query's default comparison does; compare 0 makes it exact.
void InStr(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    int at = 0;
    long long start = 1;
    if (argc >= 3 || sqlite3_value_type(argv[0]) == SQLITE_INTEGER || sqlite3_value_type(argv[0]) == SQLITE_FLOAT) {
        if (argc < 3) return Error(ctx, "Type mismatch");
        if (IsNull(argv[0])) return Error(ctx, "Invalid use of Null");
        if (!Count(ctx, argv[0], start)) return;
        if (start < 1) return Error(ctx, "Invalid procedure call or argument");
        at = 1;
    }
    if (IsNull(argv[at]) || IsNull(argv[at + 1])) return sqlite3_result_null(ctx);
    const bool exact = argc > at + 2 && !IsNull(argv[at + 2]) && sqlite3_value_int(argv[at + 2]) == 0;
    std::wstring text = Wide(argv[at]), sought = Wide(argv[at + 1]);
    if (!exact) text = Folded(text), sought = Folded(sought);
    if (static_cast<size_t>(start) > text.size() + (sought.empty() ? 1 : 0)) return sqlite3_result_int(ctx, 0);
    const size_t found = text.find(sought, static_cast<size_t>(start - 1));
    sqlite3_result_int64(ctx, found == std::wstring::npos ? 0 : static_cast<sqlite3_int64>(found + 1));
}

void Replace(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (IsNull(argv[0])) return Error(ctx, "Invalid use of Null");
    NULL_IN_NULL_OUT;
    const std::wstring text = Wide(argv[0]), find = Wide(argv[1]), with = Wide(argv[2]);
    if (find.empty()) return ResultWide(ctx, text);
    const std::wstring lowText = Folded(text), lowFind = Folded(find);
    std::wstring out;
    size_t pos = 0;
    for (size_t hit; (hit = lowText.find(lowFind, pos)) != std::wstring::npos; pos = hit + find.size()) out += text.substr(pos, hit - pos) + with;
    ResultWide(ctx, out + text.substr(pos));
}

// Text of a number as CStr writes it: up to 15 significant digits, no trailing zeros.
std::string NumberText(double d) {
    if (d == std::trunc(d) && std::fabs(d) < 1e15) {
        char b[32];
        std::snprintf(b, sizeof b, "%.0f", d);
        return b;
    }
    char b[40];
    std::snprintf(b, sizeof b, "%.15g", d);
    return b;
}

std::string GeneralDate(double date);

std::string TextOf(sqlite3_value* v) {
    const unsigned subtype = sqlite3_value_subtype(v);
    switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER:
        if (subtype == kSubtypeBool) return sqlite3_value_int64(v) ? "True" : "False";
        if (subtype == kSubtypeDate) return GeneralDate(static_cast<double>(sqlite3_value_int64(v)));
        return std::to_string(sqlite3_value_int64(v));
    case SQLITE_FLOAT:
        if (subtype == kSubtypeDate) return GeneralDate(sqlite3_value_double(v));
        return NumberText(sqlite3_value_double(v));
    case SQLITE_NULL: return {};
    default: return std::string(reinterpret_cast<const char*>(sqlite3_value_text(v)), static_cast<size_t>(sqlite3_value_bytes(v)));
    }
}

// a & b: text joined; Null counts as empty unless both are Null.
void Concat(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (IsNull(argv[0]) && IsNull(argv[1])) return sqlite3_result_null(ctx);
    ResultText(ctx, TextOf(argv[0]) + TextOf(argv[1]));
}

// ---- arithmetic -----------------------------------------------------------------------

void Add(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    NULL_IN_NULL_OUT;
    if (sqlite3_value_type(argv[0]) == SQLITE_TEXT && sqlite3_value_type(argv[1]) == SQLITE_TEXT) return ResultText(ctx, TextOf(argv[0]) + TextOf(argv[1]));
    if (sqlite3_value_type(argv[0]) == SQLITE_INTEGER && sqlite3_value_type(argv[1]) == SQLITE_INTEGER)
        return sqlite3_result_int64(ctx, sqlite3_value_int64(argv[0]) + sqlite3_value_int64(argv[1]));
    double a, b;
    if (!Number(argv[0], a) || !Number(argv[1], b)) return Error(ctx, "Type mismatch");
    sqlite3_result_double(ctx, a + b);
}

void Divide(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    NULL_IN_NULL_OUT;
    double a, b;
    if (!Number(argv[0], a) || !Number(argv[1], b)) return Error(ctx, "Type mismatch");
    if (b == 0) return Error(ctx, "Division by zero");
    sqlite3_result_double(ctx, a / b);
}

bool Integers(sqlite3_context* ctx, sqlite3_value** argv, long long& a, long long& b) {
    double x, y;
    if (!Number(argv[0], x) || !Number(argv[1], y)) return Error(ctx, "Type mismatch"), false;
    a = static_cast<long long>(RoundEven(x, 0));
    b = static_cast<long long>(RoundEven(y, 0));
    if (b == 0) return Error(ctx, "Division by zero"), false;
    return true;
}

void IntDivide(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    NULL_IN_NULL_OUT;
    long long a, b;
    if (Integers(ctx, argv, a, b)) sqlite3_result_int64(ctx, a / b);
}

void Mod(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    NULL_IN_NULL_OUT;
    long long a, b;
    if (Integers(ctx, argv, a, b)) sqlite3_result_int64(ctx, a % b);
}

void Power(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    NULL_IN_NULL_OUT;
    double a, b;
    if (!Number(argv[0], a) || !Number(argv[1], b)) return Error(ctx, "Type mismatch");
    sqlite3_result_double(ctx, std::pow(a, b));
}

template <unsigned Subtype>
void Tag(sqlite3_context* ctx, int, sqlite3_value** argv) {
    sqlite3_result_value(ctx, argv[0]);
    if (!IsNull(argv[0])) sqlite3_result_subtype(ctx, Subtype);
}

// Keeps the argument's kind of number (and its type tag) for Abs, Int, Fix, Round.
void ResultLike(sqlite3_context* ctx, sqlite3_value* like, double value) {
    if (sqlite3_value_type(like) == SQLITE_INTEGER) sqlite3_result_int64(ctx, static_cast<sqlite3_int64>(value));
    else sqlite3_result_double(ctx, value);
    if (const unsigned subtype = sqlite3_value_subtype(like)) sqlite3_result_subtype(ctx, subtype);
}

template <double (*F)(double)>
void Unary(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    NULL_IN_NULL_OUT;
    double d;
    if (!Number(argv[0], d)) return Error(ctx, "Type mismatch");
    ResultLike(ctx, argv[0], F(d));
}

double AbsOf(double d) { return std::fabs(d); }
double IntOf(double d) { return std::floor(d); }
double FixOf(double d) { return std::trunc(d); }

void Round(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    NULL_IN_NULL_OUT;
    double d, places = 0;
    if (!Number(argv[0], d) || (argc > 1 && !Number(argv[1], places))) return Error(ctx, "Type mismatch");
    if (places < 0) return Error(ctx, "Invalid procedure call or argument");
    ResultLike(ctx, argv[0], RoundEven(d, static_cast<int>(places)));
}

void Sgn(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    NULL_IN_NULL_OUT;
    double d;
    if (!Number(argv[0], d)) return Error(ctx, "Type mismatch");
    sqlite3_result_int(ctx, d > 0 ? 1 : d < 0 ? -1 : 0);
}

// ---- conversions ----------------------------------------------------------------------

void CStr(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (IsNull(argv[0])) return Error(ctx, "Invalid use of Null");
    ResultText(ctx, TextOf(argv[0]));
}

template <long long Low, long long High>
void CInteger(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (IsNull(argv[0])) return Error(ctx, "Invalid use of Null");
    double d;
    if (!Number(argv[0], d)) return Error(ctx, "Type mismatch");
    const double r = RoundEven(d, 0);
    if (r < static_cast<double>(Low) || r > static_cast<double>(High)) return Error(ctx, "Overflow");
    sqlite3_result_int64(ctx, static_cast<sqlite3_int64>(r));
}

void CDbl(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (IsNull(argv[0])) return Error(ctx, "Invalid use of Null");
    double d;
    if (!Number(argv[0], d)) return Error(ctx, "Type mismatch");
    sqlite3_result_double(ctx, d);
}

void CCur(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (IsNull(argv[0])) return Error(ctx, "Invalid use of Null");
    double d;
    if (!Number(argv[0], d)) return Error(ctx, "Type mismatch");
    if (std::fabs(d) > 922337203685477.0) return Error(ctx, "Overflow");
    ResultCurrency(ctx, RoundEven(d, 4));
}

void CDate(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (IsNull(argv[0])) return Error(ctx, "Invalid use of Null");
    double d;
    if (!DateOf(argv[0], d)) return Error(ctx, "Type mismatch");
    ResultDate(ctx, d);
}

void CBool(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (IsNull(argv[0])) return Error(ctx, "Invalid use of Null");
    double d;
    if (!Number(argv[0], d)) {
        const std::wstring t = Folded(Wide(argv[0]));
        if (t == L"true" || t == L"yes") d = 1;
        else if (t == L"false" || t == L"no") d = 0;
        else return Error(ctx, "Type mismatch");
    }
    sqlite3_result_int(ctx, d != 0 ? -1 : 0);
    sqlite3_result_subtype(ctx, kSubtypeBool);
}

// Val: the number at the start of the text; blanks are skipped, anything else ends it.
void Val(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (IsNull(argv[0])) return Error(ctx, "Invalid use of Null");
    std::string digits;
    const std::string text = TextOf(argv[0]);
    bool dot = false, exponent = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ' ' || c == '\t') continue;
        if (std::isdigit(static_cast<unsigned char>(c))) digits += c;
        else if ((c == '-' || c == '+') && (digits.empty() || (exponent && (digits.back() == 'e')))) digits += c;
        else if (c == '.' && !dot && !exponent) dot = true, digits += c;
        else if ((c == 'e' || c == 'E') && !exponent && !digits.empty()) exponent = true, digits += 'e';
        else break;
    }
    sqlite3_result_double(ctx, std::strtod(digits.c_str(), nullptr));
}

// ---- dates ----------------------------------------------------------------------------

template <int Part>
void DatePartOf(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    NULL_IN_NULL_OUT;
    double d;
    Parts p;
    if (!DateOf(argv[0], d) || !Split(d, p)) return Error(ctx, "Type mismatch");
    const int values[] = {p.year, p.month, p.day, p.hour, p.minute, p.second, p.weekday};
    sqlite3_result_int(ctx, values[Part]);
}

double Today(bool withTime) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    double d = 0;
    Join(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, 0, d);
    if (withTime) d += (local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec) / 86400.0;
    return d;
}

void DateNow(sqlite3_context* ctx, int, sqlite3_value**) { ResultDate(ctx, Today(false)); }
void Now(sqlite3_context* ctx, int, sqlite3_value**) { ResultDate(ctx, Today(true)); }

void DateSerial(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    NULL_IN_NULL_OUT;
    double y, m, d, out;
    if (!Number(argv[0], y) || !Number(argv[1], m) || !Number(argv[2], d)) return Error(ctx, "Type mismatch");
    long long year = static_cast<long long>(y);
    if (year < 30 && year >= 0) year += 2000;
    else if (year < 100 && year >= 0) year += 1900;
    if (!Join(year, static_cast<long long>(m), static_cast<long long>(d), 0, out)) return Error(ctx, "Invalid procedure call or argument");
    ResultDate(ctx, out);
}

enum class Interval { Year, Quarter, Month, DayOfYear, Day, Weekday, Week, Hour, Minute, Second, Bad };

Interval IntervalOf(sqlite3_value* v) {
    const std::wstring s = Folded(Wide(v));
    if (s == L"yyyy") return Interval::Year;
    if (s == L"q") return Interval::Quarter;
    if (s == L"m") return Interval::Month;
    if (s == L"y") return Interval::DayOfYear;
    if (s == L"d") return Interval::Day;
    if (s == L"w") return Interval::Weekday;
    if (s == L"ww") return Interval::Week;
    if (s == L"h") return Interval::Hour;
    if (s == L"n") return Interval::Minute;
    if (s == L"s") return Interval::Second;
    return Interval::Bad;
}

void DateAdd(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (IsNull(argv[0])) return Error(ctx, "Invalid procedure call or argument");
    NULL_IN_NULL_OUT;
    const Interval interval = IntervalOf(argv[0]);
    double n, d, out;
    Parts p;
    if (interval == Interval::Bad) return Error(ctx, "Invalid procedure call or argument");
    if (!Number(argv[1], n) || !DateOf(argv[2], d) || !Split(d, p)) return Error(ctx, "Type mismatch");
    const long long k = static_cast<long long>(std::trunc(n));
    auto months = [&](long long count) {
        // The day is kept, or the last day of a shorter month.
        double first;
        if (!Join(p.year, p.month + count, 1, 0, first)) return false;
        Parts q;
        Split(first, q);
        double next;
        Join(q.year, q.month + 1, 1, 0, next);
        const int last = static_cast<int>(next - first);
        return Join(q.year, q.month, std::min(p.day, last), TimeOf(d), out);
    };
    bool ok = true;
    switch (interval) {
    case Interval::Year: ok = months(12 * k); break;
    case Interval::Quarter: ok = months(3 * k); break;
    case Interval::Month: ok = months(k); break;
    case Interval::DayOfYear:
    case Interval::Day:
    case Interval::Weekday: ok = Join(p.year, p.month, p.day + k, TimeOf(d), out); break;
    case Interval::Week: ok = Join(p.year, p.month, p.day + 7 * k, TimeOf(d), out); break;
    case Interval::Hour: out = d + k / 24.0; break;
    case Interval::Minute: out = d + k / 1440.0; break;
    case Interval::Second: out = d + k / 86400.0; break;
    default: ok = false;
    }
    if (!ok) return Error(ctx, "Invalid procedure call or argument");
    ResultDate(ctx, out);
}

// DateDiff counts the boundaries crossed between the two dates.
void DateDiff(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (IsNull(argv[0])) return Error(ctx, "Invalid procedure call or argument");
    NULL_IN_NULL_OUT;
    const Interval interval = IntervalOf(argv[0]);
    double a, b;
    Parts p, q;
    if (interval == Interval::Bad) return Error(ctx, "Invalid procedure call or argument");
    if (!DateOf(argv[1], a) || !DateOf(argv[2], b) || !Split(a, p) || !Split(b, q)) return Error(ctx, "Type mismatch");
    auto day = [](double d) { return std::floor(d); };
    auto seconds = [](double d) { return std::llround(d * 86400.0); };
    long long r = 0;
    switch (interval) {
    case Interval::Year: r = q.year - p.year; break;
    case Interval::Quarter: r = (q.year * 4 + (q.month - 1) / 3) - (p.year * 4 + (p.month - 1) / 3); break;
    case Interval::Month: r = (q.year * 12 + q.month) - (p.year * 12 + p.month); break;
    case Interval::DayOfYear:
    case Interval::Day: r = static_cast<long long>(day(b) - day(a)); break;
    case Interval::Weekday: r = static_cast<long long>(day(b) - day(a)) / 7; break;
    case Interval::Week: r = static_cast<long long>(std::floor((day(b) - (q.weekday - 1) - (day(a) - (p.weekday - 1))) / 7)); break;
    case Interval::Hour: r = seconds(b) / 3600 - seconds(a) / 3600; break;
    case Interval::Minute: r = seconds(b) / 60 - seconds(a) / 60; break;
    case Interval::Second: r = seconds(b) - seconds(a); break;
    default: break;
    }
    sqlite3_result_int64(ctx, r);
}

void DatePart(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (IsNull(argv[0])) return Error(ctx, "Invalid procedure call or argument");
    NULL_IN_NULL_OUT;
    const Interval interval = IntervalOf(argv[0]);
    double d;
    Parts p;
    if (interval == Interval::Bad) return Error(ctx, "Invalid procedure call or argument");
    if (!DateOf(argv[1], d) || !Split(d, p)) return Error(ctx, "Type mismatch");
    int r = 0;
    switch (interval) {
    case Interval::Year: r = p.year; break;
    case Interval::Quarter: r = (p.month - 1) / 3 + 1; break;
    case Interval::Month: r = p.month; break;
    case Interval::DayOfYear: r = p.dayOfYear; break;
    case Interval::Day: r = p.day; break;
    case Interval::Weekday: r = p.weekday; break;
    case Interval::Week: {  // the week of the year, weeks starting on Sunday, week 1 holding 1 January
        double jan1;
        Join(p.year, 1, 1, 0, jan1);
        Parts j;
        Split(jan1, j);
        r = static_cast<int>((std::floor(d) - jan1 + (j.weekday - 1)) / 7) + 1;
        break;
    }
    case Interval::Hour: r = p.hour; break;
    case Interval::Minute: r = p.minute; break;
    case Interval::Second: r = p.second; break;
    default: break;
    }
    sqlite3_result_int(ctx, r);
}

// ---- Format ---------------------------------------------------------------------------

const char* const kMonthNames[] = {"January", "February", "March", "April", "May", "June", "July", "August", "September", "October", "November", "December"};
const char* const kDayNames[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

std::string Two(int n) {
    char b[8];
    std::snprintf(b, sizeof b, "%02d", n);
    return b;
}

// A date with a pattern of yyyy yy q m mm mmm mmmm d dd ddd dddd w h hh n nn s ss AM/PM, and
// literal text in quotes or after "\".
std::string FormatDate(double date, const std::string& pattern) {
    Parts p;
    if (!Split(date, p)) return {};
    const bool twelve = strcasestr(pattern.c_str(), "AM/PM") != nullptr;
    std::string out;
    bool afterHour = false;  // "m" after "h" means minutes
    for (size_t i = 0; i < pattern.size();) {
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(pattern[i])));
        size_t run = 1;
        while (i + run < pattern.size() && std::tolower(static_cast<unsigned char>(pattern[i + run])) == c) ++run;
        if (pattern[i] == '"') {
            const size_t end = pattern.find('"', i + 1);
            out += pattern.substr(i + 1, end == std::string::npos ? std::string::npos : end - i - 1);
            i = end == std::string::npos ? pattern.size() : end + 1;
            continue;
        }
        if (pattern[i] == '\\' && i + 1 < pattern.size()) {
            out += pattern[i + 1];
            i += 2;
            continue;
        }
        if (strncasecmp(pattern.c_str() + i, "AM/PM", 5) == 0) {
            out += p.hour < 12 ? "AM" : "PM";
            i += 5;
            continue;
        }
        const int hour12 = p.hour % 12 == 0 ? 12 : p.hour % 12;
        switch (c) {
        case 'y':
            if (run >= 3) out += std::to_string(p.year);
            else if (run == 2) out += Two(p.year % 100);
            else out += std::to_string(p.dayOfYear);
            break;
        case 'q': out += std::to_string((p.month - 1) / 3 + 1); break;
        case 'm':
            if (afterHour && run <= 2) out += run == 2 ? Two(p.minute) : std::to_string(p.minute);
            else if (run >= 4) out += kMonthNames[p.month - 1];
            else if (run == 3) out += std::string(kMonthNames[p.month - 1]).substr(0, 3);
            else out += run == 2 ? Two(p.month) : std::to_string(p.month);
            break;
        case 'd':
            if (run >= 4) out += kDayNames[p.weekday - 1];
            else if (run == 3) out += std::string(kDayNames[p.weekday - 1]).substr(0, 3);
            else out += run == 2 ? Two(p.day) : std::to_string(p.day);
            break;
        case 'w': out += std::to_string(p.weekday); break;
        case 'h': {
            const int h = twelve ? hour12 : p.hour;
            out += run >= 2 ? Two(h) : std::to_string(h);
            break;
        }
        case 'n': out += run >= 2 ? Two(p.minute) : std::to_string(p.minute); break;
        case 's': out += run >= 2 ? Two(p.second) : std::to_string(p.second); break;
        default: out.append(run, pattern[i]); break;
        }
        if (c == 'h') afterHour = true;
        else if (c != ':' && c != ' ' && c != 'm') afterHour = false;
        i += run;
    }
    return out;
}

std::string GeneralDate(double date) {
    const bool time = TimeOf(date) != 0, day = std::trunc(date) != 0;
    if (day && time) return FormatDate(date, "m/d/yyyy h:nn:ss AM/PM");
    if (time) return FormatDate(date, "h:nn:ss AM/PM");
    return FormatDate(date, "m/d/yyyy");
}

// A number with a pattern of 0 # , . % and literal text: "0.00", "#,##0.00", "0%".
std::string FormatNumber(double value, const std::string& pattern) {
    std::string prefix, suffix, digits;
    size_t first = pattern.find_first_of("0#.,");
    size_t last = pattern.find_last_of("0#.,");
    if (first == std::string::npos) return pattern;
    prefix = pattern.substr(0, first);
    suffix = pattern.substr(last + 1);
    digits = pattern.substr(first, last - first + 1);
    if ((prefix + suffix).find('%') != std::string::npos) value *= 100;
    auto strip = [](std::string s) {
        std::string out;
        for (size_t i = 0; i < s.size(); ++i) {
            if (s[i] == '"') continue;
            if (s[i] == '\\' && i + 1 < s.size()) ++i;
            out += s[i];
        }
        return out;
    };
    const size_t dot = digits.find('.');
    const std::string whole = digits.substr(0, dot);
    const std::string fraction = dot == std::string::npos ? "" : digits.substr(dot + 1);
    const int places = static_cast<int>(fraction.size());
    const int required = static_cast<int>(fraction.find('#') == std::string::npos ? fraction.size() : fraction.find('#'));
    const bool grouping = whole.find(',') != std::string::npos;
    int minWhole = 0;
    for (char c : whole) minWhole += c == '0';
    // Half away from zero, on the decimal digits.
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", places, std::fabs(value) + std::fabs(value) * 1e-15);
    std::string number = buffer;
    std::string intPart = number.substr(0, number.find('.'));
    std::string fracPart = number.find('.') == std::string::npos ? "" : number.substr(number.find('.') + 1);
    while (static_cast<int>(fracPart.size()) > required && !fracPart.empty() && fracPart.back() == '0') fracPart.pop_back();
    if (intPart == "0" && minWhole == 0) intPart.clear();
    while (static_cast<int>(intPart.size()) < minWhole) intPart = "0" + intPart;
    if (grouping) {
        std::string grouped;
        for (size_t i = 0; i < intPart.size(); ++i) {
            if (i && (intPart.size() - i) % 3 == 0) grouped += ',';
            grouped += intPart[i];
        }
        intPart = grouped;
    }
    const bool negative = value < 0 && (std::strtod(number.c_str(), nullptr) != 0);
    std::string out = intPart;
    if (dot != std::string::npos && (!fracPart.empty() || required > 0)) out += "." + fracPart;
    return (negative ? "-" : "") + strip(prefix) + out + strip(suffix);
}

void Format(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (IsNull(argv[0])) return sqlite3_result_null(ctx);
    const std::string pattern = argc > 1 && !IsNull(argv[1]) ? TextOf(argv[1]) : std::string();
    const unsigned subtype = sqlite3_value_subtype(argv[0]);
    const std::wstring named = Folded(FromUtf8(pattern));
    double number = 0;
    const bool isNumber = Number(argv[0], number);
    if (pattern.empty()) return ResultText(ctx, TextOf(argv[0]));
    // Date formats apply to dates and to text that reads as a date.
    static const std::pair<const wchar_t*, const char*> kDateFormats[] = {
        {L"long date", "dddd, mmmm d, yyyy"}, {L"medium date", "dd-mmm-yy"}, {L"short date", "m/d/yyyy"},
        {L"long time", "h:nn:ss AM/PM"},      {L"medium time", "hh:nn AM/PM"}, {L"short time", "hh:nn"},
    };
    for (const auto& [name, expansion] : kDateFormats) {
        if (named == name) {
            double d;
            if (!DateOf(argv[0], d)) return ResultText(ctx, TextOf(argv[0]));
            return ResultText(ctx, FormatDate(d, expansion));
        }
    }
    if (named == L"general date") {
        double d;
        if (!DateOf(argv[0], d)) return ResultText(ctx, TextOf(argv[0]));
        return ResultText(ctx, GeneralDate(d));
    }
    if (!isNumber) {
        double d;
        if (!DateOf(argv[0], d)) return ResultText(ctx, TextOf(argv[0]));
        number = d;
    }
    if (named == L"general number") return ResultText(ctx, NumberText(number));
    if (named == L"currency") {
        char amount[64];
        std::snprintf(amount, sizeof amount, "%.2f", RoundEven(number, 2));
        std::wstring text = FormatLocaleCurrency(FromUtf8(amount).c_str());
        if (text.empty()) return ResultText(ctx, FormatNumber(number, "$#,##0.00"));
        return ResultWide(ctx, text);
    }
    if (named == L"fixed") return ResultText(ctx, FormatNumber(number, "0.00"));
    if (named == L"standard") return ResultText(ctx, FormatNumber(number, "#,##0.00"));
    if (named == L"percent") return ResultText(ctx, FormatNumber(number, "0.00%"));
    if (named == L"scientific") {
        char b[64];
        std::snprintf(b, sizeof b, "%.2E", number);
        std::string s = b;  // 1.23E+03 as Access writes it: 1.23E+03
        return ResultText(ctx, s);
    }
    if (named == L"yes/no") return ResultText(ctx, number != 0 ? "Yes" : "No");
    if (named == L"true/false") return ResultText(ctx, number != 0 ? "True" : "False");
    if (named == L"on/off") return ResultText(ctx, number != 0 ? "On" : "Off");
    // A pattern of its own: date letters make it a date pattern, otherwise a number pattern.
    const bool datePattern = pattern.find_first_of("yYdDhHnNsSqQwW") != std::string::npos ||
                             (pattern.find_first_of("mM") != std::string::npos && pattern.find_first_of("0#") == std::string::npos);
    if (datePattern || subtype == kSubtypeDate) return ResultText(ctx, FormatDate(number, pattern));
    ResultText(ctx, FormatNumber(number, pattern));
}

// ---- LIKE -----------------------------------------------------------------------------

// Access patterns: * any run, ? one character, # one digit, [abc] [a-z] [!a-z] a set.
bool Matches(const std::wstring& p, size_t pi, const std::wstring& s, size_t si) {
    while (pi < p.size()) {
        const wchar_t c = p[pi];
        if (c == L'*') {
            while (pi < p.size() && p[pi] == L'*') ++pi;
            if (pi == p.size()) return true;
            for (size_t k = si; k <= s.size(); ++k)
                if (Matches(p, pi, s, k)) return true;
            return false;
        }
        if (si >= s.size()) return false;
        if (c == L'?') {
        } else if (c == L'#') {
            if (s[si] < L'0' || s[si] > L'9') return false;
        } else if (c == L'[') {
            const size_t close = p.find(L']', pi + 1);
            if (close == std::wstring::npos) return false;
            std::wstring set = p.substr(pi + 1, close - pi - 1);
            bool negate = !set.empty() && set[0] == L'!';
            if (negate) set.erase(0, 1);
            bool hit = false;
            const wchar_t ch = ToLowerChar(s[si]);
            for (size_t k = 0; k < set.size(); ++k) {
                if (k + 2 < set.size() && set[k + 1] == L'-') {
                    if (ch >= ToLowerChar(set[k]) && ch <= ToLowerChar(set[k + 2])) hit = true;
                    k += 2;
                } else if (ToLowerChar(set[k]) == ch) {
                    hit = true;
                }
            }
            if (hit == negate) return false;
            pi = close;
        } else if (ToLowerChar(c) != ToLowerChar(s[si])) {
            return false;
        }
        ++pi;
        ++si;
    }
    return si == s.size();
}

// SQLite calls like(pattern, text) for "text LIKE pattern".
void Like(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (IsNull(argv[0]) || IsNull(argv[1])) return sqlite3_result_null(ctx);
    sqlite3_result_int(ctx, Matches(Wide(argv[0]), 0, FromUtf8(TextOf(argv[1])), 0) ? 1 : 0);
}

// The OLE DB provider's patterns (% and _) in the form above.
void Like92(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (IsNull(argv[0])) return sqlite3_result_null(ctx);
    std::wstring out;
    for (wchar_t c : Wide(argv[0])) {
        if (c == L'%') out += L'*';
        else if (c == L'_') out += L'?';
        else if (c == L'*' || c == L'?' || c == L'#') out += std::wstring(L"[") + c + L"]";
        else out += c;
    }
    ResultWide(ctx, out);
}

// ---- aggregates ----------------------------------------------------------------------

struct Held {
    sqlite3_value* value;
};

template <bool Last>
void FirstLastStep(sqlite3_context* ctx, int, sqlite3_value** argv) {
    auto* held = static_cast<Held*>(sqlite3_aggregate_context(ctx, sizeof(Held)));
    if (!held) return;
    if (held->value && !Last) return;
    if (held->value) sqlite3_value_free(held->value);
    held->value = sqlite3_value_dup(argv[0]);
}

void FirstLastFinal(sqlite3_context* ctx) {
    auto* held = static_cast<Held*>(sqlite3_aggregate_context(ctx, 0));
    if (!held || !held->value) return sqlite3_result_null(ctx);
    sqlite3_result_value(ctx, held->value);
    sqlite3_value_free(held->value);
    held->value = nullptr;
}

// Text compared as Access compares it: without regard to case.
int CompareText(void*, int n1, const void* a, int n2, const void* b) {
    const auto* x = static_cast<const unsigned char*>(a);
    const auto* y = static_cast<const unsigned char*>(b);
    bool ascii = true;
    for (int i = 0; i < n1 && ascii; ++i) ascii = x[i] < 0x80;
    for (int i = 0; i < n2 && ascii; ++i) ascii = y[i] < 0x80;
    if (ascii) {
        const int n = std::min(n1, n2);
        for (int i = 0; i < n; ++i) {
            const int d = std::tolower(x[i]) - std::tolower(y[i]);
            if (d) return d;
        }
        return n1 - n2;
    }
    return CompareNoCase(FromUtf8(std::string_view(reinterpret_cast<const char*>(x), static_cast<size_t>(n1))),
                         FromUtf8(std::string_view(reinterpret_cast<const char*>(y), static_cast<size_t>(n2))));
}

}  // namespace

const AccessFunction* FindAccessFunction(std::string_view name) {
    for (const auto& f : kFunctions) {
        const std::string_view n = f.name;
        if (n.size() != name.size()) continue;
        bool same = true;
        for (size_t i = 0; i < n.size() && same; ++i) same = std::tolower(static_cast<unsigned char>(n[i])) == std::tolower(static_cast<unsigned char>(name[i]));
        if (same) return &f;
    }
    return nullptr;
}

void RegisterFunctionsOn(sqlite3* db) {
    constexpr int pure = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    constexpr int impure = SQLITE_UTF8;
    struct Entry {
        const char* name;
        int args;
        void (*fn)(sqlite3_context*, int, sqlite3_value**);
        bool deterministic = true;
    };
    const Entry entries[] = {
        {"acc_iif", 3, IIf}, {"acc_nz", 1, Nz}, {"acc_nz", 2, Nz}, {"acc_len", 1, Len}, {"acc_left", 2, Left}, {"acc_right", 2, Right},
        {"acc_mid", 2, Mid}, {"acc_mid", 3, Mid}, {"acc_ucase", 1, ChangeCase<true>}, {"acc_lcase", 1, ChangeCase<false>},
        {"acc_trim", 1, TrimText<true, true>}, {"acc_ltrim", 1, TrimText<true, false>}, {"acc_rtrim", 1, TrimText<false, true>},
        {"acc_instr", 2, InStr}, {"acc_instr", 3, InStr}, {"acc_instr", 4, InStr}, {"acc_replace", 3, Replace},
        {"acc_format", 1, Format}, {"acc_format", 2, Format}, {"acc_year", 1, DatePartOf<0>}, {"acc_month", 1, DatePartOf<1>},
        {"acc_day", 1, DatePartOf<2>}, {"acc_hour", 1, DatePartOf<3>}, {"acc_minute", 1, DatePartOf<4>}, {"acc_second", 1, DatePartOf<5>},
        {"acc_weekday", 1, DatePartOf<6>}, {"acc_date", 0, DateNow, false}, {"acc_now", 0, Now, false}, {"acc_dateserial", 3, DateSerial},
        {"acc_dateadd", 3, DateAdd}, {"acc_datediff", 3, DateDiff}, {"acc_datepart", 2, DatePart}, {"acc_cstr", 1, CStr},
        {"acc_cint", 1, CInteger<-32768, 32767>}, {"acc_clng", 1, CInteger<-2147483648LL, 2147483647LL>}, {"acc_cdbl", 1, CDbl},
        {"acc_ccur", 1, CCur}, {"acc_cdate", 1, CDate}, {"acc_cbool", 1, CBool}, {"acc_val", 1, Val}, {"acc_abs", 1, Unary<AbsOf>},
        {"acc_int", 1, Unary<IntOf>}, {"acc_fix", 1, Unary<FixOf>}, {"acc_round", 1, Round}, {"acc_round", 2, Round}, {"acc_sgn", 1, Sgn},
        {"acc_concat", 2, Concat}, {"acc_add", 2, Add}, {"acc_divide", 2, Divide}, {"acc_intdiv", 2, IntDivide}, {"acc_mod", 2, Mod},
        {"acc_power", 2, Power}, {"acc_tag_currency", 1, Tag<kSubtypeCurrency>}, {"acc_tag_date", 1, Tag<kSubtypeDate>},
        {"like", 2, Like}, {"acc_like92", 1, Like92},
    };
    for (const auto& e : entries) sqlite3_create_function(db, e.name, e.args, e.deterministic ? pure : impure, nullptr, e.fn, nullptr, nullptr);
    sqlite3_create_function(db, "acc_first", 1, pure, nullptr, nullptr, FirstLastStep<false>, FirstLastFinal);
    sqlite3_create_function(db, "acc_last", 1, pure, nullptr, nullptr, FirstLastStep<true>, FirstLastFinal);
    sqlite3_create_collation(db, "access_text", SQLITE_UTF8, nullptr, CompareText);
}

}  // namespace platform::access
