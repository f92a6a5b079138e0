#pragma once
// The rows of the search's result list: a heading per kind, that kind's hits, and "n more..."
// where its hits were cut; or one line of news ("Searching...", "No matches") instead.

#include "data/SearchIndex.h"
#include "panes/WindowPlace.h"

#include <QAbstractListModel>

#include <memory>

class SearchResultsModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum RowType { Heading, Hit, More, News };
    enum Role {
        TypeRole = Qt::UserRole + 1, ///< RowType
        KindRole,                    ///< WindowKind, as an int
        DetailRole,                  ///< a hit's level, grade, rate ...
        IconRole,                    ///< a hit's icon value
        OtherNameRole,               ///< the other name a hit was found by; empty when found by its name
        CountRole,                   ///< a heading's number of hits
    };

    using QAbstractListModel::QAbstractListModel;

    /// One line of news instead of hits.
    void showNews(const QString& text);
    /// The groups found in the index (which is kept while they show).
    void showGroups(std::shared_ptr<const SearchIndex> index, std::vector<SearchGroup> groups);

    RowType type(int row) const;
    /// The kind of the row's group (Heading, Hit, More).
    WindowKind kind(int row) const;
    /// A hit's key.
    PlaceKey key(int row) const;
    /// The first hit, or -1.
    int firstHit() const;
    /// The next row one can choose (a hit or a "more" row) from row in the direction of step
    /// (+1 or -1); row itself when there is none.
    int nextChoice(int row, int step) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    struct Row {
        RowType type;
        int group;
        int hit;
    };
    const SearchGroup& groupOf(int row) const { return m_groups[size_t(m_rows[row].group)]; }
    const SearchHit& hitOf(int row) const { return groupOf(row).hits[size_t(m_rows[row].hit)]; }

    std::shared_ptr<const SearchIndex> m_index;
    std::vector<SearchGroup> m_groups;
    std::vector<Row> m_rows;
    QString m_news;
};
