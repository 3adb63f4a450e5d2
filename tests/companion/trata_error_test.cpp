// The error dialog's shape and TrataError: message, title, answer and the QVERR.LOG line.
#include <gtest/gtest.h>
#include <QFile>
#include <optional>
#include "base/archivos.h"
#include "base/reloj.h"
#include "companion/dialogo_error.h"
#include "companion/zorvkit.h"
#include "tests/common/carpeta_temporal.h"
#include "tests/common/variable_entorno.h"
#include "ui/operador_guionado.h"

namespace {
using prueba::Variable;

struct TrataErrorLog : ::testing::Test {
    prueba::CarpetaTemporal carpeta;
    std::optional<Variable> temp, tmp;
    void SetUp() override {
        // TEMP set: the folder is TMP's value, trimmed.
        temp.emplace("TEMP", "x");
        tmp.emplace("TMP", (QStringLiteral("  ") + carpeta.ruta() + QStringLiteral(" ")).toUtf8());
        base::Reloj::Fijar(QDateTime(QDate(2015, 8, 31), QTime(17, 5, 9)));
    }
    QStringList log() const {
        const QString ruta = carpeta.archivo(QStringLiteral("QVERR.LOG"));
        return base::ExisteArchivo(ruta) ? base::LeerLineas(ruta) : QStringList();
    }
};
}  // namespace

TEST(dialogo_error, textos_del_dialogo) {
    const base::Error e(3709, QStringLiteral("  La conexión está cerrada.  "), QStringLiteral("Proyecto"));
    EXPECT_EQ(dialogo_error::Mensaje(e), QStringLiteral("Ha ocurrido el Siguiente Error (3709) La conexión está cerrada."));
    EXPECT_EQ(dialogo_error::Mensaje(base::Error(-2147217900, QStringLiteral("x"))),
              QStringLiteral("Ha ocurrido el Siguiente Error (-2147217900) x"));
    EXPECT_EQ(dialogo_error::ParteRutina(QString()), QString());
    EXPECT_EQ(dialogo_error::ParteRutina(QStringLiteral("Cfg")), QStringLiteral(" - Cfg"));
    EXPECT_EQ(dialogo_error::Titulo(e, QStringLiteral("Cfg")), QStringLiteral("Proyecto - Cfg Aviso al operador!!! "));
    EXPECT_EQ(dialogo_error::Titulo(e, QString()), QStringLiteral("Proyecto Aviso al operador!!! "));
    const char* palabras[] = {"", "", "Cancelar", "Abortar", "Reintentar", "Ignorar", "Sí", "No"};
    for (int r = 1; r <= 7; ++r) EXPECT_EQ(dialogo_error::PalabraRespuesta(r), QString::fromUtf8(palabras[r])) << r;
}

TEST(dialogo_error, linea_del_log) {
    const QDateTime m(QDate(2015, 8, 31), QTime(17, 5, 9));
    const base::Error e(3709, QStringLiteral("Cerrada "), QStringLiteral("Proyecto"));
    EXPECT_EQ(dialogo_error::LineaLog(m, QStringLiteral("Cfg"), e, 4),
              QStringLiteral("08-31-2015 17:05:09 Rutina: - Cfg Mensaje Ha ocurrido el Siguiente Error (3709) Cerrada Respondió : Reintentar"));
    EXPECT_EQ(dialogo_error::LineaLog(QDateTime(QDate(2016, 1, 2), QTime(3, 4, 5)), QString(), e, 1),
              QStringLiteral("01-02-2016 03:04:05 Rutina:  Mensaje Ha ocurrido el Siguiente Error (3709) Cerrada Respondió : "));
}

TEST_F(TrataErrorLog, muestra_el_dialogo_y_agrega_la_linea_en_la_carpeta_temporal) {
    ui::OperadorGuionado& op = ui::instalarOperadorGuionado();
    op.respuestas << ui::vbRetry << ui::vbIgnore;
    const base::Error e(-2147217900, QStringLiteral("Sintaxis incorrecta "), QStringLiteral("Microsoft OLE DB Provider"));
    EXPECT_EQ(ZkGeneral().TrataError(e, QString(), QStringLiteral("ActualizarDatos")), 4);
    EXPECT_EQ(ZkGeneral().TrataError(e, QString(), QString()), 5);
    const QList<ui::Llamada> m = op.mensajes();
    ASSERT_EQ(m.size(), 2);
    EXPECT_EQ(m[0].texto, QStringLiteral("Ha ocurrido el Siguiente Error (-2147217900) Sintaxis incorrecta"));
    EXPECT_EQ(m[0].titulo, QStringLiteral("Microsoft OLE DB Provider - ActualizarDatos Aviso al operador!!! "));
    EXPECT_EQ(m[0].estilo, 18);
    EXPECT_EQ(m[1].titulo, QStringLiteral("Microsoft OLE DB Provider Aviso al operador!!! "));
    EXPECT_EQ(log(), (QStringList{
        QStringLiteral("08-31-2015 17:05:09 Rutina: - ActualizarDatos Mensaje Ha ocurrido el Siguiente Error (-2147217900) Sintaxis incorrecta Respondió : Reintentar"),
        QStringLiteral("08-31-2015 17:05:09 Rutina:  Mensaje Ha ocurrido el Siguiente Error (-2147217900) Sintaxis incorrecta Respondió : Ignorar"),
    }));
    QFile f(carpeta.archivo(QStringLiteral("QVERR.LOG")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_TRUE(bytes.endsWith("Ignorar\r\n"));
    EXPECT_TRUE(bytes.contains("Respondi\xF3 : "));   // Windows-1252
}

TEST_F(TrataErrorLog, el_boton_ok_registra_una_respuesta_vacia) {
    ui::instalarOperadorGuionado().respuestaPorDefecto = ui::vbOK;
    EXPECT_EQ(ZkGeneral().TrataError(base::Error(53, QStringLiteral("File not found")), QString(), QStringLiteral("CrearArchivo")), 1);
    ASSERT_EQ(log().size(), 1);
    EXPECT_TRUE(log()[0].endsWith(QStringLiteral("(53) File not found Respondió : "))) << log()[0].toStdString();
}

TEST_F(TrataErrorLog, el_error_cero_no_muestra_ni_escribe) {
    ui::OperadorGuionado& op = ui::instalarOperadorGuionado();
    EXPECT_EQ(ZkGeneral().TrataError(base::Error(0, QStringLiteral("nada")), QString(), QStringLiteral("X")), 0);
    EXPECT_TRUE(op.llamadas.isEmpty());
    EXPECT_FALSE(base::ExisteArchivo(carpeta.archivo(QStringLiteral("QVERR.LOG"))));
}

TEST_F(TrataErrorLog, un_log_que_no_se_puede_escribir_no_cambia_la_respuesta) {
    Variable otra("TMP", (carpeta.ruta() + QStringLiteral("/no/existe")).toUtf8());
    ui::instalarOperadorGuionado().respuestas << ui::vbAbort;
    EXPECT_EQ(ZkGeneral().TrataError(base::Error(5, QStringLiteral("x")), QString(), QStringLiteral("X")), 3);
}

TEST(dialogo_error, sin_temp_el_log_va_a_la_carpeta_temporal_de_la_sesion) {
    const bool habia = qEnvironmentVariableIsSet("TEMP");
    const QByteArray antes = qgetenv("TEMP");
    qunsetenv("TEMP");
    EXPECT_EQ(dialogo_error::RutaLogTemporal(), ZkSesion().CarpetaTemporal() + QStringLiteral("QVERR.LOG"));
    qputenv("TEMP", "");
    EXPECT_EQ(dialogo_error::RutaLogTemporal(), ZkSesion().CarpetaTemporal() + QStringLiteral("QVERR.LOG"));
    if (habia) qputenv("TEMP", antes);
    else qunsetenv("TEMP");
}
