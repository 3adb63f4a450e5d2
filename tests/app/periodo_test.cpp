// The main window's period computation, toolbar dispatch and closing sequence, on real
// widgets (offscreen) with the scripted operator.
#include <gtest/gtest.h>
#include <cctype>
#include <string>
#include <QLineEdit>
#include <QPushButton>
#include "app/frm_rm_auto_impr.h"
#include "session/sesion.h"
#include "ui/controles.h"
#include "ui/ferrobar.h"
#include "ui/lista_desplegable.h"
#include "ui/operador_guionado.h"

namespace {

ui::OperadorGuionado& guion() { return static_cast<ui::OperadorGuionado&>(ui::operador()); }

struct CasoPeriodo {
    const char* anio;
    int mes;
    const char* desde;
    const char* hasta;
    const char* tag;
    const char* mensaje;   // "" when none
};

class Periodo : public ::testing::TestWithParam<CasoPeriodo> {};

TEST_P(Periodo, elegir_un_mes_escribe_las_fechas_y_la_abreviatura) {
    const CasoPeriodo& c = GetParam();
    FrmRmAutoImpr v;
    v.LlenarListaDeMeses();
    v.Campo(QStringLiteral("AÑO"))->setText(QString::fromUtf8(c.anio));
    v.cmbCuatrimestre->setListIndex(c.mes);
    EXPECT_EQ(v.Campo(QStringLiteral("FECHA_DESDE"))->text(), QString::fromUtf8(c.desde));
    EXPECT_EQ(v.Campo(QStringLiteral("FECHA_HASTA"))->text(), QString::fromUtf8(c.hasta));
    EXPECT_EQ(ui::Tag(v.cmbCuatrimestre), QString::fromUtf8(c.tag));
    const auto mensajes = guion().mensajes();
    if (*c.mensaje) {
        ASSERT_EQ(mensajes.size(), 1);
        EXPECT_EQ(mensajes[0].texto, QString::fromUtf8(c.mensaje));
        EXPECT_EQ(mensajes[0].titulo, QStringLiteral("AVISO AL OPERADOR"));
        EXPECT_EQ(mensajes[0].estilo, 16);
    } else {
        EXPECT_TRUE(mensajes.isEmpty());
    }
}

const char* kSinAnio = "Debe seleccionar el Año del cuatrimestre a informar!!! ";
const char* kAnioInvalido = "Debe informar un AÑO VALIDO!!! ";

INSTANTIATE_TEST_SUITE_P(
    Meses, Periodo,
    ::testing::Values(CasoPeriodo{"2015", 1, "01/01/2015", "31/01/2015", "ENE", ""},
                      CasoPeriodo{"2015", 2, "01/02/2015", "28/02/2015", "FEB", ""},
                      CasoPeriodo{"2016", 2, "01/02/2016", "29/02/2016", "FEB", ""},
                      CasoPeriodo{"2015", 3, "01/03/2015", "31/03/2015", "MAR", ""},
                      CasoPeriodo{"2015", 4, "01/04/2015", "30/04/2015", "ABR", ""},
                      CasoPeriodo{"2015", 9, "01/09/2015", "30/09/2015", "SEP", ""},
                      CasoPeriodo{"2014", 12, "01/12/2014", "31/12/2014", "DIC", ""},
                      CasoPeriodo{" 2015", 3, "01/03/ 2015", "31/03/ 2015", "MAR", ""},
                      CasoPeriodo{"1900", 2, "01/02/1900", "28/02/1900", "FEB", ""},
                      CasoPeriodo{"2050", 6, "01/06/2050", "30/06/2050", "JUN", ""},
                      CasoPeriodo{"1899", 3, "", "", "", kAnioInvalido},
                      CasoPeriodo{"2051", 3, "", "", "", kAnioInvalido},
                      CasoPeriodo{"", 3, "", "", "", kSinAnio},
                      CasoPeriodo{"abc", 3, "", "", "", kSinAnio},
                      CasoPeriodo{"2015", 0, "", "", "", ""}),
    [](const ::testing::TestParamInfo<CasoPeriodo>& i) {
        std::string anio;
        for (const char* c = i.param.anio; *c; ++c) anio += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
        return "caso" + std::to_string(i.index) + "_anio_" + (anio.empty() ? "vacio" : anio) + "_mes_" +
               std::to_string(i.param.mes);
    });

TEST(Periodo, seleccione_un_mes_despues_de_un_mes_vacia_las_fechas_y_conserva_el_tag) {
    FrmRmAutoImpr v;
    v.LlenarListaDeMeses();
    v.Campo(QStringLiteral("AÑO"))->setText(QStringLiteral("2015"));
    v.cmbCuatrimestre->setListIndex(5);
    v.cmbCuatrimestre->setListIndex(0);
    EXPECT_EQ(v.Campo(QStringLiteral("FECHA_DESDE"))->text(), QString());
    EXPECT_EQ(v.Campo(QStringLiteral("FECHA_HASTA"))->text(), QString());
    EXPECT_EQ(ui::Tag(v.cmbCuatrimestre), QStringLiteral("MAY"));
}

TEST(Periodo, la_lista_tiene_los_trece_textos_y_empieza_sin_seleccion) {
    FrmRmAutoImpr v;
    v.LlenarListaDeMeses();
    ASSERT_EQ(v.cmbCuatrimestre->count(), 13);
    EXPECT_EQ(v.cmbCuatrimestre->itemText(0), QStringLiteral("(Seleccione un Mes)"));
    EXPECT_EQ(v.cmbCuatrimestre->itemText(9), QStringLiteral("Septiembre"));
    EXPECT_EQ(v.cmbCuatrimestre->ListIndex(), -1);
}

TEST(Ventana, carpeta_elegida_se_escribe_con_barra_y_cancelar_no_cambia_nada) {
    FrmRmAutoImpr v;
    v.Txtfields[3]->setText(QStringLiteral("/antes/"));
    guion().textos.enqueue(QString());
    v.CmdDestino->click();
    EXPECT_EQ(v.Txtfields[3]->text(), QStringLiteral("/antes/"));
    guion().textos.enqueue(QStringLiteral("/home/ana/remitos"));
    v.CmdDestino->click();
    EXPECT_EQ(v.Txtfields[3]->text(), QStringLiteral("/home/ana/remitos/"));
    EXPECT_EQ(guion().llamadas.last().titulo, QStringLiteral("Seleccionar Directorio"));
}

TEST(Ventana, consultar_vacia_el_campo_actual) {
    FrmRmAutoImpr v;
    v.Txtfields[3]->setText(QStringLiteral("/tmp/"));
    v.IndiceCampoActual = 3;
    v.Ferrobar1_ButtonClick(QStringLiteral("consultar"));
    EXPECT_EQ(v.Txtfields[3]->text(), QString());
}

TEST(Ventana, grabar_en_minusculas_corre_la_exportacion) {
    FrmRmAutoImpr v;
    v.LlenarListaDeMeses();
    v.Ferrobar1_ButtonClick(QStringLiteral("grabar"));
    ASSERT_EQ(guion().mensajes().size(), 1);
    EXPECT_EQ(guion().mensajes()[0].texto, QStringLiteral("Debe seleccionar un cuatrimestre a informar!!! "));
}

TEST(Ventana, cerrar_por_la_barra_y_por_el_cuadro_de_cierre_terminan_una_sola_vez) {
    for (bool porBarra : {true, false}) {
        int fines = 0;
        InstalarFinDelPrograma([&](int) { ++fines; });
        FrmRmAutoImpr v;
        v.show();
        if (porBarra) v.Ferrobar1_ButtonClick(QStringLiteral("CERRAR"));
        v.close();
        v.close();
        EXPECT_EQ(fines, 1) << (porBarra ? "CERRAR" : "cuadro de cierre");
    }
}

}  // namespace
