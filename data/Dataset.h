#pragma once
// A static client-side cursor over one statement (or one whole table): filtering, sorting,
// locating and moving work on fetched rows in memory. What it fetches is its own business:
// open() prepares the statement (so a bad one fails at once) and fetches the whole result when
// something first needs a row; a filter "field = 'integer'" on a field the statement takes
// straight from an INTEGER column fetches only that key's rows (its WHERE written into every
// arm of the statement). Either way every row, order and position is what a whole fetch
// filtered afterwards would give. Datasets running the same text share the fetched rows
// through their connection (Connection::sharedRows()).

#include "data/EditBuffer.h"
#include "data/Value.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <memory>
#include <vector>

class Connection;
class DatasetStore;
struct FilterTerm;
struct RowCondition;

/// Options of locate(); every caller in the program passes both.
enum LocateOption { CaseInsensitive = 1, PartialKey = 2 };

class Dataset : public QObject {
    Q_OBJECT
public:
    /// The dataset keeps a reference to the connection, which must outlive it.
    explicit Dataset(Connection& connection, QObject* parent = nullptr);
    ~Dataset() override;

    // --- definition ----------------------------------------------------------------------------
    /// Jet statement text, kept exactly as given; translated when the dataset opens.
    void setSql(const QString& jetSql);
    QString sql() const;
    /// The statement as lines: clearSql() then addSql(line) replaces it line by line.
    void clearSql();
    void addSql(const QString& line);
    /// A whole-table dataset ("SELECT * FROM table" in the table's natural order).
    void setTableName(const QString& table);
    QString tableName() const;
    /// Named parameter (":parents" is set as setParam("parents", ...)); applies at the next open.
    void setParam(const QString& name, const Value& value);
    /// Whether the fetched rows are shared with the connection's other datasets of the same
    /// text (default: yes for statements; a whole-table dataset always has its own). A dataset
    /// whose rows are edited must have its own: switch this off before it opens.
    void setSharedRows(bool on);
    bool sharedRows() const;

    // --- opening -------------------------------------------------------------------------------
    /// Prepares the statement, opening the connection first when it is closed; the rows come
    /// now or when first needed. Throws DbError on failure (the dataset then stays closed).
    /// Moves to the first row and runs after-open, then after-scroll (when there is a row).
    void open();
    void close();
    bool isOpen() const;
    /// Open, but the whole result not fetched yet: nothing has asked for a row. A view that
    /// shows the rows calls fetchRows() when it becomes visible.
    bool rowsPending() const;
    /// Fetches what rowsPending() waits for and emits rowsChanged. Throws DbError when the
    /// fetch fails (the rows stay pending). Any read of a row does the same by itself.
    void fetchRows();
    /// While the whole result waits for its first reader, starts reading it on a thread of its
    /// own (with the connection's other datasets of the same text), so that a view shown later
    /// finds it read. Changes nothing the dataset shows.
    void readAhead();
    /// A view that shows the rows says so while it is visible (calls balanced: true, then
    /// false): rows it would read at once are then fetched at once, not first probed for.
    void setViewShowing(bool showing);

    // --- fields --------------------------------------------------------------------------------
    /// Result-column names (bare, or qualified as written where two tables share a name).
    QStringList fieldNames() const;
    int fieldCount() const;
    /// Index of a result column, or -1.
    int fieldIndex(const QString& name) const;
    /// Like fieldIndex but throws DbError naming the field and the dataset when absent.
    int fieldIndexOrThrow(const QString& name) const;
    ValueType fieldType(int column) const;

    // --- rows (positions count the rows the filter lets through, in the current order) ---------
    int recordCount() const;
    bool isEmpty() const;
    /// Current position, 0-based; -1 when the dataset is empty or closed.
    int recNo() const;
    bool bof() const;
    bool eof() const;
    void first();
    void prior();
    void next();
    void last();
    /// Makes the row at this position current (clamped); runs after-scroll when the row changes.
    void moveTo(int position);

    /// Value of a column at a visible position.
    Value value(int position, int column) const;
    /// The text a grid shows for it (floats without trailing zeros, yes/no as "True"/"False").
    QString displayText(int position, int column) const;

    // --- current row (FieldByName(...).AsString and friends) ------------------------------------
    /// Empty text when the dataset has no current row. Unknown field names throw DbError.
    QString asText(const QString& field) const;
    qint64 asInteger(const QString& field) const;
    double asFloat(const QString& field) const;

    // --- filter ---------------------------------------------------------------------------------
    /// "field = 'value'" joined by AND; quotes inside doubled. Parsed when the filter applies;
    /// a malformed text or an unknown field throws DbError.
    void setFilter(const QString& text);
    QString filter() const;
    /// Switching the flag (either way) moves to the first row and runs after-scroll.
    void setFiltered(bool on);
    bool filtered() const;

    // --- sort -----------------------------------------------------------------------------------
    /// "field ASC" or "field DESC"; empty restores the statement's order. Keeps the current row
    /// and the filter; runs no after-scroll.
    void setSort(const QString& text);
    QString sort() const;

    // --- locate ---------------------------------------------------------------------------------
    /// Moves to a visible row whose field matches: text fields by prefix (PartialKey) ignoring
    /// case (CaseInsensitive); integer fields by equality with the value read as a number. Among
    /// several matches the one with the smallest key wins (ties: the first in the current order).
    /// Returns false and stays put when nothing matches.
    bool locate(const QString& field, const QString& value, int options);


    // --- editing (a whole-table dataset, or a statement over one table named by setUpdateTable) -
    /// The table a statement dataset's posts and deletes write to; its fields keep the table's
    /// column names. A whole-table dataset writes to its own table.
    void setUpdateTable(const QString& table);
    DatasetState state() const;
    /// Whether the connection is read-only (a copy of a file that cannot be written back): every
    /// field is read-only and edit, insert, post and delete throw DbError with its reason.
    bool readOnly() const;
    /// Whether the user changed a value of the row being edited or inserted.
    bool modified() const;
    /// Whether a field can be written (not the key the database numbers, not a computed field).
    bool fieldReadOnly(int column) const;
    /// Starts editing the current row (nothing when there is none, or already editing).
    void edit();
    /// Adds a new row after the last one and makes it current: a detail row holds its master's
    /// key, a table keyed by typed ids offers the next free id. Posts a changed row first.
    void insert();
    /// Puts a value into the current row, starting editing when browsing. The value is kept as
    /// given and checked against the column's type when posted. Throws DbError for a read-only
    /// field or when there is no current row.
    void setFieldValue(int column, const Value& value);
    void setFieldText(const QString& field, const QString& text);
    /// Writes the edited or inserted row to the file at once. A value the column's type cannot
    /// hold, a required value left empty, a duplicate key or a write the database refuses
    /// throws DbError and leaves the row in editing with what was typed.
    void post();
    /// Drops the changes (an inserted row disappears).
    void cancel();
    /// Deletes the current row from the file at once; on failure throws and keeps the row.
    void deleteRecord();
    /// Fetches the rows again from the file, staying on the same row where it still exists.
    /// Drops the changes of a row being edited.
    void refresh();
    /// Leaves editing before the current row changes: posts a changed row (may throw), drops a
    /// new row left unchanged, and ends editing of an unchanged row.
    void checkBrowseMode();
    /// A dataset whose pending changes are posted before this dataset's current row changes
    /// (detail links add themselves). Not owned.
    void addDependent(Dataset& dependent);

    // --- notifications -------------------------------------------------------------------------
    /// Runs after every change of the current row (open, move, filter switch, locate), never
    /// after a sort. Set by the owning window; one handler.
    void setAfterScroll(std::function<void()> handler);
    void setAfterOpen(std::function<void()> handler);

    // --- detail link ----------------------------------------------------------------------------
    /// Makes this dataset a detail of `master`: only rows whose detail fields equal the master's
    /// fields on its current row stay visible (fields separated by ';', paired in order; the
    /// filter, when on, applies as well). Each change of the master's current row re-restricts
    /// this dataset, moves it to its first row and runs its after-scroll. A master without a
    /// current row leaves no row. The master must outlive the link; nullptr removes it.
    void setMasterLink(Dataset* master, const QString& masterFields, const QString& detailFields);

    // --- cost -----------------------------------------------------------------------------------
    /// Heap bytes held by the cells this dataset shows from (columns and their string pools),
    /// shared with other datasets or not.
    size_t cellBytes() const;
    /// Rows fetched for what the dataset shows now (a key's rows, or the whole result),
    /// whatever the filter lets through; 0 while the rows are pending.
    int fetchedRowCount() const;

signals:
    /// The set or order of visible rows changed (open, close, filter, sort, pending rows
    /// fetched): views reset.
    void rowsChanged();
    /// The current position changed (also emitted after rowsChanged when it moved).
    void currentChanged(int position);
    /// Browsing, editing or inserting began.
    void stateChanged(DatasetState state);
    /// Values of the row at this position changed while it is edited.
    void currentValuesChanged(int position);

private:
    void scrolled();
    void switched();
    void applyView() const;
    void ensureRows() const;
    void showFetched(bool newRows) const;
    QVector<FilterTerm> filterTerms(const QString& text) const;
    void loadRows(const QVector<FilterTerm>& terms);
    // Editing (DatasetEditing.cpp).
    int storedCount() const;
    bool isEditRow(int position) const;
    void leaveEditing();
    void dropEditing();
    void startEditing(DatasetState state);
    QString writeTable() const;
    void reloadAt(int64_t rowKey);

    std::unique_ptr<DatasetStore> m_store;
};
