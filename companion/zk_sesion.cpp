// ZkSesion: the workstation (host and user names), the temporary folder and opening
// files with the desktop's associated application.
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>
#include <QUrl>
#include <pwd.h>
#include <unistd.h>
#include "base/entorno.h"
#include "companion/zorvkit.h"

QString ZkSesionClass::NombreMaquina() { return QSysInfo::machineHostName(); }

QString ZkSesionClass::NombreUsuarioEquipo() {
    if (const passwd* pw = getpwuid(geteuid()); pw && pw->pw_name && *pw->pw_name)
        return QString::fromLocal8Bit(pw->pw_name);
    return base::Entorno::Variable(QStringLiteral("USER"));
}

QString ZkSesionClass::CarpetaTemporal() { return QDir::tempPath() + QLatin1Char('/'); }

bool ZkSesionClass::ShellEjecutar(long ventana, const QString& operacion, const QString& archivo,
                                  const QString& parametros, const QString& carpeta, int modo) {
    Q_UNUSED(ventana);
    Q_UNUSED(operacion);
    Q_UNUSED(modo);
    if (archivo.trimmed().isEmpty()) return false;
    if (archivo.contains(QLatin1String("://"))) return QDesktopServices::openUrl(QUrl(archivo));
    QString ruta = archivo;
    if (QFileInfo(ruta).isRelative() && !carpeta.isEmpty()) ruta = QDir(carpeta).filePath(ruta);
    const QFileInfo info(ruta);
    if (!info.exists()) return false;
    if (info.isFile() && info.isExecutable())
        return QProcess::startDetached(info.absoluteFilePath(), QProcess::splitCommand(parametros),
                                       carpeta.isEmpty() ? info.absolutePath() : carpeta);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
}
