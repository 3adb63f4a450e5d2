// ZkGeneral's text, number and list helpers.
#include <gtest/gtest.h>
#include "base/error.h"
#include "base/regional.h"
#include "companion/zorvkit.h"

namespace {
void regional(const char* nombre) { base::Regional::establecer(base::Regional::desdeLocale(QString::fromLatin1(nombre))); }
}  // namespace

TEST(zk_general, ancho_fijo_recortar_y_alinear_a_la_derecha) {
    ZkGeneralClass& g = ZkGeneral();
    EXPECT_EQ(g.AnchoFijo(QStringLiteral("ABC"), 5), QStringLiteral("ABC  "));
    EXPECT_EQ(g.AnchoFijo(QStringLiteral("ABCDEF"), 4), QStringLiteral("ABCD"));
    EXPECT_EQ(g.AnchoFijo(QStringLiteral("Ñandú"), 5), QStringLiteral("Ñandú"));
    EXPECT_EQ(g.AnchoFijo(QStringLiteral("X"), 0), QString());
    EXPECT_EQ(g.Recortar(QStringLiteral("ABCDEF"), 4), QStringLiteral("ABCD"));
    EXPECT_EQ(g.Recortar(QStringLiteral("AB"), 50), QStringLiteral("AB"));
    EXPECT_EQ(g.AlinearDerecha(QStringLiteral("1"), 4), QStringLiteral("   1"));
    EXPECT_EQ(g.AlinearDerecha(QStringLiteral("1234"), 4), QStringLiteral("1234"));
    EXPECT_EQ(g.AlinearDerecha(QStringLiteral("12345"), 4), QStringLiteral("1234"));
    EXPECT_EQ(g.AlinearDerecha(QStringLiteral(" 7"), -1), QStringLiteral(" 7"));
}

TEST(zk_general, texto_a_importe_y_a_entero_con_cada_regional) {
    struct Caso { const char* regional; const char* texto; qint64 importe; qint32 entero; };
    const Caso casos[] = {
        {"es_AR", "1.234,56", 12345600, 1235},
        {"es_AR", " -12,5 ", -125000, -12},
        {"es_AR", "13,5", 135000, 14},
        {"es_AR", "0,00005", 0, 0},
        {"es_AR", "0,00015", 2, 0},
        {"es_AR", "0,000051", 1, 0},
        {"es_AR", "2,50001", 25000, 3},
        {"es_AR", "1.5", 150000, 15},
        {"es_AR", ",25", 2500, 0},
        {"es_AR", "+7", 70000, 7},
        {"es_AR", "12,3,4", 0, 0},
        {"es_AR", "abc", 0, 0},
        {"es_AR", "", 0, 0},
        {"es_AR", "-", 0, 0},
        {"en_US", "1,234.56", 12345600, 1235},
        {"en_US", "1.234,56", 0, 0},
        {"en_US", "-0.5", -5000, 0},
        {"en_US", "1.5", 15000, 2},
    };
    for (const Caso& c : casos) {
        regional(c.regional);
        const QString t = QString::fromUtf8(c.texto);
        EXPECT_EQ(ZkGeneral().TextoAImporte(t), c.importe) << c.regional << " '" << c.texto << "'";
        EXPECT_EQ(ZkGeneral().TextoAEntero(t), c.entero) << c.regional << " '" << c.texto << "'";
    }
    regional("es_AR");
    EXPECT_EQ(ZkGeneral().TextoAImporteV(QStringLiteral("1,5")).toCurrency(), 15000);
}

TEST(zk_general, un_numero_que_no_cabe_es_desbordamiento) {
    try {
        ZkGeneral().TextoAEntero(QStringLiteral("2.147.483.648"));
        ADD_FAILURE();
    } catch (const base::Error& e) {
        EXPECT_EQ(e.Number, 6);
    }
    EXPECT_EQ(ZkGeneral().TextoAEntero(QStringLiteral("-2.147.483.648")), std::numeric_limits<qint32>::min());
    EXPECT_EQ(ZkGeneral().TextoAImporte(QStringLiteral("922.337.203.685.477,5807")), std::numeric_limits<qint64>::max());
    EXPECT_THROW(ZkGeneral().TextoAImporte(QStringLiteral("922.337.203.685.477,5808")), base::Error);
}

TEST(zk_general, quitar_y_reemplazar_caracteres) {
    ZkGeneralClass& g = ZkGeneral();
    EXPECT_EQ(g.QuitarCaracteres(QStringLiteral("a|b=c|"), QStringLiteral("|")), QStringLiteral("ab=c"));
    EXPECT_EQ(g.QuitarCaracteres(QStringLiteral("= ana ="), QStringLiteral("=")), QStringLiteral(" ana "));
    EXPECT_EQ(g.QuitarCaracteres(QStringLiteral("1-2/3.4"), QStringLiteral("-"), QStringLiteral("/"), QStringLiteral(".")),
              QStringLiteral("1234"));
    EXPECT_EQ(g.QuitarCaracteres(QStringLiteral("aAa"), QStringLiteral("a")), QStringLiteral("A"));
    EXPECT_EQ(g.ReemplazarTexto(QStringLiteral("a.b.c"), QStringLiteral("."), QStringLiteral("--")), QStringLiteral("a--b--c"));
    EXPECT_EQ(g.ReemplazarTexto(QStringLiteral("aaa"), QStringLiteral("aa"), QStringLiteral("b")), QStringLiteral("ba"));
    EXPECT_EQ(g.ReemplazarTexto(QStringLiteral("abc"), QString(), QStringLiteral("x")), QStringLiteral("abc"));
    EXPECT_EQ(g.CantidadPalabras(QStringLiteral("  uno  dos tres ")), 3);
    EXPECT_EQ(g.CantidadPalabras(QStringLiteral("   ")), 0);
}

TEST(zk_general, dias_del_mes_con_y_sin_anio) {
    struct Caso { int mes; int anio; int dias; };
    const Caso casos[] = {
        {1, 2015, 31}, {2, 2016, 29}, {2, 2015, 28}, {2, 1900, 28}, {2, 2000, 29}, {2, 0, 28},
        {3, 0, 31}, {4, 0, 30}, {5, 0, 31}, {6, 0, 30}, {7, 0, 31}, {8, 0, 31}, {9, 0, 30},
        {10, 0, 31}, {11, 0, 30}, {12, 2015, 31},
    };
    for (const Caso& c : casos) EXPECT_EQ(ZkGeneral().DiasDelMes(c.mes, c.anio), c.dias) << c.mes << "/" << c.anio;
    EXPECT_EQ(ZkGeneral().DiasDelMes(2), 28);
    for (int malo : {0, 13}) EXPECT_THROW(ZkGeneral().DiasDelMes(malo, 2015), base::Error);
}

TEST(zk_general, codificar_ida_y_vuelta_y_texto_plano_sin_cambio) {
    for (const QString& t : {QStringLiteral("HbjPvmz"), QStringLiteral("pelusin"), QStringLiteral("Contraseña|con=signos"),
                             QString()}) {
        const QString c = ZkGeneral().Codificar(t);
        if (!t.isEmpty()) {
            EXPECT_NE(c, t);
        }
        EXPECT_EQ(ZkGeneral().Decodificar(c), t) << t.toStdString();
    }
    EXPECT_EQ(ZkGeneral().Decodificar(QStringLiteral("sa")), QStringLiteral("sa"));
    EXPECT_EQ(ZkGeneral().Decodificar(QStringLiteral("usuario")), QStringLiteral("usuario"));
}

TEST(zk_general, carpeta_con_barra_lista_y_valor_seguro) {
    ZkGeneralClass& g = ZkGeneral();
    EXPECT_EQ(g.CarpetaConBarra(QStringLiteral("/tmp/salida")), QStringLiteral("/tmp/salida/"));
    EXPECT_EQ(g.CarpetaConBarra(QStringLiteral("/tmp/salida/")), QStringLiteral("/tmp/salida/"));
    EXPECT_EQ(g.CarpetaConBarra(QString()), QString());
    EXPECT_TRUE(g.EstaEnLista(QStringLiteral("codigo"), {QStringLiteral("Codigo"), QStringLiteral("Cuenta")}));
    EXPECT_FALSE(g.EstaEnLista(QStringLiteral("Codigo "), {QStringLiteral("Codigo"), QStringLiteral("Cuenta")}));
    EXPECT_FALSE(g.EstaEnLista(QStringLiteral("x"), {}));
    EXPECT_EQ(g.ValorSeguro(base::Variant::Null()), base::Variant(QString()));
    EXPECT_EQ(g.ValorSeguro(base::Variant()), base::Variant(QString()));
    EXPECT_EQ(g.ValorSeguro(base::Variant(12)), base::Variant(12));
}
