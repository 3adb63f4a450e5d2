// The companion library of the suite: one program-wide object per class, created on
// first use (ZkGeneral(), ZkControles(), ...). Inner working is ours; what callers rely
// on is written at each operation.
#pragma once
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include "base/error.h"
#include "base/variant.h"

class QWidget;
namespace ado { class Field; }

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
    // Days in the month; year 0 (not given) answers 28 for February.
    int DiasDelMes(int mes, int anio = 0);
    QDate ElegirFecha();                                      // date picker through the operator
    void PreparaFormulario(QWidget* form, bool flag);
    QString AlinearDerecha(const QString& texto, int ancho = -1);  // right-aligned; cut to the width when longer
    // Error dialog of the main window's routines: same shape, answers and QVERR.LOG
    // line as ControlErrores. Returns 4 retry, 5 skip, other abandon.
    int TrataError(const base::Error& falla, const QString& omitido, const QString& operacion);
    QString Codificar(const QString& texto);                  // reversible encoding (NOT encryption)
    QString Decodificar(const QString& texto);
    QString CarpetaConBarra(const QString& carpeta);          // ends with "/" (empty stays empty)
    bool EsElementoDeArray(const QWidget* control);
    void CierraFormulario(QWidget* form, const QString& texto);
    void AbreFormulario(QWidget* form, const QString& texto);
    bool EstaEnLista(const QString& texto, const QStringList& lista);  // case-insensitive
};

class ZkControlesClass {
public:
    bool EsTeclaNavegacion(int tecla);           // Enter, Up, Down
    void ProcesarTecla(int& tecla, QWidget* form);  // moves the focus; sets tecla to 0 when handled
    // Index of the member whose DataField equals `nombre` (any case); -1 when none.
    int IndicePorCampo(const QString& nombre, const QList<QWidget*>& miembros);
};

class ZkSesionClass {
public:
    QString NombreMaquina();          // host name
    QString NombreUsuarioEquipo();    // operating-system user name
    QString CarpetaTemporal();        // TMPDIR or /tmp, with trailing "/"
    // Opens a file with the desktop's associated application; returns true when started.
    bool ShellEjecutar(long ventana, const QString& operacion, const QString& archivo,
                       const QString& parametros, const QString& carpeta, int modo);
};

class ZkArchivoIniClass {
public:
    // Windows profile-file reading: sections and keys compared without case, the
    // default when the file, section or key is missing. A bare file name is looked for
    // in the folder of RmIniFolder() (see zorvkit.cpp).
    QString LeerIni(const QString& archivo, const QString& seccion, const QString& clave,
                    const QString& porDefecto);
    static QString CarpetaIni();
};

class ZkAvanceClass {
public:
    void MuestraAvance(const QString& titulo, int valor);
    void ActualizaAvance(int valor, const QString& texto);
    void CierraAvance();
    bool Abierto() const;
    QString Texto() const;
    QString Titulo() const;
};

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
