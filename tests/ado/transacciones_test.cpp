// Transactions: the access-log batch sent as one command and closed by a separate
// COMMIT or ROLLBACK, the nesting of BEGIN TRANSACTION, and the time-out on a database
// another connection holds locked.
#include <gtest/gtest.h>
#include "ado/connection.h"
#include "ado/recordset.h"
#include "tests/common/base_prueba.h"

namespace {

long contar(ado::Connection& cn, const QString& tabla) {
    ado::Recordset rs;
    rs.Open(QStringLiteral("SELECT COUNT(*) FROM ") + tabla, cn);
    return rs.Fields(0).Value().toLong();
}

const QChar CR(13);

QString lote(const QStringList& sentencias) {
    QString cuerpo;
    for (const QString& s : sentencias) cuerpo += CR + s;
    return QStringLiteral("BEGIN TRANSACTION ") + CR + CR + cuerpo + CR;
}

}  // namespace

TEST(Transacciones, lote_confirmado_deja_sus_filas) {
    prueba::BaseDePrueba base;
    ado::Connection cn;
    cn.Open(base.cadena());
    long afectados = 0;
    cn.Execute(lote({QStringLiteral("INSERT INTO Control_Acceso (Maquina,Usuario,Formulario,Tarea,Ingreso,NombreUsuario) "
                                    "VALUES ('PC1','ANA','RMAUTOIMPR','','31/03/15 10:00','ana')")}),
               &afectados);
    EXPECT_EQ(afectados, 1);
    cn.Execute(QStringLiteral("COMMIT TRANSACTION"));
    ado::Recordset rs;
    rs.Open(QStringLiteral("SELECT Ingreso FROM Control_Acceso"), cn);
    EXPECT_EQ(rs(QStringLiteral("Ingreso")).toString().toStdString(), "31/03/15 10:00");   // a text column keeps the text
}

TEST(Transacciones, lote_fallido_dentro_de_la_transaccion_no_deja_filas) {
    prueba::BaseDePrueba base;
    ado::Connection cn;
    cn.Open(base.cadena());
    EXPECT_THROW(cn.Execute(lote({QStringLiteral("INSERT INTO TA_MENU (Clave) VALUES ('X1')"),
                                  QStringLiteral("INSERT INTO TA_MENU (Clave) VALUES ('x1 ')")})),
                 base::Error);
    ASSERT_EQ(cn.errors().Count(), 1);
    EXPECT_EQ(cn.errors().Item(0).NativeError, 2627);
    cn.errors().Clear();
    cn.Execute(QStringLiteral("ROLLBACK TRANSACTION"));
    EXPECT_EQ(contar(cn, QStringLiteral("TA_MENU")), 0);
    // the connection is back in autocommit
    cn.Execute(QStringLiteral("INSERT INTO TA_MENU (Clave) VALUES ('X2')"));
    ado::Connection otra;
    otra.Open(base.cadena());
    EXPECT_EQ(contar(otra, QStringLiteral("TA_MENU")), 1);
}

TEST(Transacciones, begin_transaction_anidado_se_cierra_con_el_exterior) {
    prueba::BaseDePrueba base;
    ado::Connection cn;
    cn.Open(base.cadena());
    EXPECT_EQ(cn.BeginTrans(), 1);
    cn.Execute(QStringLiteral("BEGIN TRAN INSERT INTO TA_MENU (Clave) VALUES ('A') COMMIT TRAN"));
    cn.RollbackTrans();
    EXPECT_EQ(contar(cn, QStringLiteral("TA_MENU")), 0);
    EXPECT_THROW(cn.RollbackTrans(), base::Error);
}

TEST(Transacciones, base_bloqueada_por_otra_conexion_agota_el_tiempo) {
    prueba::BaseDePrueba base;
    ado::Connection duena, otra;
    duena.Open(base.cadena());
    otra.Open(base.cadena());
    duena.BeginTrans();
    duena.Execute(QStringLiteral("INSERT INTO TA_MENU (Clave) VALUES ('A')"));
    otra.setCommandTimeout(1);
    try {
        otra.Execute(QStringLiteral("INSERT INTO TA_MENU (Clave) VALUES ('B')"));
        ADD_FAILURE() << "wrote into a locked database";
    } catch (const base::Error& e) {
        EXPECT_EQ(e.Number, ado::DB_E_ABORTLIMITREACHED);
    }
    ASSERT_EQ(otra.errors().Count(), 1);
    EXPECT_EQ(otra.errors().Item(0).SQLState.toStdString(), "HYT00");
    duena.CommitTrans();
    otra.Execute(QStringLiteral("INSERT INTO TA_MENU (Clave) VALUES ('B')"));
    EXPECT_EQ(contar(otra, QStringLiteral("TA_MENU")), 2);
}
