#include <cstdio>
#include <optional>

#include "LineEditor.h"
#include "posix/SharedLibrary.h"
#include "text/Utf8.h"
#include "win/ModuleFile.h"

namespace {

constexpr const char* kLineEditorLibrary = "libvelloria_lineeditor.so";

std::string LineEditorLibraryPath() {
    wchar_t exe[4096];
    const DWORD length = GetModuleFileNameW(nullptr, exe, 4096);
    std::string path = platform::ToUtf8(std::wstring_view(exe, length));
    const size_t slash = path.find_last_of('/');
    return (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + kLineEditorLibrary;
}

MakeLineEditorFn* LoadEntry() {
    // Readline keeps the terminal's state until the process ends: so does the library.
    static std::optional<platform::posix::SharedLibrary> library;
    const std::string path = LineEditorLibraryPath();
    std::string error;
    library = platform::posix::SharedLibrary::Open(path, &error, platform::posix::SharedLibrary::Unload::Never);
    if (!library) {
        std::fprintf(stderr, "velloria: line editing is not available (%s); lines are read as typed.\n", error.c_str());
        return nullptr;
    }
    auto* entry = library->Function<MakeLineEditorFn>(kLineEditorEntry);
    if (!entry) std::fprintf(stderr, "velloria: %s is not the line editor of this program; lines are read as typed.\n", path.c_str());
    return entry;
}

}  // namespace

std::unique_ptr<platform::LineSource> MakeLineEditor(CompletionWords words, std::string historyFile, std::string savedPrompt) {
    static MakeLineEditorFn* const entry = LoadEntry();
    if (!entry) return platform::MakeStdinSource();
    std::unique_ptr<platform::LineSource> editor;
    entry(std::move(words), std::move(historyFile), std::move(savedPrompt), &editor);
    return editor;
}
