#pragma once
// What the item and sets window tests share: the fixture database in a temporary folder with
// its data module, a main-frame stand-in that records the windows asked for, and small readers
// of components and rows.

#include "browse/DbGrid.h"
#include "browse/HeaderStrip.h"
#include "data/Dataset.h"
#include "data/DBModule.h"
#include "panes/NavigationHost.h"
#include "tests/support/PageLook.h"
#include "tools/gendb/Generator.h"

#include <QList>
#include <QTabWidget>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace itemenv {

struct Opened {
    WindowKind kind;
    QString monsterId;
};

class RecordingHost : public NavigationHost {
public:
    void openWindow(WindowKind kind) override { opened.append({kind, MonsterLocateId}); }
    QList<Opened> opened;
};

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

template <typename T> T* part(QObject& form, const QString& name)
{
    T* found = form.findChild<T*>(name);
    if (!found)
        qFatal("no component %s", qPrintable(name));
    return found;
}

inline Dataset& query(QObject& form, const QString& name) { return *part<Dataset>(form, name); }

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

} // namespace itemenv
