// ZkArchivoIni: reading Windows profile files (RO000za.INI and the like).
// Where a bare file name is looked for, in order: $ZORVSUITE_INI_DIR, then
// $XDG_CONFIG_HOME/zorvsuite (~/.config/zorvsuite when XDG_CONFIG_HOME is unset), then
// /etc/zorvsuite; in each folder the name is matched without regard to case, so
// "RO000za.INI" finds ro000za.ini. The file is read as UTF-8 when it is valid UTF-8,
// otherwise as Windows-1252. The profile rules: the first "[section]" with the name
// (any case), in it the first "key=value" with the key (any case); the value is
// trimmed and loses one pair of enclosing quotes; lines starting with ";" are
// comments; an existing key with nothing after "=" gives empty text, not the default.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include "base/archivos.h"
#include "base/entorno.h"
#include "companion/zorvkit.h"

namespace {

QString buscarSinMayusculas(const QString& carpeta, const QString& nombre) {
    const QDir dir(carpeta);
    if (carpeta.isEmpty() || !dir.exists()) return QString();
    if (QFileInfo(dir.filePath(nombre)).isFile()) return dir.filePath(nombre);
    for (const QString& e : dir.entryList(QDir::Files | QDir::Hidden))
        if (e.compare(nombre, Qt::CaseInsensitive) == 0) return dir.filePath(e);
    return QString();
}

QString leerTexto(const QString& ruta) {
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly)) return QString();
    QByteArray b = f.readAll();
    if (b.startsWith("\xEF\xBB\xBF")) b.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString t = utf8(b);
    return utf8.hasError() ? base::DesdeCp1252(b) : t;
}

QString sinComillas(const QString& v) {
    if (v.size() >= 2 && (v.front() == QLatin1Char('"') || v.front() == QLatin1Char('\'')) && v.back() == v.front())
        return v.mid(1, v.size() - 2);
    return v;
}

}  // namespace

QStringList ZkArchivoIniClass::CarpetasIni() {
    QStringList r;
    const QString propia = base::Entorno::Variable(QStringLiteral("ZORVSUITE_INI_DIR"));
    if (!propia.isEmpty()) r.append(propia);
    QString xdg = base::Entorno::Variable(QStringLiteral("XDG_CONFIG_HOME"));
    if (xdg.isEmpty()) xdg = QDir::homePath() + QLatin1String("/.config");
    r.append(xdg + QLatin1String("/zorvsuite"));
    r.append(QStringLiteral("/etc/zorvsuite"));
    return r;
}

QString ZkArchivoIniClass::CarpetaIni() { return CarpetasIni().constFirst(); }

QString ZkArchivoIniClass::UbicarIni(const QString& archivo) {
    if (archivo.trimmed().isEmpty()) return QString();
    if (archivo.contains(QLatin1Char('/'))) {
        const QFileInfo info(archivo);
        return buscarSinMayusculas(info.path(), info.fileName());
    }
    for (const QString& carpeta : CarpetasIni()) {
        const QString r = buscarSinMayusculas(carpeta, archivo);
        if (!r.isEmpty()) return r;
    }
    return QString();
}

QString ZkArchivoIniClass::LeerIni(const QString& archivo, const QString& seccion, const QString& clave,
                                   const QString& porDefecto) {
    const QString ruta = UbicarIni(archivo);
    if (ruta.isEmpty()) return porDefecto;
    const QString buscada = seccion.trimmed();
    const QString claveBuscada = clave.trimmed();
    bool dentro = false;   // in the first section with the name; reading ends with it
    for (const QString& cruda : leerTexto(ruta).split(QLatin1Char('\n'))) {
        const QString linea = cruda.trimmed();
        if (linea.isEmpty() || linea.startsWith(QLatin1Char(';'))) continue;
        if (linea.startsWith(QLatin1Char('['))) {
            if (dentro) break;
            const int fin = linea.indexOf(QLatin1Char(']'));
            const QString nombre = linea.mid(1, fin < 0 ? -1 : fin - 1).trimmed();
            dentro = nombre.compare(buscada, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!dentro) continue;
        const int igual = linea.indexOf(QLatin1Char('='));
        if (igual < 0) continue;
        if (linea.left(igual).trimmed().compare(claveBuscada, Qt::CaseInsensitive) == 0)
            return sinComillas(linea.mid(igual + 1).trimmed());
    }
    return porDefecto;
}
