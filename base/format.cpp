// Format for the patterns the program uses.
// Numbers: digit placeholders "0" (always shown) and "#" (shown when significant),
// "," between integer placeholders for thousands marks, "." for the decimal mark
// ("###0." writes the mark even with no decimals); the output carries the regional
// marks. Values are rounded HALF TO EVEN on their 15-significant-digit decimal form
// (Format(2.5, "0") = "2", Format(3.5, "0") = "4", Format(1234.565, "0.00") =
// "1234,56"). Text that is a regional number is converted first; other text comes
// back unchanged.
// Dates: yyyy, yy, mm/m (month, or minutes right after an hour or right before
// seconds), mmm/mmmm (month names), dd/d, hh/h (24-hour), nn/n (minutes), ss/s, in
// any case; "/" gives the regional date separator, ":" the time separator.
// Null and Empty give "".
#include "base/format.h"
#include "base/numeros.h"
#include "base/regional.h"
#include <QLocale>
#include <cmath>
#include <vector>

namespace base {

namespace {

QString formatoNumero(double v, const QString& patron) {
    const Regional& reg = Regional::actual();
    QString p = patron;
    int seccion = static_cast<int>(p.indexOf(QLatin1Char(';')));
    if (seccion >= 0) p = p.left(seccion);

    // Prefix and suffix: literal text around the placeholders.
    qsizetype primero = -1, ultimo = -1;
    for (qsizetype i = 0; i < p.size(); ++i) {
        QChar c = p.at(i);
        if (c == QLatin1Char('0') || c == QLatin1Char('#') || c == QLatin1Char('.') || c == QLatin1Char(',')) {
            if (primero < 0) primero = i;
            ultimo = i;
        }
    }
    if (primero < 0) return patron;
    const QString prefijo = p.left(primero), sufijo = p.mid(ultimo + 1);
    const QString cuerpo = p.mid(primero, ultimo - primero + 1);

    const qsizetype punto = cuerpo.indexOf(QLatin1Char('.'));
    const QString parteEntera = punto >= 0 ? cuerpo.left(punto) : cuerpo;
    const QString parteDecimal = punto >= 0 ? cuerpo.mid(punto + 1) : QString();
    int minimoEntero = static_cast<int>(parteEntera.count(QLatin1Char('0')));
    bool conMiles = false;
    {
        // A "," counts when it has placeholders on both sides.
        qsizetype coma = parteEntera.indexOf(QLatin1Char(','));
        while (coma >= 0 && !conMiles) {
            bool antes = false, despues = false;
            for (qsizetype i = 0; i < coma; ++i)
                if (parteEntera.at(i) == QLatin1Char('0') || parteEntera.at(i) == QLatin1Char('#')) antes = true;
            for (qsizetype i = coma + 1; i < parteEntera.size(); ++i)
                if (parteEntera.at(i) == QLatin1Char('0') || parteEntera.at(i) == QLatin1Char('#')) despues = true;
            conMiles = antes && despues;
            coma = parteEntera.indexOf(QLatin1Char(','), coma + 1);
        }
    }
    int maximoDecimal = 0, minimoDecimal = 0;
    for (QChar c : parteDecimal) {
        if (c == QLatin1Char('0')) minimoDecimal = ++maximoDecimal;
        else if (c == QLatin1Char('#')) ++maximoDecimal;
    }

    std::string fijo = FijoPar(v, maximoDecimal);
    bool negativo = !fijo.empty() && fijo[0] == '-';
    if (negativo) fijo.erase(0, 1);
    const size_t pf = fijo.find('.');
    QString entero = QString::fromLatin1(pf == std::string::npos ? fijo : fijo.substr(0, pf));
    QString decimales = pf == std::string::npos ? QString() : QString::fromLatin1(fijo.substr(pf + 1));
    while (decimales.size() > minimoDecimal && decimales.endsWith(QLatin1Char('0'))) decimales.chop(1);
    if (entero == QLatin1String("0")) entero.clear();
    if (entero.size() < minimoEntero) entero = entero.rightJustified(minimoEntero, QLatin1Char('0'));
    if (conMiles)
        for (qsizetype i = entero.size() - 3; i > 0; i -= 3) entero.insert(i, reg.miles);

    QString r = prefijo;
    if (negativo) r += QLatin1Char('-');
    r += entero;
    if (punto >= 0) r += reg.decimal + decimales;
    r += sufijo;
    return r;
}

// ---- dates ----

enum class Pieza { Literal, Anio4, Anio2, Mes, Mes2, MesCorto, MesLargo, Dia, Dia2, Hora, Hora2, Minuto, Minuto2, Segundo, Segundo2 };

struct Token {
    Pieza pieza;
    QString texto;  // literals
};

bool esPatronFecha(const QString& p) {
    for (QChar c : p) {
        QChar l = c.toLower();
        if (l == QLatin1Char('0') || l == QLatin1Char('#')) return false;
    }
    for (QChar c : p) {
        QChar l = c.toLower();
        if (l == QLatin1Char('y') || l == QLatin1Char('m') || l == QLatin1Char('d') || l == QLatin1Char('h') ||
            l == QLatin1Char('n') || l == QLatin1Char('s'))
            return true;
    }
    return false;
}

std::vector<Token> tokens(const QString& p) {
    std::vector<Token> t;
    const Regional& reg = Regional::actual();
    auto literal = [&](const QString& s) {
        if (!t.empty() && t.back().pieza == Pieza::Literal) t.back().texto += s;
        else t.push_back({Pieza::Literal, s});
    };
    for (qsizetype i = 0; i < p.size();) {
        QChar c = p.at(i).toLower();
        qsizetype n = 1;
        while (i + n < p.size() && p.at(i + n).toLower() == c) ++n;
        auto agregar = [&](Pieza pz, qsizetype usados) {
            t.push_back({pz, QString()});
            i += usados;
        };
        if (c == QLatin1Char('y')) {
            if (n >= 4) agregar(Pieza::Anio4, 4);
            else agregar(Pieza::Anio2, n >= 2 ? 2 : 1);
        } else if (c == QLatin1Char('m')) {
            if (n >= 4) agregar(Pieza::MesLargo, 4);
            else if (n == 3) agregar(Pieza::MesCorto, 3);
            else agregar(n == 2 ? Pieza::Mes2 : Pieza::Mes, n);
        } else if (c == QLatin1Char('d')) {
            agregar(n >= 2 ? Pieza::Dia2 : Pieza::Dia, n >= 2 ? 2 : 1);
        } else if (c == QLatin1Char('h')) {
            agregar(n >= 2 ? Pieza::Hora2 : Pieza::Hora, n >= 2 ? 2 : 1);
        } else if (c == QLatin1Char('n')) {
            agregar(n >= 2 ? Pieza::Minuto2 : Pieza::Minuto, n >= 2 ? 2 : 1);
        } else if (c == QLatin1Char('s')) {
            agregar(n >= 2 ? Pieza::Segundo2 : Pieza::Segundo, n >= 2 ? 2 : 1);
        } else if (c == QLatin1Char('/')) {
            literal(QString(reg.separadorFecha));
            ++i;
        } else if (c == QLatin1Char('\\') && i + 1 < p.size()) {
            literal(QString(p.at(i + 1)));
            i += 2;
        } else if (c == QLatin1Char('"')) {
            qsizetype fin = p.indexOf(QLatin1Char('"'), i + 1);
            if (fin < 0) fin = p.size();
            literal(p.mid(i + 1, fin - i - 1));
            i = fin + 1;
        } else {
            literal(QString(p.at(i)));
            ++i;
        }
    }
    // "m"/"mm" right after an hour or right before seconds means minutes.
    auto vecino = [&](size_t k, int paso) -> const Token* {
        for (long j = static_cast<long>(k) + paso; j >= 0 && j < static_cast<long>(t.size()); j += paso)
            if (t[j].pieza != Pieza::Literal) return &t[j];
        return nullptr;
    };
    for (size_t k = 0; k < t.size(); ++k) {
        if (t[k].pieza != Pieza::Mes && t[k].pieza != Pieza::Mes2) continue;
        const Token* antes = vecino(k, -1);
        const Token* despues = vecino(k, +1);
        bool minutos = (antes && (antes->pieza == Pieza::Hora || antes->pieza == Pieza::Hora2)) ||
                       (despues && (despues->pieza == Pieza::Segundo || despues->pieza == Pieza::Segundo2));
        if (minutos) t[k].pieza = t[k].pieza == Pieza::Mes ? Pieza::Minuto : Pieza::Minuto2;
    }
    return t;
}

QString formatoFecha(const QDateTime& f, const QString& patron) {
    const QDate d = f.date();
    const QTime h = f.time();
    auto dos = [](int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
    QString r;
    for (const Token& t : tokens(patron)) {
        switch (t.pieza) {
        case Pieza::Literal: r += t.texto; break;
        case Pieza::Anio4: r += QStringLiteral("%1").arg(d.year(), 4, 10, QLatin1Char('0')); break;
        case Pieza::Anio2: r += dos(d.year() % 100); break;
        case Pieza::Mes: r += QString::number(d.month()); break;
        case Pieza::Mes2: r += dos(d.month()); break;
        case Pieza::MesCorto: r += QLocale::c().monthName(d.month(), QLocale::ShortFormat); break;
        case Pieza::MesLargo: r += QLocale::c().monthName(d.month(), QLocale::LongFormat); break;
        case Pieza::Dia: r += QString::number(d.day()); break;
        case Pieza::Dia2: r += dos(d.day()); break;
        case Pieza::Hora: r += QString::number(h.hour()); break;
        case Pieza::Hora2: r += dos(h.hour()); break;
        case Pieza::Minuto: r += QString::number(h.minute()); break;
        case Pieza::Minuto2: r += dos(h.minute()); break;
        case Pieza::Segundo: r += QString::number(h.second()); break;
        case Pieza::Segundo2: r += dos(h.second()); break;
        }
    }
    return r;
}

}  // namespace

QString Format(const Variant& v, const QString& patron) {
    if (v.isNull() || v.isEmpty()) return QString();
    if (patron.isEmpty()) return v.toString();
    if (esPatronFecha(patron)) {
        QDateTime f;
        if (v.type() == Variant::Type::Date) f = v.rawDate();
        else if (v.type() == Variant::Type::String) {
            if (!LeerFecha(v.rawString(), f)) return v.rawString();
        } else {
            f = FechaDeSerie(v.toDouble());
        }
        return formatoFecha(f, patron);
    }
    double numero = 0.0;
    if (v.type() == Variant::Type::String) {
        if (!LeerNumeroRegional(v.rawString(), numero)) return v.rawString();
    } else {
        numero = v.toDouble();
    }
    return formatoNumero(numero, patron);
}

}  // namespace base
