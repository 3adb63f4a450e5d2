// The access record of a program start: the process name, the task query, the
// Control_Acceso row and the batch that writes it in one transaction.
#include <gtest/gtest.h>

#include <QDateTime>
#include "ado/connection.h"
#include "ado/recordset.h"
#include "ado/registro_sentencias.h"
#include "base/entorno.h"
#include "base/reloj.h"
#include "companion/zorvkit.h"
#include "data/global.h"
#include "session/mensaje_errores.h"
#include "session/permisos.h"
#include "session/sesion.h"
#include "tests/common/base_prueba.h"
#include "ui/operador_guionado.h"

// Failures show texts as text.
static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

const QString kCR = QStringLiteral("\r");

QString Consulta(const QString& usuario, const QString& proceso) {
    return QStringLiteral(
               "SELECT TA_TAREAS.USUARIO, TA_MENU.Proceso, TA_MENU.Clave , TA_MENU.Nombre  FROM TA_TAREAS  with(nolock) "
               "INNER JOIN TA_MENU ON TA_TAREAS.TAREA = TA_MENU.Clave  WHERE (TA_TAREAS.USUARIO = '") +
           usuario + QStringLiteral(" ') AND (TA_MENU.Proceso LIKE '%") + proceso + QStringLiteral("%')");
}

// The scripted operator the test program installed for this test.
ui::OperadorGuionado& Guion() { return dynamic_cast<ui::OperadorGuionado&>(ui::operador()); }

QString Maquina() { return ZkSesion().NombreMaquina().trimmed().toUpper(); }

class Permisos : public ::testing::Test {
protected:
    void SetUp() override {
        base::Entorno::FijarNombreEjecutable(QStringLiteral("rmautoimpr"));
        base::Reloj::Fijar(QDateTime(QDate(2015, 3, 5), QTime(14, 7, 9)));
        base_.Ejecutar(QStringLiteral(
            "INSERT INTO TA_MENU (Clave, Proceso, Nombre) VALUES ('REM01', 'RMAUTOIMPR;UTLFISCAL', 'Remitos de autoimpresores');"
            "INSERT INTO TA_TAREAS (USUARIO, TAREA) VALUES ('ana', 'REM01');"
            "INSERT INTO TA_TAREAS (USUARIO, TAREA) VALUES ('o''neill', 'REM01');"));
    }
    void TearDown() override { base::Entorno::FijarNombreEjecutable(QStringLiteral("rmautoimpr")); }

    void Conectar(const QString& usuario, const QString& nombreBase = QStringLiteral("empresa")) {
        DB_Dll& db = DBMain();
        db.OpenServerADODB(false, ado::adUseClient, base_.cadena(), false, false);
        ASSERT_TRUE(db.gOpenFlag);
        db.gUsuario = usuario;
        db.gDBName = nombreBase;
        ado::RegistroSentencias::Iniciar();
    }

    // The Control_Acceso rows as "Maquina|Usuario|Formulario|Tarea|Ingreso|NombreUsuario".
    QStringList Accesos() {
        ado::Connection cn;
        cn.Open(base_.cadena());
        ado::Recordset rs = cn.Execute(QStringLiteral(
            "SELECT Maquina, Usuario, Formulario, Tarea, Ingreso, NombreUsuario FROM Control_Acceso"));
        QStringList filas;
        if (rs.EOF_()) return filas;
        for (const auto& f : rs.GetRows()) {
            QStringList v;
            for (const auto& x : f) v << (x.isNull() ? QStringLiteral("<null>") : x.toString());
            filas << v.join(QLatin1Char('|'));
        }
        return filas;
    }

    bool SeConsulto() {
        for (const QString& s : ado::RegistroSentencias::Sentencias())
            if (s.startsWith(QLatin1String("SELECT TA_TAREAS.USUARIO"))) return true;
        return false;
    }

    prueba::BaseDePrueba base_;
};

// ---- process names ----------------------------------------------------------------

struct CasoProceso {
    const char* nombre;
    const char* proceso;   // as logged in Formulario
    bool consulta;         // the task query is run
};

class NombreDeProceso : public Permisos, public ::testing::WithParamInterface<CasoProceso> {};

TEST_P(NombreDeProceso, se_registra_con_su_proceso) {
    const CasoProceso& c = GetParam();
    Conectar(QStringLiteral("ana"));
    VerificaPermisos(QString::fromUtf8(c.nombre));
    const QStringList filas = Accesos();
    ASSERT_EQ(filas.size(), 1);
    EXPECT_EQ(filas[0].section(QLatin1Char('|'), 2, 2), QString::fromUtf8(c.proceso));
    EXPECT_EQ(SeConsulto(), c.consulta);
}

INSTANTIATE_TEST_SUITE_P(
    Tabla, NombreDeProceso,
    ::testing::Values(CasoProceso{"FS_V_MV_VENTASh", "V_MV_VENTAS", true},
                      CasoProceso{"v_mv_ventaspdv", "V_MV_VENTAS", true},
                      CasoProceso{"V_MV_VENTASPDVGEP", "V_MV_VENTASPDVG", true},
                      CasoProceso{"EM_DBACUM", "CONTROLBASEAP", true},
                      // Mapped before the exempt row is reached, so it is queried.
                      CasoProceso{"UTLFISCALH", "UTLFISCAL", true},
                      CasoProceso{"UtlFiscal", "UTLFISCAL", false},
                      CasoProceso{"QVMAPA", "QVMAPA", false},
                      CasoProceso{"interface_art", "INTERFACE_ART", false},
                      CasoProceso{"OTRO_PROGRAMA", "OTRO_PROGRAMA", true}));

// ---- the task ---------------------------------------------------------------------

struct CasoTarea {
    const char* ejecutable;
    const char* usuario;
    const char* base;
    const char* tarea;
};

class TareaDelAcceso : public Permisos, public ::testing::WithParamInterface<CasoTarea> {};

TEST_P(TareaDelAcceso, tarea_registrada) {
    const CasoTarea& c = GetParam();
    base::Entorno::FijarNombreEjecutable(QString::fromUtf8(c.ejecutable));
    Conectar(QString::fromUtf8(c.usuario), QString::fromUtf8(c.base));
    VerificaPermisos(QString());
    const QStringList filas = Accesos();
    ASSERT_EQ(filas.size(), 1);
    EXPECT_EQ(filas[0].section(QLatin1Char('|'), 3, 3), QString::fromUtf8(c.tarea));
    EXPECT_TRUE(Guion().mensajes().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Reglas, TareaDelAcceso,
    ::testing::Values(
        // The user's task row names the task.
        CasoTarea{"rmautoimpr", "ana", "empresa", "REMITOS DE AUTOIMPRESORES"},
        // No task row: the menu program, the user named like the database, the supervisor.
        CasoTarea{"RO000ZA", "pepe", "empresa", "MENU PRINCIPAL"},
        CasoTarea{"rmautoimpr", "empresa", "EMPRESA", "RMAUTOIMPR"},
        CasoTarea{"rmautoimpr", "supervisor hbjpvmz mc", "empresa", "RMAUTOIMPR"},
        // Anybody else without a task: empty, and the start goes on.
        CasoTarea{"rmautoimpr", "pepe", "empresa", ""}));

// ---- statement texts ---------------------------------------------------------------

TEST_F(Permisos, consulta_registro_y_lote_textuales) {
    Conectar(QStringLiteral("ana"));
    VerificaPermisos(QString());
    EXPECT_EQ(gSesion().gUsuarioLogeado, QStringLiteral("ana"));

    const QString insercion =
        QStringLiteral("INSERT INTO Control_Acceso (Maquina,Usuario,Formulario,Tarea,Ingreso,NombreUsuario) VALUES ('") +
        Maquina() + QStringLiteral("','ANA','RMAUTOIMPR','REMITOS DE AUTOIMPRESORES','05/03/15 14:07','ana')");
    const QStringList esperadas = {
        Consulta(QStringLiteral("ana"), QStringLiteral("rmautoimpr")),
        QStringLiteral("BEGIN TRANSACTION ") + kCR + kCR + kCR + insercion + kCR,
        QStringLiteral("COMMIT TRANSACTION"),
    };
    EXPECT_EQ(ado::RegistroSentencias::Sentencias(), esperadas);
    EXPECT_EQ(Accesos(), QStringList{Maquina() + QStringLiteral("|ANA|RMAUTOIMPR|REMITOS DE AUTOIMPRESORES|05/03/15 14:07|ana")});
}

TEST_F(Permisos, usuario_con_apostrofos_encuentra_su_tarea_y_se_registra_sin_ellos) {
    Conectar(QStringLiteral("o'neill"));
    VerificaPermisos(QString());
    EXPECT_EQ(ado::RegistroSentencias::Sentencias().value(0), Consulta(QStringLiteral("o''neill"), QStringLiteral("rmautoimpr")));
    EXPECT_EQ(Accesos(),
              QStringList{Maquina() + QStringLiteral("|ONEILL|RMAUTOIMPR|REMITOS DE AUTOIMPRESORES|05/03/15 14:07|oneill")});
    EXPECT_EQ(gSesion().gUsuarioLogeado, QStringLiteral("o'neill"));
    EXPECT_TRUE(Guion().mensajes().isEmpty());
}

TEST_F(Permisos, sin_tablas_de_tareas_el_acceso_se_registra_sin_tarea) {
    base_.Ejecutar(QStringLiteral("DROP TABLE TA_TAREAS;"));
    Conectar(QStringLiteral("ana"));
    auto& op = Guion();
    op.respuestaPorDefecto = ui::vbIgnore;
    VerificaPermisos(QString());
    EXPECT_EQ(Accesos(), QStringList{Maquina() + QStringLiteral("|ANA|RMAUTOIMPR||05/03/15 14:07|ana")});
}

// ---- a failing insertion -----------------------------------------------------------

TEST_F(Permisos, insercion_rechazada_se_deshace_se_anota_y_se_avisa) {
    base_.Ejecutar(QStringLiteral(
        "CREATE TRIGGER rechaza BEFORE INSERT ON Control_Acceso BEGIN SELECT RAISE(ABORT, 'acceso rechazado'); END;"));
    Conectar(QStringLiteral("ana"));
    auto& op = Guion();
    VerificaPermisos(QString());

    EXPECT_TRUE(Accesos().isEmpty());
    const QStringList sentencias = ado::RegistroSentencias::Sentencias();
    EXPECT_TRUE(sentencias.contains(QStringLiteral("ROLLBACK TRANSACTION")));
    EXPECT_FALSE(sentencias.contains(QStringLiteral("COMMIT TRANSACTION")));

    const QString aviso = QStringLiteral("547 : acceso rechazado\r\n");
    ASSERT_EQ(op.mensajes().size(), 1);
    EXPECT_EQ(op.mensajes()[0].texto, aviso);
    EXPECT_EQ(op.mensajes()[0].titulo, QStringLiteral("Aviso al Operador!"));
    EXPECT_EQ(op.mensajes()[0].estilo, int(ui::vbCritical));

    ado::Connection cn;
    cn.Open(base_.cadena());
    ado::Recordset rs = cn.Execute(QStringLiteral("SELECT Proceso, Error, Descripcion, SQL FROM AUX_ERR"));
    const auto filas = rs.GetRows();
    ASSERT_EQ(filas.size(), 1u);
    EXPECT_EQ(filas[0][0].toString(), QStringLiteral("rmautoimpr"));
    EXPECT_EQ(filas[0][1].toLong(), 547);
    EXPECT_EQ(filas[0][2].toString(), aviso);
    EXPECT_TRUE(filas[0][3].toString().startsWith(QStringLiteral("BEGIN TRANSACTION ") + kCR + kCR + kCR +
                                                   QStringLiteral("INSERT INTO Control_Acceso")));
}

// ---- the batch runner --------------------------------------------------------------

TEST_F(Permisos, lote_de_elementos_en_blanco_no_envia_nada) {
    Conectar(QStringLiteral("ana"));
    bool hayError = true;
    long codigo = 99;
    QString lote, mensaje;
    GActualizarDatoScript({QString(), QStringLiteral("   "), QString()}, hayError, codigo, false, false, lote, mensaje, true);
    EXPECT_FALSE(hayError);
    EXPECT_EQ(codigo, 0);
    EXPECT_TRUE(lote.isEmpty());
    EXPECT_TRUE(ado::RegistroSentencias::Sentencias().isEmpty());
}

TEST_F(Permisos, lote_de_varias_sentencias_se_confirma_junto) {
    Conectar(QStringLiteral("ana"));
    bool hayError = true;
    long codigo = 99;
    QString lote, mensaje;
    const QString a = QStringLiteral("INSERT INTO TA_MENU (Clave, Proceso, Nombre) VALUES ('A1','X','Uno')");
    const QString b = QStringLiteral("INSERT INTO TA_MENU (Clave, Proceso, Nombre) VALUES ('A2','X','Dos')");
    GActualizarDatoScript({a, QString(), b}, hayError, codigo, false, false, lote, mensaje, true);
    EXPECT_FALSE(hayError);
    EXPECT_EQ(lote, QStringLiteral("BEGIN TRANSACTION ") + kCR + kCR + kCR + a + kCR + b + kCR);
    EXPECT_EQ(ado::RegistroSentencias::Sentencias(), (QStringList{lote, QStringLiteral("COMMIT TRANSACTION")}));
    ado::Connection cn;
    cn.Open(base_.cadena());
    EXPECT_EQ(cn.Execute(QStringLiteral("SELECT COUNT(*) FROM TA_MENU WHERE Proceso = 'X'")).Fields(0).Value().toLong(), 2);
}

// An error left by an earlier operation is not the batch's: the batch is committed.
TEST_F(Permisos, error_anterior_no_deshace_el_lote) {
    Conectar(QStringLiteral("ana"));
    ado::Error viejo;
    viejo.NativeError = 208;
    viejo.Description = QStringLiteral("no such table: X");
    DBMain().gCnn.errors().Add(viejo);
    bool hayError = true;
    long codigo = 0;
    QString lote, mensaje;
    GActualizarDatoScript({QStringLiteral("INSERT INTO TA_MENU (Clave, Proceso, Nombre) VALUES ('A1','X','Uno')")},
                          hayError, codigo, false, false, lote, mensaje, true);
    EXPECT_FALSE(hayError);
    EXPECT_TRUE(ado::RegistroSentencias::Sentencias().contains(QStringLiteral("COMMIT TRANSACTION")));
}

// A failure in the middle undoes the statements before it.
TEST_F(Permisos, clave_duplicada_deshace_todo_el_lote_con_mensaje_corto) {
    Conectar(QStringLiteral("ana"));
    auto& op = Guion();
    bool hayError = false;
    long codigo = 0;
    QString lote, mensaje;
    GActualizarDatoScript({QStringLiteral("INSERT INTO TA_MENU (Clave, Proceso, Nombre) VALUES ('A1','X','Uno')"),
                           QStringLiteral("INSERT INTO TA_MENU (Clave, Proceso, Nombre) VALUES ('REM01','X','Dos')")},
                          hayError, codigo, true, false, lote, mensaje, true);
    EXPECT_TRUE(hayError);
    EXPECT_EQ(codigo, 2627);
    EXPECT_FALSE(mensaje.isEmpty());
    EXPECT_FALSE(mensaje.contains(QStringLiteral("2627 : ")));   // only the description
    EXPECT_TRUE(op.mensajes().isEmpty());                        // and no warning
    ado::Connection cn;
    cn.Open(base_.cadena());
    EXPECT_EQ(cn.Execute(QStringLiteral("SELECT COUNT(*) FROM TA_MENU WHERE Clave = 'A1'")).Fields(0).Value().toLong(), 0);
}

// ---- the message lines -------------------------------------------------------------

TEST(MensajeDeErroresDelLote, una_linea_por_error_menos_el_ultimo) {
    auto error = [](long nativo, const char* texto) {
        ado::Error e;
        e.NativeError = nativo;
        e.Description = QString::fromUtf8(texto);
        return e;
    };
    ado::Errors errores;
    EXPECT_EQ(MensajeDeErrores(errores), QString());
    errores.Add(error(2627, "clave duplicada"));
    EXPECT_EQ(MensajeDeErrores(errores), QStringLiteral("2627 : clave duplicada\r\n"));
    // Two errors: count - 2 = 0, so only the first line.
    errores.Add(error(3621, "se terminó la instrucción"));
    EXPECT_EQ(MensajeDeErrores(errores), QStringLiteral("2627 : clave duplicada\r\n"));
    errores.Add(error(-5, "tercero"));
    EXPECT_EQ(MensajeDeErrores(errores),
              QStringLiteral("2627 : clave duplicada\r\n3621 : se terminó la instrucción\r\n"));
}

}  // namespace
