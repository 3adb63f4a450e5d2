// Ferrobar: the suite's toolbar. Eight standard buttons with icons and tooltips; a
// press is reported by ButtonClick with the button's name. StyleBar sets the look
// (1 flat buttons that rise under the mouse, 0 raised buttons).
//
// Buttons, their "<word>enabled" property, its dispatch identifier and key:
//   NUEVO      nuevoenabled     0x68030001   F5
//   GRABAR     grabarenabled    0x68030002   F2
//   CERRAR     cerrarenabled    0x68030003   Esc
//   BORRAR     borrarenabled    0x68030004   F6
//   CONSULTAR  consultaenabled  0x68030005   F3
//   REPORTE    reporteenabled   0x68030006   F7
//   PLANILLA   planillaenabled  0x68030007   F8
//   CANCELAR   cancelarenabled  0x68030008   F9
// A button is shown and enabled while its property is true (all are at creation); a
// false property hides it. The main window sets 0x68030008, 0x68030004, 0x68030006,
// 0x68030001 and 0x68030007 to false, so it shows CONSULTAR, GRABAR and CERRAR.
//
// ManejarTecla is the key-handling method (dispatch identifier 0x60030015) the window
// forwards every key press to. Key codes are Qt::Key values (QKeyEvent::key()). A key
// of the table presses its button only while the button is shown; a pressed key is
// set to 0 (consumed), any other key is left as it was.
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
    // palabra: the word ("grabar", "consulta"), the property ("grabarenabled") or the
    // button name, in any case; unknown words are ignored.
    void setHabilitado(const QString& palabra, bool valor);
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
