#pragma once
// How the controls of a resizable dialog follow its size, worked out from the template as a
// person would lay it out: lists, trees and multi-line edits grow with the dialog (in width
// when they reach into its right third, in height when they end lowest of them); other
// controls below them move down, and those in the right third move right.
#include <QRect>
#include <QSize>
#include <vector>

#include "mfcui/DialogResource.h"

class QWidget;

namespace platform::ui {

struct AnchoredControl {
    QWidget* widget = nullptr;
    QRect designed;  // where the template puts it, in pixels
    bool growsWide = false, growsTall = false, movesRight = false, movesDown = false;
};

class DialogLayout {
public:
    // The controls with their template items, in template order; `designed` the dialog's size.
    void Anchor(const std::vector<std::pair<QWidget*, DLGITEM>>& controls, QSize designed);
    // Places the controls for the dialog's new size (never smaller than designed).
    void Apply(QSize size) const;
    const std::vector<AnchoredControl>& Controls() const { return m_controls; }

private:
    std::vector<AnchoredControl> m_controls;
    QSize m_designed;
};

}  // namespace platform::ui
