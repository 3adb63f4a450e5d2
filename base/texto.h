// Text and number functions with the suite's runtime semantics: positions are 1-based,
// searches and comparisons ignore case unless the caller asks for an exact compare,
// Trim removes blanks (spaces) only.
#pragma once
#include <QString>
#include <QStringList>
#include "base/variant.h"

namespace base {

QString Trim(const QString& s);
QString LTrim(const QString& s);
QString RTrim(const QString& s);
QString UCase(const QString& s);
QString LCase(const QString& s);
QString Left(const QString& s, int n);
QString Right(const QString& s, int n);
QString Mid(const QString& s, int start);          // from 1-based start to the end
QString Mid(const QString& s, int start, int len);
int Len(const QString& s);
QString Space(int n);
QString StringOf(int n, QChar c);

// 1-based position of `buscado` in `s` from `inicio`, 0 when absent.
int InStr(const QString& s, const QString& buscado, int inicio = 1, bool exacto = false);
int InStr(int inicio, const QString& s, const QString& buscado, bool exacto = false);
// 1-based position of the last occurrence, 0 when absent.
int InStrRev(const QString& s, const QString& buscado, bool exacto = false);
// Replaces every occurrence (case-insensitive unless exacto).
QString Replace(const QString& s, const QString& buscado, const QString& nuevo, bool exacto = false);
bool Iguales(const QString& a, const QString& b);  // case-insensitive equality
bool Contiene(const QString& s, const QString& buscado);  // case-insensitive
bool EmpiezaCon(const QString& s, const QString& prefijo);  // case-insensitive

// Val: the leading number of the text, blanks ignored, "." the only decimal mark,
// optional sign and exponent, "&H"/"&O" prefixes; 0 when there is none.
double Val(const QString& s);
// IsNumeric with the regional settings (decimal and thousands separators).
bool IsNumeric(const QString& s);
// The value as text: what the runtime's Str/CStr give (regional decimal mark for CStr).
QString CStr(const Variant& v);

}  // namespace base
