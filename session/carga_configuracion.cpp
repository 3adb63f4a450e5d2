// The global settings load. Every key of the settings record is read with Cfg (a key
// without a row reads as " ") and turned into its kind; the signed-in user's record in
// ta_usuarios gives the business unit and may switch the proforma setting off. Each
// read is a step of its own: a failing one is skipped silently and its value keeps
// what it had (for a first load: empty text, false, 0). Nothing is shown from here;
// the data-access object reports its own failures as it always does.
#include "session/carga_configuracion.h"

#include <QStringList>
#include "ado/recordset.h"
#include "base/entorno.h"
#include "base/pasos.h"
#include "base/texto.h"
#include "base/variant.h"
#include "companion/zorvkit.h"
#include "data/ajustes.h"
#include "data/global.h"
#include "session/cfg.h"
#include "session/sesion.h"

using base::Iguales;
using base::Trim;
using base::Variant;

namespace {

// The kinds of value, each applied to the text Cfg returned.
bool Si(const QString& t) { return Iguales(t, QStringLiteral("SI")); }
bool SiRecortado(const QString& t) { return Iguales(Trim(t), QStringLiteral("SI")); }
bool SiSeguro(const QString& t) { return Iguales(ZkGeneral().ValorSeguro(Variant(t)).toString(), QStringLiteral("SI")); }
bool NoOVacio(const QString& t) { return !(Trim(t).isEmpty() || Iguales(t, QStringLiteral("NO"))); }
bool NoRecortado(const QString& t) { return !Iguales(Trim(t), QStringLiteral("NO")); }
QString Texto(const QString& t) { return Trim(t); }
// The leading number rounded half to even into 16 bits (overflow fails the step).
int16_t Entero(const QString& t) { return Variant(base::Val(t)).toInteger(); }
qint64 Importe(const QString& t) { return ZkGeneral().TextoAImporte(Trim(t)); }
int32_t Color(const QString& t) { return Variant::Currency(ZkGeneral().TextoAImporte(t)).toLong(); }

QString Clave(const char* clave) { return Cfg(QString::fromLatin1(clave)); }

// The sales programs whose amounts use CantidadDecimalesVentas.
const QStringList& EjecutablesDeVentas() {
    static const QStringList lista = {
        QStringLiteral("V_MV_VENTAS"),      QStringLiteral("FS_V_MV_VENTAS"),  QStringLiteral("FS_V_MV_VENTASH"),
        QStringLiteral("FS_V_MV_COMANDA"),  QStringLiteral("FS_V_MV_COMANDAH"), QStringLiteral("V_MV_VENTASPDV"),
        QStringLiteral("V_MV_PR"),          QStringLiteral("V_MV_OT"),          QStringLiteral("RP_DIFERIDA")};
    return lista;
}

}  // namespace

void CargaConfiguracion(const QString& carpetaAplicacion) {
    Ajustes& a = gAjustes();
    ado::Recordset usuario;
    auto hayUsuario = [&usuario] { return !usuario.EOF_(); };

    const std::vector<base::Paso> pasos = {
        [&] { a.NombreTablaConfig = QStringLiteral("ta_configuracion"); },

        [&] { a.MostrarStockenConsultas = SiSeguro(Clave("MostrarStockenConsultas")); },
        [&] { a.TituloClientes = Texto(Clave("TituloClientes")); },
        [&] { a.TituloProveedores = Texto(Clave("TituloProveedores")); },
        [&] { a.RutaDocumentacionTareas = carpetaAplicacion + QStringLiteral("QVDOCTareas.qvx"); },
        [&] { a.EXIGECLAVECONSULTALIKEARTICULOS = Si(Clave("EXIGECLAVECONSULTALIKEARTICULOS")); },
        [&] { a.UsaConsultaLike = Si(Clave("UsaConsultaLike")); },
        [&] { a.CantidadDecimales = Clave("CantidadDecimales"); },
        [&] { a.SS_CONFIDENCIALIDAD = Si(Clave("SS_CONFIDENCIALIDAD")); },

        [&] {
            if (ZkGeneral().EstaEnLista(base::Entorno::NombreEjecutable(), EjecutablesDeVentas()) &&
                Entero(Clave("CantidadDecimalesVentas")) > 0)
                a.CantidadDecimales = Clave("CantidadDecimalesVentas");
        },

        [&] { a.UsaMultilesMonedas = Si(Clave("UsaMultilesMonedas")); },
        [&] { a.UsaFacturaProforma = Si(Clave("UsaFacturaProforma")); },
        [&] { a.USACCOSTO = Si(Clave("USACCOSTO")); },
        [&] { a.USA_STK_STOCK_UDKG = Si(Clave("USA_STK_STOCK_UDKG")); },

        // The user's record. The name's apostrophes are doubled so that such a user
        // finds the row like any other.
        [&] {
            DBMain().AbrirRecordset(QStringLiteral("Select * from ta_usuarios  with(nolock)  where Nombre = '") +
                                        TextoSQL(gSesion().gUsuarioLogeado) + QStringLiteral("'"),
                                    usuario, nullptr, ado::adOpenForwardOnly, ado::adLockReadOnly, -1, true);
        },
        [&] {
            if (hayUsuario()) a.UNegocio = ZkGeneral().ValorSeguro(usuario.Fields(QStringLiteral("UNegocio"))).toString();
        },
        [&] {
            if (hayUsuario() && a.UsaFacturaProforma)
                a.UsaFacturaProforma = usuario.Fields(QStringLiteral("verproforma")).Value().toBool();
        },
        [&] { DBMain().CierraRecordset(usuario); },
        [&] { if (a.UNegocio.isEmpty()) a.UNegocio = QStringLiteral("   1"); },

        [&] { a.UNIDADDEMEDIDA_M3 = Texto(Clave("UNIDADDEMEDIDA_M3")); },
        [&] { a.UNIDADDEMEDIDA_BL = Texto(Clave("UNIDADDEMEDIDA_BL")); },
        [&] { a.UNIDADDEMEDIDA_KG = Texto(Clave("UNIDADDEMEDIDA_KG")); },
        [&] { a.PERIODO = Entero(Clave("PERIODO")); },
        [&] { a.RazonSocialPorUneg = SiRecortado(Clave("RazonSocialPorUneg")); },
        [&] { a.VALIDACODIGOBARRA = SiRecortado(Clave("VALIDACODIGOBARRA")); },
        [&] { a.CFondo = Color(Clave("CFondo")); },
        [&] { if (a.CFondo == 0) a.CFondo = 0xFFFF00; },   // cyan as a Windows colour (0x00BBGGRR)
        [&] { a.CLetra = Color(Clave("CLetra")); },
        [&] { a.ModuloOrdenDeTrabajo = NoRecortado(Clave("ModuloOrdenDeTrabajo")); },
        [&] { a.V_ModificaCPrecio = NoOVacio(Clave("V_ModificaCPrecio")); },
        [&] { a.C_ModificaCPrecio = NoOVacio(Clave("C_ModificaCPrecio")); },
        [&] { a.MADERERA = NoOVacio(Clave("MADERERA")); },
        [&] { a.MAD_TIRAS = Texto(Clave("MAD_TIRAS")); },
        [&] { a.MAD_P2 = Texto(Clave("MAD_P2")); },
        [&] { a.MAD_ML = Texto(Clave("MAD_ML")); },
        [&] { a.MAD_M2 = Texto(Clave("MAD_M2")); },
        [&] { a.MAD_HOJAS = Texto(Clave("MAD_HOJAS")); },
        [&] { a.MAD_ML_P2 = Texto(Clave("MAD_ML_P2")); },
        [&] { a.MAD_M2_P2 = Texto(Clave("MAD_M2_P2")); },
        [&] { a.MAD_ML_M2 = Texto(Clave("MAD_ML_M2")); },
        [&] { a.CuentaCtroDist = Texto(Clave("CuentaCtroDist")); },
        [&] { a.MaxDto = Importe(Clave("MaxDto")); },
        [&] { a.MaxDtoProforma = Importe(Clave("MaxDtoProforma")); },
        [&] { a.PideClave_StockNeg = NoOVacio(Clave("PideClave_StockNeg")); },
        [&] { a.PideClave_MarkUpBase = NoOVacio(Clave("PideClave_MarkUpBase")); },
        [&] { a.PideClave_LimiteCredito = NoOVacio(Clave("PideClave_LimiteCredito")); },
        [&] { a.SS_BloqueoActivo = Si(Clave("SS_BloqueoActivo")); },
        [&] { a.UTILIZARFECHADIA = Si(Clave("UTILIZARFECHADIA")); },
        [&] { a.AsignacionAutomaticaDeLoteING = Si(Clave("AsignacionAutomaticaDeLoteING")); },
        [&] { a.CONDIVAEMPRESA = Entero(Clave("CONDIVAEMPRESA")); },
        [&] { if (a.CONDIVAEMPRESA == 0) a.CONDIVAEMPRESA = Entero(Clave("CONDIVA")); },
        [&] { if (a.CONDIVAEMPRESA == 0) a.CONDIVAEMPRESA = 1; },
        [&] { a.Top_Default = Clave("Top_Default"); },
        [&] { if (Trim(a.Top_Default).isEmpty()) a.Top_Default = QStringLiteral("1000"); },
    };
    base::EjecutarPasos(pasos, base::IgnorarFalla);
}
