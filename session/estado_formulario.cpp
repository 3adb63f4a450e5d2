// Form state persistence in TA_CONFIG_FORM, over the control model of ui/: one row
// per saved property (FORMULARIO, USUARIO, TIPOOBJETO, NOMBRE, PROPIEDAD, DATAFIELD,
// VALOR), read back in id order. Text fields, check boxes, option buttons, lists, list
// views and the suite's grid (type name "QVDBGRID") are saved; other controls are not.
//
// A save is one batch: the deletion of the previous state and every insertion run in
// one transaction, rolled back on any error the connection reports, so a failure
// leaves the previous state rather than a part of the new one. Values go into the SQL
// with their apostrophes doubled, so a folder such as /home/o'neill/ is kept like any
// other. Neither operation shows a message of its own.
#include "session/estado_formulario.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QRadioButton>
#include <QTableView>
#include <QTreeWidget>
#include <QWidget>
#include <vector>
#include "ado/recordset.h"
#include "base/error.h"
#include "base/pasos.h"
#include "base/texto.h"
#include "base/variant.h"
#include "companion/zorvkit.h"
#include "data/global.h"
#include "session/sesion.h"
#include "ui/controles.h"
#include "ui/lista_desplegable.h"

using base::Iguales;
using base::Trim;

namespace {

constexpr int kTwipsPorPixel = 15;
// Longest key values the table keeps.
constexpr int kAnchoFormulario = 100;
constexpr int kAnchoClave = 50;

const QString kCR = QStringLiteral("\r");

// One saved property of a control.
struct Fila {
    QString tipo;
    QString nombre;
    QString propiedad;
    QString datafield;
    QString valor;
};

QString NombreFormulario(const QWidget* formulario) {
    const QString nombre = ui::Nombre(formulario);
    return nombre.isEmpty() ? ui::TipoFormulario(formulario) : nombre;
}

// FORMULARIO and USUARIO: a suffix with "@" makes the state shared by all users.
void Claves(const QWidget* formulario, const QString& Sufijo, QString& formularioClave, QString& usuario) {
    formularioClave = NombreFormulario(formulario) + Sufijo;
    usuario = Sufijo.contains(QLatin1Char('@')) ? QString() : gSesion().gUsuarioLogeado;
}

// A key value cut to its column's width, ready to go between apostrophes.
QString Clave(const QString& valor, int ancho) { return TextoSQL(ZkGeneral().Recortar(valor, ancho)); }

bool EsTipo(const QString& tipo, const char* nombre) { return Iguales(tipo, QString::fromLatin1(nombre)); }

QString ClaveDeMiembro(const QWidget* c, const QString& sinArray) {
    return ZkGeneral().EsElementoDeArray(c) ? QString::number(ui::Indice(c)) : sinArray;
}

// The check box's Value as the suite numbers it: 0 unchecked, 1 checked, 2 grayed.
int ValorCasilla(const QWidget* c) {
    auto* casilla = qobject_cast<const QCheckBox*>(c);
    if (!casilla) throw base::Error(438, QStringLiteral("Object doesn't support this property or method"));
    switch (casilla->checkState()) {
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    default: return 0;
    }
}

void setValorCasilla(QWidget* c, double valor) {
    auto* casilla = qobject_cast<QCheckBox*>(c);
    if (!casilla) throw base::Error(438, QStringLiteral("Object doesn't support this property or method"));
    if (valor == 0) casilla->setCheckState(Qt::Unchecked);
    else if (valor == 1) casilla->setCheckState(Qt::Checked);
    else if (valor == 2) casilla->setCheckState(Qt::PartiallyChecked);
    else throw base::Error(380, QStringLiteral("Invalid property value"));
}

QHeaderView* Encabezado(QWidget* c) {
    auto* vista = qobject_cast<QTreeWidget*>(c);
    if (!vista) throw base::Error(438, QStringLiteral("Object doesn't support this property or method"));
    return vista->header();
}

QString TextoEncabezado(QWidget* c, int columna) {
    return qobject_cast<QTreeWidget*>(c)->headerItem()->text(columna);
}

// The grid's inner table: the control itself or its first table child.
QTableView* GrillaInterna(QWidget* c) {
    if (auto* tabla = qobject_cast<QTableView*>(c)) return tabla;
    if (auto* tabla = c->findChild<QTableView*>()) return tabla;
    throw base::Error(438, QStringLiteral("Object doesn't support this property or method"));
}

QString Propiedad(const QWidget* c, const char* nombre) {
    const QVariant v = c->property(nombre);
    if (!v.isValid()) throw base::Error(438, QStringLiteral("Object doesn't support this property or method"));
    return v.toString();
}

// The rows a control saves, each value read now; none for a kind that is not saved.
QList<Fila> FilasDe(QWidget* c) {
    const QString tipo = ui::TipoControl(c);
    const QString nombre = ui::Nombre(c);
    QList<Fila> filas;
    auto fila = [&](const QString& propiedad, const QString& datafield, const QString& valor) {
        filas.append({tipo, nombre, propiedad, datafield, valor});
    };
    if (EsTipo(tipo, "TextBox")) {
        // Member 0 of Txtfields holds the record's own code in the suite's windows.
        const QString campo = ui::DataField(c);
        if (Iguales(nombre, QStringLiteral("Txtfields")) && ui::Indice(c) == 0 &&
            (ZkGeneral().EstaEnLista(campo, {QStringLiteral("Codigo"), QStringLiteral("Cuenta")}) ||
             ZkGeneral().EstaEnLista(base::Left(campo, 2), {QStringLiteral("ID")})))
            return filas;
        fila(QStringLiteral("Text"), campo, ui::Texto(c));
    } else if (EsTipo(tipo, "CheckBox")) {
        fila(QStringLiteral("Value"), ClaveDeMiembro(c, ui::DataField(c)), QString::number(ValorCasilla(c)));
    } else if (EsTipo(tipo, "OptionButton")) {
        auto* opcion = qobject_cast<QAbstractButton*>(c);
        if (!opcion) throw base::Error(438, QStringLiteral("Object doesn't support this property or method"));
        fila(QStringLiteral("Value"), ClaveDeMiembro(c, nombre), base::Variant(opcion->isChecked()).toString());
    } else if (EsTipo(tipo, "ComboBox")) {
        auto* lista = qobject_cast<QComboBox*>(c);
        if (!lista) throw base::Error(438, QStringLiteral("Object doesn't support this property or method"));
        fila(QStringLiteral("ListIndex"), ui::DataField(c), QString::number(lista->currentIndex()));
    } else if (EsTipo(tipo, "ListView")) {
        QHeaderView* encabezado = Encabezado(c);
        const int columnas = encabezado->count();
        for (int i = 0; i < columnas; ++i)
            fila(QStringLiteral("ColWidth"), TextoEncabezado(c, i),
                 QString::number(encabezado->sectionSize(i) * kTwipsPorPixel));
        for (int i = 0; i < columnas; ++i)
            fila(QStringLiteral("ColPosition"), TextoEncabezado(c, i), QString::number(encabezado->visualIndex(i) + 1));
    } else if (EsTipo(tipo, "QVDBGRID")) {
        fila(QStringLiteral("PageSize"), QString(), Propiedad(c, "PageSize"));
        fila(QStringLiteral("CamposSel"), QString(), Propiedad(c, "CamposSel"));
        QTableView* grilla = GrillaInterna(c);
        const int columnas = grilla->model() ? grilla->model()->columnCount() : 0;
        // With the current column on the last one every width is saved as 0.
        const bool enLaUltima = grilla->currentIndex().column() == columnas - 1;
        for (int i = 0; i < columnas; ++i)
            fila(QStringLiteral("ColWidth"), QString(),
                 enLaUltima ? QStringLiteral("0") : QString::number(grilla->columnWidth(i) * kTwipsPorPixel));
    }
    return filas;
}

// Runs the statements as one batch in a transaction: committed when the connection
// reports no error, rolled back otherwise. Silent either way.
void EjecutaEnUnaTransaccion(const QStringList& sentencias) {
    DB_Dll& db = DBMain();
    const QString lote = QStringLiteral("BEGIN TRANSACTION ") + kCR + kCR + sentencias.join(kCR) + kCR;
    db.gCnn.errors().Clear();
    db.EjecutaConsultaSQL(lote);
    if (db.gCnn.errors().Count() == 0) {
        db.EjecutaConsultaSQL(QStringLiteral("COMMIT TRANSACTION"));
        if (db.gCnn.errors().Count() == 0) return;
    }
    db.gCnn.errors().Clear();
    db.EjecutaConsultaSQL(QStringLiteral("ROLLBACK TRANSACTION"));
    db.gCnn.errors().Clear();
}

// The first saved row of a property (lowest id), or all of them.
QStringList LeeValores(const QString& formulario, const QString& usuario, const QString& tipo,
                       const QString& nombre, const QString& datafield, const QString& propiedad, bool todos) {
    DB_Dll& db = DBMain();
    ado::Recordset rs;
    db.AbrirRecordset(QStringLiteral("SELECT * FROM TA_CONFIG_FORM  with(nolock)  WHERE FORMULARIO = '") +
                          Clave(formulario, kAnchoFormulario) + QStringLiteral("' AND USUARIO = '") +
                          Clave(usuario, kAnchoClave) + QStringLiteral("' AND TIPOOBJETO = '") +
                          Clave(tipo, kAnchoClave) + QStringLiteral("' AND NOMBRE='") + Clave(nombre, kAnchoClave) +
                          QStringLiteral("' AND DATAFIELD='") + Clave(datafield, kAnchoClave) +
                          QStringLiteral("' AND PROPIEDAD='") + Clave(propiedad, kAnchoClave) +
                          QStringLiteral("' order by id"),
                      rs, nullptr, ado::adOpenForwardOnly, ado::adLockReadOnly, -1, true);
    QStringList valores;
    while (!rs.EOF_()) {
        valores.append(ZkGeneral().ValorSeguro(rs.Fields(QStringLiteral("VALOR"))).toString());
        if (!todos) break;
        rs.MoveNext();
    }
    db.CierraRecordset(rs);
    return valores;
}

// Sets a list's selection as a user's choice does (ListaDesplegable raises Click).
void setIndiceLista(QWidget* c, double valor) {
    auto* lista = qobject_cast<QComboBox*>(c);
    if (!lista) throw base::Error(438, QStringLiteral("Object doesn't support this property or method"));
    const int indice = base::Variant(valor).toInteger();
    if (indice < -1 || indice >= lista->count()) throw base::Error(380, QStringLiteral("Invalid property value"));
    if (auto* desplegable = qobject_cast<ui::ListaDesplegable*>(c)) desplegable->setListIndex(indice);
    else lista->setCurrentIndex(indice);
}

// Restores what the saved rows say for one control.
void Restaura(QWidget* c, const QString& formulario, const QString& usuario) {
    const QString tipo = ui::TipoControl(c);
    const QString nombre = ui::Nombre(c);
    auto primero = [&](const QString& datafield, const QString& propiedad) {
        return LeeValores(formulario, usuario, tipo, nombre, datafield, propiedad, false);
    };
    if (EsTipo(tipo, "TextBox")) {
        const QStringList v = primero(ui::DataField(c), QStringLiteral("Text"));
        if (!v.isEmpty()) ui::setTexto(c, Trim(v.first()));
    } else if (EsTipo(tipo, "CheckBox")) {
        const QStringList v = primero(ClaveDeMiembro(c, ui::DataField(c)), QStringLiteral("Value"));
        if (!v.isEmpty()) setValorCasilla(c, base::Val(v.first()));
    } else if (EsTipo(tipo, "OptionButton")) {
        const QStringList v = primero(ClaveDeMiembro(c, nombre), QStringLiteral("Value"));
        auto* opcion = qobject_cast<QAbstractButton*>(c);
        if (!v.isEmpty() && opcion) opcion->setChecked(base::Variant(Trim(v.first())).toBool());
    } else if (EsTipo(tipo, "ComboBox")) {
        if (Iguales(nombre, QStringLiteral("CboPlantilla"))) return;
        const QStringList v = primero(ui::DataField(c), QStringLiteral("ListIndex"));
        if (!v.isEmpty()) setIndiceLista(c, base::Val(v.first()));
    } else if (EsTipo(tipo, "ListView")) {
        // Each header's width is read under its own text; positions are read, not applied.
        QHeaderView* encabezado = Encabezado(c);
        for (int i = 0; i < encabezado->count(); ++i) {
            const QStringList v = primero(TextoEncabezado(c, i), QStringLiteral("ColWidth"));
            if (!v.isEmpty()) encabezado->resizeSection(i, base::Variant(base::Val(v.first())).toLong() / kTwipsPorPixel);
        }
        for (int i = 0; i < encabezado->count(); ++i) primero(TextoEncabezado(c, i), QStringLiteral("ColPosition"));
    } else if (EsTipo(tipo, "QVDBGRID")) {
        QStringList v = primero(QString(), QStringLiteral("PageSize"));
        if (!v.isEmpty()) c->setProperty("PageSize", Trim(v.first()));
        v = primero(QString(), QStringLiteral("CamposSel"));
        if (!v.isEmpty()) c->setProperty("CamposSel", Trim(v.first()));
        // Widths by position, in id order; rows beyond the last column are left.
        QTableView* grilla = GrillaInterna(c);
        const int columnas = grilla->model() ? grilla->model()->columnCount() : 0;
        const QStringList anchos = LeeValores(formulario, usuario, tipo, nombre, QString(), QStringLiteral("ColWidth"), true);
        for (int i = 0; i < columnas && i < anchos.size(); ++i)
            grilla->setColumnWidth(i, base::Variant(base::Val(anchos[i])).toLong() / kTwipsPorPixel);
    }
}

}  // namespace

void GrabaConfigForm(QWidget* formulario, const QString& Sufijo, const QString& Control) {
    if (!formulario) return;
    QString formularioClave;
    QString usuario;
    QStringList sentencias;
    bool hayFilas = false;

    // Until the first row is written a failure ends the save (nothing has been sent);
    // from then on a failing control is left out and the save goes on.
    const base::Manejador manejador = [&](const base::Error&) { return hayFilas ? base::Continuar : 0; };
    std::vector<base::Paso> pasos = {
        [&] {
            Claves(formulario, Sufijo, formularioClave, usuario);
            QString borrado = QStringLiteral("DELETE TA_CONFIG_FORM WHERE FORMULARIO = '") + TextoSQL(formularioClave) +
                              QStringLiteral("' AND USUARIO= '") + TextoSQL(usuario);
            if (Control.isEmpty()) borrado += QStringLiteral("'");
            else borrado += QStringLiteral("' and Nombre = '") + TextoSQL(Control) + QStringLiteral("'");
            sentencias.append(borrado);
        },
    };
    for (QWidget* c : ui::ControlesEnOrden(formulario)) {
        pasos.push_back([&, c] {
            for (const Fila& f : FilasDe(c)) {
                if (!Control.isEmpty() && !Iguales(Control, f.tipo) && !Iguales(Control, f.nombre)) continue;
                sentencias.append(
                    QStringLiteral("INSERT INTO TA_CONFIG_FORM (FORMULARIO,USUARIO,TIPOOBJETO,NOMBRE,PROPIEDAD,DATAFIELD,VALOR) VALUES ('") +
                    Clave(formularioClave, kAnchoFormulario) + QStringLiteral("','") + Clave(usuario, kAnchoClave) +
                    QStringLiteral("','") + Clave(f.tipo, kAnchoClave) + QStringLiteral("','") +
                    Clave(f.nombre, kAnchoClave) + QStringLiteral("','") + Clave(f.propiedad, kAnchoClave) +
                    QStringLiteral("','") + Clave(f.datafield, kAnchoClave) + QStringLiteral("','") +
                    TextoSQL(f.valor) + QStringLiteral("')"));
                hayFilas = true;
            }
        });
    }
    if (!base::EjecutarPasos(pasos, manejador)) return;
    base::PasoGuardado([&] { EjecutaEnUnaTransaccion(sentencias); }, base::IgnorarFalla);
}

void LeeConfigForm(QWidget* formulario, const QString& Sufijo, const QString& Control) {
    if (!formulario) return;
    QString formularioClave;
    QString usuario;
    // Any failure ends the restore; the controls not yet visited keep what they show.
    const base::Manejador salir = [](const base::Error&) { return 0; };
    std::vector<base::Paso> pasos = {[&] { Claves(formulario, Sufijo, formularioClave, usuario); }};
    for (QWidget* c : ui::ControlesEnOrden(formulario)) {
        pasos.push_back([&, c] {
            if (!Control.isEmpty() && !Iguales(Control, ui::Nombre(c))) return;
            Restaura(c, formularioClave, usuario);
        });
    }
    base::EjecutarPasos(pasos, salir);
}
