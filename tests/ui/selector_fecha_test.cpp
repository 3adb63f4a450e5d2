// The date picker and the progress window.
#include <gtest/gtest.h>
#include <QCalendarWidget>
#include "base/reloj.h"
#include "ui/selector_fecha.h"
#include "ui/ventana_avance.h"

TEST(selector_fecha, empieza_en_la_fecha_dada_o_en_la_de_hoy) {
    base::Reloj::Fijar(QDateTime(QDate(2015, 8, 31), QTime(17, 5, 9)));
    ui::SelectorFecha hoy{QDate()};
    EXPECT_EQ(hoy.Fecha(), QDate(2015, 8, 31));
    ui::SelectorFecha dada{QDate(2016, 2, 29)};
    EXPECT_EQ(dada.Fecha(), QDate(2016, 2, 29));
    dada.Calendario()->setSelectedDate(QDate(2016, 3, 1));
    EXPECT_EQ(dada.Fecha(), QDate(2016, 3, 1));
}

TEST(ventana_avance, muestra_titulo_y_texto_sin_ser_modal) {
    ui::VentanaAvance v;
    v.setTitulo(QStringLiteral("Generando archivo"));
    v.setTexto(QStringLiteral("Talonario 0001"));
    EXPECT_EQ(v.windowTitle(), QStringLiteral("Generando archivo"));
    EXPECT_EQ(v.Texto(), QStringLiteral("Talonario 0001"));
    EXPECT_EQ(v.windowModality(), Qt::NonModal);
    EXPECT_TRUE(v.windowFlags() & Qt::WindowStaysOnTopHint);
}
