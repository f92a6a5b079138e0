#include "windows/MonstersSourcesPage.h"

#include "browse/DbGrid.h"
#include "browse/HeaderStrip.h"
#include "browse/UiFont.h"

#include <QLabel>
#include <QSplitter>
#include <QVBoxLayout>

namespace {
constexpr int kLowerPaneHeight = 203;
constexpr int kDividerWidth = 5;
}

MonstersSourcesPage::MonstersSourcesPage(const Names& names, QWidget* parent)
    : QWidget(parent), m_splitter(new QSplitter(Qt::Vertical, this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_splitter);
    m_splitter->setHandleWidth(kDividerWidth);
    m_splitter->setChildrenCollapsible(false);
    m_splitter->addWidget(pane(QStringLiteral("Drops"), names.upperStrip, names.upperGrid, m_upperStrip, m_upperGrid));
    m_splitter->addWidget(pane(QStringLiteral("Spoils"), names.lowerStrip, names.lowerGrid, m_lowerStrip, m_lowerGrid));
    // The lower pane keeps its height when the page grows; the upper one takes the rest.
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);
    m_splitter->setSizes({10000, kLowerPaneHeight});
}

QWidget* MonstersSourcesPage::pane(const QString& caption, const char* stripName, const char* gridName,
                                   HeaderStrip*& strip, DbGrid*& grid)
{
    auto* panel = new QWidget(m_splitter);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* label = new QLabel(caption, panel);
    label->setFont(uiFont(kTahoma, 13, true));
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, Qt::blue);
    label->setPalette(p);
    layout->addWidget(label);

    strip = new HeaderStrip(panel);
    strip->setObjectName(QLatin1String(stripName));
    layout->addWidget(strip);

    grid = new DbGrid(panel);
    grid->setObjectName(QLatin1String(gridName));
    layout->addWidget(grid, 1);
    return panel;
}

DbGrid* MonstersSourcesPage::upperGrid() const { return m_upperGrid; }
DbGrid* MonstersSourcesPage::lowerGrid() const { return m_lowerGrid; }
HeaderStrip* MonstersSourcesPage::upperStrip() const { return m_upperStrip; }
HeaderStrip* MonstersSourcesPage::lowerStrip() const { return m_lowerStrip; }
QSplitter* MonstersSourcesPage::splitter() const { return m_splitter; }
