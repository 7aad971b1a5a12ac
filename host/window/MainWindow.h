#pragma once
// The host's main window: the drawing view with a tab per layout, the command line docked
// below it, a status bar with the cursor's coordinates and the progress meter, and the menu
// bar of the loaded menus' pull-downs. While attached it is the command line of the process:
// prompts read the lines entered, menu macros and mouse answers from it, and what commands
// print goes to it.
#include <QMainWindow>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editor/Console.h"
#include "editor/StatusBar.h"
#include "runtime/Menus.h"
#include "WindowInput.h"

class AcDbDatabase;
class QLabel;
class QProgressBar;
class QTabBar;

namespace window {

class CommandLine;
class DrawingView;

class MainWindow : public QMainWindow, private platform::ProgressDisplay {
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Becomes the command line: the bottom line source, the output and the progress meter,
    // and adds the view commands (ZOOM, PAN). Detach (or the destructor) gives them back.
    void Attach();
    void Detach();

    DrawingView* View() const { return m_view; }
    CommandLine* Commands() const { return m_commandLine; }
    QTabBar* LayoutTabs() const { return m_tabs; }
    WindowInput& Input() { return m_input; }

    // Brings the window up to date with the current drawing, the menus and the prompt being
    // read; called each time a prompt starts to wait.
    void Refresh();
    // Runs a menu macro as the menu item does.
    void RunMacro(const std::wstring& macro);
    // The status bar's coordinates text.
    QString CoordinatesText() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Started(std::string_view label) override;
    void Moved(int percent) override;
    void Ended() override;

    void RebuildMenus();
    void RebuildTabs();

    WindowInput m_input;
    DrawingView* m_view;
    QTabBar* m_tabs;
    CommandLine* m_commandLine;
    QLabel* m_coordinates;
    QLabel* m_progressLabel;
    QProgressBar* m_progress;

    bool m_attached = false;
    platform::OutputSink m_previousSink;
    platform::ProgressDisplay* m_previousDisplay = nullptr;

    AcDbDatabase* m_database = nullptr;
    std::uint64_t m_changes = 0;
    std::vector<platform::MenuBarEntry> m_menuBar;
    std::vector<std::wstring> m_menuGroups;
    size_t m_commandCount = 0;
    bool m_updatingTabs = false;
};

}  // namespace window
