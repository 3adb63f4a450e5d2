// The main window: controls, the month list and period computation, the folder
// choice, the toolbar dispatch, the field lookup and the load/unload sequences. The
// export itself is in remitos.cpp. Geometry is given in twips (15 twips per pixel).
#include "app/frm_rm_auto_impr.h"

#include <QCloseEvent>
#include <QFont>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include "base/format.h"
#include "base/texto.h"
#include "companion/zorvkit.h"
#include "session/decoracion.h"
#include "session/estado_formulario.h"
#include "session/inicio_sistema.h"
#include "session/sesion.h"
#include "ui/barra_estado.h"
#include "ui/controles.h"
#include "ui/ferrobar.h"
#include "ui/lista_desplegable.h"
#include "ui/operador.h"

using namespace base;

namespace {

constexpr int twips(int t) { return t / 15; }
void situar(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(twips(left), twips(top), twips(width), twips(height));
}

// The month list: text shown and the abbreviation kept in the list's Tag.
struct Mes { const char* texto; const char* abreviatura; };
constexpr Mes kMeses[] = {
    {"(Seleccione un Mes)", ""}, {"Enero", "ENE"},      {"Febrero", "FEB"},   {"Marzo", "MAR"},
    {"Abril", "ABR"},            {"Mayo", "MAY"},       {"Junio", "JUN"},     {"Julio", "JUL"},
    {"Agosto", "AGO"},           {"Septiembre", "SEP"}, {"Octubre", "OCT"},   {"Noviembre", "NOV"},
    {"Diciembre", "DIC"},
};

const QString kAvisoOperador = QStringLiteral("AVISO AL OPERADOR");

}  // namespace

FrmRmAutoImpr::FrmRmAutoImpr(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FrmRmAutoImpr"));
    setWindowTitle(QStringLiteral("Interfaz de Remitos para Autoimpresores"));
    // Fixed single border, no minimise or maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(twips(6795), twips(2175));
    // The window's geometry is that of the suite's 8-point "MS Sans Serif" texts.
    QFont letra(QStringLiteral("MS Sans Serif"));
    letra.setPointSizeF(8);
    setFont(letra);

    Frame2 = new QFrame(this);
    Frame2->setFrameShape(QFrame::Box);
    Frame2->setFrameShadow(QFrame::Sunken);
    situar(Frame2, 120, 720, 6615, 1095);

    // The fields are created in the window's saved-state order: period end, period
    // start, folder, year, then the month list (the year is restored before the month,
    // so the recomputed period uses the restored year).
    auto campo = [&](int indice, const char* dataField, QWidget* padre, int l, int t, int w, int h) {
        auto* txt = new QLineEdit(padre);
        ui::Registrar(txt, QStringLiteral("Txtfields"), indice);
        ui::setDataField(txt, QString::fromUtf8(dataField));
        situar(txt, l, t, w, h);
        txt->installEventFilter(this);
        Txtfields[indice] = txt;
    };
    campo(1, "FECHA_HASTA", this, 3720, 1920, 2055, 285);
    campo(0, "FECHA_DESDE", this, 360, 1920, 1935, 285);
    campo(3, "Carpeta", Frame2, 1320, 600, 4335, 285);
    campo(2, "AÑO", Frame2, 1320, 240, 615, 285);
    Txtfields[3]->setMaxLength(250);
    Txtfields[3]->setToolTip(QStringLiteral("Carpeta donde se guarda el archivo "));

    cmbCuatrimestre = new ui::ListaDesplegable(Frame2);
    ui::Registrar(cmbCuatrimestre, QStringLiteral("cmbCuatrimestre"));
    situar(cmbCuatrimestre, 3000, 240, 3495, 315);
    cmbCuatrimestre->installEventFilter(this);

    Ferrobar1 = new ui::Ferrobar(this);
    ui::Registrar(Ferrobar1, QStringLiteral("Ferrobar1"));
    situar(Ferrobar1, 0, 0, 6735, 615);

    ui::Registrar(Frame2, QStringLiteral("Frame2"));

    auto etiqueta = [&](QLabel*& destino, const QString& nombre, int indice, const QString& texto, int l, int t, int w,
                        int h) {
        destino = new QLabel(texto, Frame2);
        ui::Registrar(destino, nombre, indice);
        situar(destino, l, t, w, h);
    };
    QLabel* etiqueta2 = nullptr;
    QLabel* etiqueta3 = nullptr;
    etiqueta(etiqueta2, QStringLiteral("Label1"), 2, QStringLiteral("Año"), 120, 240, 1095, 255);
    etiqueta(Label2, QStringLiteral("Label2"), -1, QStringLiteral("Mes:"), 2280, 240, 855, 255);
    etiqueta(etiqueta3, QStringLiteral("Label1"), 3, QStringLiteral("Carpeta destino"), 120, 600, 1335, 255);
    Label1[2] = etiqueta2;
    Label1[3] = etiqueta3;

    CmdDestino = new QPushButton(QStringLiteral(">>>"), Frame2);
    ui::Registrar(CmdDestino, QStringLiteral("CmdDestino"));
    QFont negrita(QStringLiteral("MS Sans Serif"));
    negrita.setPointSizeF(8.25);
    negrita.setBold(true);
    CmdDestino->setFont(negrita);
    CmdDestino->setToolTip(QStringLiteral("Elegir"));
    situar(CmdDestino, 5760, 600, 615, 375);
    CmdDestino->installEventFilter(this);

    // The status bar lies over the two period fields, which are not meant for the user.
    sbStatusBar = new ui::BarraEstado(this);
    ui::Registrar(sbStatusBar, QStringLiteral("sbStatusBar"));
    situar(sbStatusBar, 0, 1920, 6795, 255);
    sbStatusBar->AgregarPanel(QStringLiteral("VERSION"), ui::EstiloPanel::Texto, 1000, QStringLiteral("..."));
    sbStatusBar->AgregarPanel(QStringLiteral("SERVER"), ui::EstiloPanel::Texto, 1440);
    sbStatusBar->AgregarPanel(QStringLiteral("BASEDEDATOS"), ui::EstiloPanel::Texto, 1440);
    sbStatusBar->AgregarPanel(QStringLiteral("USUARIO"), ui::EstiloPanel::Texto, 1440);
    sbStatusBar->AgregarPanel(QStringLiteral("CAJA"), ui::EstiloPanel::Texto, 1200);
    sbStatusBar->AgregarPanel(QString(), ui::EstiloPanel::Fecha, 1000);
    sbStatusBar->AgregarPanel(QStringLiteral("MENSAJE"), ui::EstiloPanel::Texto, 4000);
    sbStatusBar->raise();

    // Tab order: year, month, folder, folder button, toolbar, then the period fields.
    QWidget::setTabOrder(Txtfields[2], cmbCuatrimestre);
    QWidget::setTabOrder(cmbCuatrimestre, Txtfields[3]);
    QWidget::setTabOrder(Txtfields[3], CmdDestino);
    QWidget::setTabOrder(CmdDestino, Ferrobar1);
    QWidget::setTabOrder(Ferrobar1, Txtfields[0]);
    QWidget::setTabOrder(Txtfields[0], Txtfields[1]);

    connect(cmbCuatrimestre, &ui::ListaDesplegable::Click, this, &FrmRmAutoImpr::cmbCuatrimestre_Click);
    connect(CmdDestino, &QPushButton::clicked, this, &FrmRmAutoImpr::CmdDestino_Click);
    connect(Ferrobar1, &ui::Ferrobar::ButtonClick, this, &FrmRmAutoImpr::Ferrobar1_ButtonClick);
}

QList<QWidget*> FrmRmAutoImpr::MiembrosTxtfields() const {
    QList<QWidget*> miembros;
    for (QLineEdit* txt : Txtfields) miembros << txt;
    return miembros;
}

QLineEdit* FrmRmAutoImpr::Campo(const QString& campo) const {
    const int indice = ZkControles().IndicePorCampo(campo, MiembrosTxtfields());
    return Txtfields.value(indice, nullptr);
}

void FrmRmAutoImpr::Form_Load() {
    QString conexion;
    InicioSistema(false, QString(), conexion, 3);
    if (gSesion().Terminado) return;
    ZkGeneral().PreparaFormulario(this, false);
    DecoraFormulario(this);
    ArmaBarraEstado(sbStatusBar, QString());
    for (uint32_t dispid : {0x68030008u, 0x68030004u, 0x68030006u, 0x68030001u, 0x68030007u})
        Ferrobar1->setPropiedad(dispid, false);
    ZkGeneral().AbreFormulario(this, QString());
    LlenarListaDeMeses();
    LeeConfigForm(this, QString(), QString());
}

void FrmRmAutoImpr::LlenarListaDeMeses() {
    cmbCuatrimestre->Clear();
    for (const Mes& m : kMeses) cmbCuatrimestre->AddItem(QString::fromUtf8(m.texto));
}

void FrmRmAutoImpr::cmbCuatrimestre_Click() {
    QLineEdit* desde = Campo(QStringLiteral("FECHA_DESDE"));
    QLineEdit* hasta = Campo(QStringLiteral("FECHA_HASTA"));
    desde->clear();
    hasta->clear();

    const QString anio = Campo(QStringLiteral("AÑO"))->text();
    const double valor = Val(anio);
    if (valor == 0) {
        ui::operador().MsgBox(QStringLiteral("Debe seleccionar el Año del cuatrimestre a informar!!! "),
                              ui::vbCritical + ui::vbOKOnly, kAvisoOperador);
        return;
    }
    if (valor < 1900 || valor > 2050) {
        ui::operador().MsgBox(QStringLiteral("Debe informar un AÑO VALIDO!!! "), ui::vbCritical + ui::vbOKOnly,
                              kAvisoOperador);
        return;
    }
    const int mes = cmbCuatrimestre->ListIndex();
    if (mes < 1 || mes > 12) return;

    const QString mm = Format(Variant(mes), QStringLiteral("00"));
    // January's last day is fixed; the other months ask the library, given the typed
    // year so that February of a leap year ends on the 29th.
    const QString dd = mes == 1 ? QStringLiteral("31")
                                : Format(Variant(ZkGeneral().DiasDelMes(mes, static_cast<int>(valor))), QStringLiteral("00"));
    desde->setText(QStringLiteral("01/") + mm + QStringLiteral("/") + anio);
    hasta->setText(dd + QStringLiteral("/") + mm + QStringLiteral("/") + anio);
    ui::setTag(cmbCuatrimestre, QString::fromUtf8(kMeses[mes].abreviatura));
}

QString FrmRmAutoImpr::BrowseForDirectory(long) {
    return ui::operador().ElegirCarpeta(QStringLiteral("Seleccionar Directorio"), this);
}

void FrmRmAutoImpr::CmdDestino_Click() {
    const QString carpeta = BrowseForDirectory(static_cast<long>(winId()));
    if (!carpeta.isEmpty()) Txtfields[3]->setText(ZkGeneral().CarpetaConBarra(carpeta));
}

void FrmRmAutoImpr::Ferrobar1_ButtonClick(const QString& nombre) {
    const QString boton = UCase(nombre);
    if (Iguales(boton, QStringLiteral("NUEVO")) || Iguales(boton, QStringLiteral("BORRAR"))) {
        return;
    } else if (Iguales(boton, QStringLiteral("GRABAR"))) {
        ActualizarDatos();
    } else if (Iguales(boton, QStringLiteral("CONSULTAR"))) {
        CmdConsultar();
    } else if (Iguales(boton, QStringLiteral("CERRAR"))) {
        Form_Unload();
    }
}

void FrmRmAutoImpr::CmdConsultar() {
    QLineEdit* actual = Txtfields.value(IndiceCampoActual, nullptr);
    if (!actual) return;
    QString resultado;
    if (Iguales(Trim(ui::Tag(actual)), QStringLiteral("FECHA"))) {
        const QDate fecha = ZkGeneral().ElegirFecha();
        if (fecha.isValid()) resultado = Format(Variant(fecha), QStringLiteral("dd/mm/yyyy"));
    } else if (QLineEdit* mismo = Campo(ui::DataField(actual))) {
        mismo->setText(Trim(resultado));
    }
    actual->setText(Trim(resultado));
}

void FrmRmAutoImpr::Form_Unload() {
    if (descargado_) return;
    descargado_ = true;
    GrabaConfigForm(this, QString(), QString());
    ZkGeneral().CierraFormulario(this, QString());
    TerminarPrograma(0);
}

void FrmRmAutoImpr::closeEvent(QCloseEvent* e) {
    Form_Unload();
    e->accept();
}

// The window sees key presses before its fields: each key goes to the toolbar's
// key-handling method, which may consume it; a field that gets the focus becomes the
// current field.
bool FrmRmAutoImpr::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::KeyPress) {
        int tecla = static_cast<QKeyEvent*>(evento)->key();
        Ferrobar1->ManejarTecla(tecla);
        if (tecla == 0) return true;
    } else if (evento->type() == QEvent::FocusIn) {
        for (auto it = Txtfields.cbegin(); it != Txtfields.cend(); ++it)
            if (it.value() == objeto) IndiceCampoActual = it.key();
    }
    return QWidget::eventFilter(objeto, evento);
}
