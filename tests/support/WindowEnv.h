#pragma once
// What the window tests share: the fixture database in a temporary folder with its data
// module, opening a window over it, and small readers of components and rows and drivers of
// clicks, as the user gives them.

#include "browse/DbGrid.h"
#include "browse/HeaderStrip.h"
#include "data/Dataset.h"
#include "data/DBModule.h"
#include "panes/NavigationHost.h"
#include "tests/support/PageLook.h"
#include "tools/gendb/Generator.h"

#include <QList>
#include <QStringList>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <type_traits>

namespace windowenv {

// The fixture written once per test program: gd.mdb and images/ in a temporary folder that
// stands for the executable's folder.
class FixtureDb {
public:
    FixtureDb()
    {
        QVERIFY2(m_dir.isValid(), "no temporary folder");
        gen::generateFixture(m_dir.filePath(QStringLiteral("gd.mdb")), m_dir.filePath(QStringLiteral("images")));
        m_db.DataModuleCreate(folder());
    }
    QString folder() const { return m_dir.path() + QLatin1Char('/'); }
    TDBModule& db() { return m_db; }

private:
    QTemporaryDir m_dir;
    TDBModule m_db;
};

/// A new window of the class over the fixture, shown at this size (empty: its own), with the
/// fixture's pictures where the window takes an executable folder.
template <typename Form>
std::unique_ptr<Form> openForm(NavigationHost& host, FixtureDb& fixture, QSize size = QSize(1000, 700))
{
    std::unique_ptr<Form> form;
    if constexpr (std::is_constructible_v<Form, NavigationHost&, TDBModule&, QWidget*, QString>)
        form = std::make_unique<Form>(host, fixture.db(), nullptr, fixture.folder());
    else
        form = std::make_unique<Form>(host, fixture.db());
    // Owned by the test, never by its own close.
    form->setAttribute(Qt::WA_DeleteOnClose, false);
    if (size.isValid())
        form->resize(size);
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get()))
        qWarning("window not exposed");
    return form;
}

template <typename T> T* part(QObject& form, const QString& name)
{
    T* found = form.findChild<T*>(name);
    if (!found)
        qFatal("no component %s", qPrintable(name));
    return found;
}

inline Dataset& query(QObject& form, const QString& name) { return *part<Dataset>(form, name); }

// One column of every row the dataset lets through, in its order.
inline QList<qint64> integers(Dataset& d, const QString& field)
{
    QList<qint64> out;
    const int column = d.fieldIndexOrThrow(field);
    for (int row = 0; row < d.recordCount(); ++row)
        out.append(d.value(row, column).toInteger());
    return out;
}

inline QStringList texts(Dataset& d, const QString& field)
{
    QStringList out;
    const int column = d.fieldIndexOrThrow(field);
    for (int row = 0; row < d.recordCount(); ++row)
        out.append(d.displayText(row, column));
    return out;
}

inline int rowOf(Dataset& d, const QString& field, qint64 value) { return int(integers(d, field).indexOf(value)); }

// What a grid shows in one column, row by row, read with its page in front.
inline QStringList shown(DbGrid& grid, int column)
{
    const PageLook look(grid);
    QStringList out;
    QAbstractItemModel* model = grid.model();
    for (int row = 0; row < model->rowCount(); ++row)
        out.append(model->index(row, column).data().toString());
    return out;
}

inline QList<qint64> ids(const QList<int>& list)
{
    QList<qint64> out;
    for (int id : list)
        out.append(id);
    return out;
}

// A click on a grid's data cell, as the user does it.
inline void clickRow(DbGrid& grid, int row, int column = 1)
{
    grid.scrollTo(grid.model()->index(row, column));
    const QRect cell = grid.visualRect(grid.model()->index(row, column));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
}

// What a real double-click delivers: a click, then the second press as a double-click.
inline void doubleClickRow(DbGrid& grid, int row)
{
    clickRow(grid, row);
    const QRect cell = grid.visualRect(grid.model()->index(row, 1));
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
}

// Brings the tab page holding a widget to the front, as the user would before clicking in it.
inline void showPageOf(QWidget& form, QWidget& widget)
{
    QTabWidget* pages = part<QTabWidget>(form, QStringLiteral("PageControl1"));
    for (int page = 0; page < pages->count(); ++page)
        if (pages->widget(page)->isAncestorOf(&widget))
            pages->setCurrentIndex(page);
}

// A click in the middle of a strip's heading.
inline void clickSection(QWidget& form, HeaderStrip& strip, int section)
{
    showPageOf(form, strip);
    const QPoint at(strip.sectionViewportPosition(section) + strip.sectionSize(section) / 2, strip.height() / 2);
    QTest::mouseClick(strip.viewport(), Qt::LeftButton, {}, at);
}

} // namespace windowenv
