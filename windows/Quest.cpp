#include "windows/Quest.h"

#include "browse/DbGrid.h"
#include "browse/DbMemo.h"
#include "browse/DbNavigator.h"
#include "browse/NamedQuery.h"
#include "browse/FindBar.h"
#include "browse/GridSetup.h"
#include "browse/UiFont.h"
#include "browse/ValueStrip.h"
#include "data/Dataset.h"
#include "data/DBModule.h"
#include "panes/WindowPlace.h"
#include "windows/QuestStatements.h"

#include <QHBoxLayout>
#include <QSplitter>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
constexpr int kQuestGridWidth = 322;
constexpr int kDescriptionHeight = 136;
const QString kName = QStringLiteral("name");

DbMemo* memo(const char* name, QWidget* parent)
{
    auto* m = new DbMemo(parent);
    m->setObjectName(QLatin1String(name));
    m->setFont(uiFont(kSansSerif, 13, true));
    return m;
}
} // namespace

TQuestForm::TQuestForm(NavigationHost&, TDBModule& db, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("QuestForm"));
    setWindowTitle(QStringLiteral("Quests"));
    setFont(uiFont(kSansSerif, 11));
    resize(803, 580);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    FindBar find({}, this);
    m_findBar = find.bar();
    find.row().separator();
    auto* navigator = find.row().add(new DbNavigator(m_findBar));
    navigator->setObjectName(QStringLiteral("DBNavigator1"));
    navigator->setNavigatorWidth(120);
    m_factStrip = new ValueStrip(26, uiFont(kTahoma, 13, true), uiFont(kSansSerif, 13, true), this);
    m_factStrip->setObjectName(QStringLiteral("ToolBar3"));
    layout->addWidget(m_findBar);
    layout->addWidget(m_factStrip);
    buildBody();

    // The queries come after the views, so they outlive them when the window is destroyed.
    createQueries(db);
    const struct {
        const char* caption;
        const char* field;
    } facts[] = {{"Lvl: ", "level"},
                 {"Race: ", "race"},
                 {"Class: ", "class"},
                 {"Repeatable: ", "repeatable"},
                 {"Start location: ", "start_location"},
                 {"Reward EXP: ", "exp"},
                 {"Reward Adena: ", "adena"}};
    for (const auto& fact : facts)
        m_factStrip->addValue(QLatin1String(fact.caption), *m_facts, QLatin1String(fact.field));
    navigator->setDataset(*m_quests);
    find.bind(*m_quests, kName);
    m_quests->open();
    m_details->open();
    m_facts->open();
}

void TQuestForm::buildBody()
{
    auto* body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    static_cast<QVBoxLayout*>(layout())->addLayout(body, 1);

    m_questGrid = titledGrid(QStringLiteral("DBGrid1"), uiFont(kTahoma, 13, true),
                             {gridColumn(kName, QStringLiteral("Quest Name"), 300)}, this);
    m_questGrid->setRowSelect(true);
    m_questGrid->setFixedWidth(kQuestGridWidth);
    body->addWidget(m_questGrid);

    // The description keeps its height when the window grows; the detail text takes the rest.
    m_memoSplitter = new QSplitter(Qt::Vertical, this);
    m_memoSplitter->setObjectName(QStringLiteral("Splitter1"));
    m_memoSplitter->setHandleWidth(3);
    m_memoSplitter->setChildrenCollapsible(false);
    m_description = memo("DBMemo1", m_memoSplitter);
    m_detailText = memo("DBMemo2", m_memoSplitter);
    m_memoSplitter->addWidget(m_description);
    m_memoSplitter->addWidget(m_detailText);
    m_memoSplitter->setStretchFactor(0, 0);
    m_memoSplitter->setStretchFactor(1, 1);
    m_memoSplitter->setSizes({kDescriptionHeight, 10000});
    body->addWidget(m_memoSplitter, 1);
}

void TQuestForm::createQueries(TDBModule& db)
{
    Connection& connection = db.ADOConnection1;
    m_quests = namedTable(connection, QStringLiteral("Quest"), questListTable(), this);
    m_details = namedTable(connection, QStringLiteral("QuestDetails"), questDetailsTable(), this);
    m_facts = namedTable(connection, QStringLiteral("QuestInfo"), questInfoTable(), this);
    new WindowPlace(*this, WindowKind::Quests, *m_quests, {QStringLiteral("id")}, QStringLiteral("name"));
    const QuestLink details = questDetailsLink();
    m_details->setMasterLink(m_quests, details.masterField, details.detailField);
    const QuestLink facts = questInfoLink();
    m_facts->setMasterLink(m_quests, facts.masterField, facts.detailField);

    m_questGrid->setDataset(*m_quests);
    m_description->bind(*m_quests, QStringLiteral("description"));
    m_detailText->bind(*m_details, QStringLiteral("details"));
}

