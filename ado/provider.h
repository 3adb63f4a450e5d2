// The narrow interface every data provider implements (the embedded sqlite one, the
// ODBC one for servers). Connection and Recordset talk only to it; nothing above ado/
// sees which provider runs. A provider reports every failure through LanzarProveedor
// (errors.h): it fills the connection's Errors, then throws base::Error.
#pragma once
#include <QString>
#include <memory>
#include <vector>
#include "ado/errors.h"
#include "base/variant.h"

namespace ado {

// One column of a result: its name, ADO type code and defined size, and the table
// column it was read from (both empty for an expression).
struct ColumnaResultado {
    QString nombre;
    long tipo = 200;
    long tamano = 0;
    QString tablaBase;
    QString columnaBase;
};

// The rows of one result set, read forward. Columnas() is complete once Siguiente()
// has been called the first time (expression columns take their type from the first row).
class Cursor {
public:
    virtual ~Cursor() = default;
    virtual bool Siguiente(Errors& errores) = 0;        // to the next row; false after the last
    virtual const std::vector<ColumnaResultado>& Columnas() const = 0;
    virtual base::Variant Valor(int columna) const = 0;  // of the current row
};

struct TablaEsquema {
    QString nombre;
    QString tipo;   // "TABLE", "VIEW" or "SYSTEM TABLE"
};

struct ColumnaEsquema {
    QString tabla;
    QString nombre;
    long ordinal = 0;          // 1-based
    bool tieneDefault = false;
    QString valorDefault;
    bool admiteNulos = true;
    long tipo = 200;           // ADO type code
    long largoMaximo = 0;      // characters, text columns only
    long precision = 0;
    long escala = 0;
};

// A row written through an updatable recordset: the table's columns that the
// recordset shows (each once), the row as read (updates) and the values set.
struct FilaEditada {
    QString tabla;
    std::vector<QString> columnas;
    std::vector<base::Variant> originales;
    std::vector<base::Variant> valores;
    std::vector<bool> asignados;
};

class Provider {
public:
    virtual ~Provider() = default;

    // The database's name as the connection string gave it; EsLaBase says whether a
    // catalog name (a schema restriction, DefaultDatabase) designates this database.
    virtual QString NombreBase() const = 0;
    virtual bool EsLaBase(const QString& nombre) const = 0;

    // Runs a statement or a batch of statements in the suite's dialect. Returns the
    // rows of its first result set (null when it has none); `afectados` receives the
    // rows changed (-1 when no statement changed rows). `plazo` is the time-out in
    // seconds (0: no limit).
    virtual std::unique_ptr<Cursor> Ejecutar(const QString& sql, long plazo, long* afectados, Errors& errores) = 0;

    virtual long IniciarTransaccion(long plazo, Errors& errores) = 0;   // returns the nesting level
    virtual void ConfirmarTransaccion(long plazo, Errors& errores) = 0;
    virtual void DeshacerTransaccion(Errors& errores) = 0;
    virtual int NivelTransaccion() const = 0;                          // 0: none open

    virtual std::vector<TablaEsquema> Tablas(Errors& errores) = 0;
    virtual std::vector<ColumnaEsquema> Columnas(Errors& errores) = 0;

    // Writes a row; returns the row as stored, one value per FilaEditada::columnas.
    virtual std::vector<base::Variant> InsertarFila(const FilaEditada& fila, long plazo, Errors& errores) = 0;
    virtual std::vector<base::Variant> ActualizarFila(const FilaEditada& fila, long plazo, Errors& errores) = 0;
};

// Chooses and opens the provider for an ADO connection string: the one place where a
// new provider is added. Fills `errores` and throws on failure.
std::unique_ptr<Provider> AbrirProveedor(const QString& cadena, const QString& usuario, const QString& clave,
                                         long plazo, Errors& errores);

// ADO connection strings: "KEY=value;" items, keys compared without case and with the
// blanks around them trimmed ("Database =x"). Empty text when the key is absent.
QString ValorDeCadena(const QString& cadena, const QString& clave);

// The source name given to provider errors.
inline QString FuenteProveedor() { return QStringLiteral("Microsoft OLE DB Provider for SQL Server"); }

}  // namespace ado
