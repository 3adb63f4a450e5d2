// Regional settings, taken from a locale name through QLocale. The environment's
// locale (LC_ALL, then LC_NUMERIC, then LANG) is read once, on the first use that
// finds no explicitly set value.
#include "base/regional.h"
#include <QLocale>
#include <QRegularExpression>
#include <QtGlobal>

namespace base {

namespace {
Regional& valor() {
    static Regional r;
    return r;
}
bool& fijado() {
    static bool f = false;
    return f;
}

QChar primerCaracter(const QString& s, QChar siVacio) { return s.isEmpty() ? siVacio : s.at(0); }
}  // namespace

Regional Regional::desdeLocale(const QString& nombre) {
    QString n = nombre;
    int corte = n.indexOf(QRegularExpression(QStringLiteral("[.@]")));
    if (corte >= 0) n = n.left(corte);
    QLocale loc = (n.isEmpty() || n == QLatin1String("C") || n == QLatin1String("POSIX"))
                      ? QLocale::c()
                      : QLocale(n);
    Regional r;
    r.decimal = primerCaracter(loc.decimalPoint(), QLatin1Char('.'));
    r.miles = primerCaracter(loc.groupSeparator(), QLatin1Char(','));
    if (r.miles == r.decimal) r.miles = r.decimal == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',');
    const QString corta = loc.dateFormat(QLocale::ShortFormat);
    int d = corta.indexOf(QLatin1Char('d')), m = corta.indexOf(QLatin1Char('M'));
    r.diaPrimero = !(m >= 0 && d >= 0 && m < d);
    r.separadorFecha = QLatin1Char('/');
    for (QChar c : corta) {
        if (!c.isLetter() && !c.isSpace()) {
            r.separadorFecha = c;
            break;
        }
    }
    // Currency digits: those the locale writes for one unit of its currency.
    const QString moneda = loc.toCurrencyString(1.0);
    int pos = moneda.lastIndexOf(r.decimal);
    int digitos = 0;
    if (pos >= 0)
        for (int i = pos + 1; i < moneda.size() && moneda.at(i).isDigit(); ++i) ++digitos;
    r.digitosMoneda = pos >= 0 ? digitos : 2;
    return r;
}

const Regional& Regional::actual() {
    if (!fijado()) {
        QString nombre;
        for (const char* var : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
            nombre = qEnvironmentVariable(var);
            if (!nombre.isEmpty()) break;
        }
        valor() = nombre.isEmpty() ? desdeLocale(QLocale::system().name()) : desdeLocale(nombre);
        fijado() = true;
    }
    return valor();
}

void Regional::establecer(const Regional& r) {
    valor() = r;
    fijado() = true;
}

}  // namespace base
