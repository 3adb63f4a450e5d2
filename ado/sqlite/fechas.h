// Date texts as the suite's server reads them: ISO texts as stored, and the
// day-month-year texts the suite's statements carry, whatever the regional settings.
#pragma once
#include <QDateTime>
#include <QString>

namespace ado::sqlite {

struct Momento {
    int anio = 0, mes = 0, dia = 0;
    int hora = 0, minuto = 0, segundo = 0, milis = 0;
    bool conHora = false;   // the text carried a time of day
};

// Reads "yyyy-mm-dd[ hh:mm[:ss[.fff]]]" (also with "T"), "yyyy/mm/dd", "yyyymmdd", and
// "d/m/yyyy[ hh:mm[:ss[.fff]]]" with "/", "-" or "." as separators (two-digit years:
// 00-49 are 20xx, 50-99 19xx). Blanks around the text are ignored. False when the text
// is not a valid date.
bool LeerMomento(const char* texto, int largo, Momento& m);
bool LeerMomento(const QString& texto, Momento& m);

// <0, 0, >0 by date and time of day (a date alone is its midnight).
int CompararMomentos(const Momento& a, const Momento& b);

// "yyyy-mm-dd", or "yyyy-mm-dd hh:mm:ss" when conHora.
QString TextoIso(const Momento& m, bool conHora);

QDateTime AFechaHora(const Momento& m);
Momento DeFechaHora(const QDateTime& t);

// True when the text is exactly an ISO date or date and time as the provider stores them.
bool EsTextoIso(const QString& texto);

}  // namespace ado::sqlite
