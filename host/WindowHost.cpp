#include "WindowHost.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "Documents.h"
#include "FileCommands.h"
#include "FileDialogs.h"
#include "MainWindow.h"
#include "editor/CommandStack.h"
#include "view/GuiApplication.h"

namespace {

bool OffscreenAsked() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    return platform && std::string(platform) == "offscreen";
}

// CLOSE: closes the current drawing's tab, after offering to save its changes. The window
// always shows a drawing: closing the last one leaves a new one.
void CloseCommand() {
    AcApDocument* document = acDocManagerPtr()->curDocument();
    if (!document || !OfferToSave(document)) return;
    CloseDocument(document);
    if (acDocManagerPtr()->documentCount() == 0) NotifyDrawingLoaded(CreateNewDocument());
}

}  // namespace

std::unique_ptr<WindowHost> WindowHost::Open() {
    const bool offscreen = OffscreenAsked();
    platform::view::EnsureGuiApplication();
    // A display that could not be reached leaves the toolkit offscreen: nobody would see the
    // window, so the console takes over.
    if (QGuiApplication::platformName() == QLatin1String("offscreen") && !offscreen) {
        std::fputs("velloria: the display cannot be opened; the console is used instead\n", stderr);
        return nullptr;
    }
    QApplication::setQuitOnLastWindowClosed(false);
    SetDrawingsInTabs(true);
    if (AcEdCommandStack* stack = acedRegCmds) stack->addCommand(L"ACAD", L"CLOSE", L"CLOSE", ACRX_CMD_MODAL, &CloseCommand);
    std::unique_ptr<WindowHost> host(new WindowHost);
    host->m_window = std::make_unique<window::MainWindow>();
    host->m_window->Attach();
    host->m_window->show();
    window::MainWindow* shown = host->m_window.get();
    SetSaveQuestion([shown](const std::wstring& name) {
        const auto answer = QMessageBox::question(shown, QStringLiteral("Velloria"),
                                                  QStringLiteral("Save changes to %1?").arg(QString::fromStdWString(name)),
                                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
        return answer == QMessageBox::Yes ? SaveAnswer::Yes : answer == QMessageBox::No ? SaveAnswer::No : SaveAnswer::Cancel;
    });
    SetFileDialog([shown](FileDialogKind kind, const std::wstring& offered) {
        return window::AskDrawingFile(shown, kind == FileDialogKind::Save, offered);
    });
    return host;
}

WindowHost::~WindowHost() {
    SetSaveQuestion({});
    SetFileDialog({});
    SetDrawingsInTabs(false);
    if (AcEdCommandStack* stack = acedRegCmds) stack->removeCmd(L"ACAD", L"CLOSE");
    m_window->Detach();
}
