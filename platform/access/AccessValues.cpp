#include "access/AccessValues.h"

#include <sqlite3.h>

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>

#include "access/AccessSql.h"
#include "access/StatementBudget.h"
#include "mfc/String.h"
#include "text/Utf8.h"
#include "com/Variant.h"

namespace platform::access::values {

// ---- values ---------------------------------------------------------------------------

bool IsNull(sqlite3_value* v) { return sqlite3_value_type(v) == SQLITE_NULL; }

std::wstring Wide(sqlite3_value* v) {
    const auto* text = sqlite3_value_text(v);
    return text ? FromUtf8(std::string_view(reinterpret_cast<const char*>(text), static_cast<size_t>(sqlite3_value_bytes(v)))) : std::wstring();
}

StatementBudget* Budget(sqlite3_context* ctx) {
    const auto* running = static_cast<StatementBudget* const*>(sqlite3_user_data(ctx));
    return running ? *running : nullptr;
}

bool MayBuild(sqlite3_context* ctx, size_t bytes) {
    StatementBudget* budget = Budget(ctx);
    if (!budget || (budget->GoOn() && budget->MayHold(static_cast<long long>(bytes)))) return true;
    // The engine reports the limit that was passed; this text is only SQLite's.
    Error(ctx, "The statement passed one of its limits.");
    return false;
}

void ResultWide(sqlite3_context* ctx, const std::wstring& text) {
    if (!MayBuild(ctx, text.size() * sizeof(wchar_t))) return;
    ResultText(ctx, ToUtf8(text));
}

void ResultText(sqlite3_context* ctx, const std::string& utf8) {
    if (!MayBuild(ctx, utf8.size())) return;
    sqlite3_result_text64(ctx, utf8.data(), utf8.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
}

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

// A date from a value: a date number, or text that reads as a date.
bool DateOf(sqlite3_value* v, double& out) {
    if (sqlite3_value_type(v) == SQLITE_TEXT) return ParseDateText(reinterpret_cast<const char*>(sqlite3_value_text(v)), out);
    return Number(v, out);
}

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


double CurrencyOf(double x) {
    const double product = x * 10000.0;
    const double error = std::fma(x, 10000.0, -product);  // the exact product is product + error
    const double lower = std::floor(product);
    double whole = std::nearbyint(product);
    if (product - lower == 0.5 && error != 0) whole = error > 0 ? lower + 1 : lower;
    return whole / 10000.0;
}

std::wstring Folded(std::wstring s) {
    for (auto& c : s) c = ToLowerChar(c);
    return s;
}

// InStr([start,] text, sought [, compare]): 1-based position, 0 when absent. Text compares
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

}  // namespace platform::access::values
