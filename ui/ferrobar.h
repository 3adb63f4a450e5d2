// Ferrobar: the suite's toolbar. Eight standard buttons (nuevo, borrar, reporte,
// consulta, planilla, cancelar, grabar, cerrar) with icons; a press is reported by
// ButtonClick with the button's name. Boolean properties are also reachable by
// dispatch identifier (the mapping is in ferrobar.cpp); StyleBar sets the look
// (0 raised buttons, 1 flat). ManejarTecla is the key-handling method the window
// forwards every key press to (F-keys and Esc press the matching button).
#pragma once
#include <QHash>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <cstdint>

class QToolButton;

namespace ui {

class Ferrobar : public QWidget {
    Q_OBJECT
public:
    explicit Ferrobar(QWidget* parent = nullptr);

    // Button names as reported by ButtonClick: "NUEVO", "BORRAR", "REPORTE",
    // "CONSULTAR", "PLANILLA", "CANCELAR", "GRABAR", "CERRAR".
    static QStringList NombresBotones();

    // "<word>enabled" properties (nuevoenabled ... cerrarenabled): the button is
    // shown and enabled when true.
    void setHabilitado(const QString& palabra, bool valor);   // palabra: "grabar", ...
    bool Habilitado(const QString& palabra) const;

    // Boolean property by dispatch identifier; unknown identifiers are ignored.
    void setPropiedad(uint32_t dispid, bool valor);
    bool Propiedad(uint32_t dispid) const;

    double StyleBar() const { return styleBar_; }
    void setStyleBar(double estilo);

    // Key-handling method (dispatch identifier 0x60030015): a key that presses a
    // button raises ButtonClick and is set to 0 (consumed); other keys are left.
    void ManejarTecla(int& tecla);

    QToolButton* Boton(const QString& nombre) const;   // for tests

signals:
    void ButtonClick(const QString& nombre);

private:
    QHash<QString, QToolButton*> botones_;
    double styleBar_ = 1;
};

}  // namespace ui
