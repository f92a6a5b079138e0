#pragma once
// The text of data/schema.sql, as the generator writes it.

#include "data/SchemaText.h"

namespace gen {
inline const char* schemaText()
{
    return gameSchemaText();
}
} // namespace gen
