// FrmRmAutoImpr, "Interfaz de Remitos para Autoimpresores": the program's only working
// window. The user types a year, picks a month and chooses a destination folder; the
// window keeps the period's first and last day in two fields under the status bar, and
// its toolbar starts the remitos information file export, a field lookup or closing.
// Its load is the program's start-up and its unload the program's end.
#pragma once
#include <QMap>
#include <QString>
#include <QWidget>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
namespace ui {
class BarraEstado;
class Ferrobar;
class ListaDesplegable;
}  // namespace ui

class FrmRmAutoImpr : public QWidget {
    Q_OBJECT
public:
    explicit FrmRmAutoImpr(QWidget* parent = nullptr);

    // Controls (the text-field and label arrays are addressed by index).
    ui::Ferrobar* Ferrobar1;
    QFrame* Frame2;
    QMap<int, QLabel*> Label1;
    QMap<int, QLineEdit*> Txtfields;
    QLabel* Label2;
    ui::ListaDesplegable* cmbCuatrimestre;
    QPushButton* CmdDestino;
    ui::BarraEstado* sbStatusBar;

    // Index of the Txtfields member that last received the focus.
    int IndiceCampoActual = 0;

    // Events and operations.
    void Form_Load();                                 // the start-up sequence
    void LlenarListaDeMeses();                        // the thirteen texts of the month list
    void cmbCuatrimestre_Click();                     // the period computation
    void CmdDestino_Click();                          // the folder choice
    void Ferrobar1_ButtonClick(const QString& nombre);  // the toolbar dispatch
    void CmdConsultar();                              // field lookup on the current field
    void Form_Unload();                               // the closing sequence (runs once)
    QString BrowseForDirectory(long ventana);

    // The remitos information file export and its line writer.
    void ActualizarDatos();
    // Writes one line (NoAgrega true: creates or empties the file first). Returns false
    // when the line could not be written.
    bool CrearArchivo(const QString& Ruta, const QString& Dato, bool NoAgrega);

    // The field whose DataField is `campo` (through IndicePorCampo).
    QLineEdit* Campo(const QString& campo) const;
    QList<QWidget*> MiembrosTxtfields() const;

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    bool descargado_ = false;
};
