#pragma once
// The Windows registry functions the module calls, over a per-user registry file (see
// RegistryStore.h). They keep the Windows contracts: result codes, value types, byte sizes,
// ERROR_MORE_DATA with the needed size, key names compared without regard to case.
//
// Text values (REG_SZ) hold wide characters of this platform (wchar_t, 4 bytes here)
// with a terminating null, so a caller that passes a wchar_t buffer and sizeof(buffer), as
// Windows code does, reads and writes whole characters. A one-character string is therefore
// 8 bytes and does not fit a 4-byte DWORD buffer.
#include <cstdint>

#include "win/WinTypes.h"

struct HKEY__;
using HKEY = HKEY__*;
using PHKEY = HKEY*;

// The predefined roots, as macros like the platform's own, so that they can be used at any
// point of static initialisation.
#define HKEY_CLASSES_ROOT (reinterpret_cast<HKEY>(std::uintptr_t(0x80000000)))
#define HKEY_CURRENT_USER (reinterpret_cast<HKEY>(std::uintptr_t(0x80000001)))
#define HKEY_LOCAL_MACHINE (reinterpret_cast<HKEY>(std::uintptr_t(0x80000002)))
#define HKEY_USERS (reinterpret_cast<HKEY>(std::uintptr_t(0x80000003)))
#define HKEY_CURRENT_CONFIG (reinterpret_cast<HKEY>(std::uintptr_t(0x80000005)))

constexpr REGSAM KEY_QUERY_VALUE = 0x0001;
constexpr REGSAM KEY_SET_VALUE = 0x0002;
constexpr REGSAM KEY_CREATE_SUB_KEY = 0x0004;
constexpr REGSAM KEY_ENUMERATE_SUB_KEYS = 0x0008;
constexpr REGSAM KEY_NOTIFY = 0x0010;
constexpr REGSAM KEY_CREATE_LINK = 0x0020;
constexpr REGSAM KEY_READ = 0x20019;
constexpr REGSAM KEY_WRITE = 0x20006;
constexpr REGSAM KEY_ALL_ACCESS = 0xF003F;

constexpr DWORD REG_OPTION_NON_VOLATILE = 0;
constexpr DWORD REG_OPTION_VOLATILE = 1;
constexpr DWORD REG_CREATED_NEW_KEY = 1;
constexpr DWORD REG_OPENED_EXISTING_KEY = 2;

constexpr DWORD REG_NONE = 0;
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_EXPAND_SZ = 2;
constexpr DWORD REG_BINARY = 3;
constexpr DWORD REG_DWORD = 4;
constexpr DWORD REG_MULTI_SZ = 7;
constexpr DWORD REG_QWORD = 11;

constexpr LONG ERROR_KEY_DELETED = 1018;

struct SECURITY_ATTRIBUTES;
using LPSECURITY_ATTRIBUTES = SECURITY_ATTRIBUTES*;

LONG RegOpenKeyExW(HKEY hKey, LPCWSTR lpSubKey, DWORD ulOptions, REGSAM samDesired, PHKEY phkResult);
LONG RegCreateKeyExW(HKEY hKey, LPCWSTR lpSubKey, DWORD Reserved, LPWSTR lpClass, DWORD dwOptions,
                     REGSAM samDesired, LPSECURITY_ATTRIBUTES lpSecurityAttributes, PHKEY phkResult,
                     LPDWORD lpdwDisposition);
LONG RegQueryValueExW(HKEY hKey, LPCWSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType, LPBYTE lpData,
                      LPDWORD lpcbData);
LONG RegSetValueExW(HKEY hKey, LPCWSTR lpValueName, DWORD Reserved, DWORD dwType, const BYTE* lpData,
                    DWORD cbData);
// Values in the order they were first stored; lpcchValueName counts characters, with the null.
LONG RegEnumValueW(HKEY hKey, DWORD dwIndex, LPWSTR lpValueName, LPDWORD lpcchValueName, LPDWORD lpReserved,
                   LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData);
LONG RegDeleteValueW(HKEY hKey, LPCWSTR lpValueName);
LONG RegCloseKey(HKEY hKey);
