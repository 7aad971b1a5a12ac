// The module's side of `velloria links --check`: whether each link of the drawing would
// refresh, and why not, without changing the drawing. The database is opened and the table,
// view or query read exactly as a refresh does, so a link the check calls sound refreshes.
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "editor/Alert.h"
#include "editor/Console.h"
#include "catalogue/NearestNames.h"
#include "text/Utf8.h"
#include "app/ToolEntryPoints.h"
#include "catalogue/ConnectStringTable.h"
#include "catalogue/DatabasePtrArray.h"
#include "catalogue/Location.h"
#include "catalogue/TrustedSources.h"
#include "engine/LinkedEntities.h"
#include "engine/TableBuilder.h"
#include "posix/SystemCalls.h"
#include "support/JsonText.h"
#include "types/CellGrid.h"
#include "win/HostPath.h"

namespace {

struct CCheck {
    std::string m_strHandle;
    CTableLink m_link;
    std::string m_strResolved;  // the database file as this machine names it
    std::string m_strStatus;    // "ok", or the kind of breakage
    std::string m_strReason;
    int m_nRows = -1, m_nCols = -1;  // what a refresh would write
    bool m_bWouldChange = false;
};

// A drive letter that this machine has no folder for: the path names no file here.
bool UnmappedDrive(const CString& path, char& letter) {
    const std::wstring& text = path.str();
    if (text.size() < 2 || text[1] != L':' || !iswalpha(text[0])) return false;
    letter = static_cast<char>(towupper(text[0]));
    const char* folder = std::getenv((std::string("VELLORIA_DRIVE_") + letter).c_str());
    return !folder || !*folder;
}

bool NamesTableOrView(CMyDatabase* db, const CString& name) {
    CStringArray names;
    db->GetTableNames(names);
    for (const CString& each : names)
        if (each.CompareNoCase(name) == 0) return true;
    return false;
}

void Check(const CLinkedEntity& entity, CCheck& check) {
    check.m_strHandle = CString(entity.m_id.handle().text().c_str()).ToUtf8();
    check.m_link = entity.m_link;
    const CTableLink& link = entity.m_link;
    auto broken = [&](const char* status, const std::string& reason) {
        check.m_strStatus = status;
        check.m_strReason = reason;
    };
    if (!entity.m_strDamage.IsEmpty()) return broken("damaged", entity.m_strDamage.ToUtf8());

    // A check runs the link's SQL as a refresh would: only against a source the user trusts.
    CString source;
    if (!IsLinkTrusted(link.m_strConnectDriver, link.m_strDatabase, &source)) return broken("untrusted-source", UntrustedReason(source).ToUtf8());
    if (!source.IsEmpty()) {
        check.m_strResolved = source.ToUtf8();
    } else {
        CString resolved;
        TryResolveRelativePath(GetCurrentDrawingPath(), link.m_strDatabase, resolved);
        check.m_strResolved = platform::ToHostPath(resolved.str());
        char letter = 0;
        if (UnmappedDrive(resolved, letter))
            return broken("unmapped-drive", "the drive " + std::string(1, letter) + ": of " + resolved.ToUtf8() +
                                                " is not mapped to a folder (VELLORIA_DRIVE_" + std::string(1, letter) + ")");
        struct stat st {};
        if (platform::posix::Sys().stat(check.m_strResolved.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
            return broken("missing-database", "the database " + check.m_strResolved + " is not there");
    }

    // The data layer's reports are caught, to give the reason on the table's line.
    std::wstring alerts;
    const platform::AlertHandler previous = platform::SetAlertHandler([&alerts](std::wstring_view text) { alerts = text; });
    CMyDatabase* db =
        GetOpenDatabases().FindOrAddDatabase(link.m_strConnectDriver, link.m_strDatabase, link.m_strUser, link.m_strPassword);
    CTableLink fetch = link;
    CCellGrid grid;
    const bool read = db && db->ReadRecords(fetch, grid);
    if (!db) {
        platform::SetAlertHandler(previous);
        return broken("bad-database", "the database " + check.m_strResolved + " cannot be opened: " + platform::ToUtf8(platform::AlertReason(alerts)));
    }
    const CString strReason = read ? CString() : db->FailureReason(link);
    platform::SetAlertHandler(previous);
    if (!read) {
        if (link.m_strSQL.IsEmpty() && !NamesTableOrView(db, link.m_strTable)) {
            CStringArray names, nearest;
            db->GetTableNames(names);
            NearestNames(names, link.m_strTable, nearest);
            const CString hint = DidYouMean(nearest);
            return broken("missing-table", "the database has no table or view " + link.m_strTable.ToUtf8() + (hint.IsEmpty() ? "" : "; " + hint.ToUtf8()));
        }
        if (alerts.empty()) return broken("no-records", "the source returns no records (a refresh leaves the table as it is)");
        return broken(link.m_strSQL.IsEmpty() ? "failing-table" : "failing-sql", strReason.ToUtf8());
    }
    check.m_nRows = grid.GetRows();
    check.m_nCols = grid.GetCols();
    AcDbTable* pTable = nullptr;
    if (acdbOpenObject(pTable, entity.m_id, AcDb::kForRead) != Acad::eOk) return broken("damaged", "the entity cannot be read");
    const CString strDamage = CheckLinkRecord(link, pTable->numRows(), pTable->numColumns());
    check.m_bWouldChange = strDamage.IsEmpty() && !TableHoldsGrid(grid, fetch, pTable);
    pTable->close();
    if (!strDamage.IsEmpty()) return broken("damaged", strDamage.ToUtf8());
    check.m_strStatus = "ok";
}

std::string SourceText(const CTableLink& link) {
    return link.m_strSQL.IsEmpty() ? "table " + link.m_strTable.ToUtf8() : "sql \"" + link.m_strSQL.ToUtf8() + "\"";
}

std::string Line(const CCheck& check) {
    std::string out = check.m_strHandle + "  " + check.m_link.m_strDatabase.ToUtf8() + " " + SourceText(check.m_link) + "  ";
    if (check.m_strStatus == "ok")
        out += "ok: " + std::to_string(check.m_nRows) + " x " + std::to_string(check.m_nCols) +
               (check.m_bWouldChange ? ", cells would change" : ", up to date");
    else
        out += "broken (" + check.m_strStatus + "): " + check.m_strReason;
    return out + "\n";
}

std::string Json(const CCheck& check) {
    std::string out = "{\"handle\":" + JsonQuote(check.m_strHandle) + ",\"database\":" + JsonQuote(check.m_link.m_strDatabase.ToUtf8()) +
                      ",\"resolved\":" + JsonQuote(check.m_strResolved) + ",\"table\":" + JsonQuote(check.m_link.m_strTable.ToUtf8()) +
                      ",\"sql\":" + JsonQuote(check.m_link.m_strSQL.ToUtf8()) + ",\"status\":" + JsonQuote(check.m_strStatus);
    if (check.m_strStatus == "ok")
        out += ",\"rows\":" + std::to_string(check.m_nRows) + ",\"columns\":" + std::to_string(check.m_nCols) +
               ",\"would_change\":" + (check.m_bWouldChange ? "true" : "false");
    else
        out += ",\"reason\":" + JsonQuote(check.m_strReason);
    return out + "}";
}

}  // namespace

extern "C" int velloriaCheckLinks(const VelloriaCheckOptions* options, VelloriaCheckTotals* totals) {
    VelloriaCheckOptions defaults;
    const VelloriaCheckOptions& opts = options ? *options : defaults;
    VelloriaCheckTotals local;
    VelloriaCheckTotals& sum = totals ? *totals : local;
    InitConnectStringTable();
    std::vector<CLinkedEntity> entities;
    FindLinkedEntities(acdbHostApplicationServices()->workingDatabase(), entities);
    std::string json;
    for (const CLinkedEntity& entity : entities) {
        CCheck check;
        Check(entity, check);
        ++sum.tables;
        if (check.m_strStatus == "ok") {
            ++sum.ok;
            if (check.m_bWouldChange) ++sum.stale;
        } else {
            ++sum.broken;
        }
        if (opts.json) json += (json.empty() ? "" : ",") + Json(check);
        else std::fputs(Line(check).c_str(), stdout);
    }
    if (opts.json)
        std::printf("{\"drawing\":%s,\"tables\":[%s],\"linked\":%d,\"ok\":%d,\"broken\":%d,\"would_change\":%d}\n",
                    JsonQuote(opts.drawing ? opts.drawing : "").c_str(), json.c_str(), sum.tables, sum.ok, sum.broken, sum.stale);
    std::fflush(stdout);
    return sum.broken;
}
