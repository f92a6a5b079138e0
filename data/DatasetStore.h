#pragma once
// What a dataset keeps between calls; shared by the units that implement Dataset.

#include "data/Dataset.h"
#include "data/EditBuffer.h"
#include "data/FilterExpression.h"
#include "data/RowStore.h"
#include "data/StatementInfo.h"
#include "data/TableShape.h"

#include <QHash>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

// Everything a dataset keeps between calls: its definition, the rows it shows and its view.
class DatasetStore {
public:
    explicit DatasetStore(Connection& c) : connection(c) {}

    Connection& connection;
    QStringList sqlLines;
    QString tableName;
    QHash<QString, Value> params; // lower-cased names
    bool shareRows = true;

    bool open = false;
    std::shared_ptr<const StatementInfo> info; // while open
    QString shown;                             // the statement as error texts name it
    // What the view is over: the whole result, or the rows of the filter's key only (keyColumns
    // holding keys). Pending: not fetched yet; a probe told whether there is a first row.
    QVector<int> keyColumns;
    QVector<qint64> keys;
    QVector<FilterTerm> terms; // the filter in force, applied to whatever is fetched
    bool pending = false;
    bool pendingHasRows = false;
    bool pendingSeen = false; // a view was told the rows are pending and waits for rowsChanged
    int showingViews = 0;     // visible views that read whatever rows come
    RowStore rows;

    QString filterText;
    bool filtered = false;
    std::vector<RowCondition> filterConditions; // resolved while filtered and open
    QString sortText;
    std::vector<std::pair<int, bool>> sortColumns; // resolved while open

    int pos = -1;
    bool bof = true;
    bool eof = true;

    std::function<void()> afterScroll;
    std::function<void()> afterOpen;

    QPointer<Dataset> master;
    QStringList masterFields;
    QStringList detailFields;
    QMetaObject::Connection masterConnection;

    EditBuffer edit;
    int positionBeforeInsert = -1;
    bool shapeRead = false; // shape holds the write table's declaration
    TableShape shape;
    QString updateTable;                // statement datasets: where posts and deletes write
    QVector<QPointer<Dataset>> dependents; // posted before this dataset moves
};
