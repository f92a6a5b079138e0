#include "windows/Skils.h"

#include "browse/DbGrid.h"
#include "browse/DbLookupComboBox.h"
#include "browse/GridSetup.h"
#include "browse/HandlerGuard.h"
#include "browse/NamedQuery.h"
#include "browse/NameSearch.h"
#include "browse/UiFont.h"
#include "browse/WrapBar.h"
#include "data/Dataset.h"
#include "data/DBModule.h"
#include "windows/SkilsPlace.h"
#include "windows/SkilsStatements.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

namespace {
const QString kParents = QStringLiteral("parents");
const QString kClassId = QStringLiteral("classid");
const QString kName = QStringLiteral("name");
const QString kId = QStringLiteral("id");
constexpr int kControlHeight = 24;

DbLookupComboBox* selector(const char* name, int width, const QFont& font)
{
    auto* box = new DbLookupComboBox;
    box->setObjectName(QLatin1String(name));
    box->setFixedSize(width, kControlHeight);
    box->setFont(font);
    return box;
}

// close, set the one text parameter, open again: the statement runs anew.
void reopen(Dataset& query, const QString& param, const QString& value)
{
    query.close();
    query.setParam(param, Value::text(value));
    query.open();
}

GridColumn skillColumn(const char* field, const char* title, int width, int titleSize,
                       Qt::Alignment titleAlignment = Qt::AlignCenter)
{
    GridColumn column = gridColumn(QLatin1String(field), QLatin1String(title), width, uiFont(kSansSerif, 13, true));
    column.titleFont = uiFont(kTahoma, titleSize, true);
    column.titleAlignment = titleAlignment;
    return column;
}

QVector<GridColumn> skillColumns()
{
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    return {
        skillColumn("level", "Lvl", 30, 13),
        skillColumn("icon", "Icon", 40, 12),
        skillColumn("Expr1", "Skil Name", 180, 13),
        skillColumn("active", "Active", 43, 12, left),
        skillColumn("mp_consume", "MP", 50, 12),
        skillColumn("range", "Range", 50, 12),
        skillColumn("skill_time", "Time", 50, 12),
        skillColumn("reuse_delay", "Delay", 50, 12),
        skillColumn("sp_cost", "SP Cost", 50, 12),
        skillColumn("description", "Description", 700, 13, left),
    };
}
} // namespace

TSkilsForm::TSkilsForm(NavigationHost&, TDBModule& db, QWidget* parent, const QString& exeFolder) : QWidget(parent)
{
    setObjectName(QStringLiteral("SkilsForm"));
    setWindowTitle(QStringLiteral("Skils"));
    setFont(uiFont(kSansSerif, 11));
    resize(777, 480);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildSelectorBar();
    buildLevelBar();
    buildGrid(exeFolder);
    layout->addWidget(m_selectorBar);
    layout->addWidget(m_levelBar);
    layout->addWidget(m_grid, 1);

    // The queries come after the views, so they outlive them when the window is destroyed.
    createQueries(db);
    connectHandlers();
    declarePlace(db);
    m_races->open();
}

void TSkilsForm::buildSelectorBar()
{
    m_selectorBar = new WrapBar(this);
    m_selectorBar->setObjectName(QStringLiteral("ToolBar1"));
    const QFont font = uiFont(kTahoma, 13, true);
    m_race = selector("Race", 156, font);
    m_clas = selector("Clas", 145, font);
    m_firstProf = selector("FirstProf", 145, font);
    m_secondProf = selector("SecondProf", 145, font);
    m_selectorBar->addCaptioned(QStringLiteral("Race: "), font, m_race);
    m_selectorBar->addCaptioned(QStringLiteral("Clas:"), font, m_clas);
    m_selectorBar->addRowBreak();
    m_selectorBar->addCaptioned(QStringLiteral("First Profesion:"), font, m_firstProf);
    m_selectorBar->addCaptioned(QStringLiteral("Second Profesion:"), font, m_secondProf);
}

void TSkilsForm::buildLevelBar()
{
    m_levelBar = new WrapBar(this);
    m_levelBar->setObjectName(QStringLiteral("elf"));
    const QFont bold = uiFont(kTahoma, 13, true);
    auto* caption = new QLabel(QStringLiteral("Lvl Filter:"));
    caption->setFont(bold);
    m_lvlFilter = selector("LvlFilter", 145, font());
    m_lvlFilter->setFixedHeight(21);
    m_applyFilter = new QCheckBox(QStringLiteral("Apply filter"));
    m_applyFilter->setObjectName(QStringLiteral("CheckBox1"));
    m_applyFilter->setFont(bold);
    m_applyFilter->setFixedSize(101, kControlHeight);
    m_levelBar->addControl(caption);
    m_levelBar->addControl(m_lvlFilter);
    m_levelBar->addControl(m_applyFilter);
}

void TSkilsForm::buildGrid(const QString& exeFolder)
{
    // The tall base font makes the rows high enough for the icons.
    m_grid = titledGrid(QStringLiteral("DBGrid1"), uiFont(kSansSerif, 27, true), skillColumns(), this);
    m_grid->setFont(uiFont(kSansSerif, 13, true));
    m_grid->setRowSelect(true);
    // Tab moves between the cells of the grid instead of leaving it.
    m_grid->setTabKeyNavigation(true);
    m_grid->setIconColumn(1, exeFolder);
}

void TSkilsForm::createQueries(TDBModule& db)
{
    Connection& connection = db.ADOConnection1;
    m_races = namedQuery(connection, QStringLiteral("ADORace"), raceSql(), this);
    m_classes = namedQuery(connection, QStringLiteral("ADOClas"), childNodeSql(), this);
    m_firstProfs = namedQuery(connection, QStringLiteral("ADOFirstProf"), childNodeSql(), this);
    m_secondProfs = namedQuery(connection, QStringLiteral("ADOSecondProf"), childNodeSql(), this);
    m_skills = namedQuery(connection, QStringLiteral("ADOSkils"), skilsSql(), this);
    m_levels = namedQuery(connection, QStringLiteral("ADOLvl"), levelSql(), this);
    // The statement leaves the order open; a player looks levels up from the lowest.
    m_levels->setSort(QStringLiteral("level ASC"));

    m_race->setListSource(*m_races, kName);
    m_clas->setListSource(*m_classes, kName);
    m_firstProf->setListSource(*m_firstProfs, kName);
    m_secondProf->setListSource(*m_secondProfs, kName);
    m_lvlFilter->setListSource(*m_levels, QStringLiteral("level"));
    m_grid->setDataset(*m_skills);
}

void TSkilsForm::connectHandlers()
{
    connect(m_race, &DbLookupComboBox::picked, this, guardedSlot([this] { RaceClick(); }));
    connect(m_clas, &DbLookupComboBox::picked, this, guardedSlot([this] { ClasClick(); }));
    connect(m_firstProf, &DbLookupComboBox::picked, this, guardedSlot([this] { FirstProfClick(); }));
    connect(m_secondProf, &DbLookupComboBox::picked, this, guardedSlot([this] { SecondProfClick(); }));
    connect(m_lvlFilter, &DbLookupComboBox::picked, this, guardedSlot([this] { LvlFilterClick(); }));
    // Ticking by hand and unticking from LvlFilterClick both run the handler.
    connect(m_applyFilter, &QCheckBox::toggled, this, guardedSlot([this] { CheckBox1Click(); }));
}

void TSkilsForm::declarePlace(TDBModule& db)
{
    SkilsParts parts{m_races,  m_classes,   m_firstProfs, m_secondProfs, m_skills, m_race, m_clas,
                     m_firstProf, m_secondProf, m_applyFilter, [this] { return m_shownNode; }};
    new SkilsPlace(*this, db.ADOConnection1, std::move(parts));
}

// --- handlers ------------------------------------------------------------------------------------

void TSkilsForm::RaceClick()
{
    reopen(*m_classes, kParents, m_race->text());
    m_firstProfs->close();
    m_secondProfs->close();
}

void TSkilsForm::ClasClick()
{
    if (m_clas->text().isEmpty())
        return;
    reopen(*m_firstProfs, kParents, m_clas->text());
    showNode(*m_classes);
    m_secondProfs->close();
}

void TSkilsForm::FirstProfClick()
{
    if (m_firstProf->text().isEmpty())
        return;
    reopen(*m_secondProfs, kParents, m_firstProf->text());
    showNode(*m_firstProfs);
}

void TSkilsForm::SecondProfClick()
{
    if (m_secondProf->text().isEmpty())
        return;
    showNode(*m_secondProfs);
}

void TSkilsForm::showNode(const Dataset& nodes)
{
    // The picked node is the list's current row; its id goes as decimal text.
    const QString classId = nodes.asText(kId);
    m_shownNode = classId;
    LoadSkills(classId);
    LoadLevels(classId);
}

void TSkilsForm::LoadSkills(const QString& classId) { reopen(*m_skills, kClassId, classId); }

void TSkilsForm::LoadLevels(const QString& classId) { reopen(*m_levels, kClassId, classId); }

void TSkilsForm::CheckBox1Click()
{
    if (m_applyFilter->isChecked() && !m_lvlFilter->text().isEmpty())
        refilter(*m_skills, filterText(QStringLiteral("level = "), m_lvlFilter->text()));
    else
        m_skills->setFiltered(false);
}

void TSkilsForm::LvlFilterClick()
{
    m_applyFilter->setChecked(false);
    m_skills->setFiltered(false);
}
