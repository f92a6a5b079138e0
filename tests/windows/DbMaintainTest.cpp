// The DB-list maintenance window on the fixture database: its pages and grids, the in-cell
// pickers, detail rows that take their master's key, the drops of the current monster, and the
// questions asked before a delete and before closing over a changed row.

#include "browse/DbLookupPicker.h"
#include "browse/DbNavigator.h"
#include "browse/EditGrid.h"
#include "data/DbError.h"
#include "tests/support/FakeHost.h"
#include "tests/support/WindowEnv.h"
#include "tools/gendb/Fixture.h"
#include "windows/DbMaintain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCryptographicHash>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QToolButton>

using namespace windowenv;

namespace {

// Answers the next message box with this button, once it is shown; records its text.
void answerNextBox(QMessageBox::StandardButton answer, QString* text = nullptr)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, answer, text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        if (text)
            *text = box->text();
        box->button(answer)->click();
        timer->deleteLater();
    });
    timer->start();
}

int columnOf(DbGrid& grid, const QString& field)
{
    for (int c = 0; c < grid.columns().size(); ++c)
        if (grid.columns()[c].field == field)
            return c;
    return -1;
}

void clickCell(DbGrid& grid, int row, int column)
{
    grid.setFocus();
    clickRow(grid, row, column);
    QCoreApplication::processEvents();
    grid.viewport()->repaint();
}

// What the file holds now, through a list opened afresh over the same connection.
QList<qint64> fileIntegers(Connection& connection, const QString& sql, const QString& field)
{
    Dataset fresh(connection);
    fresh.setSql(sql);
    fresh.open();
    return integers(fresh, field);
}

} // namespace

class DbMaintainTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_fixture = std::make_unique<FixtureDb>(); }

    void pagesGridsAndNavigators();
    void pickerLiesOnlyOverItsColumnsFocusedCellAndWritesTheKey();
    void aNewSetPieceCarriesTheSetId();
    void anotherMonsterShowsOnlyItsDropsFirstCurrent();
    void closingOverAChangedRowAsks();
    void deletingAsksFirst();
    void anUnchangedNewRowGoesWhenTheGridLosesTheFocus();
    void theItemRecordPickersWriteTheirFields();
    void overAReadOnlyCopyNothingCanBeEdited();

private:
    std::unique_ptr<TDbMaintainForm> open()
    {
        auto form = openForm<TDbMaintainForm>(m_host, *m_fixture, QSize(1100, 760));
        return form;
    }
    Connection& connection() { return m_fixture->db().ADOConnection1; }
    FakeHost m_host;
    std::unique_ptr<FixtureDb> m_fixture;
};

void DbMaintainTest::pagesGridsAndNavigators()
{
    auto form = open();
    QCOMPARE(form->windowTitle(), QStringLiteral("DB-List Maintainance"));
    auto* pages = part<QTabWidget>(*form, QStringLiteral("PageControl1"));
    QStringList tabs;
    for (int i = 0; i < pages->count(); ++i)
        tabs << pages->tabText(i);
    QCOMPARE(tabs, QStringList({"Items Add/Edit", "Browse List ", "Sets Add/Edit", "Monsters Add/Edit", "Skills Add/Edit"}));
    QCOMPARE(pages->currentIndex(), 0);
    auto* inner = part<QTabWidget>(*form, QStringLiteral("PageControl2"));
    QCOMPARE(inner->tabText(0), QStringLiteral("Weapon List"));
    QCOMPARE(inner->tabText(2), QStringLiteral("Accesories List"));
    auto* monsterPages = part<QTabWidget>(*form, QStringLiteral("PageControl3"));
    QCOMPARE(monsterPages->tabText(monsterPages->currentIndex()), QStringLiteral("Monster Drop/Spoil"));

    // Titles and widths as declared; a column without a width fits its title.
    auto* drops = part<DbGrid>(*form, QStringLiteral("DBGrid3"));
    QStringList titles;
    for (const GridColumn& c : drops->columns())
        titles << c.title;
    QCOMPARE(titles, QStringList({"ID", "Item Id", "Minimal Drop", "Maximal Drop", "Chance", "Over Spoil?"}));
    QCOMPARE(drops->columnWidth(1), 200);
    QVERIFY(drops->columnWidth(2) >= QFontMetrics(drops->horizontalHeader()->font()).horizontalAdvance(QStringLiteral("Minimal Drop")));
    QCOMPARE(part<DbGrid>(*form, QStringLiteral("DBGrid5"))->columnWidth(2), 700);

    // Refresh only on the weapon list's navigator.
    auto* weapons = part<DbNavigator>(*form, QStringLiteral("DBNavigator8"));
    QVERIFY(weapons->button(DbNavigator::Refresh)->isVisibleTo(weapons));
    for (const char* name : {"DBNavigator1", "DBNavigator4", "DBNavigator7", "DBNavigator9"}) {
        auto* navigator = part<DbNavigator>(*form, QString::fromLatin1(name));
        QVERIFY2(!navigator->button(DbNavigator::Refresh)->isVisibleTo(navigator), name);
        QVERIFY2(navigator->button(DbNavigator::Cancel)->isVisibleTo(navigator), name);
    }

    // The item names stand alphabetically; the item record follows the current name.
    Dataset& names = query(*form, QStringLiteral("ADOItemsName"));
    QCOMPARE(names.sort(), QStringLiteral("name ASC"));
    QStringList shownNames = texts(names, QStringLiteral("name"));
    QStringList sorted = shownNames;
    std::sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    QCOMPARE(shownNames, sorted);
    QVERIFY(names.locate(QStringLiteral("name"), QString::fromLatin1(fixture::kSwordOfValorName), CaseInsensitive | PartialKey));
    QCOMPARE(integers(query(*form, QStringLiteral("ADOItemsDetail")), QStringLiteral("id")), ids({fixture::kSwordOfValor}));
    // The quick find searches the names.
    QTest::keyClicks(part<QLineEdit>(*form, QStringLiteral("Edit2")), QStringLiteral("elder"));
    QCOMPARE(names.asInteger(QStringLiteral("id")), qint64(fixture::kElderOakStaff));
}

void DbMaintainTest::pickerLiesOnlyOverItsColumnsFocusedCellAndWritesTheKey()
{
    auto form = open();
    auto* grid = part<EditGrid>(*form, QStringLiteral("DBGrid3"));
    showPageOf(*form, *grid);
    Dataset& monsters = query(*form, QStringLiteral("ADOMonstersName"));
    QVERIFY(monsters.locate(QStringLiteral("id"), QString::number(fixture::kFieldRat), CaseInsensitive | PartialKey));
    Dataset& drops = query(*form, QStringLiteral("QueryDrops"));
    QVERIFY(drops.recordCount() > 0);
    auto* picker = part<DbLookupPicker>(*form, QStringLiteral("DBLookupComboBox1"));
    QVERIFY(!picker->isVisible());

    const int itemColumn = columnOf(*grid, QStringLiteral("item_id"));
    clickCell(*grid, 0, itemColumn);
    QTRY_VERIFY(picker->isVisible());
    const QRect cell = grid->visualRect(grid->model()->index(0, itemColumn));
    QCOMPARE(picker->geometry(), QRect(grid->viewport()->mapTo(picker->parentWidget(), cell.topLeft()), cell.size()));
    // It shows the name of the row's item.
    Dataset& itemNames = query(*form, QStringLiteral("ADOItems"));
    const int named = rowOf(itemNames, QStringLiteral("id"), drops.asInteger(QStringLiteral("item_id")));
    QVERIFY(named >= 0);
    QCOMPARE(picker->currentText(), itemNames.displayText(named, itemNames.fieldIndex(QStringLiteral("name"))));

    // A pick writes the key into the row, which is then being edited.
    const int pick = picker->findData(QString::number(fixture::kAnimalBone));
    QVERIFY(pick >= 0);
    picker->setCurrentIndex(pick);
    emit picker->activated(pick);
    QCOMPARE(drops.state(), DatasetState::Edit);
    QCOMPARE(drops.asInteger(QStringLiteral("item_id")), qint64(fixture::kAnimalBone));
    drops.cancel();

    // Another column of the same grid: the picker goes away and stays away.
    clickCell(*grid, 0, columnOf(*grid, QStringLiteral("min")));
    QTRY_VERIFY(!picker->isVisible());
    // Its column again, but the grid without the focus: the picker does not come.
    grid->clearFocus();
    form->setFocus();
    grid->selectionModel()->setCurrentIndex(grid->model()->index(0, itemColumn), QItemSelectionModel::NoUpdate);
    grid->viewport()->repaint();
    QCoreApplication::processEvents();
    QVERIFY(!picker->isVisible());
}

void DbMaintainTest::aNewSetPieceCarriesTheSetId()
{
    auto form = open();
    auto* sets = part<EditGrid>(*form, QStringLiteral("DBGrid6"));
    showPageOf(*form, *sets);
    Dataset& setNames = query(*form, QStringLiteral("SetsName"));
    clickCell(*sets, 1, 1);
    const qint64 set = setNames.asInteger(QStringLiteral("id"));
    Dataset& pieces = query(*form, QStringLiteral("SetsDetails"));
    const int before = pieces.recordCount();

    auto* navigator = part<DbNavigator>(*form, QStringLiteral("DBNavigator7"));
    navigator->button(DbNavigator::Insert)->click();
    QCOMPARE(pieces.state(), DatasetState::Insert);
    QCOMPARE(pieces.asInteger(QStringLiteral("set_id")), set);
    QVERIFY(pieces.asText(QStringLiteral("item_id")).isEmpty());
    // The armor picker writes the piece.
    auto* picker = part<DbLookupPicker>(*form, QStringLiteral("DBLookupComboBox3"));
    const int pick = picker->findData(QString::number(fixture::kBucklerOfDawn));
    QVERIFY(pick >= 0);
    emit picker->activated(pick);
    navigator->button(DbNavigator::Post)->click();
    QCOMPARE(pieces.state(), DatasetState::Browse);
    QCOMPARE(pieces.recordCount(), before + 1);
    QVERIFY(fileIntegers(connection(), QStringLiteral("SELECT item_id FROM setitems WHERE set_id = %1").arg(set), QStringLiteral("item_id"))
                .contains(fixture::kBucklerOfDawn));

    // Delete asks; OK removes the piece from the file.
    QVERIFY(pieces.locate(QStringLiteral("item_id"), QString::number(fixture::kBucklerOfDawn), CaseInsensitive | PartialKey));
    QString asked;
    answerNextBox(QMessageBox::Ok, &asked);
    navigator->button(DbNavigator::Delete)->click();
    QCOMPARE(asked, QStringLiteral("Delete record?"));
    QCOMPARE(pieces.recordCount(), before);
    QVERIFY(!fileIntegers(connection(), QStringLiteral("SELECT item_id FROM setitems WHERE set_id = %1").arg(set), QStringLiteral("item_id"))
                 .contains(fixture::kBucklerOfDawn));
}

void DbMaintainTest::anotherMonsterShowsOnlyItsDropsFirstCurrent()
{
    auto form = open();
    auto* names = part<DbGrid>(*form, QStringLiteral("DBGrid1"));
    showPageOf(*form, *names);
    Dataset& monsters = query(*form, QStringLiteral("ADOMonstersName"));
    Dataset& drops = query(*form, QStringLiteral("QueryDrops"));
    const int row = rowOf(monsters, QStringLiteral("id"), fixture::kAshenGhoul);
    QVERIFY(row >= 0);
    clickCell(*names, row, 1);
    QCOMPARE(drops.filter(), QStringLiteral("npc_id = '%1'").arg(fixture::kAshenGhoul));
    QVERIFY(drops.recordCount() >= 2);
    for (qint64 npc : integers(drops, QStringLiteral("npc_id")))
        QCOMPARE(npc, qint64(fixture::kAshenGhoul));
    QCOMPARE(drops.recNo(), 0);
    // A new drop row carries no monster until one is typed.
    drops.insert();
    QVERIFY(drops.asText(QStringLiteral("npc_id")).isEmpty());
    drops.cancel();
}

void DbMaintainTest::closingOverAChangedRowAsks()
{
    auto form = open();
    Dataset& monsters = query(*form, QStringLiteral("ADOMonstersName"));
    const qint64 id = monsters.asInteger(QStringLiteral("id"));
    const QString title = monsters.asText(QStringLiteral("title"));
    monsters.setFieldText(QStringLiteral("title"), QStringLiteral("Typed, not posted"));

    QString asked;
    answerNextBox(QMessageBox::Cancel, &asked);
    QVERIFY(!form->close());
    QCOMPARE(asked, QStringLiteral("Save the changes to the row being edited?"));
    QCOMPARE(monsters.state(), DatasetState::Edit);
    QCOMPARE(monsters.asText(QStringLiteral("title")), QStringLiteral("Typed, not posted"));

    answerNextBox(QMessageBox::Discard);
    QVERIFY(form->close());
    QCOMPARE(monsters.state(), DatasetState::Browse);
    Dataset fresh(connection());
    fresh.setSql(QStringLiteral("SELECT title FROM npcnames WHERE id = %1").arg(id));
    fresh.open();
    QCOMPARE(fresh.asText(QStringLiteral("title")), title);

    // Save posts the row, then the window closes.
    auto second = open();
    Dataset& again = query(*second, QStringLiteral("ADOMonstersName"));
    again.setFieldText(QStringLiteral("title"), QStringLiteral("Kept"));
    answerNextBox(QMessageBox::Save);
    QVERIFY(second->close());
    Dataset after(connection());
    after.setSql(QStringLiteral("SELECT title FROM npcnames WHERE id = %1").arg(again.asInteger(QStringLiteral("id"))));
    after.open();
    QCOMPARE(after.asText(QStringLiteral("title")), QStringLiteral("Kept"));
}

void DbMaintainTest::deletingAsksFirst()
{
    auto form = open();
    auto* grid = part<EditGrid>(*form, QStringLiteral("DBGrid3"));
    showPageOf(*form, *grid);
    Dataset& monsters = query(*form, QStringLiteral("ADOMonstersName"));
    QVERIFY(monsters.locate(QStringLiteral("id"), QString::number(fixture::kFrostDrake), CaseInsensitive | PartialKey));
    Dataset& drops = query(*form, QStringLiteral("QueryDrops"));
    const int before = drops.recordCount();
    QVERIFY(before > 0);
    clickCell(*grid, 0, columnOf(*grid, QStringLiteral("min")));

    QString asked;
    answerNextBox(QMessageBox::Cancel, &asked);
    QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(asked, QStringLiteral("Delete record?"));
    QCOMPARE(drops.recordCount(), before);

    answerNextBox(QMessageBox::Ok);
    QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(drops.recordCount(), before - 1);
    QCOMPARE(fileIntegers(connection(), QStringLiteral("SELECT npc_id FROM drops WHERE npc_id = %1").arg(fixture::kFrostDrake),
                          QStringLiteral("npc_id")).size(),
             before - 1);
}

void DbMaintainTest::anUnchangedNewRowGoesWhenTheGridLosesTheFocus()
{
    auto form = open();
    auto* grid = part<EditGrid>(*form, QStringLiteral("DBGrid1"));
    showPageOf(*form, *grid);
    Dataset& monsters = query(*form, QStringLiteral("ADOMonstersName"));
    const int before = monsters.recordCount();
    clickCell(*grid, 0, 1);
    QTest::keyClick(grid, Qt::Key_Insert);
    QCOMPARE(monsters.state(), DatasetState::Insert);
    QCOMPARE(grid->model()->rowCount(), before + 1);
    QCOMPARE(grid->model()->headerData(before, Qt::Vertical).toString(), QStringLiteral("*"));
    part<QLineEdit>(*form, QStringLiteral("Edit1"))->setFocus();
    QTRY_COMPARE(monsters.state(), DatasetState::Browse);
    QCOMPARE(monsters.recordCount(), before);

    // A typed row stays when the focus goes.
    clickCell(*grid, 0, 1);
    QTest::keyClick(grid, Qt::Key_Insert);
    monsters.setFieldText(QStringLiteral("name"), QStringLiteral("Fresh Monster"));
    part<QLineEdit>(*form, QStringLiteral("Edit1"))->setFocus();
    QCoreApplication::processEvents();
    QCOMPARE(monsters.state(), DatasetState::Insert);
    monsters.cancel();
}

void DbMaintainTest::theItemRecordPickersWriteTheirFields()
{
    auto form = open();
    Dataset& items = query(*form, QStringLiteral("ADOItemsDetail"));
    QVERIFY(query(*form, QStringLiteral("ADOItemsName")).locate(QStringLiteral("name"), QString::fromLatin1(fixture::kSwordOfValorName), CaseInsensitive | PartialKey));
    auto* kinds = part<DbLookupPicker>(*form, QStringLiteral("DBLookupComboBox5"));
    // The item kinds, not the weapon types.
    QVERIFY(kinds->findData(QStringLiteral("Weapon")) >= 0);
    QVERIFY(kinds->findData(QString::fromLatin1(fixture::kTypeSword)) < 0);
    QCOMPARE(kinds->currentText(), QStringLiteral("Weapon"));
    const int material = kinds->findData(QStringLiteral("Material"));
    QVERIFY(material >= 0);
    emit kinds->activated(material);
    QCOMPARE(items.state(), DatasetState::Edit);
    QCOMPARE(items.asText(QStringLiteral("type")), QStringLiteral("Material"));

    auto* materials = part<DbLookupPicker>(*form, QStringLiteral("DBLookupComboBox2"));
    QVERIFY(materials->count() > 0);
    emit materials->activated(materials->count() - 1);
    QCOMPARE(items.asText(QStringLiteral("material_type")), materials->itemData(materials->count() - 1).toString());
    items.cancel();
    QCOMPARE(items.asText(QStringLiteral("type")), QStringLiteral("Weapon"));
}


void DbMaintainTest::overAReadOnlyCopyNothingCanBeEdited()
{
    // The fixture as the copy of a Jet file: opened read-only, naming the file it came from.
    const QString file = m_fixture->folder() + QStringLiteral("gd.mdb");
    const auto digest = [&] {
        QFile f(file);
        f.open(QIODevice::ReadOnly);
        return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1);
    };
    const QByteArray before = digest();
    const QString why = QStringLiteral("/games/gd.mdb is a Jet/Access database: nothing can be edited here.");
    m_fixture->db().openImportedCopy(file, QStringLiteral("/games/gd.mdb"), why);
    auto form = open();

    // It says so, above its pages.
    QCOMPARE(form->windowTitle(), QStringLiteral("DB-List Maintainance (read-only)"));
    auto* notice = part<QLabel>(*form, QStringLiteral("ReadOnlyNotice"));
    QVERIFY(notice->isVisible());
    QVERIFY(notice->text().contains(QStringLiteral("Read-only.")));
    QVERIFY(notice->text().contains(QStringLiteral("/games/gd.mdb is a Jet/Access database")));
    QVERIFY(notice->geometry().bottom() <= part<QTabWidget>(*form, QStringLiteral("PageControl1"))->geometry().top());

    // The navigators move but offer no edit.
    for (const char* name : {"DBNavigator1", "DBNavigator2", "DBNavigator4", "DBNavigator5", "DBNavigator7", "DBNavigator8"}) {
        auto* navigator = part<DbNavigator>(*form, QString::fromLatin1(name));
        QVERIFY2(navigator->button(DbNavigator::Next)->isVisibleTo(navigator), name);
        for (DbNavigator::Button b : {DbNavigator::Insert, DbNavigator::Delete, DbNavigator::Edit, DbNavigator::Post,
                                      DbNavigator::Cancel})
            QVERIFY2(!navigator->button(b)->isVisibleTo(navigator), name);
    }
    // No cell opens for editing, and Insert adds no row.
    auto* drops = part<EditGrid>(*form, QStringLiteral("DBGrid3"));
    showPageOf(*form, *drops);
    QVERIFY(query(*form, QStringLiteral("ADOMonstersName"))
                .locate(QStringLiteral("id"), QString::number(fixture::kFieldRat), CaseInsensitive | PartialKey));
    Dataset& dropRows = query(*form, QStringLiteral("QueryDrops"));
    QVERIFY(dropRows.recordCount() > 0);
    const int itemColumn = columnOf(*drops, QStringLiteral("item_id"));
    QVERIFY(!(drops->model()->flags(drops->model()->index(0, itemColumn)) & Qt::ItemIsEditable));
    QVERIFY(!(drops->model()->flags(drops->model()->index(0, columnOf(*drops, QStringLiteral("min")))) & Qt::ItemIsEditable));
    clickCell(*drops, 0, itemColumn);
    const int rows = dropRows.recordCount();
    QTest::keyClick(drops, Qt::Key_Insert);
    QTest::keyClicks(drops, QStringLiteral("42"));
    QCOMPARE(dropRows.state(), DatasetState::Browse);
    QCOMPARE(dropRows.recordCount(), rows);
    // The item picker still names the row's item, but picks nothing.
    auto* picker = part<DbLookupPicker>(*form, QStringLiteral("DBLookupComboBox1"));
    QTRY_VERIFY(picker->isVisible());
    QVERIFY(!picker->isEnabled());
    // Whatever asks a list to change is refused with the reason.
    try {
        dropRows.edit();
        QFAIL("editing was allowed");
    } catch (const DbError& e) {
        QCOMPARE(e.message(), why);
    }
    QVERIFY_EXCEPTION_THROWN(query(*form, QStringLiteral("SetsName")).insert(), DbError);
    QVERIFY_EXCEPTION_THROWN(query(*form, QStringLiteral("ADOItemsName")).deleteRecord(), DbError);
    // Closing asks nothing; the file is as it was.
    QVERIFY(form->close());
    form.reset();
    QCOMPARE(digest(), before);
    m_fixture->db().DataModuleCreate(m_fixture->folder());
}

QTEST_MAIN(DbMaintainTest)
#include "DbMaintainTest.moc"
