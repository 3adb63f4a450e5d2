// Saved window state in TA_CONFIG_FORM: the rows of each kind of control, the texts
// sent, the restore (the month list raising its choice after the year is back), the
// shared state of a "@" suffix, and a save that fails halfway keeping the previous one.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTreeWidget>
#include <memory>
#include "ado/connection.h"
#include "ado/recordset.h"
#include "ado/registro_sentencias.h"
#include "data/global.h"
#include "session/estado_formulario.h"
#include "session/sesion.h"
#include "tests/common/base_prueba.h"
#include "ui/barra_estado.h"
#include "ui/controles.h"
#include "ui/ferrobar.h"
#include "ui/lista_desplegable.h"
#include "ui/operador_guionado.h"

// Failures show texts as text.
static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

ui::OperadorGuionado& Guion() { return dynamic_cast<ui::OperadorGuionado&>(ui::operador()); }

const QString kCR = QStringLiteral("\r");

// A window built like the main one: the four fields and the month list in the main
// window's creation order, then controls that are not saved. A month choice records
// the year it saw and writes the period start.
struct Principal {
    Principal() {
        w = std::make_unique<QWidget>();
        w->setObjectName(QStringLiteral("FrmRmAutoImpr"));
        auto campo = [&](int indice, const QString& dataField) {
            auto* t = new QLineEdit(w.get());
            ui::Registrar(t, QStringLiteral("Txtfields"), indice);
            ui::setDataField(t, dataField);
            txt[indice] = t;
        };
        campo(1, QStringLiteral("FECHA_HASTA"));
        campo(0, QStringLiteral("FECHA_DESDE"));
        campo(3, QStringLiteral("Carpeta"));
        campo(2, QStringLiteral("AÑO"));
        mes = new ui::ListaDesplegable(w.get());
        ui::Registrar(mes, QStringLiteral("cmbCuatrimestre"));
        for (const char* m : {"(Seleccione un Mes)", "Enero", "Febrero", "Marzo", "Abril", "Mayo", "Junio", "Julio",
                              "Agosto", "Septiembre", "Octubre", "Noviembre", "Diciembre"})
            mes->AddItem(QString::fromUtf8(m));
        QObject::connect(mes, &ui::ListaDesplegable::Click, [this] {
            aniosVistos << txt[2]->text();
            if (mes->ListIndex() > 0)
                txt[0]->setText(QStringLiteral("01/%1/").arg(mes->ListIndex(), 2, 10, QLatin1Char('0')) + txt[2]->text());
        });
        ui::Registrar(new ui::Ferrobar(w.get()), QStringLiteral("Ferrobar1"));
        ui::Registrar(new QLabel(QStringLiteral("Año"), w.get()), QStringLiteral("Label1"), 2);
        ui::Registrar(new QPushButton(QStringLiteral(">>>"), w.get()), QStringLiteral("CmdDestino"));
        ui::Registrar(new ui::BarraEstado(w.get()), QStringLiteral("sbStatusBar"));
    }
    void Llenar(const QString& anio, int indiceMes, const QString& carpeta) {
        txt[2]->setText(anio);
        txt[3]->setText(carpeta);
        mes->setListIndex(indiceMes);
        txt[1]->setText(QStringLiteral("31/03/") + anio);
        aniosVistos.clear();
    }
    std::unique_ptr<QWidget> w;
    QLineEdit* txt[4] = {};
    ui::ListaDesplegable* mes = nullptr;
    QStringList aniosVistos;
};

class EstadoFormulario : public ::testing::Test {
protected:
    void SetUp() override {
        DB_Dll& db = DBMain();
        db.OpenServerADODB(false, ado::adUseClient, base_.cadena(), false, false);
        ASSERT_TRUE(db.gOpenFlag);
        gSesion().gUsuarioLogeado = QStringLiteral("ana");
        ado::RegistroSentencias::Iniciar();
    }

    struct Fila {
        long id;
        QString texto;   // FORMULARIO|USUARIO|TIPOOBJETO|NOMBRE|PROPIEDAD|DATAFIELD|VALOR
    };
    std::vector<Fila> Filas() {
        ado::Connection cn;
        cn.Open(base_.cadena());
        ado::Recordset rs = cn.Execute(QStringLiteral(
            "SELECT id, FORMULARIO, USUARIO, TIPOOBJETO, NOMBRE, PROPIEDAD, DATAFIELD, VALOR FROM TA_CONFIG_FORM ORDER BY id"));
        std::vector<Fila> r;
        if (rs.EOF_()) return r;
        for (const auto& f : rs.GetRows()) {
            QStringList v;
            for (size_t i = 1; i < f.size(); ++i) v << (f[i].isNull() ? QStringLiteral("<null>") : f[i].toString());
            r.push_back({f[0].toLong(), v.join(QLatin1Char('|'))});
        }
        return r;
    }
    QStringList Textos() {
        QStringList r;
        for (const Fila& f : Filas()) r << f.texto;
        return r;
    }

    prueba::BaseDePrueba base_;
};

QString Insercion(const QString& valores) {
    return QStringLiteral("INSERT INTO TA_CONFIG_FORM (FORMULARIO,USUARIO,TIPOOBJETO,NOMBRE,PROPIEDAD,DATAFIELD,VALOR) VALUES ('") +
           valores + QStringLiteral("')");
}

TEST_F(EstadoFormulario, ventana_principal_guarda_cinco_filas_en_un_lote) {
    Principal v;
    v.Llenar(QStringLiteral("2015"), 3, QStringLiteral("/home/ana/remitos/"));
    GrabaConfigForm(v.w.get(), QString(), QString());
    const QStringList enviadas = ado::RegistroSentencias::Sentencias();

    EXPECT_EQ(Textos(), (QStringList{
                            QStringLiteral("FrmRmAutoImpr|ana|TextBox|Txtfields|Text|FECHA_HASTA|31/03/2015"),
                            QStringLiteral("FrmRmAutoImpr|ana|TextBox|Txtfields|Text|FECHA_DESDE|01/03/2015"),
                            QStringLiteral("FrmRmAutoImpr|ana|TextBox|Txtfields|Text|Carpeta|/home/ana/remitos/"),
                            QStringLiteral("FrmRmAutoImpr|ana|TextBox|Txtfields|Text|AÑO|2015"),
                            QStringLiteral("FrmRmAutoImpr|ana|ComboBox|cmbCuatrimestre|ListIndex||3"),
                        }));
    const QString lote =
        QStringLiteral("BEGIN TRANSACTION ") + kCR + kCR +
        QStringLiteral("DELETE TA_CONFIG_FORM WHERE FORMULARIO = 'FrmRmAutoImpr' AND USUARIO= 'ana'") + kCR +
        Insercion(QStringLiteral("FrmRmAutoImpr','ana','TextBox','Txtfields','Text','FECHA_HASTA','31/03/2015")) + kCR +
        Insercion(QStringLiteral("FrmRmAutoImpr','ana','TextBox','Txtfields','Text','FECHA_DESDE','01/03/2015")) + kCR +
        Insercion(QStringLiteral("FrmRmAutoImpr','ana','TextBox','Txtfields','Text','Carpeta','/home/ana/remitos/")) + kCR +
        Insercion(QStringLiteral("FrmRmAutoImpr','ana','TextBox','Txtfields','Text','AÑO','2015")) + kCR +
        Insercion(QStringLiteral("FrmRmAutoImpr','ana','ComboBox','cmbCuatrimestre','ListIndex','','3")) + kCR;
    EXPECT_EQ(enviadas, (QStringList{lote, QStringLiteral("COMMIT TRANSACTION")}));
    EXPECT_TRUE(Guion().llamadas.isEmpty());
}

TEST_F(EstadoFormulario, segunda_grabacion_reemplaza_con_ids_nuevos) {
    Principal v;
    v.Llenar(QStringLiteral("2015"), 3, QStringLiteral("/tmp/"));
    GrabaConfigForm(v.w.get(), QString(), QString());
    const auto primera = Filas();
    GrabaConfigForm(v.w.get(), QString(), QString());
    const auto segunda = Filas();
    ASSERT_EQ(primera.size(), 5u);
    ASSERT_EQ(segunda.size(), 5u);
    EXPECT_GT(segunda.front().id, primera.back().id);
    for (size_t i = 0; i < 5; ++i) EXPECT_EQ(segunda[i].texto, primera[i].texto);
}

TEST_F(EstadoFormulario, restaura_el_anio_antes_del_mes_y_recalcula_el_periodo) {
    {
        Principal v;
        v.Llenar(QStringLiteral("2015"), 3, QStringLiteral("/home/o'neill/remitos/"));
        v.txt[0]->setText(QStringLiteral("viejo"));
        GrabaConfigForm(v.w.get(), QString(), QString());
    }
    Principal nueva;
    LeeConfigForm(nueva.w.get(), QString(), QString());
    EXPECT_EQ(nueva.txt[2]->text(), QStringLiteral("2015"));
    // The folder with an apostrophe is kept like any other value.
    EXPECT_EQ(nueva.txt[3]->text(), QStringLiteral("/home/o'neill/remitos/"));
    EXPECT_EQ(nueva.txt[1]->text(), QStringLiteral("31/03/2015"));
    EXPECT_EQ(nueva.mes->ListIndex(), 3);
    // The choice was raised once, with the year already back, and recomputed the start.
    EXPECT_EQ(nueva.aniosVistos, QStringList{QStringLiteral("2015")});
    EXPECT_EQ(nueva.txt[0]->text(), QStringLiteral("01/03/2015"));
}

TEST_F(EstadoFormulario, primera_vez_sin_filas_la_ventana_queda_como_esta) {
    Principal v;
    LeeConfigForm(v.w.get(), QString(), QString());
    EXPECT_EQ(v.mes->ListIndex(), -1);
    EXPECT_TRUE(v.aniosVistos.isEmpty());
    for (QLineEdit* t : v.txt) EXPECT_EQ(t->text(), QString());
}

TEST_F(EstadoFormulario, el_estado_es_de_cada_usuario) {
    Principal v;
    v.Llenar(QStringLiteral("2015"), 3, QStringLiteral("/tmp/"));
    GrabaConfigForm(v.w.get(), QString(), QString());
    gSesion().gUsuarioLogeado = QStringLiteral("pepe");
    Principal otra;
    LeeConfigForm(otra.w.get(), QString(), QString());
    EXPECT_EQ(otra.txt[2]->text(), QString());
    EXPECT_EQ(otra.mes->ListIndex(), -1);
}

TEST_F(EstadoFormulario, sufijo_con_arroba_comparte_el_estado) {
    Principal v;
    v.Llenar(QStringLiteral("2016"), 2, QStringLiteral("/tmp/"));
    GrabaConfigForm(v.w.get(), QStringLiteral("@compartido"), QString());
    for (const QString& f : Textos())
        EXPECT_TRUE(f.startsWith(QStringLiteral("FrmRmAutoImpr@compartido||"))) << qPrintable(f);
    gSesion().gUsuarioLogeado = QStringLiteral("pepe");
    Principal otra;
    LeeConfigForm(otra.w.get(), QStringLiteral("@compartido"), QString());
    EXPECT_EQ(otra.txt[2]->text(), QStringLiteral("2016"));
    EXPECT_EQ(otra.mes->ListIndex(), 2);
}

// The type name selects the rows written; the deletion and the restore go by name only.
TEST_F(EstadoFormulario, control_por_tipo_escribe_los_campos_y_no_borra_ni_restaura) {
    Principal v;
    v.Llenar(QStringLiteral("2015"), 3, QStringLiteral("/tmp/"));
    GrabaConfigForm(v.w.get(), QString(), QString());
    ado::RegistroSentencias::Iniciar();
    GrabaConfigForm(v.w.get(), QString(), QStringLiteral("TextBox"));
    const QStringList lote = ado::RegistroSentencias::Sentencias();
    ASSERT_FALSE(lote.isEmpty());
    EXPECT_TRUE(lote[0].contains(
        QStringLiteral("DELETE TA_CONFIG_FORM WHERE FORMULARIO = 'FrmRmAutoImpr' AND USUARIO= 'ana' and Nombre = 'TextBox'") + kCR));
    EXPECT_EQ(Filas().size(), 9u);   // five kept, four text fields added

    Principal otra;
    LeeConfigForm(otra.w.get(), QString(), QStringLiteral("TextBox"));
    EXPECT_EQ(otra.txt[2]->text(), QString());
    LeeConfigForm(otra.w.get(), QString(), QStringLiteral("cmbCuatrimestre"));
    EXPECT_EQ(otra.mes->ListIndex(), 3);
    EXPECT_EQ(otra.txt[2]->text(), QString());
}

TEST_F(EstadoFormulario, grabacion_que_falla_a_mitad_deja_el_estado_anterior) {
    base_.Ejecutar(QStringLiteral(
        "CREATE TRIGGER rechaza BEFORE INSERT ON TA_CONFIG_FORM WHEN NEW.VALOR = 'falla' "
        "BEGIN SELECT RAISE(ABORT, 'valor rechazado'); END;"));
    Principal v;
    v.Llenar(QStringLiteral("2015"), 3, QStringLiteral("/tmp/"));
    GrabaConfigForm(v.w.get(), QString(), QString());
    const QStringList antes = Textos();
    v.txt[2]->setText(QStringLiteral("2016"));
    v.txt[3]->setText(QStringLiteral("falla"));
    GrabaConfigForm(v.w.get(), QString(), QString());
    EXPECT_EQ(Textos(), antes);
    EXPECT_TRUE(Guion().llamadas.isEmpty());
    // The connection is usable afterwards: the next save goes through.
    v.txt[3]->setText(QStringLiteral("/otra/"));
    GrabaConfigForm(v.w.get(), QString(), QString());
    EXPECT_TRUE(Textos().contains(QStringLiteral("FrmRmAutoImpr|ana|TextBox|Txtfields|Text|Carpeta|/otra/")));
}

// ---- member 0 of Txtfields ------------------------------------------------------------

struct CasoCampoCero {
    int indice;
    const char* dataField;
    bool guardado;
};

class CampoCero : public EstadoFormulario, public ::testing::WithParamInterface<CasoCampoCero> {};

TEST_P(CampoCero, se_guarda_segun_su_campo) {
    const CasoCampoCero& c = GetParam();
    QWidget w;
    w.setObjectName(QStringLiteral("FrmPrueba"));
    auto* t = new QLineEdit(QStringLiteral("x"), &w);
    ui::Registrar(t, QStringLiteral("Txtfields"), c.indice);
    ui::setDataField(t, QString::fromUtf8(c.dataField));
    GrabaConfigForm(&w, QString(), QString());
    EXPECT_EQ(Filas().size(), c.guardado ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Excepcion, CampoCero,
                         ::testing::Values(CasoCampoCero{0, "Codigo", false}, CasoCampoCero{0, "CUENTA", false},
                                           CasoCampoCero{0, "IDCLIENTE", false}, CasoCampoCero{0, "idx", false},
                                           CasoCampoCero{0, "Nombre", true}, CasoCampoCero{1, "Codigo", true}));

// ---- the other kinds of control -----------------------------------------------------------

struct Completa {
    Completa() {
        w = std::make_unique<QWidget>();
        w->setObjectName(QStringLiteral("FrmCompleta"));
        activo = new QCheckBox(w.get());
        ui::Registrar(activo, QStringLiteral("ChkActivo"));
        ui::setDataField(activo, QStringLiteral("ACTIVO"));
        opcion = new QCheckBox(w.get());
        ui::Registrar(opcion, QStringLiteral("ChkOpcion"), 2);
        auto* contenedor = new QWidget(w.get());   // each option in its own group
        radio = new QRadioButton(contenedor);
        ui::Registrar(radio, QStringLiteral("OptTodos"));
        lista = new QTreeWidget(w.get());
        ui::Registrar(lista, QStringLiteral("LvwDetalle"));
        lista->header()->setStretchLastSection(false);
        lista->setHeaderLabels({QStringLiteral("Código"), QStringLiteral("Descripción")});
        grilla = new QTableWidget(3, 2, w.get());
        ui::Registrar(grilla, QStringLiteral("Grilla1"));
        grilla->setProperty("TypeName", QStringLiteral("QVDBGRID"));
        grilla->setProperty("PageSize", QStringLiteral("20"));
        grilla->setProperty("CamposSel", QStringLiteral("IDARTICULO,DESCRIPCION"));
        plantilla = new QComboBox(w.get());
        ui::Registrar(plantilla, QStringLiteral("CboPlantilla"));
        plantilla->addItems({QStringLiteral("A"), QStringLiteral("B")});
    }
    std::unique_ptr<QWidget> w;
    QCheckBox* activo;
    QCheckBox* opcion;
    QRadioButton* radio;
    QTreeWidget* lista;
    QTableWidget* grilla;
    QComboBox* plantilla;
};

TEST_F(EstadoFormulario, filas_de_cada_clase_de_control) {
    Completa v;
    v.activo->setChecked(true);
    v.radio->setChecked(true);
    v.lista->header()->resizeSection(0, 100);
    v.lista->header()->resizeSection(1, 60);
    v.grilla->setColumnWidth(0, 80);
    v.grilla->setColumnWidth(1, 40);
    v.grilla->setCurrentCell(0, 0);
    v.plantilla->setCurrentIndex(1);
    GrabaConfigForm(v.w.get(), QString(), QString());
    const QString p = QStringLiteral("FrmCompleta|ana|");
    EXPECT_EQ(Textos(), (QStringList{
                            p + QStringLiteral("CheckBox|ChkActivo|Value|ACTIVO|1"),
                            p + QStringLiteral("CheckBox|ChkOpcion|Value|2|0"),
                            p + QStringLiteral("OptionButton|OptTodos|Value|OptTodos|True"),
                            p + QStringLiteral("ListView|LvwDetalle|ColWidth|Código|1500"),
                            p + QStringLiteral("ListView|LvwDetalle|ColWidth|Descripción|900"),
                            p + QStringLiteral("ListView|LvwDetalle|ColPosition|Código|1"),
                            p + QStringLiteral("ListView|LvwDetalle|ColPosition|Descripción|2"),
                            p + QStringLiteral("QVDBGRID|Grilla1|PageSize||20"),
                            p + QStringLiteral("QVDBGRID|Grilla1|CamposSel||IDARTICULO,DESCRIPCION"),
                            p + QStringLiteral("QVDBGRID|Grilla1|ColWidth||1200"),
                            p + QStringLiteral("QVDBGRID|Grilla1|ColWidth||600"),
                            p + QStringLiteral("ComboBox|CboPlantilla|ListIndex||1"),
                        }));
}

TEST_F(EstadoFormulario, cada_clase_de_control_se_restaura_salvo_la_plantilla) {
    {
        Completa v;
        v.activo->setChecked(true);
        v.opcion->setChecked(true);
        v.radio->setChecked(true);
        v.lista->header()->resizeSection(0, 100);
        v.lista->header()->resizeSection(1, 60);
        v.grilla->setColumnWidth(0, 80);
        v.grilla->setColumnWidth(1, 40);
        v.grilla->setCurrentCell(0, 0);
        v.grilla->setProperty("PageSize", QStringLiteral("50"));
        v.plantilla->setCurrentIndex(1);
        GrabaConfigForm(v.w.get(), QString(), QString());
    }
    Completa n;
    n.plantilla->setCurrentIndex(0);
    LeeConfigForm(n.w.get(), QString(), QString());
    EXPECT_TRUE(n.activo->isChecked());
    EXPECT_TRUE(n.opcion->isChecked());
    EXPECT_TRUE(n.radio->isChecked());
    EXPECT_EQ(n.lista->header()->sectionSize(0), 100);
    EXPECT_EQ(n.lista->header()->sectionSize(1), 60);
    EXPECT_EQ(n.grilla->columnWidth(0), 80);
    EXPECT_EQ(n.grilla->columnWidth(1), 40);
    EXPECT_EQ(n.grilla->property("PageSize").toString(), QStringLiteral("50"));
    EXPECT_EQ(n.plantilla->currentIndex(), 0);
}

// With the grid's current column on its last column every width is saved as 0.
TEST_F(EstadoFormulario, grilla_en_su_ultima_columna_guarda_anchos_cero) {
    Completa v;
    v.grilla->setCurrentCell(0, 1);
    GrabaConfigForm(v.w.get(), QString(), QStringLiteral("Grilla1"));
    EXPECT_EQ(Textos(), (QStringList{QStringLiteral("FrmCompleta|ana|QVDBGRID|Grilla1|PageSize||20"),
                                     QStringLiteral("FrmCompleta|ana|QVDBGRID|Grilla1|CamposSel||IDARTICULO,DESCRIPCION"),
                                     QStringLiteral("FrmCompleta|ana|QVDBGRID|Grilla1|ColWidth||0"),
                                     QStringLiteral("FrmCompleta|ana|QVDBGRID|Grilla1|ColWidth||0")}));
}

// Keys are cut to the table's widths; the restore cuts them the same way.
TEST_F(EstadoFormulario, claves_largas_se_recortan_y_se_vuelven_a_encontrar) {
    const QString largo = QString(120, QLatin1Char('F'));
    const QString campo = QString(60, QLatin1Char('C'));
    auto ventana = [&](QLineEdit*& t) {
        auto w = std::make_unique<QWidget>();
        w->setObjectName(largo);
        t = new QLineEdit(w.get());
        ui::Registrar(t, QStringLiteral("TxtLargo"));
        ui::setDataField(t, campo);
        return w;
    };
    QLineEdit* t = nullptr;
    auto w = ventana(t);
    t->setText(QStringLiteral("valor"));
    GrabaConfigForm(w.get(), QString(), QString());
    EXPECT_EQ(Textos(), QStringList{largo.left(100) + QStringLiteral("|ana|TextBox|TxtLargo|Text|") + campo.left(50) +
                                    QStringLiteral("|valor")});
    QLineEdit* t2 = nullptr;
    auto w2 = ventana(t2);
    LeeConfigForm(w2.get(), QString(), QString());
    EXPECT_EQ(t2->text(), QStringLiteral("valor"));
}

// A value the control refuses ends the restore: later controls keep what they show.
TEST_F(EstadoFormulario, valor_rechazado_termina_la_restauracion) {
    auto ventana = [](ui::ListaDesplegable*& lista, QLineEdit*& texto) {
        auto w = std::make_unique<QWidget>();
        w->setObjectName(QStringLiteral("FrmCorta"));
        lista = new ui::ListaDesplegable(w.get());
        ui::Registrar(lista, QStringLiteral("cmbTipo"));
        lista->AddItem(QStringLiteral("uno"));
        texto = new QLineEdit(w.get());
        ui::Registrar(texto, QStringLiteral("TxtNota"));
        return w;
    };
    ui::ListaDesplegable* lista = nullptr;
    QLineEdit* texto = nullptr;
    auto w = ventana(lista, texto);
    texto->setText(QStringLiteral("guardado"));
    GrabaConfigForm(w.get(), QString(), QString());
    base_.Ejecutar(QStringLiteral("UPDATE TA_CONFIG_FORM SET VALOR = '7' WHERE NOMBRE = 'cmbTipo';"));
    auto w2 = ventana(lista, texto);
    texto->setText(QStringLiteral("de la carga"));
    LeeConfigForm(w2.get(), QString(), QString());
    EXPECT_EQ(lista->ListIndex(), -1);
    EXPECT_EQ(texto->text(), QStringLiteral("de la carga"));
    EXPECT_TRUE(Guion().llamadas.isEmpty());
}

}  // namespace
