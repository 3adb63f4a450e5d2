// The operator interface: every message box, input box, folder or file choice and the
// sign-in dialog go through the current Operador. Implementations: OperadorQt (real
// modal dialogs), OperadorHeadless (prints "title: text" to stderr and gives the safe
// answer) and OperadorGuionado (tests queue answers and read back every call).
#pragma once
#include <QDate>
#include <QString>
#include <memory>

class QWidget;

namespace ui {

// Message-box styles (buttons 0-5 plus icon) and answers, as the system numbers them.
enum Estilo {
    vbOKOnly = 0, vbOKCancel = 1, vbAbortRetryIgnore = 2, vbYesNoCancel = 3, vbYesNo = 4,
    vbRetryCancel = 5, vbCritical = 16, vbQuestion = 32, vbExclamation = 48, vbInformation = 64
};
enum Respuesta { vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7 };

// The program's title: the default title of message boxes.
QString TituloPrograma();   // "RmAutoImpr"

// What the sign-in dialog shows and gives back.
struct DatosAcceso {
    QString UserId;
    QString UserPassword;
    QString DbName;
    QString Servidor;
    int Plataforma = 0;      // CboPlataformaDB index: 0 SQL Server, 1 ORACLE
};

class Operador {
public:
    virtual ~Operador() = default;
    // Returns the answer (vbOK...vbNo). An empty title means TituloPrograma().
    virtual int MsgBox(const QString& texto, int estilo = vbOKOnly, const QString& titulo = QString()) = 0;
    // Returns the typed text, or empty text when cancelled.
    virtual QString InputBox(const QString& texto, const QString& titulo = QString(),
                             const QString& porDefecto = QString()) = 0;
    // Folder choice; empty text when cancelled.
    virtual QString ElegirCarpeta(const QString& titulo, QWidget* duenio = nullptr) = 0;
    // File-open choice; empty text when cancelled. `filtro` is "Description |*.EXT".
    virtual QString ElegirArchivo(const QString& titulo, const QString& filtro) = 0;
    // Date picker; an invalid QDate when cancelled.
    virtual QDate ElegirFecha(const QDate& inicial) = 0;
    // Sign-in dialog (frmAcceso): fills the fields from `datos`, returns Aceptar and,
    // when true, the edited values in `datos`.
    virtual bool PedirAcceso(DatosAcceso& datos) = 0;
};

// The current operator (headless until main or a test installs another).
Operador& operador();
void instalarOperador(std::unique_ptr<Operador> op);

}  // namespace ui
