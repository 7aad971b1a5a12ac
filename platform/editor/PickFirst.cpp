#include "editor/PickFirst.h"

#include <utility>

#include "db/DbDatabase.h"
#include "db/HostServices.h"

namespace platform {

namespace {

std::vector<AcDbObjectId>& Selection() {
    static std::vector<AcDbObjectId> selection;
    return selection;
}

}  // namespace

void SetPickFirst(std::vector<AcDbObjectId> ids) { Selection() = std::move(ids); }

void ClearPickFirst() { Selection().clear(); }

std::vector<AcDbObjectId> PickFirst() {
    const AcDbDatabase* working = acdbHostApplicationServices()->workingDatabase();
    std::vector<AcDbObjectId> live;
    for (const AcDbObjectId id : Selection())
        if (!id.isNull() && !id.isErased() && working && id.database() == working) live.push_back(id);
    return live;
}

std::vector<AcDbObjectId> TakePickFirst() {
    std::vector<AcDbObjectId> taken = PickFirst();
    ClearPickFirst();
    return taken;
}

}  // namespace platform
