#pragma once
// The codec of tables (ACAD_TABLE): a table entity from the file's object and back, its
// block regenerated when its content changed (see EntityCodecs.h).
#include "dxf/EntityCodecs.h"

namespace platform::dxf {

AcDbEntity* LoadAcadTable(const DxfObject& source, EntityLoadContext& context);
void SaveAcadTable(const AcDbEntity& entity, EntitySaveContext& context);

}  // namespace platform::dxf
