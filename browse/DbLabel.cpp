#include "browse/DbLabel.h"

#include "browse/ShownText.h"
#include "browse/UiFont.h"

DbLabel::DbLabel(QWidget* parent) : QLabel(parent)
{
    setFont(uiFont(kTahoma, 13, true));
    QPalette p = palette();
    p.setColor(QPalette::WindowText, Qt::red);
    setPalette(p);
    // On a tool bar the inherited role would be ButtonText, which ignores the red.
    setForegroundRole(QPalette::WindowText);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
}

void DbLabel::bind(Dataset& dataset, const QString& field) { m_link.bind(dataset, field); }

void DbLabel::refresh()
{
    const QString text = m_link.text();
    setText(shownText(text));
    setToolTip(isCutForShowing(text) ? cutTextToolTip(text) : QString());
    adjustSize();
    updateGeometry();
}
