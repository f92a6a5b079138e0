// Sort texts: parsed, then applied to open datasets, with a locate in the new order. Any text
// gives an order or a DbError, and the current row survives it.

#include "data/Dataset.h"
#include "data/DbError.h"
#include "data/SortOrder.h"
#include "fuzz/FuzzWorld.h"

#include <cstdlib>

namespace {

void applyTo(Dataset& dataset, const QString& text)
{
    dataset.setFiltered(false);
    dataset.moveTo(1);
    const int before = dataset.recNo();
    const QString id = dataset.asText(dataset.fieldNames().first());
    try {
        dataset.setSort(text);
    } catch (const DbError&) {
    }
    // A sort keeps the current row, whichever order it ends in.
    if (dataset.asText(dataset.fieldNames().first()) != id)
        std::abort();
    dataset.locate(dataset.fieldNames().first(), text.left(8), CaseInsensitive | PartialKey);
    dataset.setSort(QString());
    dataset.moveTo(before);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = fuzzText(data, size);
    try {
        parseSort(text);
    } catch (const DbError&) {
    }
    applyTo(itemsDataset(), text);
    applyTo(dropsDataset(), text);
    return 0;
}
