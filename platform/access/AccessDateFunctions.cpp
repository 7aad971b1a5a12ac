// The date functions and Format.
#include "access/AccessFunctions.h"

#include <sqlite3.h>

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>

#include "access/AccessValues.h"
#include "win/LocaleCurrency.h"
#include "mfc/String.h"
#include "text/Utf8.h"

namespace platform::access {
namespace {

using namespace values;

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
    // No count this large lands on a date (and it would not fit the count of months).
    if (!std::isfinite(n) || std::fabs(n) > 1e15) return Error(ctx, "Invalid procedure call or argument");
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

// The first day of the week (1 Sunday to 7 Saturday; 0, the system's: Sunday) and the rule for
// the first week of the year (1 the week of 1 January, 2 the first with four days of the
// year, 3 the first whole week; 0, the system's: 1), as DatePart and Format take them.
struct WeekRule {
    int firstDay = 1;
    int firstWeek = 1;
};

// The day's place in its week under the rule: 0 for the first day.
int DayInWeek(int weekday, const WeekRule& rule) { return (weekday - rule.firstDay + 7) % 7; }

// The week of the year a day (its date number) falls in; a day before the first week of its
// year is in the last week of the year before.
int WeekOfYear(double day, int year, const WeekRule& rule) {
    for (int y = year; y >= year - 1; --y) {
        double jan1 = 0;
        if (!Join(y, 1, 1, 0, jan1)) return 0;
        Parts j;
        Split(jan1, j);
        const int before = DayInWeek(j.weekday, rule);  // days of that week in the year before
        double start = jan1 - before;
        if ((rule.firstWeek == 2 && before >= 4) || (rule.firstWeek == 3 && before != 0)) start += 7;
        if (day >= start) return static_cast<int>((day - start) / 7) + 1;
    }
    return 0;
}

void DatePart(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (IsNull(argv[0])) return Error(ctx, "Invalid procedure call or argument");
    NULL_IN_NULL_OUT;
    const Interval interval = IntervalOf(argv[0]);
    double d;
    Parts p;
    if (interval == Interval::Bad) return Error(ctx, "Invalid procedure call or argument");
    if (!DateOf(argv[1], d) || !Split(d, p)) return Error(ctx, "Type mismatch");
    WeekRule rule;
    if (argc > 2 && !IsNull(argv[2])) rule.firstDay = sqlite3_value_int(argv[2]);
    if (argc > 3 && !IsNull(argv[3])) rule.firstWeek = sqlite3_value_int(argv[3]);
    if (rule.firstDay == 0) rule.firstDay = 1;
    if (rule.firstWeek == 0) rule.firstWeek = 1;
    if (rule.firstDay < 1 || rule.firstDay > 7 || rule.firstWeek < 1 || rule.firstWeek > 3) return Error(ctx, "Invalid procedure call or argument");
    int r = 0;
    switch (interval) {
    case Interval::Year: r = p.year; break;
    case Interval::Quarter: r = (p.month - 1) / 3 + 1; break;
    case Interval::Month: r = p.month; break;
    case Interval::DayOfYear: r = p.dayOfYear; break;
    case Interval::Day: r = p.day; break;
    case Interval::Weekday: r = DayInWeek(p.weekday, rule) + 1; break;
    case Interval::Week: r = WeekOfYear(std::floor(d), p.year, rule); break;
    case Interval::Hour: r = p.hour; break;
    case Interval::Minute: r = p.minute; break;
    case Interval::Second: r = p.second; break;
    default: break;
    }
    sqlite3_result_int(ctx, r);
}

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

}  // namespace

void RegisterDateFunctionsOn(sqlite3* db, StatementBudget* const* running) {
    void* const budget = const_cast<void*>(static_cast<const void*>(running));
    constexpr int pure = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    struct Entry {
        const char* name;
        int args;
        void (*fn)(sqlite3_context*, int, sqlite3_value**);
        bool deterministic = true;
    };
    const Entry entries[] = {
        {"acc_format", 1, Format}, {"acc_format", 2, Format}, {"acc_year", 1, DatePartOf<0>}, {"acc_month", 1, DatePartOf<1>},
        {"acc_day", 1, DatePartOf<2>}, {"acc_hour", 1, DatePartOf<3>}, {"acc_minute", 1, DatePartOf<4>}, {"acc_second", 1, DatePartOf<5>},
        {"acc_weekday", 1, DatePartOf<6>}, {"acc_date", 0, DateNow, false}, {"acc_now", 0, Now, false}, {"acc_dateserial", 3, DateSerial},
        {"acc_dateadd", 3, DateAdd}, {"acc_datediff", 3, DateDiff}, {"acc_datepart", 2, DatePart}, {"acc_datepart", 3, DatePart}, {"acc_datepart", 4, DatePart},
    };
    for (const auto& e : entries) sqlite3_create_function(db, e.name, e.args, e.deterministic ? pure : SQLITE_UTF8, budget, e.fn, nullptr, nullptr);
}

}  // namespace platform::access
