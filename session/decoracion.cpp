// Window decoration and the status bar. DecoraFormulario gives a window the suite's
// icon (the resource ":/ICONVANTORE" compiled into the program, or "hbjpvmz.ico" from
// the current folder) and the workstation's toolbar style; ArmaBarraEstado fills the
// status bar's keyed panels once and afterwards only changes its message. Both ignore
// every failure of their own steps and go on with the next one; the data-access
// object still reports its own failures (the cash-register look-ups and insertion).
#include "session/decoracion.h"

#include <QCoreApplication>
#include <QDir>
#include <QIcon>
#include <QWidget>
#include <vector>
#include "base/pasos.h"
#include "base/texto.h"
#include "companion/zorvkit.h"
#include "data/global.h"
#include "session/sesion.h"
#include "ui/barra_estado.h"
#include "ui/controles.h"
#include "ui/ferrobar.h"

using base::Trim;

// The resource lives in this static library: registered once, on first use.
static void RegistraRecursos() {
    static const bool registrados = [] {
        Q_INIT_RESOURCE(recursos);
        return true;
    }();
    (void)registrados;
}

namespace {

// "V.major.minor.revision" of the program's version.
QString Version() {
    return QStringLiteral("V.%1.%2.%3").arg(RM_VERSION_MAJOR).arg(RM_VERSION_MINOR).arg(RM_VERSION_REVISION);
}

// The cash-register description: "Descripcion" of the row whose trimmed IdCajas is gCaja.
QString DescripcionCaja(const QString& tabla) {
    return DBMain()
        .DatosTabla(tabla, gSesion().gCaja, QStringLiteral("Descripcion"), QStringLiteral("IdCajas"),
                    base::Variant(8), QString(), true, false)
        .toString();
}

}  // namespace

void DecoraFormulario(QWidget* formulario) {
    if (!formulario) return;
    bool seguir = true;
    auto ponerEstilo = [&](const char* nombre) {
        if (!seguir) return;
        auto* barra = qobject_cast<ui::Ferrobar*>(ui::ControlPorNombre(formulario, QString::fromLatin1(nombre)));
        if (barra) barra->setStyleBar(gSesion().gFlatToolbars);
    };
    const std::vector<base::Paso> pasos = {
        [&] {
            RegistraRecursos();
            const QIcon icono(QStringLiteral(":/ICONVANTORE"));
            if (!icono.isNull()) formulario->setWindowIcon(icono);
        },
        [&] {
            if (!formulario->windowIcon().isNull()) return;
            const QIcon icono(QDir::current().filePath(QStringLiteral("hbjpvmz.ico")));
            if (!icono.isNull() && !icono.availableSizes().isEmpty()) formulario->setWindowIcon(icono);
        },
        [&] { seguir = !base::Iguales(ui::TipoFormulario(formulario), QStringLiteral("FRMMDI")); },
        [&] { ponerEstilo("Ferrobar1"); },
        [&] { ponerEstilo("TBarRep1"); },
        [&] { ponerEstilo("Util0011"); },
        [&] { if (seguir) QCoreApplication::processEvents(); },
    };
    base::EjecutarPasos(pasos, base::IgnorarFalla);
}

void ArmaBarraEstado(ui::BarraEstado* barra, const QString& mensaje) {
    if (!barra) return;
    DB_Dll& db = DBMain();
    Sesion& s = gSesion();
    bool primeraVez = true;

    base::PasoGuardado([&] { barra->setTexto(QStringLiteral("MENSAJE"), mensaje); }, base::IgnorarFalla);
    // A filled SERVER panel means an earlier call did the rest: only the message changes.
    base::PasoGuardado([&] { primeraVez = barra->Texto(QStringLiteral("SERVER")).isEmpty(); }, base::IgnorarFalla);
    if (!primeraVez) return;

    QString descripcion;
    const std::vector<base::Paso> pasos = {
        [&] { barra->setTexto(QStringLiteral("SERVER"), QStringLiteral("Srv: ") + db.gServidor); },
        [&] { barra->setTexto(QStringLiteral("USUARIO"), QStringLiteral("Uid: ") + db.gUsuario); },
        [&] { barra->setTexto(QStringLiteral("BASEDEDATOS"), QStringLiteral("Db: ") + db.gDBName); },
        [&] { barra->setToolTip(QStringLiteral("BASEDEDATOS"), QStringLiteral("Db: ") + db.gDBName); },
        [&] { if (s.gCaja.isEmpty()) s.gCaja = QStringLiteral("1"); },
        [&] { descripcion = DescripcionCaja(QStringLiteral("@Admin_V_TA_Cajas")); },
        [&] {
            // The workstation's register is added the first time it is missing.
            if (!Trim(descripcion).isEmpty()) return;
            db.EjecutaConsultaSQL(QStringLiteral("INSERT INTO @Admin_V_TA_Cajas (IDCAJAS,DESCRIPCION) VALUES('") +
                                  TextoSQL(ZkGeneral().AlinearDerecha(Trim(s.gCaja), 4)) + QStringLiteral("','CAJA ") +
                                  TextoSQL(s.gCaja) + QStringLiteral("')"));
        },
        [&] {
            barra->setTexto(QStringLiteral("CAJA"), s.gCaja + QStringLiteral(" ") +
                                                        DescripcionCaja(QStringLiteral("V_TA_Cajas")));
        },
        [&] { barra->setTexto(QStringLiteral("VERSION"), Version()); },
        [&] { barra->setToolTip(QStringLiteral("SERVER"), barra->Texto(QStringLiteral("SERVER"))); },
        [&] { barra->setToolTip(QStringLiteral("USUARIO"), barra->Texto(QStringLiteral("USUARIO"))); },
        [&] { barra->setToolTip(QStringLiteral("BASEDEDATOS"), barra->Texto(QStringLiteral("BASEDEDATOS"))); },
        [&] { barra->setToolTip(QStringLiteral("CAJA"), barra->Texto(QStringLiteral("CAJA"))); },
    };
    base::EjecutarPasos(pasos, base::IgnorarFalla);
}
