// The one shape of the suite's error dialogs (ControlErrores, TratamientoErrores,
// TrataError): the message, the routine part, the title, the answer words and the
// QVERR.LOG line. Each dialog decides only where its log lives and when it is opened.
#pragma once
#include <QDateTime>
#include <QString>
#include "base/error.h"

namespace dialogo_error {

constexpr int BotonesPorDefecto = 18;   // Abort, Retry, Ignore + stop icon

// "Ha ocurrido el Siguiente Error (" + number + ") " + trimmed description
QString Mensaje(const base::Error& e);
// "" without a routine name, otherwise " - " + name
QString ParteRutina(const QString& rutina);
// source + routine part + " Aviso al operador!!! "
QString Titulo(const base::Error& e, const QString& rutina);
// "" (1), "Cancelar", "Abortar", "Reintentar", "Ignorar", "Sí", "No"
QString PalabraRespuesta(int respuesta);
// MM-DD-YYYY HH:MM:SS + " Rutina: " + trimmed R + " Mensaje " + trimmed M + " Respondió : " + word
QString LineaLog(const QDateTime& momento, const QString& rutina, const base::Error& e, int respuesta);
// Shows the dialog through the operator; returns the answer.
int Mostrar(const base::Error& e, int botones, const QString& rutina);
// Appends one line (Windows-1252, CR LF) in one open-append-close; throws on failure.
void AgregarAlLog(const QString& ruta, const QString& linea);
// QVERR.LOG in the temporary folder: when TEMP is set and not empty, the folder is
// TMP's value trimmed; when that is empty, ZkSesion().CarpetaTemporal(); "/" appended.
QString RutaLogTemporal();

}  // namespace dialogo_error
