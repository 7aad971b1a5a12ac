#pragma once
// The LIST command's report: every entity of a drawing's layouts with its type, layer,
// space and handle, its geometry (a table: position, size, widths and its cells as aligned
// text) and its extended data item by item (a table's link record among them).
#include <string>
#include <vector>

#include "db/DbObjectId.h"

class AcDbDatabase;

namespace platform {
// The entities of model space, then of each paper-space layout's block (in the block table's
// order), each space in drawing order; erased ones left out.
std::vector<AcDbObjectId> LayoutEntities(AcDbDatabase* database);
// The report of one entity; empty for an id that is no entity.
std::wstring DescribeEntity(AcDbObjectId id);
// Writes the report of every entity (model space first, then each layout) to the command
// line; "No entities." for an empty drawing. Returns the number listed.
int ListEntities(AcDbDatabase* database);
}  // namespace platform
