// The module's side of `velloria drivers` and `velloria trust`: the sources a link may name,
// and the ones a drawing's links may reach without asking.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/ToolEntryPoints.h"
#include "catalogue/ConnectStringTable.h"
#include "catalogue/TrustedSources.h"
#include "text/JsonText.h"

namespace {

struct CDriverLine {
    std::string m_strName, m_strLocation, m_strAsks, m_strStatus;
    bool m_bAvailable = false;
};

std::string LocationOf(CLocationKind kind) {
    switch (kind) {
    case CLocationKind::File: return "file";
    case CLocationKind::Server: return "HOST[:PORT]/DATABASE";
    case CLocationKind::DataSource: return "data source name";
    }
    return "";
}

CDriverLine Describe(const CDriverRow& row) {
    CDriverLine line;
    line.m_strName = CString(row.m_szName).ToUtf8();
    line.m_strLocation = LocationOf(row.m_kind);
    line.m_strAsks = row.m_kind == CLocationKind::Server ? "server, database, user, password"
                     : row.m_kind == CLocationKind::DataSource ? "data source name, user, password"
                     : row.m_bAccessEngine ? "file, user, password" : "file";
    line.m_bAvailable = IsDriverAvailable(row);
    line.m_strStatus = GetDriverStatus(row).ToUtf8();
    return line;
}

}  // namespace

extern "C" int velloriaDrivers(int format) {
    InitConnectStringTable();
    CStringArray names;
    GetDriverNames(names);
    std::string out = format == kVelloriaFormatJson ? "[" : "";
    for (INT_PTR i = 0; i < names.GetSize(); ++i) {
        const CDriverLine line = Describe(*FindDriverRow(names[i]));
        if (format == kVelloriaFormatJson)
            out += (i ? ",\n " : "\n ") + std::string("{\"name\": ") + platform::JsonQuoted(line.m_strName) +
                   ", \"location\": " + platform::JsonQuoted(line.m_strLocation) + ", \"asks\": " + platform::JsonQuoted(line.m_strAsks) +
                   ", \"available\": " + (line.m_bAvailable ? "true" : "false") + ", \"status\": " + platform::JsonQuoted(line.m_strStatus) + "}";
        else
            out += line.m_strName + "\t" + line.m_strLocation + "\t" + line.m_strAsks + "\t" + line.m_strStatus + "\n";
    }
    if (format == kVelloriaFormatJson) out += names.GetSize() ? "\n]\n" : "]\n";
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
    return 0;
}

extern "C" int velloriaTrust(const char* action, const char* location) {
    const std::string what = action ? action : "";
    if (what == "list") {
        for (const std::wstring& source : GetTrustedSources()) std::printf("%s\n", CString(source).ToUtf8().c_str());
        std::fflush(stdout);
        return 0;
    }
    const CString text = CString::FromUtf8(location ? location : "");
    CString entry, error;
    const bool done = what == "add" ? AddTrustedSource(text, entry, error) : what == "remove" ? RemoveTrustedSource(text, entry, error) : false;
    if (!done) {
        std::fprintf(stderr, "velloria trust: %s\n", error.IsEmpty() ? "unknown action" : error.ToUtf8().c_str());
        return 1;
    }
    std::printf("%s %s\n", what == "add" ? "trusted:" : "no longer trusted:", entry.ToUtf8().c_str());
    std::fflush(stdout);
    return 0;
}
