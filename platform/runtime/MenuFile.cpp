#include "runtime/MenuFile.h"

#include "mfc/String.h"
#include "text/Utf8.h"

namespace platform {

namespace {

std::wstring_view Trim(std::wstring_view s) {
    while (!s.empty() && (s.front() == L' ' || s.front() == L'\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == L' ' || s.back() == L'\t' || s.back() == L'\r')) s.remove_suffix(1);
    return s;
}

bool StartsNoCase(std::wstring_view s, std::wstring_view prefix) {
    return s.size() >= prefix.size() && CompareNoCase(s.substr(0, prefix.size()), prefix) == 0;
}

bool SameNoCase(std::wstring_view a, std::wstring_view b) { return a.size() == b.size() && CompareNoCase(a, b) == 0; }

}  // namespace

const PullDownMenu* MenuGroup::FindPullDown(std::wstring_view alias) const {
    for (const auto& p : pullDowns)
        if (SameNoCase(p.alias, alias)) return &p;
    return nullptr;
}

std::wstring DisplayLabel(std::wstring_view label) {
    std::wstring out;
    for (size_t i = 0; i < label.size(); ++i) {
        if (label[i] == L'&') {
            if (i + 1 < label.size() && label[i + 1] == L'&') out.push_back(label[++i]);
            continue;
        }
        out.push_back(label[i]);
    }
    return out;
}

std::optional<MenuGroup> ParseMenuFile(std::string_view bytes, std::wstring* error) {
    auto fail = [&](int line, const std::wstring& what) -> std::optional<MenuGroup> {
        if (error) *error = line ? L"line " + std::to_wstring(line) + L": " + what : what;
        return std::nullopt;
    };
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    if (bytes.find('\0') != std::string_view::npos || !IsValidUtf8(bytes)) return fail(0, L"not a text file");
    const std::wstring text = FromUtf8(bytes);

    MenuGroup group;
    PullDownMenu* current = nullptr;
    bool aliasAllowed = false;
    int lineNumber = 0;
    size_t pos = 0;
    while (pos <= text.size()) {
        size_t end = text.find(L'\n', pos);
        if (end == std::wstring::npos) end = text.size();
        std::wstring_view line = Trim(std::wstring_view(text).substr(pos, end - pos));
        pos = end + 1;
        ++lineNumber;
        if (line.empty() || line.starts_with(L"//")) continue;

        if (group.name.empty()) {
            if (!StartsNoCase(line, L"***MENUGROUP=")) return fail(lineNumber, L"expected ***MENUGROUP=name");
            group.name = Trim(line.substr(13));
            if (group.name.empty()) return fail(lineNumber, L"the menu group has no name");
            continue;
        }
        if (line.starts_with(L"***")) {
            if (current && current->title.empty()) return fail(lineNumber, L"menu " + current->alias + L" has no title");
            std::wstring_view section = line.substr(3);
            if (!StartsNoCase(section, L"POP") || section.size() == 3 ||
                section.substr(3).find_first_not_of(L"0123456789") != std::wstring_view::npos)
                return fail(lineNumber, L"unknown section " + std::wstring(line));
            group.pullDowns.push_back({std::wstring(section), {}, {}});
            current = &group.pullDowns.back();
            aliasAllowed = true;
            continue;
        }
        if (!current) return fail(lineNumber, L"line outside a menu section");
        if (line.starts_with(L"**")) {
            if (!aliasAllowed) return fail(lineNumber, L"an alias must follow its section line");
            current->alias = Trim(line.substr(2));
            if (current->alias.empty()) return fail(lineNumber, L"empty alias");
            aliasAllowed = false;
            continue;
        }
        if (line.front() != L'[') return fail(lineNumber, L"expected [label]macro");
        size_t close = line.find(L']');
        if (close == std::wstring_view::npos) return fail(lineNumber, L"unterminated label");
        std::wstring label(line.substr(1, close - 1));
        std::wstring macro(Trim(line.substr(close + 1)));
        aliasAllowed = false;
        if (current->title.empty()) {
            if (label.empty() || label == L"--") return fail(lineNumber, L"a menu title cannot be empty");
            current->title = label;
        } else {
            current->items.push_back({label, macro});
        }
    }
    if (group.name.empty()) return fail(0, L"no ***MENUGROUP line");
    if (current && current->title.empty()) return fail(lineNumber, L"menu " + current->alias + L" has no title");
    for (size_t i = 0; i < group.pullDowns.size(); ++i)
        for (size_t j = 0; j < i; ++j)
            if (SameNoCase(group.pullDowns[i].alias, group.pullDowns[j].alias))
                return fail(0, L"menu alias " + group.pullDowns[i].alias + L" is used twice");
    return group;
}

}  // namespace platform
