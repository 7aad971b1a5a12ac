// The table the window library gives the host (GuiLibrary.h).
#include "GuiLibrary.h"
#include "PlotTool.h"
#include "WindowHost.h"

namespace {

WindowHost* OpenWindow() { return WindowHost::Open().release(); }

void CloseWindow(WindowHost* window) { delete window; }

const GuiEntryPoints s_entryPoints{kGuiEntryPointsVersion, &PlotToolMain, &PlotCommandMain, &PlotDocumentHere, &OpenWindow, &CloseWindow};

}  // namespace

extern "C" const GuiEntryPoints* VelloriaGuiEntryPoints() { return &s_entryPoints; }
