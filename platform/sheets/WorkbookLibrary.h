#pragma once
// The workbook reader is a library of its own (libvelloria_workbooks.so, beside the host
// library), loaded when the first workbook is opened: the import library it stands on builds
// large tables when it is loaded, which a run that reads no workbook should not pay for.
#include <memory>
#include <string>

#include "access/TableSource.h"

namespace platform::sheets {

// The file name of the reader library, as the error of a missing one names it.
inline constexpr const char* kWorkbookLibrary = "libvelloria_workbooks.so";
// The one function the library exports; it throws UnreadableFile as OpenWorkbook does.
inline constexpr const char* kWorkbookEntry = "velloriaOpenWorkbook";
using OpenWorkbookFn = void(const std::string& hostPath, bool header, std::shared_ptr<access::TableSource>* result);

// The workbook at hostPath read by the reader library beside the host library; throws
// UnreadableFile, also when that library cannot be loaded (naming it and the loader's reason).
std::shared_ptr<access::TableSource> OpenWorkbookFile(const std::string& hostPath, bool header);
// The same through the library at libraryPath, which stays loaded until the process ends.
std::shared_ptr<access::TableSource> OpenWorkbookWith(const std::string& libraryPath, const std::string& hostPath, bool header);

}  // namespace platform::sheets
