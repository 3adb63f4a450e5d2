// DB_Dll: connections, statements and recordsets, SQL literal and name functions,
// schema inspection, the synonym rewriting and the Oracle dialect, and the class's
// error dialog. Every guarded routine runs as base::EjecutarPasos steps whose handler
// answers 4 (repeat the step), 5 (go on) or anything else (leave).
//
// Statement texts are built exactly as the suite's server expects them, blanks
// included; every value placed between single quotes goes through TextoSQL so that an
// apostrophe in it is doubled and cannot end the literal.
#include "data/db_dll.h"
#include <QDate>
#include <QRegularExpression>
#include "base/entorno.h"
#include "base/reloj.h"
#include "base/regional.h"
#include "base/texto.h"
#include "companion/dialogo_error.h"
#include "data/ajustes.h"
#include "data/global.h"
#include "ui/operador.h"

using base::Contiene;
using base::InStr;
using base::Left;
using base::Mid;
using base::Trim;

namespace {

const QString kAdmin = QStringLiteral("@Admin_");
const QString kTituloConexion = QStringLiteral(" Error de Conexion a Base de Datos");
const QString kAvisoOperador = QStringLiteral("Aviso al Operador");
constexpr int kBotonesPorDefecto = 18;

// A statement that keeps failing after a successful reconnection is repeated at most
// this many times within one AbrirRecordset call; then the error dialog decides.
constexpr int kMaxRepeticionesTrasReconexion = 3;

base::Error ArgumentoNoValido() {
    return base::Error(base::err::LlamadaNoValida, QStringLiteral("Llamada a procedimiento o argumento no válidos"));
}

// The type code as text ("8", "7", ...); empty when not given.
QString CodigoTipo(const base::Variant& tipo) {
    if (tipo.isEmpty() || tipo.isNull()) return QString();
    return Trim(tipo.toString());
}

bool EnConjunto(const base::Variant& tipo, std::initializer_list<int> codigos) {
    const QString t = CodigoTipo(tipo);
    for (int c : codigos)
        if (base::Iguales(t, QString::number(c))) return true;
    return false;
}

bool EsNumerico(const QString& tipo) {
    return tipo == QLatin1String("3") || tipo == QLatin1String("5") || tipo == QLatin1String("4");
}

// The leading number of the value, written back as text in the regional format.
QString NumeroRegional(const QString& valor) { return Trim(base::CStr(base::Variant(base::Val(valor)))); }

// The runtime's Val of a value: a number as it is, text by its leading number.
double NumeroDe(const base::Variant& v) {
    if (v.isNumeric()) return v.toDouble();
    if (v.isEmpty() || v.isNull()) return 0.0;
    return base::Val(v.toString());
}

QString QuitarAdmin(const QString& sql) { return base::Replace(sql, kAdmin, QString()); }

// A date in the regional day/month/year (or month/day/year) order, or year-month-day,
// with an optional time; two-digit years follow the runtime's window (00-29 -> 20xx).
bool EsFechaRegional(const QString& texto, QDate& fecha) {
    static const QRegularExpression patron(QStringLiteral(
        "^\\s*(\\d{1,4})([/.-])(\\d{1,2})\\2(\\d{1,4})(\\s+\\d{1,2}:\\d{2}(:\\d{2})?)?\\s*$"));
    const auto m = patron.match(texto);
    if (!m.hasMatch()) return false;
    int a = m.captured(1).toInt(), b = m.captured(3).toInt(), c = m.captured(4).toInt();
    int dia, mes, anio;
    if (m.captured(1).size() >= 3) {
        if (m.captured(4).size() > 2) return false;
        anio = a; mes = b; dia = c;
    } else {
        if (m.captured(4).size() == 3) return false;
        anio = c;
        if (base::Regional::actual().diaPrimero) { dia = a; mes = b; }
        else { mes = a; dia = b; }
        if (m.captured(4).size() <= 2) anio += anio < 30 ? 2000 : 1900;
    }
    fecha = QDate(anio, mes, dia);
    return fecha.isValid();
}

}  // namespace

DB_Dll::DB_Dll() = default;
DB_Dll::~DB_Dll() = default;

// ---------------------------------------------------------------------------------------
// Connections

void DB_Dll::ArmarCadenaConexion() {
    if (InStr(gServidor, QStringLiteral("#")) > 0) {
        gConnString = QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=") + gDBName + QStringLiteral(";User Id=") +
                      gUsuario + QStringLiteral(";Password=") + gUserPassWord + QStringLiteral(";");
    } else {
        gConnString = QStringLiteral("PROVIDER=") + pSQLOLEDB() + QStringLiteral(";") + QStringLiteral("Server=") +
                      gServidor + QStringLiteral(";") + QStringLiteral("Database =") + gDBName + QStringLiteral(";") +
                      QStringLiteral("UId=") + gUsuario + QStringLiteral(";") + QStringLiteral("Pwd=") + gUserPassWord +
                      QStringLiteral(";") + gExtended;
    }
}

// The sign-in dialog (frmAcceso) filled with the current values; true when accepted.
bool DB_Dll::PedirAcceso() {
    ui::DatosAcceso datos;
    datos.DbName = gDBName;
    datos.Servidor = gServidor;
    datos.UserId = gUsuario;
    datos.UserPassword = gUserPassWord;
    datos.Plataforma = 0;
    if (ui::operador().PedirAcceso(datos)) {
        gOpenFlag = true;
        gDBName = datos.DbName;
        gServidor = datos.Servidor;
        gUsuario = datos.UserId;
        gUserPassWord = datos.UserPassword;
        if (datos.Plataforma > 0) {
            gProveedor = QStringLiteral("OraOLEDB.Oracle.1");
            if (InStr(gServidor, QStringLiteral("#")) == 0) gServidor += QStringLiteral("#");
        } else {
            gProveedor = pSQLOLEDB();
        }
    } else {
        gOpenFlag = false;
    }
    return gOpenFlag;
}

void DB_Dll::OpenServerADODB(bool PideParametrosSQL, long lCursor, const QString& ConnString, bool ValidaAdmin,
                             bool MuestraError) {
    bool fin = false;
    bool cerradaParaReintentar = false;

    // The 3705 rule: an already-open connection is closed once and the step repeated.
    auto reglaYaAbierta = [&](const base::Error& e) {
        if (e.Number != ado::adErrObjectOpen || cerradaParaReintentar) return false;
        cerradaParaReintentar = true;
        base::PasoGuardado([&] { gCnn.Close(); }, base::IgnorarFalla);
        return true;
    };

    auto manejador = [&](const base::Error& e) -> int {
        if (!MuestraError) {
            if (reglaYaAbierta(e)) return base::Reintentar;
            gOpenFlag = false;
            return 0;
        }
        if (gCnn.errors().Count() > 0) {
            const ado::Error& x = gCnn.errors().Item(0);
            const QChar cr(13);
            const QString texto = QStringLiteral(" Estado de Sql: ") + x.SQLState + cr + QStringLiteral("Numero de Error: ") +
                                  QString::number(x.Number) + cr + QStringLiteral("Descripcion: ") + x.Description + cr +
                                  QStringLiteral("Codigo Nativo: ") + QString::number(x.NativeError) + cr +
                                  QStringLiteral(" - Desea Intentarlo Nuevamente??? ");
            if (ui::operador().MsgBox(texto, ui::vbYesNo + ui::vbCritical, kTituloConexion) == ui::vbYes) {
                gCnn.errors().Clear();
                if (!PedirAcceso()) return 0;
                ArmarCadenaConexion();
                return base::Reintentar;
            }
            gOpenFlag = false;
            return 0;
        }
        if (reglaYaAbierta(e)) return base::Reintentar;
        ui::operador().MsgBox(e.Description, ui::vbOKOnly, QString());
        // Reporting a failed open as open would let callers query a closed connection:
        // the flag tells whether the connection is really open.
        gOpenFlag = gCnn.State() == ado::adStateOpen;
        return 0;
    };

    base::EjecutarPasos({
        [&] {
            gOpenFlag = true;
            if (gProveedor.isEmpty()) gProveedor = QStringLiteral("SQLOLEDB");
        },
        [&] {
            if (Trim(ConnString).isEmpty()) ArmarCadenaConexion();
            else gConnString = ConnString;
        },
        [&] {
            if (!PideParametrosSQL) return;
            if (!PedirAcceso()) {
                fin = true;
                return;
            }
            ArmarCadenaConexion();
        },
        [&] {
            if (fin) return;
            gCnn.setCursorLocation(lCursor);
            gCnn.Open(gConnString, QString(), QString(), -1);
        },
        [&] {
            if (fin) return;
            if (!ValidaAdmin) {
                gEsAdmin = true;
                fin = true;
            }
        },
        [&] {
            if (fin || Trim(gDBName).isEmpty()) return;
            gCnn.setDefaultDatabase(gDBName);
            if (!DBMain().ExisteTablaDB(QStringLiteral("TA_USUARIOS"))) return;
            if (!MuestraError) {
                gEsAdmin = true;
                return;
            }
            const base::Variant admin = DatosTabla(QStringLiteral("ta_usuarios"), gUsuario, QStringLiteral("Administrador"),
                                                   QStringLiteral("nombre"), base::Variant(8), QString(), true, false);
            gEsAdmin = NumeroDe(admin) == 1.0;
        },
    }, manejador);
}

void DB_Dll::ReintentaConectar() {
    auto manejador = [&](const base::Error& e) -> int {
        if (e.Number == ado::adErrObjectClosed) return base::Continuar;
        gOpenFlag = false;
        if (e.Number == ado::E_FAIL) return 0;
        return TratamientoErrores(e, kBotonesPorDefecto, QStringLiteral("AbrirRecordset"));
    };
    base::EjecutarPasos({
        [&] { gOpenFlag = false; },
        [&] { gCnn.setCommandTimeout(5); },
        [&] { gCnn.Close(); },
        [&] { gCnn.Open(gCnn.ConnectionString(), DBMain().gUsuario, DBMain().gUserPassWord, -1); },
        [&] { gOpenFlag = true; },
    }, manejador);
}

QString DB_Dll::CadenaAccess(const QString& CadenaID, const QString& CadenaPWD) const {
    return QStringLiteral("PROVIDER=") + gProveedor + QStringLiteral(";") + QStringLiteral("Data Source =") + gDBName +
           QStringLiteral(";") + CadenaID + QStringLiteral("=") + gUsuario + QStringLiteral(";") + CadenaPWD +
           QStringLiteral("=") + gUserPassWord + QStringLiteral(";") + gExtended;
}

void DB_Dll::OpenLocalADODB(const QString& ConnString, const QString& CadenaID, const QString& CadenaPWD) {
    auto pasoArchivo = [&]() -> bool {
        if (!CmdDlg) CmdDlg = std::make_unique<ZkDialogoArchivoClass>();
        CmdDlg->TituloDialogo = QStringLiteral("Buscar Base de Datos");
        CmdDlg->FiltroDialogo = QStringLiteral("Base de Datos de Microsoft Access |*.MDB");
        CmdDlg->MostrarAbrir();
        gDBName = CmdDlg->ArchivoElegido();
        return CmdDlg->DialogoCancelado() == 0;
    };

    for (;;) {
        bool reiniciar = false;
        bool fin = false;
        QString cadena;
        auto manejador = [&](const base::Error& e) -> int {
            if (gCnn.errors().Count() > 0) {
                const QString estado = gCnn.errors().Item(0).SQLState;
                if (estado == QLatin1String("3024") || estado == QLatin1String("3051") ||
                    estado == QLatin1String("3044")) {
                    reiniciar = pasoArchivo();
                    return 0;
                }
                if (estado == QLatin1String("3031")) {
                    QString clave;
                    if (!gIgnoraPassWord.isEmpty() && !gIgnoraPassWord.isNull() && gIgnoraPassWord.toBool())
                        clave = gUserPassWord;
                    else
                        clave = ui::operador().InputBox(QStringLiteral("ingrese el password:"),
                                                         QStringLiteral("Password Access"));
                    gExtended += QStringLiteral(" Jet OLEDB:Database Password=") + clave + QStringLiteral(";");
                    reiniciar = true;
                    return 0;
                }
            }
            ui::operador().MsgBox(QString::number(e.Number) + QStringLiteral("  ") + e.Description, ui::vbCritical,
                                  QString());
            return 0;
        };
        base::EjecutarPasos({
            [&] {
                if (Trim(gDBName).isEmpty() && !pasoArchivo()) fin = true;
            },
            [&] {
                if (fin) return;
                cadena = ConnString.isEmpty() ? CadenaAccess(CadenaID, CadenaPWD) : ConnString;
            },
            [&] {
                if (fin) return;
                gCnn.Open(cadena, QString(), QString(), -1);
                gConnString = cadena;
            },
        }, manejador);
        if (!reiniciar) return;
    }
}

// ---------------------------------------------------------------------------------------
// Queries and recordsets

base::Variant DB_Dll::BuscaMaximo(const QString& QueTabla, const QString& QueCampo, const base::Variant& Tipo,
                                  const base::Variant& Condicion) {
    // A blank condition counts as none: " WHERE " with nothing after it is no statement.
    QString condicion = (Condicion.isEmpty() || Condicion.isNull()) ? QString() : Trim(Condicion.toString());
    const QString sinCero = QStringLiteral("substring(ltrim(idarticulo),1,1)<>'") + TextoSQL(QStringLiteral("0")) +
                            QStringLiteral("'");
    for (;;) {
        QString sql = QStringLiteral("SELECT MAX(") + QueCampo + QStringLiteral(") AS MAYOR FROM ") + QueTabla;
        if (!condicion.isEmpty()) sql += QStringLiteral(" WHERE ") + Trim(condicion);
        ado::Recordset rs;
        rs.Open(sql, gCnn, ado::adOpenForwardOnly, ado::adLockReadOnly, -1);
        if (rs.EOF_()) return base::Variant();
        const base::Variant mayor = rs.Fields(QStringLiteral("MAYOR")).Value();
        // MAX over no rows gives one row holding Null: the table has no value.
        if (mayor.isNull() || mayor.isEmpty()) return base::Variant();
        const base::Variant seguro = ZkGeneral().ValorSeguro(mayor);
        if (base::Iguales(QueTabla, QStringLiteral("V_MA_ARTICULOS")) &&
            base::EmpiezaCon(Trim(seguro.toString()), QStringLiteral("0")) && !Contiene(condicion, sinCero)) {
            condicion = condicion.isEmpty() ? QStringLiteral(" ") + sinCero : condicion + QStringLiteral(" and ") + sinCero;
            rs.Close();
            continue;
        }
        if (CodigoTipo(Tipo) == QLatin1String("7")) return seguro;
        return base::Variant(NumeroDe(seguro));
    }
}

base::Variant DB_Dll::BuscaMinimo(const QString& QueTabla, const QString& QueCampo, const base::Variant& Tipo,
                                  const base::Variant& Condicion) {
    Q_UNUSED(Tipo);
    const QString condicion = (Condicion.isEmpty() || Condicion.isNull()) ? QString() : Trim(Condicion.toString());
    QString sql = QStringLiteral("SELECT MIN(") + QueCampo + QStringLiteral(") AS MENOR FROM ") + QueTabla +
                  QStringLiteral("  with(nolock) ");
    if (!condicion.isEmpty()) sql += QStringLiteral(" WHERE ") + condicion;
    ado::Recordset rs;
    rs.Open(sql, gCnn, ado::adOpenForwardOnly, ado::adLockReadOnly, -1);
    base::Variant resultado;
    if (!rs.EOF_()) {
        const base::Variant menor = rs.Fields(QStringLiteral("MENOR")).Value();
        if (!menor.isNull() && !menor.isEmpty()) resultado = base::Variant(NumeroDe(ZkGeneral().ValorSeguro(menor)));
    }
    rs.Close();
    return resultado;
}

base::Variant DB_Dll::BuscaUltimoCodigo(const QString& QueTabla, const QString& QueCampo, const base::Variant& Tipo,
                                        const QString& Condicion) {
    Q_UNUSED(Tipo);
    QString sql = QStringLiteral("SELECT MAX(") + QueCampo + QStringLiteral(") AS MAYOR FROM ") + QueTabla;
    if (!Trim(Condicion).isEmpty()) sql += QStringLiteral(" WHERE ") + Condicion;
    ado::Recordset rs;
    rs.Open(sql, gCnn, ado::adOpenForwardOnly, ado::adLockReadOnly, -1);
    base::Variant resultado;
    if (!rs.EOF_()) {
        const base::Variant mayor = rs.Fields(QStringLiteral("MAYOR")).Value();
        if (!mayor.isNull() && !mayor.isEmpty()) resultado = base::Variant(NumeroDe(ZkGeneral().ValorSeguro(mayor)));
    }
    rs.Close();
    return resultado;
}

namespace {
// The typed comparisons of ExisteEnTabla / ExisteEnTablaST after the column name.
struct PartesComparacion {
    QString texto, fecha, numero, otro;
};
}  // namespace

namespace {
// The row test shared by ExisteEnTabla and ExisteEnTablaST: without a caller's
// recordset, `textoPropio` is opened forward-only and closed again; with one, it is
// (re)opened on `texto` (read-only, or with its own cursor and lock types) and left
// on the found row.
bool HayFila(const QString& textoPropio, const QString& texto, ado::Connection& conexion, ado::Recordset& propio,
             ado::Recordset* Lrcs, bool SoloLectura) {
    if (!Lrcs) {
        propio.Open(textoPropio, conexion, ado::adOpenForwardOnly, ado::adLockReadOnly, -1);
        const bool hay = !propio.BOF();
        propio.Close();
        return hay;
    }
    long cursor = ado::adOpenForwardOnly, bloqueo = ado::adLockReadOnly;
    if (!SoloLectura) {
        cursor = Lrcs->CursorType();
        bloqueo = Lrcs->LockType();
    }
    if (Lrcs->State() != ado::adStateClosed) Lrcs->Close();
    Lrcs->Open(texto, conexion, cursor, bloqueo, -1);
    return !Lrcs->BOF();
}
}  // namespace

bool DB_Dll::ExisteEnTablaST(const QString& Tabla, const QString& ValorBuscado, const QString& Campo,
                             ado::Recordset* Lrcs, const base::Variant& Tipodato, const QString& Condicion,
                             bool SoloLectura) {
    bool resultado = false;
    QString sql;
    ado::Connection& conexion = DBMain().gCnn;
    ado::Recordset propio;
    auto manejador = [&](const base::Error& e) {
        return ui::operador().MsgBox(e.Description, ui::vbAbortRetryIgnore + ui::vbCritical, kAvisoOperador);
    };
    base::EjecutarPasos({
        [&] {
            const QString tipo = CodigoTipo(Tipodato);
            sql = QStringLiteral("SELECT * FROM ") + Tabla;
            if (!Trim(Condicion).isEmpty()) {
                sql += QStringLiteral(" with(nolock)  ") +
                       (Contiene(Condicion, QStringLiteral(" WHERE ")) ? QStringLiteral(" ") : QStringLiteral(" WHERE ")) +
                       Condicion;
                return;
            }
            sql += QStringLiteral(" with(nolock)   WHERE ") + Campo;
            if (tipo == QLatin1String("8")) sql += QStringLiteral(" ='") + TextoSQL(ValorBuscado) + QStringLiteral("'");
            else if (tipo == QLatin1String("7")) sql += QStringLiteral(" = ") + Trim(ValorBuscado) + QStringLiteral(" ");
            else if (EsNumerico(tipo)) sql += QStringLiteral(" = ") + NumeroRegional(ValorBuscado);
            else sql += QStringLiteral(" = ") + ValorBuscado;
        },
        [&] { resultado = HayFila(sql, sql, conexion, propio, Lrcs, SoloLectura); },
    }, manejador);
    return resultado;
}

bool DB_Dll::ExisteEnTabla(const QString& Tabla, const QString& ValorBuscado, const QString& Campo,
                           ado::Recordset* Lrcs, const base::Variant& Tipodato, const QString& Condicion,
                           bool SoloLectura) {
    bool resultado = false;
    QString sql;
    ado::Recordset propio;
    auto manejador = [&](const base::Error& e) {
        return ui::operador().MsgBox(e.Description, ui::vbAbortRetryIgnore + ui::vbCritical, kAvisoOperador);
    };
    base::EjecutarPasos({
        [&] {
            const QString tipo = CodigoTipo(Tipodato);
            if (!Trim(Condicion).isEmpty()) {
                sql = QStringLiteral("SELECT TOP 1 * FROM ") + Tabla + QStringLiteral(" with(nolock) ") +
                      (Contiene(Condicion, QStringLiteral(" WHERE ")) ? QStringLiteral(" ") : QStringLiteral(" WHERE ")) +
                      Condicion;
            } else if (tipo == QLatin1String("8")) {
                sql = QStringLiteral("SELECT TOP 1  * FROM ") + Tabla + QStringLiteral(" with(nolock)  WHERE LTRIM(RTRIM(") +
                      Campo + QStringLiteral(")) ='") + TextoSQL(Trim(ValorBuscado)) + QStringLiteral("'");
            } else {
                sql = QStringLiteral("SELECT TOP 1 * FROM ") + Tabla + QStringLiteral(" with(nolock)  WHERE ") + Campo;
                if (tipo == QLatin1String("7")) sql += QStringLiteral(" = ") + Trim(ValorBuscado) + QStringLiteral(" ");
                else if (EsNumerico(tipo)) sql += QStringLiteral(" = ") + NumeroRegional(ValorBuscado);
                else sql += QStringLiteral(" = ") + ValorBuscado;
            }
            sql = SS_TSinonimos(sql);
        },
        [&] { resultado = HayFila(ORACLE_Dicc(sql), sql, gCnn, propio, Lrcs, SoloLectura); },
    }, manejador);
    return resultado;
}

base::Variant DB_Dll::DatosTabla(const QString& Tabla, const QString& ValorBuscado, const QString& CampoDevuelto,
                                 const QString& Campo, const base::Variant& Tipodato, const QString& Condicion,
                                 bool UsaTrim, bool IgnoraError) {
    base::Variant resultado;
    QString sql;
    ado::Recordset rs;
    bool fin = false;
    auto manejador = [&](const base::Error& e) -> int {
        if (IgnoraError) {
            resultado = base::Variant(QString());
            return 0;
        }
        return ui::operador().MsgBox(e.Description, ui::vbAbortRetryIgnore + ui::vbCritical, kAvisoOperador);
    };
    base::EjecutarPasos({
        [&] {
            const QString tipo = CodigoTipo(Tipodato);
            const QString y = Trim(Condicion).isEmpty() ? QString() : QStringLiteral(" AND ");
            const QString inicio = QStringLiteral("SELECT TOP 1 * FROM ") + Tabla + QStringLiteral(" with(nolock)  WHERE ");
            if (tipo == QLatin1String("8") && UsaTrim)
                sql = inicio + QStringLiteral("LTRIM(RTRIM(") + Campo + QStringLiteral(")) ='") +
                      TextoSQL(Trim(ValorBuscado)) + QStringLiteral("' ") + y + Condicion;
            else if (tipo == QLatin1String("8"))
                sql = inicio + Campo + QStringLiteral(" ='") + TextoSQL(ValorBuscado) + QStringLiteral("' ") + y + Condicion;
            else if (tipo == QLatin1String("7"))
                sql = inicio + Campo + QStringLiteral(" = #") + Trim(ValorBuscado) + QStringLiteral("# ") + y + Condicion;
            else if (EsNumerico(tipo))
                sql = inicio + Campo + QStringLiteral(" = ") + NumeroRegional(ValorBuscado) + y + Condicion;
            else
                sql = inicio + Campo + QStringLiteral(" = ") + ValorBuscado + y + Condicion;
        },
        [&] { AbrirRecordset(sql, rs, &gCnn, ado::adOpenForwardOnly, ado::adLockReadOnly, -1, true); },
        [&] {
            if (!gOpenFlag) {
                resultado = base::Variant();
                fin = true;
            }
        },
        [&] {
            if (fin) return;
            if (rs.EOF_()) resultado = base::Variant(QString());
            else resultado = base::Variant(ZkGeneral().ValorSeguro(rs.Fields(CampoDevuelto)).toString());
        },
        [&] {
            if (!fin) CierraRecordset(rs);
        },
    }, manejador);
    return resultado;
}

void DB_Dll::CierraRecordset(ado::Recordset& LrcsTemp) {
    auto manejador = [&](const base::Error& e) -> int {
        if (e.Number == ado::adErrIllegalOperation) {
            base::EjecutarPasos({
                [&] { LrcsTemp.CancelUpdate(); },
                [&] { if (LrcsTemp.State() != ado::adStateClosed) LrcsTemp.Close(); },
            }, base::IgnorarFalla);
            return base::Continuar;
        }
        return TratamientoErrores(e, kBotonesPorDefecto, QStringLiteral("CierraRecordset"));
    };
    base::PasoGuardado([&] {
        if (LrcsTemp.State() != ado::adStateClosed) LrcsTemp.Close();
    }, manejador);
}

void DB_Dll::QConsulta(const base::Variant&, const base::Variant&, const base::Variant&, const base::Variant&,
                       const base::Variant&, const base::Variant&) {}

void DB_Dll::QGridConsulta(const base::Variant&, const base::Variant&, const base::Variant&, const base::Variant&,
                           const base::Variant&) {}

void DB_Dll::EjecutaConsultaSQL(QString& SentenciaSQL, long& RecordsAffected, ado::Recordset* Lrcs) {
    auto manejador = [&](const base::Error& e) -> int {
        const bool transaccion = Contiene(SentenciaSQL, QStringLiteral("TRANS"));
        ado::Errors& errores = DBMain().gCnn.errors();
        if (errores.Count() > 0 && !transaccion && errores.Item(0).NativeError == 8152) {
            errores.Clear();
            return 0;
        }
        const bool silencioso = e.Number == ado::E_FAIL || e.Number == ado::DB_E_INTEGRITYVIOLATION ||
                                e.Number == ado::DB_E_NOTABLE || e.Number == ado::DB_E_ERRORSINCOMMAND || transaccion;
        if (!silencioso)
            ui::operador().MsgBox(e.Description, ui::vbCritical + ui::vbOKOnly, QStringLiteral("Aviso al operador!!!"));
        return 0;
    };
    base::EjecutarPasos({
        [&] {
            const bool tieneAdmin = Contiene(SentenciaSQL, QStringLiteral("@ADMIN_"));
            if (Contiene(SentenciaSQL, QStringLiteral("DROP")) && Contiene(SentenciaSQL, QStringLiteral("CREATE"))) {
                if (tieneAdmin) SentenciaSQL = QuitarAdmin(SentenciaSQL);
                else if (!Contiene(SentenciaSQL, QStringLiteral("DELETE"))) SentenciaSQL = SS_TSinonimos(SentenciaSQL);
            } else {
                SentenciaSQL = QuitarAdmin(SentenciaSQL);
            }
        },
        [&] {
            if (Contiene(gCnn.ConnectionString(), QStringLiteral("ORACLE"))) {
                // The runner consumes its script: it gets a copy, the caller keeps the
                // rewritten statement.
                QString lote = SentenciaSQL;
                EjecutaLoteOracle(lote, RecordsAffected);
                return;
            }
            ado::Recordset resultado = gCnn.Execute(SentenciaSQL, &RecordsAffected, -1);
            if (Lrcs) *Lrcs = std::move(resultado);
        },
        [&] {
            ado::Errors& errores = DBMain().gCnn.errors();
            if (errores.Count() >= 1 && errores.Count() <= 2 && !Contiene(SentenciaSQL, QStringLiteral("TRANS")) &&
                errores.Item(0).NativeError == 8152)
                errores.Clear();
        },
    }, manejador);
}

void DB_Dll::EjecutaConsultaSQL(const QString& SentenciaSQL, ado::Recordset* Lrcs) {
    QString copia = SentenciaSQL;
    long registros = 0;
    EjecutaConsultaSQL(copia, registros, Lrcs);
}

void DB_Dll::EjecutaConsultaRSQL(QString&, long&, ado::Recordset*) {}

void DB_Dll::AbrirRecordset(QString& SentenciaSQL, ado::Recordset& Lrcs, ado::Connection* Conexionactiva,
                            long CursorType, long LockType, long Options, bool ConvOracle) {
    QString texto;
    int repeticiones = 0;
    auto manejador = [&](const base::Error& e) -> int {
        if ((e.Number == ado::E_FAIL || e.Number == ado::adErrInvalidConnection) && gCnn.errors().Count() > 0 &&
            repeticiones < kMaxRepeticionesTrasReconexion) {
            ReintentaConectar();
            if (!gOpenFlag) ReintentaConectar();
            if (gOpenFlag) {
                ++repeticiones;
                return base::Reintentar;
            }
        }
        return TratamientoErrores(e, kBotonesPorDefecto, QStringLiteral("AbrirRecordset"));
    };
    base::EjecutarPasos({
        [&] { CierraRecordset(Lrcs); },
        [&] { SentenciaSQL = SS_TSinonimos(SentenciaSQL); },
        [&] {
            const bool oracle = InStr(gCnn.ConnectionString(), QStringLiteral("ORACLE")) > 1;
            texto = (oracle && ConvOracle) ? ORACLE_Dicc(SentenciaSQL) : SentenciaSQL;
        },
        [&] { Lrcs.Open(texto, Conexionactiva ? *Conexionactiva : gCnn, CursorType, LockType, Options); },
    }, manejador);
}

void DB_Dll::AbrirRecordset(const QString& SentenciaSQL, ado::Recordset& Lrcs, ado::Connection* Conexionactiva,
                            long CursorType, long LockType, long Options, bool ConvOracle) {
    QString copia = SentenciaSQL;
    AbrirRecordset(copia, Lrcs, Conexionactiva, CursorType, LockType, Options, ConvOracle);
}

// ---------------------------------------------------------------------------------------
// SQL literals and names

bool DB_Dll::adodate(const base::Variant& Qtype) const { return EnConjunto(Qtype, {7, 133, 137, 134, 135, 64}); }
bool DB_Dll::ADOText(const base::Variant& Qtype) const { return EnConjunto(Qtype, {8, 201, 203, 200, 202, 130, 129}); }
bool DB_Dll::ADONumeric(const base::Variant& Qtype) const {
    return EnConjunto(Qtype, {20, 14, 5, 3, 131, 4, 2, 16, 21, 19, 18, 17});
}
bool DB_Dll::ADOCurrency(const base::Variant& Qtype) const { return EnConjunto(Qtype, {6}); }
bool DB_Dll::ADOBoolean(const base::Variant& Qtype) const { return EnConjunto(Qtype, {11}); }
QString DB_Dll::ADOComilla(const base::Variant& Qtype) const {
    return (adodate(Qtype) || ADOText(Qtype)) ? QStringLiteral("'") : QString();
}

QString DB_Dll::SQLValue(const base::Variant& valor, const QString& marca) {
    QString abre, cierra;
    base::Variant v = valor;
    if (marca == QLatin1String("@")) {
        if (!v.isNull()) {
            const base::Variant importe = base::Variant::Currency(ZkGeneral().TextoAImporte(v.toString()));
            v = base::Variant(ZkGeneral().ReemplazarTexto(importe.toString(), QStringLiteral(","), QStringLiteral(".")));
        }
    } else if (marca == QLatin1String("'")) {
        abre = cierra = QStringLiteral("'");
    }
    QString literal;
    if (!v.isNull()) {
        literal = v.toString();
        if (!abre.isEmpty()) literal = TextoSQL(literal);
    } else if (marca != QLatin1String("@")) {
        literal = QStringLiteral("NULL");
        abre.clear();
        cierra.clear();
    } else {
        literal = QStringLiteral("0");
    }
    return abre + literal + cierra;
}

QString DB_Dll::stSTF(QString& rsName, bool rnPart) {
    const int punto = InStr(rsName, QStringLiteral("."));
    if (punto == 0 || InStr(punto + 1, rsName, QStringLiteral(".")) == 0) {
        if (rnPart) return punto == 0 ? rsName : Mid(rsName, punto + 1);
        if (punto == 0) throw ArgumentoNoValido();
        return Left(rsName, punto - 1);
    }
    rsName = StripOwner(rsName);
    return rsName;
}

QString DB_Dll::AddBrackets(const QString& rObjName) const {
    if (InStr(rObjName, QStringLiteral(" ")) > 0 && !rObjName.startsWith(QLatin1Char('[')))
        return QStringLiteral("[") + rObjName + QStringLiteral("]");
    return rObjName;
}

QString DB_Dll::StripConnect(const QString& rsTblName) const {
    const int flecha = InStr(rsTblName, QStringLiteral("->"));
    if (flecha == 0) return rsTblName;
    if (flecha < 2) throw ArgumentoNoValido();
    return Left(rsTblName, flecha - 2);
}

QString DB_Dll::StripBrackets(const QString& rsObjName) const {
    if (rsObjName.startsWith(QLatin1Char('['))) return Mid(rsObjName, 2, base::Len(rsObjName) - 2);
    return rsObjName;
}

QString DB_Dll::StripOwner(QString& rsTblName) const {
    const int punto = InStr(rsTblName, QStringLiteral("."));
    if (punto > 0) rsTblName = Mid(rsTblName, punto + 1);
    return rsTblName;
}

// The folder part of a file path; both "\" and "/" separate folders here.
QString DB_Dll::StripFileName(const QString& rsFileName) const {
    const int barra = std::max(base::InStrRev(rsFileName, QStringLiteral("\\")), base::InStrRev(rsFileName, QStringLiteral("/")));
    if (barra == 0) return QString();
    return Left(rsFileName, barra - 1);
}

// ---------------------------------------------------------------------------------------
// Schema inspection and dialects

namespace {
// Walks a schema list from its current row: true as soon as a row's `columna`,
// trimmed, equals `nombre`, trimmed, without regard to case.
bool ListaContiene(ado::Recordset& lista, const QString& columna, const QString& nombre) {
    while (!lista.EOF_()) {
        if (base::Iguales(Trim(ZkGeneral().ValorSeguro(lista.Fields(columna)).toString()), Trim(nombre))) return true;
        lista.MoveNext();
    }
    return false;
}
}  // namespace

bool DB_Dll::ExisteTablaDB(const QString& Tabla) {
    bool resultado = false;
    ado::Recordset lista;
    base::EjecutarPasos({
        [&] { lista = gCnn.OpenSchema(ado::adSchemaTables); },
        [&] { resultado = ListaContiene(lista, QStringLiteral("TABLE_NAME"), Tabla); },
    }, DBMain().ManejadorErrores(QStringLiteral("VerificaCampos")));
    return resultado;
}

bool DB_Dll::ExisteCampoDB(const QString& Tabla, const QString& Campo) {
    if (Contiene(DBMain().gProveedor, QStringLiteral("ORACLE"))) return true;
    bool resultado = false;
    ado::Recordset lista;
    base::EjecutarPasos({
        [&] {
            lista = gCnn.OpenSchema(ado::adSchemaColumns,
                                    {base::Variant(gDBName), base::Variant(), base::Variant(Tabla), base::Variant()});
        },
        [&] { resultado = ListaContiene(lista, QStringLiteral("COLUMN_NAME"), Campo); },
    }, DBMain().ManejadorErrores(QStringLiteral("VerificaCampos")));
    return resultado;
}

bool DB_Dll::VerCampoDB(const QString& Tabla, const QString& Campo, bool Agregar, const QString& Tipo,
                        bool PermiteNulos, const base::Variant& ValorDefault) {
    if (ExisteTablaDB(Tabla) && !ExisteCampoDB(Tabla, Campo) && Agregar)
        AddField(Tabla, Campo, Tipo, PermiteNulos, ValorDefault);
    return true;
}

void DB_Dll::AddField(const QString& Tabla, const QString& Campo, const QString& Tipo, bool PermiteNulos,
                      const base::Variant& ValorDefault) {
    QString sql;
    base::EjecutarPasos({
        [&] {
            sql = QStringLiteral("ALTER TABLE dbo.") + Tabla + QStringLiteral(" ADD ") + Campo + QStringLiteral(" ") + Tipo +
                  (PermiteNulos ? QStringLiteral(" Null ") : QStringLiteral(" Not Null "));
            if (!ValorDefault.isEmpty())
                sql += QStringLiteral(" CONSTRAINT DF_") + Trim(Tabla) + QStringLiteral("_") + Trim(Campo) +
                       QStringLiteral(" DEFAULT (") + ValorDefault.toString() + QStringLiteral(")");
        },
        [&] {
            long registros = 0;
            EjecutaConsultaSQL(sql, registros, nullptr);
        },
    }, DBMain().ManejadorErrores(QStringLiteral("errAddField")));
}

QString DB_Dll::SS_TSinonimos(const QString& SQL) const {
    if (gEsAdmin) return QuitarAdmin(SQL);
    if (Contiene(SQL, QStringLiteral("MV_ASIENTOS")) && !gAjustes().SS_CONFIDENCIALIDAD) return QuitarAdmin(SQL);

    struct Sinonimo {
        const char* real;
        const char* filtrado;
    };
    static const Sinonimo tabla[] = {
        {"MA_CUENTAS", "SS_MA_CUENTAS"},
        {"V_TA_DEPOSITO", "SS_V_TA_DEPOSITO"},
        {"MV_ASIENTOS", "SS_MV_ASIENTOS"},
        {"V_TA_FAMILIAS", "SS_V_TA_FAMILIAS"},
        {"V_TA_CAJAS", "SS_V_TA_CAJAS"},
        {"AC_CUENTASDIARIO", "SS_AC_CUENTASDIARIO"},
        {"AC_CUENTASDIARIO_CCOSTO", "SS_AC_CUENTAS_DIARIO_CCOSTO"},
    };
    QString r = SQL;
    for (const Sinonimo& s : tabla) {
        const QString x = QString::fromLatin1(s.real), y = QString::fromLatin1(s.filtrado);
        r = base::Replace(r, QStringLiteral(" ") + x + QStringLiteral(" "), QStringLiteral(" ") + y + QStringLiteral(" "));
        r = base::Replace(r, QStringLiteral("(") + x + QStringLiteral(" "), QStringLiteral("(") + y + QStringLiteral(" "));
        r = base::Replace(r, QStringLiteral(" ") + x + QStringLiteral("."), QStringLiteral(" ") + y + QStringLiteral("."));
        r = base::Replace(r, QStringLiteral("(") + x + QStringLiteral("."), QStringLiteral("(") + y + QStringLiteral("."));
        r = base::Replace(r, QStringLiteral(",") + x + QStringLiteral("."), QStringLiteral(",") + y + QStringLiteral("."));
        if (x == QLatin1String("MA_CUENTAS")) {
            r = base::Replace(r, QStringLiteral("{MA_CUENTAS."), QStringLiteral("{SS_MA_CUENTAS."));
            r = base::Replace(r, QStringLiteral("@Admin_MA_CUENTAS"), QStringLiteral("MA_CUENTAS"));
        }
    }
    return QuitarAdmin(r);
}

QString DB_Dll::ORACLE_Dicc(const QString& SQL) {
    if (!Contiene(gConnString, QStringLiteral("ORACLE"))) return SQL;
    if (ZkGeneral().CantidadPalabras(SQL) < 2)
        return base::UCase(SQL) == QLatin1String("LEN") ? QStringLiteral("LENGTH") : SQL;

    QString t = SQL;
    // a. Row limit.
    if (Contiene(t, QStringLiteral("top "))) {
        const int top = InStr(t, QStringLiteral("top"));
        const QString cabeza = Left(t, top - 1);
        const QString despues = Trim(Mid(t, top + 3));
        const int blanco = InStr(despues, QStringLiteral(" "));
        const QString cantidad = blanco > 0 ? Left(despues, blanco - 1) : despues;
        QString cuerpo = blanco > 0 ? Mid(despues, blanco + 1) : QString();
        QString grupo, orden;
        const int g = InStr(cuerpo, QStringLiteral(" GROUP BY "));
        if (g > 0) {
            grupo = Mid(cuerpo, g);
        } else {
            const int o = InStr(cuerpo, QStringLiteral("ORDER BY "));
            if (o > 0) orden = Mid(cuerpo, o);
        }
        const QString limite = (Contiene(t, QStringLiteral(" WHERE ")) ? QStringLiteral(" AND ROWNUM <= ")
                                                                       : QStringLiteral(" WHERE ROWNUM <= ")) +
                               cantidad;
        if (!Trim(grupo).isEmpty()) cuerpo = base::Replace(cuerpo, Trim(grupo), QStringLiteral(" "));
        if (!Trim(orden).isEmpty()) cuerpo = base::Replace(cuerpo, Trim(orden), QStringLiteral(" "));
        t = cabeza + QStringLiteral(" ") + cuerpo + QStringLiteral(" ") + limite + QStringLiteral(" ") + grupo +
            QStringLiteral(" ") + orden;
    }
    // b. LEN with up to four blanks before its parenthesis.
    for (const char* len : {" LEN(", " LEN (", " LEN  (", " LEN   (", " LEN    ("})
        t = base::Replace(t, QString::fromLatin1(len), QStringLiteral(" LENGTH("));
    // c. Brackets become double quotes.
    t = base::Replace(t, QStringLiteral("["), QStringLiteral("\""));
    t = base::Replace(t, QStringLiteral("]"), QStringLiteral("\""));
    // d. Date literals.
    {
        int desde = 1;
        for (;;) {
            const int abre = InStr(desde, t, QStringLiteral("'"));
            if (abre == 0) break;
            const int cierra = InStr(abre + 1, t, QStringLiteral("'"));
            if (cierra == 0) throw ArgumentoNoValido();
            const QString contenido = Mid(t, abre + 1, cierra - abre - 1);
            QDate fecha;
            if (EsFechaRegional(contenido, fecha)) {
                const QString nuevo = QStringLiteral("TO_DATE('") + fecha.toString(QStringLiteral("dd/MM/yyyy")) +
                                      QStringLiteral("','DD/MM/YYYY')");
                t = Left(t, abre - 1) + nuevo + Mid(t, cierra + 1);
                desde = abre + base::Len(nuevo);
            } else {
                desde = cierra + 1;
            }
        }
        while (Contiene(t, QStringLiteral("TO_DATE(TO_DATE("))) {
            t = base::Replace(t, QStringLiteral("TO_DATE(TO_DATE("), QStringLiteral("TO_DATE("));
            t = base::Replace(t, QStringLiteral("'DD/MM/YYYY'),'DD/MM/YYYY')"), QStringLiteral("'DD/MM/YYYY')"));
        }
    }
    // e, f. Functions.
    t = base::Replace(t, QStringLiteral("Charindex"), QStringLiteral("InStr"));
    t = base::Replace(t, QStringLiteral("CONVERT(NVARCHAR,"), QStringLiteral("TO_CHAR("));
    t = base::Replace(t, QStringLiteral("CONVERT(INT,"), QStringLiteral("TO_NUMBER("));
    // g. Empty-text comparisons after the first WHERE.
    {
        const int w = InStr(t, QStringLiteral("WHERE "));
        if (w > 0) {
            QString cola = Mid(t, w);
            cola = base::Replace(cola, QStringLiteral("= ''"), QStringLiteral(" IS NULL "));
            cola = base::Replace(cola, QStringLiteral("=''"), QStringLiteral(" IS NULL "));
            t = Left(t, w - 1) + cola;
        }
    }
    // h. Style 103 of TO_CHAR.
    {
        int p = InStr(t, QStringLiteral("103"));
        while (p > 0) {
            const int parentesis = base::InStrRev(Left(t, p - 1), QStringLiteral("("));
            if (parentesis >= 8 && base::Iguales(Mid(t, parentesis - 7, 8), QStringLiteral("TO_CHAR(")))
                t = Left(t, p - 1) + QStringLiteral("'DD/MM/YYYY'") + Mid(t, p + 3);
            p = InStr(p + 3, t, QStringLiteral("103"));
        }
    }
    // i, j.
    t = base::Replace(t, QStringLiteral("SUBSTRING("), QStringLiteral("SUBSTR("));
    t = base::Replace(t, QStringLiteral("ISNULL("), QStringLiteral("NVL("));
    return t;
}

QString DB_Dll::DescartaSentencia(QString& Sentencia) {
    if (Contiene(Sentencia, QStringLiteral("SET NOCOUNT")) || Contiene(Sentencia, QStringLiteral("IF NOT EXIST")))
        Sentencia.clear();
    return Sentencia;
}

void DB_Dll::EjecutaLoteOracle(QString& Script, long& RecordsAffected) {
    static const char* const claves[] = {"INSERT ", "DELETE ", "UPDATE ", "CREATE ", "DROP ", "ALTER ",
                                         "SET TRANSACTION", "COMMIT", "ROLLBACK", "IF NOT EXIST", "IF EXIST", "GRANT "};
    const QString crlf = QStringLiteral("\r\n");
    QString s = Script;
    s = base::Replace(s, QStringLiteral("SET NOCOUNT ON"), QString());
    s = base::Replace(s, QStringLiteral("SET NOCOUNT OFF"), QString());
    s = base::Replace(s, QStringLiteral(" GO "), QStringLiteral(" "));
    s = base::Replace(s, crlf + QStringLiteral("GO "), QStringLiteral(" "));
    s = base::Replace(s, crlf + QStringLiteral("GO "), QStringLiteral(" "));
    s = base::Replace(s, crlf + QStringLiteral("GO") + crlf, QStringLiteral(" "));
    s = base::Replace(s, QStringLiteral("\r"), QStringLiteral(" "));
    s = base::Replace(s, QStringLiteral("BEGIN TRANSACTION"), QStringLiteral("SET TRANSACTION"));
    s = base::Replace(s, QStringLiteral("BEGIN TRANS"), QStringLiteral("SET TRANSACTION"));
    s = base::Replace(s, QStringLiteral("COMMIT TRANSACTION"), QStringLiteral("COMMIT"));
    s = base::Replace(s, QStringLiteral("COMMIT TRANS"), QStringLiteral("COMMIT"));
    s = base::Replace(s, QStringLiteral("ROLLBACK TRANSACTION"), QStringLiteral("ROLLBACK"));
    s = base::Replace(s, QStringLiteral("ROLLBACK TRANS"), QStringLiteral("ROLLBACK"));
    Script = s;

    // Smallest position of any keyword from `desde`, 0 when none.
    auto primeraClave = [&](int desde) {
        int menor = 0;
        for (const char* c : claves) {
            const int p = InStr(desde, Script, QString::fromLatin1(c));
            if (p > 0 && (menor == 0 || p < menor)) menor = p;
        }
        return menor;
    };

    for (int inicio = primeraClave(1); inicio > 0; inicio = primeraClave(1)) {
        int siguiente = primeraClave(inicio + 1);
        if (siguiente == 0) siguiente = base::Len(Script) + 1;
        // Text before the first keyword is not part of any statement.
        QString sentencia = Trim(Mid(Script, inicio, siguiente - inicio));
        // Line feeds stay in the script, so a transaction keyword on its own line ends
        // in one: the control statements are recognised without the surrounding space.
        const QString control = sentencia.trimmed();
        if (base::Iguales(control, QStringLiteral("SET TRANSACTION"))) {
            gCnn.BeginTrans();
        } else if (base::Iguales(control, QStringLiteral("COMMIT"))) {
            gCnn.CommitTrans();
        } else if (base::Iguales(control, QStringLiteral("ROLLBACK"))) {
            gCnn.RollbackTrans();
        } else {
            sentencia = ORACLE_Dicc(sentencia);
            DescartaSentencia(sentencia);
            if (!sentencia.isEmpty()) {
                long registros = 0;
                gCnn.Execute(sentencia, &registros, -1);
                RecordsAffected += registros;
            }
        }
        Script = Trim(Mid(Script, siguiente));
    }
    if (gCnn.errors().Count() == 1 && gCnn.errors().Item(0).Number == 265929) gCnn.errors().Clear();
}

// ---------------------------------------------------------------------------------------
// Error dialog and log

void DB_Dll::ArchivoErrores(const base::Variant& valor) { gLogErr = valor.toString(); }

int DB_Dll::TratamientoErrores(const base::Error& CodErr, int Botones, const QString& Rutina) {
    if (CodErr.Number == 0) return 0;
    int respuesta = 0;
    QString ruta;
    base::EjecutarPasos({
        [&] {
            ruta = ZkGeneral().CarpetaConBarra(base::Entorno::CarpetaPrograma()) + QStringLiteral("QVERR.LOG");
            if (!gLogErr.isEmpty()) ruta = gLogErr;
        },
        [&] { respuesta = dialogo_error::Mostrar(CodErr, Botones, Rutina); },
        [&] { dialogo_error::AgregarAlLog(ruta, dialogo_error::LineaLog(base::Reloj::Ahora(), Rutina, CodErr, respuesta)); },
    }, base::IgnorarFalla);
    return respuesta;
}

base::Manejador DB_Dll::ManejadorErrores(const QString& Rutina, int Botones) {
    return [this, Rutina, Botones](const base::Error& e) { return TratamientoErrores(e, Botones, Rutina); };
}
