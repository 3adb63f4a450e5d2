// Schema lists of a database created from the program's schema: tables and views, and
// the columns of a table, with the catalog restriction naming the connection's database.
#include <gtest/gtest.h>
#include "ado/connection.h"
#include "ado/recordset.h"
#include "tests/common/base_prueba.h"

namespace {

std::vector<std::string> columna(ado::Recordset rs, const char* nombre) {
    std::vector<std::string> r;
    for (; !rs.EOF_(); rs.MoveNext()) r.push_back(rs(QString::fromUtf8(nombre)).toString().toStdString());
    return r;
}

bool contiene(const std::vector<std::string>& v, const char* s) { return std::find(v.begin(), v.end(), s) != v.end(); }

}  // namespace

TEST(Esquema, tablas_y_vistas_que_el_programa_usa) {
    prueba::BaseDePrueba base;
    ado::Connection cn;
    cn.Open(base.cadena());
    const auto tablas = columna(cn.OpenSchema(ado::adSchemaTables), "TABLE_NAME");
    for (const char* t : {"TA_CONFIGURACION", "TA_CONFIG_FORM", "AUX_ERR", "Control_Acceso", "TA_TAREAS", "TA_MENU",
                          "TA_USUARIOS", "V_TA_Cajas", "V_TA_CPTE", "V_MV_CPTE", "LIBROIVACOMPRAS", "TA_TIPODOCUMENTO",
                          "V_MA_ARTICULOS", "V_MV_FALTANTES", "MA_CUENTAS", "SS_MA_CUENTAS", "SS_V_TA_CAJAS"})
        EXPECT_TRUE(contiene(tablas, t)) << t;

    const std::vector<base::Variant> vista = {cn.DefaultDatabase(), base::Variant(), QStringLiteral("ss_ma_cuentas"),
                                              base::Variant()};
    ado::Recordset rs = cn.OpenSchema(ado::adSchemaTables, vista);
    ASSERT_FALSE(rs.EOF_());
    EXPECT_EQ(rs(QStringLiteral("TABLE_CATALOG")).toString(), cn.DefaultDatabase());
    EXPECT_EQ(rs(QStringLiteral("TABLE_SCHEMA")).toString().toStdString(), "dbo");
    EXPECT_EQ(rs(QStringLiteral("TABLE_NAME")).toString().toStdString(), "SS_MA_CUENTAS");
    EXPECT_EQ(rs(QStringLiteral("TABLE_TYPE")).toString().toStdString(), "VIEW");
    rs.MoveNext();
    EXPECT_TRUE(rs.EOF_());

    const std::vector<base::Variant> soloTablas = {base::Variant(), base::Variant(), base::Variant(), QStringLiteral("TABLE")};
    EXPECT_FALSE(contiene(columna(cn.OpenSchema(ado::adSchemaTables, soloTablas), "TABLE_NAME"), "SS_MA_CUENTAS"));
}

TEST(Esquema, columnas_de_una_tabla_del_catalogo_de_la_conexion) {
    prueba::BaseDePrueba base;
    ado::Connection cn;
    cn.Open(base.cadena());
    const std::vector<base::Variant> restricciones = {QStringLiteral("EMPRESA"), base::Variant(),
                                                      QStringLiteral("v_mv_cpte"), base::Variant()};
    ado::Recordset rs = cn.OpenSchema(ado::adSchemaColumns, restricciones);
    QStringList vistas;
    for (; !rs.EOF_(); rs.MoveNext())
        vistas << QStringLiteral("%1:%2:%3:%4")
                      .arg(rs(QStringLiteral("ORDINAL_POSITION")).toString(), rs(QStringLiteral("COLUMN_NAME")).toString(),
                           rs(QStringLiteral("DATA_TYPE")).toString(),
                           rs(QStringLiteral("CHARACTER_MAXIMUM_LENGTH")).isNull()
                               ? QString()
                               : rs(QStringLiteral("CHARACTER_MAXIMUM_LENGTH")).toString());
    EXPECT_EQ(vistas.join(QLatin1Char(' ')).toStdString(),
              "1:id:3: 2:TC:200:4 3:IDCOMPROBANTE:200:13 4:FECHA:7: 5:Cuenta:200:20 6:Importe:6: 7:Observaciones:200:255");

    const std::vector<base::Variant> otraBase = {QStringLiteral("QV_ESTADISTICAS"), base::Variant(),
                                                 QStringLiteral("V_MV_CPTE"), base::Variant()};
    EXPECT_TRUE(cn.OpenSchema(ado::adSchemaColumns, otraBase).EOF_());
}
