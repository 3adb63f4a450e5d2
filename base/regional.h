// Regional settings: decimal and thousands marks, short date format, currency digits.
// Read once from the environment's locale (LC_ALL, LC_NUMERIC, LANG) through QLocale;
// tests and the command line set them explicitly. No code reads the locale elsewhere.
#pragma once
#include <QChar>
#include <QString>

namespace base {

struct Regional {
    QChar decimal = QLatin1Char(',');
    QChar miles = QLatin1Char('.');
    QChar separadorFecha = QLatin1Char('/');
    bool diaPrimero = true;      // short date is day/month/year (false: month/day/year)
    int digitosMoneda = 2;

    static Regional desdeLocale(const QString& nombre);  // "es_AR", "en_US", ...
    static const Regional& actual();                     // the environment's unless set
    static void establecer(const Regional& r);
};

}  // namespace base
