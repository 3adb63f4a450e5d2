// The remitos information file, written through the main window on a real SQLite
// database: year, month and folder as the user gives them, then the toolbar's save.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <unistd.h>
#include "ado/registro_sentencias.h"
#include "app/frm_rm_auto_impr.h"
#include "base/archivos.h"
#include "companion/zorvkit.h"
#include "session/sesion.h"
#include "tests/common/base_prueba.h"
#include "ui/lista_desplegable.h"
#include "ui/operador_guionado.h"

namespace {

ui::OperadorGuionado& guion() { return static_cast<ui::OperadorGuionado&>(ui::operador()); }

QByteArray leer(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class Remitos : public ::testing::Test {
protected:
    void SetUp() override {
        InstalarFinDelPrograma([](int) {});
        carpeta = base.carpeta() + QStringLiteral("/salida");
        QDir().mkpath(carpeta);
    }
    // Loads the window connected to the test database (the start-up of the program).
    void cargar() {
        gSesion().LineaDeComandos =
            QStringLiteral("@server=sqlite;@dbname=") + base.ruta() + QStringLiteral(";@usuario=ana;@Password=x;");
        v.Form_Load();
        ASSERT_FALSE(gSesion().Terminado);
        guion().llamadas.clear();
    }
    void exportar(const QString& anio, int mes, const QString& destino) {
        v.Campo(QStringLiteral("AÑO"))->setText(anio);
        v.cmbCuatrimestre->setListIndex(mes);
        v.Campo(QStringLiteral("Carpeta"))->setText(destino);
        v.Ferrobar1_ButtonClick(QStringLiteral("GRABAR"));
    }
    QString ultimoMensaje() const {
        const auto m = guion().mensajes();
        return m.isEmpty() ? QString() : m.last().titulo + QStringLiteral(": ") + m.last().texto;
    }

    prueba::BaseDePrueba base{{"remitos.sql"}};
    QString carpeta;
    FrmRmAutoImpr v;
};

TEST_F(Remitos, marzo_una_linea_por_libro_con_el_ultimo_remito_del_periodo) {
    cargar();
    ado::RegistroSentencias::Iniciar();
    exportar(QStringLiteral("2015"), 3, carpeta);
    EXPECT_EQ(ultimoMensaje(), QStringLiteral("Aviso al operador!!!: Se han generado satisfactoriamente los archivos en : ") +
                                   carpeta + QStringLiteral(" "));
    EXPECT_EQ(guion().mensajes().last().estilo, 32);
    // Both books of point of sale 1 get its last number; 26 lies after midnight of the
    // last day and is left out; point of sale 5 has nothing in March.
    EXPECT_EQ(leer(carpeta + QStringLiteral("/REMITOS_MAR_2015.txt")),
              QByteArray("30123456789\r\n03/2015\r\n11111111111111 1 91 25\r\n22222222222222 1 91 25\r\n"));
    const QStringList sentencias = ado::RegistroSentencias::Sentencias();
    EXPECT_TRUE(sentencias.contains(QStringLiteral("SELECT * FROM V_TA_CPTE WHERE CODIGO='RM' AND ObservacionesR<>''")));
    EXPECT_TRUE(sentencias.contains(QStringLiteral(
        "SELECT * FROM V_MV_CPTE WHERE TC='RM' AND SUBSTRING(IDCOMPROBANTE,13,1)='R' AND SUBSTRING(IDCOMPROBANTE,1,4)='0001' "
        "AND  (FECHA >= '01/03/2015' AND FECHA <= '31/03/2015') order by IDCOMPROBANTE DESC")));
    EXPECT_FALSE(ZkAvance().Abierto());
}

TEST_F(Remitos, diciembre_con_anio_con_blanco_final_conserva_el_blanco_en_el_nombre) {
    cargar();
    exportar(QStringLiteral("2014 "), 12, carpeta);
    EXPECT_EQ(leer(carpeta + QStringLiteral("/REMITOS_DIC_2014 .txt")),
              QByteArray("30123456789\r\n12/2014\r\n11111111111111 1 91 10\r\n22222222222222 1 91 10\r\n"));
}

TEST_F(Remitos, un_archivo_existente_se_reemplaza) {
    cargar();
    base::EscribirLinea(carpeta + QStringLiteral("/REMITOS_MAR_2015.txt"), QStringLiteral("viejo"), false);
    exportar(QStringLiteral("2015"), 3, carpeta + QStringLiteral("/"));
    EXPECT_TRUE(leer(carpeta + QStringLiteral("/REMITOS_MAR_2015.txt")).startsWith("30123456789\r\n03/2015\r\n"));
}

TEST_F(Remitos, mes_sin_remitos_avisa_y_no_deja_archivo) {
    cargar();
    exportar(QStringLiteral("2015"), 6, carpeta);
    EXPECT_EQ(ultimoMensaje(), QStringLiteral("Aviso al Operador: No se encontraron registros para procesar!"));
    EXPECT_FALSE(QFile::exists(carpeta + QStringLiteral("/REMITOS_JUN_2015.txt")));
}

struct CasoValidacion {
    const char* anio;
    int mes;         // -1: no month chosen
    const char* carpeta;
    const char* mensaje;
};

class Validaciones : public Remitos, public ::testing::WithParamInterface<CasoValidacion> {};

TEST_P(Validaciones, cada_validacion_avisa_y_no_escribe_nada) {
    cargar();
    const auto& c = GetParam();
    v.Campo(QStringLiteral("AÑO"))->setText(QString::fromUtf8(c.anio));
    if (c.mes >= 0) v.cmbCuatrimestre->setListIndex(c.mes);
    v.Campo(QStringLiteral("AÑO"))->setText(QString::fromUtf8(c.anio));   // typed after the month
    v.Campo(QStringLiteral("Carpeta"))->setText(QString::fromUtf8(c.carpeta).replace(QStringLiteral("<c>"), carpeta));
    guion().llamadas.clear();
    v.Ferrobar1_ButtonClick(QStringLiteral("GRABAR"));
    ASSERT_EQ(guion().mensajes().size(), 1);
    EXPECT_EQ(ultimoMensaje(), QString::fromUtf8(c.mensaje));
    EXPECT_TRUE(QDir(carpeta).entryList(QDir::Files).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Remitos, Validaciones,
    ::testing::Values(
        CasoValidacion{"2015", -1, "<c>", "AVISO AL OPERADOR: Debe seleccionar un cuatrimestre a informar!!! "},
        CasoValidacion{"", 3, "<c>", "AVISO AL OPERADOR: Debe seleccionar el Año del cuatrimestre a informar!!! "},
        CasoValidacion{"1899", 3, "<c>", "AVISO AL OPERADOR: Debe informar un AÑO VALIDO!!! "},
        CasoValidacion{"2015", 0, "<c>", "Aviso al Operador: Seleccione un Mes para continuar"},
        CasoValidacion{"2015", 3, "   ", "Aviso al Operador: Debe seleccionar la carpeta destino!"}),
    [](const ::testing::TestParamInfo<CasoValidacion>& i) { return "caso" + std::to_string(i.index); });

TEST_F(Remitos, sin_cuit_avisa_y_no_escribe_archivo) {
    base.Ejecutar(QStringLiteral("DELETE FROM TA_CONFIGURACION WHERE Clave = 'CUIT';"));
    cargar();
    exportar(QStringLiteral("2015"), 3, carpeta);
    EXPECT_EQ(ultimoMensaje(), QStringLiteral("Aviso al Operador: Debe informar el CUIT en la ocnfiguración general del sistema!"));
    EXPECT_TRUE(QDir(carpeta).entryList(QDir::Files).isEmpty());
    EXPECT_FALSE(ZkAvance().Abierto());
}

TEST_F(Remitos, sin_talonarios_avisa) {
    base.Ejecutar(QStringLiteral("DELETE FROM V_TA_CPTE;"));
    cargar();
    exportar(QStringLiteral("2015"), 3, carpeta);
    EXPECT_EQ(ultimoMensaje(), QStringLiteral("Aviso al Operador: No existe ningún talonario para remitos dado de alta!"));
    EXPECT_FALSE(ZkAvance().Abierto());
}

TEST_F(Remitos, carpeta_inexistente_no_informa_exito_ni_deja_archivo) {
    cargar();
    const QString inexistente = carpeta + QStringLiteral("/no/existe");
    exportar(QStringLiteral("2015"), 3, inexistente);
    EXPECT_EQ(ultimoMensaje(), QStringLiteral("Aviso al Operador: No se pudo grabar el archivo ") + inexistente +
                                   QStringLiteral("/REMITOS_MAR_2015.txt. Verifique que la carpeta exista y que tenga "
                                                  "permiso de escritura."));
    EXPECT_FALSE(QFile::exists(inexistente + QStringLiteral("/REMITOS_MAR_2015.txt")));
    EXPECT_FALSE(ZkAvance().Abierto());
}

TEST_F(Remitos, archivo_de_solo_lectura_no_informa_exito_y_queda_como_estaba) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes read-only files";
    cargar();
    const QString ruta = carpeta + QStringLiteral("/REMITOS_MAR_2015.txt");
    base::EscribirLinea(ruta, QStringLiteral("viejo"), false);
    QFile::setPermissions(ruta, QFileDevice::ReadOwner);
    exportar(QStringLiteral("2015"), 3, carpeta);
    EXPECT_TRUE(ultimoMensaje().startsWith(QStringLiteral("Aviso al Operador: No se pudo grabar el archivo ")));
    EXPECT_EQ(leer(ruta), QByteArray("viejo\r\n"));
}

TEST_F(Remitos, base_sin_tabla_de_talonarios_termina_con_el_dialogo_de_error) {
    base.Ejecutar(QStringLiteral("DROP TABLE V_TA_CPTE;"));
    cargar();
    guion().respuestaPorDefecto = ui::vbAbort;
    exportar(QStringLiteral("2015"), 3, carpeta);
    const auto m = guion().mensajes();
    ASSERT_FALSE(m.isEmpty());
    EXPECT_TRUE(m.last().titulo.endsWith(QStringLiteral(" - ActualizarDatos Aviso al operador!!! ")))
        << m.last().titulo.toStdString();
    EXPECT_TRUE(QDir(carpeta).entryList(QDir::Files).isEmpty());
    EXPECT_FALSE(ZkAvance().Abierto());
}

}  // namespace
