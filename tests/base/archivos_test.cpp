// Windows-1252 files with CR LF, fixed records counted in bytes, and the file errors.
#include <gtest/gtest.h>
#include <QFile>
#include "base/archivos.h"
#include "base/error.h"
#include "tests/common/carpeta_temporal.h"

namespace {

QByteArray contenido(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<no se pudo leer>");
}

long numeroDeError(const std::function<void()>& f) {
    try {
        f();
    } catch (const base::Error& e) {
        return e.Number;
    }
    return 0;
}

TEST(Cp1252, ida_y_vuelta) {
    const QString texto = QStringLiteral("Ñandú €5 – “x” œ");
    const QByteArray bytes = base::ACp1252(texto);
    EXPECT_EQ(bytes, QByteArray("\xD1" "and\xFA \x80" "5 \x96 \x93x\x94 \x9C"));
    EXPECT_EQ(base::DesdeCp1252(bytes), texto);
    EXPECT_EQ(base::ACp1252(QStringLiteral("a\u4E2Db\U0001F600c")), QByteArray("a?b?c"));
    // Bytes the code page leaves undefined come back unchanged.
    EXPECT_EQ(base::ACp1252(base::DesdeCp1252(QByteArray("\x81\x8D\x9D"))), QByteArray("\x81\x8D\x9D"));
}

TEST(Archivos, escribe_cr_lf_agrega_y_lee_ambos_finales) {
    prueba::CarpetaTemporal tmp;
    const QString ruta = tmp.archivo(QStringLiteral("salida.txt"));
    base::EscribirLinea(ruta, QStringLiteral("viejo"), false);
    base::EscribirLinea(ruta, QStringLiteral("AÑO"), false);
    base::EscribirLinea(ruta, QStringLiteral("línea 2"), true);
    EXPECT_EQ(contenido(ruta), QByteArray("A\xD1O\r\nl\xEDnea 2\r\n"));
    EXPECT_EQ(base::LeerLineas(ruta), (QStringList{QStringLiteral("AÑO"), QStringLiteral("línea 2")}));

    QFile f(tmp.archivo(QStringLiteral("lf.txt")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("uno\ndos\r\n\r\ntres");
    f.close();
    EXPECT_EQ(base::LeerLineas(f.fileName()),
              (QStringList{QStringLiteral("uno"), QStringLiteral("dos"), QString(), QStringLiteral("tres")}));
}

TEST(Archivos, errores_de_ruta_y_de_archivo) {
    prueba::CarpetaTemporal tmp;
    const QString sinCarpeta = tmp.archivo(QStringLiteral("no/existe.txt"));
    const QString falta = tmp.archivo(QStringLiteral("falta.txt"));
    EXPECT_EQ(numeroDeError([&] { base::EscribirLinea(sinCarpeta, QStringLiteral("x"), false); }), 76);
    EXPECT_EQ(numeroDeError([&] { base::EscribirLinea(tmp.ruta(), QStringLiteral("x"), false); }), 75);
    EXPECT_EQ(numeroDeError([&] { base::BorrarArchivo(falta); }), 53);
    EXPECT_EQ(numeroDeError([&] { base::LeerLineas(falta); }), 53);
    EXPECT_FALSE(base::ExisteArchivo(falta));

    const QString soloLectura = tmp.archivo(QStringLiteral("ro.txt"));
    base::EscribirLinea(soloLectura, QStringLiteral("x"), false);
    QFile::setPermissions(soloLectura, QFileDevice::ReadOwner);
    if (QFile f(soloLectura); !f.open(QIODevice::Append)) {  // root ignores read-only files
        EXPECT_EQ(numeroDeError([&] { base::EscribirLinea(soloLectura, QStringLiteral("y"), true); }), 75);
    }
    QFile::setPermissions(soloLectura, QFileDevice::ReadOwner | QFileDevice::WriteOwner);

    EXPECT_TRUE(base::ExisteArchivo(soloLectura));
    base::BorrarArchivo(soloLectura);
    EXPECT_FALSE(base::ExisteArchivo(soloLectura));
}

TEST(Registro, anchos_en_bytes_corte_relleno_y_largo) {
    const QByteArray r = base::ArmarRegistro({
        {6, QStringLiteral("MUÑOZ")},                      // Ñ is one byte: one blank of padding
        {5, QStringLiteral("42"), true, QLatin1Char('0')},  // right-aligned with zeros
        {3, QStringLiteral("ABCDE")},                      // cut to its first bytes
        {4, QStringLiteral("123456"), true, QLatin1Char('0')},  // a number keeps its last digits
    }, 18);
    EXPECT_EQ(r, QByteArray("MU\xD1OZ 00042ABC3456"));
    EXPECT_EQ(numeroDeError([] { base::ArmarRegistro({{3, QStringLiteral("x")}}, 4); }), 5);

    prueba::CarpetaTemporal tmp;
    const QString ruta = tmp.archivo(QStringLiteral("reg.txt"));
    base::AgregarRegistro(ruta, r);
    base::AgregarRegistro(ruta, "FIN", false);
    EXPECT_EQ(contenido(ruta), r + "\r\nFIN");
}

}  // namespace
