// The module's side of `velloria relink`: re-points the links of the current drawing from one
// folder to another, all of them or none.
#include <cstdio>
#include <string>
#include <vector>

#include "app/ToolEntryPoints.h"
#include "catalogue/Location.h"
#include "engine/LinkedEntities.h"
#include "engine/Relink.h"
#include "win/ShellPath.h"

namespace {

constexpr size_t kMaxItemBytes = AcDbObject::kMaxXDataStringBytes;

struct CRelink {
    AcDbObjectId m_id;
    std::string m_strHandle;
    CString m_strOld, m_strNew;
    std::string m_strRefusal;
};

}  // namespace

extern "C" int velloriaRelink(const VelloriaRelinkOptions* options, VelloriaRelinkTotals* totals) {
    VelloriaRelinkTotals local;
    VelloriaRelinkTotals& sum = totals ? *totals : local;
    if (!options || !options->from || !options->to) return 1;
    const CString from = CString::FromUtf8(options->from), to = CString::FromUtf8(options->to);
    const CString drawing = GetCurrentDrawingPath();

    std::vector<CLinkedEntity> entities;
    FindLinkedEntities(acdbHostApplicationServices()->workingDatabase(), entities);
    std::vector<CRelink> changes;
    for (const CLinkedEntity& entity : entities) {
        ++sum.tables;
        CRelink change;
        change.m_id = entity.m_id;
        change.m_strHandle = CString(entity.m_id.handle().text().c_str()).ToUtf8();
        change.m_strOld = entity.m_link.m_strDatabase;
        CString resolved;
        // Only file locations move with their folders; a server or a data source stays.
        if (entity.m_link.m_strDatabase.IsEmpty() || !IsFileDriver(entity.m_link.m_strConnectDriver) ||
            !RelinkLocation(drawing, entity.m_link.m_strDatabase, from, to, change.m_strNew, resolved))
            continue;
        ++sum.matched;
        // The rules the link properties dialog keeps for a path typed into it, and the limit of
        // the record's item.
        const size_t bytes = change.m_strNew.ToUtf8().size();
        if (bytes > kMaxItemBytes)
            change.m_strRefusal = "the new path is " + std::to_string(bytes) + " bytes long, and the record's item holds at most " +
                                  std::to_string(kMaxItemBytes);
        else if (resolved.IsEmpty())
            change.m_strRefusal = "the new path, joined to the drawing's folder, passes the limit of " + std::to_string(MAX_PATH) +
                                  " characters";
        else if (!PathFileExistsW(resolved))
            change.m_strRefusal = "cannot find the database " + resolved.ToUtf8();
        if (!change.m_strRefusal.empty()) ++sum.refused;
        changes.push_back(change);
    }
    for (const CRelink& change : changes) {
        if (change.m_strRefusal.empty())
            std::printf("%s  %s -> %s\n", change.m_strHandle.c_str(), change.m_strOld.ToUtf8().c_str(), change.m_strNew.ToUtf8().c_str());
        else
            std::printf("%s  %s: not re-pointed: %s\n", change.m_strHandle.c_str(), change.m_strOld.ToUtf8().c_str(),
                        change.m_strRefusal.c_str());
    }
    int status = sum.refused ? 1 : 0;
    if (!sum.refused && !options->dryRun) {
        for (const CRelink& change : changes) {
            AcDbObject* pObj = nullptr;
            const bool bWritten = acdbOpenObject(pObj, change.m_id, AcDb::kForWrite) == Acad::eOk && WriteDatabaseItem(pObj, change.m_strNew);
            if (pObj) pObj->close();
            if (!bWritten) {
                // The caller saves nothing when one write fails: the drawing stays as it was.
                std::printf("%s  %s: not re-pointed: the record cannot be written\n", change.m_strHandle.c_str(),
                            change.m_strOld.ToUtf8().c_str());
                ++sum.refused;
                status = 1;
                break;
            }
        }
    }
    std::fflush(stdout);
    return status;
}
