// Files in Windows-1252 with CR LF line ends. Text is converted here, at the file
// boundary; a fixed width counts bytes of the file. Every write is one
// open-write-close. Failures: 76 missing folder, 75 access refused, 53 missing file.
#include "base/archivos.h"
#include "base/error.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace base {

namespace {
// Unicode of the bytes 0x80..0x9F; 0 where the code page leaves the byte undefined
// (those read as the control character of the same number and write back unchanged).
constexpr char16_t kAltos[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char aByte(char16_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<char>(u);
    for (int i = 0; i < 32; ++i) {
        if (kAltos[i] == u) return static_cast<char>(0x80 + i);
        if (kAltos[i] == 0 && u == 0x80 + i) return static_cast<char>(u);
    }
    return '?';
}

const QString kRutaNoEncontrada = QStringLiteral("Path not found");
const QString kErrorRuta = QStringLiteral("Path/File access error");
const QString kArchivoNoEncontrado = QStringLiteral("File not found");

bool carpetaExiste(const QString& ruta) { return QFileInfo(ruta).absoluteDir().exists(); }

[[noreturn]] void fallaApertura(const QString& ruta) {
    if (!carpetaExiste(ruta)) throw Error(err::RutaNoEncontrada, kRutaNoEncontrada);
    throw Error(err::ErrorRutaArchivo, kErrorRuta);
}

void escribir(const QString& ruta, const QByteArray& datos, bool agregar) {
    if (QFileInfo(ruta).isDir()) throw Error(err::ErrorRutaArchivo, kErrorRuta);
    QFile f(ruta);
    QIODevice::OpenMode modo = QIODevice::WriteOnly | (agregar ? QIODevice::Append : QIODevice::Truncate);
    if (!f.open(modo)) fallaApertura(ruta);
    bool ok = f.write(datos) == datos.size();
    ok = f.flush() && ok;
    f.close();
    if (!ok) throw Error(err::ErrorRutaArchivo, kErrorRuta);
}
}  // namespace

QByteArray ACp1252(const QString& s) {
    QByteArray b;
    b.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        QChar c = s.at(i);
        if (c.isHighSurrogate() && i + 1 < s.size() && s.at(i + 1).isLowSurrogate()) {
            b.append('?');
            ++i;
            continue;
        }
        b.append(aByte(c.unicode()));
    }
    return b;
}

QString DesdeCp1252(const QByteArray& b) {
    QString s;
    s.reserve(b.size());
    for (char ch : b) {
        auto u = static_cast<unsigned char>(ch);
        if (u >= 0x80 && u <= 0x9F && kAltos[u - 0x80] != 0) s.append(QChar(kAltos[u - 0x80]));
        else s.append(QChar(static_cast<char16_t>(u)));
    }
    return s;
}

void EscribirLinea(const QString& ruta, const QString& linea, bool agregar) {
    escribir(ruta, ACp1252(linea) + "\r\n", agregar);
}

QStringList LeerLineas(const QString& ruta) {
    QFileInfo info(ruta);
    if (!info.exists()) {
        if (!carpetaExiste(ruta)) throw Error(err::RutaNoEncontrada, kRutaNoEncontrada);
        throw Error(err::ArchivoNoEncontrado, kArchivoNoEncontrado);
    }
    if (info.isDir()) throw Error(err::ErrorRutaArchivo, kErrorRuta);
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly)) throw Error(err::ErrorRutaArchivo, kErrorRuta);
    const QByteArray todo = f.readAll();
    f.close();
    QStringList lineas;
    qsizetype inicio = 0;
    while (inicio < todo.size()) {
        qsizetype fin = todo.indexOf('\n', inicio);
        if (fin < 0) fin = todo.size();
        qsizetype largo = fin - inicio;
        if (largo > 0 && todo.at(fin - 1) == '\r') --largo;
        lineas.append(DesdeCp1252(todo.mid(inicio, largo)));
        inicio = fin + 1;
    }
    return lineas;
}

bool ExisteArchivo(const QString& ruta) { return !ruta.isEmpty() && QFileInfo(ruta).isFile(); }

void BorrarArchivo(const QString& ruta) {
    QFileInfo info(ruta);
    if (!info.exists()) {
        if (!carpetaExiste(ruta)) throw Error(err::RutaNoEncontrada, kRutaNoEncontrada);
        throw Error(err::ArchivoNoEncontrado, kArchivoNoEncontrado);
    }
    if (info.isDir() || !QFile::remove(ruta)) throw Error(err::ErrorRutaArchivo, kErrorRuta);
}

QByteArray ArmarRegistro(const std::vector<CampoFijo>& campos, int largo) {
    QByteArray r;
    for (const CampoFijo& c : campos) {
        if (c.ancho < 0) throw Error(err::LlamadaNoValida, QStringLiteral("Invalid procedure call or argument"));
        QByteArray v = ACp1252(c.valor);
        if (v.size() > c.ancho) {
            // Right-aligned fields (numbers) keep their last bytes, the others their first.
            v = c.derecha ? v.right(c.ancho) : v.left(c.ancho);
        } else if (v.size() < c.ancho) {
            QByteArray relleno(c.ancho - v.size(), aByte(c.relleno.unicode()));
            v = c.derecha ? relleno + v : v + relleno;
        }
        r += v;
    }
    if (largo >= 0 && r.size() != largo)
        throw Error(err::LlamadaNoValida,
                    QStringLiteral("Invalid procedure call or argument: the record has %1 bytes instead of %2")
                        .arg(r.size())
                        .arg(largo));
    return r;
}

void AgregarRegistro(const QString& ruta, const QByteArray& registro, bool conFinDeLinea) {
    escribir(ruta, conFinDeLinea ? registro + "\r\n" : registro, true);
}

}  // namespace base
