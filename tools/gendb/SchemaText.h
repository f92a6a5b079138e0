#pragma once
// The text of data/schema.sql, compiled into the generator at build time.

namespace gen {
const char* schemaText();
}
