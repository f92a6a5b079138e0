#include "windows/Sets.h"

#include "browse/BrowseToolBars.h"
#include "browse/DbGrid.h"
#include "browse/GridSetup.h"
#include "browse/HandlerGuard.h"
#include "browse/NamedQuery.h"
#include "browse/NameSearch.h"
#include "browse/UiFont.h"
#include "data/Dataset.h"
#include "data/DBModule.h"
#include "panes/WindowPlace.h"
#include "windows/SetsStatements.h"

#include <QEvent>
#include <QSplitter>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
constexpr int kPieceGridHeight = 182;

QVector<GridColumn> setColumns()
{
    return {
        gridColumn(QStringLiteral("name"), QStringLiteral("Set Name"), 250, uiFont(kTahoma, 12, true)),
        gridColumn(QStringLiteral("bonus"), QStringLiteral("Set Bonus"), 600, uiFont(kSansSerif, 13)),
    };
}

QVector<GridColumn> pieceColumns()
{
    const QFont cell = uiFont(kSansSerif, 13);
    return {
        gridColumn(QStringLiteral("icon"), QStringLiteral("Icon"), 40),
        gridColumn(QStringLiteral("name"), QStringLiteral("Set Piece Name"), 250, cell),
        gridColumn(QStringLiteral("armor_type"), QStringLiteral("Armor Type"), 80, cell),
        gridColumn(QStringLiteral("physical_defense"), QStringLiteral("P-Def"), 50, cell),
        gridColumn(QStringLiteral("mp_bonus"), QStringLiteral("MP"), 50, cell),
        gridColumn(QStringLiteral("crystal_type"), QStringLiteral("Class"), 60, cell),
        gridColumn(QStringLiteral("crystal_count"), QStringLiteral("Cristals"), 60, cell),
        gridColumn(QStringLiteral("price"), QStringLiteral("Price"), 70, cell),
    };
}
} // namespace

TSetsForm::TSetsForm(NavigationHost&, TDBModule& db, QWidget* parent, const QString& exeFolder) : QWidget(parent)
{
    setObjectName(QStringLiteral("SetsForm"));
    setWindowTitle(QStringLiteral("Sets"));
    setFont(uiFont(kSansSerif, 11));
    resize(696, 464);

    m_sets = namedTable(db.ADOConnection1, QStringLiteral("SetsName"), setsTable(), this);
    m_details = namedQuery(db.ADOConnection1, QStringLiteral("SetsDetails"), setPiecesSql(), this);
    m_types = namedQuery(db.ADOConnection1, QStringLiteral("QueryType"), setTypesSql(), this);
    auto* place = new WindowPlace(*this, WindowKind::Sets, *m_sets, {QStringLiteral("id")}, QStringLiteral("name"));
    // A set the picked type hides is among all types.
    place->setWidening([this] { return m_bars && m_bars->showAllTypes(); });

    TypeBarOptions bars;
    bars.label = QStringLiteral("Set Type");
    bars.listWidth = 158;
    bars.listFont = uiFont(kSansSerif, 13);
    bars.dropDownRightAligned = true;
    m_bars = std::make_unique<BrowseToolBars>(bars, this);
    buildGrids(exeFolder);

    m_sets->setAfterScroll([this] { SetsNameAfterScroll(); });
    m_setGrid->installEventFilter(this);
    m_sets->open();
    m_details->open();
    m_types->open();
    m_bars->bindList(*m_sets, *m_types, QStringLiteral("type"), QStringLiteral("type = "), QStringLiteral("name"));
}

void TSetsForm::buildGrids(const QString& exeFolder)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_bars->typeBar());
    layout->addWidget(m_bars->findBar());

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->setHandleWidth(5);
    splitter->setChildrenCollapsible(false);
    layout->addWidget(splitter, 1);

    m_setGrid = titledGrid(QStringLiteral("DBGrid3"), uiFont(kSansSerif, 17), setColumns(), splitter);
    m_setGrid->setRowSelect(true);
    // Tab moves between cells of the grid instead of leaving it.
    m_setGrid->setTabKeyNavigation(true);
    m_setGrid->setDataset(*m_sets);

    // The 27-pixel base font makes the rows tall enough for the icons.
    m_pieceGrid = titledGrid(QStringLiteral("DBGrid1"), uiFont(kSansSerif, 27), pieceColumns(), splitter);
    m_pieceGrid->setFont(uiFont(kSansSerif, 13));
    m_pieceGrid->setColumnResize(true);
    m_pieceGrid->setRowSelect(false);
    m_pieceGrid->setIconColumn(0, exeFolder);
    m_pieceGrid->setDataset(*m_details);

    splitter->addWidget(m_setGrid);
    splitter->addWidget(m_pieceGrid);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    splitter->setSizes({10000, kPieceGridHeight});
}

bool TSetsForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_setGrid && event->type() == QEvent::FocusIn)
        guarded([this] { DBGrid3Enter(); });
    return QWidget::eventFilter(watched, event);
}

// --- handlers ------------------------------------------------------------------------------------

void TSetsForm::SetsNameAfterScroll()
{
    refilter(*m_details, filterText(QStringLiteral("set_id = "), m_sets->asText(QStringLiteral("id"))));
}

void TSetsForm::DBGrid3Enter() { SetsNameAfterScroll(); }
