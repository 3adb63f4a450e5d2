// The control model over Qt widgets. Metadata lives in dynamic properties: the object
// name, "Index" (-1 for a control that is not an array member), "DataField", "Tag",
// "TypeName" (overrides the type mapping) and "rmSecuencia", a program-wide increasing
// number given at registration, which is "the window's own order".
#include "ui/controles.h"
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QTreeWidget>
#include <algorithm>
#include "ui/barra_estado.h"
#include "ui/ferrobar.h"
#include "ui/lista_desplegable.h"

namespace ui {

namespace {
constexpr const char* kIndex = "Index";
constexpr const char* kDataField = "DataField";
constexpr const char* kTag = "Tag";
constexpr const char* kTypeName = "TypeName";
constexpr const char* kSecuencia = "rmSecuencia";

qint64 secuencia(const QObject* o) { return o->property(kSecuencia).toLongLong(); }
bool registrado(const QObject* o) { return o->property(kSecuencia).isValid(); }
}  // namespace

QWidget* Registrar(QWidget* control, const QString& nombre, int indice) {
    static qint64 siguiente = 0;
    if (!control) return control;
    control->setObjectName(nombre);
    control->setProperty(kIndex, indice);
    control->setProperty(kSecuencia, ++siguiente);
    return control;
}

QString Nombre(const QObject* control) { return control ? control->objectName() : QString(); }

int Indice(const QObject* control) {
    if (!control) return -1;
    bool ok = false;
    const int i = control->property(kIndex).toInt(&ok);
    return ok ? i : -1;
}

bool EsMiembroDeArray(const QObject* control) { return Indice(control) >= 0; }

QString DataField(const QObject* control) { return control ? control->property(kDataField).toString() : QString(); }
void setDataField(QObject* control, const QString& campo) { if (control) control->setProperty(kDataField, campo); }
QString Tag(const QObject* control) { return control ? control->property(kTag).toString() : QString(); }
void setTag(QObject* control, const QString& tag) { if (control) control->setProperty(kTag, tag); }

QString TipoControl(const QObject* c) {
    if (!c) return QString();
    const QString propio = c->property(kTypeName).toString();
    if (!propio.isEmpty()) return propio;
    // Most specific classes first: QLabel and the item views are QFrames too.
    if (qobject_cast<const QLineEdit*>(c) || qobject_cast<const QTextEdit*>(c) ||
        qobject_cast<const QPlainTextEdit*>(c)) return QStringLiteral("TextBox");
    if (qobject_cast<const ListaDesplegable*>(c) || qobject_cast<const QComboBox*>(c)) return QStringLiteral("ComboBox");
    if (qobject_cast<const QCheckBox*>(c)) return QStringLiteral("CheckBox");
    if (qobject_cast<const QRadioButton*>(c)) return QStringLiteral("OptionButton");
    if (qobject_cast<const QTreeWidget*>(c)) return QStringLiteral("ListView");
    if (qobject_cast<const QLabel*>(c)) return QStringLiteral("Label");
    if (qobject_cast<const QPushButton*>(c)) return QStringLiteral("CommandButton");
    if (qobject_cast<const BarraEstado*>(c)) return QStringLiteral("StatusBar");
    if (qobject_cast<const Ferrobar*>(c)) return QStringLiteral("Ferrobar");
    if (qobject_cast<const QGroupBox*>(c)) return QStringLiteral("Frame");
    if (c->metaObject()->className() == QByteArray("QFrame")) return QStringLiteral("Frame");
    QString clase = QString::fromLatin1(c->metaObject()->className());
    return clase.mid(clase.lastIndexOf(QLatin1Char(':')) + 1);
}

QString TipoFormulario(const QWidget* form) {
    if (!form) return QString();
    const QString propio = form->property(kTypeName).toString();
    return propio.isEmpty() ? form->objectName() : propio;
}

QList<QWidget*> ControlesEnOrden(const QWidget* form) {
    QList<QWidget*> r;
    if (!form) return r;
    for (QWidget* w : form->findChildren<QWidget*>())
        if (registrado(w)) r.append(w);
    std::stable_sort(r.begin(), r.end(), [](QWidget* a, QWidget* b) { return secuencia(a) < secuencia(b); });
    return r;
}

QList<QWidget*> Miembros(const QWidget* form, const QString& nombre) {
    QList<QWidget*> r;
    for (QWidget* w : ControlesEnOrden(form))
        if (EsMiembroDeArray(w) && Nombre(w).compare(nombre, Qt::CaseInsensitive) == 0) r.append(w);
    std::stable_sort(r.begin(), r.end(), [](QWidget* a, QWidget* b) { return Indice(a) < Indice(b); });
    return r;
}

QWidget* ControlPorNombre(const QWidget* form, const QString& nombre, int indice) {
    for (QWidget* w : ControlesEnOrden(form))
        if (Nombre(w).compare(nombre, Qt::CaseInsensitive) == 0 && (indice < 0 || Indice(w) == indice)) return w;
    return nullptr;
}

QString Texto(const QWidget* c) {
    if (auto* e = qobject_cast<const QLineEdit*>(c)) return e->text();
    if (auto* e = qobject_cast<const QPlainTextEdit*>(c)) return e->toPlainText();
    if (auto* e = qobject_cast<const QTextEdit*>(c)) return e->toPlainText();
    if (auto* e = qobject_cast<const QComboBox*>(c)) return e->currentText();
    if (auto* e = qobject_cast<const QLabel*>(c)) return e->text();
    if (auto* e = qobject_cast<const QAbstractButton*>(c)) return e->text();
    if (auto* e = qobject_cast<const QGroupBox*>(c)) return e->title();
    return QString();
}

void setTexto(QWidget* c, const QString& texto) {
    if (auto* e = qobject_cast<QLineEdit*>(c)) e->setText(texto);
    else if (auto* e = qobject_cast<QPlainTextEdit*>(c)) e->setPlainText(texto);
    else if (auto* e = qobject_cast<QTextEdit*>(c)) e->setPlainText(texto);
    else if (auto* e = qobject_cast<QComboBox*>(c)) { if (e->isEditable()) e->setEditText(texto); }
    else if (auto* e = qobject_cast<QLabel*>(c)) e->setText(texto);
    else if (auto* e = qobject_cast<QAbstractButton*>(c)) e->setText(texto);
    else if (auto* e = qobject_cast<QGroupBox*>(c)) e->setTitle(texto);
}

}  // namespace ui
