#include "win/RegistryData.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <utility>

#include "text/TextCase.h"
#include "text/Utf8.h"
#include "win/WinRegistry.h"

namespace platform {

namespace {

std::wstring Fold(std::wstring_view text) {
    std::wstring folded(text);
    for (auto& ch : folded) ch = ToLowerChar(ch);
    return folded;
}

bool SameName(std::wstring_view a, std::wstring_view b) { return a.size() == b.size() && CompareNoCase(a, b) == 0; }

constexpr std::wstring_view kRoots[] = {L"HKEY_CLASSES_ROOT", L"HKEY_CURRENT_USER", L"HKEY_LOCAL_MACHINE",
                                        L"HKEY_USERS", L"HKEY_CURRENT_CONFIG"};

std::wstring TrimSlashes(std::wstring_view path) {
    while (!path.empty() && path.back() == L'\\') path.remove_suffix(1);
    return std::wstring(path);
}

// --- text form -------------------------------------------------------------------------

std::string Escape(std::wstring_view text) {
    std::string out;
    for (char c : ToUtf8(text)) {
        if (c == '\\' || c == '"') out.push_back('\\');
        out.push_back(c);
    }
    return out;
}

std::string HexList(const std::vector<BYTE>& data) {
    std::string out;
    char buf[4];
    for (size_t i = 0; i < data.size(); ++i) {
        std::snprintf(buf, sizeof buf, "%02x", data[i]);
        if (i) out.push_back(',');
        out += buf;
    }
    return out;
}

std::optional<std::wstring> AsPlainString(const RegistryValue& v) {
    if (v.type != REG_SZ || v.data.size() % sizeof(wchar_t) != 0 || v.data.empty()) return std::nullopt;
    std::wstring text(v.data.size() / sizeof(wchar_t), L'\0');
    std::memcpy(text.data(), v.data.data(), v.data.size());
    if (text.back() != L'\0') return std::nullopt;
    text.pop_back();
    if (text.find(L'\0') != std::wstring::npos) return std::nullopt;
    for (wchar_t ch : text)
        if (ch == L'\n' || ch == L'\r') return std::nullopt;  // keep one value per line
    return text;
}

std::string SerializeValue(const RegistryValue& v) {
    std::string line = v.name.empty() ? "@" : "\"" + Escape(v.name) + "\"";
    line += "=";
    if (auto text = AsPlainString(v)) {
        line += "\"" + Escape(*text) + "\"";
    } else if (v.type == REG_DWORD && v.data.size() == 4) {
        DWORD value = DWORD(v.data[0]) | DWORD(v.data[1]) << 8 | DWORD(v.data[2]) << 16 | DWORD(v.data[3]) << 24;
        char buf[16];
        std::snprintf(buf, sizeof buf, "dword:%08x", value);
        line += buf;
    } else if (v.type == REG_BINARY) {
        line += "hex:" + HexList(v.data);
    } else {
        char buf[24];
        std::snprintf(buf, sizeof buf, "hex(%x):", static_cast<unsigned>(v.type));
        line += buf + HexList(v.data);
    }
    return line;
}

// UTF-16LE (a file saved by the Windows registry editor) to UTF-8.
std::string Utf16LeToUtf8(std::string_view bytes) {
    std::wstring text;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t unit = static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8;
        if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < bytes.size()) {
            char32_t low = static_cast<unsigned char>(bytes[i + 2]) | static_cast<unsigned char>(bytes[i + 3]) << 8;
            if (low >= 0xDC00 && low < 0xE000) {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        text.push_back(static_cast<wchar_t>(unit));
    }
    return ToUtf8(text);
}

class Parser {
public:
    Parser(std::string_view text, RegistryData& data) : m_text(text), m_data(data) {}

    bool Run(std::string* error) {
        bool sawHeader = false;
        RegistryKey* key = nullptr;
        bool keyDeleted = false;
        std::string line;
        while (NextLine(line)) {
            std::string_view l = TrimView(line);
            if (l.empty() || l.front() == ';') continue;
            if (!sawHeader) {
                if (l != "Windows Registry Editor Version 5.00" && l != "REGEDIT4")
                    return Fail(error, "not a registry file (missing \"Windows Registry Editor Version 5.00\")");
                sawHeader = true;
                continue;
            }
            if (l.front() == '[') {
                if (l.back() != ']' || l.size() < 3) return Fail(error, "unterminated key name");
                bool remove = l[1] == '-';
                std::wstring path = TrimSlashes(FromUtf8(l.substr(remove ? 2 : 1, l.size() - (remove ? 3 : 2))));
                std::wstring root = path.substr(0, path.find(L'\\'));
                if (!RegistryData::IsRootName(root)) return Fail(error, "unknown root key \"" + ToUtf8(root) + "\"");
                if (remove) {
                    m_data.Delete(path);
                    key = nullptr;
                    keyDeleted = true;
                } else {
                    key = &m_data.Create(path);
                    keyDeleted = false;
                }
                continue;
            }
            if (!key && !keyDeleted) return Fail(error, "value outside a key");
            std::string logical(l);
            while (!logical.empty() && logical.back() == '\\') {  // continued hex list
                logical.pop_back();
                std::string next;
                if (!NextLine(next)) return Fail(error, "continued line at end of file");
                logical += TrimView(next);
            }
            if (!ParseValue(logical, key, error)) return false;
        }
        if (!sawHeader && !m_data.Empty()) return Fail(error, "missing header");
        if (!sawHeader && m_sawContent) return Fail(error, "missing header");
        return true;
    }

private:
    bool NextLine(std::string& line) {
        if (m_pos >= m_text.size()) return false;
        size_t end = m_text.find('\n', m_pos);
        if (end == std::string_view::npos) end = m_text.size();
        line.assign(m_text.substr(m_pos, end - m_pos));
        if (!line.empty() && line.back() == '\r') line.pop_back();
        m_pos = end + 1;
        ++m_line;
        if (!TrimView(line).empty()) m_sawContent = true;
        return true;
    }

    static std::string_view TrimView(std::string_view s) {
        while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
        while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
        return s;
    }

    bool Fail(std::string* error, const std::string& what) {
        if (error) *error = "line " + std::to_string(m_line) + ": " + what;
        return false;
    }

    // A quoted string at s[pos] (pos at the opening quote); pos ends after the closing quote.
    static std::optional<std::string> Quoted(std::string_view s, size_t& pos) {
        if (pos >= s.size() || s[pos] != '"') return std::nullopt;
        std::string out;
        for (++pos; pos < s.size(); ++pos) {
            char c = s[pos];
            if (c == '\\') {
                if (++pos >= s.size()) return std::nullopt;
                out.push_back(s[pos]);
            } else if (c == '"') {
                ++pos;
                return out;
            } else {
                out.push_back(c);
            }
        }
        return std::nullopt;
    }

    static std::optional<std::vector<BYTE>> Hex(std::string_view s) {
        std::vector<BYTE> out;
        s = TrimView(s);
        if (s.empty()) return out;
        size_t pos = 0;
        while (true) {
            while (pos < s.size() && (s[pos] == ' ' || s[pos] == '\t')) ++pos;
            size_t start = pos;
            while (pos < s.size() && std::isxdigit(static_cast<unsigned char>(s[pos]))) ++pos;
            if (pos - start == 0 || pos - start > 2) return std::nullopt;
            out.push_back(static_cast<BYTE>(std::stoul(std::string(s.substr(start, pos - start)), nullptr, 16)));
            while (pos < s.size() && (s[pos] == ' ' || s[pos] == '\t')) ++pos;
            if (pos == s.size()) return out;
            if (s[pos] != ',') return std::nullopt;
            ++pos;
        }
    }

    bool ParseValue(std::string_view l, RegistryKey* key, std::string* error) {
        size_t pos = 0;
        std::wstring name;
        if (l.front() == '@') {
            pos = 1;
        } else {
            auto quoted = Quoted(l, pos);
            if (!quoted) return Fail(error, "malformed value name");
            name = FromUtf8(*quoted);
        }
        while (pos < l.size() && (l[pos] == ' ' || l[pos] == '\t')) ++pos;
        if (pos >= l.size() || l[pos] != '=') return Fail(error, "missing \"=\"");
        ++pos;
        while (pos < l.size() && (l[pos] == ' ' || l[pos] == '\t')) ++pos;
        std::string_view rest = l.substr(pos);
        if (rest == "-") {
            if (key) key->DeleteValue(name);
            return true;
        }
        DWORD type = 0;
        std::vector<BYTE> data;
        if (!rest.empty() && rest.front() == '"') {
            size_t p = 0;
            auto text = Quoted(rest, p);
            if (!text || !TrimView(rest.substr(p)).empty()) return Fail(error, "malformed string value");
            type = REG_SZ;
            data = RegistryStringBytes(FromUtf8(*text));
        } else if (rest.starts_with("dword:")) {
            std::string_view digits = rest.substr(6);
            if (digits.size() != 8) return Fail(error, "a dword needs 8 hex digits");
            for (char c : digits)
                if (!std::isxdigit(static_cast<unsigned char>(c))) return Fail(error, "malformed dword");
            DWORD value = static_cast<DWORD>(std::stoul(std::string(digits), nullptr, 16));
            type = REG_DWORD;
            data = {BYTE(value), BYTE(value >> 8), BYTE(value >> 16), BYTE(value >> 24)};
        } else if (rest.starts_with("hex")) {
            size_t colon = rest.find(':');
            if (colon == std::string_view::npos) return Fail(error, "malformed hex value");
            std::string_view tag = rest.substr(3, colon - 3);
            if (tag.empty()) {
                type = REG_BINARY;
            } else {
                if (tag.size() < 3 || tag.front() != '(' || tag.back() != ')') return Fail(error, "malformed hex type");
                std::string digits(tag.substr(1, tag.size() - 2));
                if (digits.empty() || digits.size() > 8 ||
                    digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
                    return Fail(error, "malformed hex type");
                type = static_cast<DWORD>(std::stoul(digits, nullptr, 16));
            }
            auto bytes = Hex(rest.substr(colon + 1));
            if (!bytes) return Fail(error, "malformed hex list");
            data = std::move(*bytes);
        } else {
            return Fail(error, "unknown value form");
        }
        if (key) key->SetValue(name, type, std::move(data));
        return true;
    }

    std::string_view m_text;
    RegistryData& m_data;
    size_t m_pos = 0;
    int m_line = 0;
    bool m_sawContent = false;
};

}  // namespace

std::vector<BYTE> RegistryStringBytes(std::wstring_view text) {
    std::vector<BYTE> bytes((text.size() + 1) * sizeof(wchar_t), 0);
    std::memcpy(bytes.data(), text.data(), text.size() * sizeof(wchar_t));
    return bytes;
}

const RegistryValue* RegistryKey::FindValue(std::wstring_view name) const {
    const auto it = m_index.find(Fold(name));
    return it == m_index.end() ? nullptr : &m_values[it->second];
}

RegistryValue* RegistryKey::FindValue(std::wstring_view name) {
    return const_cast<RegistryValue*>(std::as_const(*this).FindValue(name));
}

void RegistryKey::SetValue(std::wstring_view name, DWORD type, std::vector<BYTE> data) {
    const auto [it, added] = m_index.try_emplace(Fold(name), m_values.size());
    if (added) {
        m_values.push_back({std::wstring(name), type, std::move(data)});
        return;
    }
    RegistryValue& v = m_values[it->second];
    v.type = type;
    v.data = std::move(data);
}

bool RegistryKey::DeleteValue(std::wstring_view name) {
    const auto it = m_index.find(Fold(name));
    if (it == m_index.end()) return false;
    const size_t at = it->second;
    m_index.erase(it);
    m_values.erase(m_values.begin() + static_cast<std::ptrdiff_t>(at));
    for (auto& [folded, position] : m_index)
        if (position > at) --position;
    return true;
}

bool RegistryData::IsRootName(std::wstring_view name) {
    for (auto root : kRoots)
        if (SameName(root, name)) return true;
    return false;
}

bool RegistryData::Exists(std::wstring_view path) const {
    std::wstring folded = Fold(TrimSlashes(path));
    if (IsRootName(folded) || folded == L"hkey_current_user\\software") return true;
    auto it = m_keys.lower_bound(folded);
    if (it == m_keys.end()) return false;
    return it->first == folded || (it->first.starts_with(folded) && it->first[folded.size()] == L'\\');
}

RegistryKey* RegistryData::Find(std::wstring_view path) {
    auto it = m_keys.find(Fold(TrimSlashes(path)));
    return it == m_keys.end() ? nullptr : &it->second;
}

const RegistryKey* RegistryData::Find(std::wstring_view path) const { return const_cast<RegistryData*>(this)->Find(path); }

RegistryKey& RegistryData::Create(std::wstring_view path) {
    std::wstring trimmed = TrimSlashes(path);
    std::wstring folded = Fold(trimmed);
    auto it = m_keys.find(folded);
    if (it != m_keys.end()) return it->second;
    RegistryKey key;
    key.path = CanonicalPath(trimmed);
    return m_keys.emplace(folded, std::move(key)).first->second;
}

void RegistryData::Delete(std::wstring_view path) {
    std::wstring folded = Fold(TrimSlashes(path));
    std::erase_if(m_keys, [&](const auto& entry) {
        return entry.first == folded || (entry.first.starts_with(folded) && entry.first[folded.size()] == L'\\');
    });
}

std::wstring RegistryData::CanonicalPath(std::wstring_view path) const {
    std::wstring result = TrimSlashes(path);
    std::wstring folded = Fold(result);
    for (size_t end = 0; end != std::wstring::npos;) {
        end = result.find(L'\\', end + 1);
        size_t length = end == std::wstring::npos ? result.size() : end;
        std::wstring prefix = folded.substr(0, length);
        auto it = m_keys.lower_bound(prefix);
        if (it != m_keys.end() && it->first.starts_with(prefix) &&
            (it->first.size() == length || it->first[length] == L'\\'))
            result.replace(0, length, it->second.path.substr(0, length));
    }
    return result;
}

std::optional<RegistryData> RegistryData::Parse(std::string_view bytes, std::string* error) {
    std::string converted;
    if (bytes.starts_with("\xFF\xFE")) {
        converted = Utf16LeToUtf8(bytes.substr(2));
        bytes = converted;
    } else if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    if (bytes.find('\0') != std::string_view::npos || !IsValidUtf8(bytes)) {
        if (error) *error = "binary content";
        return std::nullopt;
    }
    RegistryData data;
    if (!Parser(bytes, data).Run(error)) return std::nullopt;
    return data;
}

std::string RegistryData::Serialize() const {
    std::string out = "Windows Registry Editor Version 5.00\n";
    for (const auto& [folded, key] : m_keys) {
        out += "\n[" + ToUtf8(key.path) + "]\n";
        for (const auto& v : key.Values()) out += SerializeValue(v) + "\n";
    }
    return out;
}

}  // namespace platform
