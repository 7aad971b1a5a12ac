// OPEN, SAVE, QSAVE and SAVEAS: drawings as DXF files. A DWG drawing opens as any other and is
// saved as DXF: nothing writes DWG.
#include <cwctype>
#include <filesystem>
#include <string>

#include "editor/Console.h"
#include "Documents.h"
#include "dxf/DwgFile.h"
#include "FileCommands.h"
#include "HostCommands.h"
#include "SaveSettings.h"
#include "text/Utf8.h"

namespace {

FileDialog& Dialog() {
    static FileDialog dialog;
    return dialog;
}

// The answer to a file prompt without blanks or quotes; nothing when cancelled, or when empty
// without a fallback.
std::optional<std::wstring> AskTypedFileName(const std::wstring& prompt, const std::wstring& fallback) {
    auto answer = platform::ReadPromptedLine(prompt.c_str());
    if (!answer || *answer == "^C") {
        platform::WriteOutput(std::string_view("*Cancel*\n"));
        return std::nullopt;
    }
    std::wstring text = platform::FromUtf8(*answer);
    while (!text.empty() && std::iswspace(text.back())) text.pop_back();
    while (!text.empty() && std::iswspace(text.front())) text.erase(text.begin());
    if (text.size() >= 2 && text.front() == L'"' && text.back() == L'"') text = text.substr(1, text.size() - 2);
    if (text.empty()) return fallback.empty() ? std::nullopt : std::optional(fallback);
    return text;
}

// The file name from the window's dialog where it is set, FILEDIA is on and a person runs the
// command; else typed at the prompt. offered is what the dialog shows first (and, typed, the
// name Enter takes when fallback is set).
// *confirmed tells that the dialog asked already about replacing the file it names.
std::optional<std::wstring> AskFileName(FileDialogKind kind, const std::wstring& prompt, const std::wstring& offered,
                                        const std::wstring& fallback = {}, bool* confirmed = nullptr) {
    if (confirmed) *confirmed = false;
    if (!Dialog() || !FileDialogsEnabled() || !platform::LastLineWasTyped()) return AskTypedFileName(prompt, fallback);
    platform::WriteOutput(std::wstring_view(prompt));
    auto chosen = Dialog()(kind, offered);
    if (!chosen) {
        platform::WriteOutput(std::string_view("*Cancel*\n"));
        return std::nullopt;
    }
    platform::WriteOutput(*chosen + L"\n");
    if (confirmed) *confirmed = true;
    return chosen;
}

// Where a document's dialog starts: its own file, or the working folder for a new drawing.
std::wstring OfferedFor(const AcApDocument* document) { return document ? std::wstring(document->fileName()) : std::wstring(); }

bool HasExtension(const std::wstring& path, const wchar_t* extension) {
    if (path.size() < 4) return false;
    std::wstring tail = path.substr(path.size() - 4);
    for (wchar_t& c : tail) c = static_cast<wchar_t>(std::towlower(c));
    return tail == extension;
}

// Whether the document's own file is a DWG drawing, which is never written over.
bool ReadFromDwg(const AcApDocument* document) {
    const std::wstring path = document->fileName();
    return !path.empty() && IsDwgDrawing(path);
}

// The console holds one drawing at a time, as a CAD program's console does: OPEN and NEW
// replace it, after offering to save its changes. A drawing that fails to load replaces
// nothing.
void ReplaceCurrent(AcApDocument* replacement) {
    AcApDocument* previous = nullptr;
    for (int i = 0; i < acDocManagerPtr()->documentCount(); ++i)
        if (acDocManagerPtr()->document(i) != replacement) previous = acDocManagerPtr()->document(i);
    if (previous) CloseDocument(previous);
    acDocManagerPtr()->setCurDocument(replacement);
    NotifyDrawingLoaded(replacement);
}

// In the window each drawing has its tab: OPEN and NEW add one and leave the others open.
void AddCurrent(AcApDocument* added) {
    acDocManagerPtr()->setCurDocument(added);
    NotifyDrawingLoaded(added);
}

void OpenCommand() {
    auto name = AskFileName(FileDialogKind::Open, L"\nEnter name of drawing to open: ", OfferedFor(acDocManagerPtr()->curDocument()));
    if (!name) return;
    if (DrawingsInTabs()) {
        // A drawing open already is shown, not read a second time beside its changes.
        if (AcApDocument* open = FindOpenDocument(*name)) {
            acDocManagerPtr()->setCurDocument(open);
            platform::WriteOutput(L"\n" + std::wstring(open->docTitle()) + L" is open already.\n");
            return;
        }
        if (AcApDocument* document = OpenDrawingDocument(*name)) AddCurrent(document);
        return;
    }
    if (!OfferToSave(acDocManagerPtr()->curDocument())) return;
    if (AcApDocument* document = OpenDrawingDocument(*name)) ReplaceCurrent(document);
}

void NewCommand() {
    if (DrawingsInTabs()) {
        AddCurrent(CreateNewDocument());
        return;
    }
    if (!OfferToSave(acDocManagerPtr()->curDocument())) return;
    ReplaceCurrent(CreateNewDocument());
}

// Whether the drawing may be saved as `name`: yes when no other file has that name, else
// what the user answers to the CAD program's question (No by default; a script answers it as
// it answers any prompt).
bool MayReplace(AcApDocument* document, const std::wstring& name) {
    std::error_code ec;
    const std::filesystem::path target(DrawingFilePath(name));
    if (!std::filesystem::exists(target, ec)) return true;
    // Saving a drawing as its own file is a save.
    const std::wstring own = document->fileName();
    if (!own.empty() && std::filesystem::equivalent(target, DrawingFilePath(own), ec)) return true;
    return AskKeyword(L"\n" + name + L" already exists. Replace it? [Yes/No] <No>: ", L"Yes No", L"No") == L"Yes";
}

void SaveAs(AcApDocument* document, bool* saved = nullptr) {
    // A drawing read from a DWG file offers the DXF beside it.
    std::wstring offered;
    if (ReadFromDwg(document)) offered = InPlaceSavePath(std::wstring(document->fileName()));
    bool confirmed = false;
    auto name = AskFileName(FileDialogKind::Save,
                            offered.empty() ? L"\nEnter name of drawing to save: " : L"\nEnter name of drawing to save <" + offered + L">: ",
                            offered.empty() ? OfferedFor(document) : offered, offered, &confirmed);
    if (!name) return;
    const std::wstring answered = *name;
    if (HasExtension(*name, L".dwg")) {
        *name = platform::FromUtf8(platform::dxf::DxfPathFor(platform::ToUtf8(*name)));
        platform::WriteOutput(L"\nDrawings are saved as DXF, never as DWG: the name is " + *name + L".");
    } else if (!HasExtension(*name, L".dxf")) {
        *name += L".dxf";
    }
    // The dialog asked already about the file it named; a name changed since is asked about here.
    if (!(confirmed && *name == answered) && !MayReplace(document, *name)) return;
    if (SaveDrawingDocument(document, *name)) {
        platform::WriteOutput(L"\nSaved " + std::wstring(document->fileName()) + L".\n");
        if (saved) *saved = true;
    }
}

void SaveAsCommand() {
    AcApDocument* document = acDocManagerPtr()->curDocument();
    if (!document) return;
    SaveAs(document);
}

// SAVE and QSAVE: to the drawing's own file; a drawing never saved, or read from a DWG file,
// asks for a name.
void SaveCommand() { SaveDocumentAsked(acDocManagerPtr()->curDocument()); }

HostCommandRegistration s_new(L"NEW", &NewCommand);
HostCommandRegistration s_open(L"OPEN", &OpenCommand);
HostCommandRegistration s_save(L"SAVE", &SaveCommand);
HostCommandRegistration s_qsave(L"QSAVE", &SaveCommand);
HostCommandRegistration s_saveas(L"SAVEAS", &SaveAsCommand);

}  // namespace

bool SaveDocumentAsked(AcApDocument* document) {
    if (!document) return false;
    const std::wstring path = document->fileName();
    if (path.empty() || ReadFromDwg(document)) {
        if (!path.empty())
            platform::WriteOutput(L"\n" + std::wstring(document->docTitle()) + L" was read from a DWG file; it is saved as DXF.");
        bool saved = false;
        SaveAs(document, &saved);
        return saved;
    }
    if (!SaveDrawingDocument(document, path)) return false;
    platform::WriteOutput(L"\nSaved " + path + L".\n");
    return true;
}

void SetFileDialog(FileDialog dialog) { Dialog() = std::move(dialog); }
