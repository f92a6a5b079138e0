#include "app/SearchResultsModel.h"

#include "app/SearchLists.h"

void SearchResultsModel::showNews(const QString& text)
{
    beginResetModel();
    m_index.reset();
    m_groups.clear();
    m_rows = {{News, -1, -1}};
    m_news = text;
    endResetModel();
}

void SearchResultsModel::showGroups(std::shared_ptr<const SearchIndex> index, std::vector<SearchGroup> groups)
{
    beginResetModel();
    m_index = std::move(index);
    m_groups = std::move(groups);
    m_rows.clear();
    m_news.clear();
    for (int g = 0; g < int(m_groups.size()); ++g) {
        const SearchGroup& group = m_groups[size_t(g)];
        m_rows.push_back({Heading, g, -1});
        for (int h = 0; h < int(group.hits.size()); ++h)
            m_rows.push_back({Hit, g, h});
        if (group.total > int(group.hits.size()))
            m_rows.push_back({More, g, -1});
    }
    endResetModel();
}

SearchResultsModel::RowType SearchResultsModel::type(int row) const
{
    return row >= 0 && row < int(m_rows.size()) ? m_rows[size_t(row)].type : News;
}

WindowKind SearchResultsModel::kind(int row) const
{
    return WindowKind(groupOf(row).kind);
}

PlaceKey SearchResultsModel::key(int row) const
{
    return type(row) == Hit ? m_index->key(hitOf(row).entry) : PlaceKey();
}

int SearchResultsModel::firstHit() const
{
    for (int row = 0; row < int(m_rows.size()); ++row)
        if (m_rows[size_t(row)].type == Hit)
            return row;
    return -1;
}

int SearchResultsModel::nextChoice(int row, int step) const
{
    for (int r = row + step; r >= 0 && r < int(m_rows.size()); r += step)
        if (m_rows[size_t(r)].type == Hit || m_rows[size_t(r)].type == More)
            return r;
    return row;
}

int SearchResultsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant SearchResultsModel::data(const QModelIndex& index, int role) const
{
    const int row = index.row();
    if (!index.isValid() || row >= int(m_rows.size()))
        return {};
    const RowType t = m_rows[size_t(row)].type;
    if (role == TypeRole)
        return int(t);
    if (t == News)
        return role == Qt::DisplayRole ? QVariant(m_news) : QVariant();
    const SearchGroup& group = groupOf(row);
    if (role == KindRole)
        return int(group.kind);
    switch (t) {
    case Heading:
        if (role == Qt::DisplayRole)
            return searchKindCaption(WindowKind(group.kind));
        if (role == CountRole)
            return group.total;
        break;
    case More:
        if (role == Qt::DisplayRole)
            return QStringLiteral("%1 more\u2026").arg(group.total - int(group.hits.size()));
        break;
    case Hit: {
        const SearchHit& hit = hitOf(row);
        switch (role) {
        case Qt::DisplayRole: return m_index->name(hit.entry);
        case DetailRole: return m_index->detail(hit.entry);
        case IconRole: return m_index->icon(hit.entry);
        case OtherNameRole: return hit.byOtherName ? m_index->otherName(hit.entry) : QString();
        default: break;
        }
        break;
    }
    case News: break;
    }
    return {};
}

Qt::ItemFlags SearchResultsModel::flags(const QModelIndex& index) const
{
    const RowType t = type(index.row());
    return t == Hit || t == More ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::ItemIsEnabled;
}
