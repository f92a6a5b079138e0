#include "windows/QuestStatements.h"

QString questListTable() { return QStringLiteral("questnames"); }
QString questDetailsTable() { return QStringLiteral("questdetails"); }
QString questInfoTable() { return QStringLiteral("quests"); }

QuestLink questDetailsLink() { return {QStringLiteral("id"), QStringLiteral("quest_id")}; }
QuestLink questInfoLink() { return {QStringLiteral("id"), QStringLiteral("id")}; }
