#pragma once
// Command-line output of the module: printf with the Windows conventions ("%s" is wide).
int acutPrintf(const wchar_t* format, ...);
