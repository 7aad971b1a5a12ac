// `velloria links DRAWING` and `velloria update DRAWING [-o OUT]`: linked tables without the
// command line, for people and nightly jobs.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "DbDatabase.h"
#include "DbSymbolTable.h"
#include "Documents.h"
#include "DrawingIo.h"
#include "ModuleLoader.h"
#include "String.h"
#include "Subcommands.h"
#include "ToolEntryPoints.h"
#include "Utf8.h"

namespace {

// The extended data applications of a link record, as the module stores it.
constexpr const wchar_t* kLayoutApp = L"4E679C82-0FD2-43e8-8D7F-465BF47E479F";

const AcDbXDataApp* FindApp(const AcDbObject& object, const wchar_t* name) {
    for (const AcDbXDataApp& app : object.xDataApps())
        if (platform::CompareNoCase(app.app, name) == 0) return &app;
    return nullptr;
}

// The one string of a string application, or "".
std::string StringApp(const AcDbObject& object, const wchar_t* name) {
    const AcDbXDataApp* app = FindApp(object, name);
    return app && !app->items.empty() ? platform::ToUtf8(app->items.front().text) : std::string();
}

// The report of one linked entity; empty for an entity without a link record.
std::string DescribeLink(const AcDbEntity& entity) {
    const AcDbXDataApp* layout = FindApp(entity, kLayoutApp);
    if (!layout) return {};
    auto item = [&](size_t index, short code) -> const AcDbXDataItem* {
        return index < layout->items.size() && layout->items[index].code == code ? &layout->items[index] : nullptr;
    };
    auto number = [&](size_t index, short code) {
        const AcDbXDataItem* i = item(index, code);
        return i ? std::to_string(i->number) : std::string("?");
    };
    auto text = [&](size_t index) {
        const AcDbXDataItem* i = item(index, 1000);
        return i ? platform::ToUtf8(i->text) : std::string("?");
    };
    std::string out = platform::ToUtf8(entity.handle().text()) + "  " + platform::ToUtf8(entity.entityTypeName()) + "\n";
    out += "    driver:   " + StringApp(entity, L"Connect_Driver") + "\n";
    out += "    database: " + StringApp(entity, L"Database") + "\n";
    const std::string sql = StringApp(entity, L"SQL");
    if (sql.empty()) out += "    table:    " + StringApp(entity, L"Table") + "\n";
    else out += "    sql:      " + sql + "\n";
    if (const std::string user = StringApp(entity, L"User"); !user.empty()) out += "    user:     " + user + "\n";
    out += "    header:   " + number(1, 1070) + "   start cell: row " + number(2, 1070) + ", column " + number(3, 1070) +
           "   stored: " + number(6, 1071) + " x " + number(7, 1071) + "\n";
    out += "    headings: " + text(4) + "\n";
    out += "    widths:   " + text(5) + "\n";
    return out;
}

int Links(const std::vector<std::string>& args) {
    if (args.size() != 1 || args[0].empty() || args[0][0] == '-') {
        std::fputs("usage: velloria links DRAWING\n", stderr);
        return 2;
    }
    platform::dxf::LoadedDrawing drawing = platform::dxf::LoadDrawing(DrawingFilePath(platform::FromUtf8(args[0])));
    if (!drawing) {
        std::fprintf(stderr, "velloria links: %s\n", drawing.error->Message().c_str());
        return 1;
    }
    AcDbBlockTable* blocks = nullptr;
    if (drawing.database->getBlockTable(blocks, AcDb::kForRead) != Acad::eOk) return 1;
    const std::vector<AcDbObjectId> records = blocks->recordIds();
    blocks->close();
    int count = 0;
    for (AcDbObjectId recordId : records) {
        AcDbObjectPointer<AcDbBlockTableRecord> record(recordId, AcDb::kForRead);
        if (!record) continue;
        for (AcDbObjectId id : record->entityIds()) {
            AcDbObjectPointer<AcDbEntity> entity(id, AcDb::kForRead);
            if (!entity) continue;
            const std::string text = DescribeLink(*entity.object());
            if (text.empty()) continue;
            std::fputs(text.c_str(), stdout);
            ++count;
        }
    }
    std::printf("%d linked %s.\n", count, count == 1 ? "entity" : "entities");
    return 0;
}

double Since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

int Update(const std::vector<std::string>& args) {
    std::string drawingPath, outPath;
    bool timing = false;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o" && i + 1 < args.size()) outPath = args[++i];
        else if (args[i] == "--timing") timing = true;
        else if (!args[i].empty() && args[i][0] != '-' && drawingPath.empty()) drawingPath = args[i];
        else drawingPath.clear(), i = args.size();
    }
    if (drawingPath.empty()) {
        std::fputs("usage: velloria update DRAWING [-o OUT] [--timing]\n", stderr);
        return 2;
    }
    const auto openStart = std::chrono::steady_clock::now();
    std::string error;
    AcApDocument* document = OpenDrawingDocument(platform::FromUtf8(drawingPath), &error);
    if (!document) {
        std::fprintf(stderr, "velloria update: %s\n", error.c_str());
        return 1;
    }
    const double openSeconds = Since(openStart);

    const auto moduleStart = std::chrono::steady_clock::now();
    auto module = LoadedModule::Load(DefaultModulePath());
    auto update = module ? reinterpret_cast<VelloriaUpdateFunc>(module->Symbol(kVelloriaUpdateSymbol)) : nullptr;
    if (!update) {
        std::fprintf(stderr, "velloria update: the module %s offers no table update\n", DefaultModulePath().c_str());
        acDocManagerPtr()->closeAll();
        return 1;
    }
    const double moduleSeconds = Since(moduleStart);
    VelloriaUpdateTotals totals;
    const auto updateStart = std::chrono::steady_clock::now();
    update(&totals);
    const double updateSeconds = Since(updateStart);

    const auto saveStart = std::chrono::steady_clock::now();
    const std::wstring target = platform::FromUtf8(outPath.empty() ? drawingPath : outPath);
    const bool saved = SaveDrawingDocument(document, target, &error);
    const double saveSeconds = Since(saveStart);
    const auto closeStart = std::chrono::steady_clock::now();
    // The process ends next, and the system takes the drawing's memory back at once.
    acDocManagerPtr()->abandonAll();
    const double closeSeconds = Since(closeStart);
    if (!saved) {
        std::fprintf(stderr, "velloria update: %s\n", error.c_str());
        return 1;
    }
    std::printf("%d linked tables: %d refreshed, %d not refreshed; saved %s\n", totals.tables, totals.refreshed,
                totals.failed, DrawingFilePath(target).c_str());
    if (timing)
        std::printf("times: open %.3f s, fetch %.3f s, fill %.3f s, other %.3f s, save %.3f s, module %.3f s, close %.3f s\n",
                    openSeconds, totals.fetchSeconds, totals.fillSeconds,
                    std::max(0.0, updateSeconds - totals.fetchSeconds - totals.fillSeconds), saveSeconds, moduleSeconds,
                    closeSeconds);
    return totals.failed == 0 ? 0 : 1;
}

SubcommandRegistration s_links("links", &Links, "links DRAWING");
SubcommandRegistration s_update("update", &Update, "update DRAWING [-o OUT] [--timing]");

}  // namespace
