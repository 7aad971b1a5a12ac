#include "support/Registry.h"

HKEY CRegistry::m_hRootKey = nullptr;
CString CRegistry::m_strCompany;

void CRegistry::SetRoot(HKEY hRootKey, LPCTSTR lpszCompany) {
    m_hRootKey = hRootKey;
    m_strCompany = lpszCompany;
}

HKEY CRegistry::GetAppKey() {
    HKEY hSoftKey = nullptr;
    HKEY hCompanyKey = nullptr;
    if (RegOpenKeyExW(m_hRootKey, L"software", 0, KEY_READ | KEY_WRITE, &hSoftKey) != ERROR_SUCCESS) return nullptr;
    DWORD dwDisposition = 0;
    if (RegCreateKeyExW(hSoftKey, m_strCompany, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr,
                        &hCompanyKey, &dwDisposition) != ERROR_SUCCESS)
        hCompanyKey = nullptr;
    RegCloseKey(hSoftKey);
    return hCompanyKey;
}

HKEY CRegistry::GetSectionKey(LPCTSTR lpszSection) {
    HKEY hAppKey = GetAppKey();
    if (!hAppKey) return nullptr;
    if (!lpszSection || !*lpszSection) return hAppKey;
    HKEY hSectionKey = nullptr;
    DWORD dwDisposition = 0;
    if (RegCreateKeyExW(hAppKey, lpszSection, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr,
                        &hSectionKey, &dwDisposition) != ERROR_SUCCESS)
        hSectionKey = nullptr;
    RegCloseKey(hAppKey);
    return hSectionKey;
}

int CRegistry::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault) {
    if (m_strCompany.IsEmpty()) return nDefault;
    HKEY hSecKey = GetSectionKey(lpszSection);
    if (!hSecKey) return nDefault;
    // Whatever the stored type: a value of at most 4 bytes yields its bytes (zero-extended),
    // a longer one fails the query and yields the default.
    DWORD dwValue = 0;
    DWORD dwType = 0;
    DWORD dwCount = sizeof(DWORD);
    LONG lResult = RegQueryValueExW(hSecKey, lpszEntry, nullptr, &dwType, reinterpret_cast<LPBYTE>(&dwValue), &dwCount);
    RegCloseKey(hSecKey);
    if (lResult == ERROR_SUCCESS) return static_cast<int>(dwValue);
    return nDefault;
}

bool CRegistry::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue) {
    if (m_strCompany.IsEmpty()) return false;
    HKEY hSecKey = GetSectionKey(lpszSection);
    if (!hSecKey) return false;
    DWORD dwValue = static_cast<DWORD>(nValue);
    const BYTE bytes[4] = {BYTE(dwValue), BYTE(dwValue >> 8), BYTE(dwValue >> 16), BYTE(dwValue >> 24)};
    LONG lResult = RegSetValueExW(hSecKey, lpszEntry, 0, REG_DWORD, bytes, sizeof(bytes));
    RegCloseKey(hSecKey);
    return lResult == ERROR_SUCCESS;
}
