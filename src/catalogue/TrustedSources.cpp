#include "catalogue/TrustedSources.h"

#include <algorithm>

#include "catalogue/ConnectStringTable.h"
#include "catalogue/ServerUrl.h"
#include "provider/SourceName.h"
#include "support/Registry.h"

namespace {

constexpr const wchar_t* kSection = L"Velloria\\Trusted Sources";
constexpr std::wstring_view kDsnPrefix = L"DSN=";

// The key of the list, created when missing; null when the settings cannot be reached.
HKEY OpenListKey() {
    CRegistry::SetRoot(HKEY_CURRENT_USER, L"Morvane");
    return CRegistry::GetSectionKey(kSection);
}

}  // namespace

std::vector<std::wstring> GetTrustedSources() {
    std::vector<std::wstring> sources;
    HKEY key = OpenListKey();
    if (!key) return sources;
    for (DWORD index = 0;; ++index) {
        wchar_t name[1024] = {};
        DWORD length = 1024;
        if (RegEnumValueW(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        sources.emplace_back(name, length);
    }
    RegCloseKey(key);
    return sources;
}

CString TrustedSourceEntry(const CString& text, CString& error) {
    CString trimmed = text;
    trimmed.Trim();
    if (trimmed.Left(4).CompareNoCase(L"DSN=") == 0) {
        CString name = trimmed.Mid(4);
        name.Trim();
        if (name.IsEmpty()) return error = L"DSN= names no data source", CString();
        return L"DSN=" + name;
    }
    CServerUrl url;
    if (ParseServerUrl(trimmed, url, error)) {
        if (url.m_strDriver == L"SQLite3 ODBC Driver") return error = L"a file needs no trust", CString();
        return url.m_strLocation;
    }
    if (!error.IsEmpty()) return CString();
    const auto server = platform::provider::ParseServerLocation(trimmed.str(), true);
    if (!server) return error = L"\"" + trimmed + L"\" is neither HOST[:PORT][/DATABASE], DSN=NAME nor a server URL", CString();
    return CString(platform::provider::FormatServerLocation(*server));
}

bool AddTrustedSource(const CString& text, CString& entry, CString& error) {
    entry = TrustedSourceEntry(text, error);
    if (entry.IsEmpty()) return false;
    HKEY key = OpenListKey();
    if (!key) return error = L"the settings cannot be opened", false;
    const std::wstring& value = entry.str();
    const LONG result = RegSetValueExW(key, value.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    if (result != ERROR_SUCCESS) return error = L"the setting cannot be written", false;
    return true;
}

bool RemoveTrustedSource(const CString& text, CString& entry, CString& error) {
    entry = TrustedSourceEntry(text, error);
    if (entry.IsEmpty()) return false;
    const std::vector<std::wstring> sources = GetTrustedSources();
    if (std::none_of(sources.begin(), sources.end(), [&](const std::wstring& s) { return entry.CompareNoCase(s.c_str()) == 0; }))
        return error = entry + L" is not on the list", false;
    HKEY key = OpenListKey();
    if (!key) return error = L"the settings cannot be opened", false;
    const LONG result = RegDeleteValueW(key, entry.GetString());
    RegCloseKey(key);
    if (result != ERROR_SUCCESS) return error = L"the setting cannot be written", false;
    return true;
}

CString GetLinkSource(const CString& driverName, const CString& location) {
    switch (GetLocationKind(driverName)) {
    case CLocationKind::File: return CString();
    case CLocationKind::DataSource: return CString(std::wstring(kDsnPrefix)) + location;
    case CLocationKind::Server: break;
    }
    const auto server = platform::provider::ParseServerLocation(location.str());
    return server ? CString(platform::provider::FormatServerLocation(*server)) : location;
}

bool IsLinkTrusted(const CString& driverName, const CString& location, CString* source) {
    const CString linkSource = GetLinkSource(driverName, location);
    if (source) *source = linkSource;
    return linkSource.IsEmpty() || platform::provider::IsTrustedSource(linkSource.str(), GetTrustedSources());
}

CString UntrustedReason(const CString& source) {
    return source + L" is not a trusted source (to trust it: velloria trust add " + source + L")";
}
