// What the suite's server gives every statement, registered on each SQLite connection:
// - collation CI: text compared without regard to case and to trailing blanks
//   ('RM' = 'rm '); text columns of the schema use it, so =, <>, ORDER BY, GROUP BY,
//   MIN/MAX and DISTINCT follow it;
// - collation FECHA: date columns compare as moments, whether the text is ISO (as
//   stored) or day-month-year (as the suite writes it), so '2015-03-31' equals
//   '2015-03-31 00:00:00' and a time of day after midnight sorts after the bare date;
// - LIKE with % _ [set] [^set], without regard to case, trailing blanks of the value
//   ignored;
// - LEN (trailing blanks ignored), CHARINDEX, GETDATE (base::Reloj), SUBSTRING,
//   LEFT/RIGHT (renamed RM_LEFT/RM_RIGHT by the translation: both are keywords here;
//   ISNULL becomes the built-in IFNULL),
//   UPPER/LOWER beyond ASCII, REPLACE without regard to case, SPACE, REPLICATE,
//   YEAR/MONTH/DAY and CONVERT(type, value[, style]) (the translation quotes the type).
#include <sqlite3.h>
#include <QString>
#include <cmath>
#include <cstring>
#include "ado/sqlite/base_sqlite.h"
#include "ado/sqlite/fechas.h"
#include "base/reloj.h"

namespace ado::sqlite {

namespace {

int sinBlancosFinales(const char* p, int n) {
    while (n > 0 && p[n - 1] == ' ') --n;
    return n;
}

int compararCI(void*, int na, const void* va, int nb, const void* vb) {
    const auto* a = static_cast<const unsigned char*>(va);
    const auto* b = static_cast<const unsigned char*>(vb);
    na = sinBlancosFinales(reinterpret_cast<const char*>(a), na);
    nb = sinBlancosFinales(reinterpret_cast<const char*>(b), nb);
    const int n = na < nb ? na : nb;
    for (int i = 0; i < n; ++i) {
        if (a[i] >= 0x80 || b[i] >= 0x80) {
            const QString x = QString::fromUtf8(reinterpret_cast<const char*>(a), na);
            const QString y = QString::fromUtf8(reinterpret_cast<const char*>(b), nb);
            const int c = x.compare(y, Qt::CaseInsensitive);
            return c < 0 ? -1 : (c > 0 ? 1 : 0);
        }
        int ca = a[i], cb = b[i];
        if (ca >= 'A' && ca <= 'Z') ca += 32;
        if (cb >= 'A' && cb <= 'Z') cb += 32;
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    // One is a prefix of the other: the longer may still hold non-ASCII text, which
    // orders after any ASCII text in both paths.
    return na == nb ? 0 : (na < nb ? -1 : 1);
}

// Valid dates first, by moment; other texts after them, byte by byte.
int compararFecha(void*, int na, const void* va, int nb, const void* vb) {
    const char* a = static_cast<const char*>(va);
    const char* b = static_cast<const char*>(vb);
    Momento x, y;
    const bool fa = LeerMomento(a, na, x);
    const bool fb = LeerMomento(b, nb, y);
    if (fa && fb) return CompararMomentos(x, y);
    if (fa != fb) return fa ? -1 : 1;
    const int n = na < nb ? na : nb;
    const int c = std::memcmp(a, b, static_cast<size_t>(n));
    if (c != 0) return c < 0 ? -1 : 1;
    return na == nb ? 0 : (na < nb ? -1 : 1);
}

QString texto(sqlite3_value* v) {
    const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
    return QString::fromUtf8(p, sqlite3_value_bytes(v));
}

void devolver(sqlite3_context* c, const QString& s) {
    const QByteArray b = s.toUtf8();
    sqlite3_result_text(c, b.constData(), static_cast<int>(b.size()), SQLITE_TRANSIENT);
}

bool algunoNulo(int argc, sqlite3_value** argv) {
    for (int i = 0; i < argc; ++i)
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL) return true;
    return false;
}

// --- LIKE ---------------------------------------------------------------------------

// Matches one pattern element at p[j] against ch; sets `siguiente` past the element.
bool unElemento(const QString& p, int j, QChar ch, QChar esc, bool hayEsc, int& siguiente) {
    const int np = static_cast<int>(p.size());
    if (hayEsc && p[j] == esc && j + 1 < np) {
        siguiente = j + 2;
        return p[j + 1] == ch;
    }
    if (p[j] == QLatin1Char('_')) {
        siguiente = j + 1;
        return true;
    }
    if (p[j] == QLatin1Char('[')) {
        int k = j + 1;
        bool negado = false;
        if (k < np && p[k] == QLatin1Char('^')) {
            negado = true;
            ++k;
        }
        bool dentro = false;
        bool cerrado = false;
        bool primero = true;
        while (k < np) {
            if (p[k] == QLatin1Char(']') && !primero) {
                cerrado = true;
                break;
            }
            primero = false;
            if (k + 2 < np && p[k + 1] == QLatin1Char('-') && p[k + 2] != QLatin1Char(']')) {
                if (ch >= p[k] && ch <= p[k + 2]) dentro = true;
                k += 3;
            } else {
                if (ch == p[k]) dentro = true;
                ++k;
            }
        }
        if (cerrado) {
            siguiente = k + 1;
            return dentro != negado;
        }
    }
    siguiente = j + 1;
    return p[j] == ch;
}

bool coincide(const QString& s, const QString& p, QChar esc, bool hayEsc) {
    const int ns = static_cast<int>(s.size()), np = static_cast<int>(p.size());
    int i = 0, j = 0, comodinJ = -1, comodinI = 0;
    while (i < ns) {
        if (j < np && p[j] == QLatin1Char('%')) {
            comodinJ = j++;
            comodinI = i;
            continue;
        }
        int sig = 0;
        if (j < np && unElemento(p, j, s[i], esc, hayEsc, sig)) {
            ++i;
            j = sig;
        } else if (comodinJ >= 0) {
            j = comodinJ + 1;
            i = ++comodinI;
        } else {
            return false;
        }
    }
    while (j < np && p[j] == QLatin1Char('%')) ++j;
    return j == np;
}

void fnLike(sqlite3_context* c, int argc, sqlite3_value** argv) {
    if (algunoNulo(argc, argv)) return sqlite3_result_null(c);
    const QString patron = texto(argv[0]).toCaseFolded();
    QString valor = texto(argv[1]).toCaseFolded();
    QChar esc;
    bool hayEsc = false;
    if (argc == 3) {
        const QString e = texto(argv[2]);
        if (e.size() != 1) return sqlite3_result_error(c, "ESCAPE expression must be a single character", -1);
        esc = e.toCaseFolded()[0];
        hayEsc = true;
    }
    bool si = coincide(valor, patron, esc, hayEsc);
    if (!si) {
        int n = static_cast<int>(valor.size());
        while (n > 0 && valor[n - 1] == QLatin1Char(' ')) --n;
        if (n < valor.size()) si = coincide(valor.left(n), patron, esc, hayEsc);
    }
    sqlite3_result_int(c, si ? 1 : 0);
}

// --- text functions -----------------------------------------------------------------

void fnLen(sqlite3_context* c, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return sqlite3_result_null(c);
    QString s = texto(argv[0]);
    int n = static_cast<int>(s.size());
    while (n > 0 && s[n - 1] == QLatin1Char(' ')) --n;
    sqlite3_result_int(c, n);
}

void fnCharIndex(sqlite3_context* c, int argc, sqlite3_value** argv) {
    if (algunoNulo(argc, argv)) return sqlite3_result_null(c);
    const QString buscado = texto(argv[0]);
    const QString s = texto(argv[1]);
    int desde = argc == 3 ? sqlite3_value_int(argv[2]) : 1;
    if (desde < 1) desde = 1;
    if (buscado.isEmpty()) return sqlite3_result_int(c, 0);
    sqlite3_result_int(c, static_cast<int>(s.indexOf(buscado, desde - 1, Qt::CaseInsensitive)) + 1);
}

void fnGetDate(sqlite3_context* c, int, sqlite3_value**) {
    devolver(c, base::Reloj::Ahora().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}

void fnSubstring(sqlite3_context* c, int argc, sqlite3_value** argv) {
    if (algunoNulo(argc, argv)) return sqlite3_result_null(c);
    const QString s = texto(argv[0]);
    const qint64 inicio = sqlite3_value_int64(argv[1]);
    const qint64 largo = sqlite3_value_int64(argv[2]);
    if (largo < 0) return sqlite3_result_error(c, "Invalid length parameter passed to the substring function.", -1);
    qint64 desde = inicio - 1;
    qint64 hasta = desde + largo;
    if (desde < 0) desde = 0;
    if (hasta > s.size()) hasta = s.size();
    devolver(c, hasta > desde ? s.mid(desde, hasta - desde) : QString());
}

void fnLeft(sqlite3_context* c, int argc, sqlite3_value** argv) {
    if (algunoNulo(argc, argv)) return sqlite3_result_null(c);
    const qint64 n = sqlite3_value_int64(argv[1]);
    if (n < 0) return sqlite3_result_error(c, "Invalid length parameter passed to the left function.", -1);
    devolver(c, texto(argv[0]).left(n));
}

void fnRight(sqlite3_context* c, int argc, sqlite3_value** argv) {
    if (algunoNulo(argc, argv)) return sqlite3_result_null(c);
    const qint64 n = sqlite3_value_int64(argv[1]);
    if (n < 0) return sqlite3_result_error(c, "Invalid length parameter passed to the right function.", -1);
    devolver(c, texto(argv[0]).right(n));
}

void fnUpper(sqlite3_context* c, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return sqlite3_result_null(c);
    devolver(c, texto(argv[0]).toUpper());
}

void fnLower(sqlite3_context* c, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return sqlite3_result_null(c);
    devolver(c, texto(argv[0]).toLower());
}

void fnReplace(sqlite3_context* c, int argc, sqlite3_value** argv) {
    if (algunoNulo(argc, argv)) return sqlite3_result_null(c);
    QString s = texto(argv[0]);
    const QString buscado = texto(argv[1]);
    if (!buscado.isEmpty()) s.replace(buscado, texto(argv[2]), Qt::CaseInsensitive);
    devolver(c, s);
}

void fnSpace(sqlite3_context* c, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return sqlite3_result_null(c);
    const int n = sqlite3_value_int(argv[0]);
    if (n < 0) return sqlite3_result_null(c);
    devolver(c, QString(n, QLatin1Char(' ')));
}

void fnReplicate(sqlite3_context* c, int argc, sqlite3_value** argv) {
    if (algunoNulo(argc, argv)) return sqlite3_result_null(c);
    const int n = sqlite3_value_int(argv[1]);
    if (n < 0) return sqlite3_result_null(c);
    devolver(c, texto(argv[0]).repeated(n));
}

// YEAR, MONTH, DAY: the part selected by the user data (0, 1, 2).
void fnParteFecha(sqlite3_context* c, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return sqlite3_result_null(c);
    Momento m;
    if (!LeerMomento(texto(argv[0]), m))
        return sqlite3_result_error(c, "Conversion failed when converting date and/or time from character string.", -1);
    const auto parte = reinterpret_cast<intptr_t>(sqlite3_user_data(c));
    sqlite3_result_int(c, parte == 0 ? m.anio : (parte == 1 ? m.mes : m.dia));
}

// --- CONVERT ------------------------------------------------------------------------

QString fechaConEstilo(const Momento& m, int estilo) {
    auto d2 = [](int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
    const QString y4 = QStringLiteral("%1").arg(m.anio, 4, 10, QLatin1Char('0'));
    const QString y2 = d2(m.anio % 100);
    const QString hora = d2(m.hora) + QLatin1Char(':') + d2(m.minuto) + QLatin1Char(':') + d2(m.segundo);
    switch (estilo) {
    case 1: return d2(m.mes) + QLatin1Char('/') + d2(m.dia) + QLatin1Char('/') + y2;
    case 3: return d2(m.dia) + QLatin1Char('/') + d2(m.mes) + QLatin1Char('/') + y2;
    case 4: return d2(m.dia) + QLatin1Char('.') + d2(m.mes) + QLatin1Char('.') + y2;
    case 5: return d2(m.dia) + QLatin1Char('-') + d2(m.mes) + QLatin1Char('-') + y2;
    case 8: case 108: return hora;
    case 12: return y2 + d2(m.mes) + d2(m.dia);
    case 101: return d2(m.mes) + QLatin1Char('/') + d2(m.dia) + QLatin1Char('/') + y4;
    case 103: return d2(m.dia) + QLatin1Char('/') + d2(m.mes) + QLatin1Char('/') + y4;
    case 104: return d2(m.dia) + QLatin1Char('.') + d2(m.mes) + QLatin1Char('.') + y4;
    case 105: return d2(m.dia) + QLatin1Char('-') + d2(m.mes) + QLatin1Char('-') + y4;
    case 112: return y4 + d2(m.mes) + d2(m.dia);
    default: return TextoIso(m, true);
    }
}

void fnConvert(sqlite3_context* c, int argc, sqlite3_value** argv) {
    const QString tipoCompleto = texto(argv[0]).trimmed().toUpper();
    const QString tipo = tipoCompleto.section(QLatin1Char('('), 0, 0).trimmed();
    sqlite3_value* v = argv[1];
    if (sqlite3_value_type(v) == SQLITE_NULL) return sqlite3_result_null(c);
    const bool conEstilo = argc == 3 && sqlite3_value_type(argv[2]) != SQLITE_NULL;
    const int estilo = conEstilo ? sqlite3_value_int(argv[2]) : 0;
    const QString s = texto(v);

    if (tipo.contains(QLatin1String("CHAR")) || tipo == QLatin1String("TEXT") || tipo == QLatin1String("NTEXT")) {
        QString r = s;
        Momento m;
        if (sqlite3_value_type(v) == SQLITE_TEXT && conEstilo && EsTextoIso(s) && LeerMomento(s, m))
            r = fechaConEstilo(m, estilo);
        const int abre = static_cast<int>(tipoCompleto.indexOf(QLatin1Char('(')));
        if (abre > 0) {
            bool ok = false;
            const int largo = tipoCompleto.mid(abre + 1).section(QLatin1Char(')'), 0, 0).trimmed().toInt(&ok);
            if (ok && largo >= 0) r = r.left(largo);
        } else if (!tipo.contains(QLatin1String("TEXT")) && sqlite3_value_type(v) == SQLITE_TEXT && r.size() > 30) {
            r = r.left(30);   // the server's length when none is given
        }
        return devolver(c, r);
    }
    if (tipo == QLatin1String("INT") || tipo == QLatin1String("INTEGER") || tipo == QLatin1String("BIGINT") ||
        tipo == QLatin1String("SMALLINT") || tipo == QLatin1String("TINYINT")) {
        if (sqlite3_value_type(v) == SQLITE_INTEGER) return sqlite3_result_int64(c, sqlite3_value_int64(v));
        if (sqlite3_value_type(v) == SQLITE_FLOAT) return sqlite3_result_int64(c, static_cast<qint64>(std::trunc(sqlite3_value_double(v))));
        bool ok = false;
        const qint64 n = s.trimmed().toLongLong(&ok);
        if (!ok && !s.trimmed().isEmpty()) {
            const QByteArray m = QStringLiteral("Conversion failed when converting the varchar value '%1' to data type int.")
                                     .arg(s).toUtf8();
            return sqlite3_result_error(c, m.constData(), static_cast<int>(m.size()));
        }
        return sqlite3_result_int64(c, n);
    }
    if (tipo == QLatin1String("FLOAT") || tipo == QLatin1String("REAL") || tipo == QLatin1String("MONEY") ||
        tipo == QLatin1String("SMALLMONEY") || tipo == QLatin1String("NUMERIC") || tipo == QLatin1String("DECIMAL")) {
        double d;
        if (sqlite3_value_type(v) == SQLITE_INTEGER || sqlite3_value_type(v) == SQLITE_FLOAT) {
            d = sqlite3_value_double(v);
        } else {
            bool ok = false;
            d = s.trimmed().toDouble(&ok);
            if (!ok && !s.trimmed().isEmpty()) {
                const QByteArray m = QStringLiteral("Error converting data type varchar to %1.").arg(tipo.toLower()).toUtf8();
                return sqlite3_result_error(c, m.constData(), static_cast<int>(m.size()));
            }
        }
        const int coma = static_cast<int>(tipoCompleto.indexOf(QLatin1Char(',')));
        if (coma > 0) {
            const int escala = tipoCompleto.mid(coma + 1).section(QLatin1Char(')'), 0, 0).trimmed().toInt();
            const double f = std::pow(10.0, escala);
            d = std::round(d * f) / f;
        }
        return sqlite3_result_double(c, d);
    }
    if (tipo.contains(QLatin1String("DATE")) || tipo == QLatin1String("SMALLDATETIME")) {
        Momento m;
        bool ok = false;
        if (conEstilo && (estilo == 101 || estilo == 1)) {
            // month first: swap the first two parts of the text
            const QStringList partes = s.trimmed().split(QLatin1Char('/'));
            if (partes.size() == 3) ok = LeerMomento(partes[1] + QLatin1Char('/') + partes[0] + QLatin1Char('/') + partes[2], m);
        } else {
            ok = LeerMomento(s, m);
        }
        if (!ok)
            return sqlite3_result_error(c, "Conversion failed when converting date and/or time from character string.", -1);
        return devolver(c, TextoIso(m, tipo != QLatin1String("DATE")));
    }
    if (tipo == QLatin1String("BIT")) return sqlite3_result_int(c, sqlite3_value_double(v) != 0 ? 1 : 0);
    sqlite3_result_value(c, v);
}

struct Funcion {
    const char* nombre;
    int argumentos;
    void (*f)(sqlite3_context*, int, sqlite3_value**);
    bool determinista;
    intptr_t dato;
};

}  // namespace

void RegistrarFunciones(sqlite3* db) {
    sqlite3_create_collation(db, "CI", SQLITE_UTF8, nullptr, &compararCI);
    sqlite3_create_collation(db, "FECHA", SQLITE_UTF8, nullptr, &compararFecha);
    static const Funcion funciones[] = {
        {"like", 2, fnLike, true, 0},          {"like", 3, fnLike, true, 0},
        {"LEN", 1, fnLen, true, 0},
        {"CHARINDEX", 2, fnCharIndex, true, 0}, {"CHARINDEX", 3, fnCharIndex, true, 0},
        {"GETDATE", 0, fnGetDate, false, 0},   {"SUBSTRING", 3, fnSubstring, true, 0},
        {"RM_LEFT", 2, fnLeft, true, 0},       {"RM_RIGHT", 2, fnRight, true, 0},
        {"UPPER", 1, fnUpper, true, 0},        {"LOWER", 1, fnLower, true, 0},
        {"REPLACE", 3, fnReplace, true, 0},    {"SPACE", 1, fnSpace, true, 0},
        {"REPLICATE", 2, fnReplicate, true, 0}, {"YEAR", 1, fnParteFecha, true, 0},
        {"MONTH", 1, fnParteFecha, true, 1},   {"DAY", 1, fnParteFecha, true, 2},
        {"CONVERT", 2, fnConvert, true, 0},    {"CONVERT", 3, fnConvert, true, 0},
    };
    for (const Funcion& f : funciones) {
        const int banderas = SQLITE_UTF8 | (f.determinista ? SQLITE_DETERMINISTIC : 0);
        sqlite3_create_function(db, f.nombre, f.argumentos, banderas, reinterpret_cast<void*>(f.dato), f.f, nullptr,
                                nullptr);
    }
}

}  // namespace ado::sqlite
