// The program-wide settings record: one value per key of the configuration table read
// at start-up (CargaConfiguracion), named after its key, plus the configuration table's
// name. It lives here, below the start-up code, because the data-access layer reads
// SS_CONFIDENCIALIDAD (synonym rewriting). Values of a first load: empty text, false, 0.
#pragma once
#include <QString>
#include <cstdint>

struct Ajustes {
    QString NombreTablaConfig;            // configuration table used by Cfg, CfgQV, GrabaCfgQV
    QString RutaDocumentacionTareas;      // application folder + "QVDOCTareas.qvx"
    QString UNegocio;                     // the user's business unit, default "   1"

    bool MostrarStockenConsultas = false;
    QString TituloClientes;
    QString TituloProveedores;
    bool EXIGECLAVECONSULTALIKEARTICULOS = false;
    bool UsaConsultaLike = false;
    QString CantidadDecimales;
    bool SS_CONFIDENCIALIDAD = false;
    bool UsaMultilesMonedas = false;
    bool UsaFacturaProforma = false;
    bool USACCOSTO = false;
    bool USA_STK_STOCK_UDKG = false;
    QString UNIDADDEMEDIDA_M3;
    QString UNIDADDEMEDIDA_BL;
    QString UNIDADDEMEDIDA_KG;
    int16_t PERIODO = 0;
    bool RazonSocialPorUneg = false;
    bool VALIDACODIGOBARRA = false;
    int32_t CFondo = 0;
    int32_t CLetra = 0;
    bool ModuloOrdenDeTrabajo = false;
    bool V_ModificaCPrecio = false;
    bool C_ModificaCPrecio = false;
    bool MADERERA = false;
    QString MAD_TIRAS;
    QString MAD_P2;
    QString MAD_ML;
    QString MAD_M2;
    QString MAD_HOJAS;
    QString MAD_ML_P2;
    QString MAD_M2_P2;
    QString MAD_ML_M2;
    QString CuentaCtroDist;
    int64_t MaxDto = 0;                   // amount in ten thousandths
    int64_t MaxDtoProforma = 0;
    bool PideClave_StockNeg = false;
    bool PideClave_MarkUpBase = false;
    bool PideClave_LimiteCredito = false;
    bool SS_BloqueoActivo = false;
    bool UTILIZARFECHADIA = false;
    bool AsignacionAutomaticaDeLoteING = false;
    int16_t CONDIVAEMPRESA = 0;
    QString Top_Default;
};

// The program-wide record (created on first use, reset between tests).
Ajustes& gAjustes();
