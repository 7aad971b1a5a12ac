#include "win/WinRegistry.h"

#include <cstring>
#include <mutex>
#include <set>
#include <string>

#include "win/RegistryStore.h"

// An open key: its full path ("HKEY_CURRENT_USER\software\...") and the access it was opened with.
struct HKEY__ {
    std::wstring path;
    REGSAM access = 0;
};

namespace {

struct OpenKeys {
    std::mutex mutex;
    std::set<HKEY> keys;
};

OpenKeys& Open() {
    static OpenKeys open;
    return open;
}

const wchar_t* RootName(HKEY key) {
    if (key == HKEY_CLASSES_ROOT) return L"HKEY_CLASSES_ROOT";
    if (key == HKEY_CURRENT_USER) return L"HKEY_CURRENT_USER";
    if (key == HKEY_LOCAL_MACHINE) return L"HKEY_LOCAL_MACHINE";
    if (key == HKEY_USERS) return L"HKEY_USERS";
    if (key == HKEY_CURRENT_CONFIG) return L"HKEY_CURRENT_CONFIG";
    return nullptr;
}

// The path and access of a key handle; false for a handle that is not open.
bool Describe(HKEY key, std::wstring& path, REGSAM& access) {
    if (const wchar_t* root = RootName(key)) {
        path = root;
        access = KEY_ALL_ACCESS;
        return true;
    }
    std::lock_guard lock(Open().mutex);
    if (!Open().keys.contains(key)) return false;
    path = key->path;
    access = key->access;
    return true;
}

HKEY NewHandle(std::wstring path, REGSAM access) {
    HKEY key = new HKEY__{std::move(path), access};
    std::lock_guard lock(Open().mutex);
    Open().keys.insert(key);
    return key;
}

std::wstring SubPath(const std::wstring& base, LPCWSTR subKey) {
    std::wstring sub = subKey ? subKey : L"";
    while (!sub.empty() && sub.back() == L'\\') sub.pop_back();
    return sub.empty() ? base : base + L"\\" + sub;
}

}  // namespace

LONG RegOpenKeyExW(HKEY hKey, LPCWSTR lpSubKey, DWORD, REGSAM samDesired, PHKEY phkResult) {
    if (!phkResult) return ERROR_INVALID_PARAMETER;
    *phkResult = nullptr;
    std::wstring base;
    REGSAM access;
    if (!Describe(hKey, base, access)) return ERROR_INVALID_HANDLE;
    if (lpSubKey && *lpSubKey == L'\\') return ERROR_BADKEY;
    const std::wstring path = SubPath(base, lpSubKey);
    const auto data = platform::ReadRegistry();
    if (!data->Exists(path)) return ERROR_FILE_NOT_FOUND;
    *phkResult = NewHandle(data->CanonicalPath(path), samDesired);
    return ERROR_SUCCESS;
}

LONG RegCreateKeyExW(HKEY hKey, LPCWSTR lpSubKey, DWORD, LPWSTR, DWORD, REGSAM samDesired, LPSECURITY_ATTRIBUTES,
                     PHKEY phkResult, LPDWORD lpdwDisposition) {
    if (!phkResult || !lpSubKey) return ERROR_INVALID_PARAMETER;
    *phkResult = nullptr;
    std::wstring base;
    REGSAM access;
    if (!Describe(hKey, base, access)) return ERROR_INVALID_HANDLE;
    if (*lpSubKey == L'\\') return ERROR_BADKEY;
    const std::wstring path = SubPath(base, lpSubKey);
    // A key that is there is opened without a change (which would copy the registry).
    if (const auto data = platform::ReadRegistry(); data->Exists(path)) {
        if (lpdwDisposition) *lpdwDisposition = REG_OPENED_EXISTING_KEY;
        *phkResult = NewHandle(data->CanonicalPath(path), samDesired);
        return ERROR_SUCCESS;
    }
    std::wstring canonical;
    bool existed = false;
    LONG result = platform::ModifyRegistry([&](platform::RegistryData& data) {
        existed = data.Exists(path);
        if (existed) {
            canonical = data.CanonicalPath(path);
            return false;
        }
        canonical = data.Create(path).path;
        return true;
    });
    if (result != ERROR_SUCCESS) return result;
    if (lpdwDisposition) *lpdwDisposition = existed ? REG_OPENED_EXISTING_KEY : REG_CREATED_NEW_KEY;
    *phkResult = NewHandle(canonical, samDesired);
    return ERROR_SUCCESS;
}

LONG RegQueryValueExW(HKEY hKey, LPCWSTR lpValueName, LPDWORD, LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData) {
    std::wstring path;
    REGSAM access;
    if (!Describe(hKey, path, access)) return ERROR_INVALID_HANDLE;
    if (!(access & KEY_QUERY_VALUE)) return ERROR_ACCESS_DENIED;
    if (lpData && !lpcbData) return ERROR_INVALID_PARAMETER;
    const auto data = platform::ReadRegistry();
    if (!data->Exists(path)) return ERROR_KEY_DELETED;
    const platform::RegistryKey* key = data->Find(path);
    const platform::RegistryValue* value = key ? key->FindValue(lpValueName ? lpValueName : L"") : nullptr;
    if (!value) return ERROR_FILE_NOT_FOUND;
    if (lpType) *lpType = value->type;
    const DWORD size = static_cast<DWORD>(value->data.size());
    if (!lpcbData) return ERROR_SUCCESS;
    if (lpData && *lpcbData < size) {
        *lpcbData = size;
        return ERROR_MORE_DATA;
    }
    if (lpData && size) std::memcpy(lpData, value->data.data(), size);
    *lpcbData = size;
    return ERROR_SUCCESS;
}

LONG RegSetValueExW(HKEY hKey, LPCWSTR lpValueName, DWORD, DWORD dwType, const BYTE* lpData, DWORD cbData) {
    std::wstring path;
    REGSAM access;
    if (!Describe(hKey, path, access)) return ERROR_INVALID_HANDLE;
    if (!(access & KEY_SET_VALUE)) return ERROR_ACCESS_DENIED;
    if (!lpData && cbData) return ERROR_INVALID_PARAMETER;
    std::vector<BYTE> bytes(lpData, lpData + (lpData ? cbData : 0));
    LONG outcome = ERROR_SUCCESS;
    LONG result = platform::ModifyRegistry([&](platform::RegistryData& data) {
        if (!data.Exists(path)) {
            outcome = ERROR_KEY_DELETED;
            return false;
        }
        data.Create(path).SetValue(lpValueName ? lpValueName : L"", dwType, bytes);
        return true;
    });
    return result != ERROR_SUCCESS ? result : outcome;
}

LONG RegEnumValueW(HKEY hKey, DWORD dwIndex, LPWSTR lpValueName, LPDWORD lpcchValueName, LPDWORD, LPDWORD lpType,
                   LPBYTE lpData, LPDWORD lpcbData) {
    std::wstring path;
    REGSAM access;
    if (!Describe(hKey, path, access)) return ERROR_INVALID_HANDLE;
    if (!(access & KEY_QUERY_VALUE)) return ERROR_ACCESS_DENIED;
    if (!lpValueName || !lpcchValueName) return ERROR_INVALID_PARAMETER;
    const auto data = platform::ReadRegistry();
    if (!data->Exists(path)) return ERROR_KEY_DELETED;
    const platform::RegistryKey* key = data->Find(path);
    if (!key || dwIndex >= key->Values().size()) return ERROR_NO_MORE_ITEMS;
    const platform::RegistryValue& value = key->Values()[dwIndex];
    if (*lpcchValueName < value.name.size() + 1) {
        *lpcchValueName = static_cast<DWORD>(value.name.size() + 1);
        return ERROR_MORE_DATA;
    }
    std::wmemcpy(lpValueName, value.name.c_str(), value.name.size() + 1);
    *lpcchValueName = static_cast<DWORD>(value.name.size());
    if (lpType) *lpType = value.type;
    if (lpcbData) {
        const DWORD size = static_cast<DWORD>(value.data.size());
        if (lpData && *lpcbData < size) {
            *lpcbData = size;
            return ERROR_MORE_DATA;
        }
        if (lpData && size) std::memcpy(lpData, value.data.data(), size);
        *lpcbData = size;
    }
    return ERROR_SUCCESS;
}

LONG RegDeleteValueW(HKEY hKey, LPCWSTR lpValueName) {
    std::wstring path;
    REGSAM access;
    if (!Describe(hKey, path, access)) return ERROR_INVALID_HANDLE;
    if (!(access & KEY_SET_VALUE)) return ERROR_ACCESS_DENIED;
    LONG outcome = ERROR_FILE_NOT_FOUND;
    LONG result = platform::ModifyRegistry([&](platform::RegistryData& data) {
        platform::RegistryKey* key = data.Find(path);
        if (!key || !key->DeleteValue(lpValueName ? lpValueName : L"")) return false;
        outcome = ERROR_SUCCESS;
        return true;
    });
    return result != ERROR_SUCCESS ? result : outcome;
}

LONG RegCloseKey(HKEY hKey) {
    if (RootName(hKey)) return ERROR_SUCCESS;
    {
        std::lock_guard lock(Open().mutex);
        if (Open().keys.erase(hKey) == 0) return ERROR_INVALID_HANDLE;
    }
    delete hKey;
    return ERROR_SUCCESS;
}
