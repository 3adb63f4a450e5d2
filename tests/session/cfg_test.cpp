// The configuration store's conventions: " " for a key without a row, "" for a failure
// or an unconnected object, THEME's "1", the upper-cased [FECHA ...] queries, and
// GrabaCfgQV creating or updating a row.
#include <gtest/gtest.h>
#include "ado/registro_sentencias.h"
#include "data/ajustes.h"
#include "data/global.h"
#include "session/cfg.h"
#include "tests/common/base_prueba.h"
#include "ui/operador_guionado.h"

namespace {

ui::OperadorGuionado& guion() { return static_cast<ui::OperadorGuionado&>(ui::operador()); }

class AlmacenConfiguracion : public ::testing::Test {
protected:
    void SetUp() override {
        base.Ejecutar(QStringLiteral(
            "INSERT INTO TA_CONFIGURACION (Clave, Valor, ValorAux) VALUES ('CUIT', '30-12345678-9', 'aux');"
            "INSERT INTO TA_CONFIGURACION (Clave, Valor, ValorAux) VALUES ('THEME', '  ', NULL);"
            "INSERT INTO TA_CONFIGURACION (Clave, Valor, ValorAux) VALUES ('[FECHA DESDE]', '01/01/2015', '');"));
    }
    void conectar(DB_Dll& db) {
        db.gCnn.Open(base.cadena());
        db.gOpenFlag = true;
    }
    prueba::BaseDePrueba base;
};

struct CasoCfg {
    const char* clave;
    const char* valor;
    const char* aux;
};

class LecturaCfg : public AlmacenConfiguracion, public ::testing::WithParamInterface<CasoCfg> {};

TEST_P(LecturaCfg, lee_valor_y_auxiliar) {
    conectar(DBMain());
    const auto& c = GetParam();
    QString aux = QStringLiteral("previo");
    EXPECT_EQ(Cfg(QString::fromUtf8(c.clave), aux), QString::fromUtf8(c.valor));
    EXPECT_EQ(aux, QString::fromUtf8(c.aux));
    EXPECT_TRUE(guion().mensajes().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Claves, LecturaCfg,
                         ::testing::Values(CasoCfg{"CUIT", "30-12345678-9", "aux"},
                                           CasoCfg{" cuit ", "30-12345678-9", "aux"},
                                           CasoCfg{"NO_EXISTE", " ", ""},
                                           CasoCfg{"THEME", "1", ""},
                                           CasoCfg{"theme", "1", ""},
                                           CasoCfg{" [fecha desde] ", "01/01/2015", ""}),
                         [](const ::testing::TestParamInfo<CasoCfg>& i) { return "caso" + std::to_string(i.index); });

TEST_F(AlmacenConfiguracion, texto_de_la_consulta_y_mayusculas_de_las_fechas) {
    conectar(DBMain());
    ado::RegistroSentencias::Iniciar();
    Cfg(QStringLiteral("CUIT"));
    Cfg(QStringLiteral(" [Fecha Hasta] "));
    EXPECT_EQ(ado::RegistroSentencias::Sentencias(),
              (QStringList{QStringLiteral("SELECT VALOR, valoraux FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = 'CUIT'"),
                           QStringLiteral("SELECT VALOR, VALORAUX FROM TA_CONFIGURACION WITH(NOLOCK)  WHERE CLAVE = '[FECHA HASTA]'")}));
}

TEST_F(AlmacenConfiguracion, sin_conexion_devuelve_vacio_sin_tocar_la_base) {
    QString aux = QStringLiteral("previo");
    ado::RegistroSentencias::Iniciar();
    EXPECT_EQ(Cfg(QStringLiteral("CUIT"), aux), QString());
    EXPECT_EQ(aux, QStringLiteral("previo"));
    EXPECT_TRUE(ado::RegistroSentencias::Sentencias().isEmpty());
}

TEST_F(AlmacenConfiguracion, una_clave_con_apostrofe_no_rompe_la_consulta) {
    conectar(DBMain());
    EXPECT_EQ(Cfg(QStringLiteral("O'BRIEN")), QStringLiteral(" "));
    EXPECT_TRUE(guion().mensajes().isEmpty());
}

TEST_F(AlmacenConfiguracion, falla_de_lectura_va_al_dialogo_y_devuelve_vacio) {
    conectar(DBMain());
    gAjustes().NombreTablaConfig = QStringLiteral("NO_HAY_TABLA");
    guion().respuestaPorDefecto = ui::vbAbort;
    EXPECT_EQ(Cfg(QStringLiteral("CUIT")), QString());
    const auto m = guion().mensajes();
    ASSERT_FALSE(m.isEmpty());
    EXPECT_TRUE(m.last().titulo.endsWith(QStringLiteral(" - Cfg Aviso al operador!!! "))) << m.last().titulo.toStdString();
}

TEST_F(AlmacenConfiguracion, graba_cfg_qv_crea_y_actualiza_conservando_el_auxiliar) {
    conectar(DBEstadisticas());
    gAjustes().NombreTablaConfig = QStringLiteral("TA_CONFIGURACION");
    GrabaCfgQV(QStringLiteral("basededatos"), base::Variant(QStringLiteral("  empresa  ")), QStringLiteral("x"), false,
               QStringLiteral("SISTEMA"), true);
    QString aux;
    EXPECT_EQ(CfgQV(QStringLiteral("BASEDEDATOS"), aux), QStringLiteral("empresa"));
    EXPECT_EQ(aux, QStringLiteral("x"));
    GrabaCfgQV(QStringLiteral("BASEDEDATOS"), base::Variant(QStringLiteral(" otra ")), QString(), false,
               QStringLiteral("SISTEMA"), false);
    EXPECT_EQ(CfgQV(QStringLiteral("BASEDEDATOS"), aux), QStringLiteral(" otra "));
    EXPECT_EQ(aux, QStringLiteral("x"));
    ado::Recordset rs;
    rs.Open(QStringLiteral("SELECT COUNT(*) AS N FROM TA_CONFIGURACION WHERE Clave = 'BASEDEDATOS'"), DBEstadisticas().gCnn);
    EXPECT_EQ(rs.Fields(0).Value().toLong(), 1);
}

}  // namespace
