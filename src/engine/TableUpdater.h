#pragma once
// The table updater: refreshes linked tables from their databases.

// Refreshes every linked table of a selection: mode null asks the user to select objects,
// mode L"X" takes every linked entity of the drawing. Each table is refilled from its
// stored start cell with a fresh fetch of its table, view or query; a table whose link,
// database or fetch fails is left as it was and the others still refresh.
void UpdateLinkedTables(const wchar_t* mode);
