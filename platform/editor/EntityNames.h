#pragma once
// Entity names: the editor's pair of integers for an entity. Here the first is the serial
// number of the entity's drawing (AcDbDatabase::serial) and the second its handle, so a
// stale or forged name is recognised rather than followed.
#include "db/AcadErrorStatus.h"
#include "db/AdsDefs.h"
#include "db/DbObjectId.h"

Acad::ErrorStatus acdbGetObjectId(AcDbObjectId& id, const ads_name name);
Acad::ErrorStatus acdbGetAdsName(ads_name name, AcDbObjectId id);
// Erases the entity, or brings an erased one back. RTNORM, or RTERROR for a name that
// addresses no entity or an entity open elsewhere.
int acdbEntDel(const ads_name entity);

namespace platform {
inline void NameCopy(ads_name to, const ads_name from) {
    to[0] = from[0];
    to[1] = from[1];
}
inline void NameClear(ads_name name) { name[0] = name[1] = 0; }
inline bool NameIsNull(const ads_name name) { return name[0] == 0 && name[1] == 0; }
}  // namespace platform
