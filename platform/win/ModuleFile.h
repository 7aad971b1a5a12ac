#pragma once
// The file a loaded module was loaded from. A module handle is an address inside the module
// (WinTypes.h); null names the executable.
#include "win/WinTypes.h"

// Copies the module's full path into lpFilename (nSize characters with the null) and returns
// its length. A path that does not fit is cut to nSize - 1 characters, nSize is returned and
// the last error is ERROR_INSUFFICIENT_BUFFER, as on Windows. 0 on failure.
DWORD GetModuleFileNameW(HMODULE hModule, LPWSTR lpFilename, DWORD nSize);
