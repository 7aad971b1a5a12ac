#pragma once
// Tables a refresh could not bring up to date: they still show what their database held
// before. The host marks them where it shows the drawing (a frame around each, and a notice
// naming them); the marks are the session's, never part of the drawing. A table refreshed
// later, or a drawing closed, loses its mark.
#include <cstdint>
#include <string>
#include <vector>

#include "db/DbObject.h"

class AcDbDatabase;

namespace platform {

struct StaleTable {
    AcDbObjectId id;
    std::wstring reason;
};

// The table of the database is stale for the reason (replacing an earlier reason).
void MarkStale(AcDbDatabase* database, AcDbObjectId id, std::wstring reason);
// The table shows its data again.
void ClearStale(AcDbDatabase* database, AcDbObjectId id);
// The stale tables of the database, in the order they were marked (erased ones left out).
std::vector<StaleTable> StaleTablesOf(const AcDbDatabase* database);
// Grows by one at every mark or clearing: a view knows whether to look again.
std::uint64_t StaleTablesVersion();

}  // namespace platform
