// The crafting pages: "Used In" follows the selected item of an item window and the selected
// ingredient of the recipes window, waits with its rows while hidden, and opens the recipe on
// a double-click; "Crafting Tree" follows the selected recipe once in view, multiplies the
// quantities through the levels, offers the recipes of an item made by several, totals for the
// crafts the spin box sets, and opens the best source of a raw material or a crafted item's
// recipe.

#include "crafting/CraftMath.h"
#include "panes/CraftingTreePage.h"
#include "panes/CraftingTreeView.h"
#include "panes/RawMaterialsView.h"
#include "panes/UsedInPage.h"
#include "panes/WindowPlace.h"
#include "tests/crafting/CraftingRows.h"
#include "tests/support/FakeHost.h"
#include "tests/support/TinyDb.h"
#include "tests/support/WindowEnv.h"
#include "tools/gendb/Fixture.h"
#include "tools/gendb/SchemaText.h"
#include "windows/Items.h"
#include "windows/Recipes.h"
#include "windows/Weapons.h"

#include <QComboBox>
#include <QLabel>
#include <QSpinBox>

using namespace windowenv;

namespace {
const QString kUsedIn = QStringLiteral("UsedInQuery");

// What the used-in grid shows: quantity, made item and rate, row by row.
QStringList usedInRows(QWidget& form)
{
    auto* grid = part<DbGrid>(form, QStringLiteral("UsedInGrid"));
    const QStringList quantities = shown(*grid, 1), made = shown(*grid, 2), rates = shown(*grid, 3);
    QStringList out;
    for (int i = 0; i < quantities.size(); ++i)
        out << QStringLiteral("%1 %2 %3").arg(quantities[i], made[i], rates[i]);
    return out;
}

QString captionOf(QWidget& form) { return part<UsedInPage>(form, QStringLiteral("UsedInPage"))->caption()->text(); }

// Every row of a tree, depth-first, as "indent name needed crafts rate left-over".
QStringList treeRows(QTreeWidget& tree)
{
    QStringList out;
    std::function<void(QTreeWidgetItem*, int)> walk = [&](QTreeWidgetItem* row, int depth) {
        QString rate = row->text(CraftingTreeView::RateColumn);
        if (auto* choice = qobject_cast<QComboBox*>(tree.itemWidget(row, CraftingTreeView::RateColumn)))
            rate = QLatin1Char('[') + choice->currentText() + QLatin1Char(']');
        const QString indent = depth ? QString(depth, QLatin1Char('.')) + QLatin1Char(' ') : QString();
        out << QStringLiteral("%1%2 %3 %4 %5 %6")
                   .arg(indent, row->text(CraftingTreeView::NameColumn), row->text(CraftingTreeView::NeededColumn),
                        row->text(CraftingTreeView::CraftsColumn), rate, row->text(CraftingTreeView::LeftOverColumn))
                   .trimmed();
        for (int i = 0; i < row->childCount(); ++i)
            walk(row->child(i), depth + 1);
    };
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
        walk(tree.topLevelItem(i), 0);
    return out;
}

QStringList rawRows(QTreeWidget& raw)
{
    QStringList out;
    for (int i = 0; i < raw.topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = raw.topLevelItem(i);
        out << QStringLiteral("%1 %2 %3 %4")
                   .arg(row->text(RawMaterialsView::QuantityColumn), row->text(RawMaterialsView::NameColumn),
                        row->text(RawMaterialsView::SourceColumn), row->text(RawMaterialsView::HowColumn))
                   .trimmed();
    }
    return out;
}

void showPage(QWidget& form, const QString& title)
{
    auto* pages = part<QTabWidget>(form, QStringLiteral("PageControl1"));
    for (int i = 0; i < pages->count(); ++i)
        if (pages->tabText(i) == title)
            pages->setCurrentIndex(i);
    QApplication::processEvents();
}

void doubleClickTreeRow(QTreeWidget& tree, QTreeWidgetItem* row)
{
    tree.scrollToItem(row);
    const QPoint at = tree.visualItemRect(row).center();
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, at);
}

// The recipes window over the hand-made crafting rows.
struct CraftingWindow {
    explicit CraftingWindow(FakeHost& host) : tiny(rows().c_str())
    {
        db.DataModuleCreate(tiny.folder());
        form = std::make_unique<TRecipesForm>(host, db, nullptr, tiny.folder());
        form->resize(1200, 800);
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            qWarning("window not exposed");
        page = part<CraftingTreePage>(*form, QStringLiteral("CraftingTreePage"));
    }
    static std::string rows() { return std::string(gen::schemaText()) + kCraftingRows; }
    bool show(const char* item, const char* rate)
    {
        return WindowPlace::of(form.get())->show({QLatin1String(item), QLatin1String(rate)});
    }
    /// The recipe with its tree in view.
    bool showTree(const char* item, const char* rate)
    {
        showPage(*form, QStringLiteral("Crafting Tree"));
        return show(item, rate);
    }

    TinyDb tiny;
    TDBModule db;
    std::unique_ptr<TRecipesForm> form;
    CraftingTreePage* page = nullptr;
};
} // namespace

class CraftingPagesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_fixture = std::make_unique<FixtureDb>(); }

    void usedInFollowsTheItemWindowsSelection();
    void usedInFollowsTheSelectedIngredientAndOpensTheRecipe();
    void treeFollowsTheRecipeOnceInView();
    void treeOffersTheRecipesOfAnItemMadeBySeveral();
    void spinBoxMultipliesTheTotalsAndSourcesOpenTheMonster();
    void loopsMissingRowsAndEmptyRecipesAreMarked();

private:
    std::unique_ptr<FixtureDb> m_fixture;
};

void CraftingPagesTest::usedInFollowsTheItemWindowsSelection()
{
    using namespace fixture;
    FakeHost host;
    auto form = openForm<TItemsForm>(host, *m_fixture);
    Dataset& usedIn = query(*form, kUsedIn);
    // Behind the list the page only remembers its item; its rows come when it is looked at.
    QCOMPARE(usedIn.filter(), QStringLiteral("material = '%1'").arg(kAnimalBone));
    QCOMPARE(usedIn.fetchedRowCount(), 0);
    QCOMPARE(usedInRows(*form), QStringList({"5 Elder Oak Staff 100"}));
    QCOMPARE(captionOf(*form), QStringLiteral("Used In: Animal Bone"));

    QVERIFY(WindowPlace::of(form.get())->show({QString::number(kIronOre)}));
    QCOMPARE(usedInRows(*form), QStringList({"20 Blackwood Helm 100", "10 Elder Oak Staff 100"}));
    QCOMPARE(captionOf(*form), QStringLiteral("Used In: Iron Ore"));
    QVERIFY(WindowPlace::of(form.get())->show({QString::number(kCoarseThread)}));
    QCOMPARE(usedInRows(*form), QStringList({"4 Blackwood Helm 100", "3 Elder Oak Staff 60"}));
    // An item nothing is made from.
    QVERIFY(WindowPlace::of(form.get())->show({QString::number(kHealingPotion)}));
    QVERIFY(usedInRows(*form).isEmpty());

    // The weapons window has the page too, after the designed ones.
    auto weapons = openForm<TWeaponForm>(host, *m_fixture);
    auto* pages = part<QTabWidget>(*weapons, QStringLiteral("PageControl1"));
    QCOMPARE(pages->tabText(pages->count() - 1), QStringLiteral("Used In"));
    QCOMPARE(pages->tabText(2), QStringLiteral("Ingredients"));
    QVERIFY(WindowPlace::of(weapons.get())->show({QString::number(kElderOakStaff)}));
    QCOMPARE(captionOf(*weapons), QStringLiteral("Used In: Elder Oak Staff"));
    QVERIFY(usedInRows(*weapons).isEmpty());
    // A double-click in the empty list opens nothing.
    showPage(*weapons, QStringLiteral("Used In"));
    auto* grid = part<DbGrid>(*weapons, QStringLiteral("UsedInGrid"));
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
    QVERIFY(host.opened.isEmpty());
}

void CraftingPagesTest::usedInFollowsTheSelectedIngredientAndOpensTheRecipe()
{
    using namespace fixture;
    QList<QWidget*> made;
    FakeHost host([&](WindowKind kind, NavigationHost& h) -> QWidget* {
        if (kind != WindowKind::Recipes)
            return nullptr;
        auto* window = new TRecipesForm(h, m_fixture->db(), nullptr, m_fixture->folder());
        made << window;
        return window;
    });
    auto form = openForm<TRecipesForm>(host, *m_fixture);
    auto* pages = part<QTabWidget>(*form, QStringLiteral("PageControl1"));
    QCOMPARE(pages->tabText(0), QStringLiteral("Ingredients"));
    QCOMPARE(pages->tabText(1), QStringLiteral("Crafting Tree"));
    QCOMPARE(pages->tabText(2), QStringLiteral("Used In"));

    // The helm's first ingredient is iron ore.
    QCOMPARE(usedInRows(*form), QStringList({"20 Blackwood Helm 100", "10 Elder Oak Staff 100"}));
    clickRow(*part<DbGrid>(*form, QStringLiteral("DBGrid2")), 1);
    QCOMPARE(query(*form, QStringLiteral("RecipeDetails")).asInteger(QStringLiteral("material")), qint64(kCoarseThread));
    QCOMPARE(captionOf(*form), QStringLiteral("Used In: Coarse Thread"));
    QCOMPARE(usedInRows(*form), QStringList({"4 Blackwood Helm 100", "3 Elder Oak Staff 60"}));

    // A double-click opens a new recipes window on that recipe, the staff at 60.
    showPage(*form, QStringLiteral("Used In"));
    doubleClickRow(*part<DbGrid>(*form, QStringLiteral("UsedInGrid")), 1);
    QCOMPARE(host.kinds(), QList<WindowKind>({WindowKind::Recipes}));
    QCOMPARE(made.size(), 1);
    QCOMPARE(WindowPlace::of(made.first())->key(), (PlaceKey{QString::number(kElderOakStaff), QStringLiteral("60")}));
    // The window it came from stays where it was.
    QCOMPARE(WindowPlace::of(form.get())->key(), (PlaceKey{QString::number(kBlackwoodHelm), QStringLiteral("100")}));
}

void CraftingPagesTest::treeFollowsTheRecipeOnceInView()
{
    FakeHost host;
    CraftingWindow w(host);
    QVERIFY(w.show("5", "100"));
    // Behind the ingredients nothing is read.
    QCOMPARE(w.page->tree()->topLevelItemCount(), 0);
    showPage(*w.form, QStringLiteral("Crafting Tree"));
    QCOMPARE(treeRows(*w.page->tree()),
             QStringList({"Helm 1 1 100%",
                          ". Steel Plate 3 2 100% 1",
                          ".. Iron Ingot 22 5 [100%] 3",
                          "... Iron Ore 15",
                          "... Coal 5",
                          ". Iron Ingot 2 0 [100%]",
                          ". Leather 2"}));
    QCOMPARE(w.page->tree()->topLevelItem(0)->child(1)->text(CraftingTreeView::NoteColumn),
             QStringLiteral("5 per craft; 2 from left-overs"));
    QCOMPARE(part<QLabel>(*w.form, QStringLiteral("CraftingTitle"))->text(),
             QStringLiteral("Crafting Tree: Helm at 100%, 4 levels deep"));

    // In view, it follows the next recipe at once.
    QVERIFY(w.show("4", "100"));
    QCOMPARE(treeRows(*w.page->tree()).first(), QStringLiteral("Steel Plate 2 1 100%"));

    // A double-click on a crafted row opens its recipe; a raw row opens nothing.
    doubleClickTreeRow(*w.page->tree(), w.page->tree()->topLevelItem(0)->child(0)->child(0));
    QVERIFY(host.opened.isEmpty());
    doubleClickTreeRow(*w.page->tree(), w.page->tree()->topLevelItem(0)->child(0));
    QCOMPARE(host.kinds(), QList<WindowKind>({WindowKind::Recipes}));
}

void CraftingPagesTest::treeOffersTheRecipesOfAnItemMadeBySeveral()
{
    FakeHost host;
    CraftingWindow w(host);
    QVERIFY(w.showTree("5", "100"));
    auto* choice = part<QComboBox>(*w.form, QStringLiteral("RecipeChoice3"));
    QCOMPARE(choice->count(), 2);
    QCOMPARE(choice->itemText(1), QStringLiteral("60%"));

    // The user picks the slower recipe: every place of the ingot follows it.
    choice->setCurrentIndex(1);
    emit choice->activated(1);
    QTRY_COMPARE(treeRows(*w.page->tree()),
                 QStringList({"Helm 1 1 100%",
                              ". Steel Plate 3 2 100% 1",
                              ".. Iron Ingot 22 5 [60%] 3",
                              "... Iron Ore 20",
                              ". Iron Ingot 2 0 [60%]",
                              ". Leather 2"}));
    QCOMPARE(rawRows(*w.page->rawMaterials()).first(), QStringLiteral("20 Iron Ore Bat Drop"));

    // The pick holds for the window: another recipe and back keep it.
    QVERIFY(w.show("4", "100"));
    QCOMPARE(treeRows(*w.page->tree()).at(1), QStringLiteral(". Iron Ingot 11 3 [60%] 4"));
    QVERIFY(w.show("5", "100"));
    QCOMPARE(treeRows(*w.page->tree()).at(2), QStringLiteral(".. Iron Ingot 22 5 [60%] 3"));
    // The root is the recipe selected in the list, whatever is picked for its item.
    QVERIFY(w.show("3", "100"));
    QCOMPARE(treeRows(*w.page->tree()).first(), QStringLiteral("Iron Ingot 5 1 100%"));
}

void CraftingPagesTest::spinBoxMultipliesTheTotalsAndSourcesOpenTheMonster()
{
    FakeHost host;
    CraftingWindow w(host);
    QVERIFY(w.showTree("5", "100"));
    auto* crafts = part<QSpinBox>(*w.form, QStringLiteral("CraftCount"));
    QCOMPARE(crafts->value(), 1);
    auto* fee = part<QLabel>(*w.form, QStringLiteral("TotalNpcFee"));
    auto* mp = part<QLabel>(*w.form, QStringLiteral("TotalMp"));
    QCOMPARE(fee->text(), QStringLiteral("165"));
    QCOMPARE(mp->text(), QStringLiteral("85"));
    QCOMPARE(rawRows(*w.page->rawMaterials()),
             QStringList({"15 Iron Ore Bat Drop", "5 Coal Mole Spoil", "2 Leather Bat Drop"}));

    crafts->setValue(3);
    QCOMPARE(fee->text(), QStringLiteral("465"));
    QCOMPARE(mp->text(), QStringLiteral("239"));
    QCOMPARE(rawRows(*w.page->rawMaterials()),
             QStringList({"39 Iron Ore Bat Drop", "13 Coal Mole Spoil", "6 Leather Bat Drop"}));
    QCOMPARE(treeRows(*w.page->tree()).first(), QStringLiteral("Helm 3 3 100%"));
    QCOMPARE(part<QLabel>(*w.form, QStringLiteral("RawMaterialsTitle"))->text(),
             QStringLiteral("Raw Materials for 3 crafts (21 crafts in all)"));

    // The coal's best source is the mole's spoil; a double-click asks for that monster.
    RawMaterialsView* raw = w.page->rawMaterials();
    doubleClickTreeRow(*raw, raw->topLevelItem(1));
    QCOMPARE(host.kinds(), QList<WindowKind>({WindowKind::Monsters}));
    QVERIFY(host.opened.first().monsterPending);
    QCOMPARE(host.opened.first().monsterId, QStringLiteral("21"));
}

void CraftingPagesTest::loopsMissingRowsAndEmptyRecipesAreMarked()
{
    FakeHost host;
    CraftingWindow w(host);
    QVERIFY(w.showTree("7", "100"));
    QCOMPARE(treeRows(*w.page->tree()), QStringList({"Amulet 1 1 100%", ". Item #99 2", ". Charm 1 1 100%", ".. Amulet 2"}));
    QTreeWidgetItem* loop = w.page->tree()->topLevelItem(0)->child(1)->child(0);
    QCOMPARE(loop->text(CraftingTreeView::NoteColumn), QStringLiteral("loop: crafted above, not followed"));
    QVERIFY(loop->font(CraftingTreeView::NameColumn).italic());
    QCOMPARE(w.page->tree()->topLevelItem(0)->child(0)->text(CraftingTreeView::NoteColumn),
             QStringLiteral("raw material; not in the item list"));
    QCOMPARE(rawRows(*w.page->rawMaterials()),
             QStringList({"2 Amulet no monster gives it", "2 Item #99 no monster gives it"}));
    // A double-click on a material nobody gives opens nothing.
    doubleClickTreeRow(*w.page->rawMaterials(), w.page->rawMaterials()->topLevelItem(0));
    QVERIFY(host.opened.isEmpty());

    // A recipe without ingredients and without output: one per craft, its fee counted.
    QVERIFY(w.show("9", "100"));
    QCOMPARE(treeRows(*w.page->tree()), QStringList({"Anvil 1 1 100%"}));
    QCOMPARE(w.page->tree()->topLevelItem(0)->text(CraftingTreeView::NoteColumn),
             QStringLiteral("output not set: 1 per craft counted; the recipe lists no ingredients"));
    QCOMPARE(part<QLabel>(*w.form, QStringLiteral("TotalNpcFee"))->text(), QStringLiteral("30"));
    QCOMPARE(w.page->rawMaterials()->topLevelItemCount(), 0);
}

QTEST_MAIN(CraftingPagesTest)
#include "CraftingPagesTest.moc"
