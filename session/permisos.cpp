// User permissions and access log. VerificaPermisos maps the program's name to the
// suite's process name, looks up the menu task that grants the signed-in user that
// process (it refuses nothing: the task only goes into the log) and writes one
// Control_Acceso row through GActualizarDatoScript, which runs a statement list as one
// batch inside a transaction and rolls it back on any error the connection reports.
#include "session/permisos.h"

#include <QStringList>
#include <vector>
#include "ado/recordset.h"
#include "base/entorno.h"
#include "base/format.h"
#include "base/pasos.h"
#include "base/reloj.h"
#include "base/texto.h"
#include "companion/zorvkit.h"
#include "data/global.h"
#include "session/mensaje_errores.h"
#include "session/sesion.h"
#include "ui/operador.h"

using base::Iguales;
using base::Trim;
using base::UCase;

namespace {

const QString kCR = QStringLiteral("\r");

struct ReglaProceso {
    QStringList nombres;
    QString proceso;   // empty: the name itself
    bool consultaTarea;
};

// First matching rule wins; "UTLFISCALH" is mapped before the exempt row is reached.
const std::vector<ReglaProceso>& ReglasDeProceso() {
    static const std::vector<ReglaProceso> reglas = {
        {{QStringLiteral("FS_V_MV_VENTAS"), QStringLiteral("FS_V_MV_VENTASh"), QStringLiteral("V_MV_VENTASPDVG"),
          QStringLiteral("V_MV_VENTASPDV")},
         QStringLiteral("V_MV_VENTAS"), true},
        {{QStringLiteral("V_MV_VENTASPDVGEP")}, QStringLiteral("V_MV_VENTASPDVG"), true},
        {{QStringLiteral("FS_V_MV_COMANDAH")}, QStringLiteral("FS_V_MV_COMANDA"), true},
        {{QStringLiteral("EM_PLANILLAARTICULOS2")}, QStringLiteral("EM_PLANILLAARTICULOS"), true},
        {{QStringLiteral("EM_PLANILLAEDITDATOS2")}, QStringLiteral("EM_PLANILLAEDITDATOS"), true},
        {{QStringLiteral("V_MA_PRECIOS2")}, QStringLiteral("V_MA_PRECIOS"), true},
        {{QStringLiteral("V_MA_ARTICULOS2")}, QStringLiteral("V_MA_ARTICULOS"), true},
        {{QStringLiteral("UTLFISCALH")}, QStringLiteral("UTLFISCAL"), true},
        {{QStringLiteral("EM_DBACUM")}, QStringLiteral("Controlbaseap"), true},
        {{QStringLiteral("UtlFiscal"), QStringLiteral("Utl_CtrlFiscal"), QStringLiteral("Utl_CtrlFiscalh"),
          QStringLiteral("TIMERLIQUIDACION"), QStringLiteral("Interface_Art"), QStringLiteral("MA_AFdesANEW"),
          QStringLiteral("CONS_MV_ASIENTOS"), QStringLiteral("EM_DMD_InformeStock"), QStringLiteral("QVMAPA"),
          QStringLiteral("INTERFACERECEPMAESTROS")},
         QString(), false},
    };
    return reglas;
}

void NombreDeProceso(const QString& nombre, QString& proceso, bool& consultaTarea) {
    for (const ReglaProceso& regla : ReglasDeProceso()) {
        if (!ZkGeneral().EstaEnLista(nombre, regla.nombres)) continue;
        proceso = regla.proceso.isEmpty() ? nombre : regla.proceso;
        consultaTarea = regla.consultaTarea;
        return;
    }
    proceso = nombre;
    consultaTarea = true;
}

}  // namespace

QString MensajeDeErrores(const ado::Errors& errores) {
    if (errores.Count() == 0) return QString();
    const int ultima = errores.Count() == 1 ? 0 : errores.Count() - 2;
    QString lineas;
    for (int i = 0; i <= ultima; ++i)
        lineas += QString::number(errores.Item(i).NativeError) + QStringLiteral(" : ") + errores.Item(i).Description +
                  QStringLiteral("\r\n");
    return lineas;
}

void VerificaPermisos(const QString& formulario) {
    DB_Dll& db = DBMain();
    Sesion& s = gSesion();
    const QString ejecutable = base::Entorno::NombreEjecutable();
    QString nombre;
    QString proceso;
    bool consultaTarea = false;
    QString tarea;
    ado::Recordset tareas;
    QStringList sentencias;

    const std::vector<base::Paso> pasos = {
        [&] { nombre = formulario.isEmpty() ? ejecutable : formulario; },
        [&] { s.gUsuarioLogeado = db.gUsuario; },
        [&] { NombreDeProceso(nombre, proceso, consultaTarea); },
        [&] {
            if (!consultaTarea) return;
            // The user's apostrophes are doubled so that such a user finds their tasks.
            db.AbrirRecordset(
                QStringLiteral("SELECT TA_TAREAS.USUARIO, TA_MENU.Proceso, TA_MENU.Clave , TA_MENU.Nombre ") +
                    QStringLiteral(" FROM TA_TAREAS  with(nolock) INNER JOIN TA_MENU ON TA_TAREAS.TAREA = TA_MENU.Clave ") +
                    QStringLiteral(" WHERE (TA_TAREAS.USUARIO = '") + TextoSQL(s.gUsuarioLogeado) +
                    QStringLiteral(" ') AND (TA_MENU.Proceso LIKE '%") + TextoSQL(proceso) + QStringLiteral("%')"),
                tareas, nullptr, ado::adOpenForwardOnly, ado::adLockReadOnly, -1, true);
        },
        [&] {
            if (!consultaTarea) return;
            if (!tareas.EOF_()) {
                tarea = ZkGeneral().ValorSeguro(tareas.Fields(QStringLiteral("Nombre"))).toString();
            } else if (Iguales(ejecutable, QStringLiteral("RO000ZA"))) {
                tarea = QStringLiteral("Menu Principal");
            } else if (Iguales(s.gUsuarioLogeado, db.gDBName) ||
                       Iguales(s.gUsuarioLogeado, QStringLiteral("SUPERVISOR HBJPVMZ MC"))) {
                tarea = ejecutable;
            }
        },
        [&] { if (consultaTarea) db.CierraRecordset(tareas); },
        [&] { sentencias = QStringList{QString()}; },
        [&] { AgregaValor(QStringLiteral("Maquina"), UCase(Trim(ZkSesion().NombreMaquina())), QStringLiteral("'"), true); },
        [&] { AgregaValor(QStringLiteral("Usuario"), UCase(Trim(s.gUsuarioLogeado)), QStringLiteral("'"), false); },
        [&] { AgregaValor(QStringLiteral("Formulario"), UCase(Trim(proceso)), QStringLiteral("'"), false); },
        [&] { AgregaValor(QStringLiteral("Tarea"), UCase(Trim(tarea)), QStringLiteral("'"), false); },
        [&] {
            const base::Variant ahora(base::Reloj::Ahora());
            AgregaValor(QStringLiteral("Ingreso"),
                        base::Format(ahora, FmtFecha()) + QStringLiteral(" ") + base::Format(ahora, FmtHora()),
                        QStringLiteral("'"), false);
        },
        // A copy: AgregaValor removes the apostrophes of the value it is given, and the
        // session value keeps them.
        [&] { AgregaValor(QStringLiteral("NombreUsuario"), QString(s.gUsuarioLogeado), QStringLiteral("'"), false); },
        [&] { ArmaSentencia(gCamposValores(), sentencias, QStringLiteral("Control_Acceso"), false, QString(), false); },
        [&] {
            bool hayError = false;
            long codigo = 0;
            QString lote;
            QString mensaje;
            GActualizarDatoScript(sentencias, hayError, codigo, false, false, lote, mensaje, true);
        },
    };
    base::EjecutarPasos(pasos, base::IgnorarFalla);
}

void GActualizarDatoScript(const QStringList& sentencias, bool& hayError, long& codigoNativo,
                           bool avisoClaveDuplicada, bool avisoRestriccion, QString& lote,
                           QString& mensajeError, bool avisar) {
    DB_Dll& db = DBMain();
    hayError = false;
    codigoNativo = 0;
    long codigo = 0;
    QString aviso;

    // Blank elements are skipped; with nothing left, not even the transaction is sent.
    QString cuerpo;
    for (const QString& sentencia : sentencias)
        if (!Trim(sentencia).isEmpty()) cuerpo += kCR + sentencia;
    if (cuerpo.isEmpty()) return;

    const std::vector<base::Paso> pasos = {
        [&] { lote = QStringLiteral("BEGIN TRANSACTION ") + kCR + kCR + cuerpo + kCR; },
        // The outcome is read from the connection's errors, not from the call; errors
        // an earlier operation left there are not this batch's.
        [&] { db.gCnn.errors().Clear(); },
        [&] { base::PasoGuardado([&] { db.EjecutaConsultaSQL(QString(lote)); }, base::IgnorarFalla); },
        [&] {
            ado::Errors& errores = db.gCnn.errors();
            if (errores.Count() == 0) return;
            codigo = errores.Item(0).NativeError;
            hayError = true;
            const QString lineas = MensajeDeErrores(errores);
            mensajeError = lineas;
            aviso = lineas;
            if ((avisoClaveDuplicada && codigo == 2627) || (avisoRestriccion && codigo == 547)) {
                mensajeError = errores.Item(0).Description;
                aviso.clear();
            }
            errores.Clear();
        },
        [&] {
            if (!hayError) return;
            // A rollback that fails (the provider may have ended the transaction already)
            // must not leave its error for the next batch to read.
            base::PasoGuardado([&] { db.EjecutaConsultaSQL(QStringLiteral("ROLLBACK TRANSACTION")); },
                               base::IgnorarFalla);
            db.gCnn.errors().Clear();
        },
        [&] { if (hayError) GrabaAuxErr(lote, base::Entorno::NombreEjecutable(), codigo, base::Variant(aviso)); },
        [&] {
            if (hayError && !Trim(aviso).isEmpty() && avisar)
                ui::operador().MsgBox(aviso, ui::vbCritical, QStringLiteral("Aviso al Operador!"));
        },
        [&] { if (!hayError) db.EjecutaConsultaSQL(QStringLiteral("COMMIT TRANSACTION")); },
        [&] { codigoNativo = codigo; },
    };
    base::EjecutarPasos(pasos, ManejadorControlErrores(QStringLiteral("GActualizarDatoScript")));
}
