#pragma once
// The pickfirst selection: what the user picked at "Command: " before naming a command (the
// noun-verb order of CAD programs). A command that then asks for objects takes it instead of
// asking: "Select objects:" the whole selection (what its filter lets through), a prompt for
// one object the single object picked. It is used once; an entity erased since, or of another
// drawing than the working one, is no longer in it.
#include <vector>

#include "db/DbObjectId.h"

namespace platform {

void SetPickFirst(std::vector<AcDbObjectId> ids);
void ClearPickFirst();
// The selection's live entities of the working drawing.
std::vector<AcDbObjectId> PickFirst();
// The selection, emptied.
std::vector<AcDbObjectId> TakePickFirst();

}  // namespace platform
