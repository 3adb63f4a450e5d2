// Number <-> text helpers shared by Variant, Format and the text functions: the
// regional number reader, the general text of a double (CStr) and fixed-point text
// rounded half to even on the value's 15 significant digits.
#pragma once
#include <QDateTime>
#include <QString>
#include <string>

namespace base {

// Reads a whole text as a number with the regional marks: optional blanks around,
// optional sign, digits with thousands marks anywhere in the integer part, one
// decimal mark, optional exponent. False when the text is not a number.
bool LeerNumeroRegional(const QString& s, double& valor);

// CStr of a double: regional decimal mark, no thousands marks, up to 15 significant
// digits, exponent form ("1,5E+16", "1E-05") outside 1E-4 .. 1E15.
QString TextoGeneral(double v);

// The value rounded half to even to `decimales` digits, as ASCII fixed text with "."
// (no sign for a result that rounds to zero). Halves are judged on the value's
// 15-significant-digit decimal form, so 2.675 rounds to 2.68 and 1234.565 to 1234.56.
std::string FijoPar(double v, int decimales);

// The 15 significant digits of |v| (rounded to nearest) and the power of ten of the
// first one: |v| = d.dddddddddddddd * 10^exponente. Independent of the C locale.
std::string DigitosSignificativos(double v, int& exponente);

// Dates as the runtime's day numbers: days since 30/12/1899 plus the fraction of the
// day (a date before it: minus the days, minus the fraction). Error 6 out of range.
double SerieDeFecha(const QDateTime& t);
QDateTime FechaDeSerie(double serie);

// Reads a date text: "dd/mm/yyyy[ hh:mm[:ss]]" in the regional day-month order
// (separators "/", "-" or "."; two-digit years 00-29 are 20xx, 30-99 19xx), ISO
// "yyyy-mm-dd[ hh:mm[:ss]]" (also with "T"), or a time alone "hh:mm[:ss]" (day 0).
bool LeerFecha(const QString& texto, QDateTime& fecha);

// CStr of a date: regional short date with four-digit year, plus " hh:mm:ss" when
// the time is not midnight; a time alone on day 0.
QString TextoFecha(const QDateTime& t);

}  // namespace base
