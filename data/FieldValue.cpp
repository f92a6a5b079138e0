#include "data/FieldValue.h"

#include "data/DbError.h"

#include <QLocale>

#include <cmath>

namespace {

enum class Kind { Integer, Real, Boolean, Text };

Kind kindOf(const QString& declaredType)
{
    const QString t = declaredType.toUpper();
    if (t.contains(QLatin1String("BOOL")))
        return Kind::Boolean;
    if (t.contains(QLatin1String("INT")))
        return Kind::Integer;
    if (t.contains(QLatin1String("REAL")) || t.contains(QLatin1String("FLOA")) || t.contains(QLatin1String("DOUB")) ||
        t.contains(QLatin1String("NUMERIC")) || t.contains(QLatin1String("DECIMAL")))
        return Kind::Real;
    return Kind::Text;
}

[[noreturn]] void refuse(const QString& field, const QString& text, const char* what)
{
    throw DbError(QStringLiteral("'%1' is not a valid value for field '%2': it takes %3").arg(text, field, QLatin1String(what)));
}

} // namespace

Value checkedFieldValue(const QString& field, const QString& declaredType, const Value& typed)
{
    if (typed.isNull())
        return Value();
    const Kind kind = kindOf(declaredType);
    if (typed.type() != ValueType::Text) {
        switch (kind) {
        case Kind::Integer:
            if (typed.type() == ValueType::Float && typed.toFloat() != std::trunc(typed.toFloat()))
                refuse(field, typed.toText(), "a whole number");
            return Value::integer(typed.toInteger());
        case Kind::Real:
            return Value::floating(typed.toFloat());
        case Kind::Boolean:
            return Value::boolean(typed.toInteger() != 0);
        case Kind::Text:
            return Value::text(typed.toText());
        }
    }
    const QString text = typed.toText();
    if (kind == Kind::Text)
        return text.isEmpty() ? Value() : Value::text(text);
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return Value();
    const QLocale c = QLocale::c();
    bool ok = false;
    switch (kind) {
    case Kind::Integer: {
        const qlonglong v = c.toLongLong(trimmed, &ok);
        if (!ok)
            refuse(field, text, "a whole number");
        return Value::integer(v);
    }
    case Kind::Real: {
        const double v = c.toDouble(trimmed, &ok);
        if (!ok || !std::isfinite(v))
            refuse(field, text, "a number");
        return Value::floating(v);
    }
    case Kind::Boolean: {
        const QString l = trimmed.toLower();
        if (l == QLatin1String("true") || l == QLatin1String("yes") || l == QLatin1String("1"))
            return Value::boolean(true);
        if (l == QLatin1String("false") || l == QLatin1String("no") || l == QLatin1String("0"))
            return Value::boolean(false);
        refuse(field, text, "True or False");
    }
    case Kind::Text:
        break;
    }
    return Value::text(text);
}
