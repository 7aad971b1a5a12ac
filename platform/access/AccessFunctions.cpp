#include "access/AccessFunctions.h"

#include <sqlite3.h>

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>

#include "access/AccessValues.h"
#include "mfc/String.h"
#include "text/Utf8.h"
#include "com/Variant.h"

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
    {"DatePart", "acc_datepart", 2, 4, T::Integer}, {"CStr", "acc_cstr", 1, 1, T::Text},
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

using namespace values;

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
    // Each replacement may grow the text: the statement's limits are asked as it grows, for
    // nested calls multiply what one call adds.
    const size_t held = (text.size() + lowText.size()) * sizeof(wchar_t);
    for (size_t hit; (hit = lowText.find(lowFind, pos)) != std::wstring::npos; pos = hit + find.size()) {
        if (!MayBuild(ctx, held + (out.size() + hit - pos + with.size()) * sizeof(wchar_t))) return;
        out.append(text, pos, hit - pos).append(with);
    }
    out.append(text, pos);
    ResultWide(ctx, out);
}

// The bytes of the text of two values joined, asked of the statement's limits before they
// are joined; false when they may not be.
bool MayJoin(sqlite3_context* ctx, sqlite3_value** argv) {
    return MayBuild(ctx, static_cast<size_t>(sqlite3_value_bytes(argv[0])) + static_cast<size_t>(sqlite3_value_bytes(argv[1])));
}

void Concat(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (IsNull(argv[0]) && IsNull(argv[1])) return sqlite3_result_null(ctx);
    if (!MayJoin(ctx, argv)) return;
    ResultText(ctx, TextOf(argv[0]) + TextOf(argv[1]));
}

// ---- arithmetic -----------------------------------------------------------------------

void Add(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    NULL_IN_NULL_OUT;
    if (sqlite3_value_type(argv[0]) == SQLITE_TEXT && sqlite3_value_type(argv[1]) == SQLITE_TEXT) {
        if (!MayJoin(ctx, argv)) return;
        return ResultText(ctx, TextOf(argv[0]) + TextOf(argv[1]));
    }
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
    ResultCurrency(ctx, CurrencyOf(d));
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

// ---- LIKE -----------------------------------------------------------------------------

// Access patterns: * any run, ? one character, # one digit, [abc] [a-z] [!a-z] a set. A
// pattern of many * can take time that grows as a power of the text's length: the matcher
// asks the statement's limits every few thousand steps and gives up when they say stop.
class Matcher {
public:
    Matcher(sqlite3_context* ctx, const std::wstring& pattern, const std::wstring& text) : m_ctx(ctx), p(pattern), s(text) {}
    // Whether the text matches; false also when stopped (Stopped says so).
    bool Run() { return Matches(0, 0); }
    bool Stopped() const { return m_stopped; }

private:
    bool Matches(size_t pi, size_t si) {
        while (pi < p.size()) {
            if ((++m_steps & 4095) == 0 && !MayBuild(m_ctx, 0)) m_stopped = true;
            if (m_stopped) return false;
            const wchar_t c = p[pi];
            if (c == L'*') {
                while (pi < p.size() && p[pi] == L'*') ++pi;
                if (pi == p.size()) return true;
                for (size_t k = si; k <= s.size(); ++k)
                    if (Matches(pi, k)) return true;
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

    sqlite3_context* m_ctx;
    const std::wstring& p;
    const std::wstring& s;
    unsigned long m_steps = 0;
    bool m_stopped = false;
};

// SQLite calls like(pattern, text) for "text LIKE pattern".
void Like(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (IsNull(argv[0]) || IsNull(argv[1])) return sqlite3_result_null(ctx);
    const std::wstring pattern = Wide(argv[0]), text = FromUtf8(TextOf(argv[1]));
    Matcher matcher(ctx, pattern, text);
    const bool matches = matcher.Run();
    if (!matcher.Stopped()) sqlite3_result_int(ctx, matches ? 1 : 0);
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

void RegisterFunctionsOn(sqlite3* db, StatementBudget* const* running) {
    void* const budget = const_cast<void*>(static_cast<const void*>(running));
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
        {"acc_cstr", 1, CStr},
        {"acc_cint", 1, CInteger<-32768, 32767>}, {"acc_clng", 1, CInteger<-2147483648LL, 2147483647LL>}, {"acc_cdbl", 1, CDbl},
        {"acc_ccur", 1, CCur}, {"acc_cdate", 1, CDate}, {"acc_cbool", 1, CBool}, {"acc_val", 1, Val}, {"acc_abs", 1, Unary<AbsOf>},
        {"acc_int", 1, Unary<IntOf>}, {"acc_fix", 1, Unary<FixOf>}, {"acc_round", 1, Round}, {"acc_round", 2, Round}, {"acc_sgn", 1, Sgn},
        {"acc_concat", 2, Concat}, {"acc_add", 2, Add}, {"acc_divide", 2, Divide}, {"acc_intdiv", 2, IntDivide}, {"acc_mod", 2, Mod},
        {"acc_power", 2, Power}, {"acc_tag_currency", 1, Tag<kSubtypeCurrency>}, {"acc_tag_date", 1, Tag<kSubtypeDate>},
        {"like", 2, Like}, {"acc_like92", 1, Like92},
    };
    for (const auto& e : entries) sqlite3_create_function(db, e.name, e.args, e.deterministic ? pure : impure, budget, e.fn, nullptr, nullptr);
    sqlite3_create_function(db, "acc_first", 1, pure, budget, nullptr, FirstLastStep<false>, FirstLastFinal);
    sqlite3_create_function(db, "acc_last", 1, pure, budget, nullptr, FirstLastStep<true>, FirstLastFinal);
    sqlite3_create_collation(db, "access_text", SQLITE_UTF8, nullptr, CompareText);
    RegisterDateFunctionsOn(db, running);
}

}  // namespace platform::access
