// Reads the schema and demo scripts from the program's resources and runs them on a
// new (or existing) SQLite database file, one statement at a time.
#include "schema/esquema.h"

#include <QFile>
#include "ado/sqlite/base_sqlite.h"
#include "base/error.h"

static void iniciarRecursos() { Q_INIT_RESOURCE(schema); }

namespace esquema {

static QString leerRecurso(const QString& ruta) {
    iniciarRecursos();
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly))
        throw base::Error(base::err::ArchivoNoEncontrado, QStringLiteral("No se encuentra el recurso ") + ruta);
    return QString::fromUtf8(f.readAll());
}

QString TextoEmpresa() { return leerRecurso(QStringLiteral(":/schema/sqlite/empresa.sql")); }
QString TextoDemo() { return leerRecurso(QStringLiteral(":/schema/sqlite/demo.sql")); }

// The schema script only creates what is missing (IF NOT EXISTS), so running it on an
// existing file completes it. Each script runs as one transaction.
void CrearBase(const QString& archivo, bool demo) {
    ado::sqlite::EjecutarGuion(archivo, TextoEmpresa());
    if (demo) {
        const QString datos = TextoDemo();
        if (!datos.trimmed().isEmpty()) ado::sqlite::EjecutarGuion(archivo, datos);
    }
}

}  // namespace esquema
