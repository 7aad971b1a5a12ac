#include "editor/StaleTables.h"

#include <algorithm>
#include <map>

#include "db/DbDatabase.h"

namespace platform {
namespace {

struct Registry {
    // By the database's serial: a database that is gone is never mistaken for a new one.
    std::map<std::int64_t, std::vector<StaleTable>> tables;
    std::uint64_t version = 0;
};

Registry& State() {
    static Registry registry;
    return registry;
}

}  // namespace

void MarkStale(AcDbDatabase* database, AcDbObjectId id, std::wstring reason) {
    if (!database || id.isNull()) return;
    std::vector<StaleTable>& list = State().tables[database->serial()];
    const auto it = std::find_if(list.begin(), list.end(), [&](const StaleTable& t) { return t.id == id; });
    if (it != list.end()) it->reason = std::move(reason);
    else list.push_back({id, std::move(reason)});
    ++State().version;
}

void ClearStale(AcDbDatabase* database, AcDbObjectId id) {
    if (!database) return;
    const auto found = State().tables.find(database->serial());
    if (found == State().tables.end()) return;
    if (std::erase_if(found->second, [&](const StaleTable& t) { return t.id == id; }) > 0) ++State().version;
    if (found->second.empty()) State().tables.erase(found);
}

std::vector<StaleTable> StaleTablesOf(const AcDbDatabase* database) {
    std::vector<StaleTable> out;
    if (!database) return out;
    const auto found = State().tables.find(database->serial());
    if (found == State().tables.end()) return out;
    for (const StaleTable& t : found->second)
        if (!t.id.isErased() && AcDbDatabase::fromSerial(database->serial()) == database) out.push_back(t);
    return out;
}

std::uint64_t StaleTablesVersion() { return State().version; }

}  // namespace platform
