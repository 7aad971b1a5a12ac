#pragma once
// The shell's path functions with their Windows contracts: buffers of MAX_PATH characters,
// BOOL results, drive letters, "\" separators, ".\" and "..\" forms. They also take POSIX
// paths: "/" is a separator like "\", and "/x/y" is an absolute path with the root "/".
//
// Separators: a function that writes a path writes the separator the input already uses (the
// first separator found; "\" when there is none), so "D:\proj" stays a Windows path and
// "/srv/proj" a POSIX one. PathRelativePathToW is the exception: it always writes "\"
// (".\parts.mdb", "..\data\parts.mdb"), because a relative location is stored in drawings
// that are also opened on Windows; every file access here turns "\" into "/" (HostPath.h).
//
// Case: components are compared without regard to case, as on Windows.
#include "win/WinTypes.h"

constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x10;
constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x80;

// FALSE for "\...", "/..." and "X:..." ; TRUE otherwise (also for an empty path).
BOOL PathIsRelativeW(LPCWSTR pszPath);
// Removes the last component and its separator ("C:\a\b.dwg" -> "C:\a", "C:\a.dwg" -> "C:\",
// "/a.dwg" -> "/"); TRUE when something was removed.
BOOL PathRemoveFileSpecW(LPWSTR pszPath);
// Appends a separator unless the path is empty or already ends in one. Returns the end of the
// string, or null when the result would not fit MAX_PATH.
LPWSTR PathAddBackslashW(LPWSTR pszPath);
// Joins pszMore to pszPath (a buffer of MAX_PATH) with one separator and canonicalises the
// result; an absolute pszMore with a drive replaces pszPath. FALSE, and pszPath unchanged,
// when the result would not fit MAX_PATH.
BOOL PathAppendW(LPWSTR pszPath, LPCWSTR pszMore);
// Removes "." and ".." components into pszBuf (MAX_PATH characters); ".." never climbs above
// a root, but is kept at the start of a relative path. An empty path gives "\". FALSE when
// the result would not fit MAX_PATH (pszBuf is then empty).
BOOL PathCanonicalizeW(LPWSTR pszBuf, LPCWSTR pszPath);
// The relative path from pszFrom to pszTo into pszPath (MAX_PATH characters). An attribute
// with FILE_ATTRIBUTE_DIRECTORY marks a folder, anything else a file (whose folder is used).
// FALSE, with pszPath empty, when the two have no common root (other drives, a POSIX and a
// Windows path) or the result does not fit.
BOOL PathRelativePathToW(LPWSTR pszPath, LPCWSTR pszFrom, DWORD dwAttrFrom, LPCWSTR pszTo, DWORD dwAttrTo);
// Whether the file or folder exists (through ToHostPath).
BOOL PathFileExistsW(LPCWSTR pszPath);
