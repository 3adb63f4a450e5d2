// The embedded provider: one SQLite file per database, the suite's SQL Server dialect
// translated at execution time (translate.cpp), the server's text comparison and
// functions registered on the connection (funciones.cpp), dates stored as ISO text in
// DATE/DATETIME columns and read back as Date values.
#pragma once
#include <QString>
#include <memory>
#include "ado/provider.h"

namespace ado::sqlite {

// How a declared column type reads and writes.
enum class Clase { Texto, Entero, EnteroCorto, EnteroLargo, Doble, Moneda, Numerico, Logico, Fecha, FechaHora, Binario, SinTipo };

struct TipoColumna {
    Clase clase = Clase::SinTipo;
    long ado = 200;      // ADO type code
    long tamano = 0;     // defined size
};

// TEXT/VARCHAR -> 200, CHAR -> 129, NVARCHAR -> 202, INTEGER -> 3, SMALLINT -> 2,
// BIGINT -> 20, REAL/FLOAT -> 5, MONEY -> 6, NUMERIC/DECIMAL -> 131, BIT/BOOLEAN -> 11,
// DATE/DATETIME -> 7; no declared type -> SinTipo (typed by its values).
TipoColumna TipoDeclarado(const QString& declarado);

// Opens the existing database file `archivo`; `nombre` is the database name the
// connection string gave. A missing file or a file that is not a database fails.
std::unique_ptr<Provider> AbrirProveedorSqlite(const QString& archivo, const QString& nombre, long plazo,
                                               Errors& errores);

}  // namespace ado::sqlite
