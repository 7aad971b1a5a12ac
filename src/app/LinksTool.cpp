// The module's side of `velloria links`: every entity of the drawing that carries a link
// record, as the record reads, and what keeps a damaged one from being refreshed.
#include <cstdio>
#include <string>
#include <vector>

#include "app/ToolEntryPoints.h"
#include "data/QueryLimits.h"
#include "engine/LinkedEntities.h"
#include "support/StringList.h"
#include "text/JsonText.h"

namespace {

std::string Utf8(const CString& text) { return text.ToUtf8(); }

// The size the table has now, beside the size the record stored at its last refresh: the two
// differ when someone added or removed rows by hand since.
std::string TableSize(const CLinkedEntity& entity) {
    if (entity.m_nTableRows < 0) return "-";
    return std::to_string(entity.m_nTableRows) + " x " + std::to_string(entity.m_nTableCols);
}

std::string Describe(const CLinkedEntity& entity) {
    const CTableLink& link = entity.m_link;
    std::string out = CString(entity.m_id.handle().text().c_str()).ToUtf8() + "  " + Utf8(entity.m_strType) + "\n";
    out += "    driver:   " + Utf8(link.m_strConnectDriver) + "\n";
    out += "    database: " + Utf8(link.m_strDatabase) + "\n";
    if (link.m_strSQL.IsEmpty()) out += "    table:    " + Utf8(link.m_strTable) + "\n";
    else out += "    sql:      " + Utf8(link.m_strSQL) + "\n";
    // The password is never shown; the user is, as the connect dialog shows it.
    if (!link.m_strUser.IsEmpty()) out += "    user:     " + Utf8(link.m_strUser) + "\n";
    out += "    header:   " + std::to_string(link.m_bIncludeHeader) + "   start cell: row " + std::to_string(link.m_nStartRow) +
           ", column " + std::to_string(link.m_nStartCol) + "   stored: " + std::to_string(link.m_nRows) + " x " +
           std::to_string(link.m_nCols) + "   table: " + TableSize(entity) + "\n";
    out += "    headings: " + Utf8(JoinStringList(link.m_arrHeadings)) + "\n";
    out += "    widths:   " + Utf8(JoinDoubleList(link.m_arrWidths)) + "\n";
    if (!entity.m_strDamage.IsEmpty()) out += "    damaged:  " + Utf8(entity.m_strDamage) + "\n";
    return out;
}

std::string Json(const CString& text) { return platform::JsonQuoted(text.ToUtf8()); }

// One object of the JSON form; the same items as the text form, the password never.
std::string DescribeJson(const CLinkedEntity& entity) {
    const CTableLink& link = entity.m_link;
    std::string out = "{\"handle\": " + Json(CString(entity.m_id.handle().text().c_str())) + ", \"type\": " + Json(entity.m_strType);
    out += ", \"driver\": " + Json(link.m_strConnectDriver) + ", \"database\": " + Json(link.m_strDatabase);
    if (link.m_strSQL.IsEmpty()) out += ", \"table\": " + Json(link.m_strTable);
    else out += ", \"sql\": " + Json(link.m_strSQL);
    out += ", \"user\": " + Json(link.m_strUser);
    out += ", \"header\": " + std::string(link.m_bIncludeHeader ? "true" : "false");
    out += ", \"startRow\": " + std::to_string(link.m_nStartRow) + ", \"startColumn\": " + std::to_string(link.m_nStartCol);
    out += ", \"rows\": " + std::to_string(link.m_nRows) + ", \"columns\": " + std::to_string(link.m_nCols);
    // The table's size now; null for an entity that is no table.
    out += ", \"tableRows\": " + (entity.m_nTableRows < 0 ? std::string("null") : std::to_string(entity.m_nTableRows));
    out += ", \"tableColumns\": " + (entity.m_nTableCols < 0 ? std::string("null") : std::to_string(entity.m_nTableCols));
    out += ", \"headings\": [";
    for (INT_PTR i = 0; i < link.m_arrHeadings.GetSize(); ++i) out += (i ? ", " : "") + Json(link.m_arrHeadings[i]);
    out += "], \"widths\": [";
    for (INT_PTR i = 0; i < link.m_arrWidths.GetSize(); ++i) {
        char number[32];
        std::snprintf(number, sizeof number, "%g", link.m_arrWidths[i]);
        out += (i ? ", " : "") + std::string(number);
    }
    out += "], \"damaged\": " + (entity.m_strDamage.IsEmpty() ? std::string("null") : Json(entity.m_strDamage)) + "}";
    return out;
}

}  // namespace

extern "C" int velloriaLinksAs(int format) {
    if (format != kVelloriaFormatJson) return velloriaLinks();
    std::vector<CLinkedEntity> entities;
    FindLinkedEntities(acdbHostApplicationServices()->workingDatabase(), entities);
    int damaged = 0;
    std::string out = "[";
    for (size_t i = 0; i < entities.size(); ++i) {
        out += (i ? ",\n " : "\n ") + DescribeJson(entities[i]);
        if (!entities[i].m_strDamage.IsEmpty()) ++damaged;
    }
    out += entities.empty() ? "]\n" : "\n]\n";
    std::fputs(out.c_str(), stdout);
    std::fflush(stdout);
    return damaged;
}

extern "C" int velloriaLinks() {
    std::vector<CLinkedEntity> entities;
    FindLinkedEntities(acdbHostApplicationServices()->workingDatabase(), entities);
    int damaged = 0;
    for (const CLinkedEntity& entity : entities) {
        std::fputs(Describe(entity).c_str(), stdout);
        if (!entity.m_strDamage.IsEmpty()) ++damaged;
    }
    std::printf("%d linked %s", static_cast<int>(entities.size()), entities.size() == 1 ? "entity" : "entities");
    if (damaged) std::printf(", %d damaged", damaged);
    std::printf(".\n");
    std::fflush(stdout);
    return damaged;
}

extern "C" void velloriaSetQueryLimits(const VelloriaQueryLimits* limits) {
    if (limits) SetQueryLimitOverrides(limits->timeLimitSeconds, limits->rowLimit);
}
