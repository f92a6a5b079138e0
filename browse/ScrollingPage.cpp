#include "browse/ScrollingPage.h"

#include <QScrollBar>

ScrollingPage::ScrollingPage(QWidget* content, QWidget* parent) : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWidget(content);
}

QSize ScrollingPage::minimumSizeHint() const
{
    const int bar = verticalScrollBar()->sizeHint().width();
    return QSize(bar * 3, bar * 3);
}
