#include "Startup.h"

#include <cstdio>
#include <filesystem>

#include "CommandLoop.h"
#include "editor/Commands.h"
#include "editor/Console.h"
#include "Documents.h"
#include "HostCommands.h"
#include "LineEditor.h"
#include "runtime/Menus.h"
#include "ModuleLoader.h"
#include "Session.h"
#include "GuiLibrary.h"
#include "text/Utf8.h"
#include "win/RegistryStore.h"

namespace {

constexpr const char* kCommandPrompt = "Command: ";

// Tab completes the names of the commands at the command prompt.
std::vector<std::string> CompletionsAt(std::string_view prompt) {
    if (prompt != kCommandPrompt) return {};
    return CommandNames();
}

// The lines typed at the terminal are kept beside the user's settings.
std::string HistoryFilePath() {
    const std::filesystem::path folder = std::filesystem::path(platform::RegistryFilePath()).parent_path();
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return error ? std::string() : (folder / "history").string();
}

}  // namespace

int RunInteractiveSession(const SessionOptions& options) {
    Session().ClearQuit();
    // Input: the script alone when one is given (its end ends the session), else the window
    // or the terminal.
    std::unique_ptr<GuiWindow> window;
    if (!options.script.empty()) {
        auto script = platform::MakeFileSource(options.script);
        if (!script) {
            std::fprintf(stderr, "velloria: cannot open script file %s\n", options.script.c_str());
            return 1;
        }
        platform::PushLineSource(std::move(script));
    } else if (options.window && (window = GuiWindow::Open())) {
        // The window's command line gives the lines.
    } else if (platform::StdinIsTerminal()) {
        platform::PushLineSource(MakeLineEditor(&CompletionsAt, HistoryFilePath(), kCommandPrompt));
    } else {
        platform::PushLineSource(platform::MakeStdinSource());
    }

    // A drawing named on the command line that cannot be opened ends the session before it
    // starts: an empty drawing in its place could be saved over it.
    AcApDocument* document = nullptr;
    if (!options.drawing.empty()) {
        std::string error;
        std::vector<std::string> notes;
        document = OpenDrawingDocument(platform::FromUtf8(options.drawing), &error, &notes);
        if (!document) {
            std::fprintf(stderr, "velloria: %s\n", error.c_str());
            return 1;
        }
        for (const std::string& note : notes) platform::WriteOutput("\n" + note + ".\n");
    }
    if (!document) document = CreateNewDocument();

    platform::InstallInterruptHandler();
    RegisterHostCommands();
    // Menu groups the user had loaded before.
    platform::LoadProfileMenus();

    HostSession& session = Session();
    if (auto module = LoadedModule::Load(DefaultModulePath())) {
        LoadedModule* loaded = module.get();
        session.Modules().push_back(std::move(module));
        loaded->Send(AcRx::kInitAppMsg, loaded->AppId());
    }
    for (int i = 0; i < acDocManagerPtr()->documentCount(); ++i) NotifyDrawingLoaded(acDocManagerPtr()->document(i));

    RunCommandLoop();

    session.UnloadModules();
    window.reset();
    platform::ClearQueuedExpressions();
    acDocManagerPtr()->closeAll();
    platform::WriteOutput(std::string_view("\n"));
    return 0;
}
