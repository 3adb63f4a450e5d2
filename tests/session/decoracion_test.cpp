// Window decoration (icon, toolbar style) and the status bar's panels, on a small
// window of real widgets built like the main window.
#include <gtest/gtest.h>

#include <QIcon>
#include <QWidget>
#include <memory>
#include "ado/connection.h"
#include "ado/recordset.h"
#include "ado/registro_sentencias.h"
#include "data/global.h"
#include "session/decoracion.h"
#include "session/sesion.h"
#include "tests/common/base_prueba.h"
#include "ui/barra_estado.h"
#include "ui/controles.h"
#include "ui/ferrobar.h"
#include "ui/operador_guionado.h"

// Failures show texts as text.
static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

ui::OperadorGuionado& Guion() { return dynamic_cast<ui::OperadorGuionado&>(ui::operador()); }

const QString kVersion =
    QStringLiteral("V.%1.%2.%3").arg(RM_VERSION_MAJOR).arg(RM_VERSION_MINOR).arg(RM_VERSION_REVISION);

// A window with toolbars under the suite's names, another one, and the main window's
// status bar.
struct Ventana {
    explicit Ventana(const QString& tipo = QStringLiteral("FrmPrueba")) {
        w = std::make_unique<QWidget>();
        w->setObjectName(tipo);
        barra = new ui::Ferrobar(w.get());
        ui::Registrar(barra, QStringLiteral("Ferrobar1"));
        util = new ui::Ferrobar(w.get());
        ui::Registrar(util, QStringLiteral("Util0011"));
        otra = new ui::Ferrobar(w.get());
        ui::Registrar(otra, QStringLiteral("Herramientas"));
        sb = new ui::BarraEstado(w.get());
        ui::Registrar(sb, QStringLiteral("sbStatusBar"));
        sb->AgregarPanel(QStringLiteral("VERSION"), ui::EstiloPanel::Texto, 1000, QStringLiteral("..."));
        sb->AgregarPanel(QStringLiteral("SERVER"), ui::EstiloPanel::Texto, 1440);
        sb->AgregarPanel(QStringLiteral("BASEDEDATOS"), ui::EstiloPanel::Texto, 1440);
        sb->AgregarPanel(QStringLiteral("USUARIO"), ui::EstiloPanel::Texto, 1440);
        sb->AgregarPanel(QStringLiteral("CAJA"), ui::EstiloPanel::Texto, 1200);
        sb->AgregarPanel(QString(), ui::EstiloPanel::Fecha, 1000);
        sb->AgregarPanel(QStringLiteral("MENSAJE"), ui::EstiloPanel::Texto, 4000);
    }
    std::unique_ptr<QWidget> w;
    ui::Ferrobar* barra;
    ui::Ferrobar* util;
    ui::Ferrobar* otra;
    ui::BarraEstado* sb;
};

TEST(Decoracion, icono_del_programa_y_estilo_en_las_barras_de_la_suite) {
    gSesion().gFlatToolbars = 0;
    Ventana v;
    DecoraFormulario(v.w.get());
    ASSERT_FALSE(v.w->windowIcon().isNull());
    EXPECT_TRUE(v.w->windowIcon().availableSizes().contains(QSize(48, 48)));
    EXPECT_EQ(v.barra->StyleBar(), 0);
    EXPECT_EQ(v.util->StyleBar(), 0);
    EXPECT_EQ(v.otra->StyleBar(), 1);   // not one of the suite's toolbar names
}

TEST(Decoracion, ventana_mdi_lleva_icono_pero_no_estilo) {
    gSesion().gFlatToolbars = 0;
    Ventana v(QStringLiteral("frmMDI"));
    DecoraFormulario(v.w.get());
    EXPECT_FALSE(v.w->windowIcon().isNull());
    EXPECT_EQ(v.barra->StyleBar(), 1);
}

TEST(Decoracion, ventana_sin_barras_solo_lleva_icono) {
    QWidget w;
    w.setObjectName(QStringLiteral("FrmSinBarras"));
    DecoraFormulario(&w);
    EXPECT_FALSE(w.windowIcon().isNull());
    EXPECT_TRUE(Guion().llamadas.isEmpty());
}

class Barra : public ::testing::Test {
protected:
    void Conectar() {
        DB_Dll& db = DBMain();
        db.OpenServerADODB(false, ado::adUseClient, base_.cadena(), false, false);
        ASSERT_TRUE(db.gOpenFlag);
        db.gServidor = QStringLiteral("SRV01");
        db.gDBName = QStringLiteral("empresa");
        db.gUsuario = QStringLiteral("ana");
        ado::RegistroSentencias::Iniciar();
    }
    QStringList Cajas() {
        ado::Connection cn;
        cn.Open(base_.cadena());
        ado::Recordset rs = cn.Execute(QStringLiteral("SELECT IdCajas, Descripcion FROM V_TA_Cajas ORDER BY IdCajas"));
        QStringList r;
        if (!rs.EOF_())
            for (const auto& f : rs.GetRows()) r << f[0].toString() + QLatin1Char('|') + f[1].toString();
        return r;
    }
    prueba::BaseDePrueba base_;
};

struct Panel {
    const char* clave;
    const char* texto;
    const char* tooltip;
};

TEST_F(Barra, caja_vacia_es_la_uno_y_se_agrega_cuando_falta) {
    Conectar();
    gSesion().gCaja = QString();
    Ventana v;
    ArmaBarraEstado(v.sb, QString());

    EXPECT_EQ(gSesion().gCaja, QStringLiteral("1"));
    EXPECT_EQ(Cajas(), QStringList{QStringLiteral("   1|CAJA 1")});
    EXPECT_TRUE(ado::RegistroSentencias::Sentencias().contains(
        QStringLiteral("INSERT INTO V_TA_Cajas (IDCAJAS,DESCRIPCION) VALUES('   1','CAJA 1')")));
    const Panel paneles[] = {
        {"SERVER", "Srv: SRV01", "Srv: SRV01"},  {"BASEDEDATOS", "Db: empresa", "Db: empresa"},
        {"USUARIO", "Uid: ana", "Uid: ana"},     {"CAJA", "1 CAJA 1", "1 CAJA 1"},
        {"MENSAJE", "", ""},
    };
    for (const Panel& p : paneles) {
        EXPECT_EQ(v.sb->Texto(QString::fromUtf8(p.clave)), QString::fromUtf8(p.texto)) << p.clave;
        EXPECT_EQ(v.sb->ToolTip(QString::fromUtf8(p.clave)), QString::fromUtf8(p.tooltip)) << p.clave;
    }
    EXPECT_EQ(v.sb->Texto(QStringLiteral("VERSION")), kVersion);
    EXPECT_TRUE(Guion().llamadas.isEmpty());
}

TEST_F(Barra, caja_existente_muestra_su_descripcion_sin_agregar) {
    base_.Ejecutar(QStringLiteral("INSERT INTO V_TA_Cajas (IdCajas, Descripcion) VALUES ('   3', 'CAJA CENTRAL');"));
    Conectar();
    gSesion().gCaja = QStringLiteral("3");
    Ventana v;
    ArmaBarraEstado(v.sb, QStringLiteral("Listo"));
    EXPECT_EQ(v.sb->Texto(QStringLiteral("CAJA")), QStringLiteral("3 CAJA CENTRAL"));
    EXPECT_EQ(v.sb->Texto(QStringLiteral("MENSAJE")), QStringLiteral("Listo"));
    EXPECT_EQ(Cajas(), QStringList{QStringLiteral("   3|CAJA CENTRAL")});
}

TEST_F(Barra, segunda_llamada_solo_cambia_el_mensaje) {
    Conectar();
    Ventana v;
    ArmaBarraEstado(v.sb, QString());
    DBMain().gServidor = QStringLiteral("OTRO");
    gSesion().gCaja = QStringLiteral("9");
    ado::RegistroSentencias::Iniciar();
    ArmaBarraEstado(v.sb, QStringLiteral("Procesando"));
    EXPECT_EQ(v.sb->Texto(QStringLiteral("MENSAJE")), QStringLiteral("Procesando"));
    EXPECT_EQ(v.sb->Texto(QStringLiteral("SERVER")), QStringLiteral("Srv: SRV01"));
    EXPECT_EQ(v.sb->Texto(QStringLiteral("CAJA")), QStringLiteral("1 CAJA 1"));
    EXPECT_TRUE(ado::RegistroSentencias::Sentencias().isEmpty());
}

// The failed look-ups are reported by the data-access object; the bar is still filled.
TEST_F(Barra, sin_tabla_de_cajas_la_caja_queda_sin_descripcion) {
    base_.Ejecutar(QStringLiteral("DROP TABLE V_TA_Cajas;"));
    Conectar();
    Guion().respuestaPorDefecto = ui::vbAbort;
    Ventana v;
    ArmaBarraEstado(v.sb, QString());
    EXPECT_EQ(v.sb->Texto(QStringLiteral("CAJA")), QStringLiteral("1 "));
    EXPECT_EQ(v.sb->Texto(QStringLiteral("VERSION")), kVersion);
    EXPECT_EQ(v.sb->ToolTip(QStringLiteral("USUARIO")), QStringLiteral("Uid: ana"));
    // Each of the two look-ups: the query's failure, then the look-up's own report.
    const QString consulta = QStringLiteral(" - AbrirRecordset Aviso al operador!!! ");
    const QString busqueda = QStringLiteral("Aviso al Operador");
    QStringList titulos;
    for (const auto& m : Guion().mensajes()) titulos << (m.titulo.endsWith(consulta) ? consulta : m.titulo);
    EXPECT_EQ(titulos, (QStringList{consulta, busqueda, consulta, busqueda}));
}

}  // namespace
