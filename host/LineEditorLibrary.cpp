#include <cstdio>
#include <optional>

#include "LineEditor.h"
#include "ProgramFolder.h"
#include "posix/SharedLibrary.h"

namespace {

constexpr const char* kLineEditorLibrary = "libvelloria_lineeditor.so";

MakeLineEditorFn* LoadEntry() {
    // Readline keeps the terminal's state until the process ends: so does the library.
    static std::optional<platform::posix::SharedLibrary> library;
    const std::string path = BesideProgram(kLineEditorLibrary);
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
