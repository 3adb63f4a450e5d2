// prueba::BaseDePrueba: a company database for one test, created from the program's
// schema (esquema::CrearBase) in a temporary folder of its own, removed with the object.
//
//   prueba::BaseDePrueba base({"remitos.sql"});       // schema + tests/fixtures/remitos.sql
//   ado::Connection cn;
//   cn.Open(base.cadena());                           // the suite's SQL Server form
//   base.Ejecutar("INSERT INTO TA_CONFIGURACION (Clave, Valor) VALUES ('CUIT', '30-1');");
//
// API:
//   BaseDePrueba(fixtures = {}, demo = false)  creates <temporary folder>/empresa.sqlite from the
//                 schema (and the demo rows when `demo`), then runs each named fixture file of
//                 tests/fixtures/ in order;
//   ruta()        the database file's full path;
//   carpeta()     the temporary folder (for other files of the test);
//   cadena()      "PROVIDER=SQLOLEDB;Server=sqlite;Database =<ruta()>;UId=ana;Pwd=x;";
//   Ejecutar(sql) runs SQLite SQL text on the file (statements separated by ";");
//   EjecutarArchivo(nombre) runs the fixture file tests/fixtures/<nombre>.
// Fixtures are native SQLite SQL run as one transaction: dates as ISO text
// ('2015-03-31' or '2015-03-31 10:00:00'), no dialect translation. Failures throw base::Error.
#pragma once
#include <QFile>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include "ado/sqlite/base_sqlite.h"
#include "base/error.h"
#include "schema/esquema.h"
#include "tests/common/carpeta_temporal.h"

namespace prueba {

class BaseDePrueba {
public:
    explicit BaseDePrueba(std::initializer_list<const char*> fixtures = {}, bool demo = false) {
        esquema::CrearBase(ruta(), demo);
        for (const char* f : fixtures) EjecutarArchivo(QString::fromUtf8(f));
    }

    QString ruta() const { return carpeta_.archivo(QStringLiteral("empresa.sqlite")); }
    QString carpeta() const { return carpeta_.ruta(); }
    QString cadena() const {
        return QStringLiteral("PROVIDER=SQLOLEDB;Server=sqlite;Database =") + ruta() + QStringLiteral(";UId=ana;Pwd=x;");
    }

    void Ejecutar(const QString& sql) const { ado::sqlite::EjecutarGuion(ruta(), sql); }

    void EjecutarArchivo(const QString& nombre) const {
        const QString camino = QStringLiteral(RM_SOURCE_DIR "/tests/fixtures/") + nombre;
        QFile f(camino);
        if (!f.open(QIODevice::ReadOnly))
            throw base::Error(base::err::ArchivoNoEncontrado, QStringLiteral("No se encuentra el archivo ") + camino);
        Ejecutar(QString::fromUtf8(f.readAll()));
    }

private:
    CarpetaTemporal carpeta_;
};

}  // namespace prueba
