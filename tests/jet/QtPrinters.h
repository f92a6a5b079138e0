#pragma once
// Failed comparisons show texts as text.

#include <QString>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << (text.size() > 200 ? text.left(200).toStdString() + "..." : text.toStdString()) << "\" ("
        << text.size() << " characters)";
}
