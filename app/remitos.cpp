// The remitos information file of a self-printing issuer: for the month chosen in the
// main window, REMITOS_<MMM>_<year>.txt in the destination folder, in Windows-1252 with
// CR LF: the issuer's CUIT, the period, and for every remitos receipt book that issued
// remitos in the period its CAI, point of sale, document type 91 and the last number.
#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include "ado/recordset.h"
#include "app/frm_rm_auto_impr.h"
#include "base/archivos.h"
#include "base/format.h"
#include "base/pasos.h"
#include "base/texto.h"
#include "companion/zorvkit.h"
#include "data/global.h"
#include "session/cfg.h"
#include "ui/controles.h"
#include "ui/lista_desplegable.h"
#include "ui/operador.h"

using namespace base;

namespace {

const QString kAvisoOPERADOR = QStringLiteral("AVISO AL OPERADOR");
const QString kAvisoOperador = QStringLiteral("Aviso al Operador");

// ENE 01 ... DIC 12.
QString numeroDeMes(const QString& abreviatura) {
    static const QStringList meses = {QStringLiteral("ENE"), QStringLiteral("FEB"), QStringLiteral("MAR"),
                                      QStringLiteral("ABR"), QStringLiteral("MAY"), QStringLiteral("JUN"),
                                      QStringLiteral("JUL"), QStringLiteral("AGO"), QStringLiteral("SEP"),
                                      QStringLiteral("OCT"), QStringLiteral("NOV"), QStringLiteral("DIC")};
    for (int i = 0; i < meses.size(); ++i)
        if (Iguales(meses[i], abreviatura)) return Format(Variant(i + 1), QStringLiteral("00"));
    return QString();
}

QString entero(const QString& texto) { return QString::number(static_cast<qint64>(Val(texto))); }

int aviso(const QString& texto, const QString& titulo, int estilo = ui::vbCritical + ui::vbOKOnly) {
    return ui::operador().MsgBox(texto, estilo, titulo);
}

}  // namespace

bool FrmRmAutoImpr::CrearArchivo(const QString& Ruta, const QString& Dato, bool NoAgrega) {
    bool escrito = true;
    try {
        EscribirLinea(Ruta, Dato, !NoAgrega);
    } catch (...) {
        escrito = false;
    }
    QCoreApplication::processEvents();
    return escrito;
}

void FrmRmAutoImpr::ActualizarDatos() {
    auto& zk = ZkGeneral();
    auto& avance = ZkAvance();
    DB_Dll& db = DBMain();

    // Validations: nothing is touched when one fails.
    if (cmbCuatrimestre->ListIndex() < 0) {
        aviso(QStringLiteral("Debe seleccionar un cuatrimestre a informar!!! "), kAvisoOPERADOR);
        return;
    }
    const QString anio = Campo(QStringLiteral("AÑO"))->text();
    const double valorAnio = Val(anio);
    if (valorAnio == 0) {
        aviso(QStringLiteral("Debe seleccionar el Año del cuatrimestre a informar!!! "), kAvisoOPERADOR);
        return;
    }
    if (valorAnio < 1900 || valorAnio > 2050) {
        aviso(QStringLiteral("Debe informar un AÑO VALIDO!!! "), kAvisoOPERADOR);
        return;
    }
    const QString desde = Campo(QStringLiteral("FECHA_DESDE"))->text();
    const QString hasta = Campo(QStringLiteral("FECHA_HASTA"))->text();
    if (desde.isEmpty() || hasta.isEmpty()) {
        aviso(QStringLiteral("Seleccione un Mes para continuar"), kAvisoOperador);
        return;
    }
    const QString carpeta = Campo(QStringLiteral("Carpeta"))->text();
    if (Trim(carpeta).isEmpty()) {
        aviso(QStringLiteral("Debe seleccionar la carpeta destino!"), kAvisoOperador);
        return;
    }

    const QString abreviatura = ui::Tag(cmbCuatrimestre);
    QString ruta;
    ado::Recordset talonarios;
    bool fin = false;          // the run ends (a message said why)
    bool encontrado = false;   // some book had a remito in the period
    bool cabecera = false;     // the header lines are in the file

    // A line that could not be written ends the run: the partial file is removed so
    // that nobody uploads it, and the operator is told which file failed.
    auto escribir = [&](const QString& linea, bool primera) {
        if (CrearArchivo(ruta, linea, primera)) return true;
        if (cabecera) {
            try {
                BorrarArchivo(ruta);
            } catch (...) {
            }
        }
        avance.CierraAvance();
        aviso(QStringLiteral("No se pudo grabar el archivo ") + ruta +
                  QStringLiteral(". Verifique que la carpeta exista y que tenga permiso de escritura."),
              kAvisoOperador);
        fin = true;
        return false;
    };
    auto paso = [&](std::function<void()> f) -> Paso {
        return [&fin, f] {
            if (!fin) f();
        };
    };
    const Manejador manejador = [&](const Error& e) {
        return zk.TrataError(e, QString(), QStringLiteral("ActualizarDatos"));
    };

    const std::vector<Paso> pasos = {
        paso([&] {
            ruta = zk.CarpetaConBarra(Trim(carpeta)) + QStringLiteral("REMITOS_") + abreviatura + QStringLiteral("_") +
                   anio + QStringLiteral(".txt");
        }),
        paso([&] { avance.MuestraAvance(QStringLiteral("Generando Archivo "), 0); }),
        paso([&] {
            db.AbrirRecordset(QStringLiteral("SELECT * FROM V_TA_CPTE WHERE CODIGO='RM' AND ObservacionesR<>''"),
                              talonarios, nullptr, ado::adOpenForwardOnly, ado::adLockReadOnly, -1, true);
        }),
        paso([&] {
            if (talonarios.isEOF()) {
                avance.CierraAvance();
                aviso(QStringLiteral("No existe ningún talonario para remitos dado de alta!"), kAvisoOperador);
                fin = true;
            }
        }),
        // The header: the CUIT without separators, then month/year.
        paso([&] {
            QString aux;
            const QString cuit = Trim(Cfg(QStringLiteral("CUIT"), aux));
            if (cuit.isEmpty()) {
                aviso(QStringLiteral("Debe informar el CUIT en la ocnfiguración general del sistema!"), kAvisoOperador);
                avance.CierraAvance();
                fin = true;
                return;
            }
            if (escribir(zk.QuitarCaracteres(cuit, QStringLiteral("/"), QStringLiteral("\\"), QStringLiteral("-")), true))
                cabecera = true;
        }),
        paso([&] { escribir(numeroDeMes(abreviatura) + QStringLiteral("/") + Trim(anio), false); }),
        // One line per book with remitos in the period.
        paso([&] {
            while (!fin && !talonarios.isEOF()) {
                bool saltar = false;
                QString cai, puntoDeVenta, sql;
                ado::Recordset remitos;
                const std::vector<Paso> libro = {
                    [&] {
                        avance.ActualizaAvance(
                            0, QStringLiteral("CAI ") +
                                   Trim(zk.ValorSeguro(talonarios.Fields(QStringLiteral("observacionesr"))).toString()));
                    },
                    [&] {
                        cai = Trim(zk.ValorSeguro(talonarios.Fields(QStringLiteral("observacionesr"))).toString());
                        saltar = cai.isEmpty();
                    },
                    [&] {
                        if (saltar) return;
                        puntoDeVenta =
                            Trim(zk.ValorSeguro(talonarios.Fields(QStringLiteral("R_SUC_DEFAULT"))).toString());
                        saltar = puntoDeVenta.isEmpty();
                    },
                    [&] {
                        if (saltar) return;
                        puntoDeVenta = Format(Variant(puntoDeVenta), QStringLiteral("0000"));
                        sql = QStringLiteral("SELECT * FROM V_MV_CPTE WHERE TC='RM' AND SUBSTRING(IDCOMPROBANTE,13,1)='R' "
                                             "AND SUBSTRING(IDCOMPROBANTE,1,4)='") +
                              puntoDeVenta + QStringLiteral("' AND  (FECHA >= '") + desde +
                              QStringLiteral("' AND FECHA <= '") + hasta +
                              QStringLiteral("') order by IDCOMPROBANTE DESC");
                        db.AbrirRecordset(sql, remitos, nullptr, ado::adOpenForwardOnly, ado::adLockReadOnly, -1, true);
                    },
                    [&] {
                        if (saltar || remitos.isEOF()) return;
                        encontrado = true;
                        const QString id =
                            Trim(zk.ValorSeguro(remitos.Fields(QStringLiteral("IdComprobante"))).toString());
                        escribir(cai + QStringLiteral(" ") + entero(puntoDeVenta) + QStringLiteral(" 91 ") +
                                     entero(Trim(Mid(id, 5, 8))),
                                 false);
                    },
                    [&] { db.CierraRecordset(remitos); },
                };
                if (!EjecutarPasos(libro, manejador)) {
                    fin = true;
                    break;
                }
                bool siguiente = false;
                if (!EjecutarPasos({[&] { talonarios.MoveNext(); siguiente = true; }}, manejador)) fin = true;
                if (!siguiente) break;
            }
        }),
        paso([&] { db.CierraRecordset(talonarios); }),
        paso([&] {
            avance.CierraAvance();
            if (!encontrado) {
                aviso(QStringLiteral("No se encontraron registros para procesar!"), kAvisoOperador);
            } else {
                aviso(QStringLiteral("Se han generado satisfactoriamente los archivos en : ") + Txtfields[3]->text() +
                          QStringLiteral(" "),
                      QStringLiteral("Aviso al operador!!!"), ui::vbQuestion + ui::vbOKOnly);
            }
        }),
        // Without any book line the file holds only the header: it is removed.
        paso([&] {
            if (!encontrado) BorrarArchivo(ruta);
        }),
    };
    EjecutarPasos(pasos, manejador);
    // Every way out closes the progress indication.
    if (avance.Abierto()) avance.CierraAvance();
    try {
        if (talonarios.State() != 0) talonarios.Close();
    } catch (...) {
    }
}
