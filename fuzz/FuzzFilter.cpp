// Filter texts: parsed, then applied to open datasets. Any text gives rows or a DbError.

#include "data/Dataset.h"
#include "data/DbError.h"
#include "data/FilterExpression.h"
#include "fuzz/FuzzWorld.h"

namespace {

void applyTo(Dataset& dataset, const QString& text)
{
    try {
        dataset.setFiltered(false);
        dataset.setFilter(text);
        dataset.setFiltered(true);
        for (dataset.first(); !dataset.eof(); dataset.next())
            dataset.asText(dataset.fieldNames().first());
    } catch (const DbError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = fuzzText(data, size);
    try {
        parseFilter(text);
    } catch (const DbError&) {
    }
    applyTo(itemsDataset(), text);
    applyTo(dropsDataset(), text);
    return 0;
}
