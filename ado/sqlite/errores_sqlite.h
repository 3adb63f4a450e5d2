// The one place that turns an SQLite result into the connection's Errors: SQLite's
// message as the description, and the SQL Server native code and ADO number of the
// equivalent failure where the suite's code depends on them.
#pragma once
#include <QString>
#include "ado/errors.h"

namespace ado::sqlite {

class Base;

// The error for an SQLite extended result code and message; `vencido` when the call
// ran out of its time-out.
Error ErrorDeSqlite(int extendido, const QString& mensaje, bool vencido);

// Fills `errores` from the last result of `base` and throws.
[[noreturn]] void FallarSqlite(Errors& errores, const Base& base);
[[noreturn]] void FallarSqlite(Errors& errores, int extendido, const QString& mensaje, bool vencido);

// A failure found by the provider itself, in the same shape.
[[noreturn]] void FallarConCodigo(Errors& errores, const QString& sqlState, long numero, long nativo,
                                  const QString& descripcion);

}  // namespace ado::sqlite
