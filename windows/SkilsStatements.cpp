#include "windows/SkilsStatements.h"

#include <QStringList>

QString raceSql() { return QStringLiteral("SELECT * from classes WHERE (classes.parents) Is Null order by name ;"); }

QString childNodeSql() { return QStringLiteral("SELECT * FROM classes WHERE parents = :parents"); }

namespace {
// The joins of the skill list: a learning entry with the skill's data and name at its level.
const QString kSkillJoins = QStringLiteral(
    "FROM skillnames INNER JOIN (skills INNER JOIN gainskills ON (skills.level = "
    "gainskills.skill_level) AND (skills.skil_id = gainskills.skill_id)) ON (skillnames.level = "
    "skills.level) AND (skillnames.skil_id = skills.skil_id)");
} // namespace

QString skilsSql()
{
    return QStringList{
        QStringLiteral("SELECT gainskills.class_id,gainskills.sp_cost, [skillnames.name] & \" \" & "
                       "[gainskills.skill_level] AS Expr1, gainskills.level, skillnames.description, skills.active, "
                       "skills.range, skills.reuse_delay, skills.skill_time, gainskills.skill_id, skills.icon, "
                       "skills.mp_consume"),
        kSkillJoins,
        QStringLiteral("WHERE ((gainskills.class_id)=:classid)"),
        QStringLiteral("ORDER BY gainskills.level, skills.active,skillnames.name, gainskills.skill_id, "
                       "gainskills.skill_level;"),
    }.join(QLatin1Char('\n'));
}

QString levelSql() { return QStringLiteral("SELECT DISTINCT `level` FROM gainskills WHERE class_id=:classid"); }

QString skillSearchSql()
{
    return QStringList{
        QStringLiteral("SELECT DISTINCT gainskills.skill_id, gainskills.skill_level, skillnames.name, skills.icon"),
        kSkillJoins,
        QStringLiteral("ORDER BY gainskills.skill_id, gainskills.skill_level;"),
    }.join(QLatin1Char('\n'));
}

QString skillLearnersSql()
{
    return QStringList{
        QStringLiteral("SELECT DISTINCT gainskills.class_id, gainskills.skill_level"),
        kSkillJoins,
        QStringLiteral("WHERE gainskills.skill_id = :skillid"),
    }.join(QLatin1Char('\n'));
}
