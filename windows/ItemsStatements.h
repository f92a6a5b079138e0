#pragma once
// The statements of the misc items window, exactly as the window declares them.

#include <QString>

/// The misc items list (QueryItems): its eight lines joined by line breaks.
QString miscItemsSql();
/// The categories the type list offers (EtcitemTypeQuery): six lines joined by line breaks.
QString itemCategoriesSql();
