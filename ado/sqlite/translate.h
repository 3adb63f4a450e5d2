// Translation of the suite's SQL Server dialect into SQLite at execution time (after
// the statement recorder has seen the text). See translate.cpp for what is rewritten.
#pragma once
#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

namespace ado::sqlite {

enum class ClaseFecha { Ninguna, Fecha, FechaHora };

// DATE -> Fecha; DATETIME, SMALLDATETIME, DATETIME2, TIMESTAMP -> FechaHora.
ClaseFecha ClaseFechaDeTipo(const QString& tipoDeclarado);

// The database's tables and views with their columns' declared types, in order.
class Catalogo {
public:
    void AgregarTabla(const QString& tabla);
    void AgregarColumna(const QString& tabla, const QString& columna, const QString& tipo);
    void Vaciar() { tablas_.clear(); }
    bool EsTabla(const QString& nombre) const;
    QStringList ColumnasDe(const QString& tabla) const;
    QString TipoDe(const QString& tabla, const QString& columna) const;   // empty when unknown
    ClaseFecha FechaDe(const QString& tabla, const QString& columna) const;

private:
    struct Tabla {
        QStringList columnas;
        QHash<QString, QString> tipos;   // upper-case column name -> declared type
    };
    QHash<QString, Tabla> tablas_;       // upper-case table name
};

enum class ClaseSentencia { Comun, IniciarTransaccion, ConfirmarTransaccion, DeshacerTransaccion, SinEfecto };

struct SentenciaTraducida {
    ClaseSentencia clase = ClaseSentencia::Comun;
    QString sql;    // the SQLite text (Comun only)
};

// Splits a batch into its statements and translates each. Never fails: what it does
// not recognise is passed on unchanged for SQLite to judge.
std::vector<SentenciaTraducida> Traducir(const QString& tsql, const Catalogo& catalogo);

}  // namespace ado::sqlite
