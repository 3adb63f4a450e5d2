// Date texts read day-month-year (the suite's server date order) or ISO.
#include "ado/sqlite/fechas.h"

#include <QDate>
#include <QTime>
#include <cstdio>

namespace ado::sqlite {

namespace {

struct Lector {
    const char* p;
    int n;
    int i = 0;
    bool fin() const { return i >= n; }
    char actual() const { return i < n ? p[i] : '\0'; }
    // Reads up to `max` digits; returns how many were read.
    int digitos(int& valor, int max = 9) {
        valor = 0;
        int k = 0;
        while (i < n && k < max && p[i] >= '0' && p[i] <= '9') {
            valor = valor * 10 + (p[i] - '0');
            ++i;
            ++k;
        }
        return k;
    }
};

bool leerHora(Lector& l, Momento& m) {
    int h, mi;
    const int ch = l.digitos(h, 2);
    if (ch < 1 || l.actual() != ':') return false;
    ++l.i;
    if (l.digitos(mi, 2) != 2) return false;
    m.hora = h;
    m.minuto = mi;
    if (l.actual() == ':') {
        ++l.i;
        int s;
        if (l.digitos(s, 2) != 2) return false;
        m.segundo = s;
        if (l.actual() == '.') {
            ++l.i;
            int f;
            const int cf = l.digitos(f, 9);
            if (cf < 1) return false;
            while (f >= 1000) f /= 10;
            m.milis = cf == 1 ? f * 100 : (cf == 2 ? f * 10 : f);
        }
    }
    m.conHora = true;
    return m.hora < 24 && m.minuto < 60 && m.segundo < 60;
}

}  // namespace

bool LeerMomento(const char* texto, int largo, Momento& m) {
    m = Momento();
    int ini = 0, fin = largo;
    while (ini < fin && texto[ini] == ' ') ++ini;
    while (fin > ini && texto[fin - 1] == ' ') --fin;
    Lector l{texto + ini, fin - ini};
    int a;
    const int ca = l.digitos(a);
    if (ca == 0) return false;
    if (ca == 8 && (l.fin() || l.actual() == ' ' || l.actual() == 'T')) {
        m.anio = a / 10000;
        m.mes = a / 100 % 100;
        m.dia = a % 100;
    } else if (ca == 4 && (l.actual() == '-' || l.actual() == '/' || l.actual() == '.')) {
        const char sep = l.actual();
        ++l.i;
        int mes, dia;
        if (l.digitos(mes, 2) < 1 || l.actual() != sep) return false;
        ++l.i;
        if (l.digitos(dia, 2) < 1) return false;
        m.anio = a;
        m.mes = mes;
        m.dia = dia;
    } else if (ca <= 2 && (l.actual() == '/' || l.actual() == '-' || l.actual() == '.')) {
        const char sep = l.actual();
        ++l.i;
        int mes, anio;
        if (l.digitos(mes, 2) < 1 || l.actual() != sep) return false;
        ++l.i;
        const int cy = l.digitos(anio, 4);
        if (cy == 2) anio += anio < 50 ? 2000 : 1900;
        else if (cy != 4) return false;
        m.anio = anio;
        m.mes = mes;
        m.dia = a;
    } else {
        return false;
    }
    if (!l.fin()) {
        if (l.actual() != ' ' && l.actual() != 'T') return false;
        while (l.actual() == ' ' || l.actual() == 'T') ++l.i;
        if (!leerHora(l, m) || !l.fin()) return false;
    }
    return QDate::isValid(m.anio, m.mes, m.dia);
}

bool LeerMomento(const QString& texto, Momento& m) {
    const QByteArray b = texto.toLatin1();
    return LeerMomento(b.constData(), static_cast<int>(b.size()), m);
}

int CompararMomentos(const Momento& a, const Momento& b) {
    const int x[] = {a.anio, a.mes, a.dia, a.hora, a.minuto, a.segundo, a.milis};
    const int y[] = {b.anio, b.mes, b.dia, b.hora, b.minuto, b.segundo, b.milis};
    for (int k = 0; k < 7; ++k)
        if (x[k] != y[k]) return x[k] < y[k] ? -1 : 1;
    return 0;
}

QString TextoIso(const Momento& m, bool conHora) {
    char b[32];
    if (conHora)
        std::snprintf(b, sizeof b, "%04d-%02d-%02d %02d:%02d:%02d", m.anio, m.mes, m.dia, m.hora, m.minuto,
                      m.segundo);
    else
        std::snprintf(b, sizeof b, "%04d-%02d-%02d", m.anio, m.mes, m.dia);
    return QString::fromLatin1(b);
}

QDateTime AFechaHora(const Momento& m) {
    return QDateTime(QDate(m.anio, m.mes, m.dia), QTime(m.hora, m.minuto, m.segundo, m.milis));
}

Momento DeFechaHora(const QDateTime& t) {
    Momento m;
    m.anio = t.date().year();
    m.mes = t.date().month();
    m.dia = t.date().day();
    m.hora = t.time().hour();
    m.minuto = t.time().minute();
    m.segundo = t.time().second();
    m.milis = t.time().msec();
    m.conHora = true;
    return m;
}

bool EsTextoIso(const QString& texto) {
    const int n = static_cast<int>(texto.size());
    if (n != 10 && n != 19) return false;
    static const char molde[] = "dddd-dd-dd dd:dd:dd";
    for (int i = 0; i < n; ++i) {
        const QChar c = texto[i];
        if (molde[i] == 'd' ? !c.isDigit() : c != QLatin1Char(molde[i])) return false;
    }
    Momento m;
    return LeerMomento(texto, m);
}

}  // namespace ado::sqlite
