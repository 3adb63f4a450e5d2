// The control model: a window's controls are Qt widgets carrying the system's metadata
// as dynamic properties: object name, Index (control-array members), DataField, Tag,
// and the type name ("TextBox", "ComboBox", "CheckBox", "OptionButton", "ListView",
// "QVDBGRID", ...) from one mapping. "The window's own order" is the order in which
// controls were registered (created).
#pragma once
#include <QList>
#include <QString>
#include <QWidget>

namespace ui {

// Registers a control created for a window: sets its name, index (-1: not an array
// member) and creation sequence. Returns the control.
QWidget* Registrar(QWidget* control, const QString& nombre, int indice = -1);

QString Nombre(const QObject* control);
int Indice(const QObject* control);           // -1 when not a control-array member
bool EsMiembroDeArray(const QObject* control);
QString DataField(const QObject* control);
void setDataField(QObject* control, const QString& campo);
QString Tag(const QObject* control);
void setTag(QObject* control, const QString& tag);
// Type name as the platform reports it; a "TypeName" dynamic property overrides the mapping.
QString TipoControl(const QObject* control);
// Window type name (its class name in the suite, e.g. "FrmRmAutoImpr").
QString TipoFormulario(const QWidget* form);

// The window's registered controls in creation order.
QList<QWidget*> ControlesEnOrden(const QWidget* form);
// The members of a control array, by index order.
QList<QWidget*> Miembros(const QWidget* form, const QString& nombre);
// A control by name (first registered; -1 index = any member).
QWidget* ControlPorNombre(const QWidget* form, const QString& nombre, int indice = -1);

// Text of a text-like control (QLineEdit) and its setter.
QString Texto(const QWidget* control);
void setTexto(QWidget* control, const QString& texto);

}  // namespace ui
