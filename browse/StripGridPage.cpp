#include "browse/StripGridPage.h"

#include "browse/DbGrid.h"
#include "browse/HeaderStrip.h"
#include "browse/UiFont.h"

#include <QLabel>
#include <QVBoxLayout>

QLabel* paneCaption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFont(uiFont(kTahoma, 13, true));
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, Qt::blue);
    label->setPalette(p);
    return label;
}

StripGridPage::StripGridPage(const QString& caption, HeaderStrip::FirstSection first, QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    if (!caption.isEmpty()) {
        m_caption = paneCaption(caption, this);
        layout->addWidget(m_caption);
    }
    m_strip = new HeaderStrip(this);
    layout->addWidget(m_strip);
    m_grid = new DbGrid(this);
    layout->addWidget(m_grid, 1);
    m_strip->setGrid(m_grid, first);
}

HeaderStrip* StripGridPage::strip() const { return m_strip; }
DbGrid* StripGridPage::grid() const { return m_grid; }
QLabel* StripGridPage::caption() const { return m_caption; }
