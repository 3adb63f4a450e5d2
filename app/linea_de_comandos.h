// The program's command line: the suite's parameter string plus the program's own
// options (the headless remitos export, the creation of a database, the regional
// settings).
#pragma once
#include <QString>
#include <QStringList>

struct LineaDeComandos {
    QString parametros;      // the suite's parameter string (every argument that is not an option)
    QString remitos;         // --remitos YYYY-MM
    QString carpeta;         // --carpeta DIR
    QString crearBase;       // --crear-base FILE
    bool demo = false;       // --demo
    QString regional;        // --regional es_AR
    bool ayuda = false;      // --help
    QString error;           // why the options are wrong (empty when they are right)

    bool sinVentana() const { return !remitos.isEmpty() || !crearBase.isEmpty(); }
    int anio() const;        // from --remitos
    int mes() const;

    static LineaDeComandos Leer(const QStringList& argumentos);   // without the program name
    static QString Ayuda();
};
