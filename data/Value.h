#pragma once
// One typed database value, as a field of a fetched row holds it.

#include <QString>
#include <QtGlobal>

enum class ValueType { Null, Integer, Float, Text, Bool };

class Value {
public:
    Value() = default;
    static Value integer(qint64 v);
    static Value floating(double v);
    static Value text(const QString& v);
    static Value boolean(bool v);

    ValueType type() const { return m_type; }
    bool isNull() const { return m_type == ValueType::Null; }
    /// 0 for null, NaN or non-numeric text; floats (and numeric text) truncate toward zero and
    /// saturate at the ends of the 64-bit range.
    qint64 toInteger() const;
    double toFloat() const;
    /// The text a grid shows: integers in decimal, floats without trailing zeros, "True"/"False".
    QString toText() const;

    bool operator==(const Value& o) const;

private:
    ValueType m_type = ValueType::Null;
    qint64 m_int = 0;
    double m_float = 0;
    QString m_text;
};
