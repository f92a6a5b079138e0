#pragma once
// The text of data/schema.sql, compiled in at build time: the demo-world generator writes it and
// the import of a Jet file builds its copy after it.

/// The statements that create the game's twenty-one tables and their indexes.
const char* gameSchemaText();
