#include "editor/EditorPrompts.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <optional>
#include <string>
#include <vector>

#include "editor/Console.h"
#include "db/DbDatabase.h"
#include "db/DbSymbolTable.h"
#include "db/Geometry.h"
#include "editor/EditorSelection.h"
#include "editor/EntityNames.h"
#include "editor/PickFirst.h"
#include "editor/PromptInput.h"
#include "db/HostServices.h"
#include "mfc/String.h"
#include "text/Utf8.h"

namespace {

struct Keyword {
    std::wstring local;
    std::wstring global;
    size_t required;       // characters a typed beginning of the keyword needs
    std::wstring capitals;  // the abbreviation: the keyword's capital letters ("X" of "eXit")
};

// What acedInitGet set up for the next get call, and the last keyword answered.
struct EditorState {
    int flags = 0;
    std::vector<Keyword> keywords;
    std::wstring lastKeyword;
};

EditorState& State() {
    static EditorState state;
    return state;
}

// Takes the acedInitGet settings for one call, leaving none behind.
struct CallSettings {
    int flags;
    std::vector<Keyword> keywords;
    CallSettings() : flags(State().flags), keywords(std::move(State().keywords)) {
        State().flags = 0;
        State().keywords.clear();
    }
};

std::vector<Keyword> ParseKeywords(const wchar_t* list) {
    std::vector<std::wstring> local, global;
    bool inGlobal = false;
    std::wstring word;
    auto flush = [&] {
        if (word.empty()) return;
        (inGlobal ? global : local).push_back(word);
        word.clear();
    };
    for (const wchar_t* p = list ? list : L""; *p; ++p) {
        if (*p == L' ' || *p == L'\t' || *p == L',') {
            flush();
        } else if (*p == L'_' && word.empty() && !inGlobal) {
            inGlobal = true;
        } else {
            word.push_back(*p);
        }
    }
    flush();
    std::vector<Keyword> keywords;
    for (size_t i = 0; i < local.size(); ++i) {
        size_t upper = 0;
        for (wchar_t ch : local[i])
            if (ch != platform::ToLowerChar(ch)) ++upper;
        size_t required = 0;
        // The capitals mark the abbreviation: the keyword up to its last capital letter.
        for (size_t k = 0; k < local[i].size(); ++k)
            if (local[i][k] != platform::ToLowerChar(local[i][k])) required = k + 1;
        if (upper == 0 || upper == local[i].size()) required = local[i].size();
        std::wstring capitals;
        for (wchar_t ch : local[i])
            if (ch != platform::ToLowerChar(ch)) capitals.push_back(ch);
        keywords.push_back(Keyword{local[i], i < global.size() ? global[i] : local[i], required, capitals});
    }
    return keywords;
}

// The global keyword the answer names, if any.
std::optional<std::wstring> MatchKeyword(const std::vector<Keyword>& keywords, std::wstring answer) {
    if (answer.empty()) return std::nullopt;
    const bool wantGlobal = answer[0] == L'_';
    if (wantGlobal) answer.erase(0, 1);
    for (const auto& k : keywords) {
        const std::wstring& name = wantGlobal ? k.global : k.local;
        if (platform::CompareNoCase(answer, name) == 0) return k.global;
        if (!wantGlobal && !k.capitals.empty() && platform::CompareNoCase(answer, k.capitals) == 0) return k.global;
        if (!wantGlobal && answer.size() >= k.required && answer.size() <= name.size() &&
            platform::CompareNoCase(answer, std::wstring_view(name).substr(0, answer.size())) == 0)
            return k.global;
    }
    return std::nullopt;
}

std::string Trimmed(const std::string& line) {
    const size_t b = line.find_first_not_of(" \t");
    if (b == std::string::npos) return {};
    const size_t e = line.find_last_not_of(" \t");
    return line.substr(b, e - b + 1);
}

enum class Answer { Line, Cancel };

// Reads one answer; Cancel for "^C" or the end of input.
Answer Read(const wchar_t* prompt, std::string& line) {
    const auto read = platform::ReadPromptedLine(prompt ? prompt : L"");
    if (!read) return Answer::Cancel;
    line = Trimmed(*read);
    if (line == "^C") return Answer::Cancel;
    return Answer::Line;
}

void Say(const wchar_t* text) { platform::WriteOutput(std::wstring_view(text)); }

// Parses a handle "#2A" into an entity name of the working database.
bool ParseHandle(const std::string& word, ads_name entity) {
    if (word.size() < 2 || word[0] != '#') return false;
    const AcDbHandle handle(platform::FromUtf8(word.substr(1)).c_str());
    AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
    if (handle.isNull() || !db) return false;
    AcDbObjectId id;
    if (db->getAcDbObjectId(id, false, handle) != Acad::eOk || id.isErased()) return false;
    AcDbObject* obj = id.stub()->object;
    if (!obj || !obj->isKindOf(AcDbEntity::desc())) return false;
    return acdbGetAdsName(entity, id) == Acad::eOk;
}

void CopyOut(const std::wstring& text, wchar_t* result, size_t size) {
    if (!result || size == 0) return;
    const size_t n = std::min(text.size(), size - 1);
    std::wmemcpy(result, text.c_str(), n);
    result[n] = L'\0';
}

}  // namespace

namespace platform {

bool ParsePoint(const char* text, double point[3]) {
    double values[3] = {0, 0, 0};
    int count = 0;
    const char* p = text;
    while (true) {
        while (*p == ' ' || *p == '\t') ++p;
        char* end = nullptr;
        const double v = std::strtod(p, &end);
        // A point no drawing reaches is no point (an infinity, or past the largest coordinate).
        if (end == p || count == 3 || !platform::IsDrawingValue(v)) return false;
        values[count++] = v;
        p = end;
        while (*p == ' ' || *p == '\t') ++p;
        if (*p == '\0') break;
        if (*p != ',') return false;
        ++p;
    }
    if (count < 2) return false;
    for (int i = 0; i < 3; ++i) point[i] = values[i];
    return true;
}

bool PickEntity(const double point[3], ads_name entity) {
    NameClear(entity);
    AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
    if (!db) return false;
    AcDbBlockTableRecord* space = nullptr;
    if (acdbOpenObject(space, db->currentSpaceId(), AcDb::kForRead) != Acad::eOk) return false;
    const std::vector<AcDbObjectId> ids = space->entityIds();
    space->close();
    const AcGePoint3d at(point[0], point[1], point[2]);
    constexpr double kAperture = 1e-3;
    for (auto it = ids.rbegin(); it != ids.rend(); ++it) {
        if (it->isErased()) continue;
        const AcDbObject* obj = it->stub()->object;
        const auto* ent = AcDbEntity::cast(obj);
        if (ent && ent->isPickedAt(at, kAperture)) return acdbGetAdsName(entity, *it) == Acad::eOk;
    }
    return false;
}

}  // namespace platform

int acedInitGet(int flags, const wchar_t* keywords) {
    State().flags = flags;
    State().keywords = ParseKeywords(keywords);
    return RTNORM;
}

int acedGetInput(wchar_t* result, size_t size) {
    if (State().lastKeyword.empty()) return RTERROR;
    CopyOut(State().lastKeyword, result, size);
    return RTNORM;
}

int acedGetKword(const wchar_t* prompt, wchar_t* result, size_t size) {
    const CallSettings settings;
    if (result && size) result[0] = L'\0';
    std::string line;
    while (Read(prompt, line) == Answer::Line) {
        if (line.empty()) {
            if (settings.flags & RSG_NONULL) continue;
            return RTNONE;
        }
        if (const auto k = MatchKeyword(settings.keywords, platform::FromUtf8(line))) {
            State().lastKeyword = *k;
            CopyOut(*k, result, size);
            return RTNORM;
        }
        Say(L"\nInvalid option keyword.\n");
    }
    return RTCAN;
}

namespace {

int GetPoint(platform::PromptKind kind, const ads_point base, const wchar_t* prompt, ads_point result) {
    const CallSettings settings;
    platform::PromptRequest request;
    request.kind = kind;
    if (base) {
        request.hasBase = true;
        for (int i = 0; i < 3; ++i) request.base[i] = base[i];
    }
    const platform::ScopedPrompt reading(request);
    std::string line;
    while (Read(prompt, line) == Answer::Line) {
        if (line.empty()) {
            if (settings.flags & RSG_NONULL) continue;
            return RTNONE;
        }
        double p[3];
        const bool relative = line[0] == '@' && base;
        if (platform::ParsePoint(relative ? line.c_str() + 1 : line.c_str(), p)) {
            double at[3];
            for (int i = 0; i < 3; ++i) at[i] = p[i] + (relative ? base[i] : 0.0);
            if (platform::IsDrawingPoint(AcGePoint3d(at[0], at[1], at[2]))) {
                for (int i = 0; i < 3; ++i) result[i] = at[i];
                return RTNORM;
            }
        }
        if (const auto k = MatchKeyword(settings.keywords, platform::FromUtf8(line))) {
            State().lastKeyword = *k;
            return RTKWORD;
        }
        Say(L"\nInvalid point.\n");
    }
    return RTCAN;
}

}  // namespace

int acedGetPoint(const ads_point base, const wchar_t* prompt, ads_point result) {
    return GetPoint(platform::PromptKind::Point, base, prompt, result);
}

int acedGetCorner(const ads_point base, const wchar_t* prompt, ads_point result) {
    return GetPoint(platform::PromptKind::Corner, base, prompt, result);
}

int acedEntSel(const wchar_t* prompt, ads_name entity, ads_point point) {
    const CallSettings settings;
    platform::NameClear(entity);
    // One object picked before the command is the object asked for.
    if (const auto picked = platform::PickFirst(); picked.size() == 1) {
        platform::ClearPickFirst();
        if (acdbGetAdsName(entity, picked.front()) == Acad::eOk) {
            AcDbExtents ext;
            const auto* ent = AcDbEntity::cast(picked.front().stub()->object);
            const AcGePoint3d at = ent && ent->getGeomExtents(ext) == Acad::eOk ? ext.minPoint : AcGePoint3d::kOrigin;
            point[0] = at.x, point[1] = at.y, point[2] = at.z;
            return RTNORM;
        }
    }
    const platform::ScopedPrompt reading(platform::PromptKind::Entity);
    std::string line;
    while (Read(prompt ? prompt : L"\nSelect object: ", line) == Answer::Line) {
        if (line.empty()) return RTERROR;
        double p[3];
        if (platform::ParsePoint(line.c_str(), p)) {
            for (int i = 0; i < 3; ++i) point[i] = p[i];
            return platform::PickEntity(p, entity) ? RTNORM : RTERROR;
        }
        if (ParseHandle(line, entity)) {
            AcDbObjectId id;
            acdbGetObjectId(id, entity);
            AcDbExtents ext;
            const auto* ent = AcDbEntity::cast(id.stub()->object);
            const AcGePoint3d at = ent && ent->getGeomExtents(ext) == Acad::eOk ? ext.minPoint : AcGePoint3d::kOrigin;
            point[0] = at.x;
            point[1] = at.y;
            point[2] = at.z;
            return RTNORM;
        }
        if (const auto k = MatchKeyword(settings.keywords, platform::FromUtf8(line))) {
            State().lastKeyword = *k;
            return RTKWORD;
        }
        Say(L"\n*Invalid selection*\n");
    }
    return RTCAN;
}

int acedDragGen(const ads_name ss, const wchar_t* prompt, int, int (*callback)(ads_point, ads_matrix), ads_point result) {
    const CallSettings settings;
    if (!platform::IsSelectionSet(ss)) return RTERROR;
    platform::PromptRequest request;
    request.kind = platform::PromptKind::Drag;
    platform::NameCopy(request.dragSet, ss);
    request.dragCallback = callback;
    const platform::ScopedPrompt reading(request);
    std::string line;
    while (Read(prompt, line) == Answer::Line) {
        if (line.empty()) {
            if (settings.flags & RSG_NONULL) continue;
            return RTNONE;
        }
        double p[3];
        if (platform::ParsePoint(line.c_str(), p)) {
            if (callback) {
                ads_matrix m;
                callback(p, m);
            }
            for (int i = 0; i < 3; ++i) result[i] = p[i];
            return RTNORM;
        }
        if (const auto k = MatchKeyword(settings.keywords, platform::FromUtf8(line))) {
            State().lastKeyword = *k;
            return RTKWORD;
        }
        Say(L"\nInvalid point.\n");
    }
    return RTCAN;
}

int acdbUcs2Wcs(const ads_point from, ads_point to, bool) {
    for (int i = 0; i < 3; ++i) to[i] = from[i];
    return RTNORM;
}

int acedRedraw(const ads_name entity, int mode) {
    if (mode < 0 || mode > 4) return RTERROR;
    if (!entity || platform::NameIsNull(entity)) return RTNORM;
    AcDbObjectId id;
    return acdbGetObjectId(id, entity) == Acad::eOk ? RTNORM : RTERROR;
}
