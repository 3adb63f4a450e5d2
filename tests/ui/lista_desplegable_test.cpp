// The drop-down list's ListIndex and Click.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QKeyEvent>
#include "base/error.h"
#include "ui/lista_desplegable.h"

using ui::ListaDesplegable;

namespace {
struct Lista : ::testing::Test {
    ListaDesplegable lista;
    int clicks = 0;
    void SetUp() override {
        QObject::connect(&lista, &ListaDesplegable::Click, [this] { ++clicks; });
        lista.AddItem(QStringLiteral("viejo"));
        lista.Clear();
        for (const char* t : {"(Seleccione un Mes)", "Enero", "Febrero"}) lista.AddItem(QString::fromLatin1(t));
    }
};
}  // namespace

TEST_F(Lista, vaciar_y_agregar_dejan_sin_seleccion_y_sin_click) {
    EXPECT_EQ(lista.ListIndex(), -1);
    EXPECT_EQ(lista.count(), 3);
    EXPECT_EQ(clicks, 0);
    lista.setListIndex(1);
    lista.AddItem(QStringLiteral("Marzo"));
    EXPECT_EQ(lista.ListIndex(), 1);
    lista.Clear();
    EXPECT_EQ(lista.ListIndex(), -1);
    EXPECT_EQ(clicks, 1);
}

TEST_F(Lista, fijar_el_indice_desde_codigo_da_click_aunque_no_cambie) {
    lista.setListIndex(2);
    lista.setListIndex(2);
    lista.setListIndex(-1);
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(lista.ListIndex(), -1);
}

TEST_F(Lista, un_indice_fuera_de_la_lista_se_rechaza_sin_click) {
    for (int malo : {3, -2}) {
        try {
            lista.setListIndex(malo);
            ADD_FAILURE() << malo;
        } catch (const base::Error& e) {
            EXPECT_EQ(e.Number, 380);
        }
    }
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(lista.ListIndex(), -1);
}

TEST_F(Lista, la_eleccion_del_usuario_da_un_solo_click) {
    lista.setListIndex(0);
    clicks = 0;
    QKeyEvent abajo(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QCoreApplication::sendEvent(&lista, &abajo);
    EXPECT_EQ(lista.ListIndex(), 1);
    EXPECT_EQ(clicks, 1);
}
