#include "windows/DbMaintainPanels.h"

#include "browse/DbLookupPicker.h"
#include "browse/EditGrid.h"
#include "browse/GridSetup.h"
#include "browse/ToolRow.h"
#include "browse/UiFont.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolBar>
#include <QVBoxLayout>

namespace dbmaintain {

namespace {
constexpr int kBarHeight = 29;
constexpr int kSearchWidth = 121;
} // namespace

FindRow findRow(const QString& barName, const QString& searchName, const QString& navigatorName, Dataset& dataset,
                QWidget* parent)
{
    ToolRow row(barName, kBarHeight, parent);
    row.gap(4);
    row.caption(QStringLiteral("Quick Find"));
    row.gap(4);
    FindRow out;
    out.bar = row.bar();
    out.search = row.add(new QLineEdit(row.bar()));
    out.search->setObjectName(searchName);
    out.search->setFixedWidth(kSearchWidth);
    out.search->setFont(uiFont(kSansSerif, 12));
    row.separator();
    out.navigator = row.add(new DbNavigator(row.bar()));
    out.navigator->setObjectName(navigatorName);
    out.navigator->setVisibleButtons(DbNavigator::editingButtons());
    out.navigator->setDataset(dataset);
    return out;
}

GridPanel gridPanel(const QString& gridName, const QString& navigatorName, Dataset& dataset,
                    const QVector<GridColumn>& columns, QWidget* parent, const QVector<DbNavigator::Button>& buttons)
{
    GridPanel out;
    out.panel = new QWidget(parent);
    auto* layout = new QVBoxLayout(out.panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    if (!navigatorName.isEmpty()) {
        ToolRow row(QStringLiteral("ToolBar_") + navigatorName, kBarHeight, out.panel);
        out.bar = row.bar();
        out.navigator = row.add(new DbNavigator(row.bar()));
        out.navigator->setObjectName(navigatorName);
        out.navigator->setVisibleButtons(buttons);
        out.navigator->setDataset(dataset);
        layout->addWidget(out.bar);
    }
    out.grid = new EditGrid(out.panel);
    setUpTitledGrid(*out.grid, gridName, uiFont(kSansSerif, 13, true), columns);
    out.grid->setDataset(dataset);
    layout->addWidget(out.grid, 1);
    return out;
}

QLabel* readOnlyNotice(const QString& why, QWidget* parent)
{
    // Indented lines of the reason are commands to type: set apart, in a fixed face.
    QString html = QStringLiteral("<b>Read-only.</b> ");
    const QStringList lines = why.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.startsWith(QLatin1String("    ")))
            html += QStringLiteral("<br><code>&nbsp;&nbsp;&nbsp;&nbsp;%1</code><br>").arg(line.trimmed().toHtmlEscaped());
        else
            html += (i > 0 && !lines[i - 1].startsWith(QLatin1String("    ")) ? QStringLiteral(" ") : QString()) + line.toHtmlEscaped();
    }
    auto* notice = new QLabel(html, parent);
    notice->setObjectName(QStringLiteral("ReadOnlyNotice"));
    notice->setTextFormat(Qt::RichText);
    notice->setWordWrap(true);
    notice->setTextInteractionFlags(Qt::TextSelectableByMouse);
    notice->setFont(uiFont(kSansSerif, 11));
    notice->setContentsMargins(8, 6, 8, 6);
    notice->setAutoFillBackground(true);
    QPalette look = notice->palette();
    look.setColor(QPalette::Window, QColor(255, 244, 196));
    look.setColor(QPalette::WindowText, Qt::black);
    notice->setPalette(look);
    return notice;
}

QToolBar* idleNavigatorBar(const QString& barName, const QString& navigatorName, QWidget* parent)
{
    ToolRow row(barName, kBarHeight, parent);
    auto* navigator = row.add(new DbNavigator(row.bar()));
    navigator->setObjectName(navigatorName);
    navigator->setVisibleButtons(DbNavigator::editingButtons());
    return row.bar();
}

DbLookupPicker* picker(const QString& name, GridPanel& panel, const QString& coveredField, Dataset& list,
                       const QString& keyField, const QString& listField, Dataset& rows, const QString& dataField)
{
    auto* p = new DbLookupPicker(panel.panel);
    p->setObjectName(name);
    p->setListSource(list, keyField, listField);
    p->setDataField(rows, dataField);
    p->cover(*panel.grid, coveredField);
    return p;
}

void itemPickerLook(DbLookupPicker& picker)
{
    picker.setBackground(QColor(192, 220, 192));
    picker.setDropDownRightAligned(true);
    picker.setMaxVisibleItems(10);
    picker.setDropDownWidth(200);
}

} // namespace dbmaintain
