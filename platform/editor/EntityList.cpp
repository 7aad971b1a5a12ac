#include "editor/EntityList.h"

#include <cwctype>

#include "editor/Console.h"
#include "db/DbDatabase.h"
#include "db/DbSymbolTable.h"
#include "db/ListFormat.h"
#include "mfc/String.h"

namespace platform {

namespace {

std::wstring Item(const AcDbXDataItem& item) {
    std::wstring value;
    const short c = item.code;
    if ((c >= 1000 && c <= 1003) || c == 1005) value = L"\"" + item.text + L"\"";
    else if (c == 1004) value = std::to_wstring(item.bytes.size()) + L" bytes";
    else if (c >= 1010 && c <= 1013) value = L"(" + ListNumber(item.values[0]) + L"," + ListNumber(item.values[1]) + L"," + ListNumber(item.values[2]) + L")";
    else if (c >= 1040 && c <= 1042) value = ListNumber(item.values[0]);
    else value = std::to_wstring(item.number);
    return L"(" + std::to_wstring(c) + L") " + value;
}

// Extended data that an application names as a password is listed masked: listings end up
// in mails, logs and tickets.
bool IsSecretApp(const std::wstring& app) {
    std::wstring lower = app;
    for (auto& c : lower) c = static_cast<wchar_t>(std::towlower(c));
    return lower.find(L"password") != std::wstring::npos || lower == L"pwd";
}

std::wstring SpaceName(const AcDbEntity& ent, AcDbDatabase* db) {
    if (ent.ownerId() == db->modelSpaceId()) return L"Model space";
    if (const auto* block = AcDbBlockTableRecord::cast(ent.ownerId().isNull() ? nullptr : ent.ownerId().stub()->object))
        return block->isLayout() ? std::wstring(L"Paper space ") + block->getName() : std::wstring(L"Block ") + block->getName();
    return L"";
}

}  // namespace

std::wstring DescribeEntity(AcDbObjectId id) {
    AcDbEntity* ent = nullptr;
    if (acdbOpenObject(ent, id, AcDb::kForRead) != Acad::eOk) return {};
    std::wstring text = std::wstring(ent->entityTypeName()) + L"  Layer: \"" + ent->layer() + L"\"  Space: " +
                        SpaceName(*ent, id.database()) + L"  Handle = " + id.handle().text() + L"\n";
    ent->listDetails(text);
    for (const auto& app : ent->xDataApps()) {
        text += L"  Xdata \"" + app.app + L"\":";
        for (const auto& item : app.items) {
            const bool masked = IsSecretApp(app.app) && item.code >= 1000 && item.code <= 1003 && !item.text.empty();
            text += L" " + (masked ? L"(" + std::to_wstring(item.code) + L") \"***\"" : Item(item));
        }
        text += L"\n";
    }
    ent->close();
    return text;
}

std::vector<AcDbObjectId> LayoutEntities(AcDbDatabase* db) {
    std::vector<AcDbObjectId> spaces{db->modelSpaceId()};
    AcDbBlockTable* table = nullptr;
    if (db->getBlockTable(table, AcDb::kForRead) == Acad::eOk) {
        for (AcDbObjectId id : table->recordIds()) {
            const auto* block = AcDbBlockTableRecord::cast(id.stub()->object);
            if (id != db->modelSpaceId() && block && block->isLayout()) spaces.push_back(id);
        }
        table->close();
    }
    std::vector<AcDbObjectId> entities;
    for (AcDbObjectId spaceId : spaces) {
        AcDbBlockTableRecord* space = nullptr;
        if (acdbOpenObject(space, spaceId, AcDb::kForRead) != Acad::eOk) continue;
        for (AcDbObjectId id : space->entityIds())
            if (!id.isErased()) entities.push_back(id);
        space->close();
    }
    return entities;
}

int ListEntities(AcDbDatabase* db) {
    if (!db) return 0;
    int listed = 0;
    for (AcDbObjectId id : LayoutEntities(db)) {
        const std::wstring text = DescribeEntity(id);
        if (text.empty()) continue;
        WriteOutput(std::wstring_view(L"\n" + text));
        ++listed;
    }
    if (listed == 0) WriteOutput(std::string_view("\nNo entities.\n"));
    return listed;
}

}  // namespace platform
