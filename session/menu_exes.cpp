// MenuExes: starts a sibling program of the suite, handing it the suite's parameter
// string. Sibling programs are looked for in this program's own folder (the
// application folder), unless the program text names a path.
#include "session/menu_exes.h"

#include <QProcess>
#include "base/error.h"
#include "base/pasos.h"
#include "base/texto.h"
#include "data/global.h"
#include "session/sesion.h"
#include "ui/operador.h"

using namespace base;

void MenuExes(const QString& programa, const QString& parametroAdicional, long& idProceso) {
    DB_Dll& db = DBMain();
    Sesion& s = gSesion();
    QString cadena, ejecutable;
    idProceso = 0;
    const std::vector<Paso> pasos = {
        [&] {
            cadena = QStringLiteral(" ; @server=") + db.gServidor + QStringLiteral("; @dbname=") + db.gDBName +
                     QStringLiteral("; @usuario=") + db.gUsuario + QStringLiteral("; @Password=") + db.gUserPassWord +
                     QStringLiteral("; @ParametroAdicional=") + parametroAdicional +
                     QStringLiteral("; tuco@ ; @UsuarioLogeado = ") + s.gUsuarioLogeado + QStringLiteral("; @Caja=") +
                     s.gCaja + QStringLiteral(";");
        },
        [&] {
            // A path in the program text ("SHELL:/opt/suite/X") is used as it is; otherwise
            // the program lives in the application folder. The first six characters
            // ("SHELL:") are dropped when the text names SHELL or a path.
            if (InStr(programa, QStringLiteral("/")) > 0 || InStr(programa, QStringLiteral("\\")) > 0)
                ejecutable = Mid(programa, 7);
            else if (InStr(programa, QStringLiteral("SHELL")) > 0)
                ejecutable = s.CarpetaAplicacion + Mid(programa, 7);
            else
                ejecutable = s.CarpetaAplicacion + programa;
        },
        [&] {
            qint64 pid = 0;
            // The parameter string is handed over as the program's one argument.
            if (!QProcess::startDetached(ejecutable, {Trim(cadena)}, QString(), &pid))
                throw Error(err::ArchivoNoEncontrado, QStringLiteral("No se pudo iniciar ") + ejecutable);
            idProceso = static_cast<long>(pid);
        },
        [&] {
            if (idProceso == 0)
                ui::operador().MsgBox(QStringLiteral("Opcion no Implementada!") + QChar(13) +
                                          QStringLiteral("Comuniquese con su proveedor de sistemas"),
                                      ui::vbCritical, QStringLiteral("Atención"));
        },
    };
    EjecutarPasos(pasos, ManejadorControlErrores(QStringLiteral("MenuExes")));
}
