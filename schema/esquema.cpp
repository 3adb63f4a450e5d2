// Reads the schema and demo scripts from the program's resources and runs them on a
// new (or existing) SQLite database file, one statement at a time.
#include "schema/esquema.h"

#include <QFile>
#include "ado/connection.h"
#include "ado/recordset.h"
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

}  // namespace esquema
