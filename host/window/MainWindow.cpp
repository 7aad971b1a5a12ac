#include "MainWindow.h"

#include <QCloseEvent>
#include <QDockWidget>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>

#include "CommandLine.h"
#include "DrawingView.h"
#include "HostMenus.h"
#include "PlotDialog.h"
#include "ViewCommands.h"
#include "db/DbDatabase.h"
#include "db/UndoHistory.h"
#include "db/DbEntity.h"
#include "editor/StaleTables.h"
#include "dxf/DrawingIo.h"
#include "editor/CommandStack.h"
#include "editor/PickFirst.h"
#include "editor/PromptInput.h"
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
    m_documentTabs = new QTabBar(central);
    m_documentTabs->setObjectName(QStringLiteral("Drawings"));
    m_documentTabs->setDocumentMode(true);
    m_documentTabs->setExpanding(false);
    m_documentTabs->setTabsClosable(true);
    m_pages = new QStackedWidget(central);
    layout->addWidget(m_documentTabs);
    layout->addWidget(m_pages, 1);
    setCentralWidget(central);

    m_commandLine = new CommandLine(this);
    m_current = &NewPage();
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
    m_staleNotice = new QLabel(this);
    m_staleNotice->setStyleSheet(QStringLiteral("QLabel { background: #ffe0a0; color: #402800; padding: 0 6px; }"));
    m_staleNotice->hide();
    statusBar()->addWidget(m_coordinates);
    statusBar()->addWidget(m_staleNotice, 1);
    statusBar()->addPermanentWidget(m_progressLabel);
    statusBar()->addPermanentWidget(m_progress);

    m_commandLine->SetSubmitHandler([this](const std::string& line) { m_input.Submit(line); });
    // Escape at "Command: " lets go of the objects picked there.
    m_commandLine->SetEscapeHandler([this] {
        platform::ClearPickFirst();
        View()->FollowPrompt();
    });
    QObject::connect(m_documentTabs, &QTabBar::currentChanged, this, [this](int index) { DocumentChosen(index); });
    QObject::connect(m_documentTabs, &QTabBar::tabCloseRequested, this, [this](int index) { CloseRequested(index); });
    m_input.SetBeforeWait([this] {
        m_busyInput.Replay();
        Refresh();
    });
    resize(1100, 780);
}

MainWindow::Page& MainWindow::NewPage() {
    auto page = std::make_unique<Page>();
    Page* raw = page.get();
    page->widget = new QWidget(m_pages);
    auto* layout = new QVBoxLayout(page->widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    page->view = new DrawingView(page->widget);
    page->layouts = new QTabBar(page->widget);
    page->layouts->setShape(QTabBar::RoundedSouth);
    page->layouts->setExpanding(false);
    layout->addWidget(page->view, 1);
    layout->addWidget(page->layouts);
    m_pages->addWidget(page->widget);
    // Keys typed over the drawing go to the command line, as in a CAD program.
    page->view->setFocusProxy(m_commandLine);
    page->view->SetAnswerHandler([this](const std::string& line) { m_input.Submit(line); });
    page->view->SetCursorHandler([this](QPointF world) {
        m_coordinates->setText(QString::asprintf("%.4f, %.4f", world.x(), world.y()));
    });
    QObject::connect(page->layouts, &QTabBar::currentChanged, page->view, [this, raw](int index) { LayoutChosen(*raw, index); });
    m_pageList.push_back(std::move(page));
    return *raw;
}

MainWindow::~MainWindow() { Detach(); }

void MainWindow::Attach() {
    if (m_attached) return;
    m_attached = true;
    platform::PushLineSource(std::make_unique<LentSource>(m_input));
    m_previousSink = platform::SetOutputSink([this](std::string_view text) { m_commandLine->Write(text); });
    m_previousDisplay = platform::SetProgressDisplay(this);
    // A command asking for the user's break runs the window's events: Escape stops it.
    m_previousBreakPoll = platform::SetUserBreakPoll([this] { return !m_input.Waiting() && m_busyInput.Poll(); });
    RegisterViewCommands(this);
    RegisterPlotCommand(this);
    m_commandLine->setFocus();
}

void MainWindow::Detach() {
    if (!m_attached) return;
    m_attached = false;
    UnregisterPlotCommand();
    UnregisterViewCommands();
    platform::SetUserBreakPoll(std::move(m_previousBreakPoll));
    platform::SetProgressDisplay(m_previousDisplay);
    platform::SetOutputSink(std::move(m_previousSink));
    platform::PopLineSource();
}

QString MainWindow::CoordinatesText() const { return m_coordinates->text(); }

DrawingView* MainWindow::View() const { return Current().view; }
QTabBar* MainWindow::LayoutTabs() const { return Current().layouts; }
MainWindow::Page& MainWindow::Current() const { return *m_current; }

bool MainWindow::AtCommandPrompt() const {
    // Between prompts nothing reads the window's input but the window itself (a modal dialog
    // keeps the user out of it); a prompt other than "Command: " belongs to a running command.
    return !m_input.Waiting() || platform::CurrentPrompt().kind == platform::PromptKind::Command;
}

void MainWindow::SyncPages() {
    AcApDocManager* manager = acDocManagerPtr();
    std::vector<AcApDocument*> documents;
    for (int i = 0; i < manager->documentCount(); ++i) documents.push_back(manager->document(i));
    auto open = [&](AcApDocument* d) { return std::find(documents.begin(), documents.end(), d) != documents.end(); };

    // The pages of closed drawings go; one page always stays for the view to be there.
    std::vector<std::unique_ptr<Page>> pages;
    std::vector<std::unique_ptr<Page>> spare;
    for (std::unique_ptr<Page>& page : m_pageList) {
        if (page->document && open(page->document)) pages.push_back(std::move(page));
        else spare.push_back(std::move(page));
    }
    for (AcApDocument* document : documents) {
        if (std::any_of(pages.begin(), pages.end(), [&](const auto& p) { return p->document == document; })) continue;
        if (spare.empty()) {
            m_pageList.clear();
            NewPage();
            spare.push_back(std::move(m_pageList.back()));
        }
        std::unique_ptr<Page> page = std::move(spare.back());
        spare.pop_back();
        page->document = document;
        page->database = nullptr;
        pages.push_back(std::move(page));
    }
    std::sort(pages.begin(), pages.end(), [&](const auto& a, const auto& b) {
        return std::find(documents.begin(), documents.end(), a->document) < std::find(documents.begin(), documents.end(), b->document);
    });
    if (pages.empty() && !spare.empty()) {
        pages.push_back(std::move(spare.back()));
        spare.pop_back();
        pages.back()->document = nullptr;
    }
    for (std::unique_ptr<Page>& page : spare) {
        m_pages->removeWidget(page->widget);
        page->widget->hide();
        page->widget->deleteLater();
    }
    m_pageList = std::move(pages);

    m_current = m_pageList.front().get();
    for (const auto& page : m_pageList)
        if (page->document && page->document == manager->curDocument()) m_current = page.get();

    m_updatingDocuments = true;
    const int named = static_cast<int>(documents.size());
    while (m_documentTabs->count() > named) m_documentTabs->removeTab(m_documentTabs->count() - 1);
    while (m_documentTabs->count() < named) m_documentTabs->addTab(QString());
    for (int i = 0; i < named; ++i) {
        const AcApDocument* document = m_pageList[static_cast<size_t>(i)]->document;
        m_documentTabs->setTabText(i, ToQ(std::wstring(document->docTitle())));
        m_documentTabs->setTabToolTip(i, ToQ(document->fileName()));
        if (m_pageList[static_cast<size_t>(i)].get() == m_current) m_documentTabs->setCurrentIndex(i);
    }
    m_updatingDocuments = false;
    m_pages->setCurrentWidget(m_current->widget);
}

void MainWindow::Refresh() {
    SyncPages();
    Page& page = Current();
    ShowDrawing(page);
    AcApDocument* document = page.document;
    AcDbDatabase* database = page.database;
    const QString title = document ? ToQ(std::wstring(document->docTitle())) : QString();
    const bool modified = database && database->hasUnsavedChanges();
    setWindowTitle(QStringLiteral("Velloria") + (title.isEmpty() ? QString() : QStringLiteral(" - ") + title) +
                   (modified ? QStringLiteral(" *") : QString()));
    RebuildMenus();
    UpdateEditItems(database);
    if (AcEdCommandStack* stack = acedRegCmds) {
        const auto commands = stack->commands();
        if (commands.size() != m_commandCount) {
            m_commandCount = commands.size();
            std::vector<std::string> names;
            for (const AcEdCommand* c : commands) names.push_back(platform::ToUtf8(c->localName()));
            m_commandLine->SetCommandNames(names);
        }
    }
    UpdateStaleTables(page);
    page.view->FollowPrompt();
}

void MainWindow::UpdateStaleTables(Page& page) {
    const std::vector<platform::StaleTable> stale = platform::StaleTablesOf(page.database);
    std::vector<QRectF> boxes;
    QString names;
    for (const platform::StaleTable& table : stale) {
        AcDbEntity* entity = nullptr;
        if (acdbOpenObject(entity, table.id, AcDb::kForRead) != Acad::eOk) continue;
        AcDbExtents extents;
        if (entity->getGeomExtents(extents) == Acad::eOk)
            boxes.push_back(QRectF(QPointF(extents.minPoint.x, extents.minPoint.y), QPointF(extents.maxPoint.x, extents.maxPoint.y)));
        entity->close();
        names += (names.isEmpty() ? QString() : QStringLiteral("; ")) + ToQ(table.id.handle().text()) + QStringLiteral(": ") + ToQ(table.reason);
    }
    page.view->SetStaleMarks(std::move(boxes));
    m_staleNotice->setVisible(!names.isEmpty());
    m_staleNotice->setText(names.isEmpty() ? QString() : QStringLiteral("Not refreshed, showing old data: ") + names);
    m_staleNotice->setToolTip(m_staleNotice->text());
}

void MainWindow::ShowDrawing(Page& page) {
    AcDbDatabase* database = page.document ? page.document->database() : nullptr;
    // The serial tells a drawing from one made later at the same address.
    const std::int64_t serial = database ? database->serial() : 0;
    const bool same = database == page.database && serial == page.serial;
    if (!same || (database && database->changeCount() != page.changes)) {
        if (!same && database) OpenInSavedSpace(*database);
        page.database = database;
        page.serial = serial;
        page.changes = database ? database->changeCount() : 0;
        std::shared_ptr<const platform::view::Drawing> drawing;
        if (database) drawing = std::make_shared<platform::view::Drawing>(platform::dxf::CurrentDocument(*database));
        page.view->SetDrawing(std::move(drawing), database, same);
        RebuildLayoutTabs(page);
    }
    FollowCurrentSpace(page);
}

void MainWindow::OpenInSavedSpace(AcDbDatabase& database) {
    // A drawing saved in paper space ($TILEMODE 0) opens in its active layout, *Paper_Space, as
    // in a CAD program. Only the window does this: the console and the tools keep adding to
    // model space, as they always have. Read from the file's own header, before the view's
    // document is brought up to date with the database (which writes the space back).
    const platform::dxf::Document* file = platform::dxf::AttachedDocument(database);
    const platform::dxf::Tag* tile = file ? file->HeaderValue("$TILEMODE") : nullptr;
    if (!tile || tile->IntOr(1) != 0) return;
    if (database.currentSpaceId() == database.modelSpaceId() && !database.paperSpaceId().isNull())
        database.setCurrentSpace(database.paperSpaceId());
}

namespace {

// The space of the drawing database a layout of the view shows; null when it is not there.
AcDbObjectId SpaceOf(AcDbDatabase& database, const platform::view::Layout& layout) {
    if (!layout.paper) return database.modelSpaceId();
    if (!layout.record) return database.paperSpaceId();  // R12: the one paper space
    AcDbObjectId id;
    if (database.getAcDbObjectId(id, false, AcDbHandle(layout.record)) != Acad::eOk) return AcDbObjectId();
    return id;
}

}  // namespace

void MainWindow::FollowCurrentSpace(Page& page) {
    // The layout tab shows the database's current space: where new entities go.
    const platform::view::Drawing* drawing = page.view->Drawing();
    if (!drawing || !page.database) return;
    const auto& layouts = drawing->Layouts();
    const int shown = page.view->LayoutIndex();
    if (shown >= 0 && shown < static_cast<int>(layouts.size()) &&
        SpaceOf(*page.database, layouts[static_cast<size_t>(shown)]) == page.database->currentSpaceId())
        return;
    for (size_t i = 0; i < layouts.size(); ++i) {
        if (SpaceOf(*page.database, layouts[i]) != page.database->currentSpaceId()) continue;
        page.view->ShowLayout(static_cast<int>(i));
        page.updatingTabs = true;
        page.layouts->setCurrentIndex(static_cast<int>(i));
        page.updatingTabs = false;
        return;
    }
}

void MainWindow::LayoutChosen(Page& page, int index) {
    if (page.updatingTabs) return;
    if (!AtCommandPrompt()) {
        // What the running command adds goes to the space it started in, shown meanwhile.
        page.updatingTabs = true;
        page.layouts->setCurrentIndex(page.view->LayoutIndex());
        page.updatingTabs = false;
        m_commandLine->Write("\nFinish or cancel the command before changing layouts.\n");
        return;
    }
    page.view->ShowLayout(index);
    const platform::view::Drawing* drawing = page.view->Drawing();
    if (!drawing || !page.database || index < 0 || index >= static_cast<int>(drawing->Layouts().size())) return;
    const AcDbObjectId space = SpaceOf(*page.database, drawing->Layouts()[static_cast<size_t>(index)]);
    if (!space.isNull() && space != page.database->currentSpaceId()) page.database->setCurrentSpace(space);
}

void MainWindow::DocumentChosen(int index) {
    if (m_updatingDocuments || index < 0 || index >= static_cast<int>(m_pageList.size())) return;
    Page& page = *m_pageList[static_cast<size_t>(index)];
    if (!page.document || &page == m_current) return;
    if (!AtCommandPrompt()) {
        // The running command works on its drawing to the end.
        m_updatingDocuments = true;
        for (size_t i = 0; i < m_pageList.size(); ++i)
            if (m_pageList[i].get() == m_current) m_documentTabs->setCurrentIndex(static_cast<int>(i));
        m_updatingDocuments = false;
        m_commandLine->Write("\nFinish or cancel the command before changing drawings.\n");
        return;
    }
    acDocManagerPtr()->setCurDocument(page.document);
    Refresh();
}

void MainWindow::CloseRequested(int index) {
    if (index < 0 || index >= static_cast<int>(m_pageList.size()) || !m_pageList[static_cast<size_t>(index)]->document) return;
    if (m_pageList[static_cast<size_t>(index)].get() != m_current) {
        DocumentChosen(index);
        if (m_pageList[static_cast<size_t>(index)].get() != m_current) return;
    }
    // CLOSE asks about the changes; Cancel keeps the drawing open.
    m_input.SubmitAtCommand("_CLOSE");
}

void MainWindow::RebuildLayoutTabs(Page& page) {
    page.updatingTabs = true;
    while (page.layouts->count() > 0) page.layouts->removeTab(0);
    if (const platform::view::Drawing* drawing = page.view->Drawing())
        for (const platform::view::Layout& layout : drawing->Layouts()) page.layouts->addTab(QString::fromStdString(layout.name));
    page.layouts->setCurrentIndex(page.view->LayoutIndex());
    page.updatingTabs = false;
}

void MainWindow::RebuildMenus() {
    const std::vector<platform::MenuBarEntry> bar = platform::MenuBar();
    const std::vector<std::wstring> groups = platform::LoadedMenuGroups();
    if (SameBar(bar, m_menuBar) && groups == m_menuGroups) {
        UpdateHostItems();
        return;
    }
    m_menuBar = bar;
    m_menuGroups = groups;
    menuBar()->clear();
    m_undoAction = m_redoAction = nullptr;
    m_hostActions.clear();
    for (const platform::MenuBarEntry& entry : bar) {
        if (entry.group.empty()) {
            AddHostMenu(entry.title);
            continue;
        }
        std::vector<platform::MenuItem> items;
        QString title = ToQ(entry.title);
        if (const platform::MenuGroup* group = platform::FindMenuGroup(entry.group)) {
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
            QAction* action = menu->addAction(ToQ(item.label));
            QObject::connect(action, &QAction::triggered, this, [this, macro] { RunMacro(macro); });
        }
        menu->setEnabled(!items.empty());
    }
    UpdateHostItems();
    UpdateEditItems(Current().database);
}

void MainWindow::AddHostMenu(const std::wstring& title) {
    // Alt and the underlined letter open a pull-down: Format takes its o, File has the F.
    QMenu* menu = menuBar()->addMenu(title == L"Format" ? QStringLiteral("F&ormat") : QStringLiteral("&") + ToQ(title));
    for (const HostItem& item : HostItems(title)) {
        if (item.label == QStringLiteral("--")) {
            menu->addSeparator();
            continue;
        }
        const std::wstring macro = item.macro;
        QAction* action = menu->addAction(item.label);
        action->setShortcuts(item.keys);
        QObject::connect(action, &QAction::triggered, this, [this, macro] { RunMacro(macro); });
        m_hostActions.push_back({action, macro});
        if (macro == L"^C^C_U") m_undoAction = action;
        else if (macro == L"^C^C_REDO") m_redoAction = action;
    }
    // Window lists the open drawings after its items; choosing one shows it.
    if (title == L"Window") {
        QAction* drawingsStart = menu->addSeparator();
        QObject::connect(menu, &QMenu::aboutToShow, this, [this, menu, drawingsStart] {
            const QList<QAction*> actions = menu->actions();
            for (qsizetype i = actions.indexOf(drawingsStart) + 1; i < actions.size(); ++i) menu->removeAction(actions[i]), actions[i]->deleteLater();
            for (int i = 0; i < m_documentTabs->count(); ++i) {
                QAction* drawing = menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(m_documentTabs->tabText(i)));
                drawing->setCheckable(true);
                drawing->setChecked(i == m_documentTabs->currentIndex());
                QObject::connect(drawing, &QAction::triggered, this, [this, i] { m_documentTabs->setCurrentIndex(i); });
            }
        });
    }
}

void MainWindow::UpdateHostItems() {
    // The module's commands come and go with it; the host's own are always there.
    for (const auto& [action, macro] : m_hostActions)
        if (action != m_undoAction && action != m_redoAction) action->setEnabled(MacroCommandRegistered(macro));
}

void MainWindow::UpdateEditItems(AcDbDatabase* database) {
    const std::wstring undo = database ? database->undoHistory().NextUndoName() : std::wstring();
    const std::wstring redo = database ? database->undoHistory().NextRedoName() : std::wstring();
    if (m_undoAction) {
        m_undoAction->setText(undo.empty() ? QStringLiteral("&Undo") : QStringLiteral("&Undo ") + ToQ(undo));
        m_undoAction->setEnabled(!undo.empty());
    }
    if (m_redoAction) {
        m_redoAction->setText(redo.empty() ? QStringLiteral("&Redo") : QStringLiteral("&Redo ") + ToQ(redo));
        m_redoAction->setEnabled(!redo.empty());
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
