#include "ProgramFolder.h"

#include "text/Utf8.h"
#include "win/ModuleFile.h"

std::string BesideProgram(const char* file) {
    wchar_t exe[4096];
    const DWORD length = GetModuleFileNameW(nullptr, exe, 4096);
    const std::string path = platform::ToUtf8(std::wstring_view(exe, length));
    const size_t slash = path.find_last_of('/');
    return (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + file;
}
