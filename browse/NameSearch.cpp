#include "browse/NameSearch.h"

#include "data/Dataset.h"

#include <QLineEdit>

QString quotedValue(const QString& value)
{
    QString doubled = value;
    doubled.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + doubled + QLatin1Char('\'');
}

QString filterText(const QString& prefix, const QString& value)
{
    return prefix + quotedValue(value);
}

void refilter(Dataset& dataset, const QString& filter)
{
    // Switching the filter off first would show every row for a moment: the views would grow to
    // the whole table (hundreds of thousands of drop rows) and the after-scroll would run a
    // cascade for a row nobody selected. A filtered dataset takes the new text in one step,
    // which lands on the same first row with one after-scroll.
    if (dataset.isOpen() && dataset.filtered()) {
        dataset.setFilter(filter);
        return;
    }
    dataset.setFilter(filter);
    dataset.setFiltered(true);
}

bool quickFind(Dataset& dataset, const QString& keyField, const QString& text)
{
    if (text.isEmpty() || !dataset.isOpen())
        return false;
    return dataset.locate(keyField, text, CaseInsensitive | PartialKey);
}

void clearSearch(QLineEdit& searchField, Dataset& dataset)
{
    searchField.clear();
    if (dataset.isOpen())
        dataset.first();
}

bool applyTypeFilter(Dataset& dataset, const QString& prefix, const QString& typeValue)
{
    if (typeValue.isEmpty())
        return false;
    refilter(dataset, filterText(prefix, typeValue));
    return true;
}
