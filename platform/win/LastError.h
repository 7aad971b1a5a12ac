#pragma once
// The calling thread's last error, as the Windows functions that report through it set it.
#include "win/WinTypes.h"

constexpr LONG ERROR_INSUFFICIENT_BUFFER = 122;
constexpr LONG ERROR_FILENAME_EXCED_RANGE = 206;

DWORD GetLastError();
void SetLastError(DWORD error);
