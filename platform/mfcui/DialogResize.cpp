#include "mfcui/DialogResize.h"

#include <QWidget>
#include <algorithm>

#include "mfcui/UiTypes.h"

namespace platform::ui {

namespace {

bool Grows(const DLGITEM& item) {
    return item.kind == DlgItemKind::TreeView || item.kind == DlgItemKind::ListView || item.kind == DlgItemKind::ListBox ||
           (item.kind == DlgItemKind::Edit && (item.style & ES_MULTILINE));
}

constexpr int kSlack = 2;  // pixels two edges may differ by and still line up

}  // namespace

void DialogLayout::Anchor(const std::vector<std::pair<QWidget*, DLGITEM>>& controls, QSize designed) {
    m_designed = designed;
    m_controls.clear();
    int growingBottom = -1;
    for (const auto& [widget, item] : controls)
        if (Grows(item)) growingBottom = std::max(growingBottom, widget->geometry().bottom());
    const int rightThird = designed.width() * 2 / 3;
    for (const auto& [widget, item] : controls) {
        AnchoredControl c;
        c.widget = widget;
        c.designed = widget->geometry();
        if (Grows(item)) {
            c.growsWide = c.designed.right() >= rightThird;
            c.growsTall = c.designed.bottom() >= growingBottom - kSlack;
        } else {
            c.movesDown = growingBottom >= 0 && c.designed.top() >= growingBottom - kSlack;
            c.movesRight = c.designed.left() >= rightThird;
        }
        m_controls.push_back(c);
    }
}

void DialogLayout::Apply(QSize size) const {
    const int dw = std::max(0, size.width() - m_designed.width());
    const int dh = std::max(0, size.height() - m_designed.height());
    for (const AnchoredControl& c : m_controls) {
        QRect r = c.designed;
        if (c.growsWide) r.setWidth(r.width() + dw);
        if (c.growsTall) r.setHeight(r.height() + dh);
        if (c.movesRight) r.translate(dw, 0);
        if (c.movesDown) r.translate(0, dh);
        c.widget->setGeometry(r);
    }
}

}  // namespace platform::ui
