// Drop-down list with the suite's ListIndex and Click. A user's choice comes through
// QComboBox::activated (emitted once per choice, also when the same item is chosen
// again); a choice from code comes through setListIndex. Neither Clear nor AddItem
// raise Click.
#include "ui/lista_desplegable.h"
#include "base/error.h"

namespace ui {

ListaDesplegable::ListaDesplegable(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    connect(this, &QComboBox::activated, this, [this](int) {
        if (!cambiandoDesdeCodigo_) emit Click();
    });
}

void ListaDesplegable::setListIndex(int indice) {
    if (indice < -1 || indice >= count())
        throw base::Error(380, QStringLiteral("Invalid property value"));
    cambiandoDesdeCodigo_ = true;
    setCurrentIndex(indice);
    cambiandoDesdeCodigo_ = false;
    emit Click();
}

void ListaDesplegable::Clear() {
    cambiandoDesdeCodigo_ = true;
    clear();
    cambiandoDesdeCodigo_ = false;
}

void ListaDesplegable::AddItem(const QString& texto) {
    const int antes = currentIndex();
    cambiandoDesdeCodigo_ = true;
    addItem(texto);
    // QComboBox selects the first item added to an empty list; the suite's list does not.
    if (currentIndex() != antes) setCurrentIndex(antes);
    cambiandoDesdeCodigo_ = false;
}

}  // namespace ui
