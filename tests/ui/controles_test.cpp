// The control model: registration order, indexes, metadata and type names.
#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include "ui/barra_estado.h"
#include "ui/controles.h"
#include "ui/ferrobar.h"
#include "ui/lista_desplegable.h"

using namespace ui;

TEST(controles, cada_clase_de_control_da_su_nombre_de_tipo) {
    QWidget form;
    struct Caso { QWidget* w; const char* tipo; };
    auto* grilla = new QWidget(&form);
    grilla->setProperty("TypeName", QStringLiteral("QVDBGRID"));
    const Caso casos[] = {
        {new QLineEdit(&form), "TextBox"},
        {new ListaDesplegable(&form), "ComboBox"},
        {new QComboBox(&form), "ComboBox"},
        {new QCheckBox(&form), "CheckBox"},
        {new QRadioButton(&form), "OptionButton"},
        {new QTreeWidget(&form), "ListView"},
        {new QLabel(&form), "Label"},
        {new QPushButton(&form), "CommandButton"},
        {new QFrame(&form), "Frame"},
        {new QGroupBox(&form), "Frame"},
        {new BarraEstado(&form), "StatusBar"},
        {new Ferrobar(&form), "Ferrobar"},
        {grilla, "QVDBGRID"},
    };
    for (const Caso& c : casos) EXPECT_EQ(TipoControl(c.w), QLatin1String(c.tipo)) << c.tipo;
}

TEST(controles, el_orden_propio_es_el_de_creacion_y_los_miembros_van_por_indice) {
    QWidget form;
    form.setObjectName(QStringLiteral("FrmRmAutoImpr"));
    auto* marco = Registrar(new QFrame(&form), QStringLiteral("Frame2"));
    auto* anio = Registrar(new QLineEdit(marco), QStringLiteral("Txtfields"), 2);
    auto* mes = Registrar(new ListaDesplegable(marco), QStringLiteral("cmbCuatrimestre"));
    auto* carpeta = Registrar(new QLineEdit(marco), QStringLiteral("Txtfields"), 3);
    auto* desde = Registrar(new QLineEdit(&form), QStringLiteral("Txtfields"), 0);
    new QLineEdit(&form);   // not registered: not a control of the window's model
    EXPECT_EQ(ControlesEnOrden(&form), (QList<QWidget*>{marco, anio, mes, carpeta, desde}));
    EXPECT_EQ(Miembros(&form, QStringLiteral("TXTFIELDS")), (QList<QWidget*>{desde, anio, carpeta}));
    EXPECT_EQ(ControlPorNombre(&form, QStringLiteral("txtfields")), anio);
    EXPECT_EQ(ControlPorNombre(&form, QStringLiteral("Txtfields"), 3), carpeta);
    EXPECT_EQ(ControlPorNombre(&form, QStringLiteral("Txtfields"), 7), nullptr);
    EXPECT_EQ(Indice(mes), -1);
    EXPECT_FALSE(EsMiembroDeArray(mes));
    EXPECT_TRUE(EsMiembroDeArray(desde));
    EXPECT_EQ(Indice(desde), 0);
    EXPECT_EQ(Nombre(carpeta), QStringLiteral("Txtfields"));
    EXPECT_EQ(TipoFormulario(&form), QStringLiteral("FrmRmAutoImpr"));
    form.setProperty("TypeName", QStringLiteral("FRMMDI"));
    EXPECT_EQ(TipoFormulario(&form), QStringLiteral("FRMMDI"));
}

TEST(controles, datafield_tag_y_texto_se_leen_como_se_escriben) {
    QWidget form;
    auto* t = Registrar(new QLineEdit(&form), QStringLiteral("Txtfields"), 2);
    EXPECT_EQ(DataField(t), QString());
    EXPECT_EQ(Tag(t), QString());
    setDataField(t, QStringLiteral("AÑO"));
    setTag(t, QStringLiteral("FECHA"));
    setTexto(t, QStringLiteral(" 2015"));
    EXPECT_EQ(DataField(t), QStringLiteral("AÑO"));
    EXPECT_EQ(Tag(t), QStringLiteral("FECHA"));
    EXPECT_EQ(Texto(t), QStringLiteral(" 2015"));
}
