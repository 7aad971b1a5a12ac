#include "sheets/WorkbookLibrary.h"

#include <dlfcn.h>

#include <map>
#include <mutex>

#include "posix/SharedLibrary.h"
#include "sheets/Workbook.h"

namespace platform::sheets {
namespace {

std::string FolderOfThisLibrary() {
    Dl_info info{};
    if (!::dladdr(reinterpret_cast<void*>(&OpenWorkbookFile), &info) || !info.dli_fname) return ".";
    const std::string self = info.dli_fname;
    const size_t slash = self.find_last_of('/');
    return slash == std::string::npos ? "." : self.substr(0, slash);
}

// The entry point of the library at path, loaded once; the import library keeps process-wide
// state, so it is never unloaded.
OpenWorkbookFn* EntryOf(const std::string& path) {
    static std::mutex mutex;
    static std::map<std::string, posix::SharedLibrary> loaded;
    const std::lock_guard lock(mutex);
    auto found = loaded.find(path);
    if (found == loaded.end()) {
        std::string error;
        std::optional<posix::SharedLibrary> library = posix::SharedLibrary::Open(path, &error, posix::SharedLibrary::Unload::Never);
        if (!library)
            throw UnreadableFile(std::string("Workbooks cannot be read: the workbook reader ") + kWorkbookLibrary + " cannot be loaded (" + error + ").");
        found = loaded.emplace(path, std::move(*library)).first;
    }
    auto* entry = found->second.Function<OpenWorkbookFn>(kWorkbookEntry);
    if (!entry)
        throw UnreadableFile(std::string("Workbooks cannot be read: ") + path + " is not the workbook reader " + kWorkbookLibrary + " of this program.");
    return entry;
}

}  // namespace

std::shared_ptr<access::TableSource> OpenWorkbookWith(const std::string& libraryPath, const std::string& hostPath, bool header) {
    std::shared_ptr<access::TableSource> source;
    EntryOf(libraryPath)(hostPath, header, &source);
    return source;
}

std::shared_ptr<access::TableSource> OpenWorkbookFile(const std::string& hostPath, bool header) {
    static const std::string path = FolderOfThisLibrary() + "/" + kWorkbookLibrary;
    return OpenWorkbookWith(path, hostPath, header);
}

}  // namespace platform::sheets
