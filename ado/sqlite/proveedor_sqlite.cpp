// The sqlite provider: statements run in order with the connection's time-out, a
// single statement's rows are streamed from its sqlite3_stmt, the T-SQL transaction
// count is kept here (BEGIN TRANSACTION inside a transaction nests), schema lists come
// from sqlite_master and table_info, and rows of updatable recordsets are written by
// rowid with values converted to each column's declared type.
#include "ado/sqlite/proveedor_sqlite.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <cstring>
#include "ado/recordset.h"
#include "ado/sqlite/base_sqlite.h"
#include "ado/sqlite/errores_sqlite.h"
#include "ado/sqlite/fechas.h"
#include "ado/sqlite/translate.h"

namespace ado::sqlite {

TipoColumna TipoDeclarado(const QString& declarado) {
    const QString d = declarado.trimmed().toUpper();
    const QString base = d.section(QLatin1Char('('), 0, 0).trimmed();
    long tamano = -1;
    const int abre = static_cast<int>(d.indexOf(QLatin1Char('(')));
    if (abre > 0) {
        bool ok = false;
        const long n = d.mid(abre + 1).section(QLatin1Char(','), 0, 0).section(QLatin1Char(')'), 0, 0).trimmed().toLong(&ok);
        if (ok) tamano = n;
    }
    auto texto = [&](long ado, long porDefecto) {
        return TipoColumna{Clase::Texto, ado, tamano > 0 ? tamano : porDefecto};
    };
    if (base.isEmpty()) return {Clase::SinTipo, adVarChar, 255};
    if (base == QLatin1String("NVARCHAR")) return texto(adVarWChar, 255);
    if (base == QLatin1String("NCHAR")) return texto(adWChar, 1);
    if (base == QLatin1String("CHAR") || base == QLatin1String("CHARACTER")) return texto(adChar, 1);
    if (base == QLatin1String("TEXT") || base == QLatin1String("NTEXT") || base == QLatin1String("CLOB"))
        return texto(adVarChar, 2147483647);
    if (base.contains(QLatin1String("CHAR")) || base == QLatin1String("SYSNAME")) return texto(adVarChar, 255);
    if (base == QLatin1String("SMALLINT") || base == QLatin1String("TINYINT")) return {Clase::EnteroCorto, adSmallInt, 2};
    if (base == QLatin1String("BIGINT")) return {Clase::EnteroLargo, adBigInt, 8};
    if (base == QLatin1String("BIT") || base == QLatin1String("BOOLEAN") || base == QLatin1String("BOOL"))
        return {Clase::Logico, adBoolean, 2};
    if (base == QLatin1String("MONEY") || base == QLatin1String("SMALLMONEY") || base == QLatin1String("CURRENCY"))
        return {Clase::Moneda, adCurrency, 8};
    if (base == QLatin1String("NUMERIC") || base == QLatin1String("DECIMAL")) return {Clase::Numerico, adNumeric, 19};
    if (base == QLatin1String("REAL") || base == QLatin1String("FLOAT") || base.startsWith(QLatin1String("DOUBLE")))
        return {Clase::Doble, adDouble, 8};
    switch (ClaseFechaDeTipo(base)) {
    case ClaseFecha::Fecha: return {Clase::Fecha, adDate, 16};
    case ClaseFecha::FechaHora: return {Clase::FechaHora, adDate, 16};
    case ClaseFecha::Ninguna: break;
    }
    if (base.contains(QLatin1String("BLOB")) || base.contains(QLatin1String("BINARY")) || base == QLatin1String("IMAGE"))
        return {Clase::Binario, adLongVarBinary, 2147483647};
    if (base.contains(QLatin1String("INT"))) return {Clase::Entero, adInteger, 4};
    if (base.contains(QLatin1String("CLOB")) || base.contains(QLatin1String("TEXT"))) return texto(adVarChar, 2147483647);
    if (base.contains(QLatin1String("REAL")) || base.contains(QLatin1String("FLOA")) || base.contains(QLatin1String("DOUB")))
        return {Clase::Doble, adDouble, 8};
    return {Clase::Numerico, adNumeric, 19};
}

namespace {

QString textoDe(sqlite3_stmt* st, int c) {
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, c)), sqlite3_column_bytes(st, c));
}

base::Variant fechaDeTexto(const QString& s) {
    Momento m;
    if (LeerMomento(s, m)) return base::Variant(AFechaHora(m));
    return base::Variant(s);
}

// The value of column c of the current row, as the column's declared type reads.
base::Variant leerValor(sqlite3_stmt* st, int c, Clase clase) {
    const int almacen = sqlite3_column_type(st, c);
    if (almacen == SQLITE_NULL) return base::Variant::Null();
    switch (clase) {
    case Clase::Texto:
    case Clase::Binario:
        return base::Variant(textoDe(st, c));
    case Clase::Entero:
    case Clase::EnteroLargo:
        if (almacen == SQLITE_INTEGER) return base::Variant(static_cast<long long>(sqlite3_column_int64(st, c)));
        if (almacen == SQLITE_FLOAT) return base::Variant(sqlite3_column_double(st, c));
        return base::Variant(textoDe(st, c));
    case Clase::EnteroCorto:
        if (almacen == SQLITE_INTEGER) {
            const qint64 v = sqlite3_column_int64(st, c);
            if (v >= -32768 && v <= 32767) return base::Variant::Integer(static_cast<int16_t>(v));
            return base::Variant(static_cast<long long>(v));
        }
        if (almacen == SQLITE_FLOAT) return base::Variant(sqlite3_column_double(st, c));
        return base::Variant(textoDe(st, c));
    case Clase::Doble:
    case Clase::Numerico:
        if (almacen == SQLITE_TEXT) return base::Variant(textoDe(st, c));
        return base::Variant(sqlite3_column_double(st, c));
    case Clase::Moneda:
        if (almacen == SQLITE_TEXT) return base::Variant(textoDe(st, c));
        return base::Variant::Currency(static_cast<qint64>(std::llround(sqlite3_column_double(st, c) * 10000.0)));
    case Clase::Logico:
        if (almacen == SQLITE_TEXT) {
            const QString s = textoDe(st, c).trimmed();
            return base::Variant(s.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 ||
                                 (s.toDouble() != 0));
        }
        return base::Variant(sqlite3_column_double(st, c) != 0);
    case Clase::Fecha:
    case Clase::FechaHora:
        if (almacen == SQLITE_TEXT) return fechaDeTexto(textoDe(st, c));
        return base::Variant(sqlite3_column_double(st, c));
    case Clase::SinTipo:
        if (almacen == SQLITE_INTEGER) return base::Variant(static_cast<long long>(sqlite3_column_int64(st, c)));
        if (almacen == SQLITE_FLOAT) return base::Variant(sqlite3_column_double(st, c));
        {
            const QString s = textoDe(st, c);
            if (EsTextoIso(s)) return fechaDeTexto(s);
            return base::Variant(s);
        }
    }
    return base::Variant::Null();
}

// Type of an expression column, from its first value.
TipoColumna tipoPorValor(sqlite3_stmt* st, int c) {
    switch (sqlite3_column_type(st, c)) {
    case SQLITE_INTEGER: return {Clase::SinTipo, adInteger, 4};
    case SQLITE_FLOAT: return {Clase::SinTipo, adDouble, 8};
    case SQLITE_TEXT:
        if (EsTextoIso(textoDe(st, c))) return {Clase::SinTipo, adDate, 16};
        return {Clase::SinTipo, adVarChar, 255};
    default: return {Clase::SinTipo, adVarChar, 255};
    }
}

// Binds `v` at parameter i as column class `clase` stores it; false with `error` set
// when the value cannot be converted.
bool enlazar(sqlite3_stmt* st, int i, const base::Variant& v, Clase clase, QString& error) {
    using VT = base::Variant::Type;
    auto textoBind = [&](const QString& s) {
        const QByteArray b = s.toUtf8();
        return sqlite3_bind_text(st, i, b.constData(), static_cast<int>(b.size()), SQLITE_TRANSIENT);
    };
    if (v.type() == VT::Null || v.type() == VT::Empty) {
        sqlite3_bind_null(st, i);
        return true;
    }
    try {
        switch (clase) {
        case Clase::Fecha:
        case Clase::FechaHora: {
            Momento m;
            if (v.type() == VT::Date) {
                m = DeFechaHora(v.rawDate());
            } else if (v.type() == VT::String) {
                if (!LeerMomento(v.rawString(), m)) {
                    error = QStringLiteral("Conversion failed when converting date and/or time from character string.");
                    return false;
                }
            } else {
                m = DeFechaHora(v.toDate());
            }
            textoBind(TextoIso(m, clase == Clase::FechaHora));
            return true;
        }
        case Clase::Texto:
        case Clase::Binario:
            textoBind(v.toString());
            return true;
        case Clase::Logico:
            sqlite3_bind_int(st, i, v.toBool() ? 1 : 0);
            return true;
        case Clase::Entero:
        case Clase::EnteroCorto:
        case Clase::EnteroLargo:
        case Clase::Doble:
        case Clase::Numerico:
        case Clase::Moneda: {
            if (v.type() == VT::String && v.rawString().trimmed().isEmpty()) {
                sqlite3_bind_int(st, i, 0);
                return true;
            }
            if (v.type() == VT::Long || v.type() == VT::Integer || v.type() == VT::Boolean) {
                sqlite3_bind_int64(st, i, v.type() == VT::Boolean ? (v.toBool() ? 1 : 0) : v.rawInt());
                return true;
            }
            double d = 0;
            if (v.type() == VT::String) {
                bool ok = false;
                d = v.rawString().trimmed().toDouble(&ok);   // the server's own number form
                if (!ok) d = v.toDouble();                   // the regional form
            } else {
                d = v.toDouble();
            }
            if (clase == Clase::Entero || clase == Clase::EnteroCorto || clase == Clase::EnteroLargo)
                sqlite3_bind_int64(st, i, static_cast<qint64>(std::trunc(d)));
            else
                sqlite3_bind_double(st, i, d);
            return true;
        }
        case Clase::SinTipo:
            if (v.type() == VT::Date) textoBind(TextoIso(DeFechaHora(v.rawDate()), true));
            else if (v.type() == VT::Double || v.type() == VT::Currency) sqlite3_bind_double(st, i, v.toDouble());
            else if (v.isNumeric()) sqlite3_bind_int64(st, i, v.rawInt());
            else textoBind(v.toString());
            return true;
        }
    } catch (const std::exception&) {
        error = QStringLiteral("Conversion failed when converting the value to the column's data type.");
        return false;
    }
    return true;
}

// The rows of a statement, streamed.
class CursorSqlite : public Cursor {
public:
    CursorSqlite(std::unique_ptr<Sentencia> st, long plazo) : st_(std::move(st)), plazo_(plazo) {
        sqlite3_stmt* s = st_->get();
        const int n = sqlite3_column_count(s);
        for (int c = 0; c < n; ++c) {
            ColumnaResultado col;
            col.nombre = QString::fromUtf8(sqlite3_column_name(s, c));
            const char* decl = sqlite3_column_decltype(s, c);
            const TipoColumna t = TipoDeclarado(decl ? QString::fromUtf8(decl) : QString());
            col.tipo = t.ado;
            col.tamano = t.tamano;
            if (const char* tabla = sqlite3_column_table_name(s, c)) col.tablaBase = QString::fromUtf8(tabla);
            if (const char* origen = sqlite3_column_origin_name(s, c)) col.columnaBase = QString::fromUtf8(origen);
            columnas_.push_back(col);
            clases_.push_back(t.clase);
        }
    }

    bool Siguiente(Errors& errores) override {
        if (terminado_) return false;
        sqlite3_stmt* s = st_->get();
        st_->base().IniciarPlazo(plazo_);
        const int rc = sqlite3_step(s);
        if (rc == SQLITE_ROW) {
            if (primera_) {
                primera_ = false;
                for (size_t c = 0; c < clases_.size(); ++c)
                    if (clases_[c] == Clase::SinTipo) {
                        const TipoColumna t = tipoPorValor(s, static_cast<int>(c));
                        columnas_[c].tipo = t.ado;
                        columnas_[c].tamano = t.tamano;
                    }
            }
            return true;
        }
        terminado_ = true;
        if (rc == SQLITE_DONE) {
            sqlite3_reset(s);   // releases the read lock at once
            return false;
        }
        const int extendido = sqlite3_extended_errcode(st_->base().db());
        const QString mensaje = QString::fromUtf8(sqlite3_errmsg(st_->base().db()));
        sqlite3_reset(s);
        FallarSqlite(errores, extendido, mensaje, st_->base().Vencido());
    }

    const std::vector<ColumnaResultado>& Columnas() const override { return columnas_; }
    base::Variant Valor(int c) const override { return leerValor(st_->get(), c, clases_[static_cast<size_t>(c)]); }

private:
    std::unique_ptr<Sentencia> st_;
    long plazo_;
    bool terminado_ = false;
    bool primera_ = true;
    std::vector<ColumnaResultado> columnas_;
    std::vector<Clase> clases_;
};

// The rows of a result set that is not the last statement of its batch, held.
class CursorRetenido : public Cursor {
public:
    CursorRetenido(Cursor& origen, Errors& errores) {
        while (origen.Siguiente(errores)) {
            std::vector<base::Variant> fila;
            for (size_t c = 0; c < origen.Columnas().size(); ++c) fila.push_back(origen.Valor(static_cast<int>(c)));
            filas_.push_back(std::move(fila));
        }
        columnas_ = origen.Columnas();
    }
    bool Siguiente(Errors&) override { return ++actual_ < static_cast<long>(filas_.size()); }
    const std::vector<ColumnaResultado>& Columnas() const override { return columnas_; }
    base::Variant Valor(int c) const override { return filas_[static_cast<size_t>(actual_)][static_cast<size_t>(c)]; }

private:
    std::vector<ColumnaResultado> columnas_;
    std::vector<std::vector<base::Variant>> filas_;
    long actual_ = -1;
};

QString comillas(const QString& nombre) {
    return QLatin1Char('"') + QString(nombre).replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

bool esModificacion(const QString& sql) {
    const QString p = sql.trimmed().section(QRegularExpression(QStringLiteral("\\s")), 0, 0).toUpper();
    return p == QLatin1String("INSERT") || p == QLatin1String("UPDATE") || p == QLatin1String("DELETE") ||
           p == QLatin1String("REPLACE");
}

class ProveedorSqlite : public Provider {
public:
    ProveedorSqlite(std::shared_ptr<Base> base, QString archivo, QString nombre)
        : base_(std::move(base)), archivo_(std::move(archivo)), nombre_(std::move(nombre)) {}

    QString NombreBase() const override { return nombre_; }

    bool EsLaBase(const QString& nombre) const override {
        const QString n = nombre.trimmed();
        const QFileInfo f(archivo_);
        for (const QString& c : {nombre_, f.completeBaseName(), f.fileName(), f.absoluteFilePath()})
            if (n.compare(c, Qt::CaseInsensitive) == 0) return true;
        return false;
    }

    std::unique_ptr<Cursor> Ejecutar(const QString& sql, long plazo, long* afectados, Errors& errores) override {
        actualizarCatalogo(plazo, errores);
        const auto sentencias = Traducir(sql, catalogo_);
        std::unique_ptr<Cursor> resultado;
        long total = -1;
        for (size_t k = 0; k < sentencias.size(); ++k) {
            const SentenciaTraducida& s = sentencias[k];
            switch (s.clase) {
            case ClaseSentencia::IniciarTransaccion: IniciarTransaccion(plazo, errores); continue;
            case ClaseSentencia::ConfirmarTransaccion: ConfirmarTransaccion(plazo, errores); continue;
            case ClaseSentencia::DeshacerTransaccion: DeshacerTransaccion(errores); continue;
            case ClaseSentencia::SinEfecto: continue;
            case ClaseSentencia::Comun: break;
            }
            const QByteArray texto = s.sql.toUtf8();
            const char* resto = texto.constData();
            while (*resto) {
                auto st = preparar(resto, &resto, plazo, errores);
                if (!st) continue;   // only blanks or comments
                const bool ultima = k + 1 == sentencias.size() && QByteArray(resto).trimmed().isEmpty();
                if (sqlite3_column_count(st->get()) > 0) {
                    auto cursor = std::make_unique<CursorSqlite>(std::move(st), plazo);
                    if (resultado) {
                        CursorRetenido descartado(*cursor, errores);
                    } else if (ultima) {
                        resultado = std::move(cursor);
                    } else {
                        resultado = std::make_unique<CursorRetenido>(*cursor, errores);
                    }
                    continue;
                }
                base_->IniciarPlazo(plazo);
                int rc;
                while ((rc = sqlite3_step(st->get())) == SQLITE_ROW) {
                }
                if (rc != SQLITE_DONE) FallarSqlite(errores, *base_);
                if (esModificacion(s.sql)) total = (total < 0 ? 0 : total) + sqlite3_changes(base_->db());
            }
        }
        if (afectados) *afectados = total;
        return resultado;
    }

    long IniciarTransaccion(long plazo, Errors& errores) override {
        sincronizar();
        if (nivel_ == 0) ejecutarSimple("BEGIN", plazo, errores);
        return ++nivel_;
    }

    void ConfirmarTransaccion(long plazo, Errors& errores) override {
        sincronizar();
        if (nivel_ == 0)
            FallarConCodigo(errores, QStringLiteral("25000"), DB_E_ERRORSINCOMMAND, 3902,
                            QStringLiteral("La solicitud COMMIT TRANSACTION no tiene la correspondiente BEGIN TRANSACTION."));
        if (nivel_ == 1) ejecutarSimple("COMMIT", plazo, errores);
        --nivel_;
    }

    void DeshacerTransaccion(Errors& errores) override {
        sincronizar();
        if (nivel_ == 0)
            FallarConCodigo(errores, QStringLiteral("25000"), DB_E_ERRORSINCOMMAND, 3903,
                            QStringLiteral("La solicitud ROLLBACK TRANSACTION no tiene la correspondiente BEGIN TRANSACTION."));
        nivel_ = 0;
        ejecutarSimple("ROLLBACK", 0, errores);
    }

    int NivelTransaccion() const override {
        return sqlite3_get_autocommit(base_->db()) ? 0 : nivel_;
    }

    std::vector<TablaEsquema> Tablas(Errors& errores) override {
        std::vector<TablaEsquema> r;
        auto st = preparar("SELECT name, type FROM sqlite_master WHERE type IN ('table','view') ORDER BY name", nullptr,
                           plazo_, errores);
        for (const auto& fila : filas(*st, errores)) {
            const QString nombre = fila[0].toString();
            QString tipo = fila[1].toString().toUpper();
            if (nombre.startsWith(QLatin1String("sqlite_"), Qt::CaseInsensitive)) tipo = QStringLiteral("SYSTEM TABLE");
            r.push_back({nombre, tipo});
        }
        return r;
    }

    std::vector<ColumnaEsquema> Columnas(Errors& errores) override {
        std::vector<ColumnaEsquema> r;
        for (const TablaEsquema& t : Tablas(errores)) {
            auto st = preparar(QStringLiteral("PRAGMA table_info(%1)").arg(comillas(t.nombre)).toUtf8().constData(),
                               nullptr, plazo_, errores);
            for (const auto& f : filas(*st, errores)) {
                ColumnaEsquema c;
                c.tabla = t.nombre;
                c.ordinal = f[0].toLong() + 1;
                c.nombre = f[1].toString();
                const TipoColumna tipo = TipoDeclarado(f[2].toString());
                c.tipo = tipo.ado;
                c.admiteNulos = f[3].toLong() == 0 && f[5].toLong() == 0;
                c.tieneDefault = !f[4].isNull();
                if (c.tieneDefault) c.valorDefault = f[4].toString();
                if (tipo.clase == Clase::Texto) c.largoMaximo = tipo.tamano;
                if (tipo.clase == Clase::Entero) c.precision = 10;
                if (tipo.clase == Clase::Doble) c.precision = 15;
                if (tipo.clase == Clase::Moneda) {
                    c.precision = 19;
                    c.escala = 4;
                }
                r.push_back(c);
            }
        }
        return r;
    }

    std::vector<base::Variant> InsertarFila(const FilaEditada& fila, long plazo, Errors& errores) override {
        actualizarCatalogo(plazo, errores);
        QStringList nombres, marcas;
        std::vector<size_t> usados;
        for (size_t i = 0; i < fila.columnas.size(); ++i)
            if (fila.asignados[i]) {
                nombres << comillas(fila.columnas[i]);
                marcas << QStringLiteral("?");
                usados.push_back(i);
            }
        const QString sql = nombres.isEmpty()
                                ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(comillas(fila.tabla))
                                : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                      .arg(comillas(fila.tabla), nombres.join(QLatin1Char(',')), marcas.join(QLatin1Char(',')));
        auto st = preparar(sql.toUtf8().constData(), nullptr, plazo, errores);
        int p = 1;
        for (size_t i : usados) enlazarColumna(*st, p++, fila.tabla, fila.columnas[i], fila.valores[i], errores);
        pasoUnico(*st, plazo, errores);
        return leerFila(fila, sqlite3_last_insert_rowid(base_->db()), plazo, errores);
    }

    std::vector<base::Variant> ActualizarFila(const FilaEditada& fila, long plazo, Errors& errores) override {
        actualizarCatalogo(plazo, errores);
        // The row as it was read: by the table's key when the recordset shows it, else by every column.
        QStringList clave = claves_.value(fila.tabla.toUpper());
        std::vector<size_t> donde;
        for (size_t i = 0; i < fila.columnas.size(); ++i)
            if (clave.isEmpty() || clave.contains(fila.columnas[i], Qt::CaseInsensitive)) donde.push_back(i);
        if (!clave.isEmpty() && static_cast<int>(donde.size()) != clave.size()) {
            donde.clear();
            for (size_t i = 0; i < fila.columnas.size(); ++i) donde.push_back(i);
        }
        QStringList condiciones;
        for (size_t i : donde) condiciones << comillas(fila.columnas[i]) + QStringLiteral(" IS ?");
        const QString buscar = QStringLiteral("SELECT rowid FROM %1 WHERE %2 LIMIT 1")
                                   .arg(comillas(fila.tabla), condiciones.join(QStringLiteral(" AND ")));
        auto st = preparar(buscar.toUtf8().constData(), nullptr, plazo, errores);
        int p = 1;
        for (size_t i : donde) enlazarColumna(*st, p++, fila.tabla, fila.columnas[i], fila.originales[i], errores);
        base_->IniciarPlazo(plazo);
        const int rc = sqlite3_step(st->get());
        if (rc != SQLITE_ROW && rc != SQLITE_DONE) FallarSqlite(errores, *base_);
        if (rc == SQLITE_DONE)
            FallarConCodigo(errores, QStringLiteral("HY000"), DB_E_CONCURRENCYVIOLATION, 0,
                            QStringLiteral("No se encuentra la fila para actualizarla: algunos valores cambiaron desde "
                                           "la última lectura."));
        const qint64 rowid = sqlite3_column_int64(st->get(), 0);
        st.reset();

        QStringList asignaciones;
        std::vector<size_t> usados;
        for (size_t i = 0; i < fila.columnas.size(); ++i)
            if (fila.asignados[i]) {
                asignaciones << comillas(fila.columnas[i]) + QStringLiteral("=?");
                usados.push_back(i);
            }
        if (!usados.empty()) {
            const QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE rowid=?")
                                    .arg(comillas(fila.tabla), asignaciones.join(QLatin1Char(',')));
            auto up = preparar(sql.toUtf8().constData(), nullptr, plazo, errores);
            p = 1;
            for (size_t i : usados) enlazarColumna(*up, p++, fila.tabla, fila.columnas[i], fila.valores[i], errores);
            sqlite3_bind_int64(up->get(), p, rowid);
            pasoUnico(*up, plazo, errores);
        }
        return leerFila(fila, rowid, plazo, errores);
    }

private:
    void sincronizar() {
        if (sqlite3_get_autocommit(base_->db())) nivel_ = 0;
    }

    // Prepares the first statement of `sql`; null when it holds only blanks or comments.
    std::unique_ptr<Sentencia> preparar(const char* sql, const char** resto, long plazo, Errors& errores) {
        sqlite3_stmt* st = nullptr;
        base_->IniciarPlazo(plazo);
        const char* cola = nullptr;
        const int rc = sqlite3_prepare_v2(base_->db(), sql, -1, &st, &cola);
        if (resto) *resto = cola ? cola : sql + std::strlen(sql);
        auto s = std::make_unique<Sentencia>(base_, st);
        if (rc != SQLITE_OK) FallarSqlite(errores, *base_);
        if (!st) return nullptr;
        return s;
    }

    void ejecutarSimple(const char* sql, long plazo, Errors& errores) {
        auto st = preparar(sql, nullptr, plazo, errores);
        pasoUnico(*st, plazo, errores);
    }

    void pasoUnico(Sentencia& st, long plazo, Errors& errores) {
        base_->IniciarPlazo(plazo);
        int rc;
        while ((rc = sqlite3_step(st.get())) == SQLITE_ROW) {
        }
        if (rc != SQLITE_DONE) FallarSqlite(errores, *base_);
    }

    // Every row of a statement of the provider's own, values by storage class.
    std::vector<std::vector<base::Variant>> filas(Sentencia& st, Errors& errores) {
        std::vector<std::vector<base::Variant>> r;
        int rc;
        while ((rc = sqlite3_step(st.get())) == SQLITE_ROW) {
            std::vector<base::Variant> f;
            for (int c = 0; c < sqlite3_column_count(st.get()); ++c) {
                switch (sqlite3_column_type(st.get(), c)) {
                case SQLITE_NULL: f.push_back(base::Variant::Null()); break;
                case SQLITE_INTEGER: f.push_back(base::Variant(static_cast<long long>(sqlite3_column_int64(st.get(), c)))); break;
                case SQLITE_FLOAT: f.push_back(base::Variant(sqlite3_column_double(st.get(), c))); break;
                default: f.push_back(base::Variant(textoDe(st.get(), c))); break;
                }
            }
            r.push_back(std::move(f));
        }
        if (rc != SQLITE_DONE) FallarSqlite(errores, *base_);
        return r;
    }

    void actualizarCatalogo(long plazo, Errors& errores) {
        plazo_ = plazo;
        auto v = preparar("PRAGMA schema_version", nullptr, plazo, errores);
        base_->IniciarPlazo(plazo);
        if (sqlite3_step(v->get()) != SQLITE_ROW) FallarSqlite(errores, *base_);
        const int version = sqlite3_column_int(v->get(), 0);
        v.reset();
        if (version == versionEsquema_) return;
        catalogo_.Vaciar();
        claves_.clear();
        for (const TablaEsquema& t : Tablas(errores)) {
            catalogo_.AgregarTabla(t.nombre);
            auto st = preparar(QStringLiteral("PRAGMA table_info(%1)").arg(comillas(t.nombre)).toUtf8().constData(),
                               nullptr, plazo, errores);
            std::vector<std::pair<long, QString>> clave;
            for (const auto& f : filas(*st, errores)) {
                catalogo_.AgregarColumna(t.nombre, f[1].toString(), f[2].toString());
                if (f[5].toLong() > 0) clave.emplace_back(f[5].toLong(), f[1].toString());
            }
            std::sort(clave.begin(), clave.end());
            QStringList nombres;
            for (const auto& c : clave) nombres << c.second;
            if (!nombres.isEmpty()) claves_.insert(t.nombre.toUpper(), nombres);
        }
        versionEsquema_ = version;
    }

    void enlazarColumna(Sentencia& st, int i, const QString& tabla, const QString& columna, const base::Variant& v,
                        Errors& errores) {
        QString error;
        const Clase clase = TipoDeclarado(catalogo_.TipoDe(tabla, columna)).clase;
        if (!enlazar(st.get(), i, v, clase, error))
            FallarConCodigo(errores, clase == Clase::Fecha || clase == Clase::FechaHora ? QStringLiteral("22007")
                                                                                          : QStringLiteral("22018"),
                            DB_E_ERRORSOCCURRED,
                            clase == Clase::Fecha || clase == Clase::FechaHora ? 241 : 245,
                            error + QStringLiteral(" (") + columna + QStringLiteral(")"));
    }

    std::vector<base::Variant> leerFila(const FilaEditada& fila, qint64 rowid, long plazo, Errors& errores) {
        QStringList nombres;
        for (const QString& c : fila.columnas) nombres << comillas(c);
        const QString sql = QStringLiteral("SELECT %1 FROM %2 WHERE rowid=?")
                                .arg(nombres.join(QLatin1Char(',')), comillas(fila.tabla));
        auto st = preparar(sql.toUtf8().constData(), nullptr, plazo, errores);
        sqlite3_bind_int64(st->get(), 1, rowid);
        base_->IniciarPlazo(plazo);
        const int rc = sqlite3_step(st->get());
        if (rc != SQLITE_ROW) {
            if (rc == SQLITE_DONE) return fila.valores;
            FallarSqlite(errores, *base_);
        }
        std::vector<base::Variant> r;
        for (size_t c = 0; c < fila.columnas.size(); ++c)
            r.push_back(leerValor(st->get(), static_cast<int>(c),
                                  TipoDeclarado(catalogo_.TipoDe(fila.tabla, fila.columnas[c])).clase));
        return r;
    }

    std::shared_ptr<Base> base_;
    QString archivo_;
    QString nombre_;
    Catalogo catalogo_;
    QHash<QString, QStringList> claves_;   // upper-case table -> primary key columns
    int versionEsquema_ = -1;
    int nivel_ = 0;
    long plazo_ = 30;   // of the last statement; schema lists use it too
};

}  // namespace

std::unique_ptr<Provider> AbrirProveedorSqlite(const QString& archivo, const QString& nombre, long plazo,
                                               Errors& errores) {
    if (!QFileInfo::exists(archivo))
        FallarConCodigo(errores, QStringLiteral("08001"), E_FAIL, 4060,
                        QStringLiteral("No se puede abrir la base de datos \"%1\": no existe el archivo %2")
                            .arg(nombre, archivo));
    int rc = 0;
    QString mensaje;
    auto base = AbrirBase(archivo, false, rc, mensaje, plazo);
    if (!base) {
        Error e = ErrorDeSqlite(rc, QStringLiteral("%1: %2").arg(archivo, mensaje), false);
        e.SQLState = QStringLiteral("08001");
        e.Number = E_FAIL;
        LanzarProveedor(errores, e);
    }
    return std::make_unique<ProveedorSqlite>(std::move(base), archivo, nombre);
}

}  // namespace ado::sqlite
