#include "mfcui/LinkCtrl.h"

#include <QFontMetrics>
#include <QPushButton>

void CMFCLinkCtrl::SetURL(LPCTSTR lpszURL) {
    m_strURL = lpszURL ? lpszURL : L"";
    auto* button = qobject_cast<QPushButton*>(GetWidget());
    if (!button) return;
    button->setFlat(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(QStringLiteral("QPushButton { color: #0645ad; text-decoration: underline; border: none; "
                                         "text-align: left; padding: 0px; }"));
}

void CMFCLinkCtrl::SizeToContent() {
    QWidget* widget = GetWidget();
    if (!widget) return;
    auto* button = qobject_cast<QPushButton*>(widget);
    const int width = QFontMetrics(widget->font()).horizontalAdvance(button ? button->text() : QString()) + 4;
    widget->resize(width, widget->height());
}
