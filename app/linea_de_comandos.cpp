#include "app/linea_de_comandos.h"

#include <QRegularExpression>

int LineaDeComandos::anio() const { return remitos.left(4).toInt(); }
int LineaDeComandos::mes() const { return remitos.mid(5, 2).toInt(); }

LineaDeComandos LineaDeComandos::Leer(const QStringList& argumentos) {
    LineaDeComandos l;
    QStringList parametros;
    for (int i = 0; i < argumentos.size(); ++i) {
        const QString& a = argumentos[i];
        auto valor = [&](QString& destino) {
            if (i + 1 >= argumentos.size()) l.error = QStringLiteral("Falta el valor de ") + a;
            else destino = argumentos[++i];
        };
        if (a == QLatin1String("--remitos")) valor(l.remitos);
        else if (a == QLatin1String("--carpeta")) valor(l.carpeta);
        else if (a == QLatin1String("--crear-base")) valor(l.crearBase);
        else if (a == QLatin1String("--regional")) valor(l.regional);
        else if (a == QLatin1String("--demo")) l.demo = true;
        else if (a == QLatin1String("--help") || a == QLatin1String("-h")) l.ayuda = true;
        else if (a.startsWith(QLatin1String("--"))) l.error = QStringLiteral("Opción desconocida: ") + a;
        else parametros << a;
    }
    l.parametros = parametros.join(QLatin1Char(' '));
    if (l.error.isEmpty() && !l.remitos.isEmpty()) {
        static const QRegularExpression periodo(QStringLiteral("^\\d{4}-(0[1-9]|1[0-2])$"));
        if (!periodo.match(l.remitos).hasMatch())
            l.error = QStringLiteral("--remitos espera el período como AAAA-MM (por ejemplo 2015-03)");
        else if (l.carpeta.isEmpty())
            l.error = QStringLiteral("--remitos necesita --carpeta con la carpeta destino");
    }
    if (l.error.isEmpty() && l.demo && l.crearBase.isEmpty()) l.error = QStringLiteral("--demo va con --crear-base");
    return l;
}

QString LineaDeComandos::Ayuda() {
    return QStringLiteral(
        "Uso: rmautoimpr [CADENA DE PARAMETROS] [opciones]\n"
        "\n"
        "Interfaz de Remitos para Autoimpresores: escribe el archivo mensual de remitos\n"
        "REMITOS_<MMM>_<año>.txt a partir de la base de datos de la empresa.\n"
        "\n"
        "CADENA DE PARAMETROS es la de la suite, por ejemplo:\n"
        "  \"@server=sqlite;@dbname=empresa.sqlite;@usuario=ana;@Password=x;\"\n"
        "  (@server=sqlite abre la base SQLite del archivo @dbname; sin servidor o usuario\n"
        "  se pide el acceso en el diálogo \"Control de Acceso\").\n"
        "\n"
        "Opciones:\n"
        "  --remitos AAAA-MM     genera el archivo del mes sin mostrar la ventana\n"
        "  --carpeta DIR         carpeta destino del archivo (con --remitos)\n"
        "  --crear-base ARCHIVO  crea una base SQLite de la empresa con el esquema vacío\n"
        "  --demo                con --crear-base: carga la empresa de demostración\n"
        "  --regional es_AR      configuración regional (separadores y fechas)\n"
        "  --help                muestra esta ayuda\n"
        "\n"
        "Sin ventana, cada mensaje sale por la salida de errores como \"título: texto\".\n"
        "Estado de salida: 0 archivo generado, 1 terminó con otro mensaje, 2 no pudo iniciar.\n");
}
