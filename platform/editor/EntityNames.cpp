#include "editor/EntityNames.h"

#include "db/DbDatabase.h"
#include "db/DbEntity.h"
#include "db/HostServices.h"

Acad::ErrorStatus acdbGetObjectId(AcDbObjectId& id, const ads_name name) {
    id.setNull();
    if (!name) return Acad::eInvalidAdsName;
    AcDbDatabase* db = AcDbDatabase::fromSerial(name[0]);
    if (!db || name[1] <= 0) return Acad::eInvalidAdsName;
    AcDbObjectId found;
    if (db->getAcDbObjectId(found, false, AcDbHandle(static_cast<std::uint64_t>(name[1]))) != Acad::eOk)
        return Acad::eInvalidAdsName;
    id = found;
    return Acad::eOk;
}

Acad::ErrorStatus acdbGetAdsName(ads_name name, AcDbObjectId id) {
    name[0] = name[1] = 0;
    if (id.isNull()) return Acad::eNullObjectId;
    if (!id.database()) return Acad::eInvalidAdsName;
    name[0] = id.database()->serial();
    name[1] = static_cast<std::int64_t>(id.handle().value());
    return Acad::eOk;
}

int acdbEntDel(const ads_name entity) {
    AcDbObjectId id;
    if (acdbGetObjectId(id, entity) != Acad::eOk) return RTERROR;
    AcDbEntity* ent = nullptr;
    if (acdbOpenObject(ent, id, AcDb::kForWrite, true) != Acad::eOk) return RTERROR;
    const Acad::ErrorStatus es = ent->erase(!ent->isErased());
    ent->close();
    return es == Acad::eOk ? RTNORM : RTERROR;
}
