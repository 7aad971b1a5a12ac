// Host commands that show or change the current drawing as a whole.
#include <sstream>

#include "db/DbDatabase.h"
#include "editor/Console.h"
#include "editor/EditorSelection.h"
#include "editor/EntityList.h"
#include "editor/EntityNames.h"
#include "runtime/DocManager.h"
#include "HostCommands.h"
#include "text/Utf8.h"

namespace {

std::string Trimmed(const std::string& text) {
    const size_t b = text.find_first_not_of(" \t");
    return b == std::string::npos ? std::string() : text.substr(b, text.find_last_not_of(" \t") - b + 1);
}

// The entities of an answer that names handles only ("#2A #2B"); nullopt for any other answer.
std::optional<std::vector<AcDbObjectId>> HandlesOf(AcDbDatabase* db, const std::string& answer) {
    std::istringstream words(answer);
    std::vector<AcDbObjectId> ids;
    for (std::string word; words >> word;) {
        if (word.size() < 2 || word[0] != '#') return std::nullopt;
        ids.emplace_back();
        const AcDbHandle handle(platform::FromUtf8(word.substr(1)).c_str());
        if (handle.isNull() || db->getAcDbObjectId(ids.back(), false, handle) != Acad::eOk || platform::DescribeEntity(ids.back()).empty()) {
            platform::WriteOutput("\nNo entity has the handle " + word.substr(1) + ".\n");
            return std::vector<AcDbObjectId>{};
        }
    }
    return ids;
}

void ListIds(const std::vector<AcDbObjectId>& ids) {
    for (AcDbObjectId id : ids) platform::WriteOutput(std::wstring_view(L"\n" + platform::DescribeEntity(id)));
}

// LIST: the entities chosen at "Select objects:" with their handles; tables with their cells,
// linked entities with their link record. Handles (LIST #2A) list at once; Enter alone lists
// every entity of the drawing.
void ListCommand() {
    AcApDocument* document = acDocManagerPtr()->curDocument();
    if (!document || !document->database()) {
        platform::WriteOutput(std::string_view("\nNo drawing is open.\n"));
        return;
    }
    AcDbDatabase* db = document->database();
    const auto first = platform::ReadPromptedLine(L"Select objects <all>: ");
    if (!first || *first == "^C") {
        platform::WriteOutput(std::string_view("*Cancel*\n"));
        return;
    }
    const std::string answer = Trimmed(*first);
    if (answer.empty()) {
        platform::ListEntities(db);
        return;
    }
    if (const auto handles = HandlesOf(db, answer)) {
        ListIds(*handles);
        return;
    }
    ads_name ss = {0, 0};
    const int result = platform::SelectObjectsAfter(answer, ss);
    if (result == RTCAN) platform::WriteOutput(std::string_view("*Cancel*\n"));
    if (result != RTNORM) return;
    Adesk::Int32 length = 0;
    acedSSLength(ss, &length);
    std::vector<AcDbObjectId> ids;
    for (Adesk::Int32 i = 0; i < length; ++i) {
        ads_name entity;
        AcDbObjectId id;
        if (acedSSName(ss, i, entity) == RTNORM && acdbGetObjectId(id, entity) == Acad::eOk) ids.push_back(id);
    }
    acedSSFree(ss);
    ListIds(ids);
}

HostCommandRegistration s_list(L"LIST", &ListCommand);

}  // namespace
