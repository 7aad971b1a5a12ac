#include "GuiLibrary.h"

#include <cstdio>
#include <cstdlib>
#include <optional>

#include "HostCommands.h"
#include "PlotTool.h"
#include "Subcommands.h"
#include "ProgramFolder.h"
#include "posix/SharedLibrary.h"
#include "view/PlotFormat.h"

// Defined where the toolkit's parts are built into the program itself (the tests of the
// window); the host leaves it out, so the reference stays null there.
extern "C" const GuiEntryPoints* VelloriaGuiEntryPoints() __attribute__((weak));

namespace {

constexpr const char* kGuiLibrary = "libvelloria_gui.so";

const GuiEntryPoints* Load() {
    static std::optional<platform::posix::SharedLibrary> library;
    const std::string path = BesideProgram(kGuiLibrary);
    std::string error;
    // The toolkit's application object lives until the process ends: so does the library.
    library = platform::posix::SharedLibrary::Open(path, &error, platform::posix::SharedLibrary::Unload::Never);
    if (!library) {
        std::fprintf(stderr, "velloria: the window and the plots are not available: %s\n", error.c_str());
        return nullptr;
    }
    auto* entry = library->Function<const GuiEntryPoints*()>(VELLORIA_GUI_ENTRY_SYMBOL);
    const GuiEntryPoints* gui = entry ? entry() : nullptr;
    if (!gui || gui->version != kGuiEntryPointsVersion) {
        std::fprintf(stderr, "velloria: %s is not the window library of this program\n", path.c_str());
        library.reset();
        return nullptr;
    }
    return gui;
}

bool Set(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

int PlotTool(const std::vector<std::string>& args) {
    const GuiEntryPoints* gui = Gui();
    return gui ? gui->plotTool(args) : 1;
}

void PlotCommand() {
    if (const GuiEntryPoints* gui = Gui()) gui->plotCommand();
}

SubcommandRegistration s_plot("plot", &PlotTool, ("a layout of a drawing to " + platform::view::PlotFormatNames()).c_str());
HostCommandRegistration s_plotCommand(L"PLOT", &PlotCommand);

}  // namespace

const GuiEntryPoints* Gui() {
    if (VelloriaGuiEntryPoints) return VelloriaGuiEntryPoints();
    // Loaded once; a library that failed is not tried again.
    static const GuiEntryPoints* gui = Load();
    return gui;
}

bool WindowWanted(bool consoleAsked) {
    if (consoleAsked) return false;
    if (Set("VELLORIA_CONSOLE_DIALOGS") && std::string(std::getenv("VELLORIA_CONSOLE_DIALOGS")) != "0") return false;
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    return (platform && std::string(platform) == "offscreen") || Set("DISPLAY") || Set("WAYLAND_DISPLAY");
}

std::unique_ptr<GuiWindow> GuiWindow::Open() {
    const GuiEntryPoints* gui = Gui();
    WindowHost* window = gui ? gui->openWindow() : nullptr;
    if (!window) return nullptr;
    return std::unique_ptr<GuiWindow>(new GuiWindow(gui, window));
}

GuiWindow::~GuiWindow() { m_gui->closeWindow(m_window); }

bool PlotDocument(AcApDocument* document, const std::string& path, const platform::view::PaperRequest& request, std::string* summary,
                  std::string* error) {
    const GuiEntryPoints* gui = Gui();
    if (!gui) {
        if (error) *error = "the plot renderer cannot be loaded";
        return false;
    }
    return gui->plotDocument(document, path, request, summary, error);
}
