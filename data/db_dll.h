// DB_Dll: the program's data-access class. One object holds one ADO connection with
// the parameters it was opened with and offers every database operation the rest of
// the program uses: opening and reopening the connection, statements and recordsets
// (with the "@Admin_" / "SS_" synonym rewriting and, on Oracle connections, the dialect
// translation), SQL literal and name functions, schema inspection, its own error dialog
// and log. The three program-wide objects are reached through data/global.h.
//
// Conventions of the signatures:
// - an argument the class writes back is a non-const reference;
// - an optional argument is a defaulted parameter; an optional value "not given" is an
//   Empty base::Variant, an optional recordset or connection "not given" is nullptr;
// - a result that can be "nothing" is a base::Variant that is Empty in that case;
// - type codes (Tipodato, Tipo, Qtype) are ADO data-type numbers, given as numbers or
//   as their decimal text.
#pragma once
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include "ado/connection.h"
#include "ado/recordset.h"
#include "base/error.h"
#include "base/pasos.h"
#include "base/variant.h"
#include "companion/zorvkit.h"

class DB_Dll {
public:
    DB_Dll();
    ~DB_Dll();
    DB_Dll(const DB_Dll&) = delete;
    DB_Dll& operator=(const DB_Dll&) = delete;

    // ---- Public properties, in declaration order -------------------------------------
    std::unique_ptr<ZkDialogoArchivoClass> CmdDlg;  // Access file dialog, created on first use
    bool gOpenFlag = false;          // the last connection attempt succeeded
    base::Variant gIgnoraPassWord;   // true: the user's password is also the Access database password
    ado::Connection gCnn;            // the connection
    ado::Recordset glrcs;            // spare recordset (unused)
    base::Variant gCursorLocation;   // unused
    QString gProveedor;              // OLE DB provider name ("SQLOLEDB" when empty at open time)
    QString gDsn;                    // unused
    QString gServidor;               // server name; an Oracle data source carries the mark "#"
    QString gDBName;                 // database (Oracle: data source; Access: file path)
    QString gUsuario;                // database user
    bool gEsAdmin = false;           // the user is an administrator (set by OpenServerADODB)
    QString gUserPassWord;           // database password
    QString gConnString;             // the connection string in use (built or given)
    QString gExtended;               // appended to a built SQL Server or Access connection string
    QString gLogErr;                 // error log path of TratamientoErrores; empty = default file
    int16_t ParametrosSQL = 0;       // unused
    int16_t gQVTimeOut = 0;          // unused

    // ---- Operations, in interface order ------------------------------------------------

    // Largest value of a column: "SELECT MAX(c) AS MAYOR FROM t" [+ " WHERE " + trimmed
    // condition]. Empty when there is no row; with Tipo 7 the value as read, otherwise its
    // leading number as a double. On V_MA_ARTICULOS codes beginning with "0" are left out.
    // Failures reach the caller.
    base::Variant BuscaMaximo(const QString& QueTabla, const QString& QueCampo,
                              const base::Variant& Tipo = base::Variant(),
                              const base::Variant& Condicion = base::Variant());
    // Smallest value of a column as a double; Empty when there is no row.
    base::Variant BuscaMinimo(const QString& QueTabla, const QString& QueCampo,
                              const base::Variant& Tipo = base::Variant(),
                              const base::Variant& Condicion = base::Variant());

    // Opens gCnn. PideParametrosSQL shows the sign-in dialog (frmAcceso) first; lCursor is
    // the cursor location; a non-blank ConnString is used as given (unless the dialog is
    // shown); ValidaAdmin runs the administrator check; MuestraError chooses the
    // interactive failure handling. The outcome is read from gOpenFlag and gEsAdmin.
    void OpenServerADODB(bool PideParametrosSQL = true, long lCursor = ado::adUseClient,
                         const QString& ConnString = QString(), bool ValidaAdmin = true,
                         bool MuestraError = true);
    // Reopens the connection with its own connection string (command time-out 5 s).
    void ReintentaConectar();
    // Opens a local Access file (the file dialog when gDBName is blank).
    void OpenLocalADODB(const QString& ConnString = QString(),
                        const QString& CadenaID = QStringLiteral("User ID"),
                        const QString& CadenaPWD = QStringLiteral("Password"));

    // Row tests. Lrcs given: it is left open on the found row. Condicion not empty
    // replaces the typed comparison. ExisteEnTablaST runs on the main object's connection
    // without rewriting.
    bool ExisteEnTablaST(const QString& Tabla, const QString& ValorBuscado, const QString& Campo,
                         ado::Recordset* Lrcs = nullptr, const base::Variant& Tipodato = base::Variant(),
                         const QString& Condicion = QString(), bool SoloLectura = true);
    bool ExisteEnTabla(const QString& Tabla, const QString& ValorBuscado, const QString& Campo,
                       ado::Recordset* Lrcs = nullptr, const base::Variant& Tipodato = base::Variant(),
                       const QString& Condicion = QString(), bool SoloLectura = true);
    // One column of the first row whose Campo equals ValorBuscado: the column's text ("" when
    // there is no row); Empty when the connection is not open after the query.
    base::Variant DatosTabla(const QString& Tabla, const QString& ValorBuscado,
                             const QString& CampoDevuelto, const QString& Campo,
                             const base::Variant& Tipodato = base::Variant(),
                             const QString& Condicion = QString(), bool UsaTrim = false,
                             bool IgnoraError = false);

    // ADO type-code classifiers.
    bool adodate(const base::Variant& Qtype) const;
    QString ADOComilla(const base::Variant& Qtype) const;  // "'" for date and text types
    bool ADOText(const base::Variant& Qtype) const;
    bool ADONumeric(const base::Variant& Qtype) const;
    bool ADOCurrency(const base::Variant& Qtype) const;
    bool ADOBoolean(const base::Variant& Qtype) const;

    // Closes the recordset when it is open (a pending edit is cancelled first).
    void CierraRecordset(ado::Recordset& LrcsTemp);

    // No effect.
    void QConsulta(const base::Variant& TB, const base::Variant& Rsp, const base::Variant& Cl1,
                   const base::Variant& Cl2, const base::Variant& CmpDisplay,
                   const base::Variant& SQLWHERE);
    void QGridConsulta(const base::Variant& Sentencia, const base::Variant& CampoDevuelto1,
                       const base::Variant& gCnnString, const base::Variant& CampoDevuelto2,
                       const base::Variant& CampoDevuelto3);

    // Object-name functions.
    QString stSTF(QString& rsName, bool rnPart);          // two or more ".": rsName loses its owner
    QString AddBrackets(const QString& rObjName) const;
    QString StripConnect(const QString& rsTblName) const; // error 5 when the name begins with "->"
    QString StripBrackets(const QString& rsObjName) const;
    QString StripOwner(QString& rsTblName) const;         // the caller's name changes too
    QString StripFileName(const QString& rsFileName) const;

    // Runs a statement (or, on Oracle, a batch). The "@Admin_"/synonym rewriting is
    // stored back into SentenciaSQL; the count goes into RecordsAffected; Lrcs, when
    // given, receives the result set. Never raises: failures are shown (or not) as the
    // rules say and remain in gCnn.errors().
    void EjecutaConsultaSQL(QString& SentenciaSQL, long& RecordsAffected, ado::Recordset* Lrcs = nullptr);
    // The same for a text the caller does not keep (no count, no write-back).
    void EjecutaConsultaSQL(const QString& SentenciaSQL, ado::Recordset* Lrcs = nullptr);
    // No effect.
    void EjecutaConsultaRSQL(QString& SentenciaSQL, long& RecordsAffected, ado::Recordset* Lrcs = nullptr);

    // Opens Lrcs on the statement (synonym rewriting stored back into SentenciaSQL; the
    // Oracle translation is not). Conexionactiva null = gCnn. Reconnects on a lost
    // connection; other failures go to TratamientoErrores("AbrirRecordset").
    void AbrirRecordset(QString& SentenciaSQL, ado::Recordset& Lrcs,
                        ado::Connection* Conexionactiva = nullptr,
                        long CursorType = ado::adOpenForwardOnly, long LockType = ado::adLockReadOnly,
                        long Options = -1, bool ConvOracle = true);
    // The same for a text the caller does not keep.
    void AbrirRecordset(const QString& SentenciaSQL, ado::Recordset& Lrcs,
                        ado::Connection* Conexionactiva = nullptr,
                        long CursorType = ado::adOpenForwardOnly, long LockType = ado::adLockReadOnly,
                        long Options = -1, bool ConvOracle = true);

    // SQL Server dialect -> Oracle, when gConnString contains "ORACLE"; otherwise the
    // text unchanged. An unterminated apostrophe raises error 5.
    QString ORACLE_Dicc(const QString& SQL);

    // "SELECT MAX(c) AS MAYOR FROM t" [+ " WHERE " + condition]: a double or Empty.
    base::Variant BuscaUltimoCodigo(const QString& QueTabla, const QString& QueCampo,
                                    const base::Variant& Tipo = base::Variant(),
                                    const QString& Condicion = QString());

    // Provider names.
    QString pJETOLEDB40() const { return QStringLiteral("Microsoft.Jet.OLEDB.4.0"); }
    QString pJETOLEDB35() const { return QStringLiteral("Microsoft.Jet.OLEDB.3.51"); }
    QString pSQLOLEDB() const { return QStringLiteral("SQLOLEDB"); }

    // The value as an SQL literal for the mark: "'" quotes it (apostrophes doubled),
    // "@" writes an amount with "." as decimal mark; Null gives NULL ("0" for "@").
    QString SQLValue(const base::Variant& valor, const QString& marca);

    // "ALTER TABLE dbo.T ADD C type Null|Not Null [CONSTRAINT DF_T_C DEFAULT (v)]".
    void AddField(const QString& Tabla, const QString& Campo, const QString& Tipo, bool PermiteNulos,
                  const base::Variant& ValorDefault = base::Variant());
    bool ExisteTablaDB(const QString& Tabla);
    bool ExisteCampoDB(const QString& Tabla, const QString& Campo);
    // Adds the column when the table exists, the column does not and Agregar; always true.
    bool VerCampoDB(const QString& Tabla, const QString& Campo, bool Agregar, const QString& Tipo,
                    bool PermiteNulos, const base::Variant& ValorDefault = base::Variant());

    // Non-administrators: accounting and stock names -> their "SS_" synonyms; always
    // removes "@Admin_".
    QString SS_TSinonimos(const QString& SQL) const;

    // The error log path property (gLogErr).
    QString ArchivoErrores() const { return gLogErr; }
    void ArchivoErrores(const base::Variant& valor);

    // The class's error dialog: shows the failure, logs the answer, returns it (4 retry,
    // 5 continue, other leave); 0 without showing anything when the number is 0. Never
    // raises.
    int TratamientoErrores(const base::Error& CodErr, int Botones = 18, const QString& Rutina = QString());

    // A handler for base::EjecutarPasos / PasoGuardado that asks TratamientoErrores.
    base::Manejador ManejadorErrores(const QString& Rutina, int Botones = 18);
    // The Access connection-string form built by OpenLocalADODB from the properties.
    QString CadenaAccess(const QString& CadenaID, const QString& CadenaPWD) const;

private:
    friend struct AccesoPruebaDB_Dll;   // tests reach the batch runner directly

    // Empty text for statements the Oracle runner drops (also in the caller's variable).
    QString DescartaSentencia(QString& Sentencia);
    // Splits a SQL Server batch into single statements and runs them (Oracle route).
    void EjecutaLoteOracle(QString& Script, long& RecordsAffected);

    // The connection-string forms.
    void ArmarCadenaConexion();
    bool PedirAcceso();
};
