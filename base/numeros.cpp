// The regional number reader and the general text of a double. Both work on ASCII
// through <charconv>, so the process's C locale never changes a result.
#include "base/numeros.h"
#include "base/regional.h"
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace base {

std::string DigitosSignificativos(double v, int& exponente) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, 14);
    std::string digitos;
    const char* p = buf;
    for (; p < res.ptr && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') digitos.push_back(*p);
    exponente = 0;
    if (p < res.ptr && *p == 'e') {
        ++p;
        bool neg = *p == '-';
        if (*p == '-' || *p == '+') ++p;
        std::from_chars(p, res.ptr, exponente);
        if (neg) exponente = -exponente;
    }
    return digitos;
}

bool LeerNumeroRegional(const QString& texto, double& valor) {
    const Regional& reg = Regional::actual();
    const QString s = texto.trimmed();
    qsizetype i = 0, n = s.size();
    std::string ascii;
    auto blancos = [&] {
        while (i < n && s.at(i).isSpace()) ++i;
    };
    if (i < n && (s.at(i) == QLatin1Char('+') || s.at(i) == QLatin1Char('-'))) {
        if (s.at(i) == QLatin1Char('-')) ascii.push_back('-');
        ++i;
        blancos();
    }
    if (i < n && s.at(i) == QLatin1Char('$')) {
        ++i;
        blancos();
    }
    // "&H" and "&O" prefixes: hexadecimal and octal whole numbers.
    if (i + 1 < n && s.at(i) == QLatin1Char('&')) {
        QChar base = s.at(i + 1).toUpper();
        int radix = base == QLatin1Char('H') ? 16 : base == QLatin1Char('O') ? 8 : 0;
        if (!radix) return false;
        bool ok = false;
        qlonglong v = s.mid(i + 2).toLongLong(&ok, radix);
        if (!ok) return false;
        valor = ascii == "-" ? -static_cast<double>(v) : static_cast<double>(v);
        return true;
    }
    int digitos = 0;
    bool decimal = false;
    for (; i < n; ++i) {
        QChar c = s.at(i);
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            ascii.push_back(static_cast<char>(c.unicode()));
            ++digitos;
        } else if (c == reg.decimal && !decimal) {
            decimal = true;
            ascii.push_back('.');
        } else if (c == reg.miles && !decimal && digitos > 0) {
            // thousands marks are ignored in the integer part
        } else {
            break;
        }
    }
    if (digitos == 0) return false;
    if (i < n && (s.at(i) == QLatin1Char('E') || s.at(i) == QLatin1Char('e') || s.at(i) == QLatin1Char('D') ||
                  s.at(i) == QLatin1Char('d'))) {
        ascii.push_back('e');
        ++i;
        if (i < n && (s.at(i) == QLatin1Char('+') || s.at(i) == QLatin1Char('-')))
            ascii.push_back(static_cast<char>(s.at(i++).unicode()));
        int exp = 0;
        for (; i < n && s.at(i) >= QLatin1Char('0') && s.at(i) <= QLatin1Char('9'); ++i, ++exp)
            ascii.push_back(static_cast<char>(s.at(i).unicode()));
        if (exp == 0) return false;
    }
    if (i != n) return false;
    double v = 0.0;
    auto res = std::from_chars(ascii.data(), ascii.data() + ascii.size(), v);
    if (res.ec != std::errc() || res.ptr != ascii.data() + ascii.size() || !std::isfinite(v)) return false;
    valor = v;
    return true;
}

QString TextoGeneral(double v) {
    if (std::isnan(v)) return QStringLiteral("NaN");
    if (std::isinf(v)) return v < 0 ? QStringLiteral("-Inf") : QStringLiteral("Inf");
    if (v == 0.0) return QStringLiteral("0");
    const QChar dec = Regional::actual().decimal;
    int e = 0;
    std::string d = DigitosSignificativos(v, e);
    while (d.size() > 1 && d.back() == '0') d.pop_back();
    QString r;
    if (v < 0) r.append(QLatin1Char('-'));
    if (e < -4 || e >= 15) {
        r.append(QLatin1Char(d[0]));
        if (d.size() > 1) {
            r.append(dec);
            r.append(QString::fromLatin1(d.substr(1)));
        }
        r.append(e < 0 ? QLatin1String("E-") : QLatin1String("E+"));
        r.append(QString::number(std::abs(e)).rightJustified(2, QLatin1Char('0')));
    } else if (e >= 0) {
        std::string entero = d.substr(0, std::min<size_t>(d.size(), e + 1));
        entero.append(e + 1 - entero.size(), '0');
        r.append(QString::fromLatin1(entero));
        if (d.size() > static_cast<size_t>(e + 1)) {
            r.append(dec);
            r.append(QString::fromLatin1(d.substr(e + 1)));
        }
    } else {
        r.append(QLatin1Char('0'));
        r.append(dec);
        r.append(QString(-e - 1, QLatin1Char('0')));
        r.append(QString::fromLatin1(d));
    }
    return r;
}

}  // namespace base
