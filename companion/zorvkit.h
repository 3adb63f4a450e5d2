// The companion library of the suite: one program-wide object per class, created on
// first use (ZkGeneral(), ZkControles(), ...). Inner working is ours; what callers rely
// on is written at each operation.
#pragma once
#include <QDate>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include "base/error.h"
#include "base/variant.h"

class QWidget;
namespace ado { class Field; }
namespace ui { class VentanaAvance; }

class ZkGeneralClass {
public:
    QString AnchoFijo(const QString& texto, int ancho);      // cut or blank-padded to exactly `ancho`
    QString Recortar(const QString& texto, int maximo);       // at most `maximo` characters
    qint64 TextoAImporte(const QString& texto);               // regional number text -> amount in ten thousandths (4 decimals); 0 when not a number
    base::Variant TextoAImporteV(const QString& texto);       // the same as a Currency variant
    qint32 TextoAEntero(const QString& texto);                // regional number text -> whole number (halves to even); 0 when not a number
    base::Variant ValorSeguro(const base::Variant& v);        // Null/Empty -> "" ; else the value
    base::Variant ValorSeguro(const ado::Field& f);
    int CantidadPalabras(const QString& texto);               // blank-separated words
    QString QuitarCaracteres(const QString& texto, const QString& c1, const QString& c2 = QString(),
                             const QString& c3 = QString());
    QString ReemplazarTexto(const QString& texto, const QString& buscado, const QString& nuevo);
    // Days in the month (1-12; another month raises Error 5); February has 29 days in
    // the leap years of the Gregorian calendar when a year is given, 28 for year 0.
    int DiasDelMes(int mes, int anio = 0);
    QDate ElegirFecha();                                      // date picker through the operator
    // Gives a window without a title the program's title; with `flag` true it also
    // centres the window on its screen. Never fails.
    void PreparaFormulario(QWidget* form, bool flag);
    // Right-aligned in `ancho` (blanks on the left); a longer text is cut to its first
    // `ancho` characters; without a width the text is returned as it is.
    QString AlinearDerecha(const QString& texto, int ancho = -1);
    // Error dialog of the main window's routines: same shape, answers and QVERR.LOG
    // line as ControlErrores (the log is dialogo_error::RutaLogTemporal(); a log that
    // cannot be written is ignored). Error number 0 shows nothing and returns 0.
    // Returns 4 retry, 5 skip, other abandon.
    int TrataError(const base::Error& falla, const QString& omitido, const QString& operacion);
    QString Codificar(const QString& texto);                  // reversible encoding (NOT encryption)
    QString Decodificar(const QString& texto);
    QString CarpetaConBarra(const QString& carpeta);          // ends with "/" (empty stays empty)
    bool EsElementoDeArray(const QWidget* control);
    // The opening and closing steps of a window: the program keeps the list of its
    // open windows. `texto` is accepted for the suite's callers (they pass "").
    void CierraFormulario(QWidget* form, const QString& texto);
    void AbreFormulario(QWidget* form, const QString& texto);
    QList<QWidget*> FormulariosAbiertos() const;
    bool EstaEnLista(const QString& texto, const QStringList& lista);  // case-insensitive

private:
    QList<QPointer<QWidget>> abiertos_;
};

class ZkControlesClass {
public:
    // Key codes are Qt::Key values. Navigation keys: Return, Enter, Up, Down.
    bool EsTeclaNavegacion(int tecla);
    // Return, Enter and Down move the focus to the next field of the window's tab
    // order, Up to the previous one, and set tecla to 0. Keys that the focused control
    // needs for itself are left to it: Up and Down in lists, spin boxes and multi-line
    // text, Return and Enter on buttons and in multi-line text.
    void ProcesarTecla(int& tecla, QWidget* form);
    // Index of the member whose DataField equals `nombre` (any case); -1 when none.
    int IndicePorCampo(const QString& nombre, const QList<QWidget*>& miembros);
};

class ZkSesionClass {
public:
    QString NombreMaquina();          // host name
    QString NombreUsuarioEquipo();    // operating-system user name
    QString CarpetaTemporal();        // TMPDIR or /tmp, with trailing "/"
    // Opens a file (or URL) with the desktop's associated application, detached; an
    // executable file is started with `parametros` in `carpeta`. A relative file name
    // is taken from `carpeta`. Returns true when started.
    bool ShellEjecutar(long ventana, const QString& operacion, const QString& archivo,
                       const QString& parametros, const QString& carpeta, int modo);
};

class ZkArchivoIniClass {
public:
    // Windows profile-file reading: "[section]" lines, "key=value" lines, ";" comments;
    // sections and keys compared without case, the value trimmed (and unquoted), the
    // default when the file, section or key is missing. A bare file name such as
    // "RO000za.INI" is looked for in CarpetasIni(), in order, its name matched without
    // case; a name with a folder is read from that folder.
    QString LeerIni(const QString& archivo, const QString& seccion, const QString& clave,
                    const QString& porDefecto);
    // $ZORVSUITE_INI_DIR (when set), $XDG_CONFIG_HOME/zorvsuite (default
    // ~/.config/zorvsuite), /etc/zorvsuite.
    static QStringList CarpetasIni();
    static QString CarpetaIni();      // the first of CarpetasIni()
    // The file LeerIni reads for `archivo`; empty when there is none.
    static QString UbicarIni(const QString& archivo);
};

// The progress window (ui::VentanaAvance). It is not shown on the "offscreen" and
// "minimal" platforms (runs without a display), but the state is kept in every case.
class ZkAvanceClass {
public:
    ~ZkAvanceClass();
    void MuestraAvance(const QString& titulo, int valor);
    void ActualizaAvance(int valor, const QString& texto);
    void CierraAvance();
    bool Abierto() const;
    QString Texto() const;
    QString Titulo() const;
    ui::VentanaAvance* Ventana() const;   // nullptr when none is shown

private:
    bool abierto_ = false;
    QString titulo_;
    QString texto_;
    QPointer<ui::VentanaAvance> ventana_;
};

// File-open dialog through the operator; FiltroDialogo is "Description |*.EXT".
// DialogoCancelado is the suite's True (-1) after a cancelled dialog, 0 otherwise.
class ZkDialogoArchivoClass {
public:
    QString TituloDialogo;
    QString FiltroDialogo;
    void MostrarAbrir();
    QString ArchivoElegido() const { return elegido_; }
    long DialogoCancelado() const { return cancelado_; }

private:
    QString elegido_;
    long cancelado_ = 0;
};

// Program-wide objects.
ZkGeneralClass& ZkGeneral();
ZkControlesClass& ZkControles();
ZkSesionClass& ZkSesion();
ZkArchivoIniClass& ZkArchivoIni();
ZkAvanceClass& ZkAvance();
ZkDialogoArchivoClass& ZkDialogoArchivo();
