#include "editor/EditorSelection.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <optional>
#include <memory>
#include <sstream>
#include <optional>
#include <string>
#include <utility>

#include "editor/Console.h"
#include "db/DbDatabase.h"
#include "db/DbSymbolTable.h"
#include "editor/EditorPrompts.h"
#include "editor/EntityList.h"
#include "editor/EntityNames.h"
#include "editor/PickFirst.h"
#include "editor/PromptInput.h"
#include "db/HostServices.h"
#include "editor/SelectionFilter.h"
#include "mfc/String.h"
#include "text/Utf8.h"
#include "mfc/WideFormat.h"

namespace {

// A set holds entity names, not ids: a set that outlives its drawing then names entities
// that no longer resolve, instead of pointing into freed memory.
struct Member {
    std::int64_t name[2];
    bool operator==(const Member& o) const { return name[0] == o.name[0] && name[1] == o.name[1]; }
};

struct SetRegistry {
    std::map<std::int64_t, std::vector<Member>> sets;
    std::int64_t next = 1;
};

SetRegistry& Sets() {
    static SetRegistry registry;
    return registry;
}

std::vector<Member>* Find(const ads_name ss) {
    if (!ss || ss[1] != platform::kSelectionSetTag) return nullptr;
    const auto it = Sets().sets.find(ss[0]);
    return it == Sets().sets.end() ? nullptr : &it->second;
}

const AcDbEntity* Entity(AcDbObjectId id) {
    if (id.isNull() || id.isErased()) return nullptr;
    return AcDbEntity::cast(id.stub()->object);
}

// Entities of a block, in order, that are not erased.
std::vector<AcDbObjectId> EntitiesOf(AcDbObjectId blockId) {
    std::vector<AcDbObjectId> ids;
    AcDbBlockTableRecord* block = nullptr;
    if (acdbOpenObject(block, blockId, AcDb::kForRead) != Acad::eOk) return ids;
    for (AcDbObjectId id : block->entityIds())
        if (!id.isErased()) ids.push_back(id);
    block->close();
    return ids;
}

// Entities of the current space inside (window) or touching (crossing) the rectangle.
std::vector<AcDbObjectId> InRectangle(AcDbDatabase* db, const double* a, const double* b, bool crossing) {
    const double x0 = std::min(a[0], b[0]), x1 = std::max(a[0], b[0]);
    const double y0 = std::min(a[1], b[1]), y1 = std::max(a[1], b[1]);
    std::vector<AcDbObjectId> ids;
    for (AcDbObjectId id : EntitiesOf(db->currentSpaceId())) {
        const AcDbEntity* ent = Entity(id);
        AcDbExtents e;
        if (!ent || ent->getGeomExtents(e) != Acad::eOk) continue;
        const bool inside = e.minPoint.x >= x0 && e.maxPoint.x <= x1 && e.minPoint.y >= y0 && e.maxPoint.y <= y1;
        const bool touching = e.maxPoint.x >= x0 && e.minPoint.x <= x1 && e.maxPoint.y >= y0 && e.minPoint.y <= y1;
        if (crossing ? touching : inside) ids.push_back(id);
    }
    return ids;
}

std::vector<AcDbObjectId> Filtered(const std::vector<AcDbObjectId>& ids, const platform::SelectionFilter* filter,
                                   size_t* rejected = nullptr) {
    std::vector<AcDbObjectId> kept;
    for (AcDbObjectId id : ids) {
        const AcDbEntity* ent = Entity(id);
        if (!ent) continue;
        if (!filter || filter->Matches(*ent)) kept.push_back(id);
        else if (rejected) ++*rejected;
    }
    return kept;
}

int Finish(std::vector<AcDbObjectId> ids, ads_name ss) {
    if (ids.empty()) return RTERROR;
    platform::NewSelectionSet(ids, ss);
    return RTNORM;
}

void Say(const std::wstring& text) { platform::WriteOutput(std::wstring_view(text)); }

// Two points "x1,y1 x2,y2" after a W or C.
bool ParseCorners(const std::string& rest, double a[3], double b[3]) {
    std::istringstream in(rest);
    std::string first, second, extra;
    if (!(in >> first >> second) || (in >> extra)) return false;
    return platform::ParsePoint(first.c_str(), a) && platform::ParsePoint(second.c_str(), b);
}

// The interactive selection: answers until an empty line; the first may be given already.
int Interactive(AcDbDatabase* db, const platform::SelectionFilter* filter, ads_name ss, std::optional<std::string> given = std::nullopt) {
    std::vector<AcDbObjectId> chosen;
    bool removing = false;
    platform::PromptRequest request;
    request.kind = platform::PromptKind::Selection;
    request.chosen = &chosen;
    const platform::ScopedPrompt selecting(request);
    while (true) {
        const auto read = given ? std::exchange(given, std::nullopt) : platform::ReadPromptedLine(removing ? L"Remove objects: " : L"Select objects: ");
        if (!read) return RTCAN;
        std::string line = *read;
        const size_t b = line.find_first_not_of(" \t");
        line = b == std::string::npos ? std::string() : line.substr(b, line.find_last_not_of(" \t") - b + 1);
        if (line == "^C") return RTCAN;
        if (line.empty()) break;

        std::string upper = line;
        for (auto& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        std::vector<AcDbObjectId> found;
        bool understood = true;
        double a[3], c2[3];
        if (upper == "R") {
            removing = true;
            continue;
        } else if (upper == "A") {
            removing = false;
            continue;
        } else if (upper == "ALL") {
            found = EntitiesOf(db->currentSpaceId());
        } else if (upper == "L") {
            if (!db->lastEntity().isNull()) found.push_back(db->lastEntity());
        } else if ((upper[0] == 'W' || upper[0] == 'C') && upper.size() > 1 && upper[1] == ' ') {
            understood = ParseCorners(line.substr(2), a, c2);
            if (understood) found = InRectangle(db, a, c2, upper[0] == 'C');
        } else if (upper == "W" || upper == "C") {
            // The corners asked for one by one.
            std::optional<std::string> first, second;
            {
                const platform::ScopedPrompt corner(platform::PromptKind::Point);
                first = platform::ReadPromptedLine(L"Specify first corner: ");
            }
            if (!first || *first == "^C") return RTCAN;
            {
                platform::PromptRequest opposite;
                opposite.kind = platform::PromptKind::Corner;
                opposite.hasBase = platform::ParsePoint(first->c_str(), opposite.base);
                const platform::ScopedPrompt corner(opposite);
                second = platform::ReadPromptedLine(L"Specify opposite corner: ");
            }
            if (!second || *second == "^C") return RTCAN;
            understood = platform::ParsePoint(first->c_str(), a) && platform::ParsePoint(second->c_str(), c2);
            if (understood) found = InRectangle(db, a, c2, upper == "C");
        } else if (platform::ParsePoint(line.c_str(), a)) {
            ads_name picked;
            AcDbObjectId id;
            if (platform::PickEntity(a, picked) && acdbGetObjectId(id, picked) == Acad::eOk) found.push_back(id);
        } else if (line[0] == '#') {
            std::istringstream words(line);
            std::string word;
            while (words >> word) {
                const AcDbHandle h(platform::FromUtf8(word.substr(1)).c_str());
                AcDbObjectId id;
                if (word[0] != '#' || h.isNull() || db->getAcDbObjectId(id, false, h) != Acad::eOk || !Entity(id)) {
                    understood = false;
                    break;
                }
                found.push_back(id);
            }
        } else {
            understood = false;
        }
        if (!understood) {
            Say(L"*Invalid selection*\nExpects a point or Window/Crossing/Last/ALL/Add/Remove, or handles such as #2A\n");
            continue;
        }
        size_t rejected = 0;
        const auto kept = Filtered(found, removing ? nullptr : filter, &rejected);
        size_t changed = 0;
        for (AcDbObjectId id : kept) {
            const auto at = std::find(chosen.begin(), chosen.end(), id);
            if (removing && at != chosen.end()) {
                chosen.erase(at);
                ++changed;
            } else if (!removing && at == chosen.end()) {
                chosen.push_back(id);
                ++changed;
            }
        }
        std::wstring report =
            removing ? platform::FormatWide(L"%d found, %d removed, %d total\n", static_cast<int>(found.size()),
                                            static_cast<int>(changed), static_cast<int>(chosen.size()))
                     : platform::FormatWide(L"%d found, %d total\n", static_cast<int>(found.size()), static_cast<int>(chosen.size()));
        if (rejected) report += platform::FormatWide(rejected == 1 ? L"%d was filtered out.\n" : L"%d were filtered out.\n", static_cast<int>(rejected));
        Say(report);
    }
    return Finish(std::move(chosen), ss);
}

}  // namespace

namespace platform {

bool IsSelectionSet(const ads_name ss) { return Find(ss) != nullptr; }

void NewSelectionSet(const std::vector<AcDbObjectId>& ids, ads_name ss) {
    std::vector<Member> members;
    members.reserve(ids.size());
    for (AcDbObjectId id : ids) {
        Member m{};
        if (acdbGetAdsName(m.name, id) == Acad::eOk) members.push_back(m);
    }
    const std::int64_t number = Sets().next++;
    Sets().sets.emplace(number, std::move(members));
    ss[0] = number;
    ss[1] = kSelectionSetTag;
}

size_t LiveSelectionSets() { return Sets().sets.size(); }

int SelectObjectsAfter(const std::string& firstAnswer, ads_name ss) {
    NameClear(ss);
    AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
    if (!db) return RTERROR;
    return Interactive(db, nullptr, ss, firstAnswer);
}

}  // namespace platform

int acedSSGet(const wchar_t* mode, const void* pt1, const void* pt2, const resbuf* filterList, ads_name ss) {
    platform::NameClear(ss);
    AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
    if (!db) return RTERROR;
    std::unique_ptr<platform::SelectionFilter> filter;
    if (filterList) {
        filter = platform::SelectionFilter::Parse(filterList);
        if (!filter) return RTERROR;
    }
    std::wstring m = mode ? mode : L"";
    if (!m.empty() && m[0] == L'_') m.erase(0, 1);
    for (auto& ch : m) ch = platform::ToUpperChar(ch);

    if (m.empty()) {
        // Objects picked before the command are its selection, as far as its filter takes them.
        if (const auto picked = Filtered(platform::TakePickFirst(), filter.get()); !picked.empty()) return Finish(picked, ss);
        return Interactive(db, filter.get(), ss);
    }
    // Everything: model space and the layouts, as LIST and the tools take the drawing's entities.
    if (m == L"X") return Finish(Filtered(platform::LayoutEntities(db), filter.get()), ss);
    if (m == L"L") {
        std::vector<AcDbObjectId> last;
        if (!db->lastEntity().isNull()) last.push_back(db->lastEntity());
        return Finish(Filtered(last, filter.get()), ss);
    }
    if ((m == L"W" || m == L"C") && pt1 && pt2)
        return Finish(Filtered(InRectangle(db, static_cast<const double*>(pt1), static_cast<const double*>(pt2), m == L"C"),
                               filter.get()),
                      ss);
    return RTERROR;
}

int acedSSLength(const ads_name ss, Adesk::Int32* length) {
    const auto* ids = Find(ss);
    if (!ids || !length) return RTERROR;
    *length = static_cast<Adesk::Int32>(ids->size());
    return RTNORM;
}

int acedSSName(const ads_name ss, Adesk::Int32 index, ads_name entity) {
    platform::NameClear(entity);
    const auto* ids = Find(ss);
    if (!ids || index < 0 || static_cast<size_t>(index) >= ids->size()) return RTERROR;
    platform::NameCopy(entity, (*ids)[static_cast<size_t>(index)].name);
    return RTNORM;
}

int acedSSAdd(const ads_name entity, const ads_name ss, ads_name result) {
    AcDbObjectId id;
    const bool withEntity = entity && !platform::NameIsNull(entity);
    if (withEntity && acdbGetObjectId(id, entity) != Acad::eOk) return RTERROR;
    const Member member{{withEntity ? entity[0] : 0, withEntity ? entity[1] : 0}};
    if (!ss || platform::NameIsNull(ss)) {
        std::vector<AcDbObjectId> ids;
        if (withEntity) ids.push_back(id);
        platform::NewSelectionSet(ids, result);
        return RTNORM;
    }
    auto* members = Find(ss);
    if (!members) return RTERROR;
    if (withEntity && std::find(members->begin(), members->end(), member) == members->end()) members->push_back(member);
    if (result != ss) platform::NameCopy(result, ss);
    return RTNORM;
}

int acedSSFree(const ads_name ss) {
    if (!Find(ss)) return RTERROR;
    Sets().sets.erase(ss[0]);
    return RTNORM;
}

int acedXformSS(const ads_name ss, ads_matrix matrix) {
    const auto* members = Find(ss);
    if (!members) return RTERROR;
    AcGeMatrix3d m;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) m.entry[r][c] = matrix[r][c];
    int result = RTNORM;
    for (const Member& member : *members) {
        AcDbObjectId id;
        AcDbEntity* ent = nullptr;
        if (acdbGetObjectId(id, member.name) != Acad::eOk || acdbOpenObject(ent, id, AcDb::kForWrite) != Acad::eOk) {
            result = RTERROR;
            continue;
        }
        if (ent->transformBy(m) != Acad::eOk) result = RTERROR;
        ent->close();
    }
    return result;
}
