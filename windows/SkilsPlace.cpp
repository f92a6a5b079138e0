#include "windows/SkilsPlace.h"

#include "browse/DbLookupComboBox.h"
#include "browse/NamedQuery.h"
#include "data/Dataset.h"
#include "windows/SkilsStatements.h"

#include <QCheckBox>
#include <QSet>
#include <QWidget>

#include <functional>

namespace {
const QString kId = QStringLiteral("id");
const QString kSkillId = QStringLiteral("skill_id");
const QString kSkillName = QStringLiteral("Expr1");

// The skill level ends the shown name: the name, a blank, the level.
QString levelOf(const QString& shownName) { return shownName.section(QLatin1Char(' '), -1); }

// Whether a shown level comes before another: as numbers where both are.
bool lowerLevel(const QString& a, const QString& b)
{
    bool aNumber = false;
    bool bNumber = false;
    const qlonglong x = a.toLongLong(&aNumber);
    const qlonglong y = b.toLongLong(&bNumber);
    return aNumber && bNumber ? x < y : a < b;
}

int rowWithId(Dataset& list, const QString& id)
{
    if (!list.isOpen())
        return -1;
    const int column = list.fieldIndexOrThrow(kId);
    for (int row = 0; row < list.recordCount(); ++row)
        if (list.value(row, column).toText() == id)
            return row;
    return -1;
}

QVector<ClassNode> nodesOf(Dataset& list)
{
    QVector<ClassNode> nodes;
    const int id = list.fieldIndexOrThrow(kId);
    const int name = list.fieldIndexOrThrow(QStringLiteral("name"));
    const int parents = list.fieldIndexOrThrow(QStringLiteral("parents"));
    for (int row = 0; row < list.recordCount(); ++row)
        nodes.append({list.value(row, id).toText(), list.value(row, name).toText(), list.value(row, parents).toText()});
    return nodes;
}
} // namespace

QVector<QStringList> classPaths(const QVector<ClassNode>& races, const QVector<ClassNode>& nodes)
{
    // Race, class, first and second profession: three selectors below the race.
    constexpr int kDepth = 3;
    QVector<QStringList> paths;
    std::function<void(const ClassNode&, const QStringList&)> walk = [&](const ClassNode& parent,
                                                                         const QStringList& path) {
        if (path.size() > kDepth)
            return;
        for (const ClassNode& node : nodes) {
            if (node.parents.isEmpty() || node.parents.compare(parent.name, Qt::CaseInsensitive) != 0)
                continue;
            // A copy: the list of paths grows below, which moves its elements.
            const QStringList here = path + QStringList{node.id};
            paths.append(here);
            walk(node, here);
        }
    };
    for (const ClassNode& race : races)
        walk(race, {race.id});
    return paths;
}

SkilsPlace::SkilsPlace(QWidget& form, Connection& connection, SkilsParts parts)
    : QObject(&form), m_parts(std::move(parts))
{
    m_tree = namedTable(connection, QStringLiteral("ClassTree"), QStringLiteral("classes"), this);
    m_learners = namedQuery(connection, QStringLiteral("SkillLearners"), skillLearnersSql(), this);
    WindowPlace::Custom custom;
    custom.key = [this] { return key(); };
    custom.name = [this] { return name(); };
    custom.show = [this](const PlaceKey& k) { return show(k); };
    m_place = new WindowPlace(form, WindowKind::Skills, custom);
    connect(m_parts.skills, &Dataset::currentChanged, m_place, &WindowPlace::noteMoved);
}

PlaceKey SkilsPlace::key() const
{
    const QString node = m_parts.shownNode();
    if (node.isEmpty())
        return {};
    Dataset& skills = *m_parts.skills;
    if (!skills.isOpen() || skills.isEmpty())
        return {node, QString(), QString()};
    return {node, skills.asText(kSkillId), levelOf(skills.asText(kSkillName))};
}

QString SkilsPlace::name() const
{
    Dataset& skills = *m_parts.skills;
    return skills.isOpen() && !skills.isEmpty() ? skills.asText(kSkillName) : QString();
}

bool SkilsPlace::show(const PlaceKey& key)
{
    if (key.size() != 3)
        return false;
    QString node = key[0];
    const QString skill = key[1];
    QString level = key[2];
    if (node.isEmpty()) {
        if (skill.isEmpty())
            return false;
        node = firstLearner(skill, level);
        if (node.isEmpty())
            return false;
    }
    if (m_parts.shownNode() != node && !pickNode(node))
        return false;
    if (skill.isEmpty())
        return true;
    int row = skillRow(skill, level);
    // A row the level filter hides shows once the filter is off, as unticking the box does.
    if (row < 0 && m_parts.skills->filtered() && m_parts.applyFilter->isChecked()) {
        m_parts.applyFilter->setChecked(false);
        row = skillRow(skill, level);
    }
    if (row < 0)
        return false;
    m_parts.skills->moveTo(row);
    return true;
}

QVector<QStringList> SkilsPlace::nodePaths()
{
    // The table is read afresh each time: the maintenance window may have changed it.
    m_tree->close();
    m_tree->open();
    const QVector<QStringList> paths = classPaths(nodesOf(*m_parts.races), nodesOf(*m_tree));
    m_tree->close();
    return paths;
}

QString SkilsPlace::firstLearner(const QString& skillId, QString& level)
{
    m_learners->close();
    m_learners->setParam(QStringLiteral("skillid"), Value::text(skillId));
    m_learners->open();
    const int classColumn = m_learners->fieldIndexOrThrow(QStringLiteral("class_id"));
    const int levelColumn = m_learners->fieldIndexOrThrow(QStringLiteral("skill_level"));
    if (level.isEmpty())
        for (int row = 0; row < m_learners->recordCount(); ++row) {
            const QString l = m_learners->value(row, levelColumn).toText();
            if (level.isEmpty() || lowerLevel(l, level))
                level = l;
        }
    QSet<QString> learners;
    for (int row = 0; row < m_learners->recordCount(); ++row)
        if (m_learners->value(row, levelColumn).toText() == level)
            learners.insert(m_learners->value(row, classColumn).toText());
    m_learners->close();
    if (learners.isEmpty())
        return QString();

    for (const QStringList& path : nodePaths())
        if (learners.contains(path.last()))
            return path.last();
    return QString();
}

bool SkilsPlace::pickNode(const QString& nodeId)
{
    const QVector<QStringList> paths = nodePaths();
    const QStringList* path = nullptr;
    for (const QStringList& p : paths)
        if (p.last() == nodeId) {
            path = &p;
            break;
        }
    if (!path)
        return false;
    DbLookupComboBox* const boxes[] = {m_parts.race, m_parts.clas, m_parts.firstProf, m_parts.secondProf};
    Dataset* const lists[] = {m_parts.races, m_parts.classes, m_parts.firstProfs, m_parts.secondProfs};
    for (int depth = 0; depth < path->size(); ++depth) {
        const int row = rowWithId(*lists[depth], path->at(depth));
        if (row < 0)
            return false;
        boxes[depth]->pickRow(row);
    }
    return m_parts.shownNode() == nodeId;
}

int SkilsPlace::skillRow(const QString& skillId, const QString& level) const
{
    Dataset& skills = *m_parts.skills;
    if (!skills.isOpen())
        return -1;
    const int idColumn = skills.fieldIndexOrThrow(kSkillId);
    const int nameColumn = skills.fieldIndexOrThrow(kSkillName);
    int found = -1;
    QString foundLevel;
    for (int row = 0; row < skills.recordCount(); ++row) {
        if (skills.value(row, idColumn).toText() != skillId)
            continue;
        const QString rowLevel = levelOf(skills.value(row, nameColumn).toText());
        if (!level.isEmpty() ? rowLevel == level : found < 0 || lowerLevel(rowLevel, foundLevel)) {
            found = row;
            foundLevel = rowLevel;
            if (!level.isEmpty())
                break;
        }
    }
    return found;
}
