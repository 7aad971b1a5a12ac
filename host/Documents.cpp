#include "Documents.h"

#include <cstdio>
#include <filesystem>

#include "editor/Console.h"
#include "db/DbDatabase.h"
#include "dxf/DrawingIo.h"
#include "dxf/DwgFile.h"
#include "editor/EditorPrompts.h"
#include "FileCommands.h"
#include "win/HostPath.h"
#include "Session.h"
#include "editor/StatusBar.h"
#include "text/Utf8.h"

AcApDocument* CreateNewDocument() {
    // New drawings are named as CAD programs name them until they are saved.
    static int s_created = 0;
    auto document = std::make_unique<AcApDocument>(platform::NewDrawingDatabase(), CString());
    document->setDocTitle(CString(L"Drawing" + std::to_wstring(++s_created) + L".dxf"));
    return acDocManagerPtr()->addDocument(std::move(document));
}

std::string DrawingFilePath(const std::wstring& path) {
    std::error_code ec;
    const std::filesystem::path host(platform::ToHostPath(path));
    const std::filesystem::path full = std::filesystem::absolute(host, ec);
    return (ec ? host : full).lexically_normal().string();
}

bool IsDwgDrawing(const std::wstring& path) { return platform::dxf::IsDwgPath(DrawingFilePath(path)); }

std::wstring InPlaceSavePath(const std::wstring& path) {
    return IsDwgDrawing(path) ? platform::FromUtf8(platform::dxf::DxfPathFor(platform::ToUtf8(path))) : path;
}

namespace {

// The status bar's meter over a read or a write of a drawing (shown on a terminal once it
// has taken half a second).
class DrawingMeter {
public:
    explicit DrawingMeter(const std::wstring& label) { acedSetStatusBarProgressMeter(label.c_str(), 0, 100); }
    ~DrawingMeter() { acedRestoreStatusBar(); }
    DrawingMeter(const DrawingMeter&) = delete;
    DrawingMeter& operator=(const DrawingMeter&) = delete;
    platform::dxf::Progress Progress() const {
        return [](double fraction) { acedSetStatusBarProgressMeterPos(static_cast<int>(fraction * 100)); };
    }
};

std::wstring BaseName(const std::string& file) {
    const size_t slash = file.find_last_of('/');
    return platform::FromUtf8(slash == std::string::npos ? file : file.substr(slash + 1));
}

}  // namespace

AcApDocument* OpenDrawingDocument(const std::wstring& path, std::string* error, std::vector<std::string>* notes) {
    const std::string file = DrawingFilePath(path);
    platform::dxf::LoadedDrawing drawing = [&] {
        const DrawingMeter meter(L"Opening " + BaseName(file));
        // A drawing opened in the window is drawn at once, often from afar.
        return platform::dxf::LoadDrawing(file, meter.Progress(), {.sketches = DrawingsInTabs()});
    }();
    if (!drawing) {
        if (error) *error = drawing.error->Message();
        else platform::WriteOutput("\n" + drawing.error->Message() + "\n");
        return nullptr;
    }
    if (notes) *notes = std::move(drawing.notes);
    else
        for (const std::string& note : drawing.notes) {
            // A tool says it beside its errors; the command line, in its flow.
            if (error) std::fprintf(stderr, "velloria: %s.\n", note.c_str());
            else platform::WriteOutput("\n" + note + ".\n");
        }
    return acDocManagerPtr()->addDocument(std::make_unique<AcApDocument>(std::move(drawing.database), CString::FromUtf8(file)));
}

bool SaveDrawingDocument(AcApDocument* document, const std::wstring& path, std::string* error) {
    if (!document || !document->database()) return false;
    const std::string file = DrawingFilePath(path);
    std::optional<platform::dxf::DxfError> failure;
    {
        const DrawingMeter meter(L"Saving " + BaseName(file));
        failure = platform::dxf::SaveDrawing(*document->database(), file, meter.Progress());
    }
    if (failure) {
        if (error) *error = failure->Message();
        else platform::WriteOutput("\n" + failure->Message() + "\n");
        return false;
    }
    document->setFileName(CString::FromUtf8(file));
    return true;
}

void NotifyDrawingLoaded(AcApDocument* document) {
    if (document) Session().SendToModules(AcRx::kLoadDwgMsg, document);
}

namespace {

SaveQuestion& Question() {
    static SaveQuestion question;
    return question;
}

}  // namespace

void SetSaveQuestion(SaveQuestion question) { Question() = std::move(question); }

bool OfferToSave(AcApDocument* document) {
    if (!document || !document->database() || !document->database()->hasUnsavedChanges()) return true;
    if (Question()) {
        switch (Question()(std::wstring(document->docTitle()))) {
        case SaveAnswer::No: return true;
        case SaveAnswer::Cancel: return false;
        case SaveAnswer::Yes: return SaveDocumentAsked(document);
        }
    }
    const auto choice = AskKeyword(L"\nSave changes to " + std::wstring(document->docTitle()) + L"? [Yes/No/Cancel] <Yes>: ",
                                   L"Yes No Cancel", L"Yes");
    if (!choice || *choice == L"Cancel") return false;
    if (*choice == L"No") return true;
    return SaveDocumentAsked(document);
}

std::optional<std::wstring> AskKeyword(const std::wstring& prompt, const wchar_t* keywords, const std::wstring& byDefault) {
    for (;;) {
        wchar_t answer[16] = L"";
        acedInitGet(0, keywords);
        const int rc = acedGetKword(prompt.c_str(), answer);
        if (rc == RTCAN) {
            platform::WriteOutput(std::string_view("*Cancel*\n"));
            return std::nullopt;
        }
        if (rc == RTNONE) return byDefault;
        if (rc == RTNORM) return std::wstring(answer);
    }
}

namespace {

bool& InTabs() {
    static bool tabs = false;
    return tabs;
}

}  // namespace

void SetDrawingsInTabs(bool tabs) { InTabs() = tabs; }
bool DrawingsInTabs() { return InTabs(); }

AcApDocument* FindOpenDocument(const std::wstring& path) {
    const std::string file = DrawingFilePath(path);
    for (int i = 0; i < acDocManagerPtr()->documentCount(); ++i) {
        AcApDocument* document = acDocManagerPtr()->document(i);
        const std::wstring name = document->fileName();
        if (!name.empty() && DrawingFilePath(name) == file) return document;
    }
    return nullptr;
}

void CloseDocument(AcApDocument* document) {
    if (!document) return;
    Session().SendToModules(AcRx::kUnloadDwgMsg, document);
    acDocManagerPtr()->closeDocument(document);
}

std::vector<std::wstring> UnsavedDrawings() {
    std::vector<std::wstring> names;
    for (int i = 0; i < acDocManagerPtr()->documentCount(); ++i) {
        const AcApDocument* document = acDocManagerPtr()->document(i);
        if (document->database() && document->database()->hasUnsavedChanges()) names.emplace_back(document->docTitle());
    }
    return names;
}
