#pragma once
// The tables of the quests window: it declares whole-table datasets, not statements, and the
// two detail sets follow the quest list through these key fields.

#include <QString>

/// The quests in the table's natural order (Quest).
QString questListTable();
/// The detail texts (QuestDetails), linked by questDetailsLink().
QString questDetailsTable();
/// The facts of a quest (QuestInfo), linked by questInfoLink().
QString questInfoTable();

/// A detail set's link: the field of the quest list and the field of the detail set it matches.
struct QuestLink {
    QString masterField;
    QString detailField;
};
QuestLink questDetailsLink();
QuestLink questInfoLink();
