#pragma once
// The host's parts over the toolkit: the main window and the plot renderer. They are a library
// of their own, libvelloria_gui.so beside the host, loaded when a window or a plot is first
// needed, so that a console tool starts without the toolkit. The host reaches them through the
// one table below; the library reaches back into the host's own functions (its documents,
// its prompts), which the host exports for it.
#include <memory>
#include <string>
#include <vector>

class AcApDocument;
class WindowHost;
namespace platform::view {
struct PaperRequest;
}

struct GuiEntryPoints {
    // Changes whenever the table does: a library of another build is refused.
    int version;
    // `velloria plot ARGS`: the exit status.
    int (*plotTool)(const std::vector<std::string>& args);
    // The command PLOT.
    void (*plotCommand)();
    // PlotDocument (PlotTool.h).
    bool (*plotDocument)(AcApDocument* document, const std::string& path, const platform::view::PaperRequest& request, std::string* summary,
                         std::string* error);
    // The main window, shown, or null when no display could be opened.
    WindowHost* (*openWindow)();
    void (*closeWindow)(WindowHost* window);
};

constexpr int kGuiEntryPointsVersion = 2;
#define VELLORIA_GUI_ENTRY_SYMBOL "VelloriaGuiEntryPoints"
extern "C" const GuiEntryPoints* VelloriaGuiEntryPoints();

// The table, the library loaded on the first call; null, after a line on standard error
// saying why, when it cannot be loaded.
const GuiEntryPoints* Gui();

// Whether `velloria` without a script opens its window: a display is there (or the offscreen
// platform was asked for by QT_QPA_PLATFORM), and neither --console nor
// VELLORIA_CONSOLE_DIALOGS asks for the console.
bool WindowWanted(bool consoleAsked);

// The main window while this lives; see WindowHost.h.
class GuiWindow {
public:
    // Null when the library cannot be loaded or no display could be opened (the session then
    // runs on the console).
    static std::unique_ptr<GuiWindow> Open();
    ~GuiWindow();
    GuiWindow(const GuiWindow&) = delete;
    GuiWindow& operator=(const GuiWindow&) = delete;

private:
    GuiWindow(const GuiEntryPoints* gui, WindowHost* window) : m_gui(gui), m_window(window) {}
    const GuiEntryPoints* m_gui;
    WindowHost* m_window;
};
