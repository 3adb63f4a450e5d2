// frmAcceso, "Control de Acceso": the modal sign-in dialog in which the user gives the
// connection data when the start-up has none. Aceptar is the default button, Cancelar
// the cancel button (Esc); the password is masked.
#pragma once
#include <QDialog>
#include "ui/operador.h"

class QComboBox;
class QFrame;
class QLineEdit;
class QPushButton;

class frmAcceso : public QDialog {
    Q_OBJECT
public:
    explicit frmAcceso(QWidget* parent = nullptr);

    bool Aceptar = false;     // true when closed with "Aceptar"

    QLineEdit* TxtUserId;
    QLineEdit* TxtUserPassword;
    QLineEdit* TxtDbName;
    QLineEdit* TxtServidor;
    QComboBox* CboPlataformaDB;
    QPushButton* bcAceptar;
    QPushButton* bcCancelar;
    QFrame* framAcceso;

    // Fills the dialog from `datos`, selects platform 0, shows it modally and gives back
    // Aceptar and, when true, the edited values. This is what the Qt operator's
    // PedirAcceso runs.
    static bool Mostrar(ui::DatosAcceso& datos);

protected:
    void showEvent(QShowEvent* e) override;
};
