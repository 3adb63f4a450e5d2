// The built executable, run as a scheduled job would: a database created with
// --crear-base, then the headless export of a month, comparing the file byte for byte.
#include <gtest/gtest.h>
#include <QFile>
#include <QProcess>
#include "tests/common/carpeta_temporal.h"

namespace {

struct Corrida {
    int estado;
    QString errores;
};

Corrida correr(const QStringList& argumentos, const QString& carpeta) {
    QProcess p;
    p.setWorkingDirectory(carpeta);
    p.start(QStringLiteral(RMAUTOIMPR_EXE), argumentos);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromLocal8Bit(p.readAllStandardError())};
}

QByteArray leer(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class Ejecutable : public ::testing::Test {
protected:
    void SetUp() override {
        const Corrida c = correr({QStringLiteral("--crear-base"), base(), QStringLiteral("--demo")}, dir.ruta());
        ASSERT_EQ(c.estado, 0) << c.errores.toStdString();
    }
    QString base() const { return dir.archivo(QStringLiteral("empresa.sqlite")); }
    QString parametros() const {
        return QStringLiteral("@server=sqlite;@dbname=") + base() + QStringLiteral(";@usuario=ana;@Password=x;");
    }
    prueba::CarpetaTemporal dir;
};

TEST_F(Ejecutable, marzo_de_la_empresa_demo_escribe_el_archivo_completo) {
    const Corrida c = correr({parametros(), QStringLiteral("--remitos"), QStringLiteral("2015-03"),
                              QStringLiteral("--carpeta"), dir.ruta()},
                             dir.ruta());
    EXPECT_EQ(c.estado, 0) << c.errores.toStdString();
    EXPECT_TRUE(c.errores.contains(QStringLiteral("Aviso al operador!!!: Se han generado satisfactoriamente los archivos en : ")))
        << c.errores.toStdString();
    EXPECT_EQ(leer(dir.archivo(QStringLiteral("REMITOS_MAR_2015.txt"))),
              QByteArray("30712345679\r\n03/2015\r\n20150123456789 1 91 118\r\n20150198765432 2 91 40\r\n"));
}

TEST_F(Ejecutable, mes_sin_remitos_no_deja_archivo_y_termina_con_1) {
    const Corrida c = correr({parametros(), QStringLiteral("--remitos"), QStringLiteral("2014-12"),
                              QStringLiteral("--carpeta"), dir.ruta()},
                             dir.ruta());
    EXPECT_EQ(c.estado, 1);
    EXPECT_TRUE(c.errores.contains(QStringLiteral("Aviso al Operador: No se encontraron registros para procesar!")))
        << c.errores.toStdString();
    EXPECT_FALSE(QFile::exists(dir.archivo(QStringLiteral("REMITOS_DIC_2014.txt"))));
}

TEST_F(Ejecutable, sin_conexion_o_con_opciones_malas_termina_con_2) {
    EXPECT_EQ(correr({QStringLiteral("@server=sqlite;@dbname=") + dir.archivo(QStringLiteral("no_existe.sqlite")) +
                          QStringLiteral(";@usuario=ana;@Password=x;"),
                      QStringLiteral("--remitos"), QStringLiteral("2015-03"), QStringLiteral("--carpeta"), dir.ruta()},
                     dir.ruta())
                  .estado,
              2);
    EXPECT_EQ(correr({QStringLiteral("--remitos"), QStringLiteral("2015-13"), QStringLiteral("--carpeta"), dir.ruta()},
                     dir.ruta())
                  .estado,
              2);
    EXPECT_EQ(correr({QStringLiteral("--opcion-rara")}, dir.ruta()).estado, 2);
}

}  // namespace
