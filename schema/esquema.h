// The company database schema (schema/sqlite/empresa.sql) and the demo data set
// (schema/sqlite/demo.sql), compiled into the program as resources.
#pragma once
#include <QString>

namespace esquema {
QString TextoEmpresa();    // the SQL that creates every table and view the program uses
QString TextoDemo();       // the demo company's rows
// Creates (or completes) the SQLite database file with the schema, and with the demo
// rows when `demo`. Throws base::Error on failure.
void CrearBase(const QString& archivo, bool demo);
}  // namespace esquema
