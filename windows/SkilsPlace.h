#pragma once
// Where the skills window stands: the node whose skills show and the skill row current in its
// grid, as the key {class_id, skill_id, skill_level}. Showing a key picks the selectors down to
// that node one by one, as the user would (each pick runs the window's own handler), and makes
// the skill's row current. An empty class_id stands for the first node, in the order the
// selectors offer them, that learns the skill at its lowest level; an empty skill_level for the
// lowest level the node learns.

#include "panes/WindowPlace.h"

#include <QObject>
#include <QVector>

#include <functional>

class Connection;
class DbLookupComboBox;
class QCheckBox;

/// A node of the class tree, as the classes table holds it.
struct ClassNode {
    QString id;
    QString name;
    QString parents;
};

/// The nodes the selectors can show skills of (a class, a first or a second profession), walked
/// as the selectors offer them: the races in their list's order, below each its classes in the
/// table's order, each class followed by its professions. Each path holds the node ids from the
/// race down to the node. A parent is named without regard to letter case, as the lists match.
QVector<QStringList> classPaths(const QVector<ClassNode>& races, const QVector<ClassNode>& nodes);

/// The parts of the skills window its place reads and drives.
struct SkilsParts {
    Dataset* races;
    Dataset* classes;
    Dataset* firstProfs;
    Dataset* secondProfs;
    Dataset* skills;
    DbLookupComboBox* race;
    DbLookupComboBox* clas;
    DbLookupComboBox* firstProf;
    DbLookupComboBox* secondProf;
    QCheckBox* applyFilter;
    /// The id of the node whose skills the grid shows (empty before the first).
    std::function<QString()> shownNode;
};

class SkilsPlace : public QObject {
    Q_OBJECT
public:
    /// Declares the form's place; its own two queries run on the connection when a key without
    /// a node is shown.
    SkilsPlace(QWidget& form, Connection& connection, SkilsParts parts);

    PlaceKey key() const;
    QString name() const;
    bool show(const PlaceKey& key);

private:
    QVector<QStringList> nodePaths();
    QString firstLearner(const QString& skillId, QString& level);
    bool pickNode(const QString& nodeId);
    int skillRow(const QString& skillId, const QString& level) const;

    SkilsParts m_parts;
    Dataset* m_tree;     // ClassTree: the whole classes table
    Dataset* m_learners; // SkillLearners: who learns one skill
    WindowPlace* m_place;
};
