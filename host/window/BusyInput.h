#pragma once
// The window's input while a command works. The command runs on the toolkit's thread, so
// nothing the user does reaches the window until the next prompt, Escape included. When the
// work asks for the user's break, the pending events are run: the window repaints, an Escape
// is the break, and every other key, click, wheel turn or close waits, in the order it came,
// for the next prompt, as typed-ahead input does on a terminal.
#include <QObject>
#include <QPointer>
#include <memory>
#include <utility>
#include <vector>

class QEvent;

namespace window {

class BusyInput : public QObject {
public:
    // Runs the pending events; true when Escape was pressed among them.
    bool Poll();
    // Hands the held events back to the toolkit, in order.
    void Replay();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_escape = false;
    std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> m_held;
};

}  // namespace window
