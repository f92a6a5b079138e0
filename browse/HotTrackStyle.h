#pragma once
// The program's look over the platform style: tabs track the pointer, the tab under it showing
// its caption in the hot colour.

#include <QProxyStyle>

class HotTrackStyle : public QProxyStyle {
    Q_OBJECT
public:
    /// Over the application's current style.
    HotTrackStyle();

    /// The caption colour of a tab under the pointer.
    static QColor hotColor();

    void polish(QWidget* widget) override;
    using QProxyStyle::polish;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};
