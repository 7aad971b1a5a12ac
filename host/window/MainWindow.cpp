#include "MainWindow.h"

#include <QCloseEvent>
#include <QDockWidget>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>
#include <QTabBar>
#include <QVBoxLayout>

#include "CommandLine.h"
#include "DrawingView.h"
#include "ViewCommands.h"
#include "db/DbDatabase.h"
#include "dxf/DrawingIo.h"
#include "editor/CommandStack.h"
#include "runtime/DocManager.h"
#include "text/Utf8.h"

namespace window {

namespace {

// The console's stack owns its sources; the window keeps its input and lends it.
class LentSource : public platform::LineSource {
public:
    explicit LentSource(WindowInput& input) : m_input(input) {}
    std::optional<std::string> ReadLine() override { return m_input.ReadLine(); }
    bool EchoInput() const override { return m_input.EchoInput(); }
    bool Interactive() const override { return m_input.Interactive(); }

private:
    WindowInput& m_input;
};

QString ToQ(const std::wstring& text) { return QString::fromStdWString(text); }

// The host's own pull-downs get the items the window offers itself.
std::vector<platform::MenuItem> HostItems(const std::wstring& title) {
    if (title == L"File")
        return {{L"&New", L"^C^C_NEW"}, {L"&Open...", L"^C^C_OPEN"}, {L"&Save", L"^C^C_QSAVE"},
                {L"Save &As...", L"^C^C_SAVEAS"}, {L"--", L""}, {L"E&xit", L"^C^C_QUIT"}};
    if (title == L"View")
        return {{L"Zoom &Extents", L"^C^C_ZOOM;_Extents"}, {L"Zoom &Window", L"^C^C_ZOOM;_Window"}, {L"&Pan", L"^C^C_PAN"}};
    if (title == L"Tools") return {{L"&Load Menu...", L"^C^C_MENULOAD"}, {L"&Commands", L"^C^C_COMMANDS;"}};
    return {};
}

bool SameBar(const std::vector<platform::MenuBarEntry>& a, const std::vector<platform::MenuBarEntry>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].title != b[i].title || a[i].group != b[i].group || a[i].alias != b[i].alias) return false;
    return true;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Velloria"));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_view = new DrawingView(central);
    m_tabs = new QTabBar(central);
    m_tabs->setShape(QTabBar::RoundedSouth);
    m_tabs->setExpanding(false);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_tabs);
    setCentralWidget(central);

    m_commandLine = new CommandLine(this);
    auto* dock = new QDockWidget(QStringLiteral("Command Line"), this);
    dock->setObjectName(QStringLiteral("CommandLine"));
    dock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    dock->setWidget(m_commandLine);
    addDockWidget(Qt::BottomDockWidgetArea, dock);
    resizeDocks({dock}, {160}, Qt::Vertical);

    m_coordinates = new QLabel(this);
    m_coordinates->setMinimumWidth(260);
    m_progressLabel = new QLabel(this);
    m_progress = new QProgressBar(this);
    m_progress->setRange(0, 100);
    m_progress->setMaximumWidth(240);
    m_progressLabel->hide();
    m_progress->hide();
    statusBar()->addWidget(m_coordinates);
    statusBar()->addPermanentWidget(m_progressLabel);
    statusBar()->addPermanentWidget(m_progress);

    m_view->SetAnswerHandler([this](const std::string& line) { m_input.Submit(line); });
    m_view->SetCursorHandler([this](QPointF world) {
        m_coordinates->setText(QString::asprintf("%.4f, %.4f", world.x(), world.y()));
    });
    m_commandLine->SetSubmitHandler([this](const std::string& line) { m_input.Submit(line); });
    QObject::connect(m_tabs, &QTabBar::currentChanged, m_view, [this](int index) {
        if (!m_updatingTabs) m_view->ShowLayout(index);
    });
    m_input.SetBeforeWait([this] { Refresh(); });
    resize(1100, 780);
}

MainWindow::~MainWindow() { Detach(); }

void MainWindow::Attach() {
    if (m_attached) return;
    m_attached = true;
    platform::PushLineSource(std::make_unique<LentSource>(m_input));
    m_previousSink = platform::SetOutputSink([this](std::string_view text) { m_commandLine->Write(text); });
    m_previousDisplay = platform::SetProgressDisplay(this);
    RegisterViewCommands(this);
    m_commandLine->setFocus();
}

void MainWindow::Detach() {
    if (!m_attached) return;
    m_attached = false;
    UnregisterViewCommands();
    platform::SetProgressDisplay(m_previousDisplay);
    platform::SetOutputSink(std::move(m_previousSink));
    platform::PopLineSource();
}

QString MainWindow::CoordinatesText() const { return m_coordinates->text(); }

void MainWindow::Refresh() {
    AcApDocument* document = acDocManagerPtr()->curDocument();
    AcDbDatabase* database = document ? document->database() : nullptr;
    if (database != m_database || (database && database->changeCount() != m_changes)) {
        const bool same = database == m_database;
        m_database = database;
        m_changes = database ? database->changeCount() : 0;
        std::shared_ptr<const platform::view::Drawing> drawing;
        if (database) drawing = std::make_shared<platform::view::Drawing>(platform::dxf::CurrentDocument(*database));
        m_view->SetDrawing(std::move(drawing), database, same);
        RebuildTabs();
    }
    const QString title = document ? ToQ(std::wstring(document->docTitle())) : QString();
    const bool modified = database && database->hasUnsavedChanges();
    setWindowTitle(QStringLiteral("Velloria") + (title.isEmpty() ? QString() : QStringLiteral(" - ") + title) +
                   (modified ? QStringLiteral(" *") : QString()));
    RebuildMenus();
    if (AcEdCommandStack* stack = acedRegCmds) {
        const auto commands = stack->commands();
        if (commands.size() != m_commandCount) {
            m_commandCount = commands.size();
            std::vector<std::string> names;
            for (const AcEdCommand* c : commands) names.push_back(platform::ToUtf8(c->localName()));
            m_commandLine->SetCommandNames(names);
        }
    }
    m_view->FollowPrompt();
}

void MainWindow::RebuildTabs() {
    m_updatingTabs = true;
    while (m_tabs->count() > 0) m_tabs->removeTab(0);
    if (const platform::view::Drawing* drawing = m_view->Drawing())
        for (const platform::view::Layout& layout : drawing->Layouts()) m_tabs->addTab(QString::fromStdString(layout.name));
    m_tabs->setCurrentIndex(m_view->LayoutIndex());
    m_updatingTabs = false;
}

void MainWindow::RebuildMenus() {
    const std::vector<platform::MenuBarEntry> bar = platform::MenuBar();
    const std::vector<std::wstring> groups = platform::LoadedMenuGroups();
    if (SameBar(bar, m_menuBar) && groups == m_menuGroups) return;
    m_menuBar = bar;
    m_menuGroups = groups;
    menuBar()->clear();
    for (const platform::MenuBarEntry& entry : bar) {
        std::vector<platform::MenuItem> items;
        QString title = ToQ(entry.title);
        if (entry.group.empty()) {
            items = HostItems(entry.title);
            title = QStringLiteral("&") + title;
        } else if (const platform::MenuGroup* group = platform::FindMenuGroup(entry.group)) {
            if (const platform::PullDownMenu* pullDown = group->FindPullDown(entry.alias)) {
                items = pullDown->items;
                title = ToQ(pullDown->title);
            }
        }
        QMenu* menu = menuBar()->addMenu(title);
        for (const platform::MenuItem& item : items) {
            if (item.label == L"--") {
                menu->addSeparator();
                continue;
            }
            const std::wstring macro = item.macro;
            QObject::connect(menu->addAction(ToQ(item.label)), &QAction::triggered, this, [this, macro] { RunMacro(macro); });
        }
        menu->setEnabled(!items.empty());
    }
}

void MainWindow::RunMacro(const std::wstring& macro) {
    std::vector<std::string> lines;
    const bool cancels = SplitMacro(platform::ToUtf8(macro), lines);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i == 0 && cancels) m_input.SubmitAtCommand(lines[i]);
        else m_input.Submit(lines[i]);
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // QUIT decides: it offers to save each changed drawing, and Cancel keeps the window.
    event->ignore();
    m_input.SubmitAtCommand("_QUIT");
}

void MainWindow::Started(std::string_view label) {
    m_progressLabel->setText(QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size())));
    m_progress->setValue(0);
    m_progressLabel->show();
    m_progress->show();
    statusBar()->repaint();
}

void MainWindow::Moved(int percent) {
    m_progress->setValue(percent);
    // The work runs on this thread: the bar is painted now, not when the events are next run.
    m_progress->repaint();
}

void MainWindow::Ended() {
    m_progressLabel->hide();
    m_progress->hide();
}

}  // namespace window
