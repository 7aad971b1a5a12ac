#include "Documents.h"

#include <filesystem>

#include "Console.h"
#include "DbDatabase.h"
#include "DrawingIo.h"
#include "HostPath.h"
#include "Session.h"
#include "Utf8.h"

AcApDocument* CreateNewDocument() {
    return acDocManagerPtr()->addDocument(std::make_unique<AcApDocument>(platform::NewDrawingDatabase(), CString()));
}

std::string DrawingFilePath(const std::wstring& path) {
    std::error_code ec;
    const std::filesystem::path host(platform::ToHostPath(path));
    const std::filesystem::path full = std::filesystem::absolute(host, ec);
    return (ec ? host : full).lexically_normal().string();
}

AcApDocument* OpenDrawingDocument(const std::wstring& path, std::string* error) {
    const std::string file = DrawingFilePath(path);
    platform::dxf::LoadedDrawing drawing = platform::dxf::LoadDrawing(file);
    if (!drawing) {
        if (error) *error = drawing.error->Message();
        else platform::WriteOutput("\n" + drawing.error->Message() + "\n");
        return nullptr;
    }
    return acDocManagerPtr()->addDocument(std::make_unique<AcApDocument>(std::move(drawing.database), CString::FromUtf8(file)));
}

bool SaveDrawingDocument(AcApDocument* document, const std::wstring& path, std::string* error) {
    if (!document || !document->database()) return false;
    const std::string file = DrawingFilePath(path);
    if (auto failure = platform::dxf::SaveDrawing(*document->database(), file)) {
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
