// The start-up from the suite's parameter string on a real SQLite database: the
// connection, the session values, the sign-in dialog when server or user is missing,
// and the end of the program when there is no connection.
#include <gtest/gtest.h>
#include "data/global.h"
#include "session/inicio_sistema.h"
#include "session/lib_clscons3.h"
#include "session/sesion.h"
#include "tests/common/base_prueba.h"
#include "ui/operador_guionado.h"

namespace {

ui::OperadorGuionado& guion() { return static_cast<ui::OperadorGuionado&>(ui::operador()); }

class Arranque : public ::testing::Test {
protected:
    void SetUp() override {
        InstalarFinDelPrograma([this](int codigo) { fin = codigo; });
    }
    void iniciar(const QString& parametros) {
        QString conexion;
        InicioSistema(false, parametros, conexion, 3);
    }
    QString sqlite() const { return QStringLiteral("@server=sqlite;@dbname=") + base.ruta(); }
    prueba::BaseDePrueba base;
    int fin = -1;
};

TEST_F(Arranque, conecta_y_el_usuario_logeado_es_el_de_la_conexion) {
    iniciar(sqlite() + QStringLiteral(";@usuario=ana;@Password=x;@UsuarioLogeado=pepe;@Caja=3"));
    EXPECT_TRUE(DBMain().gOpenFlag);
    EXPECT_EQ(fin, -1);
    EXPECT_EQ(DBMain().gUsuario, QStringLiteral("ana"));
    EXPECT_EQ(gSesion().gUsuarioLogeado, QStringLiteral("ana"));
    EXPECT_EQ(gSesion().gCaja, QStringLiteral("3"));
    EXPECT_EQ(DBMain().gServidor, QStringLiteral("sqlite"));
    EXPECT_EQ(DBMain().gCnn.CommandTimeout(), 360);
    EXPECT_EQ(ClsCons3().gRutaMascaraConsultas, gSesion().CarpetaAplicacion + QStringLiteral("consultas.qvx"));
    EXPECT_TRUE(gSesion().CarpetaAplicacion.endsWith(QLatin1Char('/')));
    EXPECT_TRUE(guion().mensajes().isEmpty());
}

TEST_F(Arranque, el_orden_invertido_da_el_usuario_que_la_suite_espera_evitar) {
    // "@UsuarioLogeado" first: its "@Usuario" is found first, so the user is
    // "Logeadopepe"; the sign-in is not asked (server and user are given).
    guion().respuestaPorDefecto = ui::vbNo;
    iniciar(sqlite() + QStringLiteral(";@UsuarioLogeado=pepe;@usuario=ana;"));
    EXPECT_EQ(DBMain().gUsuario, QStringLiteral("Logeadopepe"));
    EXPECT_TRUE(guion().accesosMostrados.isEmpty());
}

TEST_F(Arranque, sin_usuario_pide_el_acceso_y_usa_lo_ingresado) {
    ui::DatosAcceso datos;
    datos.UserId = QStringLiteral("ana");
    datos.UserPassword = QStringLiteral("x");
    datos.DbName = base.ruta();
    datos.Servidor = QStringLiteral("sqlite");
    guion().accesos.enqueue({true, datos});
    iniciar(sqlite() + QStringLiteral(";"));
    ASSERT_EQ(guion().accesosMostrados.size(), 1);
    EXPECT_EQ(guion().accesosMostrados[0].DbName, base.ruta());
    EXPECT_TRUE(DBMain().gOpenFlag);
    EXPECT_EQ(gSesion().gUsuarioLogeado, QStringLiteral("ana"));
}

TEST_F(Arranque, cancelar_el_acceso_termina_el_programa) {
    iniciar(QString());
    EXPECT_EQ(guion().accesosMostrados.size(), 1);
    EXPECT_FALSE(DBMain().gOpenFlag);
    EXPECT_EQ(fin, 2);
    EXPECT_TRUE(gSesion().Terminado);
}

TEST_F(Arranque, base_inexistente_avisa_y_termina_el_programa) {
    guion().respuestaPorDefecto = ui::vbNo;
    iniciar(QStringLiteral("@server=sqlite;@dbname=") + base.carpeta() + QStringLiteral("/otra.sqlite;@usuario=ana;"));
    ASSERT_FALSE(guion().mensajes().isEmpty());
    EXPECT_EQ(guion().mensajes()[0].titulo, QStringLiteral(" Error de Conexion a Base de Datos"));
    EXPECT_EQ(fin, 2);
}

TEST_F(Arranque, la_linea_de_comandos_se_usa_cuando_no_se_da_cadena) {
    gSesion().LineaDeComandos = sqlite() + QStringLiteral(";@usuario=ana;@Password=x;@Menu=M1");
    iniciar(QString());
    EXPECT_TRUE(DBMain().gOpenFlag);
    EXPECT_EQ(gSesion().gMenu, QStringLiteral("M1"));
}

}  // namespace
