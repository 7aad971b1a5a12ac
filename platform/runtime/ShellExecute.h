#pragma once
// Handing a file or a web address to the desktop's opener, as the Windows shell does.
//
// The opener is the program named by VELLORIA_OPENER, else xdg-open found on PATH. It is
// started detached (fork and exec, never through a shell) with the host path of the file
// (HostPath.h) or the address as it stands. The result is greater than 32 on success, as on
// Windows. A file that does not exist gives SE_ERR_FNF; with no opener the command line says
// what could not be opened and SE_ERR_NOASSOC is returned. The shell reports these itself on
// the command line; callers need not. lpParameters is not passed on: the opener takes only the
// file or address.
#include "win/WinTypes.h"

constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOW = 5;

constexpr INT_PTR SE_ERR_FNF = 2;
constexpr INT_PTR SE_ERR_PNF = 3;
constexpr INT_PTR SE_ERR_ACCESSDENIED = 5;
constexpr INT_PTR SE_ERR_NOASSOC = 31;

HINSTANCE ShellExecuteW(HWND hwnd, LPCWSTR lpOperation, LPCWSTR lpFile, LPCWSTR lpParameters, LPCWSTR lpDirectory,
                        INT nShowCmd);
