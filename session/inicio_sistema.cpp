// InicioSistema: the suite's start-up. The parameter string (or the initialisation
// file RO000za.INI) becomes an open main connection and the session values; then the
// statistics connection, the lookup engine's definitions file, the settings and the
// access record. A failure of the kind "invalid procedure call or argument" (5) skips
// its step; any other failure ends the start-up silently at that point.
#include "session/inicio_sistema.h"

#include <QFileInfo>
#include "base/entorno.h"
#include "base/error.h"
#include "base/pasos.h"
#include "base/texto.h"
#include "companion/zorvkit.h"
#include "data/global.h"
#include "session/carga_configuracion.h"
#include "session/lib_clscons3.h"
#include "session/permisos.h"
#include "session/sesion.h"

using namespace base;

namespace {

const QString kArchivoIni = QStringLiteral("RO000za.INI");

int reglaDelArranque(const Error& e) { return e.Number == err::LlamadaNoValida ? Continuar : 0; }

// The parameter string built from the initialisation file's section of this
// workstation and user.
QString parametrosDesdeIni() {
    auto& zk = ZkGeneral();
    auto& ini = ZkArchivoIni();
    const QString seccion = UCase(ZkSesion().NombreMaquina()) + QStringLiteral("|") +
                            UCase(ZkSesion().NombreUsuarioEquipo()) + QStringLiteral("BaseDeDatos");
    QString servidor = ini.LeerIni(kArchivoIni, seccion, QStringLiteral("Servidor"), QString());
    QString base = ini.LeerIni(kArchivoIni, seccion, QStringLiteral("DbName"), QString());
    QString usuario = zk.Decodificar(
        ini.LeerIni(kArchivoIni, seccion, QStringLiteral("Usuario"), zk.Codificar(QStringLiteral("HbjPvmz"))));
    QString clave = zk.Decodificar(ini.LeerIni(kArchivoIni, seccion, QStringLiteral("UserPassWord"),
                                               zk.Codificar(QStringLiteral("pelusin"))));
    const QString barra = QStringLiteral("|");
    servidor = zk.QuitarCaracteres(servidor, barra);
    base = zk.QuitarCaracteres(base, barra);
    usuario = zk.QuitarCaracteres(usuario, barra);
    clave = zk.QuitarCaracteres(clave, barra);
    return QStringLiteral("@server=") + servidor + QStringLiteral("; @dbname= ") + base +
           QStringLiteral("; @usuario= ") + usuario + QStringLiteral("; @Password= ") + clave +
           QStringLiteral("; @ParametroAdicional=; @Caja=1;tuco@");
}

}  // namespace

QString ValorParametro(const QString& parametros, const QString& clave, const QString& porDefecto) {
    const int pos = InStr(parametros, clave);
    if (pos == 0) return porDefecto;
    const int inicio = pos + Len(clave);
    const int fin = InStr(pos, parametros, QStringLiteral(";"));
    const QString valor = fin == 0 ? Mid(parametros, inicio) : Mid(parametros, inicio, fin - inicio);
    return Trim(ZkGeneral().QuitarCaracteres(valor, QStringLiteral("=")));
}

void InicioSistema(bool usarArchivoIni, const QString& parametrosDados, QString& connString, long cursorLocation) {
    Sesion& s = gSesion();
    DB_Dll& db = DBMain();
    auto& zk = ZkGeneral();
    QString parametros;
    bool yaConectado = false;
    QString servidor, base, usuario, clave;

    const std::vector<Paso> conexion = {
        // 1. The application folder and the help file.
        [&] {
            s.CarpetaAplicacion = zk.CarpetaConBarra(Entorno::CarpetaPrograma());
            s.ArchivoAyuda = s.CarpetaAplicacion + QStringLiteral("htmlhelp/zorvsuite.chm");
        },
        // 2. The parameter string: the given one or the process's command line.
        [&] { parametros = parametrosDados.isEmpty() ? s.LineaDeComandos : parametrosDados; },
        // 3. The initialisation file when asked and there is none.
        [&] {
            if (Trim(parametros).isEmpty() && usarArchivoIni) parametros = parametrosDesdeIni();
        },
        // 4. The workstation key, at most 50 characters.
        [&] {
            s.gClaveEquipo = UCase(ZkSesion().NombreMaquina()) + QStringLiteral("|") +
                             UCase(ZkSesion().NombreUsuarioEquipo());
            if (Len(Trim(s.gClaveEquipo)) > 50) s.gClaveEquipo = Left(s.gClaveEquipo, 50);
        },
        // 5. The toolbar style of this workstation.
        [&] {
            s.gFlatToolbars =
                Val(ZkArchivoIni().LeerIni(kArchivoIni, s.gClaveEquipo, QStringLiteral("FlatToolbars"), QStringLiteral("1")));
        },
        // 6. Already connected: the parsing and the connection are skipped.
        [&] { yaConectado = db.gOpenFlag; },
        // 7. The parameter string's keys.
        [&] {
            if (yaConectado) return;
            s.gParametroAdicional = ValorParametro(parametros, QStringLiteral("@ParametroAdicional"), QString());
            s.gMenu = ValorParametro(parametros, QStringLiteral("@Menu"), QString());
            servidor = ValorParametro(parametros, QStringLiteral("@Server"), QString());
            base = ValorParametro(parametros, QStringLiteral("@DbName"), QString());
            usuario = ValorParametro(parametros, QStringLiteral("@Usuario"), QString());
            clave = ValorParametro(parametros, QStringLiteral("@Password"), QString());
            s.gUsuarioLogeado = ValorParametro(parametros, QStringLiteral("@UsuarioLogeado"), QString());
            s.gCaja = ValorParametro(parametros, QStringLiteral("@Caja"), QStringLiteral("1"));
        },
        // 8. The connection data go to the main data-access object.
        [&] {
            if (yaConectado) return;
            db.gUsuario = usuario;
            db.gDBName = base;
            db.gUserPassWord = clave;
            db.gServidor = NombreServidor(servidor);
        },
        // 9. Connect, with the sign-in dialog when server or user is missing.
        [&] {
            if (yaConectado) return;
            const bool pide = Trim(servidor).isEmpty() || Trim(usuario).isEmpty();
            db.OpenServerADODB(pide, cursorLocation, connString, true, true);
        },
    };
    if (!EjecutarPasos(conexion, reglaDelArranque)) return;

    // 10. Without an open connection the program ends here.
    if (!yaConectado && !db.gOpenFlag) {
        TerminarPrograma(2);
        return;
    }

    const std::vector<Paso> resto = {
        [&] { if (!yaConectado) AbrirEstadisticas(); },
        [&] { if (!yaConectado) s.gUsuarioLogeado = db.gUsuario; },
        [&] { if (!yaConectado) db.gCnn.setCommandTimeout(s.gTimeOut); },
        [&] { if (!yaConectado) db.gCnn.setIsolationLevel(ado::adXactReadUncommitted); },
        // 11. With a database: lookup engine, definitions file, settings.
        [&] { if (!db.gDBName.isEmpty()) db.gCnn.setDefaultDatabase(db.gDBName); },
        [&] {
            if (db.gDBName.isEmpty()) return;
            auto& motor = ClsCons3();
            motor.gConnString = db.gConnString;
            motor.gUsarMascarasConsultas = true;
            motor.gRutaMascaraConsultas = s.CarpetaAplicacion + QStringLiteral("consultas.qvx");
        },
        [&] {
            if (!db.gDBName.isEmpty() && !QFileInfo::exists(ClsCons3().gRutaMascaraConsultas)) GrabaConsultas();
        },
        [&] { if (!db.gDBName.isEmpty()) db.gCnn.setDefaultDatabase(db.gDBName); },
        [&] { if (!db.gDBName.isEmpty()) CargaConfiguracion(s.CarpetaAplicacion); },
        // 12. The access record.
        [&] { VerificaPermisos(QString()); },
    };
    EjecutarPasos(resto, reglaDelArranque);
}
