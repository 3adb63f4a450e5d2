// Provider selection from the ADO connection string. SQL Server form with the server
// "sqlite" and the Jet (local file) form open an SQLite file; every other server, and
// the Oracle form, waits for the ODBC provider: this is where it will be added.
#include <QDir>
#include <QFileInfo>
#include "ado/provider.h"
#include "ado/sqlite/proveedor_sqlite.h"

namespace ado {

QString ValorDeCadena(const QString& cadena, const QString& clave) {
    const QStringList partes = cadena.split(QLatin1Char(';'));
    for (const QString& parte : partes) {
        const int igual = parte.indexOf(QLatin1Char('='));
        if (igual < 0) continue;
        if (parte.left(igual).trimmed().compare(clave, Qt::CaseInsensitive) == 0)
            return parte.mid(igual + 1).trimmed();
    }
    return QString();
}

namespace {

[[noreturn]] void noDisponible(Errors& errores, const QString& descripcion) {
    Error e;
    e.SQLState = QStringLiteral("08001");
    e.Number = E_FAIL;
    e.NativeError = 17;
    e.Description = descripcion;
    e.Source = FuenteProveedor();
    LanzarProveedor(errores, e);
}

bool empieza(const QString& texto, const char* prefijo) {
    return texto.startsWith(QLatin1String(prefijo), Qt::CaseInsensitive);
}

// The file an SQLite database name designates: ".sqlite" appended when it has no
// extension; relative names resolved against the current folder.
QString archivoDeBase(const QString& nombre) {
    QString archivo = nombre;
    if (QFileInfo(archivo).suffix().isEmpty()) archivo += QStringLiteral(".sqlite");
    return QDir::current().absoluteFilePath(archivo);
}

}  // namespace

std::unique_ptr<Provider> AbrirProveedor(const QString& cadena, const QString&, const QString&, long plazo,
                                         Errors& errores) {
    const QString proveedor = ValorDeCadena(cadena, QStringLiteral("Provider"));
    if (empieza(proveedor, "Microsoft.Jet.OLEDB") || empieza(proveedor, "Microsoft.ACE.OLEDB")) {
        const QString nombre = ValorDeCadena(cadena, QStringLiteral("Data Source"));
        return sqlite::AbrirProveedorSqlite(archivoDeBase(nombre), nombre, plazo, errores);
    }
    if (empieza(proveedor, "OraOLEDB") || empieza(proveedor, "MSDAORA")) {
        noDisponible(errores, QStringLiteral("No se puede conectar con el origen de datos Oracle \"%1\": "
                                             "esta versión solo abre bases SQLite locales.")
                                  .arg(ValorDeCadena(cadena, QStringLiteral("Data Source"))));
    }
    if (!proveedor.isEmpty() && !empieza(proveedor, "SQLOLEDB") && !empieza(proveedor, "SQLNCLI") &&
        !empieza(proveedor, "MSOLEDBSQL")) {
        noDisponible(errores, QStringLiteral("No se encuentra el proveedor \"%1\": esta versión solo abre bases "
                                             "SQLite locales.")
                                  .arg(proveedor));
    }
    QString servidor = ValorDeCadena(cadena, QStringLiteral("Server"));
    if (servidor.isEmpty()) servidor = ValorDeCadena(cadena, QStringLiteral("Data Source"));
    QString base = ValorDeCadena(cadena, QStringLiteral("Database"));
    if (base.isEmpty()) base = ValorDeCadena(cadena, QStringLiteral("Initial Catalog"));
    if (servidor.compare(QStringLiteral("sqlite"), Qt::CaseInsensitive) != 0) {
        noDisponible(errores, QStringLiteral("El servidor SQL Server \"%1\" no existe o se ha denegado el acceso: "
                                             "esta versión solo abre bases SQLite locales (Server=sqlite).")
                                  .arg(servidor));
    }
    if (base.isEmpty()) {
        noDisponible(errores, QStringLiteral("La cadena de conexión no indica la base de datos (Database=)."));
    }
    return sqlite::AbrirProveedorSqlite(archivoDeBase(base), base, plazo, errores);
}

}  // namespace ado
