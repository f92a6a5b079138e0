#include "browse/PageControl.h"

#include "browse/UiFont.h"

#include <QTabBar>
#include <QTabWidget>

QTabWidget* pageControl(QWidget* parent)
{
    auto* pages = new QTabWidget(parent);
    pages->setObjectName(QStringLiteral("PageControl1"));
    pages->tabBar()->setFont(uiFont(kTahoma, 13, true));
    // The tab under the pointer lights up.
    pages->tabBar()->setAttribute(Qt::WA_Hover);
    return pages;
}
