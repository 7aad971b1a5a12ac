#include "ViewCommands.h"

#include <string>

#include "DrawingView.h"
#include "MainWindow.h"
#include "editor/CommandStack.h"
#include "editor/Console.h"
#include "editor/EditorPrompts.h"

namespace window {

namespace {

// The command stack calls plain functions; they find the window the commands were added for.
MainWindow* g_window = nullptr;

DrawingView* View() { return g_window ? g_window->View() : nullptr; }

void ZoomCommand() {
    DrawingView* view = View();
    if (!view) return;
    ads_point first, second;
    acedInitGet(0, L"Extents Window");
    int rc = acedGetPoint(nullptr, L"\nSpecify corner of window or [Extents/Window] <Extents>: ", first);
    if (rc == RTNONE) {
        view->ZoomExtents();
        return;
    }
    if (rc == RTKWORD) {
        wchar_t keyword[16] = L"";
        acedGetInput(keyword);
        if (std::wstring(keyword) == L"Extents") {
            view->ZoomExtents();
            return;
        }
        if (acedGetPoint(nullptr, L"\nSpecify first corner: ", first) != RTNORM) return;
    } else if (rc != RTNORM) {
        return;
    }
    if (acedGetCorner(first, L"\nSpecify opposite corner: ", second) != RTNORM) return;
    if (first[0] == second[0] || first[1] == second[1]) {
        platform::WriteOutput(std::string_view("\nThe window has no area.\n"));
        return;
    }
    view->ZoomWindow({first[0], first[1]}, {second[0], second[1]});
}

void PanCommand() {
    DrawingView* view = View();
    if (!view) return;
    ads_point base, second;
    if (acedGetPoint(nullptr, L"\nSpecify base point or displacement: ", base) != RTNORM) return;
    const int rc = acedGetPoint(base, L"\nSpecify second point or <use first point as displacement>: ", second);
    if (rc == RTNONE) {
        second[0] = base[0] * 2, second[1] = base[1] * 2;  // the first point is the displacement
    } else if (rc != RTNORM) {
        return;
    }
    // The drawing moves by the displacement: the device moves by it at the view's scale.
    const double scale = view->View().Scale();
    view->PanBy({(second[0] - base[0]) * scale, -(second[1] - base[1]) * scale});
}

}  // namespace

void RegisterViewCommands(MainWindow* window) {
    g_window = window;
    if (AcEdCommandStack* stack = acedRegCmds) {
        stack->addCommand(L"ACAD", L"ZOOM", L"ZOOM", ACRX_CMD_TRANSPARENT, &ZoomCommand);
        stack->addCommand(L"ACAD", L"PAN", L"PAN", ACRX_CMD_TRANSPARENT, &PanCommand);
    }
}

void UnregisterViewCommands() {
    if (AcEdCommandStack* stack = acedRegCmds) {
        stack->removeCmd(L"ACAD", L"ZOOM");
        stack->removeCmd(L"ACAD", L"PAN");
    }
    g_window = nullptr;
}

}  // namespace window
