// OPEN, SAVE, QSAVE and SAVEAS: drawings as DXF files.
#include <cwctype>

#include "Console.h"
#include "Documents.h"
#include "HostCommands.h"
#include "Utf8.h"

namespace {

// The answer to a file prompt without blanks or quotes; nothing when cancelled or empty.
std::optional<std::wstring> AskFileName(const wchar_t* prompt) {
    auto answer = platform::ReadPromptedLine(prompt);
    if (!answer || *answer == "^C") {
        platform::WriteOutput(std::string_view("*Cancel*\n"));
        return std::nullopt;
    }
    std::wstring text = platform::FromUtf8(*answer);
    while (!text.empty() && std::iswspace(text.back())) text.pop_back();
    while (!text.empty() && std::iswspace(text.front())) text.erase(text.begin());
    if (text.size() >= 2 && text.front() == L'"' && text.back() == L'"') text = text.substr(1, text.size() - 2);
    if (text.empty()) return std::nullopt;
    return text;
}

bool HasDxfExtension(const std::wstring& path) {
    if (path.size() < 4) return false;
    std::wstring tail = path.substr(path.size() - 4);
    for (wchar_t& c : tail) c = static_cast<wchar_t>(std::towlower(c));
    return tail == L".dxf";
}

void OpenCommand() {
    auto name = AskFileName(L"\nEnter name of drawing to open: ");
    if (!name) return;
    if (AcApDocument* document = OpenDrawingDocument(*name)) NotifyDrawingLoaded(document);
}

void SaveAs(AcApDocument* document) {
    auto name = AskFileName(L"\nEnter name of drawing to save: ");
    if (!name) return;
    if (!HasDxfExtension(*name)) *name += L".dxf";
    if (SaveDrawingDocument(document, *name))
        platform::WriteOutput(L"\nSaved " + std::wstring(document->fileName()) + L".\n");
}

void SaveAsCommand() {
    AcApDocument* document = acDocManagerPtr()->curDocument();
    if (!document) return;
    SaveAs(document);
}

// SAVE and QSAVE: to the drawing's own file; a drawing never saved asks for a name.
void SaveCommand() {
    AcApDocument* document = acDocManagerPtr()->curDocument();
    if (!document) return;
    const std::wstring path = document->fileName();
    if (path.empty()) {
        SaveAs(document);
        return;
    }
    if (SaveDrawingDocument(document, path)) platform::WriteOutput(L"\nSaved " + path + L".\n");
}

HostCommandRegistration s_open(L"OPEN", &OpenCommand);
HostCommandRegistration s_save(L"SAVE", &SaveCommand);
HostCommandRegistration s_qsave(L"QSAVE", &SaveCommand);
HostCommandRegistration s_saveas(L"SAVEAS", &SaveAsCommand);

}  // namespace
