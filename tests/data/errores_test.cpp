// The two error dialogs of the program: ControlErrores (log in the temporary folder,
// opened before the dialog) and TratamientoErrores of DB_Dll (log in gLogErr or the
// program's folder): their titles, messages, styles, answers and log lines.
#include <gtest/gtest.h>
#include "tests/data/impresion.h"
#include <QFile>
#include <QFileInfo>
#include <optional>
#include "base/entorno.h"
#include "base/reloj.h"
#include "data/global.h"
#include "tests/common/carpeta_temporal.h"
#include "ui/operador_guionado.h"

namespace {

ui::OperadorGuionado& operador() { return static_cast<ui::OperadorGuionado&>(ui::operador()); }

// The file's bytes (std::string so that a difference prints as text).
std::string Contenido(const QString& ruta) {
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly)) return "<no existe>";
    return f.readAll().toStdString();
}

// Sets environment variables for one test and puts the previous values back.
class Variables {
public:
    ~Variables() {
        for (auto it = previas_.rbegin(); it != previas_.rend(); ++it) {
            if (it->second) qputenv(it->first.constData(), *it->second);
            else qunsetenv(it->first.constData());
        }
    }
    void Fijar(const char* nombre, const QString& valor) {
        previas_.emplace_back(QByteArray(nombre), qEnvironmentVariableIsSet(nombre) ? std::optional<QByteArray>(qgetenv(nombre))
                                                                                 : std::nullopt);
        qputenv(nombre, valor.toLocal8Bit());
    }

private:
    std::vector<std::pair<QByteArray, std::optional<QByteArray>>> previas_;
};

const QDateTime kMomento(QDate(2015, 8, 31), QTime(17, 5, 9));

// "Respondió" in Windows-1252.
std::string Linea(const char* texto) { return (QByteArray(texto).replace("Respondio", "Respondi\xF3") + "\r\n").toStdString(); }

TEST(TratamientoErrores, titulo_mensaje_estilo_y_linea_del_log_en_gLogErr) {
    prueba::CarpetaTemporal carpeta;
    base::Reloj::Fijar(kMomento);
    base::Entorno::FijarCarpetaPrograma(carpeta.archivo(QStringLiteral("programa")));
    operador().respuestas.enqueue(ui::vbRetry);
    DB_Dll& db = DBMain();
    db.ArchivoErrores(carpeta.archivo(QStringLiteral("errores.log")));
    EXPECT_EQ(db.gLogErr, carpeta.archivo(QStringLiteral("errores.log")));

    const int r = db.TratamientoErrores(base::Error(3709, QStringLiteral("  Conexion perdida  "), QStringLiteral("Proyecto")),
                                        18, QStringLiteral("Cfg"));
    EXPECT_EQ(r, ui::vbRetry);
    ASSERT_EQ(operador().mensajes().size(), 1);
    const ui::Llamada m = operador().mensajes().first();
    EXPECT_EQ(m.texto, QStringLiteral("Ha ocurrido el Siguiente Error (3709) Conexion perdida"));
    EXPECT_EQ(m.titulo, QStringLiteral("Proyecto - Cfg Aviso al operador!!! "));
    EXPECT_EQ(m.estilo, 18);
    EXPECT_EQ(Contenido(carpeta.archivo(QStringLiteral("errores.log"))),
              Linea("08-31-2015 17:05:09 Rutina: - Cfg Mensaje Ha ocurrido el Siguiente Error (3709) Conexion perdida "
                    "Respondio : Reintentar"));
    EXPECT_FALSE(QFileInfo::exists(carpeta.archivo(QStringLiteral("programa/QVERR.LOG"))));
}

TEST(TratamientoErrores, sin_gLogErr_agrega_al_QVERR_de_la_carpeta_del_programa) {
    prueba::CarpetaTemporal carpeta;
    base::Reloj::Fijar(kMomento);
    base::Entorno::FijarCarpetaPrograma(carpeta.ruta());
    operador().respuestas << ui::vbIgnore << ui::vbOK;
    DB_Dll& db = DBMain();
    // No routine name, a negative number; then the OK-only style.
    EXPECT_EQ(db.TratamientoErrores(base::Error(-2147217900, QStringLiteral("Sintaxis"), QStringLiteral("Proyecto"))), ui::vbIgnore);
    EXPECT_EQ(db.TratamientoErrores(base::Error(13, QStringLiteral("No coinciden"), QStringLiteral("Proyecto")), ui::vbOKOnly,
                                    QStringLiteral("X")),
              ui::vbOK);
    EXPECT_EQ(operador().mensajes().value(0).titulo, QStringLiteral("Proyecto Aviso al operador!!! "));
    EXPECT_EQ(operador().mensajes().value(0).texto, QStringLiteral("Ha ocurrido el Siguiente Error (-2147217900) Sintaxis"));
    EXPECT_EQ(operador().mensajes().value(1).estilo, 0);
    EXPECT_EQ(Contenido(carpeta.archivo(QStringLiteral("QVERR.LOG"))),
              Linea("08-31-2015 17:05:09 Rutina:  Mensaje Ha ocurrido el Siguiente Error (-2147217900) Sintaxis Respondio : Ignorar") +
                  Linea("08-31-2015 17:05:09 Rutina: - X Mensaje Ha ocurrido el Siguiente Error (13) No coinciden Respondio : "));
}

TEST(TratamientoErrores, error_cero_no_muestra_ni_escribe_nada) {
    prueba::CarpetaTemporal carpeta;
    base::Entorno::FijarCarpetaPrograma(carpeta.ruta());
    EXPECT_EQ(DBMain().TratamientoErrores(base::Error(0, QStringLiteral("nada"))), 0);
    EXPECT_TRUE(operador().llamadas.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(carpeta.archivo(QStringLiteral("QVERR.LOG"))));
}

TEST(TratamientoErrores, log_que_no_se_puede_escribir_no_impide_la_respuesta) {
    prueba::CarpetaTemporal carpeta;
    operador().respuestas.enqueue(ui::vbAbort);
    DBMain().gLogErr = carpeta.archivo(QStringLiteral("no/existe/errores.log"));
    EXPECT_EQ(DBMain().TratamientoErrores(base::Error(5, QStringLiteral("x"))), ui::vbAbort);
}

TEST(ControlErrores, escribe_en_la_carpeta_de_TMP_cuando_TEMP_tiene_valor) {
    prueba::CarpetaTemporal carpeta;
    Variables v;
    v.Fijar("TEMP", QStringLiteral("cualquiera"));
    v.Fijar("TMP", QStringLiteral("  ") + carpeta.ruta() + QStringLiteral("  "));
    base::Reloj::Fijar(kMomento);
    operador().respuestas.enqueue(ui::vbAbort);
    EXPECT_EQ(ArchivoControlErrores(), carpeta.archivo(QStringLiteral("QVERR.LOG")));

    const int r = ControlErrores(base::Error(3265, QStringLiteral("Elemento no encontrado"), QStringLiteral("RmAutoImpr")), 18,
                                 QStringLiteral("MenuExes"));
    EXPECT_EQ(r, ui::vbAbort);
    EXPECT_EQ(operador().mensajes().value(0).titulo, QStringLiteral("RmAutoImpr - MenuExes Aviso al operador!!! "));
    EXPECT_EQ(operador().mensajes().value(0).estilo, 18);
    EXPECT_EQ(Contenido(carpeta.archivo(QStringLiteral("QVERR.LOG"))),
              Linea("08-31-2015 17:05:09 Rutina: - MenuExes Mensaje Ha ocurrido el Siguiente Error (3265) Elemento no "
                    "encontrado Respondio : Abortar"));
}

TEST(ControlErrores, sin_TEMP_ni_TMP_usa_la_carpeta_temporal_de_la_sesion) {
    prueba::CarpetaTemporal carpeta;
    Variables v;
    v.Fijar("TEMP", QString());
    v.Fijar("TMP", QString());
    v.Fijar("TMPDIR", carpeta.ruta());
    operador().respuestas.enqueue(ui::vbYes);
    EXPECT_EQ(ControlErrores(base::Error(-1, QStringLiteral("x"), QStringLiteral("P")), ui::vbYesNo), ui::vbYes);
    const std::string log = Contenido(carpeta.archivo(QStringLiteral("QVERR.LOG")));
    EXPECT_TRUE(log.ends_with("Rutina:  Mensaje Ha ocurrido el Siguiente Error (-1) x Respondi\xF3 : S\xED\r\n")) << log;
}

TEST(ControlErrores, error_cero_crea_el_log_vacio_y_no_muestra_nada) {
    prueba::CarpetaTemporal carpeta;
    Variables v;
    v.Fijar("TEMP", QStringLiteral("x"));
    v.Fijar("TMP", carpeta.ruta());
    EXPECT_EQ(ControlErrores(base::Error(0, QStringLiteral("nada"))), 0);
    EXPECT_TRUE(operador().llamadas.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(carpeta.archivo(QStringLiteral("QVERR.LOG"))));
    EXPECT_EQ(Contenido(carpeta.archivo(QStringLiteral("QVERR.LOG"))), "");
}

TEST(ControlErrores, log_que_no_se_puede_abrir_no_se_vuelve_una_falla_nueva) {
    prueba::CarpetaTemporal carpeta;
    Variables v;
    v.Fijar("TEMP", QStringLiteral("x"));
    v.Fijar("TMP", carpeta.archivo(QStringLiteral("no/existe")));
    operador().respuestas.enqueue(ui::vbIgnore);
    int r = 0;
    EXPECT_NO_THROW(r = ControlErrores(base::Error(53, QStringLiteral("Archivo no encontrado"))));
    EXPECT_EQ(r, ui::vbIgnore);
    EXPECT_EQ(operador().mensajes().size(), 1);
}

TEST(ControlErrores, manejador_de_pasos_repite_y_sigue_segun_la_respuesta) {
    prueba::CarpetaTemporal carpeta;
    Variables v;
    v.Fijar("TEMP", QStringLiteral("x"));
    v.Fijar("TMP", carpeta.ruta());
    operador().respuestas << ui::vbRetry << ui::vbIgnore;
    int intentos = 0;
    bool ultimo = false;
    const bool completo = base::EjecutarPasos({
        [&] { if (++intentos < 3) throw base::Error(91, QStringLiteral("falla")); },
        [&] { ultimo = true; },
    }, ManejadorControlErrores(QStringLiteral("Prueba")));
    // Retry ran the step again; Ignore went on with the next one.
    EXPECT_EQ(intentos, 2);
    EXPECT_TRUE(ultimo);
    EXPECT_TRUE(completo);
    EXPECT_EQ(operador().mensajes().value(0).titulo, QStringLiteral("RmAutoImpr - Prueba Aviso al operador!!! "));
}

}  // namespace
