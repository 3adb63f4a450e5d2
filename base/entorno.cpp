// The program's folder and executable name (fixed by tests, otherwise the running
// binary's) and the environment variables. Fixed values are dropped by
// ReiniciarGlobales so that no test sees another's.
#include "base/entorno.h"
#include "base/globales.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <optional>

namespace base {

namespace {
std::optional<QString>& carpetaFija() {
    static std::optional<QString> c;
    return c;
}
std::optional<QString>& nombreFijo() {
    static std::optional<QString> n;
    return n;
}
void registrarReinicio() {
    static bool registrado = false;
    if (registrado) return;
    registrado = true;
    AlReiniciar([] {
        carpetaFija().reset();
        nombreFijo().reset();
    });
}
QString sinBarraFinal(QString s) {
    while (s.size() > 1 && (s.endsWith(QLatin1Char('/')) || s.endsWith(QLatin1Char('\\')))) s.chop(1);
    return s;
}
}  // namespace

QString Entorno::CarpetaPrograma() {
    if (carpetaFija()) return *carpetaFija();
    if (QCoreApplication::instance()) return sinBarraFinal(QCoreApplication::applicationDirPath());
    return sinBarraFinal(QDir::currentPath());
}

QString Entorno::NombreEjecutable() {
    if (nombreFijo()) return *nombreFijo();
    if (QCoreApplication::instance())
        return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return QStringLiteral("rmautoimpr");
}

void Entorno::FijarCarpetaPrograma(const QString& carpeta) {
    registrarReinicio();
    carpetaFija() = sinBarraFinal(carpeta);
}

void Entorno::FijarNombreEjecutable(const QString& nombre) {
    registrarReinicio();
    nombreFijo() = nombre;
}

QString Entorno::Variable(const QString& nombre) { return qEnvironmentVariable(nombre.toLocal8Bit().constData()); }

}  // namespace base
