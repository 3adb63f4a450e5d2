// ZkControles: the field look-up by data-field name and the navigation keys.
#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include "companion/zorvkit.h"
#include "ui/controles.h"

TEST(zk_controles, indice_por_campo_busca_sin_mayusculas_y_da_menos_uno_si_no_hay) {
    QWidget form;
    QList<QWidget*> campos;
    const char* nombres[] = {"FECHA_DESDE", "FECHA_HASTA", "AÑO", "Carpeta"};
    for (int i = 0; i < 4; ++i) {
        QWidget* w = ui::Registrar(new QLineEdit(&form), QStringLiteral("Txtfields"), i);
        ui::setDataField(w, QString::fromUtf8(nombres[i]));
        campos.append(w);
    }
    std::swap(campos[0], campos[3]);   // the list's order does not matter, the members' indexes do
    EXPECT_EQ(ZkControles().IndicePorCampo(QStringLiteral("carpeta"), campos), 3);
    EXPECT_EQ(ZkControles().IndicePorCampo(QStringLiteral("AÑO"), campos), 2);
    EXPECT_EQ(ZkControles().IndicePorCampo(QStringLiteral("FECHA_DESDE"), campos), 0);
    EXPECT_EQ(ZkControles().IndicePorCampo(QStringLiteral("CUIT"), campos), -1);
    EXPECT_EQ(ZkControles().IndicePorCampo(QStringLiteral("AÑO"), {}), -1);
}

TEST(zk_controles, enter_y_flechas_mueven_el_foco_en_el_orden_de_tabulacion) {
    QWidget form;
    auto* a = new QLineEdit(&form);
    auto* lista = new QComboBox(&form);
    auto* b = new QLineEdit(&form);
    auto* boton = new QPushButton(QStringLiteral(">>>"), &form);
    QWidget::setTabOrder(a, lista);
    QWidget::setTabOrder(lista, b);
    QWidget::setTabOrder(b, boton);
    form.show();
    QApplication::setActiveWindow(&form);
    a->setFocus();
    ASSERT_EQ(form.focusWidget(), a);

    EXPECT_TRUE(ZkControles().EsTeclaNavegacion(Qt::Key_Return));
    EXPECT_TRUE(ZkControles().EsTeclaNavegacion(Qt::Key_Enter));
    EXPECT_FALSE(ZkControles().EsTeclaNavegacion(Qt::Key_Tab));
    EXPECT_FALSE(ZkControles().EsTeclaNavegacion(Qt::Key_Left));

    int tecla = Qt::Key_Return;
    ZkControles().ProcesarTecla(tecla, &form);
    EXPECT_EQ(tecla, 0);
    EXPECT_EQ(form.focusWidget(), lista);
    tecla = Qt::Key_Down;   // the list keeps its arrows
    ZkControles().ProcesarTecla(tecla, &form);
    EXPECT_EQ(tecla, int(Qt::Key_Down));
    EXPECT_EQ(form.focusWidget(), lista);
    tecla = Qt::Key_Enter;
    ZkControles().ProcesarTecla(tecla, &form);
    EXPECT_EQ(form.focusWidget(), b);
    tecla = Qt::Key_Up;
    ZkControles().ProcesarTecla(tecla, &form);
    EXPECT_EQ(tecla, 0);
    EXPECT_EQ(form.focusWidget(), lista);
    b->setFocus();
    tecla = Qt::Key_Down;
    ZkControles().ProcesarTecla(tecla, &form);
    EXPECT_EQ(form.focusWidget(), boton);
    tecla = Qt::Key_Return;   // Enter presses a focused button: left to it
    ZkControles().ProcesarTecla(tecla, &form);
    EXPECT_EQ(tecla, int(Qt::Key_Return));
    tecla = Qt::Key_A;
    a->setFocus();
    ZkControles().ProcesarTecla(tecla, &form);
    EXPECT_EQ(tecla, int(Qt::Key_A));
    EXPECT_EQ(form.focusWidget(), a);
}
