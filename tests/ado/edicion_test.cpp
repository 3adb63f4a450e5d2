// Rows written through dynamic optimistic recordsets: a new row (AddNew/Update), the
// update of the row found, and the pending edit that blocks Close.
#include <gtest/gtest.h>
#include "ado/connection.h"
#include "ado/recordset.h"
#include "tests/common/base_prueba.h"

namespace {

// The way the configuration store writes a setting: update the row found or add one.
void grabar(ado::Connection& cn, const QString& clave, const base::Variant& valor, const QString& valorAux) {
    ado::Recordset rs;
    rs.Open(QStringLiteral("SELECT * FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = '") + clave + QStringLiteral("'"),
            cn, ado::adOpenDynamic, ado::adLockOptimistic, -1);
    if (rs.EOF_()) rs.AddNew();
    else rs.MoveFirst();
    rs.Fields(QStringLiteral("Grupo")).setValue(QStringLiteral("BaseDeDatos"));
    rs.Fields(QStringLiteral("Clave")).setValue(clave.trimmed().toUpper());
    rs.Fields(QStringLiteral("Valor")).setValue(valor);
    rs.Fields(QStringLiteral("PoliticaNegocio")).setValue(false);
    if (!valorAux.isEmpty()) rs.Fields(QStringLiteral("ValorAux")).setValue(valorAux.trimmed());
    rs.Update();
    rs.Close();
}

std::string configuracion(ado::Connection& cn) {
    ado::Recordset rs;
    rs.Open(QStringLiteral("SELECT Clave, Valor, ValorAux, Grupo, PoliticaNegocio FROM TA_CONFIGURACION ORDER BY Clave"), cn);
    QStringList r;
    for (; !rs.EOF_(); rs.MoveNext()) {
        QStringList f;
        for (int i = 0; i < rs.FieldCount(); ++i)
            f << (rs.Fields(i).Value().isNull() ? QStringLiteral("<null>") : rs.Fields(i).Value().toString());
        r << f.join(QLatin1Char('|'));
    }
    return r.join(QLatin1Char(',')).toStdString();
}

}  // namespace

TEST(Edicion, agrega_la_fila_que_falta_y_actualiza_la_encontrada) {
    prueba::BaseDePrueba base;
    base.Ejecutar("INSERT INTO TA_CONFIGURACION (Clave, Valor, ValorAux) VALUES ('CUIT', '30-1', 'aux');");
    ado::Connection cn;
    cn.Open(base.cadena());

    grabar(cn, QStringLiteral("TimeOut"), 0, QString());
    EXPECT_EQ(configuracion(cn), "CUIT|30-1|aux|<null>|False,TIMEOUT|0|<null>|BaseDeDatos|False");

    // a padded key finds the row written trimmed; an empty auxiliary value keeps the old one
    grabar(cn, QStringLiteral("timeout "), QStringLiteral("600"), QString());
    grabar(cn, QStringLiteral("CUIT"), QStringLiteral("30-2"), QString());
    EXPECT_EQ(configuracion(cn), "CUIT|30-2|aux|BaseDeDatos|False,TIMEOUT|600|<null>|BaseDeDatos|False");
}

TEST(Edicion, fila_nueva_con_fecha_en_texto_y_clave_autonumerada) {
    prueba::BaseDePrueba base;
    ado::Connection cn;
    cn.Open(base.cadena());
    ado::Recordset rs;
    rs.Open(QStringLiteral("select  top 1 * from AUX_ERR  with(nolock) "), cn, ado::adOpenDynamic, ado::adLockOptimistic, -1);
    EXPECT_TRUE(rs.EOF_());
    rs.AddNew();
    EXPECT_EQ(rs.EditMode(), 2);
    rs.Fields(QStringLiteral("Proceso")).setValue(QStringLiteral("rmautoimpr"));
    rs.Fields(QStringLiteral("Fecha")).setValue(QStringLiteral("31/03/15 10:05"));
    rs.Fields(QStringLiteral("Error")).setValue(-2147217873L);
    rs.Fields(QStringLiteral("Descripcion")).setValue(QStringLiteral("Violation of PRIMARY KEY 'O''Brien'"));
    rs.Fields(QStringLiteral("SQL")).setValue(QStringLiteral("BEGIN TRANSACTION \r\r\rINSERT ...\r"));
    rs.Update();
    EXPECT_EQ(rs.EditMode(), 0);
    EXPECT_EQ(rs(QStringLiteral("id")).toLong(), 1);   // the stored row, key included
    rs.Close();

    ado::Recordset leido;
    leido.Open(QStringLiteral("SELECT Fecha, Error, Descripcion, SQL, '=' || Fecha AS Texto FROM AUX_ERR"), cn);
    EXPECT_EQ(leido(QStringLiteral("Fecha")).rawDate(), QDateTime(QDate(2015, 3, 31), QTime(10, 5)));
    EXPECT_EQ(leido(QStringLiteral("Texto")).toString().toStdString(), "=2015-03-31 10:05:00");
    EXPECT_EQ(leido(QStringLiteral("Error")).toLong(), -2147217873L);
    EXPECT_EQ(leido(QStringLiteral("Descripcion")).toString().toStdString(), "Violation of PRIMARY KEY 'O''Brien'");
    EXPECT_EQ(leido(QStringLiteral("SQL")).toString().toStdString(), "BEGIN TRANSACTION \r\r\rINSERT ...\r");
}

TEST(Edicion, edicion_pendiente_se_cancela_y_una_fecha_invalida_no_se_graba) {
    prueba::BaseDePrueba base;
    ado::Connection cn;
    cn.Open(base.cadena());
    ado::Recordset rs;
    rs.Open(QStringLiteral("SELECT * FROM AUX_ERR"), cn, ado::adOpenDynamic, ado::adLockOptimistic, -1);
    rs.AddNew();
    rs.Fields(QStringLiteral("Fecha")).setValue(QStringLiteral("31/02/2015"));
    try {
        rs.Update();
        ADD_FAILURE() << "an invalid date was stored";
    } catch (const base::Error& e) {
        EXPECT_EQ(e.Number, ado::DB_E_ERRORSOCCURRED);
        EXPECT_EQ(cn.errors().Item(0).NativeError, 241);
    }
    EXPECT_EQ(rs.EditMode(), 2);
    EXPECT_THROW(rs.Close(), base::Error);   // 3219 while the row is pending
    rs.CancelUpdate();
    rs.Close();
    ado::Recordset cuenta;
    cuenta.Open(QStringLiteral("SELECT COUNT(*) FROM AUX_ERR"), cn);
    EXPECT_EQ(cuenta.Fields(0).Value().toLong(), 0);
}
