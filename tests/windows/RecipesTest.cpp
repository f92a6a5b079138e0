// The recipes window on the fixture: the ingredient list follows the selected recipe by item
// AND rate, and the source lists follow the selected ingredient; the recipe values; quick find
// and "clear"; the fixed grid widths; the jump to a monster; and a database whose recipes have
// no ingredients, or that has no recipe at all.

#include "browse/DbLabel.h"
#include "panes/DropsSpoilsPage.h"
#include "tests/support/FakeHost.h"
#include "tests/support/TinyDb.h"
#include "tests/support/WindowEnv.h"
#include "tools/gendb/Fixture.h"
#include "tools/gendb/SchemaText.h"
#include "windows/Recipes.h"

#include <QLineEdit>
#include <QPushButton>

using namespace windowenv;

namespace {
const QString kRate = QStringLiteral("rate");
const QString kMaterial = QStringLiteral("material");

// Ingredient and monster names as the grids show them.
QStringList ingredientNames(QWidget& form) { return shown(*part<DbGrid>(form, QStringLiteral("DBGrid2")), 2); }
QStringList dropMonsters(QWidget& form) { return shown(*part<DbGrid>(form, QStringLiteral("DBGrid3")), 1); }
QStringList spoilMonsters(QWidget& form) { return shown(*part<DbGrid>(form, QStringLiteral("DBGrid6")), 1); }

QStringList recipeValues(QWidget& form)
{
    QStringList out;
    for (const char* field : {"level", "npc_fee", "mp", "output"})
        out << part<DbLabel>(form, QLatin1String(field))->text();
    return out;
}

// A small world for the empty cases: an anvil made by a recipe without ingredients, and
// ingredients of a recipe that is not in the recipe list; ore comes from a rat.
std::string emptyRecipesSql(bool withRecipe)
{
    std::string sql = gen::schemaText();
    sql += R"(
INSERT INTO items (id, type, icon) VALUES (1, 'Material', 'anvil'), (2, 'Material', 'ore'), (3, 'Material', 'x');
INSERT INTO itemnames (id, name) VALUES (1, 'Anvil'), (2, 'Ore'), (3, 'Hammer');
INSERT INTO ingredients (item_id, rate, material, quantity) VALUES (3, 100, 2, 4);
INSERT INTO monsters (id, level, npc) VALUES (7, 5, 0);
INSERT INTO npcnames (id, name) VALUES (7, 'Rat');
INSERT INTO drops (npc_id, item_id, sweep, min, max, percentage) VALUES (7, 2, 0, 1, 2, 50), (7, 2, 1, 1, 1, 10);
)";
    if (withRecipe)
        sql += "INSERT INTO recipes (item_id, rate, level, mp, output, npc_fee) VALUES (1, 100, 4, 10, 1, 50);\n";
    return sql;
}
} // namespace

class RecipesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_fixture = std::make_unique<FixtureDb>(); }

    void ingredientsFollowItemAndRate();
    void ingredientStripSortsQuantity();
    void quickFindAndClear();
    void gridsKeepTheirWidths();
    void sourceDoubleClickOpensTheMonster();
    void emptyRecipeAndEmptyList();

private:
    FakeHost m_host;
    std::unique_ptr<FixtureDb> m_fixture;
};

void RecipesTest::ingredientsFollowItemAndRate()
{
    using namespace fixture;
    auto form = openForm<TRecipesForm>(m_host, *m_fixture);
    QCOMPARE(form->windowTitle(), QStringLiteral("Recipes"));
    Dataset& recipes = query(*form, QStringLiteral("RecipeQuery"));
    Dataset& ingredients = query(*form, QStringLiteral("RecipeDetails"));
    auto* recipeGrid = part<DbGrid>(*form, QStringLiteral("DBGrid1"));
    QCOMPARE(shown(*recipeGrid, 0), QStringList({"Blackwood Helm", kElderOakStaffName, kElderOakStaffName}));

    // Opening selects the first recipe, its largest ingredient, and that ingredient's sources.
    QCOMPARE(ingredientNames(*form), QStringList({kIronOreName, "Coarse Thread"}));
    QCOMPARE(ingredients.asInteger(kMaterial), qint64(kIronOre));
    QCOMPARE(dropMonsters(*form), QStringList({"Field Rat"}));
    QCOMPARE(spoilMonsters(*form), QStringList({kRangerName}));
    QCOMPARE(recipeValues(*form), QStringList({"1", "100", "60", "1"}));
    QCOMPARE(part<DbLabel>(*form, QStringLiteral("npc_fee"))->palette().color(QPalette::WindowText), QColor(Qt::red));

    // One item at two rates: each recipe row has its own ingredients and values.
    const int slow = rowOf(recipes, kRate, 60);
    const int sure = 3 - slow;  // the staff rows are 1 and 2, in the database's order
    clickRow(*recipeGrid, slow, 0);
    QCOMPARE(recipes.asInteger(QStringLiteral("item_id")), qint64(kElderOakStaff));
    QCOMPARE(ingredientNames(*form), QStringList({"Oak Resin", "Coarse Thread"}));
    QCOMPARE(integers(ingredients, QStringLiteral("quantity")), QList<qint64>({7, 3}));
    QCOMPARE(recipeValues(*form), QStringList({"2", "200", "90", "1"}));
    QCOMPARE(dropMonsters(*form), QStringList({"Abyss Sovereign"}));
    QVERIFY(spoilMonsters(*form).isEmpty());
    clickRow(*recipeGrid, sure, 0);
    QCOMPARE(recipes.asInteger(kRate), qint64(100));
    QCOMPARE(ingredientNames(*form), QStringList({kIronOreName, "Animal Bone"}));
    QCOMPARE(recipeValues(*form), QStringList({"3", "500", "120", "1"}));

    // A click on an ingredient re-filters both source lists to it.
    clickRow(*part<DbGrid>(*form, QStringLiteral("DBGrid2")), 1);
    QCOMPARE(ingredients.asInteger(kMaterial), qint64(kAnimalBone));
    QCOMPARE(dropMonsters(*form), QStringList({kAshenGhoulName}));
    QVERIFY(spoilMonsters(*form).isEmpty());
    QCOMPARE(query(*form, QStringLiteral("AlternativeSpoil")).filter(), QStringLiteral("item_id = '91'"));
    clickRow(*recipeGrid, slow, 0);
    clickRow(*part<DbGrid>(*form, QStringLiteral("DBGrid2")), 1);
    QVERIFY(dropMonsters(*form).isEmpty());
    QCOMPARE(spoilMonsters(*form), QStringList({"Frost Drake"}));
}

void RecipesTest::ingredientStripSortsQuantity()
{
    auto form = openForm<TRecipesForm>(m_host, *m_fixture);
    Dataset& ingredients = query(*form, QStringLiteral("RecipeDetails"));
    auto* strip = part<HeaderStrip>(*form, QStringLiteral("HeaderControl1"));
    QCOMPARE(strip->count(), 3);
    QCOMPARE(strip->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("icon"));
    QCOMPARE(strip->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Quantity"));
    clickSection(*form, *strip, 0);
    QVERIFY(ingredients.sort().isEmpty());
    QCOMPARE(integers(ingredients, QStringLiteral("quantity")), QList<qint64>({20, 4}));
    clickSection(*form, *strip, 1);
    QCOMPARE(integers(ingredients, QStringLiteral("quantity")), QList<qint64>({4, 20}));
    clickSection(*form, *strip, 1);
    QCOMPARE(integers(ingredients, QStringLiteral("quantity")), QList<qint64>({20, 4}));
    // The sources' first section sorts by level.
    clickSection(*form, *part<HeaderStrip>(*form, QStringLiteral("HeaderControl4")), 0);
    QCOMPARE(query(*form, QStringLiteral("AlternativeDrops")).sort(), QStringLiteral("level ASC"));
    QCOMPARE(form->findChild<DropsSpoilsPage*>()->handleWidth(), 6);
}

void RecipesTest::quickFindAndClear()
{
    auto form = openForm<TRecipesForm>(m_host, *m_fixture);
    Dataset& recipes = query(*form, QStringLiteral("RecipeQuery"));
    auto* search = part<QLineEdit>(*form, QStringLiteral("Edit1"));
    QTest::keyClicks(search, QStringLiteral("elder"));
    QCOMPARE(recipes.asText(QStringLiteral("name")), QString::fromLatin1(fixture::kElderOakStaffName));
    QCOMPARE(recipes.recNo(), 1);
    QCOMPARE(query(*form, QStringLiteral("RecipeDetails")).recordCount(), 2);
    QVERIFY(query(*form, QStringLiteral("RecipeDetails")).filter().startsWith(QStringLiteral("item_id = '58' AND rate = ")));
    QTest::keyClicks(search, QStringLiteral("q"));
    QCOMPARE(recipes.recNo(), 1);

    QTest::mouseClick(part<QPushButton>(*form, QStringLiteral("Button1")), Qt::LeftButton);
    QVERIFY(search->text().isEmpty());
    QCOMPARE(recipes.recNo(), 0);
    QCOMPARE(ingredientNames(*form), QStringList({fixture::kIronOreName, "Coarse Thread"}));
}

void RecipesTest::gridsKeepTheirWidths()
{
    auto form = openForm<TRecipesForm>(m_host, *m_fixture, QSize(1024, 584));
    auto* recipeGrid = part<DbGrid>(*form, QStringLiteral("DBGrid1"));
    auto* ingredientGrid = part<DbGrid>(*form, QStringLiteral("DBGrid2"));
    auto* drops = part<DbGrid>(*form, QStringLiteral("DBGrid3"));
    QCOMPARE(drops->height(), 185);
    int sourcesWidth = drops->width();
    for (QSize size : {QSize(1400, 900), QSize(900, 500)}) {
        form->resize(size);
        QApplication::processEvents();
        QCOMPARE(recipeGrid->width(), 244);
        QCOMPARE(ingredientGrid->width(), 390);
        QCOMPARE(drops->height(), 185);
        QVERIFY(drops->width() != sourcesWidth);
        sourcesWidth = drops->width();
    }
    // Narrower than both grids: the page scrolls sideways, the sources never cover the ingredients.
    form->resize(520, 500);
    QApplication::processEvents();
    QCOMPARE(ingredientGrid->width(), 390);
    const QWidget* page = ingredientGrid->parentWidget();
    QVERIFY(drops->mapTo(page, QPoint(0, 0)).x() >= ingredientGrid->geometry().right());
    QVERIFY(drops->width() >= 200);
}

void RecipesTest::sourceDoubleClickOpensTheMonster()
{
    FakeHost host;
    auto form = openForm<TRecipesForm>(host, *m_fixture);
    doubleClickRow(*part<DbGrid>(*form, QStringLiteral("DBGrid6")), 0);
    QCOMPARE(host.kinds(), QList<WindowKind>({WindowKind::Monsters}));
    QVERIFY(host.opened.first().monsterPending);
    QCOMPARE(host.opened.first().monsterId, QString::number(fixture::kRanger));

    // An ingredient without spoil sources: a double-click in the empty list opens nothing.
    clickRow(*part<DbGrid>(*form, QStringLiteral("DBGrid1")), 3 - rowOf(query(*form, QStringLiteral("RecipeQuery")), kRate, 60), 0);
    clickRow(*part<DbGrid>(*form, QStringLiteral("DBGrid2")), 1);
    auto* spoils = part<DbGrid>(*form, QStringLiteral("DBGrid6"));
    QCOMPARE(spoils->model()->rowCount(), 0);
    QTest::mouseDClick(spoils->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
    QCOMPARE(host.opened.size(), 1);
}

void RecipesTest::emptyRecipeAndEmptyList()
{
    for (bool withRecipe : {true, false}) {
        const std::string sql = emptyRecipesSql(withRecipe);
        TinyDb tiny(sql.c_str());
        TDBModule db;
        db.DataModuleCreate(tiny.folder());
        FakeHost host;
        TRecipesForm form(host, db, nullptr, tiny.folder());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        // The stray ingredients of a recipe not listed never show, nor their sources.
        QCOMPARE(query(form, QStringLiteral("RecipeQuery")).recordCount(), withRecipe ? 1 : 0);
        QCOMPARE(query(form, QStringLiteral("RecipeDetails")).recordCount(), 0);
        QCOMPARE(query(form, QStringLiteral("AlternativeDrops")).recordCount(), 0);
        QCOMPARE(query(form, QStringLiteral("AlternativeSpoil")).recordCount(), 0);
        QCOMPARE(query(form, QStringLiteral("AlternativeDrops")).filter(), QStringLiteral("item_id = '0'"));
        QCOMPARE(recipeValues(form), withRecipe ? QStringList({"4", "50", "10", "1"}) : QStringList(4, QString()));
        doubleClickRow(*part<DbGrid>(form, QStringLiteral("DBGrid3")), 0);
        QVERIFY(host.opened.isEmpty());
    }
}

QTEST_MAIN(RecipesTest)
#include "RecipesTest.moc"
