#pragma once
// Selection sets. A set is named by an ads_name whose second number is kSelectionSetTag;
// it lives until acedSSFree.
#include <string>
#include <vector>

#include "db/AdsDefs.h"
#include "db/DbObjectId.h"
#include "db/ResBuf.h"

// Modes: null or "" asks "Select objects:" until an empty line (ALL, L, a point,
// W x1,y1 x2,y2, C x1,y1 x2,y2, W or C alone asking for the corners, handles #2A, R to
// remove and A to add again);
// "X" the whole drawing (every layout); "L" the last entity; "W"/"C" the window or
// crossing from pt1 to pt2 (ads_point) in the current space. RTNORM with a new set, RTERROR
// when nothing was selected (or the filter or mode is invalid), RTCAN on cancel.
int acedSSGet(const wchar_t* mode, const void* pt1, const void* pt2, const resbuf* filter, ads_name ss);
int acedSSLength(const ads_name ss, Adesk::Int32* length);
int acedSSName(const ads_name ss, Adesk::Int32 index, ads_name entity);
// With no set: a new set, holding the entity if one is given. With a set: adds the entity
// to it (result names the same set). RTERROR for an invalid name.
int acedSSAdd(const ads_name entity, const ads_name ss, ads_name result);
int acedSSFree(const ads_name ss);
// Transforms every entity of the set; RTERROR when one could not be transformed.
int acedXformSS(const ads_name ss, ads_matrix matrix);

namespace platform {
constexpr std::int64_t kSelectionSetTag = -0x5353;
// Whether the name is a live set.
bool IsSelectionSet(const ads_name ss);
// A new set holding the ids.
void NewSelectionSet(const std::vector<AcDbObjectId>& ids, ads_name ss);
// The interactive selection of "Select objects:" with its first answer already read (a
// command that looked at it first); goes on asking until an empty line. As acedSSGet.
int SelectObjectsAfter(const std::string& firstAnswer, ads_name ss);
// Live sets (a leak check for tests).
size_t LiveSelectionSets();
}  // namespace platform
