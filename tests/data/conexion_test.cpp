// Connections of DB_Dll: the connection strings it builds, the sign-in dialog, the
// administrator check, the failure dialog and its retry, ReintentaConectar and the
// reconnection of AbrirRecordset, and the Access-file form, on real SQLite files.
#include <gtest/gtest.h>
#include "tests/data/impresion.h"
#include "ado/registro_sentencias.h"
#include "base/globales.h"
#include "data/global.h"
#include "tests/common/base_prueba.h"
#include "ui/operador_guionado.h"

namespace {

ui::OperadorGuionado& operador() { return static_cast<ui::OperadorGuionado&>(ui::operador()); }

ui::OperadorGuionado::RespuestaAcceso Acceso(const QString& base, const QString& usuario,
                                             const QString& servidor = QStringLiteral("sqlite"), int plataforma = 0) {
    ui::DatosAcceso d;
    d.DbName = base;
    d.Servidor = servidor;
    d.UserId = usuario;
    d.UserPassword = QStringLiteral("x");
    d.Plataforma = plataforma;
    return {true, d};
}

struct CasoCadena {
    const char* servidor;
    const char* extendido;
    const char* esperada;
};

TEST(CadenaDeConexion, se_arma_desde_las_propiedades_y_el_signo_numeral_marca_oracle) {
    const CasoCadena casos[] = {
        {"SRV", "", "PROVIDER=SQLOLEDB;Server=SRV;Database =EMPRESA;UId=ana;Pwd=cl4ve;"},
        {"SRV", "Connect Timeout=5;", "PROVIDER=SQLOLEDB;Server=SRV;Database =EMPRESA;UId=ana;Pwd=cl4ve;Connect Timeout=5;"},
        {"SRV#", "Connect Timeout=5;", "Provider=OraOLEDB.Oracle.1;Data Source=EMPRESA;User Id=ana;Password=cl4ve;"},
        {"#", "", "Provider=OraOLEDB.Oracle.1;Data Source=EMPRESA;User Id=ana;Password=cl4ve;"},
    };
    for (const auto& c : casos) {
        base::ReiniciarGlobales();
        DB_Dll& db = DBMain();
        db.gServidor = QString::fromLatin1(c.servidor);
        db.gDBName = QStringLiteral("EMPRESA");
        db.gUsuario = QStringLiteral("ana");
        db.gUserPassWord = QStringLiteral("cl4ve");
        db.gExtended = QString::fromLatin1(c.extendido);
        db.gProveedor = QStringLiteral("OraOLEDB.Oracle.1");   // the SQL Server form names SQLOLEDB anyway
        // The sign-in dialog is cancelled: the string is built and nothing is opened.
        db.OpenServerADODB(true, ado::adUseClient, QString(), true, true);
        EXPECT_EQ(db.gConnString, QString::fromLatin1(c.esperada)) << c.servidor;
        EXPECT_FALSE(db.gOpenFlag);
        EXPECT_EQ(db.gCnn.State(), ado::adStateClosed);
    }
}

TEST(CadenaDeConexion, proveedor_vacio_pasa_a_SQLOLEDB_y_la_cadena_dada_se_usa_tal_cual) {
    prueba::BaseDePrueba base;
    DB_Dll& db = DBMain();
    db.OpenServerADODB(false, ado::adUseClient, base.cadena(), false, false);
    EXPECT_EQ(db.gProveedor, QStringLiteral("SQLOLEDB"));
    EXPECT_EQ(db.gConnString, base.cadena());
    EXPECT_TRUE(db.gOpenFlag);
    EXPECT_EQ(db.gCnn.State(), ado::adStateOpen);
    EXPECT_EQ(db.gCnn.CursorLocation(), ado::adUseClient);
}

TEST(CadenaDeConexion, forma_access_con_las_claves_del_llamador) {
    DB_Dll& db = DBMain();
    db.gProveedor = db.pJETOLEDB40();
    db.gDBName = QStringLiteral("C:\\datos\\base.mdb");
    db.gUsuario = QStringLiteral("Admin");
    db.gUserPassWord = QStringLiteral("z");
    db.gExtended = QStringLiteral("Mode=Read;");
    EXPECT_EQ(db.CadenaAccess(QStringLiteral("User ID"), QStringLiteral("Password")),
              QStringLiteral("PROVIDER=Microsoft.Jet.OLEDB.4.0;Data Source =C:\\datos\\base.mdb;User ID=Admin;Password=z;Mode=Read;"));
}

TEST(Acceso, el_dialogo_muestra_los_valores_y_devuelve_los_editados) {
    DB_Dll& db = DBMain();
    db.gServidor = QStringLiteral("SRV");
    db.gDBName = QStringLiteral("EMPRESA");
    db.gUsuario = QStringLiteral("ana");
    db.gUserPassWord = QStringLiteral("x");
    operador().accesos.enqueue(Acceso(QStringLiteral("EMPRESA"), QStringLiteral("pepe"), QStringLiteral("ORA"), 1));
    db.OpenServerADODB(true, ado::adUseClient, QString(), true, false);

    ASSERT_EQ(operador().accesosMostrados.size(), 1);
    const ui::DatosAcceso mostrado = operador().accesosMostrados.first();
    EXPECT_EQ(mostrado.DbName, QStringLiteral("EMPRESA"));
    EXPECT_EQ(mostrado.Servidor, QStringLiteral("SRV"));
    EXPECT_EQ(mostrado.UserId, QStringLiteral("ana"));
    EXPECT_EQ(mostrado.UserPassword, QStringLiteral("x"));
    EXPECT_EQ(mostrado.Plataforma, 0);
    // Platform ORACLE: the mark is appended and the Oracle provider chosen. Oracle
    // cannot be opened here, and without MuestraError that ends silently.
    EXPECT_EQ(db.gServidor, QStringLiteral("ORA#"));
    EXPECT_EQ(db.gProveedor, QStringLiteral("OraOLEDB.Oracle.1"));
    EXPECT_EQ(db.gUsuario, QStringLiteral("pepe"));
    EXPECT_EQ(db.gConnString, QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=EMPRESA;User Id=pepe;Password=x;"));
    EXPECT_FALSE(db.gOpenFlag);
    EXPECT_TRUE(operador().mensajes().isEmpty());
}

TEST(Acceso, llamada_sin_parametros_con_el_dialogo_contestado_conecta_y_valida_al_administrador) {
    prueba::BaseDePrueba base({}, true);
    DB_Dll& db = DBMain();
    db.gProveedor = QStringLiteral("OraOLEDB.Oracle.1");
    operador().accesos.enqueue(Acceso(base.ruta(), QStringLiteral(" ana ")));
    ado::RegistroSentencias::Iniciar();
    db.OpenServerADODB();
    ado::RegistroSentencias::Detener();
    EXPECT_TRUE(db.gOpenFlag);
    EXPECT_EQ(db.gCnn.State(), ado::adStateOpen);
    EXPECT_EQ(db.gProveedor, QStringLiteral("SQLOLEDB"));   // platform index 0
    EXPECT_EQ(db.gConnString, QStringLiteral("PROVIDER=SQLOLEDB;Server=sqlite;Database =") + base.ruta() +
                                  QStringLiteral(";UId= ana ;Pwd=x;"));
    EXPECT_TRUE(db.gEsAdmin);
    EXPECT_EQ(ado::RegistroSentencias::Sentencias(),
              QStringList{QStringLiteral("SELECT TOP 1 * FROM ta_usuarios with(nolock)  WHERE LTRIM(RTRIM(nombre)) ='ana' ")});
}

struct CasoAdmin {
    const char* usuario;
    bool validaAdmin;
    bool muestraError;
    bool esperado;
    bool consulta;   // the Administrador column was read
};

TEST(Acceso, verificacion_de_administrador) {
    const CasoAdmin casos[] = {
        {"ana", true, true, true, true},
        {"pepe", true, true, false, true},
        {"nadie", true, true, false, true},
        {"pepe", false, true, true, false},    // no check: administrator
        {"pepe", true, false, true, false},    // table present, no lookup without MuestraError
    };
    for (const auto& c : casos) {
        base::ReiniciarGlobales();
        ui::instalarOperadorGuionado();
        prueba::BaseDePrueba base({}, true);
        DB_Dll& db = DBMain();
        db.gServidor = QStringLiteral("sqlite");
        db.gDBName = base.ruta();
        db.gUsuario = QString::fromLatin1(c.usuario);
        ado::RegistroSentencias::Iniciar();
        db.OpenServerADODB(false, ado::adUseClient, QString(), c.validaAdmin, c.muestraError);
        ado::RegistroSentencias::Detener();
        EXPECT_TRUE(db.gOpenFlag) << c.usuario;
        EXPECT_EQ(db.gEsAdmin, c.esperado) << c.usuario << " " << c.validaAdmin << c.muestraError;
        EXPECT_EQ(ado::RegistroSentencias::Sentencias().size(), c.consulta ? 1 : 0) << c.usuario;
    }
}

TEST(Acceso, usuario_con_apostrofo_no_rompe_la_consulta_del_administrador) {
    prueba::BaseDePrueba base;
    base.Ejecutar(QStringLiteral("INSERT INTO TA_USUARIOS (Nombre, Administrador) VALUES ('O''Brien', 1);"));
    DB_Dll& db = DBMain();
    db.gServidor = QStringLiteral("sqlite");
    db.gDBName = base.ruta();
    db.gUsuario = QStringLiteral("O'Brien");
    ado::RegistroSentencias::Iniciar();
    db.OpenServerADODB(false, ado::adUseClient, QString(), true, true);
    ado::RegistroSentencias::Detener();
    EXPECT_TRUE(db.gEsAdmin);
    EXPECT_EQ(ado::RegistroSentencias::Sentencias().value(0),
              QStringLiteral("SELECT TOP 1 * FROM ta_usuarios with(nolock)  WHERE LTRIM(RTRIM(nombre)) ='O''Brien' "));
    EXPECT_TRUE(operador().mensajes().isEmpty());
}

TEST(Acceso, cadena_dada_se_reemplaza_por_la_del_dialogo) {
    prueba::BaseDePrueba base;
    DB_Dll& db = DBMain();
    operador().accesos.enqueue(Acceso(base.ruta(), QStringLiteral("ana")));
    db.OpenServerADODB(true, ado::adUseClient, QStringLiteral("PROVIDER=SQLOLEDB;Server=otro;Database =x;"), false, true);
    EXPECT_TRUE(db.gOpenFlag);
    EXPECT_EQ(db.gConnString, base.cadena());
}

TEST(Acceso, cancelar_el_dialogo_no_toca_la_conexion) {
    prueba::BaseDePrueba base;
    DB_Dll& db = DBMain();
    db.gEsAdmin = true;
    operador().accesos.enqueue({false, {}});
    db.OpenServerADODB(true, ado::adUseClient, base.cadena(), false, true);
    EXPECT_FALSE(db.gOpenFlag);
    EXPECT_TRUE(db.gEsAdmin);   // untouched
    EXPECT_EQ(db.gCnn.State(), ado::adStateClosed);
    EXPECT_TRUE(operador().mensajes().isEmpty());
}

// The first error the provider reports when opening `cadena`.
ado::Error PrimerErrorAlAbrir(const QString& cadena) {
    ado::Connection cn;
    try {
        cn.Open(cadena);
    } catch (const base::Error&) {
    }
    return cn.errors().Count() > 0 ? cn.errors().Item(0) : ado::Error{};
}

TEST(FallaDeConexion, dialogo_si_no_y_reintento_con_el_acceso_corregido) {
    prueba::BaseDePrueba base;
    const QString mala = base.carpeta() + QStringLiteral("/no/existe/empresa.sqlite");
    DB_Dll& db = DBMain();
    operador().accesos.enqueue(Acceso(mala, QStringLiteral("ana")));
    operador().accesos.enqueue(Acceso(base.ruta(), QStringLiteral("ana")));
    operador().respuestas.enqueue(ui::vbYes);
    db.OpenServerADODB(true, ado::adUseClient, QString(), false, true);

    EXPECT_TRUE(db.gOpenFlag);
    EXPECT_EQ(db.gCnn.State(), ado::adStateOpen);
    EXPECT_EQ(db.gConnString, base.cadena());
    EXPECT_EQ(db.gCnn.errors().Count(), 0);   // cleared on Yes
    ASSERT_EQ(operador().mensajes().size(), 1);
    const ado::Error e = PrimerErrorAlAbrir(QStringLiteral("PROVIDER=SQLOLEDB;Server=sqlite;Database =") + mala +
                                            QStringLiteral(";UId=ana;Pwd=x;"));
    ASSERT_FALSE(e.Description.isEmpty());
    const QChar cr(13);
    const ui::Llamada m = operador().mensajes().first();
    EXPECT_EQ(m.texto, QStringLiteral(" Estado de Sql: ") + e.SQLState + cr + QStringLiteral("Numero de Error: ") +
                           QString::number(e.Number) + cr + QStringLiteral("Descripcion: ") + e.Description + cr +
                           QStringLiteral("Codigo Nativo: ") + QString::number(e.NativeError) + cr +
                           QStringLiteral(" - Desea Intentarlo Nuevamente??? "));
    EXPECT_EQ(m.titulo, QStringLiteral(" Error de Conexion a Base de Datos"));
    EXPECT_EQ(m.estilo, ui::vbYesNo + ui::vbCritical);
    EXPECT_EQ(operador().accesosMostrados.value(1).DbName, mala);   // the retry shows what was typed
}

TEST(FallaDeConexion, no_o_cancelar_el_reintento_deja_la_conexion_cerrada) {
    for (int respuesta : {ui::vbNo, ui::vbYes}) {
        base::ReiniciarGlobales();
        ui::instalarOperadorGuionado();
        prueba::BaseDePrueba base;
        DB_Dll& db = DBMain();
        db.gServidor = QStringLiteral("sqlite");
        db.gDBName = base.carpeta() + QStringLiteral("/no/existe/empresa.sqlite");
        operador().respuestas.enqueue(respuesta);   // Yes, then the sign-in is cancelled
        db.OpenServerADODB(false, ado::adUseClient, QString(), false, true);
        EXPECT_FALSE(db.gOpenFlag) << respuesta;
        EXPECT_EQ(db.gCnn.State(), ado::adStateClosed);
        EXPECT_EQ(operador().mensajes().size(), 1);
        EXPECT_EQ(operador().accesosMostrados.size(), respuesta == ui::vbYes ? 1 : 0);
    }
}

TEST(FallaDeConexion, sin_MuestraError_falla_en_silencio_y_una_conexion_abierta_se_reabre) {
    prueba::BaseDePrueba base;
    DB_Dll& db = DBMain();
    db.gServidor = QStringLiteral("sqlite");
    db.gDBName = base.carpeta() + QStringLiteral("/no/existe/empresa.sqlite");
    db.OpenServerADODB(false, ado::adUseClient, QString(), true, false);
    EXPECT_FALSE(db.gOpenFlag);
    EXPECT_TRUE(operador().llamadas.isEmpty());

    // Already open (3705): closed once and opened again.
    db.OpenServerADODB(false, ado::adUseClient, base.cadena(), false, false);
    ASSERT_TRUE(db.gOpenFlag);
    db.OpenServerADODB(false, ado::adUseClient, base.cadena(), false, false);
    EXPECT_TRUE(db.gOpenFlag);
    EXPECT_EQ(db.gCnn.State(), ado::adStateOpen);
    EXPECT_TRUE(operador().llamadas.isEmpty());
}

TEST(FallaDeConexion, conexion_ya_abierta_se_reabre_y_una_base_ajena_va_al_dialogo) {
    prueba::BaseDePrueba base;
    DB_Dll& db = DBMain();
    db.gCnn.Open(base.cadena());
    // Already open with MuestraError: the 3705 rule closes it and repeats the open.
    db.OpenServerADODB(false, ado::adUseClient, base.cadena(), false, true);
    EXPECT_TRUE(db.gOpenFlag);
    EXPECT_TRUE(operador().mensajes().isEmpty());

    // A default database that is not the connection's own is a provider failure: the
    // Yes/No dialog, answered with something else than Yes, leaves the flag false.
    DB_Dll& otra = DBEstadisticas();
    otra.gDBName = QStringLiteral("OTRA_BASE");
    otra.OpenServerADODB(false, ado::adUseClient, base.cadena(), true, true);
    EXPECT_FALSE(otra.gOpenFlag);
    ASSERT_EQ(operador().mensajes().size(), 1);
    EXPECT_EQ(operador().mensajes().first().titulo, QStringLiteral(" Error de Conexion a Base de Datos"));
    EXPECT_TRUE(operador().mensajes().first().texto.contains(QStringLiteral("OTRA_BASE")));
}

TEST(ReintentaConectar, reabre_con_su_propia_cadena_y_deja_el_plazo_en_5) {
    prueba::BaseDePrueba base;
    DB_Dll& db = DBMain();
    db.OpenServerADODB(false, ado::adUseClient, base.cadena(), false, false);
    db.gCnn.setCommandTimeout(360);
    db.ReintentaConectar();
    EXPECT_TRUE(db.gOpenFlag);
    EXPECT_EQ(db.gCnn.State(), ado::adStateOpen);
    EXPECT_EQ(db.gCnn.CommandTimeout(), 5);
    // Closed beforehand: the close failure (3704) is skipped.
    db.gCnn.Close();
    db.ReintentaConectar();
    EXPECT_TRUE(db.gOpenFlag);
    EXPECT_EQ(db.gCnn.State(), ado::adStateOpen);
    EXPECT_TRUE(operador().mensajes().isEmpty());
}

TEST(ReintentaConectar, falla_no_especificada_termina_en_silencio_con_el_indicador_apagado) {
    prueba::BaseDePrueba base;
    DB_Dll& db = DBMain();
    db.OpenServerADODB(false, ado::adUseClient, base.cadena(), false, false);
    db.gCnn.Close();
    db.gCnn.setConnectionString(QStringLiteral("PROVIDER=SQLOLEDB;Server=sqlite;Database =") + base.carpeta() +
                                QStringLiteral("/no/existe/x.sqlite;"));
    db.ReintentaConectar();
    EXPECT_FALSE(db.gOpenFlag);
    EXPECT_EQ(db.gCnn.State(), ado::adStateClosed);
    EXPECT_TRUE(operador().mensajes().isEmpty());
}

TEST(Reconexion, conexion_perdida_se_reabre_y_la_consulta_se_repite) {
    prueba::BaseDePrueba base({}, true);
    DB_Dll& db = DBMain();
    db.OpenServerADODB(false, ado::adUseClient, base.cadena(), false, false);
    // The link drops: a failure reported by the provider, then the connection closes.
    try {
        db.gCnn.Execute(QStringLiteral("SELECT * FROM TABLA_QUE_NO_EXISTE"));
    } catch (const base::Error&) {
    }
    ASSERT_GT(db.gCnn.errors().Count(), 0);
    db.gCnn.Close();

    ado::Recordset rs;
    QString sql = QStringLiteral("SELECT nombre FROM @Admin_ta_usuarios with(nolock) ORDER BY nombre");
    db.AbrirRecordset(sql, rs);
    EXPECT_TRUE(db.gOpenFlag);
    ASSERT_EQ(rs.State(), ado::adStateOpen);
    EXPECT_EQ(rs.Fields(QStringLiteral("nombre")).Value().toString(), QStringLiteral("ana"));
    EXPECT_EQ(sql, QStringLiteral("SELECT nombre FROM ta_usuarios with(nolock) ORDER BY nombre"));
    EXPECT_EQ(db.gCnn.CommandTimeout(), 5);
    EXPECT_TRUE(operador().mensajes().isEmpty());
}

TEST(Reconexion, consulta_que_sigue_fallando_se_repite_tres_veces_y_luego_pregunta) {
    prueba::BaseDePrueba base({}, true);
    DB_Dll& db = DBMain();
    db.gLogErr = base.carpeta() + QStringLiteral("/errores.log");
    db.OpenServerADODB(false, ado::adUseClient, base.cadena(), false, false);
    try {
        db.gCnn.Execute(QStringLiteral("SELECT * FROM TABLA_QUE_NO_EXISTE"));
    } catch (const base::Error&) {
    }
    // The statement goes to another connection that stays closed: every reconnection of
    // the own connection succeeds and the statement fails again.
    ado::Connection cerrada;
    ado::Recordset rs;
    operador().respuestas.enqueue(ui::vbAbort);
    db.AbrirRecordset(QStringLiteral("SELECT * FROM ta_usuarios"), rs, &cerrada);
    EXPECT_EQ(rs.State(), ado::adStateClosed);
    ASSERT_EQ(operador().mensajes().size(), 1);
    EXPECT_EQ(operador().mensajes().first().texto.left(36), QStringLiteral("Ha ocurrido el Siguiente Error (3709"));
    EXPECT_TRUE(operador().mensajes().first().titulo.endsWith(QStringLiteral(" - AbrirRecordset Aviso al operador!!! ")));
}

TEST(Reconexion, otra_falla_va_directo_al_dialogo_y_reintentar_repite) {
    prueba::BaseDePrueba base;
    DB_Dll& db = DBMain();
    db.gLogErr = base.carpeta() + QStringLiteral("/errores.log");
    db.OpenServerADODB(false, ado::adUseClient, base.cadena(), false, false);
    operador().respuestas << ui::vbRetry << ui::vbAbort;
    ado::Recordset rs;
    ado::RegistroSentencias::Iniciar();
    db.AbrirRecordset(QStringLiteral("SELECT * FROM NO_EXISTE"), rs);
    ado::RegistroSentencias::Detener();
    EXPECT_EQ(operador().mensajes().size(), 2);
    EXPECT_EQ(ado::RegistroSentencias::Sentencias(),
              (QStringList{QStringLiteral("SELECT * FROM NO_EXISTE"), QStringLiteral("SELECT * FROM NO_EXISTE")}));
    EXPECT_EQ(rs.State(), ado::adStateClosed);
}

TEST(AccesoLocal, sin_archivo_pide_uno_y_cancelar_no_conecta) {
    DB_Dll& db = DBMain();
    db.gProveedor = db.pJETOLEDB40();
    db.OpenLocalADODB(QString(), QStringLiteral("User ID"), QStringLiteral("Password"));
    ASSERT_EQ(operador().llamadas.size(), 1);
    EXPECT_EQ(operador().llamadas.first().tipo, QStringLiteral("ElegirArchivo"));
    EXPECT_EQ(operador().llamadas.first().titulo, QStringLiteral("Buscar Base de Datos"));
    EXPECT_EQ(operador().llamadas.first().texto, QStringLiteral("Base de Datos de Microsoft Access |*.MDB"));
    EXPECT_EQ(db.gCnn.State(), ado::adStateClosed);
    EXPECT_TRUE(db.gConnString.isEmpty());
}

TEST(AccesoLocal, archivo_elegido_se_abre_con_la_forma_access) {
    prueba::BaseDePrueba base;
    DB_Dll& db = DBMain();
    db.gProveedor = db.pJETOLEDB40();
    db.gUsuario = QStringLiteral("Admin");
    operador().textos.enqueue(base.ruta());
    db.OpenLocalADODB(QString(), QStringLiteral("User ID"), QStringLiteral("Password"));
    EXPECT_EQ(db.gDBName, base.ruta());
    EXPECT_EQ(db.gCnn.State(), ado::adStateOpen);
    EXPECT_EQ(db.gConnString, QStringLiteral("PROVIDER=Microsoft.Jet.OLEDB.4.0;Data Source =") + base.ruta() +
                                  QStringLiteral(";User ID=Admin;Password=;"));
}

}  // namespace
