#pragma once
// The host's main window: a tab per open drawing, each with its drawing view and a tab per
// layout, the command line docked below them, a status bar with the cursor's coordinates and the progress meter, and the menu
// bar of the loaded menus' pull-downs. While attached it is the command line of the process:
// prompts read the lines entered, menu macros and mouse answers from it, and what commands
// print goes to it.
#include <QMainWindow>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "editor/Console.h"
#include "editor/StatusBar.h"
#include "editor/UserBreak.h"
#include "runtime/Menus.h"
#include "BusyInput.h"
#include "WindowInput.h"

class AcApDocument;
class AcDbDatabase;
class QAction;
class QLabel;
class QProgressBar;
class QStackedWidget;
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

    // The current drawing's view and layout tabs. A layout tab chosen at the command prompt
    // makes its space the drawing's current space, where new entities go.
    DrawingView* View() const;
    QTabBar* LayoutTabs() const;
    // A tab per open drawing, in the document manager's order; the active one is the current
    // document. A tab chosen at the command prompt makes its drawing current; its close button
    // closes the drawing with the command CLOSE (which asks to save its changes).
    QTabBar* DocumentTabs() const { return m_documentTabs; }
    CommandLine* Commands() const { return m_commandLine; }
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

    // One open drawing: its view, its layout tabs, and what the view last showed of it.
    struct Page {
        AcApDocument* document = nullptr;
        QWidget* widget = nullptr;
        DrawingView* view = nullptr;
        QTabBar* layouts = nullptr;
        AcDbDatabase* database = nullptr;
        std::int64_t serial = 0;
        std::uint64_t changes = 0;
        bool updatingTabs = false;
    };

    Page& NewPage();
    Page& Current() const;
    void SyncPages();
    void ShowDrawing(Page& page);
    void RebuildLayoutTabs(Page& page);
    void FollowCurrentSpace(Page& page);
    static void OpenInSavedSpace(AcDbDatabase& database);
    void LayoutChosen(Page& page, int index);
    void DocumentChosen(int index);
    void CloseRequested(int index);
    bool AtCommandPrompt() const;
    void RebuildMenus();
    void AddHostMenu(const std::wstring& title);
    // The host's items greyed out while their commands are not registered.
    void UpdateHostItems();
    // Edit > Undo and Redo name the step they take, and are greyed out without one.
    void UpdateEditItems(AcDbDatabase* database);
    // The notice naming the tables a refresh left stale, and their frames in the view.
    void UpdateStaleTables(Page& page);

    WindowInput m_input;
    BusyInput m_busyInput;  // the window's events while a command works
    QTabBar* m_documentTabs;
    QStackedWidget* m_pages;
    std::vector<std::unique_ptr<Page>> m_pageList;
    Page* m_current = nullptr;
    bool m_updatingDocuments = false;
    CommandLine* m_commandLine;
    QLabel* m_coordinates;
    QLabel* m_progressLabel;
    QProgressBar* m_progress;

    bool m_attached = false;
    platform::OutputSink m_previousSink;
    platform::ProgressDisplay* m_previousDisplay = nullptr;
    platform::UserBreakPoll m_previousBreakPoll;

    std::vector<platform::MenuBarEntry> m_menuBar;
    std::vector<std::wstring> m_menuGroups;
    QLabel* m_staleNotice = nullptr;
    QAction* m_undoAction = nullptr;
    QAction* m_redoAction = nullptr;
    std::vector<std::pair<QAction*, std::wstring>> m_hostActions;  // each with its macro
    size_t m_commandCount = 0;
};

}  // namespace window
