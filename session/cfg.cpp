// The configuration store: Cfg and CfgQV read a key's Valor and ValorAux, GrabaCfgQV
// creates or updates its row. A key without a row reads " "; a failure reads "".
#include "session/cfg.h"

#include "ado/recordset.h"
#include "base/pasos.h"
#include "base/texto.h"
#include "companion/zorvkit.h"
#include "data/ajustes.h"
#include "data/global.h"

using namespace base;

namespace {

QString& nombreTabla() {
    QString& nombre = gAjustes().NombreTablaConfig;
    if (Trim(nombre).isEmpty()) nombre = QStringLiteral("TA_CONFIGURACION");
    return nombre;
}

void cerrar(ado::Recordset& rs) {
    try {
        if (rs.State() != 0) rs.Close();
    } catch (...) {
    }
}

// The reading shared by Cfg and CfgQV through `db`; failures go to ControlErrores
// under `rutina`: 5 goes on with the next step, any other answer returns "".
QString leer(DB_Dll& db, const QString& clave, QString& valorAux, const QString& rutina) {
    QString resultado;
    QString sql;
    ado::Recordset rs;
    const std::vector<Paso> pasos = {
        [&] { nombreTabla(); },
        [&] {
            sql = QStringLiteral("SELECT VALOR, valoraux FROM ") + nombreTabla() +
                  QStringLiteral(" with(nolock)  WHERE CLAVE = '") + TextoSQL(Trim(clave)) + QStringLiteral("'");
        },
        [&] {
            const QString k = Trim(clave);
            if (Iguales(k, QStringLiteral("[FECHA HASTA]")) || Iguales(k, QStringLiteral("[FECHA DESDE]")))
                sql = UCase(sql);
        },
        [&] { db.AbrirRecordset(sql, rs, nullptr, ado::adOpenForwardOnly, ado::adLockReadOnly, -1, true); },
        [&] {
            if (rs.BOF()) {
                resultado = QStringLiteral(" ");
                valorAux = QString();
            } else {
                resultado = ZkGeneral().ValorSeguro(rs.Fields(QStringLiteral("Valor"))).toString();
                valorAux = ZkGeneral().ValorSeguro(rs.Fields(QStringLiteral("ValorAux"))).toString();
            }
        },
        [&] { cerrar(rs); },
        [&] {
            if (Iguales(clave, QStringLiteral("THEME")) && Trim(resultado).isEmpty()) resultado = QStringLiteral("1");
        },
    };
    EjecutarPasos(pasos, [&](const Error& e) {
        if (ControlErrores(e, 18, rutina) == Continuar) return Continuar;
        cerrar(rs);
        resultado = QString();
        return 0;
    });
    return resultado;
}

}  // namespace

QString Cfg(const QString& clave, QString& valorAux) {
    if (!DBMain().gOpenFlag) return QString();
    return leer(DBMain(), clave, valorAux, QStringLiteral("Cfg"));
}

QString Cfg(const QString& clave) {
    QString aux;
    return Cfg(clave, aux);
}

QString CfgQV(const QString& clave, QString& valorAux) {
    return leer(DBEstadisticas(), clave, valorAux, QStringLiteral("CfgQV"));
}

void GrabaCfgQV(const QString& clave, const Variant& valor, const QString& valorAux, bool politicaNegocio,
                const QString& grupo, bool recortar) {
    DB_Dll& db = DBEstadisticas();
    auto& zk = ZkGeneral();
    ado::Recordset rs;
    QString sql;
    const std::vector<Paso> pasos = {
        [&] {
            sql = QStringLiteral("SELECT * FROM ") + gAjustes().NombreTablaConfig +
                  QStringLiteral(" with(nolock)  WHERE CLAVE = '") + TextoSQL(clave) + QStringLiteral("'");
        },
        [&] { db.AbrirRecordset(sql, rs, &db.gCnn, ado::adOpenDynamic, ado::adLockOptimistic, -1, true); },
        [&] {
            if (rs.BOF() && rs.isEOF()) rs.AddNew();
            else rs.MoveFirst();
        },
        [&] { rs.Fields(QStringLiteral("Grupo")).setValue(zk.ValorSeguro(Variant(grupo))); },
        [&] { rs.Fields(QStringLiteral("Clave")).setValue(zk.ValorSeguro(Variant(UCase(Trim(clave))))); },
        [&] {
            const Variant v = recortar ? Variant(Trim(zk.ValorSeguro(valor).toString())) : zk.ValorSeguro(valor);
            rs.Fields(QStringLiteral("Valor")).setValue(v);
        },
        [&] { rs.Fields(QStringLiteral("PoliticaNegocio")).setValue(zk.ValorSeguro(Variant(politicaNegocio))); },
        [&] {
            if (!valorAux.isEmpty()) rs.Fields(QStringLiteral("ValorAux")).setValue(Variant(Trim(valorAux)));
        },
        [&] { rs.Update(); },
        [&] { db.CierraRecordset(rs); },
    };
    EjecutarPasos(pasos, IgnorarFalla);
    cerrar(rs);
}
