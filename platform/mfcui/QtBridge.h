#pragma once
// Inside the dialog part only: conversions and the glue between widgets and their wrappers.
#include <QDialog>
#include <QObject>
#include <QString>
#include <optional>
#include <string>

#include "mfcui/Dialog.h"
#include "mfcui/DialogResize.h"

namespace platform::ui {

inline QString ToQ(const wchar_t* text) { return text ? QString::fromWCharArray(text) : QString(); }
inline QString ToQ(const CString& text) { return QString::fromWCharArray(text.GetString(), text.GetLength()); }
inline CString FromQ(const QString& text) { return CString(text.toStdWString()); }

// The widget property holding a control's id.
constexpr const char* kCtlIdProperty = "velloriaCtlId";
int WidgetId(const QWidget* widget);

// Pixels of dialog units in the dialog font.
int DluToPixelsX(int dlu);
int DluToPixelsY(int dlu);

// The menu entry the console presenter chose for the next pop-up menu.
std::optional<std::string>& PendingMenuChoice();

// The wrapper a widget is attached to, if any.
CWnd* WrapperOf(QWidget* widget);

// The window a dialog without an owner opens over, modal to it: the dialog in front, else the
// application's main window; null when there is neither (or dialogs go to the console).
QWidget* OwnerWindow();

}  // namespace platform::ui

// Forwards a widget's events to the wrapper's hooks.
class CWndEventBridge : public QObject {
public:
    CWndEventBridge(CWnd* wnd, QObject* parent) : QObject(parent), m_wnd(wnd) {}
    bool eventFilter(QObject* watched, QEvent* event) override;
    CWnd* m_wnd;
};

// The toolkit window of a CDialog: Enter and Escape become IDOK and IDCANCEL commands, and
// closing the window is a cancel, as a dialog box behaves.
class VDialogWidget : public QDialog {
public:
    VDialogWidget(CDialog* owner, QWidget* parent) : QDialog(parent), m_owner(owner) {}
    void reject() override;
    CDialog* m_owner;
    // Set for a template that may be resized.
    std::optional<platform::ui::DialogLayout> m_layout;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};
