#include "data/FloatText.h"

#include <QByteArray>

std::string floatTextUtf8(double v)
{
    // Qt's conversion ignores the C locale (which QCoreApplication sets from the environment),
    // so the decimal point is always '.'. 15 digits hide binary noise such as 0.1 + 0.2.
    if (v == 0.0)
        return "0";
    return QByteArray::number(v, 'g', 15).toStdString();
}

QString floatText(double v)
{
    if (v == 0.0)
        return QStringLiteral("0");
    return QString::number(v, 'g', 15);
}
