// Translation of the SQL Server dialect the suite writes into SQLite, on a token list
// (a small tokenizer that keeps string literals, bracketed names and comments whole, so
// nothing inside a literal is ever rewritten). Constructs rewritten:
// - batches of several statements without semicolons are split where a statement
//   keyword starts a new statement at parenthesis depth 0 ("BEGIN TRANSACTION " CR CR
//   CR "INSERT INTO ..." is two statements);
// - BEGIN/COMMIT/ROLLBACK TRAN[SACTION] become transaction steps of the provider, and
//   SET NOCOUNT / DATEFORMAT / ANSI_* ... statements without effect;
// - TOP n, TOP (n) and TOP n PERCENT become LIMIT at the end of their SELECT (inside
//   subqueries too); TOP 100 PERCENT disappears;
// - table hints with(nolock), WITH (NOLOCK, ROWLOCK), (nolock) are removed;
// - "dbo." owners and "database.dbo." / "database.." prefixes are removed;
// - [bracketed names] become "quoted names"; N'text' becomes 'text';
// - DELETE without FROM gets FROM; TRUNCATE TABLE becomes DELETE FROM;
// - ALTER TABLE ... ADD column [, column] becomes one ADD COLUMN per column; in
//   ALTER/CREATE TABLE text columns get COLLATE CI and date columns COLLATE FECHA,
//   IDENTITY becomes an autoincrement key, CLUSTERED and ON [PRIMARY] are dropped;
// - CONVERT(type, ...) gets its type as a text argument; LEFT( and RIGHT( become
//   RM_LEFT( and RM_RIGHT(, ISNULL( IFNULL(; @@IDENTITY and SCOPE_IDENTITY() become last_insert_rowid();
//   any COLLATE name of the server's becomes CI;
// - a day-month-year text (optionally with hh:mm[:ss]) compared with, or assigned or
//   inserted into, a column declared DATE or DATETIME becomes the ISO text the column
//   stores ('31/03/2015' -> '2015-03-31 00:00:00' for DATETIME);
// - a text literal compared with a function result or another literal gets COLLATE CI,
//   so SUBSTRING(x,13,1)='r' compares as the server does; so do ORDER BY and GROUP BY
//   terms that are not plain column names (ORDER BY 2, ORDER BY UPPER(x)).
// Never touched: a date text stored into (or compared with) a text column is left
// exactly as written, and no literal's content is changed except a date text bound
// for a date column.
#include "ado/sqlite/translate.h"

#include <functional>
#include <set>
#include "ado/sqlite/fechas.h"

namespace ado::sqlite {

// --- catalog ------------------------------------------------------------------------

ClaseFecha ClaseFechaDeTipo(const QString& tipoDeclarado) {
    const QString t = tipoDeclarado.trimmed().section(QLatin1Char('('), 0, 0).trimmed().toUpper();
    if (t == QLatin1String("DATE")) return ClaseFecha::Fecha;
    if (t == QLatin1String("DATETIME") || t == QLatin1String("SMALLDATETIME") || t == QLatin1String("DATETIME2") ||
        t == QLatin1String("TIMESTAMP"))
        return ClaseFecha::FechaHora;
    return ClaseFecha::Ninguna;
}

void Catalogo::AgregarTabla(const QString& tabla) { tablas_[tabla.toUpper()]; }

void Catalogo::AgregarColumna(const QString& tabla, const QString& columna, const QString& tipo) {
    Tabla& t = tablas_[tabla.toUpper()];
    t.columnas.append(columna);
    t.tipos.insert(columna.toUpper(), tipo);
}

bool Catalogo::EsTabla(const QString& nombre) const { return tablas_.contains(nombre.toUpper()); }

QStringList Catalogo::ColumnasDe(const QString& tabla) const {
    const auto it = tablas_.constFind(tabla.toUpper());
    return it == tablas_.cend() ? QStringList() : it->columnas;
}

QString Catalogo::TipoDe(const QString& tabla, const QString& columna) const {
    const auto it = tablas_.constFind(tabla.toUpper());
    return it == tablas_.cend() ? QString() : it->tipos.value(columna.toUpper());
}

ClaseFecha Catalogo::FechaDe(const QString& tabla, const QString& columna) const {
    return ClaseFechaDeTipo(TipoDe(tabla, columna));
}

namespace {

// --- tokens -------------------------------------------------------------------------

enum class T { Blanco, Comentario, Palabra, Numero, Cadena, Nombre, Simbolo };

struct Tk {
    T tipo;
    QString texto;
    bool borrado = false;
    QString sufijo;   // text emitted right after the token (also when it is deleted)
};

using V = std::vector<Tk>;

bool esInicioDePalabra(QChar c) {
    return c.isLetter() || c == QLatin1Char('_') || c == QLatin1Char('@') || c == QLatin1Char('#');
}
bool esDePalabra(QChar c) { return esInicioDePalabra(c) || c.isDigit() || c == QLatin1Char('$'); }

V tokenizar(const QString& s) {
    V v;
    const int n = static_cast<int>(s.size());
    int i = 0;
    auto emitir = [&](T tipo, int desde, int hasta) { v.push_back(Tk{tipo, s.mid(desde, hasta - desde), false, {}}); };
    while (i < n) {
        const QChar c = s[i];
        int j = i + 1;
        if (c.isSpace()) {
            while (j < n && s[j].isSpace()) ++j;
            emitir(T::Blanco, i, j);
        } else if (c == QLatin1Char('-') && j < n && s[j] == QLatin1Char('-')) {
            while (j < n && s[j] != QLatin1Char('\n') && s[j] != QLatin1Char('\r')) ++j;
            emitir(T::Comentario, i, j);
        } else if (c == QLatin1Char('/') && j < n && s[j] == QLatin1Char('*')) {
            const int cierre = static_cast<int>(s.indexOf(QLatin1String("*/"), j + 1));
            j = cierre < 0 ? n : cierre + 2;
            emitir(T::Comentario, i, j);
        } else if (c == QLatin1Char('\'')) {
            while (j < n) {
                if (s[j] == QLatin1Char('\'')) {
                    if (j + 1 < n && s[j + 1] == QLatin1Char('\'')) {
                        j += 2;
                        continue;
                    }
                    ++j;
                    break;
                }
                ++j;
            }
            emitir(T::Cadena, i, j);
        } else if (c == QLatin1Char('[')) {
            QString nombre;
            while (j < n) {
                if (s[j] == QLatin1Char(']')) {
                    if (j + 1 < n && s[j + 1] == QLatin1Char(']')) {
                        nombre += QLatin1Char(']');
                        j += 2;
                        continue;
                    }
                    ++j;
                    break;
                }
                nombre += s[j++];
            }
            nombre.replace(QLatin1Char('"'), QLatin1String("\"\""));
            v.push_back(Tk{T::Nombre, QLatin1Char('"') + nombre + QLatin1Char('"'), false, {}});
        } else if (c == QLatin1Char('"')) {
            while (j < n) {
                if (s[j] == QLatin1Char('"')) {
                    if (j + 1 < n && s[j + 1] == QLatin1Char('"')) {
                        j += 2;
                        continue;
                    }
                    ++j;
                    break;
                }
                ++j;
            }
            emitir(T::Nombre, i, j);
        } else if (c.isDigit() || (c == QLatin1Char('.') && j < n && s[j].isDigit())) {
            while (j < n && (s[j].isDigit() || s[j] == QLatin1Char('.'))) ++j;
            if (j < n && (s[j] == QLatin1Char('e') || s[j] == QLatin1Char('E'))) {
                int k = j + 1;
                if (k < n && (s[k] == QLatin1Char('+') || s[k] == QLatin1Char('-'))) ++k;
                if (k < n && s[k].isDigit()) {
                    j = k;
                    while (j < n && s[j].isDigit()) ++j;
                }
            }
            emitir(T::Numero, i, j);
        } else if (esInicioDePalabra(c)) {
            while (j < n && esDePalabra(s[j])) ++j;
            emitir(T::Palabra, i, j);
        } else {
            static const char* const dobles[] = {"<=", ">=", "<>", "!=", "!<", "!>", "||"};
            for (const char* d : dobles)
                if (j < n && c == QLatin1Char(d[0]) && s[j] == QLatin1Char(d[1])) ++j;
            emitir(T::Simbolo, i, j);
        }
        i = j;
    }
    // N'text' is a text literal for SQLite.
    for (size_t k = 0; k + 1 < v.size(); ++k)
        if (v[k].tipo == T::Palabra && v[k].texto.compare(QLatin1String("N"), Qt::CaseInsensitive) == 0 &&
            v[k + 1].tipo == T::Cadena)
            v[k].borrado = true;
    return v;
}

bool significativo(const Tk& t) { return !t.borrado && t.tipo != T::Blanco && t.tipo != T::Comentario; }

int sig(const V& v, int i) {
    for (int j = i + 1; j < static_cast<int>(v.size()); ++j)
        if (significativo(v[j])) return j;
    return -1;
}

int ant(const V& v, int i) {
    for (int j = i - 1; j >= 0; --j)
        if (significativo(v[j])) return j;
    return -1;
}

bool es(const V& v, int i, const char* palabra) {
    return i >= 0 && v[i].tipo == T::Palabra && v[i].texto.compare(QLatin1String(palabra), Qt::CaseInsensitive) == 0;
}

bool simbolo(const V& v, int i, const char* s) {
    return i >= 0 && v[i].tipo == T::Simbolo && v[i].texto == QLatin1String(s);
}

bool esNombre(const V& v, int i) { return i >= 0 && (v[i].tipo == T::Palabra || v[i].tipo == T::Nombre); }

QString nombreDe(const Tk& t) {
    if (t.tipo == T::Nombre) return t.texto.mid(1, t.texto.size() - 2).replace(QLatin1String("\"\""), QLatin1String("\""));
    return t.texto;
}

QString mayus(const V& v, int i) { return i >= 0 && v[i].tipo == T::Palabra ? v[i].texto.toUpper() : QString(); }

QString renderizar(const V& v, int desde, int hasta) {
    QString r;
    for (int i = desde; i < hasta; ++i) {
        if (!v[i].borrado) r += v[i].texto;
        r += v[i].sufijo;
    }
    return r;
}

// Index of the ')' that closes the '(' at i, or -1.
int cierreDe(const V& v, int i) {
    int prof = 0;
    for (int j = i; j < static_cast<int>(v.size()); ++j) {
        if (v[j].tipo != T::Simbolo || v[j].borrado) continue;
        if (v[j].texto == QLatin1String("(")) ++prof;
        else if (v[j].texto == QLatin1String(")") && --prof == 0) return j;
    }
    return -1;
}

void borrar(V& v, int desde, int hasta) {   // inclusive; the blanks around the range stay
    for (int k = desde; k <= hasta; ++k) v[k].borrado = true;
}

// --- batches ------------------------------------------------------------------------

const std::set<QString>& palabrasDeInicio() {
    static const std::set<QString> s = {
        QStringLiteral("SELECT"), QStringLiteral("INSERT"),  QStringLiteral("UPDATE"),   QStringLiteral("DELETE"),
        QStringLiteral("BEGIN"),  QStringLiteral("COMMIT"),  QStringLiteral("ROLLBACK"), QStringLiteral("CREATE"),
        QStringLiteral("DROP"),   QStringLiteral("ALTER"),   QStringLiteral("SET"),      QStringLiteral("EXEC"),
        QStringLiteral("EXECUTE"), QStringLiteral("DECLARE"), QStringLiteral("PRINT"),   QStringLiteral("IF"),
        QStringLiteral("TRUNCATE"), QStringLiteral("USE"),   QStringLiteral("GRANT"),    QStringLiteral("SAVE")};
    return s;
}

std::vector<V> dividir(const V& todos) {
    std::vector<V> sentencias;
    V actual;
    int prof = 0;
    QString primera;
    bool vioSelectOValues = false, vioSet = false, esDisparador = false;
    auto cerrar = [&] {
        bool hay = false;
        for (const Tk& t : actual) hay = hay || significativo(t);
        if (hay) sentencias.push_back(std::move(actual));
        actual.clear();
        primera.clear();
        vioSelectOValues = vioSet = esDisparador = false;
    };
    for (const Tk& t : todos) {
        if (t.tipo == T::Simbolo && t.texto == QLatin1String("(")) ++prof;
        if (t.tipo == T::Simbolo && t.texto == QLatin1String(")") && prof > 0) --prof;
        if (prof == 0 && t.tipo == T::Simbolo && t.texto == QLatin1String(";") && !esDisparador) {
            cerrar();
            continue;
        }
        if (t.tipo == T::Palabra && prof == 0) {
            const QString u = t.texto.toUpper();
            const int p = ant(actual, static_cast<int>(actual.size()));
            if (p >= 0 && !esDisparador && palabrasDeInicio().count(u)) {
                const QString previa = mayus(actual, p);
                static const std::set<QString> enlaces = {
                    QStringLiteral("OF"),    QStringLiteral("FOR"),
                    QStringLiteral("AFTER"),  QStringLiteral("INSTEAD"), QStringLiteral("UNION"),
                    QStringLiteral("ALL"),    QStringLiteral("EXCEPT"), QStringLiteral("INTERSECT"),
                    QStringLiteral("AS"),     QStringLiteral("THEN"),  QStringLiteral("ELSE"),
                    QStringLiteral("TABLE"),  QStringLiteral("VIEW"),  QStringLiteral("INDEX"),
                    QStringLiteral("TRIGGER"), QStringLiteral("DELETE"), QStringLiteral("UPDATE")};
                bool inicia = !enlaces.count(previa) && !simbolo(actual, p, ",");
                // ON DELETE / ON UPDATE of a key definition
                if (previa == QLatin1String("ON") && (primera == QLatin1String("CREATE") || primera == QLatin1String("ALTER")))
                    inicia = false;
                if (u == QLatin1String("SELECT") && !vioSelectOValues &&
                    (primera == QLatin1String("INSERT") || primera == QLatin1String("WITH")))
                    inicia = false;
                if (u == QLatin1String("SET") && ((primera == QLatin1String("UPDATE") && !vioSet) ||
                                                 primera == QLatin1String("ALTER") || primera == QLatin1String("CREATE")))
                    inicia = false;
                if ((u == QLatin1String("DROP") || u == QLatin1String("ALTER")) && primera == QLatin1String("ALTER"))
                    inicia = false;
                if (primera == QLatin1String("GRANT")) inicia = false;
                if (inicia) cerrar();
            }
            if (primera.isEmpty()) primera = u;
            if (u == QLatin1String("SELECT") || u == QLatin1String("VALUES")) vioSelectOValues = true;
            if (u == QLatin1String("SET")) vioSet = true;
            if (u == QLatin1String("TRIGGER") && primera == QLatin1String("CREATE")) esDisparador = true;
        }
        actual.push_back(t);
    }
    cerrar();
    return sentencias;
}

ClaseSentencia clasificar(const V& v) {
    const int a = sig(v, -1);
    const int b = sig(v, a);
    const QString p = mayus(v, a), s = mayus(v, b);
    if (p == QLatin1String("BEGIN") &&
        (b < 0 || s == QLatin1String("TRAN") || s == QLatin1String("TRANSACTION") || s == QLatin1String("DISTRIBUTED")))
        return ClaseSentencia::IniciarTransaccion;
    const bool sufijoTransaccion = b < 0 || s == QLatin1String("TRAN") || s == QLatin1String("TRANSACTION") ||
                                   s == QLatin1String("WORK");
    if (p == QLatin1String("COMMIT") && sufijoTransaccion) return ClaseSentencia::ConfirmarTransaccion;
    if (p == QLatin1String("ROLLBACK") && sufijoTransaccion) return ClaseSentencia::DeshacerTransaccion;
    if (p == QLatin1String("SET")) {
        static const std::set<QString> opciones = {
            QStringLiteral("NOCOUNT"),       QStringLiteral("ANSI_NULLS"),   QStringLiteral("ANSI_PADDING"),
            QStringLiteral("ANSI_WARNINGS"), QStringLiteral("ANSI_DEFAULTS"), QStringLiteral("QUOTED_IDENTIFIER"),
            QStringLiteral("ARITHABORT"),    QStringLiteral("CONCAT_NULL_YIELDS_NULL"),
            QStringLiteral("NUMERIC_ROUNDABORT"), QStringLiteral("DATEFORMAT"), QStringLiteral("DATEFIRST"),
            QStringLiteral("LANGUAGE"),      QStringLiteral("XACT_ABORT"),   QStringLiteral("LOCK_TIMEOUT"),
            QStringLiteral("DEADLOCK_PRIORITY"), QStringLiteral("TEXTSIZE"), QStringLiteral("TRANSACTION")};
        if (opciones.count(s)) return ClaseSentencia::SinEfecto;
    }
    return ClaseSentencia::Comun;
}

// --- rewriting of one statement ------------------------------------------------------

class Reescritura {
public:
    Reescritura(V& v, const Catalogo& catalogo) : v_(v), cat_(catalogo) {}

    QStringList Aplicar() {
        colaciones();
        quitarSugerencias();
        quitarPropietarios();
        borrarSinFrom();
        funciones();
        tablas();
        insercion();
        literales();
        ordenes();
        QStringList extra;
        definiciones(extra);
        top();
        if (!extra.isEmpty()) return extra;
        return {renderizar(v_, 0, n()).trimmed()};
    }

private:
    int n() const { return static_cast<int>(v_.size()); }

    void colaciones() {
        for (int i = 0; i < n(); ++i) {
            if (!es(v_, i, "COLLATE")) continue;
            const int j = sig(v_, i);
            static const std::set<QString> propias = {QStringLiteral("CI"), QStringLiteral("FECHA"),
                                                      QStringLiteral("BINARY"), QStringLiteral("NOCASE"),
                                                      QStringLiteral("RTRIM")};
            if (j >= 0 && v_[j].tipo == T::Palabra && !propias.count(v_[j].texto.toUpper()))
                v_[j].texto = QStringLiteral("CI");
        }
    }

    void quitarSugerencias() {
        static const std::set<QString> sugerencias = {
            QStringLiteral("NOLOCK"),   QStringLiteral("READUNCOMMITTED"), QStringLiteral("UPDLOCK"),
            QStringLiteral("ROWLOCK"),  QStringLiteral("PAGLOCK"),         QStringLiteral("TABLOCK"),
            QStringLiteral("TABLOCKX"), QStringLiteral("HOLDLOCK"),        QStringLiteral("NOWAIT"),
            QStringLiteral("READPAST"), QStringLiteral("XLOCK"),           QStringLiteral("SERIALIZABLE"),
            QStringLiteral("READCOMMITTED"), QStringLiteral("REPEATABLEREAD"), QStringLiteral("NOEXPAND")};
        for (int i = 0; i < n(); ++i) {
            if (!simbolo(v_, i, "(")) continue;
            const int cierre = cierreDe(v_, i);
            if (cierre < 0) continue;
            bool todas = true, alguna = false, esperaPalabra = true;
            for (int k = sig(v_, i); k >= 0 && k < cierre; k = sig(v_, k)) {
                if (esperaPalabra && v_[k].tipo == T::Palabra && sugerencias.count(v_[k].texto.toUpper())) {
                    alguna = true;
                    esperaPalabra = false;
                } else if (!esperaPalabra && simbolo(v_, k, ",")) {
                    esperaPalabra = true;
                } else {
                    todas = false;
                }
            }
            if (!todas || !alguna) continue;
            const int p = ant(v_, i);
            if (es(v_, p, "WITH")) {
                borrar(v_, p, cierre);
            } else if (esNombre(v_, p) && i > 0 && v_[i - 1].tipo == T::Blanco) {
                borrar(v_, i, cierre);
            }
        }
    }

    void quitarPropietarios() {
        for (int i = 0; i + 2 < n(); ++i) {
            if (v_[i].borrado || !esNombre(v_, i)) continue;
            const bool punto = simbolo(v_, i + 1, ".");
            if (punto && nombreDe(v_[i]).compare(QLatin1String("dbo"), Qt::CaseInsensitive) == 0 && esNombre(v_, i + 2)) {
                v_[i].borrado = v_[i + 1].borrado = true;
                if (i >= 2 && simbolo(v_, i - 1, ".") && esNombre(v_, i - 2)) v_[i - 1].borrado = v_[i - 2].borrado = true;
            } else if (punto && simbolo(v_, i + 2, ".") && i + 3 < n() && esNombre(v_, i + 3)) {
                v_[i].borrado = v_[i + 1].borrado = v_[i + 2].borrado = true;
            }
        }
    }

    void borrarSinFrom() {
        const int a = sig(v_, -1);
        const int b = sig(v_, a);
        if (es(v_, a, "DELETE") && b >= 0 && !es(v_, b, "FROM") && esNombre(v_, b) && !es(v_, b, "TOP"))
            v_[a].texto += QStringLiteral(" FROM");
        if (es(v_, a, "TRUNCATE") && es(v_, b, "TABLE")) {
            v_[a].texto = QStringLiteral("DELETE");
            v_[b].texto = QStringLiteral("FROM");
        }
    }

    void funciones() {
        for (int i = 0; i < n(); ++i) {
            if (v_[i].borrado || v_[i].tipo != T::Palabra) continue;
            const QString u = v_[i].texto.toUpper();
            const int s = sig(v_, i);
            if ((u == QLatin1String("LEFT") || u == QLatin1String("RIGHT")) && simbolo(v_, s, "(")) {
                v_[i].texto = QStringLiteral("RM_") + u;
            } else if (u == QLatin1String("ISNULL") && simbolo(v_, s, "(")) {
                v_[i].texto = QStringLiteral("IFNULL");   // ISNULL is an operator keyword here
            } else if (u == QLatin1String("@@IDENTITY")) {
                v_[i].texto = QStringLiteral("last_insert_rowid()");
            } else if (u == QLatin1String("SCOPE_IDENTITY") && simbolo(v_, s, "(")) {
                v_[i].texto = QStringLiteral("last_insert_rowid");
            } else if (u == QLatin1String("CONVERT") && simbolo(v_, s, "(")) {
                const int b = sig(v_, s);
                int prof = 0, coma = -1;
                for (int k = b; k >= 0; k = sig(v_, k)) {
                    if (simbolo(v_, k, "(")) ++prof;
                    else if (simbolo(v_, k, ")") && --prof < 0) break;
                    else if (prof == 0 && simbolo(v_, k, ",")) {
                        coma = k;
                        break;
                    }
                }
                if (b < 0 || coma < 0) continue;
                const QString tipo = renderizar(v_, b, coma).trimmed();
                for (int k = b; k < coma; ++k) v_[k].borrado = true;
                for (int k = b; k < coma; ++k) v_[k].sufijo.clear();
                v_[b].borrado = false;
                v_[b].tipo = T::Cadena;
                v_[b].texto = QLatin1Char('\'') + QString(tipo).replace(QLatin1Char('\''), QLatin1String("''")) +
                              QLatin1Char('\'');
            }
        }
    }

    // Tables (and views) the statement names.
    void tablas() {
        for (int i = 0; i < n(); ++i)
            if (!v_[i].borrado && esNombre(v_, i) && cat_.EsTabla(nombreDe(v_[i]))) {
                const QString t = nombreDe(v_[i]);
                if (!tablas_.contains(t, Qt::CaseInsensitive)) tablas_.append(t);
            }
    }

    ClaseFecha fechaDeColumna(const QString& columna) const {
        for (const QString& t : tablas_) {
            const ClaseFecha c = cat_.FechaDe(t, columna);
            if (c != ClaseFecha::Ninguna) return c;
        }
        return ClaseFecha::Ninguna;
    }

    bool aFecha(int i, ClaseFecha clase) {
        if (clase == ClaseFecha::Ninguna || convertidos_.count(i)) return false;
        const QString& t = v_[i].texto;
        if (t.size() < 2 || !t.endsWith(QLatin1Char('\''))) return false;
        const QString contenido = t.mid(1, t.size() - 2).replace(QLatin1String("''"), QLatin1String("'"));
        Momento m;
        if (!LeerMomento(contenido, m)) return false;
        v_[i].texto = QLatin1Char('\'') + TextoIso(m, clase == ClaseFecha::FechaHora) + QLatin1Char('\'');
        convertidos_.insert(i);
        return true;
    }

    // INSERT INTO t [(columns)] VALUES (...)[, (...)]: date texts bound for date columns.
    void insercion() {
        const int a = sig(v_, -1);
        if (!es(v_, a, "INSERT")) return;
        int t = sig(v_, a);
        if (es(v_, t, "INTO")) t = sig(v_, t);
        if (!esNombre(v_, t)) return;
        const QString tabla = nombreDe(v_[t]);
        QStringList columnas;
        int k = sig(v_, t);
        if (simbolo(v_, k, "(")) {
            const int cierre = cierreDe(v_, k);
            if (cierre < 0) return;
            for (int j = sig(v_, k); j >= 0 && j < cierre; j = sig(v_, j))
                if (esNombre(v_, j)) columnas.append(nombreDe(v_[j]));
            k = sig(v_, cierre);
        } else {
            columnas = cat_.ColumnasDe(tabla);
        }
        if (!es(v_, k, "VALUES")) return;
        for (int g = sig(v_, k); simbolo(v_, g, "("); g = sig(v_, g)) {
            const int cierre = cierreDe(v_, g);
            if (cierre < 0) return;
            int indice = 0, prof = 0, primero = -1, cuantos = 0;
            auto fin = [&] {
                if (cuantos == 1 && v_[primero].tipo == T::Cadena && indice < columnas.size())
                    aFecha(primero, cat_.FechaDe(tabla, columnas[indice]));
                ++indice;
                primero = -1;
                cuantos = 0;
            };
            for (int j = sig(v_, g); j >= 0 && j < cierre; j = sig(v_, j)) {
                if (simbolo(v_, j, "(")) ++prof;
                if (simbolo(v_, j, ")")) --prof;
                if (prof == 0 && simbolo(v_, j, ",")) {
                    fin();
                    continue;
                }
                if (primero < 0) primero = j;
                ++cuantos;
            }
            fin();
            g = sig(v_, cierre);
            if (!simbolo(v_, g, ",")) break;
        }
    }

    static bool esComparacion(const V& v, int i) {
        static const std::set<QString> ops = {QStringLiteral("="),  QStringLiteral("<>"), QStringLiteral("!="),
                                              QStringLiteral("<"),  QStringLiteral(">"),  QStringLiteral("<="),
                                              QStringLiteral(">="), QStringLiteral("!<"), QStringLiteral("!>")};
        return i >= 0 && !v[i].borrado && v[i].tipo == T::Simbolo && ops.count(v[i].texto);
    }

    bool esColumna(int i) const {
        if (!esNombre(v_, i)) return false;
        static const std::set<QString> reservadas = {QStringLiteral("AND"),  QStringLiteral("OR"),
                                                     QStringLiteral("NOT"),  QStringLiteral("WHERE"),
                                                     QStringLiteral("THEN"), QStringLiteral("ELSE"),
                                                     QStringLiteral("WHEN"), QStringLiteral("SET"),
                                                     QStringLiteral("NULL"), QStringLiteral("END")};
        return v_[i].tipo == T::Nombre || !reservadas.count(v_[i].texto.toUpper());
    }

    // The column right after a comparison operator (qualified names: the last part).
    int columnaDespues(int op) const {
        int q = sig(v_, op);
        while (esNombre(v_, q) && simbolo(v_, sig(v_, q), ".")) q = sig(v_, sig(v_, q));
        if (!esColumna(q) || simbolo(v_, sig(v_, q), "(")) return -1;
        return q;
    }

    void literales() {
        // The '(' that encloses each token, for IN lists.
        std::vector<int> abre(v_.size(), -1);
        std::vector<int> pila;
        for (int i = 0; i < n(); ++i) {
            abre[i] = pila.empty() ? -1 : pila.back();
            if (simbolo(v_, i, "(")) pila.push_back(i);
            else if (simbolo(v_, i, ")") && !pila.empty()) pila.pop_back();
        }
        for (int i = 0; i < n(); ++i) {
            if (v_[i].borrado || v_[i].tipo != T::Cadena || convertidos_.count(i)) continue;
            const int p = ant(v_, i);
            if (esComparacion(v_, p)) {
                const int a = ant(v_, p);
                if (esColumna(a) && !simbolo(v_, sig(v_, a), "(")) {
                    aFecha(i, fechaDeColumna(nombreDe(v_[a])));
                } else if (simbolo(v_, a, ")") || (a >= 0 && v_[a].tipo == T::Cadena)) {
                    v_[i].sufijo += QStringLiteral(" COLLATE CI");
                }
                continue;
            }
            const int q = sig(v_, i);
            if (esComparacion(v_, q)) {
                const int b = columnaDespues(q);
                if (b >= 0) aFecha(i, fechaDeColumna(nombreDe(v_[b])));
                continue;
            }
            int entre = -1;
            if (es(v_, p, "BETWEEN")) entre = p;
            else if (es(v_, p, "AND") && ant(v_, p) >= 0 && v_[ant(v_, p)].tipo == T::Cadena &&
                     es(v_, ant(v_, ant(v_, p)), "BETWEEN"))
                entre = ant(v_, ant(v_, p));
            if (entre >= 0) {
                const int a = ant(v_, entre);
                if (esColumna(a)) aFecha(i, fechaDeColumna(nombreDe(v_[a])));
                continue;
            }
            const int e = abre[i];
            if (e >= 0 && (simbolo(v_, p, "(") || simbolo(v_, p, ",")) &&
                (simbolo(v_, q, ",") || simbolo(v_, q, ")")) && es(v_, ant(v_, e), "IN")) {
                int a = ant(v_, ant(v_, e));
                if (es(v_, a, "NOT")) a = ant(v_, a);
                if (esColumna(a)) aFecha(i, fechaDeColumna(nombreDe(v_[a])));
            }
        }
    }

    // ORDER BY / GROUP BY terms that are not a column (expressions, positions, aliases of
    // expressions) compare text as the server does.
    void ordenes() {
        for (int i = 0; i < n(); ++i) {
            if (!(es(v_, i, "ORDER") || es(v_, i, "GROUP")) || !es(v_, sig(v_, i), "BY")) continue;
            int k = sig(v_, sig(v_, i));
            int prof = 0, inicio = k;
            auto cerrarTermino = [&](int fin) {   // term [inicio, fin)
                int ultimo = ant(v_, fin);
                if (ultimo < inicio) return;
                if (es(v_, ultimo, "ASC") || es(v_, ultimo, "DESC")) ultimo = ant(v_, ultimo);
                if (ultimo < inicio) return;
                bool soloNombre = true;
                for (int j = inicio; j >= 0 && j <= ultimo; j = sig(v_, j)) {
                    if (es(v_, j, "COLLATE")) return;
                    if (!esNombre(v_, j) && !simbolo(v_, j, ".")) soloNombre = false;
                }
                if (!soloNombre) v_[ultimo].sufijo += QStringLiteral(" COLLATE CI");
            };
            static const std::set<QString> fines = {QStringLiteral("LIMIT"), QStringLiteral("HAVING"),
                                                    QStringLiteral("ORDER"), QStringLiteral("UNION"),
                                                    QStringLiteral("OFFSET"), QStringLiteral("FOR"),
                                                    QStringLiteral("EXCEPT"), QStringLiteral("INTERSECT")};
            for (; k >= 0; k = sig(v_, k)) {
                if (simbolo(v_, k, "(")) ++prof;
                else if (simbolo(v_, k, ")") && --prof < 0) break;
                if (prof == 0 && (simbolo(v_, k, ";") || fines.count(mayus(v_, k)))) break;
                if (prof == 0 && simbolo(v_, k, ",")) {
                    cerrarTermino(k);
                    inicio = sig(v_, k);
                }
            }
            cerrarTermino(k < 0 ? n() : k);
        }
    }

    // One column definition in [desde, hasta): collation after its type, IDENTITY.
    void definicionDeColumna(int desde, int hasta, bool crear, bool hayClave) {
        const int nombre = sig(v_, desde - 1);
        if (nombre < 0 || nombre >= hasta || !esNombre(v_, nombre)) return;
        static const std::set<QString> restricciones = {QStringLiteral("CONSTRAINT"), QStringLiteral("PRIMARY"),
                                                        QStringLiteral("FOREIGN"),    QStringLiteral("UNIQUE"),
                                                        QStringLiteral("CHECK"),      QStringLiteral("INDEX")};
        if (v_[nombre].tipo == T::Palabra && restricciones.count(v_[nombre].texto.toUpper())) return;
        const int tipo = sig(v_, nombre);
        if (tipo < 0 || tipo >= hasta || !esNombre(v_, tipo)) return;
        int finTipo = tipo;
        const int k = sig(v_, tipo);
        if (k >= 0 && k < hasta && simbolo(v_, k, "(")) {
            const int cierre = cierreDe(v_, k);
            if (cierre < 0) return;
            if (es(v_, sig(v_, k), "MAX")) borrar(v_, k, cierre);
            finTipo = cierre;
        }
        bool conColacion = false;
        int identidad = -1;
        for (int j = tipo; j >= 0 && j < hasta; j = sig(v_, j)) {
            if (es(v_, j, "COLLATE")) conColacion = true;
            if (es(v_, j, "IDENTITY")) identidad = j;
        }
        const QString u = nombreDe(v_[tipo]).toUpper();
        if (!conColacion) {
            if (u.contains(QLatin1String("CHAR")) || u.contains(QLatin1String("TEXT")) || u == QLatin1String("SYSNAME"))
                v_[finTipo].sufijo += QStringLiteral(" COLLATE CI");
            else if (ClaseFechaDeTipo(u) != ClaseFecha::Ninguna)
                v_[finTipo].sufijo += QStringLiteral(" COLLATE FECHA");
        }
        if (identidad >= 0) {
            const int p = sig(v_, identidad);
            if (simbolo(v_, p, "(") && cierreDe(v_, p) > 0) borrar(v_, p, cierreDe(v_, p));
            if (crear && !hayClave) {
                v_[tipo].texto = QStringLiteral("INTEGER");
                if (finTipo != tipo) borrar(v_, tipo + 1, finTipo);
                v_[identidad].texto = QStringLiteral("PRIMARY KEY AUTOINCREMENT");
            } else {
                v_[identidad].borrado = true;
            }
        }
    }

    // Splits [desde, hasta) at commas of depth 0; returns the pieces' ranges.
    std::vector<std::pair<int, int>> partes(int desde, int hasta) const {
        std::vector<std::pair<int, int>> r;
        int prof = 0, inicio = desde;
        for (int j = desde; j < hasta; ++j) {
            if (v_[j].borrado) continue;
            if (simbolo(v_, j, "(")) ++prof;
            else if (simbolo(v_, j, ")")) --prof;
            else if (prof == 0 && simbolo(v_, j, ",")) {
                r.emplace_back(inicio, j);
                inicio = j + 1;
            }
        }
        r.emplace_back(inicio, hasta);
        return r;
    }

    void definiciones(QStringList& extra) {
        const int a = sig(v_, -1);
        const int b = sig(v_, a);
        if (!(es(v_, a, "CREATE") || es(v_, a, "ALTER")) || !es(v_, b, "TABLE")) return;
        for (int j = 0; j < n(); ++j)
            if (es(v_, j, "CLUSTERED") || es(v_, j, "NONCLUSTERED")) v_[j].borrado = true;
        if (es(v_, a, "CREATE")) {
            int abre = b;
            while (abre >= 0 && !simbolo(v_, abre, "(")) abre = sig(v_, abre);
            if (abre < 0) return;
            const int cierre = cierreDe(v_, abre);
            if (cierre < 0) return;
            bool hayClave = false;
            for (int j = abre; j < cierre; ++j) hayClave = hayClave || es(v_, j, "PRIMARY");
            for (const auto& [d, h] : partes(abre + 1, cierre)) definicionDeColumna(d, h, true, hayClave);
            for (int j = sig(v_, cierre); j >= 0; j = sig(v_, j))
                if ((es(v_, j, "ON") || es(v_, j, "TEXTIMAGE_ON")) && esNombre(v_, sig(v_, j))) {
                    v_[sig(v_, j)].borrado = true;
                    v_[j].borrado = true;
                }
            return;
        }
        int add = sig(v_, b);
        while (add >= 0 && !es(v_, add, "ADD")) add = sig(v_, add);
        if (add < 0) return;
        int desde = add + 1;
        const int c = sig(v_, add);
        const bool conColumn = es(v_, c, "COLUMN");
        if (conColumn) desde = c + 1;
        const auto piezas = partes(desde, n());
        for (const auto& [d, h] : piezas) definicionDeColumna(d, h, false, true);
        if (piezas.size() == 1) {
            if (!conColumn) v_[add].texto += QStringLiteral(" COLUMN");
            return;
        }
        const QString cabeza = renderizar(v_, 0, add).trimmed() + QStringLiteral(" ADD COLUMN ");
        for (const auto& [d, h] : piezas) extra.append(cabeza + renderizar(v_, d, h).trimmed());
    }

    void top() {
        for (int s = n() - 1; s >= 0; --s) {
            if (!es(v_, s, "SELECT")) continue;
            int j = sig(v_, s);
            if (es(v_, j, "DISTINCT") || es(v_, j, "ALL")) j = sig(v_, j);
            if (!es(v_, j, "TOP")) continue;
            int k = sig(v_, j), ultimo;
            QString cuenta;
            if (simbolo(v_, k, "(")) {
                ultimo = cierreDe(v_, k);
                if (ultimo < 0) continue;
                cuenta = renderizar(v_, k + 1, ultimo).trimmed();
            } else if (k >= 0 && v_[k].tipo == T::Numero) {
                ultimo = k;
                cuenta = v_[k].texto;
            } else {
                continue;
            }
            bool porciento = false;
            int m = sig(v_, ultimo);
            if (es(v_, m, "PERCENT")) {
                porciento = true;
                ultimo = m;
                m = sig(v_, m);
            }
            if (es(v_, m, "WITH") && es(v_, sig(v_, m), "TIES")) ultimo = sig(v_, m);
            for (int x = j; x <= ultimo; ++x) {
                v_[x].borrado = true;
            }
            if (ultimo + 1 < n() && v_[ultimo + 1].tipo == T::Blanco) v_[ultimo + 1].borrado = true;
            // End of this SELECT: the ')' that closes its parenthesis, or the statement's end.
            int prof = 0, fin = n();
            for (int x = s + 1; x < n(); ++x) {
                if (simbolo(v_, x, "(")) ++prof;
                else if (simbolo(v_, x, ")") && --prof < 0) {
                    fin = x;
                    break;
                }
            }
            const int ultimoSig = ant(v_, fin);
            if (ultimoSig < 0) continue;
            if (porciento) {
                bool ok = false;
                const double p = cuenta.toDouble(&ok);
                if (ok && p >= 100) continue;
                const QString cuerpo = renderizar(v_, s, ultimoSig + 1).trimmed();
                v_[ultimoSig].sufijo += QStringLiteral(" LIMIT (SELECT (COUNT(*) * %1 + 99) / 100 FROM (%2))")
                                             .arg(cuenta, cuerpo);
            } else {
                v_[ultimoSig].sufijo += QStringLiteral(" LIMIT ") + cuenta;
            }
        }
    }

    V& v_;
    const Catalogo& cat_;
    QStringList tablas_;
    std::set<int> convertidos_;
};

}  // namespace

std::vector<SentenciaTraducida> Traducir(const QString& tsql, const Catalogo& catalogo) {
    std::vector<SentenciaTraducida> r;
    for (V& v : dividir(tokenizar(tsql))) {
        const ClaseSentencia clase = clasificar(v);
        if (clase != ClaseSentencia::Comun) {
            r.push_back({clase, QString()});
            continue;
        }
        for (const QString& sql : Reescritura(v, catalogo).Aplicar()) r.push_back({clase, sql});
    }
    return r;
}

}  // namespace ado::sqlite
