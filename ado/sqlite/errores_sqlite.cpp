// SQLite results -> Errors entries (SQLState, ADO number, SQL Server native code).
#include "ado/sqlite/errores_sqlite.h"

#include <sqlite3.h>
#include "ado/provider.h"
#include "ado/sqlite/base_sqlite.h"

namespace ado::sqlite {

namespace {
Error error(const char* estado, long numero, long nativo, const QString& descripcion) {
    Error e;
    e.SQLState = QLatin1String(estado);
    e.Number = numero;
    e.NativeError = nativo;
    e.Description = descripcion;
    e.Source = FuenteProveedor();
    return e;
}
}  // namespace

Error ErrorDeSqlite(int extendido, const QString& mensaje, bool vencido) {
    const int primario = extendido & 0xff;
    if (vencido || primario == SQLITE_BUSY || primario == SQLITE_LOCKED || primario == SQLITE_INTERRUPT)
        return error("HYT00", DB_E_ABORTLIMITREACHED, 0,
                     QStringLiteral("Tiempo de espera agotado (%1)").arg(vencido ? QStringLiteral("database is locked")
                                                                                 : mensaje));
    if (primario == SQLITE_CONSTRAINT) {
        if (extendido == SQLITE_CONSTRAINT_UNIQUE || extendido == SQLITE_CONSTRAINT_PRIMARYKEY)
            return error("23000", DB_E_INTEGRITYVIOLATION, 2627, mensaje);
        if (extendido == SQLITE_CONSTRAINT_NOTNULL) return error("23000", DB_E_INTEGRITYVIOLATION, 515, mensaje);
        return error("23000", DB_E_INTEGRITYVIOLATION, 547, mensaje);
    }
    if (primario == SQLITE_ERROR) {
        auto empieza = [&](const char* p) { return mensaje.startsWith(QLatin1String(p), Qt::CaseInsensitive); };
        auto contiene = [&](const char* p) { return mensaje.contains(QLatin1String(p), Qt::CaseInsensitive); };
        if (empieza("no such table") || empieza("no such view")) return error("42S02", DB_E_NOTABLE, 208, mensaje);
        if (empieza("no such column")) return error("42S22", DB_E_ERRORSINCOMMAND, 207, mensaje);
        if (contiene("already exists")) return error("42S01", DB_E_ERRORSINCOMMAND, 2714, mensaje);
        if (empieza("duplicate column name")) return error("42S21", DB_E_ERRORSINCOMMAND, 2705, mensaje);
        if (empieza("unrecognized token: \"'")) return error("42000", DB_E_ERRORSINCOMMAND, 105, mensaje);
        if (contiene("syntax error") || empieza("incomplete input") || empieza("unrecognized token"))
            return error("42000", DB_E_ERRORSINCOMMAND, 102, mensaje);
        if (empieza("no such function")) return error("42000", DB_E_ERRORSINCOMMAND, 195, mensaje);
        if (empieza("Conversion failed when converting date"))
            return error("22007", DB_E_ERRORSINCOMMAND, 241, mensaje);
        if (empieza("Conversion failed") || empieza("Error converting"))
            return error("22018", DB_E_ERRORSINCOMMAND, 245, mensaje);
        return error("42000", DB_E_ERRORSINCOMMAND, extendido, mensaje);
    }
    return error("HY000", E_FAIL, extendido, mensaje);
}

void FallarSqlite(Errors& errores, int extendido, const QString& mensaje, bool vencido) {
    LanzarProveedor(errores, ErrorDeSqlite(extendido, mensaje, vencido));
}

void FallarSqlite(Errors& errores, const Base& base) {
    FallarSqlite(errores, sqlite3_extended_errcode(base.db()), QString::fromUtf8(sqlite3_errmsg(base.db())),
                 base.Vencido());
}

void FallarConCodigo(Errors& errores, const QString& sqlState, long numero, long nativo, const QString& descripcion) {
    Error e = error("", numero, nativo, descripcion);
    e.SQLState = sqlState;
    LanzarProveedor(errores, e);
}

}  // namespace ado::sqlite
