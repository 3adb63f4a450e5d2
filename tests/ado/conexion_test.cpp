// Opening connections by their connection strings, the failures a caller tells apart
// by number, native code and SQLState, and the statement recorder.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <functional>
#include "ado/connection.h"
#include "ado/recordset.h"
#include "ado/registro_sentencias.h"
#include "tests/common/base_prueba.h"

namespace {

struct Falla {
    long numero = 0;
    QString descripcion;
};

Falla fallaDe(const std::function<void()>& f) {
    try {
        f();
    } catch (const base::Error& e) {
        return {e.Number, e.Description};
    }
    return {};
}

}  // namespace

TEST(Conexion, formas_de_cadena_que_abren_un_archivo_sqlite) {
    prueba::BaseDePrueba base;
    QFile::copy(base.ruta(), base.carpeta() + QStringLiteral("/OTRA.sqlite"));
    const QString anterior = QDir::currentPath();
    QDir::setCurrent(base.carpeta());
    const QString cadenas[] = {
        base.cadena(),
        QStringLiteral("provider=sqloledb; SERVER = SQLite ;database=OTRA;uid=ana;pwd=x;"),
        QStringLiteral("Server=sqlite;Database =empresa.sqlite;"),
        QStringLiteral("PROVIDER=Microsoft.Jet.OLEDB.4.0;Data Source =") + base.ruta() +
            QStringLiteral(";User ID=ana;Password=x;"),
    };
    for (const QString& c : cadenas) {
        ado::Connection cn;
        cn.Open(c, QString(), QString(), -1);
        EXPECT_EQ(cn.State(), ado::adStateOpen) << c.toStdString();
        EXPECT_EQ(cn.ConnectionString(), c);
        cn.Execute(QStringLiteral("SELECT COUNT(*) FROM TA_CONFIGURACION"));
        cn.Close();
        EXPECT_EQ(cn.State(), ado::adStateClosed);
    }
    QDir::setCurrent(anterior);
}

TEST(Conexion, apertura_fallida_llena_errors_con_estado_08001) {
    prueba::CarpetaTemporal carpeta;
    QFile basura(carpeta.archivo(QStringLiteral("basura.sqlite")));
    ASSERT_TRUE(basura.open(QIODevice::WriteOnly));
    basura.write(QByteArray(4096, 'x'));
    basura.close();
    struct Caso {
        QString cadena;
        QString enDescripcion;
    };
    const Caso casos[] = {
        {QStringLiteral("PROVIDER=SQLOLEDB;Server=sqlite;Database =") + carpeta.archivo(QStringLiteral("falta")) +
             QStringLiteral(";UId=ana;Pwd=x;"),
         QStringLiteral("no existe el archivo ") + carpeta.archivo(QStringLiteral("falta.sqlite"))},
        {QStringLiteral("PROVIDER=SQLOLEDB;Server=sqlite;Database =") + basura.fileName() + QStringLiteral(";"),
         QStringLiteral("file is not a database")},
        {QStringLiteral("PROVIDER=SQLOLEDB;Server=SRV01;Database =EMPRESA;UId=ana;Pwd=x;"), QStringLiteral("\"SRV01\"")},
        {QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=EMPRESA;User Id=ana;Password=x;"),
         QStringLiteral("Oracle \"EMPRESA\"")},
    };
    for (const Caso& c : casos) {
        ado::Connection cn;
        const Falla f = fallaDe([&] { cn.Open(c.cadena); });
        EXPECT_EQ(f.numero, ado::E_FAIL) << c.cadena.toStdString();
        ASSERT_EQ(cn.errors().Count(), 1);
        EXPECT_EQ(cn.errors().Item(0).SQLState.toStdString(), "08001");
        EXPECT_EQ(cn.errors().Item(0).Description, f.descripcion);
        EXPECT_TRUE(f.descripcion.contains(c.enDescripcion)) << f.descripcion.toStdString();
        EXPECT_EQ(cn.State(), ado::adStateClosed);
    }
    EXPECT_FALSE(QFile::exists(carpeta.archivo(QStringLiteral("falta.sqlite"))));   // never created empty
}

TEST(Conexion, fallas_del_servidor_con_codigo_nativo) {
    prueba::BaseDePrueba base;
    base.Ejecutar("INSERT INTO TA_MENU (Clave) VALUES ('M1 '); CREATE TABLE CHEQUEO (n INTEGER CHECK (n >= 0));");
    ado::Connection cn;
    cn.Open(base.cadena());
    struct Caso {
        const char* sql;
        long numero;
        long nativo;
        const char* estado;
    };
    const Caso casos[] = {
        {"SELECT * FROM NO_EXISTE with(nolock)", ado::DB_E_NOTABLE, 208, "42S02"},
        {"CREATE TABLE TA_MENU (x INT)", ado::DB_E_ERRORSINCOMMAND, 2714, "42S01"},
        {"INSERT INTO TA_MENU (Clave) VALUES ('m1')", ado::DB_E_INTEGRITYVIOLATION, 2627, "23000"},
        {"INSERT INTO TA_USUARIOS (Nombre) VALUES (NULL)", ado::DB_E_INTEGRITYVIOLATION, 515, "23000"},
        {"INSERT INTO CHEQUEO (n) VALUES (-1)", ado::DB_E_INTEGRITYVIOLATION, 547, "23000"},
        {"SELEC * FROM TA_MENU", ado::DB_E_ERRORSINCOMMAND, 102, "42000"},
        {"SELECT * FROM TA_MENU WHERE Clave = 'O'Brien'", ado::DB_E_ERRORSINCOMMAND, 102, "42000"},
        {"SELECT * FROM TA_MENU WHERE Clave = 'abc", ado::DB_E_ERRORSINCOMMAND, 105, "42000"},
        {"SELECT * FROM TA_MENU WHERE NoColumna = 1", ado::DB_E_ERRORSINCOMMAND, 207, "42S22"},
        {"SELECT CONVERT(INT, 'abc')", ado::DB_E_ERRORSINCOMMAND, 245, "22018"},
        {"ROLLBACK TRANSACTION", ado::DB_E_ERRORSINCOMMAND, 3903, "25000"},
    };
    for (const Caso& c : casos) {
        const Falla f = fallaDe([&] { cn.Execute(QString::fromUtf8(c.sql)); });
        EXPECT_EQ(f.numero, c.numero) << c.sql;
        ASSERT_EQ(cn.errors().Count(), 1) << c.sql;
        const ado::Error& e = cn.errors().Item(0);
        EXPECT_EQ(e.Number, c.numero) << c.sql;
        EXPECT_EQ(e.NativeError, c.nativo) << c.sql;
        EXPECT_EQ(e.SQLState.toStdString(), c.estado) << c.sql;
        EXPECT_EQ(e.Description, f.descripcion);
        EXPECT_FALSE(e.Description.isEmpty());
    }
    // a successful call leaves the collection as it was
    cn.Execute(QStringLiteral("SELECT 1"));
    EXPECT_EQ(cn.errors().Count(), 1);
    cn.errors().Clear();
    EXPECT_EQ(cn.errors().Count(), 0);
}

TEST(Conexion, errores_propios_de_ado) {
    prueba::BaseDePrueba base;
    base.Ejecutar("INSERT INTO TA_MENU (Clave) VALUES ('M1');");
    ado::Connection cn;
    ado::Connection cerrada;
    cn.Open(base.cadena());
    auto abrir = [&](ado::Recordset& rs, long cursor, long bloqueo) {
        rs.Open(QStringLiteral("SELECT * FROM TA_MENU"), cn, cursor, bloqueo, -1);
    };
    struct Caso {
        const char* que;
        std::function<void()> f;
        long numero;
    };
    const Caso casos[] = {
        {"abrir dos veces", [&] { cn.Open(base.cadena()); }, ado::adErrObjectOpen},
        {"cerrar cerrada", [&] { cerrada.Close(); }, ado::adErrObjectClosed},
        {"ejecutar cerrada", [&] { cerrada.Execute(QStringLiteral("SELECT 1")); }, ado::adErrInvalidConnection},
        {"recordset en cerrada", [&] { ado::Recordset rs; rs.Open(QStringLiteral("SELECT 1"), cerrada); },
         ado::adErrInvalidConnection},
        {"recordset abierto dos veces", [&] { ado::Recordset rs; abrir(rs, 0, 1); abrir(rs, 0, 1); },
         ado::adErrObjectOpen},
        {"campo inexistente", [&] { ado::Recordset rs; abrir(rs, 0, 1); rs.Fields(QStringLiteral("nada")); },
         ado::adErrItemNotFound},
        {"campo fuera de rango", [&] { ado::Recordset rs; abrir(rs, 0, 1); rs.Fields(9); }, ado::adErrItemNotFound},
        {"avanzar en EOF", [&] { ado::Recordset rs; abrir(rs, 0, 1); rs.MoveNext(); rs.MoveNext(); },
         ado::adErrNoCurrentRecord},
        {"valor en EOF", [&] { ado::Recordset rs; abrir(rs, 2, 3); rs.MoveNext(); rs(QStringLiteral("Clave")); },
         ado::adErrNoCurrentRecord},
        {"error inexistente", [&] { cn.errors().Item(3); }, ado::adErrItemNotFound},
        {"recordset cerrado", [&] { ado::Recordset rs; rs.EOF_(); }, ado::adErrObjectClosed},
        {"cerrar editando", [&] { ado::Recordset rs; abrir(rs, 2, 3); rs.AddNew(); rs.Close(); },
         ado::adErrIllegalOperation},
        {"escribir en solo lectura",
         [&] { ado::Recordset rs; abrir(rs, 0, 1); rs.Fields(QStringLiteral("Nombre")).setValue(QStringLiteral("x")); },
         ado::adErrFeatureNotAvailable},
        {"confirmar sin transaccion", [&] { cn.CommitTrans(); }, ado::XACT_E_NOTRANSACTION},
    };
    for (const Caso& c : casos) EXPECT_EQ(fallaDe(c.f).numero, c.numero) << c.que;
}

TEST(Conexion, base_por_defecto_es_la_propia) {
    prueba::BaseDePrueba base;
    ado::Connection cn;
    cn.Open(QStringLiteral("PROVIDER=SQLOLEDB;Server=sqlite;Database =") + base.ruta() + QStringLiteral(";"));
    EXPECT_EQ(cn.DefaultDatabase(), base.ruta());
    cn.setDefaultDatabase(QStringLiteral("EMPRESA"));   // the file's own name, any case
    cn.setDefaultDatabase(base.ruta());
    cn.setIsolationLevel(ado::adXactReadUncommitted);
    cn.setCursorLocation(ado::adUseClient);
    EXPECT_EQ(fallaDe([&] { cn.setDefaultDatabase(QStringLiteral("QV_ESTADISTICAS")); }).numero, ado::E_FAIL);
    ASSERT_EQ(cn.errors().Count(), 1);
    EXPECT_EQ(cn.errors().Item(0).NativeError, 911);
    cn.Execute(QStringLiteral("SELECT 1"));   // still usable
}

TEST(Conexion, registro_guarda_los_textos_antes_de_traducirlos) {
    prueba::BaseDePrueba base;
    ado::Connection cn;
    cn.Open(base.cadena());
    cn.Execute(QStringLiteral("SELECT 0"));   // before recording starts
    ado::RegistroSentencias::Iniciar();
    const QStringList textos = {
        QStringLiteral("DELETE TA_CONFIG_FORM WHERE FORMULARIO = 'FrmRmAutoImpr' AND USUARIO= 'ana'"),
        QStringLiteral("select  top 1 * from AUX_ERR  with(nolock) "),
        QStringLiteral("SELECT * FROM NO_EXISTE"),
    };
    cn.Execute(textos[0]);
    ado::Recordset rs;
    rs.Open(textos[1], cn, ado::adOpenDynamic, ado::adLockOptimistic, -1);
    rs.AddNew();
    rs.Fields(QStringLiteral("Proceso")).setValue(QStringLiteral("rmautoimpr"));
    rs.Update();   // the provider's own statements are not the suite's
    rs.Close();
    fallaDe([&] { cn.Execute(textos[2]); });
    ado::RegistroSentencias::Detener();
    cn.Execute(QStringLiteral("SELECT 1"));
    EXPECT_EQ(ado::RegistroSentencias::Sentencias(), textos);
}
