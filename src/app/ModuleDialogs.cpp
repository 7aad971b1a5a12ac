#include "app/ModuleDialogs.h"

#include <optional>
#include <string>

#include "app/VelloriaApp.h"
#include "editor/Print.h"
#include "posix/SharedLibrary.h"
#include "text/Utf8.h"
#include "win/ModuleFile.h"

// Defined only where the dialogs are linked into the program itself; the module leaves it out,
// so the reference stays null there.
extern "C" const CDialogTable* VelloriaDialogTable() __attribute__((weak));

namespace {

constexpr const char* kDialogLibrary = "VelloriaDialogs.so";

struct CLoadedDialogs {
    std::optional<platform::posix::SharedLibrary> library;
    const CDialogTable* pTable = nullptr;
};

CLoadedDialogs& loadedDialogs() {
    static CLoadedDialogs loaded;
    return loaded;
}

// The dialog library lies beside the module.
std::string dialogLibraryPath() {
    wchar_t szPath[MAX_PATH] = L"";
    const DWORD nLength = ::GetModuleFileNameW(_hdllInstance, szPath, MAX_PATH);
    std::string path = platform::ToUtf8(std::wstring_view(szPath, nLength));
    const size_t slash = path.find_last_of('/');
    return (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + kDialogLibrary;
}

}  // namespace

const CDialogTable* ModuleDialogs() {
    if (VelloriaDialogTable) return VelloriaDialogTable();
    CLoadedDialogs& loaded = loadedDialogs();
    if (loaded.pTable) return loaded.pTable;
    const std::string path = dialogLibraryPath();
    std::string error;
    std::optional<platform::posix::SharedLibrary> library = platform::posix::SharedLibrary::Open(path, &error);
    if (!library) {
        acutPrintf(L"\nThe dialogs cannot be shown: %s", platform::FromUtf8(error).c_str());
        return nullptr;
    }
    auto* pfnTable = library->Function<const CDialogTable*()>(VELLORIA_DIALOG_TABLE_SYMBOL);
    const CDialogTable* pTable = pfnTable ? pfnTable() : nullptr;
    if (!pTable || pTable->nVersion != kDialogTableVersion) {
        acutPrintf(L"\nThe dialogs cannot be shown: %s is not the dialog library of this module.", platform::FromUtf8(path).c_str());
        return nullptr;
    }
    loaded.library = std::move(library);
    loaded.pTable = pTable;
    return pTable;
}

void ReleaseModuleDialogs() {
    CLoadedDialogs& loaded = loadedDialogs();
    loaded.pTable = nullptr;
    loaded.library.reset();
}
