#include "data/BoundValue.h"

#include <QByteArray>

#include <sqlite3.h>

int bindValue(sqlite3_stmt* statement, int at, const Value& v)
{
    switch (v.type()) {
    case ValueType::Null:
        return sqlite3_bind_null(statement, at);
    case ValueType::Integer:
    case ValueType::Bool:
        return sqlite3_bind_int64(statement, at, v.toInteger());
    case ValueType::Float:
        return sqlite3_bind_double(statement, at, v.toFloat());
    case ValueType::Text: {
        const QByteArray utf8 = v.toText().toUtf8();
        return sqlite3_bind_text(statement, at, utf8.constData(), utf8.size(), SQLITE_TRANSIENT);
    }
    }
    return SQLITE_MISUSE;
}

void StatementFinalizer::operator()(sqlite3_stmt* s) const
{
    sqlite3_finalize(s);
}
