#include "sheets/CellValues.h"

#include <cmath>
#include <cstdio>
#include <set>

#include "access/SqliteText.h"

namespace platform::sheets {

using access::sqlite_text::LowerAscii;

bool IsDateFormat(size_t builtinId, std::string_view code) {
    // The built-in date and time formats of the file format, and their East Asian variants.
    if ((builtinId >= 14 && builtinId <= 22) || (builtinId >= 27 && builtinId <= 36) || (builtinId >= 45 && builtinId <= 47) ||
        (builtinId >= 50 && builtinId <= 58))
        return true;
    if (code.empty()) return false;
    // Only the first section decides: positive numbers (and dates) are shown with it.
    bool quoted = false;
    for (size_t i = 0; i < code.size(); ++i) {
        const char c = code[i];
        if (quoted) {
            quoted = c != '"';
            continue;
        }
        switch (c) {
        case '"': quoted = true; break;
        case '\\':
        case '_':
        case '*': ++i; break;  // an escaped character, a space as wide as one, a fill
        case ';': return false;
        case '[': {
            // [h], [mm], [ss]: elapsed time; [Red], [$-409], [>100]: not a date by themselves.
            const size_t close = code.find(']', i);
            if (close == std::string_view::npos) return false;
            const std::string inner = LowerAscii(code.substr(i + 1, close - i - 1));
            if (!inner.empty() && inner.find_first_not_of("hms") == std::string::npos) return true;
            i = close;
            break;
        }
        default:
            switch (c | 0x20) {
            case 'd': case 'm': case 'y': case 'h': case 's': return true;
            default: break;
            }
            // "General" holds an 'e' and an 'l' only; "0.00E+00" an 'e': neither is a date.
        }
    }
    return false;
}

Cell NumberCell(double value, bool dateFormat, bool system1904) {
    Cell cell;
    cell.kind = Cell::Number;
    cell.number = value;
    if (!dateFormat) return cell;
    if (const auto date = OleDateOfSerial(value, system1904)) {
        cell.kind = Cell::Date;
        cell.number = *date;
        return cell;
    }
    cell.kind = Cell::Text;
    cell.number = 0;
    cell.text = value >= 60 && value < 61 && !system1904 ? "1900-02-29" : "#####";
    return cell;
}

std::optional<double> OleDateOfSerial(double serial, bool system1904) {
    // Past 31 December 9999, or before the system's first day, a spreadsheet shows no date.
    if (!std::isfinite(serial) || serial < 0 || serial >= (system1904 ? 2957004 : 2958466)) return std::nullopt;
    if (system1904) return serial + 1462;
    if (serial >= 61) return serial;
    if (serial >= 60) return std::nullopt;  // 29 February 1900
    // A time of day alone (day 0) is a time, as the engine keeps times: on 1899-12-30.
    return serial < 1 ? serial : serial + 1;
}

double OleDateOf(int year, int month, int day, double seconds) {
    // Days from the civil date (H. Hinnant's algorithm), counted from 1899-12-30.
    const int y = year - (month <= 2);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long days = static_cast<long long>(era) * 146097 + yoe * 365 + yoe / 4 - yoe / 100 + doy - 719468 + 25569;
    return static_cast<double>(days) + seconds / 86400.0;
}

std::string CellText(const Cell& cell) {
    char buffer[128];
    switch (cell.kind) {
    case Cell::Empty: return {};
    case Cell::Text: return cell.text;
    case Cell::Bool: return cell.number != 0 ? "TRUE" : "FALSE";
    case Cell::Number: std::snprintf(buffer, sizeof buffer, "%.15g", cell.number); return buffer;
    case Cell::Date: {
        // OLE dates count days from 1899-12-30; the fraction is the time of day, whatever
        // the sign of the day (-1.25 is 1899-12-29 06:00).
        const double day = std::trunc(cell.number);
        long long days = static_cast<long long>(day);
        long long seconds = std::llround(std::fabs(cell.number - day) * 86400.0);
        if (seconds >= 86400) ++days, seconds -= 86400;
        // Civil date from days since 1970-01-01 (H. Hinnant's algorithm).
        long long z = days - 25569 + 719468;
        const long long era = (z >= 0 ? z : z - 146096) / 146097;
        const long long doe = z - era * 146097;
        const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
        const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
        const long long mp = (5 * doy + 2) / 153;
        const long long d = doy - (153 * mp + 2) / 5 + 1;
        const long long m = mp < 10 ? mp + 3 : mp - 9;
        const long long y = yoe + era * 400 + (m <= 2);
        if (seconds == 0) std::snprintf(buffer, sizeof buffer, "%04lld-%02lld-%02lld", y, m, d);
        else
            std::snprintf(buffer, sizeof buffer, "%04lld-%02lld-%02lld %02lld:%02lld:%02lld", y, m, d, seconds / 3600, seconds / 60 % 60, seconds % 60);
        return buffer;
    }
    }
    return {};
}

void ColumnTyper::Add(Cell::Kind kind) {
    if (kind == Cell::Empty) return;
    if (m_seen && kind != m_kind) m_mixed = true;
    m_seen = true;
    m_kind = kind;
}

int ColumnTyper::AccessType() const {
    if (!m_seen || m_mixed) return mdb::kText;
    switch (m_kind) {
    case Cell::Number: return mdb::kDouble;
    case Cell::Date: return mdb::kDateTime;
    case Cell::Bool: return mdb::kBool;
    default: return mdb::kText;
    }
}

mdb::Value ValueInColumn(const Cell& cell, int accessType, std::string& text) {
    mdb::Value value;
    if (cell.kind == Cell::Empty) return value;
    switch (accessType) {
    case mdb::kDouble:
    case mdb::kDateTime:
        value.kind = mdb::Value::Real;
        value.d = cell.number;
        return value;
    case mdb::kBool:
        // Stored as Access stores Yes/No, so "= True" finds them.
        value.kind = mdb::Value::Int;
        value.i = cell.number != 0 ? -1 : 0;
        return value;
    default:
        text = CellText(cell);
        value.kind = mdb::Value::Text;
        value.bytes = text;
        return value;
    }
}

std::vector<std::string> ColumnNames(const std::vector<std::string>& header, bool useHeader) {
    std::vector<std::string> names;
    std::set<std::string> taken;
    for (size_t c = 0; c < header.size(); ++c) {
        std::string name = useHeader ? header[c] : std::string();
        // A name cannot hold what SQL cannot quote in it: "." and brackets become "#", as the
        // engine's own text driver writes them.
        for (char& ch : name)
            if (ch == '.' || ch == '[' || ch == ']' || ch == '!' || ch == '`') ch = '#';
        if (name.empty()) name = "F" + std::to_string(c + 1);
        if (taken.count(LowerAscii(name))) {
            std::string base = name;
            for (int n = 1; taken.count(LowerAscii(name)); ++n) name = base + std::to_string(n);
        }
        taken.insert(LowerAscii(name));
        names.push_back(std::move(name));
    }
    return names;
}

}  // namespace platform::sheets
