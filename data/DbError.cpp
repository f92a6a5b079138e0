#include "data/DbError.h"

DbError::DbError(const QString& message, const QString& details) : m_message(message), m_details(details)
{
    m_what = m_message.toStdString();
}

DbError DbError::readFailure(const QString& file, const QString& problem, const QString& details)
{
    DbError e(QString(), details);
    e.m_file = file;
    e.m_problem = problem;
    e.compose();
    return e;
}

void DbError::setList(const QString& list)
{
    m_list = list;
    if (!m_problem.isEmpty())
        compose();
}

void DbError::compose()
{
    const QString which = m_list.isEmpty() ? QStringLiteral("a list") : QStringLiteral("the list %1").arg(m_list);
    m_message = QStringLiteral("Database file %1 %2: %3 could not be read.").arg(m_file, m_problem, which);
    m_what = m_message.toStdString();
}
