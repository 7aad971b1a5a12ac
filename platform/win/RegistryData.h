#pragma once
// The registry's keys and values in memory, and their text form: the ".reg" format of the
// Windows registry editor ("Windows Registry Editor Version 5.00"). Key paths start with the
// root's name ("HKEY_CURRENT_USER\software\Morvane\Velloria") and are compared without regard
// to case; the first spelling stored is kept.
//
// Text form written: "Name"="text" (\\ and \" escaped) for REG_SZ, "Name"=dword:0000000a for
// 4-byte REG_DWORD, "Name"=hex(t):aa,bb,... (hex: for REG_BINARY) for anything else, @ for the
// unnamed value. Read: the same, plus "[-key]" and "Name"=- deletions, ";" comments, "\"
// line continuations in hex lists, a UTF-8 or UTF-16LE byte order mark. The file is UTF-8.
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "win/WinTypes.h"

namespace platform {

struct RegistryValue {
    std::wstring name;
    DWORD type = 0;
    std::vector<BYTE> data;
};

// A key's values in the order they were stored (the order RegEnumValueW gives), found by name
// through an index of their folded names: a key may hold tens of thousands.
class RegistryKey {
public:
    std::wstring path;

    const std::vector<RegistryValue>& Values() const { return m_values; }
    RegistryValue* FindValue(std::wstring_view name);
    const RegistryValue* FindValue(std::wstring_view name) const;
    void SetValue(std::wstring_view name, DWORD type, std::vector<BYTE> data);
    bool DeleteValue(std::wstring_view name);

private:
    std::vector<RegistryValue> m_values;
    std::unordered_map<std::wstring, size_t> m_index;  // folded name -> position in m_values
};

class RegistryData {
public:
    // A key exists when it is stored, when a stored key lies below it, or when it is a root
    // or HKEY_CURRENT_USER\Software, which every user account has.
    bool Exists(std::wstring_view path) const;
    RegistryKey* Find(std::wstring_view path);
    const RegistryKey* Find(std::wstring_view path) const;
    // Creates the key (when missing) and returns it.
    RegistryKey& Create(std::wstring_view path);
    // Removes the key and everything below it.
    void Delete(std::wstring_view path);
    // The path with each component spelled as it is already stored.
    std::wstring CanonicalPath(std::wstring_view path) const;
    bool Empty() const { return m_keys.empty(); }

    // nullopt for text that is not a registry file; *error then names the line and the fault.
    static std::optional<RegistryData> Parse(std::string_view bytes, std::string* error = nullptr);
    std::string Serialize() const;

    static bool IsRootName(std::wstring_view name);

private:
    std::map<std::wstring, RegistryKey> m_keys;  // by folded path
};

// wide text <-> REG_SZ bytes (wchar_t units with a terminating null)
std::vector<BYTE> RegistryStringBytes(std::wstring_view text);

}  // namespace platform
