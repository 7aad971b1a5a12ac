#pragma once
// Showing a compiled help file (.chm), as HtmlHelp does on Windows.
//
// The file goes to the opener named by VELLORIA_OPENER when one is set (it takes every file),
// else to a CHM viewer on PATH (xchm, kchmviewer, chmsee). With no viewer the same pages as
// plain HTML, help/index.html in the folder of the file, go to a web browser: $BROWSER (a
// colon-separated list of programs), else xdg-open, sensible-browser or x-www-browser. The
// command line says which program shows the help, or why none could. The result is null when
// nothing was started.
#include "win/WinTypes.h"

constexpr UINT HH_DISPLAY_TOPIC = 0x0000;

HWND HtmlHelpW(HWND hwndCaller, LPCWSTR pszFile, UINT uCommand, UINT_PTR dwData);
