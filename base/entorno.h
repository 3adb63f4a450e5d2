// The program's environment: its own folder, its executable name (without extension),
// the workstation's host and user names and environment variables. Tests may set the
// folder and the name so that nothing is written beside the test binaries.
#pragma once
#include <QString>

namespace base {
struct Entorno {
    static QString CarpetaPrograma();        // the executable's folder, without trailing "/"
    static QString NombreEjecutable();       // e.g. "rmautoimpr"
    static void FijarCarpetaPrograma(const QString& carpeta);
    static void FijarNombreEjecutable(const QString& nombre);
    static QString Variable(const QString& nombre);   // environment variable, "" when unset
};
}  // namespace base
