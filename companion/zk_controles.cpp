// ZkControles: field navigation with Enter and the arrow keys, and the control-array
// look-up by data-field name.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>
#include "base/texto.h"
#include "companion/zorvkit.h"
#include "ui/controles.h"

namespace {

bool esMultilinea(const QWidget* w) { return qobject_cast<const QTextEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w); }

// Whether the focused control needs the key for itself.
bool teclaDelControl(const QWidget* w, int tecla) {
    if (tecla == Qt::Key_Up || tecla == Qt::Key_Down)
        return qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
               qobject_cast<const QAbstractSpinBox*>(w) || esMultilinea(w);
    return qobject_cast<const QAbstractButton*>(w) || esMultilinea(w);
}

bool aceptaFoco(const QWidget* w, const QWidget* form) {
    return (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(form) && form->isAncestorOf(w);
}

}  // namespace

bool ZkControlesClass::EsTeclaNavegacion(int tecla) {
    return tecla == Qt::Key_Return || tecla == Qt::Key_Enter || tecla == Qt::Key_Up || tecla == Qt::Key_Down;
}

void ZkControlesClass::ProcesarTecla(int& tecla, QWidget* form) {
    if (!form || !EsTeclaNavegacion(tecla)) return;
    QWidget* actual = form->focusWidget();
    if (!actual) actual = QApplication::focusWidget();
    if (!actual || !form->isAncestorOf(actual) || teclaDelControl(actual, tecla)) return;
    const bool adelante = tecla != Qt::Key_Up;
    // The focus chain of a window is its tab order.
    for (QWidget* w = adelante ? actual->nextInFocusChain() : actual->previousInFocusChain(); w && w != actual;
         w = adelante ? w->nextInFocusChain() : w->previousInFocusChain()) {
        if (aceptaFoco(w, form)) {
            w->setFocus(adelante ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            tecla = 0;
            return;
        }
    }
}

int ZkControlesClass::IndicePorCampo(const QString& nombre, const QList<QWidget*>& miembros) {
    for (const QWidget* m : miembros)
        if (m && ui::DataField(m).compare(nombre, Qt::CaseInsensitive) == 0) return ui::Indice(m);
    return -1;
}
