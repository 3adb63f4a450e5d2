// The settings load: each key's kind, the defaults of an empty configuration table,
// the sales programs' decimals, the user's record and its failures.
#include <gtest/gtest.h>

#include <functional>
#include "ado/registro_sentencias.h"
#include "base/entorno.h"
#include "data/ajustes.h"
#include "data/global.h"
#include "session/carga_configuracion.h"
#include "session/sesion.h"
#include "tests/common/base_prueba.h"
#include "ui/operador_guionado.h"

// Failures show texts as text.
static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

ui::OperadorGuionado& Guion() { return dynamic_cast<ui::OperadorGuionado&>(ui::operador()); }

class CargaDeAjustes : public ::testing::Test {
protected:
    void SetUp() override { base::Entorno::FijarNombreEjecutable(QStringLiteral("rmautoimpr")); }
    void TearDown() override { base::Entorno::FijarNombreEjecutable(QStringLiteral("rmautoimpr")); }

    void Clave(const QString& clave, const QString& valor) {
        QString v = valor;
        v.replace(QLatin1Char('\''), QStringLiteral("''"));
        base_.Ejecutar(QStringLiteral("INSERT INTO TA_CONFIGURACION (Clave, Valor) VALUES ('") + clave +
                       QStringLiteral("', '") + v + QStringLiteral("');"));
    }

    // Connects the main object as `usuario` (what the start-up leaves) and loads.
    void Cargar(const QString& usuario = QStringLiteral("ana")) {
        DB_Dll& db = DBMain();
        db.OpenServerADODB(false, ado::adUseClient, base_.cadena(), false, false);
        ASSERT_TRUE(db.gOpenFlag);
        gSesion().gUsuarioLogeado = usuario;
        ado::RegistroSentencias::Iniciar();
        CargaConfiguracion(QStringLiteral("/opt/zorvsuite/"));
    }

    prueba::BaseDePrueba base_;
};

TEST_F(CargaDeAjustes, tabla_sin_claves_da_los_valores_documentados) {
    Cargar(QStringLiteral("nadie"));
    const Ajustes& a = gAjustes();
    EXPECT_EQ(a.NombreTablaConfig, QStringLiteral("ta_configuracion"));
    EXPECT_EQ(a.RutaDocumentacionTareas, QStringLiteral("/opt/zorvsuite/QVDOCTareas.qvx"));
    EXPECT_EQ(a.UNegocio, QStringLiteral("   1"));
    // Flags: all false but ModuloOrdenDeTrabajo.
    for (bool f : {a.MostrarStockenConsultas, a.EXIGECLAVECONSULTALIKEARTICULOS, a.UsaConsultaLike,
                   a.SS_CONFIDENCIALIDAD, a.UsaMultilesMonedas, a.UsaFacturaProforma, a.USACCOSTO,
                   a.USA_STK_STOCK_UDKG, a.RazonSocialPorUneg, a.VALIDACODIGOBARRA, a.V_ModificaCPrecio,
                   a.C_ModificaCPrecio, a.MADERERA, a.PideClave_StockNeg, a.PideClave_MarkUpBase,
                   a.PideClave_LimiteCredito, a.SS_BloqueoActivo, a.UTILIZARFECHADIA, a.AsignacionAutomaticaDeLoteING})
        EXPECT_FALSE(f);
    EXPECT_TRUE(a.ModuloOrdenDeTrabajo);
    for (const QString& t : {a.TituloClientes, a.TituloProveedores, a.UNIDADDEMEDIDA_M3, a.UNIDADDEMEDIDA_BL,
                             a.UNIDADDEMEDIDA_KG, a.MAD_TIRAS, a.MAD_P2, a.MAD_ML, a.MAD_M2, a.MAD_HOJAS,
                             a.MAD_ML_P2, a.MAD_M2_P2, a.MAD_ML_M2, a.CuentaCtroDist})
        EXPECT_EQ(t, QString());
    EXPECT_EQ(a.CantidadDecimales, QStringLiteral(" "));   // a key without a row reads " "
    EXPECT_EQ(a.Top_Default, QStringLiteral("1000"));
    EXPECT_EQ(a.PERIODO, 0);
    EXPECT_EQ(a.CONDIVAEMPRESA, 1);
    EXPECT_EQ(a.CFondo, 0xFFFF00);
    EXPECT_EQ(a.CLetra, 0);
    EXPECT_EQ(a.MaxDto, 0);
    EXPECT_EQ(a.MaxDtoProforma, 0);
    EXPECT_TRUE(Guion().mensajes().isEmpty());
}

// Each key once, in the order of the load, and the user's record between the two groups.
TEST_F(CargaDeAjustes, lee_las_claves_en_su_orden) {
    Cargar();
    QStringList leidas;
    for (const QString& s : ado::RegistroSentencias::Sentencias()) {
        const QString prefijo = QStringLiteral("SELECT VALOR, valoraux FROM ta_configuracion with(nolock)  WHERE CLAVE = '");
        if (s.startsWith(prefijo)) leidas << s.mid(prefijo.size()).chopped(1);
        else leidas << s;
    }
    const QStringList esperadas = {
        QStringLiteral("MostrarStockenConsultas"), QStringLiteral("TituloClientes"), QStringLiteral("TituloProveedores"),
        QStringLiteral("EXIGECLAVECONSULTALIKEARTICULOS"), QStringLiteral("UsaConsultaLike"),
        QStringLiteral("CantidadDecimales"), QStringLiteral("SS_CONFIDENCIALIDAD"), QStringLiteral("UsaMultilesMonedas"),
        QStringLiteral("UsaFacturaProforma"), QStringLiteral("USACCOSTO"), QStringLiteral("USA_STK_STOCK_UDKG"),
        QStringLiteral("Select * from ta_usuarios  with(nolock)  where Nombre = 'ana'"),
        QStringLiteral("UNIDADDEMEDIDA_M3"), QStringLiteral("UNIDADDEMEDIDA_BL"), QStringLiteral("UNIDADDEMEDIDA_KG"),
        QStringLiteral("PERIODO"), QStringLiteral("RazonSocialPorUneg"), QStringLiteral("VALIDACODIGOBARRA"),
        QStringLiteral("CFondo"), QStringLiteral("CLetra"), QStringLiteral("ModuloOrdenDeTrabajo"),
        QStringLiteral("V_ModificaCPrecio"), QStringLiteral("C_ModificaCPrecio"), QStringLiteral("MADERERA"),
        QStringLiteral("MAD_TIRAS"), QStringLiteral("MAD_P2"), QStringLiteral("MAD_ML"), QStringLiteral("MAD_M2"),
        QStringLiteral("MAD_HOJAS"), QStringLiteral("MAD_ML_P2"), QStringLiteral("MAD_M2_P2"),
        QStringLiteral("MAD_ML_M2"), QStringLiteral("CuentaCtroDist"), QStringLiteral("MaxDto"),
        QStringLiteral("MaxDtoProforma"), QStringLiteral("PideClave_StockNeg"), QStringLiteral("PideClave_MarkUpBase"),
        QStringLiteral("PideClave_LimiteCredito"), QStringLiteral("SS_BloqueoActivo"), QStringLiteral("UTILIZARFECHADIA"),
        QStringLiteral("AsignacionAutomaticaDeLoteING"), QStringLiteral("CONDIVAEMPRESA"), QStringLiteral("CONDIVA"),
        QStringLiteral("Top_Default")};
    EXPECT_EQ(leidas, esperadas);
}

// ---- the kinds of value ------------------------------------------------------------

struct CasoFlag {
    const char* clave;
    const char* valor;
    bool esperado;
};

bool Flag(const char* clave) {
    const Ajustes& a = gAjustes();
    const QString c = QString::fromUtf8(clave);
    if (c == QLatin1String("UsaConsultaLike")) return a.UsaConsultaLike;              // SI
    if (c == QLatin1String("VALIDACODIGOBARRA")) return a.VALIDACODIGOBARRA;          // SI-T
    if (c == QLatin1String("MostrarStockenConsultas")) return a.MostrarStockenConsultas;  // SI-V
    if (c == QLatin1String("MADERERA")) return a.MADERERA;                            // NO-E
    if (c == QLatin1String("ModuloOrdenDeTrabajo")) return a.ModuloOrdenDeTrabajo;    // NO-T
    ADD_FAILURE() << clave;
    return false;
}

class Flags : public CargaDeAjustes, public ::testing::WithParamInterface<CasoFlag> {};

TEST_P(Flags, valor_de_la_clave) {
    const CasoFlag& c = GetParam();
    Clave(QString::fromUtf8(c.clave), QString::fromUtf8(c.valor));
    Cargar();
    EXPECT_EQ(Flag(c.clave), c.esperado) << c.clave << " = '" << c.valor << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Clases, Flags,
    ::testing::Values(
        // SI: equal to "SI" in any case, not trimmed.
        CasoFlag{"UsaConsultaLike", "SI", true}, CasoFlag{"UsaConsultaLike", "si", true},
        CasoFlag{"UsaConsultaLike", "Si", true}, CasoFlag{"UsaConsultaLike", " SI", false},
        CasoFlag{"UsaConsultaLike", "NO", false},
        // SI-T: trimmed first.
        CasoFlag{"VALIDACODIGOBARRA", " SI", true}, CasoFlag{"VALIDACODIGOBARRA", "si ", true},
        CasoFlag{"VALIDACODIGOBARRA", "S", false},
        // SI-V: through ValorSeguro, not trimmed.
        CasoFlag{"MostrarStockenConsultas", "Si", true}, CasoFlag{"MostrarStockenConsultas", " SI", false},
        // NO-E: false for "NO" (any case, not trimmed) or blank; true otherwise.
        CasoFlag{"MADERERA", "NO", false}, CasoFlag{"MADERERA", "no", false}, CasoFlag{"MADERERA", "N", true},
        CasoFlag{"MADERERA", "   ", false}, CasoFlag{"MADERERA", "", false}, CasoFlag{"MADERERA", " NO", true},
        CasoFlag{"MADERERA", "SI", true},
        // NO-T: true unless the trimmed text is "NO".
        CasoFlag{"ModuloOrdenDeTrabajo", " no ", false}, CasoFlag{"ModuloOrdenDeTrabajo", "", true},
        CasoFlag{"ModuloOrdenDeTrabajo", "N", true}));

struct CasoValor {
    const char* clave;
    const char* valor;
    std::function<QString()> leido;
    const char* esperado;
};

class Valores : public CargaDeAjustes, public ::testing::WithParamInterface<CasoValor> {};

TEST_P(Valores, valor_de_la_clave) {
    const CasoValor& c = GetParam();
    Clave(QString::fromUtf8(c.clave), QString::fromUtf8(c.valor));
    Cargar();
    EXPECT_EQ(c.leido(), QString::fromUtf8(c.esperado)) << c.clave << " = '" << c.valor << "'";
    EXPECT_TRUE(Guion().mensajes().isEmpty());
}

QString Periodo() { return QString::number(gAjustes().PERIODO); }
QString Fondo() { return QString::number(gAjustes().CFondo); }
QString Letra() { return QString::number(gAjustes().CLetra); }
QString MaxDto() { return QString::number(gAjustes().MaxDto); }
QString Titulo() { return gAjustes().TituloClientes; }
QString Decimales() { return gAjustes().CantidadDecimales; }
QString Top() { return gAjustes().Top_Default; }

INSTANTIATE_TEST_SUITE_P(
    Clases, Valores,
    ::testing::Values(
        // INT: the leading number, halves to even; out of range leaves the value as it was.
        CasoValor{"PERIODO", "12.5", Periodo, "12"}, CasoValor{"PERIODO", "13.5", Periodo, "14"},
        CasoValor{"PERIODO", " 7 meses", Periodo, "7"}, CasoValor{"PERIODO", "abc", Periodo, "0"},
        CasoValor{"PERIODO", "40000", Periodo, "0"},
        // CLR: 0 is cyan for the background only.
        CasoValor{"CFondo", "255", Fondo, "255"}, CasoValor{"CFondo", "0", Fondo, "16776960"},
        CasoValor{"CLetra", "0", Letra, "0"}, CasoValor{"CLetra", "65280", Letra, "65280"},
        // AMT: regional number text, four decimals.
        CasoValor{"MaxDto", " 12,5 ", MaxDto, "125000"},
        CasoValor{"TituloClientes", "  Clientes  ", Titulo, "Clientes"},
        CasoValor{"CantidadDecimales", " 3 ", Decimales, " 3 "},
        CasoValor{"Top_Default", "  ", Top, "1000"}, CasoValor{"Top_Default", " 50", Top, " 50"}));

TEST_F(CargaDeAjustes, condicion_de_iva_de_respaldo) {
    Clave(QStringLiteral("CONDIVA"), QStringLiteral("3"));
    Cargar();
    EXPECT_EQ(gAjustes().CONDIVAEMPRESA, 3);
}

TEST_F(CargaDeAjustes, condicion_de_iva_de_la_empresa_manda) {
    Clave(QStringLiteral("CONDIVAEMPRESA"), QStringLiteral("2"));
    Clave(QStringLiteral("CONDIVA"), QStringLiteral("3"));
    Cargar();
    EXPECT_EQ(gAjustes().CONDIVAEMPRESA, 2);
}

// ---- the sales programs' decimals ----------------------------------------------------

struct CasoDecimales {
    const char* ejecutable;
    const char* ventas;
    const char* esperado;
};

class DecimalesDeVentas : public CargaDeAjustes, public ::testing::WithParamInterface<CasoDecimales> {};

TEST_P(DecimalesDeVentas, cantidad_de_decimales) {
    const CasoDecimales& c = GetParam();
    base::Entorno::FijarNombreEjecutable(QString::fromUtf8(c.ejecutable));
    Clave(QStringLiteral("CantidadDecimales"), QStringLiteral("2"));
    Clave(QStringLiteral("CantidadDecimalesVentas"), QString::fromUtf8(c.ventas));
    Cargar();
    EXPECT_EQ(gAjustes().CantidadDecimales, QString::fromUtf8(c.esperado));
}

INSTANTIATE_TEST_SUITE_P(Ejecutables, DecimalesDeVentas,
                         ::testing::Values(CasoDecimales{"V_MV_VENTAS", "3", "3"}, CasoDecimales{"fs_v_mv_comandah", "4", "4"},
                                           CasoDecimales{"RP_DIFERIDA", " 3", " 3"},
                                           CasoDecimales{"V_MV_VENTAS", "0", "2"},
                                           CasoDecimales{"rmautoimpr", "3", "2"}));

// ---- the user's record -----------------------------------------------------------------

struct CasoProforma {
    const char* configuracion;
    int verproforma;
    bool esperado;
};

class Proforma : public CargaDeAjustes, public ::testing::WithParamInterface<CasoProforma> {};

TEST_P(Proforma, el_usuario_puede_apagarla) {
    const CasoProforma& c = GetParam();
    Clave(QStringLiteral("UsaFacturaProforma"), QString::fromUtf8(c.configuracion));
    base_.Ejecutar(QStringLiteral("INSERT INTO ta_usuarios (Nombre, UNegocio, verproforma) VALUES ('ana', '  7', %1);")
                       .arg(c.verproforma));
    Cargar();
    EXPECT_EQ(gAjustes().UsaFacturaProforma, c.esperado);
    EXPECT_EQ(gAjustes().UNegocio, QStringLiteral("  7"));
}

INSTANTIATE_TEST_SUITE_P(Usuario, Proforma,
                         ::testing::Values(CasoProforma{"SI", 0, false}, CasoProforma{"SI", 1, true},
                                           CasoProforma{"NO", 1, false}));

TEST_F(CargaDeAjustes, unidad_de_negocio_nula_es_la_uno) {
    base_.Ejecutar(QStringLiteral("INSERT INTO ta_usuarios (Nombre, UNegocio) VALUES ('ana', NULL);"));
    Cargar();
    EXPECT_EQ(gAjustes().UNegocio, QStringLiteral("   1"));
}

// The name's apostrophe is doubled, so such a user gets their record like any other.
TEST_F(CargaDeAjustes, usuario_con_apostrofo_encuentra_su_registro) {
    base_.Ejecutar(QStringLiteral("INSERT INTO ta_usuarios (Nombre, UNegocio) VALUES ('o''neill', '  9');"));
    Cargar(QStringLiteral("o'neill"));
    EXPECT_TRUE(ado::RegistroSentencias::Sentencias().contains(
        QStringLiteral("Select * from ta_usuarios  with(nolock)  where Nombre = 'o''neill'")));
    EXPECT_EQ(gAjustes().UNegocio, QStringLiteral("  9"));
    EXPECT_TRUE(Guion().mensajes().isEmpty());
}

// Without the users table the data-access object reports the failed query; the load
// goes on with the next keys and the business unit keeps its default.
TEST_F(CargaDeAjustes, sin_tabla_de_usuarios_sigue_con_las_demas_claves) {
    Clave(QStringLiteral("Top_Default"), QStringLiteral("50"));
    Clave(QStringLiteral("UsaFacturaProforma"), QStringLiteral("SI"));
    base_.Ejecutar(QStringLiteral("DROP TABLE ta_usuarios;"));
    Guion().respuestaPorDefecto = ui::vbIgnore;
    Cargar();
    EXPECT_EQ(gAjustes().UNegocio, QStringLiteral("   1"));
    EXPECT_TRUE(gAjustes().UsaFacturaProforma);
    EXPECT_EQ(gAjustes().Top_Default, QStringLiteral("50"));
    ASSERT_FALSE(Guion().mensajes().isEmpty());
    EXPECT_TRUE(Guion().mensajes()[0].titulo.contains(QStringLiteral("AbrirRecordset")));
}

}  // namespace
