// The global module of the data layer: the three program-wide data-access objects,
// the date/time format texts, the server-name rule of the start-up, the Oracle row-limit
// rewriting, the two-step INSERT/UPDATE builder (AgregaValor + ArmaSentencia over
// gCamposValores), the program-wide error dialog ControlErrores, the AUX_ERR writer and
// the one SQL text-literal helper every statement builder uses.
#pragma once
#include <QString>
#include <QStringList>
#include <vector>
#include "base/error.h"
#include "base/pasos.h"
#include "base/variant.h"
#include "data/db_dll.h"

// Program-wide data-access objects, created on first use and dropped by
// base::ReiniciarGlobales(): the company database, the statistics database, and the
// alternate connection (only the grid lookup window uses it; nothing connects it).
DB_Dll& DBMain();
DB_Dll& DBEstadisticas();
DB_Dll& DBAlternativa();

// Format patterns for base::Format: "dd/mm/yy hh:mm", "dd/mm/yy", "hh:mm".
QString FmtFechaHora();
QString FmtFecha();
QString FmtHora();

// "tcp/SRV01:1433" -> "SRV01": the text after the first "/", then before the first ":".
QString NombreServidor(const QString& Servidor);

// On an Oracle main connection, "select top 10 * from T" -> "select  *  from T WHERE
// ROWNUM <=  10 " and "LEN" -> "LENGTH"; otherwise the text unchanged.
QString AdaptaTop(const QString& SQL);

// The inside of an SQL text literal: every apostrophe doubled ("O'Brien" -> "O''Brien").
// Whoever puts a value between single quotes passes it through here.
QString TextoSQL(const QString& valor);

// One column/value pair; Valor is already an SQL literal.
struct CampoValor {
    QString Campo;
    QString Valor;
};
// The program-wide pair list (indexes from 0).
std::vector<CampoValor>& gCamposValores();

// Adds a pair to gCamposValores (a new list of one pair when NuevaLista). The value's
// apostrophes are removed (in the caller's variable too); "NULL" in any case gives
// "Null", otherwise DBMain().SQLValue(value, Marca).
void AgregaValor(const QString& Campo, QString& Valor, const QString& Marca, bool NuevaLista);
void AgregaValor(const QString& Campo, const QString& Valor, const QString& Marca, bool NuevaLista);

// Builds "INSERT INTO t (c1,c2) VALUES (v1,v2)" or "UPDATE t SET c1 = v1,c2 = v2 " +
// condition (" WHERE " is put before a condition that lacks it; the caller's text
// changes) and appends it to Sentencias followed by one empty entry. Without Mantener
// the pair list is reset to one empty pair.
void ArmaSentencia(std::vector<CampoValor>& Pares, QStringList& Sentencias, const QString& Tabla,
                   bool Actualiza, QString& Condicion, bool Mantener);
void ArmaSentencia(std::vector<CampoValor>& Pares, QStringList& Sentencias, const QString& Tabla,
                   bool Actualiza, const QString& Condicion = QString(), bool Mantener = false);

// The program-wide error dialog: shows the failure (Botones, default 18: Abort, Retry,
// Ignore + stop icon) titled source + " - " + routine + " Aviso al operador!!! ", appends
// the answer to QVERR.LOG in the temporary folder and returns it (4 retry, 5 continue,
// other leave); 0 without showing anything when the number is 0. Never raises.
int ControlErrores(const base::Error& falla, int Botones = 18, const QString& Rutina = QString());
// A handler for base::EjecutarPasos / PasoGuardado that asks ControlErrores.
base::Manejador ManejadorControlErrores(const QString& Rutina = QString(), int Botones = 18);
// The log file ControlErrores appends to.
QString ArchivoControlErrores();

// Adds one row to AUX_ERR through the main object (Proceso empty -> the executable's
// name, written back). Ignores every failure of its own.
void GrabaAuxErr(const QString& SQL, QString& Proceso, long Error, const base::Variant& Descripcion);
void GrabaAuxErr(const QString& SQL, const QString& Proceso, long Error, const base::Variant& Descripcion);
