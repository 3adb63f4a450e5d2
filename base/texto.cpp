// Text functions with the runtime's rules: 1-based positions, case-insensitive
// search unless exact, Trim of spaces only, Val with "." as its only decimal point.
#include "base/texto.h"
#include "base/error.h"
#include "base/numeros.h"
#include <cctype>
#include <charconv>
#include <string>

namespace base {

namespace {
[[noreturn]] void argumentoNoValido() {
    throw Error(err::LlamadaNoValida, QStringLiteral("Invalid procedure call or argument"));
}
Qt::CaseSensitivity sensibilidad(bool exacto) { return exacto ? Qt::CaseSensitive : Qt::CaseInsensitive; }
}  // namespace

QString LTrim(const QString& s) {
    qsizetype i = 0;
    while (i < s.size() && s.at(i) == QLatin1Char(' ')) ++i;
    return s.mid(i);
}

QString RTrim(const QString& s) {
    qsizetype n = s.size();
    while (n > 0 && s.at(n - 1) == QLatin1Char(' ')) --n;
    return s.left(n);
}

QString Trim(const QString& s) { return LTrim(RTrim(s)); }
QString UCase(const QString& s) { return s.toUpper(); }
QString LCase(const QString& s) { return s.toLower(); }

QString Left(const QString& s, int n) {
    if (n < 0) argumentoNoValido();
    return s.left(n);
}

QString Right(const QString& s, int n) {
    if (n < 0) argumentoNoValido();
    return s.right(n);
}

QString Mid(const QString& s, int start) {
    if (start < 1) argumentoNoValido();
    return start > s.size() ? QString() : s.mid(start - 1);
}

QString Mid(const QString& s, int start, int len) {
    if (start < 1 || len < 0) argumentoNoValido();
    return start > s.size() ? QString() : s.mid(start - 1, len);
}

int Len(const QString& s) { return static_cast<int>(s.size()); }

QString Space(int n) {
    if (n < 0) argumentoNoValido();
    return QString(n, QLatin1Char(' '));
}

QString StringOf(int n, QChar c) {
    if (n < 0) argumentoNoValido();
    return QString(n, c);
}

int InStr(const QString& s, const QString& buscado, int inicio, bool exacto) {
    if (inicio < 1) argumentoNoValido();
    if (inicio > s.size()) return 0;
    if (buscado.isEmpty()) return inicio;
    return static_cast<int>(s.indexOf(buscado, inicio - 1, sensibilidad(exacto))) + 1;
}

int InStr(int inicio, const QString& s, const QString& buscado, bool exacto) {
    return InStr(s, buscado, inicio, exacto);
}

int InStrRev(const QString& s, const QString& buscado, bool exacto) {
    if (buscado.isEmpty()) return Len(s);
    return static_cast<int>(s.lastIndexOf(buscado, -1, sensibilidad(exacto))) + 1;
}

QString Replace(const QString& s, const QString& buscado, const QString& nuevo, bool exacto) {
    if (buscado.isEmpty()) return s;
    QString r = s;
    return r.replace(buscado, nuevo, sensibilidad(exacto));
}

bool Iguales(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }
bool Contiene(const QString& s, const QString& buscado) { return s.contains(buscado, Qt::CaseInsensitive); }
bool EmpiezaCon(const QString& s, const QString& prefijo) { return s.startsWith(prefijo, Qt::CaseInsensitive); }

double Val(const QString& s) {
    // Blanks, tabs and line feeds are skipped wherever they are.
    std::string t;
    for (QChar c : s)
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n') && c != QLatin1Char('\r'))
            t.push_back(c.unicode() < 128 ? static_cast<char>(c.unicode()) : '\x7f');
    size_t i = 0;
    if (t.size() >= 2 && t[0] == '&') {
        const char tipo = static_cast<char>(std::toupper(static_cast<unsigned char>(t[1])));
        const int radix = tipo == 'H' ? 16 : tipo == 'O' ? 8 : 0;
        if (!radix) return 0.0;
        size_t j = 2;
        unsigned long long v = 0;
        int cifras = 0;
        for (; j < t.size(); ++j, ++cifras) {
            int d = std::isdigit(static_cast<unsigned char>(t[j])) ? t[j] - '0'
                    : (radix == 16 && std::isxdigit(static_cast<unsigned char>(t[j])))
                        ? std::toupper(static_cast<unsigned char>(t[j])) - 'A' + 10
                        : 99;
            if (d >= radix) break;
            v = v * radix + d;
            if (v > 0xFFFFFFFFull) return 0.0;
        }
        // Up to 16 bits reads as an Integer, up to 32 as a Long (both signed).
        if (v <= 0xFFFF && (radix == 16 ? cifras <= 4 : cifras <= 6)) return static_cast<int16_t>(v);
        return static_cast<int32_t>(static_cast<uint32_t>(v));
    }
    std::string num;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        if (t[i] == '-') num.push_back('-');
        ++i;
    }
    int cifras = 0;
    bool punto = false;
    for (; i < t.size(); ++i) {
        if (t[i] >= '0' && t[i] <= '9') {
            num.push_back(t[i]);
            ++cifras;
        } else if (t[i] == '.' && !punto) {
            punto = true;
            num.push_back('.');
        } else {
            break;
        }
    }
    if (cifras == 0) return 0.0;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E' || t[i] == 'd' || t[i] == 'D')) {
        std::string exp = "e";
        size_t j = i + 1;
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) exp.push_back(t[j++]);
        bool hay = false;
        for (; j < t.size() && t[j] >= '0' && t[j] <= '9'; ++j, hay = true) exp.push_back(t[j]);
        if (hay) num += exp;
    }
    double v = 0.0;
    std::from_chars(num.data(), num.data() + num.size(), v);
    return v;
}

bool IsNumeric(const QString& s) {
    double v = 0.0;
    return LeerNumeroRegional(s, v);
}

QString CStr(const Variant& v) { return v.toString(); }

}  // namespace base
