// The keyed status bar: panels by key and position, tooltips, widths, the date panel.
#include <gtest/gtest.h>
#include <QLabel>
#include "base/error.h"
#include "base/reloj.h"
#include "ui/barra_estado.h"

using namespace ui;

namespace {
struct PanelesEstado : ::testing::Test {
    BarraEstado barra;
    void SetUp() override {
        base::Reloj::Fijar(QDateTime(QDate(2016, 2, 29), QTime(23, 59, 0)));
        barra.AgregarPanel(QStringLiteral("VERSION"), EstiloPanel::Texto, 1000, QStringLiteral("..."));
        barra.AgregarPanel(QStringLiteral("SERVER"), EstiloPanel::Texto, 1440);
        barra.AgregarPanel(QString(), EstiloPanel::Fecha, 1000);
        barra.AgregarPanel(QStringLiteral("MENSAJE"), EstiloPanel::Texto, 4000);
    }
};

long numeroDeError(const std::function<void()>& f) {
    try {
        f();
    } catch (const base::Error& e) {
        return e.Number;
    }
    return 0;
}
}  // namespace

TEST_F(PanelesEstado, los_paneles_se_buscan_por_clave_sin_mayusculas_o_por_posicion) {
    EXPECT_EQ(barra.CantidadPaneles(), 4);
    EXPECT_EQ(barra.Texto(QStringLiteral("version")), QStringLiteral("..."));
    barra.setTexto(QStringLiteral("Server"), QStringLiteral("Srv: local"));
    barra.setToolTip(QStringLiteral("SERVER"), QStringLiteral("Srv: local"));
    EXPECT_EQ(barra.Texto(QStringLiteral("SERVER")), QStringLiteral("Srv: local"));
    EXPECT_EQ(barra.ToolTip(QStringLiteral("server")), QStringLiteral("Srv: local"));
    EXPECT_EQ(barra.ToolTip(QStringLiteral("MENSAJE")), QString());
    EXPECT_EQ(barra.TextoEn(2), QStringLiteral("Srv: local"));
    EXPECT_EQ(barra.Texto(QStringLiteral("4")), QString());
    EXPECT_EQ(barra.Clave(1), QStringLiteral("VERSION"));
    EXPECT_EQ(barra.Clave(3), QString());
    EXPECT_EQ(barra.Estilo(3), EstiloPanel::Fecha);
    EXPECT_EQ(barra.AnchoTwips(4), 4000);
    const QList<QLabel*> etiquetas = barra.findChildren<QLabel*>();
    ASSERT_EQ(etiquetas.size(), 4);
    EXPECT_EQ(etiquetas[1]->width(), 96);   // 1440 twips
    EXPECT_EQ(etiquetas[1]->text(), QStringLiteral("Srv: local"));
    EXPECT_EQ(etiquetas[1]->toolTip(), QStringLiteral("Srv: local"));
}

TEST_F(PanelesEstado, el_panel_de_fecha_muestra_el_dia_del_reloj) {
    EXPECT_EQ(barra.TextoEn(3), QStringLiteral("29/02/2016"));
    QLabel* fecha = barra.findChildren<QLabel*>().at(2);
    EXPECT_EQ(fecha->text(), QStringLiteral("29/02/2016"));
    EXPECT_GT(fecha->contentsRect().width(), fecha->fontMetrics().horizontalAdvance(fecha->text()));   // never cut
    base::Reloj::Fijar(QDateTime(QDate(2016, 3, 1), QTime(0, 0, 1)));
    EXPECT_EQ(barra.TextoEn(3), QStringLiteral("01/03/2016"));
}

TEST_F(PanelesEstado, una_clave_o_posicion_desconocida_es_el_error_35600) {
    const std::function<void()> fallas[] = {
        [&] { barra.Texto(QStringLiteral("USUARIO")); },
        [&] { barra.setTexto(QStringLiteral("CAJA"), QStringLiteral("1")); },
        [&] { barra.ToolTip(QString()); },
        [&] { barra.setToolTip(QStringLiteral("5"), QStringLiteral("x")); },
        [&] { barra.Clave(0); },
        [&] { barra.TextoEn(5); },
        [&] { barra.AnchoTwips(-1); },
    };
    for (const auto& f : fallas) EXPECT_EQ(numeroDeError(f), 35600);
    try {
        barra.Texto(QStringLiteral("USUARIO"));
    } catch (const base::Error& e) {
        EXPECT_EQ(e.Description, QStringLiteral("Index out of bounds"));
    }
    EXPECT_EQ(numeroDeError([&] { barra.AgregarPanel(QStringLiteral("mensaje"), EstiloPanel::Texto, 10); }), 35602);
}
