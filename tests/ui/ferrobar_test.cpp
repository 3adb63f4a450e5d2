// The toolbar: its buttons, the properties by dispatch identifier, StyleBar and keys.
#include <gtest/gtest.h>
#include <QToolButton>
#include "ui/ferrobar.h"

using ui::Ferrobar;

namespace {
struct BotoneraFerrobar : ::testing::Test {
    Ferrobar barra;
    QStringList pulsados;
    void SetUp() override {
        QObject::connect(&barra, &Ferrobar::ButtonClick, [this](const QString& n) { pulsados.append(n); });
    }
    QStringList visibles() const {
        QStringList r;
        for (const QString& n : Ferrobar::NombresBotones())
            if (!barra.Boton(n)->isHidden()) r.append(n);
        return r;
    }
};
}  // namespace

TEST_F(BotoneraFerrobar, ocho_botones_con_icono_y_ayuda_que_informan_su_nombre) {
    const QStringList nombres{"NUEVO", "BORRAR", "REPORTE", "CONSULTAR", "PLANILLA", "CANCELAR", "GRABAR", "CERRAR"};
    EXPECT_EQ(Ferrobar::NombresBotones(), nombres);
    for (const QString& n : nombres) {
        QToolButton* b = barra.Boton(n.toLower());
        ASSERT_NE(b, nullptr) << n.toStdString();
        EXPECT_FALSE(b->icon().isNull()) << n.toStdString();
        EXPECT_FALSE(b->toolTip().isEmpty()) << n.toStdString();
        b->click();
    }
    EXPECT_EQ(pulsados, nombres);
}

TEST_F(BotoneraFerrobar, cada_identificador_oculta_su_boton) {
    struct Caso { uint32_t dispid; const char* boton; };
    const Caso casos[] = {
        {0x68030001, "NUEVO"}, {0x68030002, "GRABAR"}, {0x68030003, "CERRAR"}, {0x68030004, "BORRAR"},
        {0x68030005, "CONSULTAR"}, {0x68030006, "REPORTE"}, {0x68030007, "PLANILLA"}, {0x68030008, "CANCELAR"},
    };
    for (const Caso& c : casos) {
        Ferrobar b;
        EXPECT_TRUE(b.Propiedad(c.dispid));
        b.setPropiedad(c.dispid, false);
        EXPECT_FALSE(b.Propiedad(c.dispid));
        for (const QString& n : Ferrobar::NombresBotones())
            EXPECT_EQ(b.Boton(n)->isHidden(), n == QLatin1String(c.boton)) << std::hex << c.dispid << " " << n.toStdString();
        b.setPropiedad(c.dispid, true);
        EXPECT_FALSE(b.Boton(QLatin1String(c.boton))->isHidden());
    }
    barra.setPropiedad(0x12345678, false);   // unknown: ignored
    EXPECT_EQ(visibles().size(), 8);
}

TEST_F(BotoneraFerrobar, la_ventana_principal_deja_consultar_grabar_y_cerrar) {
    for (uint32_t id : {0x68030008u, 0x68030004u, 0x68030006u, 0x68030001u, 0x68030007u}) barra.setPropiedad(id, false);
    EXPECT_EQ(visibles(), (QStringList{"CONSULTAR", "GRABAR", "CERRAR"}));
    EXPECT_FALSE(barra.Habilitado(QStringLiteral("cancelarenabled")));
    EXPECT_TRUE(barra.Habilitado(QStringLiteral("consulta")));
    barra.setHabilitado(QStringLiteral("GRABARENABLED"), false);
    EXPECT_FALSE(barra.Habilitado(QStringLiteral("grabar")));
}

TEST_F(BotoneraFerrobar, las_teclas_pulsan_su_boton_solo_si_se_muestra) {
    struct Caso { int tecla; const char* boton; };
    const Caso casos[] = {
        {Qt::Key_F2, "GRABAR"}, {Qt::Key_F3, "CONSULTAR"}, {Qt::Key_Escape, "CERRAR"}, {Qt::Key_F5, "NUEVO"},
        {Qt::Key_F6, "BORRAR"}, {Qt::Key_F7, "REPORTE"}, {Qt::Key_F8, "PLANILLA"}, {Qt::Key_F9, "CANCELAR"},
    };
    for (const Caso& c : casos) {
        pulsados.clear();
        int tecla = c.tecla;
        barra.ManejarTecla(tecla);
        EXPECT_EQ(tecla, 0) << c.boton;
        EXPECT_EQ(pulsados, QStringList{QLatin1String(c.boton)});
    }
    pulsados.clear();
    barra.setPropiedad(0x68030001, false);
    for (int otra : {int(Qt::Key_F5), int(Qt::Key_A), int(Qt::Key_Return), int(Qt::Key_F4)}) {
        int tecla = otra;
        barra.ManejarTecla(tecla);
        EXPECT_EQ(tecla, otra);
    }
    EXPECT_TRUE(pulsados.isEmpty());
}

TEST_F(BotoneraFerrobar, stylebar_uno_es_plano_y_cero_en_relieve) {
    EXPECT_EQ(barra.StyleBar(), 1);
    EXPECT_TRUE(barra.Boton(QStringLiteral("GRABAR"))->autoRaise());
    barra.setStyleBar(0);
    EXPECT_EQ(barra.StyleBar(), 0);
    for (const QString& n : Ferrobar::NombresBotones()) EXPECT_FALSE(barra.Boton(n)->autoRaise());
    barra.setStyleBar(1);
    EXPECT_TRUE(barra.Boton(QStringLiteral("CERRAR"))->autoRaise());
}
