#include "editor/Alert.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "db/AdsDefs.h"
#include "editor/Console.h"

namespace platform {
namespace {

AlertStyle g_style = AlertStyle::Framed;
AlertHandler g_handler;

std::vector<std::wstring> Lines(std::wstring_view message) {
    std::vector<std::wstring> lines;
    std::wstring line;
    for (wchar_t ch : message) {
        if (ch == L'\r') continue;
        if (ch == L'\n') {
            lines.push_back(line);
            line.clear();
        } else if (ch == L'\t') {
            line.append(4 - line.size() % 4, L' ');  // tab stops keep the frame straight
        } else {
            line.push_back(ch);
        }
    }
    lines.push_back(line);
    while (lines.size() > 1 && lines.back().empty()) lines.pop_back();  // a text ending in a line feed
    return lines;
}

std::wstring Trimmed(std::wstring_view text) {
    const size_t start = text.find_first_not_of(L" \t");
    if (start == std::wstring_view::npos) return {};
    return std::wstring(text.substr(start, text.find_last_not_of(L" \t") - start + 1));
}

// The value of a "Key = value" line of a report; nothing when there is no such line.
std::optional<std::wstring> Field(const std::vector<std::wstring>& lines, std::wstring_view key) {
    for (const std::wstring& line : lines) {
        const std::wstring text = Trimmed(line);
        if (text.size() >= key.size() + 2 && text.compare(0, key.size(), key) == 0 && text.compare(key.size(), 2, L" =") == 0)
            return Trimmed(std::wstring_view(text).substr(key.size() + 2));
    }
    return std::nullopt;
}

std::wstring Framed(const std::vector<std::wstring>& lines) {
    size_t width = 0;
    for (const auto& l : lines) width = std::max(width, l.size());
    const std::wstring rule = L"+" + std::wstring(width + 2, L'-') + L"+\n";
    std::wstring text = L"\n" + rule;
    for (const auto& l : lines) text += L"| " + l + std::wstring(width - l.size(), L' ') + L" |\n";
    return text + rule;
}

}  // namespace

AlertStyle SetAlertStyle(AlertStyle style) { return std::exchange(g_style, style); }
AlertStyle GetAlertStyle() { return g_style; }
AlertHandler SetAlertHandler(AlertHandler handler) { return std::exchange(g_handler, std::move(handler)); }

std::wstring AlertReason(std::wstring_view message) {
    const std::vector<std::wstring> lines = Lines(message);
    if (std::optional<std::wstring> description = Field(lines, L"Description")) {
        // "[Microsoft][ODBC Microsoft Access Driver] " says who, not what.
        std::wstring text = *description;
        while (text.starts_with(L"[") && text.find(L']') != std::wstring::npos) text = Trimmed(std::wstring_view(text).substr(text.find(L']') + 1));
        if (!text.empty()) return text;
        if (std::optional<std::wstring> meaning = Field(lines, L"Code meaning"); meaning && !meaning->empty()) return *meaning;
    }
    for (const std::wstring& line : lines)
        if (std::wstring text = Trimmed(line); !text.empty()) return text;
    return {};
}

std::wstring AlertLine(std::wstring_view message) {
    const std::vector<std::wstring> lines = Lines(message);
    std::wstring line = L"Error: " + AlertReason(message);
    if (std::optional<std::wstring> query = Field(lines, L"Query"); query && !query->empty()) line += L" (query: " + *query + L")";
    else if (std::optional<std::wstring> connection = Field(lines, L"Connection String")) line += L" (connection: " + *connection + L")";
    return line;
}

}  // namespace platform

int acedAlert(const wchar_t* message) {
    const std::wstring_view text = message ? std::wstring_view(message) : std::wstring_view();
    if (platform::g_handler) platform::g_handler(text);
    else if (platform::g_style == platform::AlertStyle::Line) platform::WriteOutput(L"\n" + platform::AlertLine(text) + L"\n");
    else platform::WriteOutput(std::wstring_view(platform::Framed(platform::Lines(text))));
    return RTNORM;
}
