#include "Documents.h"

#include "Console.h"
#include "DbDatabase.h"
#include "Session.h"

AcApDocument* CreateNewDocument() {
    return acDocManagerPtr()->addDocument(std::make_unique<AcApDocument>(platform::NewDrawingDatabase(), CString()));
}

AcApDocument* OpenDrawingDocument(const std::wstring& path) {
    platform::WriteOutput(L"\nOpening drawing files is not available yet: " + path + L" was not opened.\n");
    return nullptr;
}

void NotifyDrawingLoaded(AcApDocument* document) {
    if (document) Session().SendToModules(AcRx::kLoadDwgMsg, document);
}
