#include "BusyInput.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>

namespace window {

namespace {

// What the user does, as opposed to what the toolkit does for itself (painting, resizing,
// timers): held while a command works.
bool IsUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::Close: return true;
    default: return false;
    }
}

}  // namespace

bool BusyInput::Poll() {
    m_escape = false;
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return false;
    app->installEventFilter(this);
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    app->removeEventFilter(this);
    return m_escape;
}

void BusyInput::Replay() {
    std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> held;
    held.swap(m_held);
    for (auto& [receiver, event] : held)
        if (receiver) QCoreApplication::postEvent(receiver, event.release());
}

bool BusyInput::eventFilter(QObject* watched, QEvent* event) {
    if (!IsUserInput(event->type())) return false;
    const auto* key = event->type() == QEvent::KeyPress ? static_cast<const QKeyEvent*>(event) : nullptr;
    if (key && key->key() == Qt::Key_Escape) {
        m_escape = true;
        return true;
    }
    // An Escape's other events (its release, the shortcut check before its press) are dropped
    // with it; everything else is kept for the next prompt.
    const auto* other = event->type() != QEvent::KeyPress && (event->type() == QEvent::KeyRelease || event->type() == QEvent::ShortcutOverride)
                            ? static_cast<const QKeyEvent*>(event)
                            : nullptr;
    if (other && other->key() == Qt::Key_Escape) return true;
    m_held.emplace_back(watched, std::unique_ptr<QEvent>(event->clone()));
    return true;
}

}  // namespace window
