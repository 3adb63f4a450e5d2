// Queries of DB_Dll on a real SQLite company database: the exact texts of DatosTabla,
// ExisteEnTabla, ExisteEnTablaST and BuscaMaximo (with the V_MA_ARTICULOS rule), the
// "@Admin_" rewriting of EjecutaConsultaSQL and its failure rules, the Oracle route
// (translation opened but not stored back; the batch runner), schema inspection,
// AddField and GrabaAuxErr.
#include <gtest/gtest.h>
#include "tests/data/impresion.h"
#include "ado/registro_sentencias.h"
#include "base/entorno.h"
#include "base/reloj.h"
#include "data/global.h"
#include "tests/common/base_prueba.h"
#include "ui/operador_guionado.h"

// Reaches the class's private batch runner.
struct AccesoPruebaDB_Dll {
    static void EjecutaLoteOracle(DB_Dll& db, QString& lote, long& registros) { db.EjecutaLoteOracle(lote, registros); }
    static QString DescartaSentencia(DB_Dll& db, QString& s) { return db.DescartaSentencia(s); }
};

namespace {

ui::OperadorGuionado& operador() { return static_cast<ui::OperadorGuionado&>(ui::operador()); }

class Consultas : public ::testing::Test {
protected:
    Consultas() : base({}, true) {
        base.Ejecutar(QStringLiteral(
            "CREATE TABLE PRUEBA (id INTEGER, nombre VARCHAR(50) COLLATE CI, activo INTEGER);"
            "INSERT INTO PRUEBA VALUES (12, 'O''Brien', 1);"
            "INSERT INTO PRUEBA VALUES (5, '  juan  ', 0);"
            "INSERT INTO PRUEBA VALUES (7, 'ana', 1);"
            "CREATE TABLE VACIA (id INTEGER);"));
        db().gLogErr = base.carpeta() + QStringLiteral("/errores.log");
        db().OpenServerADODB(false, ado::adUseClient, base.cadena(), false, false);
        EXPECT_TRUE(db().gOpenFlag);
        ado::RegistroSentencias::Iniciar();
    }
    ~Consultas() override { ado::RegistroSentencias::Detener(); }

    DB_Dll& db() { return DBMain(); }
    // A company database whose file name holds "oracle": its connection string takes
    // the Oracle route while the embedded provider runs it.
    QString BaseOracle(const QString& nombre, const QString& sql = QString()) {
        const QString archivo = base.carpeta() + QLatin1Char('/') + nombre;
        esquema::CrearBase(archivo, false);
        if (!sql.isEmpty()) ado::sqlite::EjecutarGuion(archivo, sql);
        return archivo;
    }
    QStringList enviadas() const { return ado::RegistroSentencias::Sentencias(); }
    // One column of one row, read directly.
    base::Variant Leer(const QString& sql) {
        ado::Recordset rs = db().gCnn.Execute(sql);
        return rs.EOF_() ? base::Variant() : rs.Fields(0).Value();
    }

    prueba::BaseDePrueba base;
};

struct CasoDatos {
    const char* valor;
    const char* campo;
    base::Variant tipo;
    const char* condicion;
    bool usaTrim;
    const char* sql;
    const char* resultado;
};

TEST_F(Consultas, DatosTabla_texto_exacto_y_valor_por_tipo) {
    const CasoDatos casos[] = {
        {"ana", "nombre", 8, "", true, "SELECT TOP 1 * FROM PRUEBA with(nolock)  WHERE LTRIM(RTRIM(nombre)) ='ana' ", "7"},
        {" juan ", "nombre", 8, "", true, "SELECT TOP 1 * FROM PRUEBA with(nolock)  WHERE LTRIM(RTRIM(nombre)) ='juan' ", "5"},
        {"O'Brien", "nombre", 8, "", false, "SELECT TOP 1 * FROM PRUEBA with(nolock)  WHERE nombre ='O''Brien' ", "12"},
        {"nadie", "nombre", 8, "", true, "SELECT TOP 1 * FROM PRUEBA with(nolock)  WHERE LTRIM(RTRIM(nombre)) ='nadie' ", ""},
        {"12abc", "id", 3, "activo=1", true, "SELECT TOP 1 * FROM PRUEBA with(nolock)  WHERE id = 12 AND activo=1", "12"},
        {"12abc", "id", QStringLiteral("5"), "activo=0", true, "SELECT TOP 1 * FROM PRUEBA with(nolock)  WHERE id = 12 AND activo=0", ""},
        {"abc", "id", 4, "", true, "SELECT TOP 1 * FROM PRUEBA with(nolock)  WHERE id = 0", ""},
        {"5", "id", base::Variant(), "", true, "SELECT TOP 1 * FROM PRUEBA with(nolock)  WHERE id = 5", "5"},
    };
    for (const auto& c : casos) {
        ado::RegistroSentencias::Iniciar();
        const base::Variant r = db().DatosTabla(QStringLiteral("PRUEBA"), QString::fromLatin1(c.valor), QStringLiteral("id"),
                                                QString::fromLatin1(c.campo), c.tipo, QString::fromLatin1(c.condicion),
                                                c.usaTrim, false);
        EXPECT_EQ(enviadas().value(0), QString::fromLatin1(c.sql)) << c.valor;
        EXPECT_EQ(r.type(), base::Variant::Type::String) << c.valor;
        EXPECT_EQ(r.toString(), QString::fromLatin1(c.resultado)) << c.valor;
    }
    EXPECT_TRUE(operador().mensajes().isEmpty());
}

TEST_F(Consultas, DatosTabla_del_administrador_en_ta_usuarios) {
    const base::Variant r = db().DatosTabla(QStringLiteral("ta_usuarios"), QStringLiteral("ana"), QStringLiteral("Administrador"),
                                            QStringLiteral("nombre"), 8, QString(), true, false);
    EXPECT_EQ(enviadas(), QStringList{QStringLiteral("SELECT TOP 1 * FROM ta_usuarios with(nolock)  WHERE LTRIM(RTRIM(nombre)) ='ana' ")});
    EXPECT_EQ(r.toString(), QStringLiteral("1"));
}

TEST_F(Consultas, DatosTabla_sin_conexion_abierta_no_devuelve_nada) {
    db().gOpenFlag = false;
    const base::Variant r = db().DatosTabla(QStringLiteral("PRUEBA"), QStringLiteral("ana"), QStringLiteral("id"),
                                            QStringLiteral("nombre"), 8, QString(), true, false);
    EXPECT_TRUE(r.isEmpty());
}

TEST_F(Consultas, DatosTabla_tabla_desconocida_llega_a_los_dialogos) {
    // AbrirRecordset reports the failure (OK leaves it); reading the closed recordset is
    // then DatosTabla's own failure: Abort, Retry, Ignore titled "Aviso al Operador".
    operador().respuestas << ui::vbOK << ui::vbAbort;
    const base::Variant r = db().DatosTabla(QStringLiteral("NO_EXISTE"), QStringLiteral("1"), QStringLiteral("id"),
                                            QStringLiteral("id"), 3, QString(), true, false);
    EXPECT_TRUE(r.isEmpty());
    const auto m = operador().mensajes();
    ASSERT_EQ(m.size(), 2);
    EXPECT_TRUE(m[0].titulo.endsWith(QStringLiteral(" - AbrirRecordset Aviso al operador!!! ")));
    EXPECT_TRUE(m[0].texto.startsWith(QStringLiteral("Ha ocurrido el Siguiente Error (-2147217865) ")));
    EXPECT_EQ(m[1].titulo, QStringLiteral("Aviso al Operador"));
    EXPECT_EQ(m[1].estilo, ui::vbAbortRetryIgnore + ui::vbCritical);

    // Ignoring errors: the first failure of DatosTabla itself returns empty text.
    operador().respuestas << ui::vbOK;
    const base::Variant ignorado = db().DatosTabla(QStringLiteral("NO_EXISTE"), QStringLiteral("1"), QStringLiteral("id"),
                                                   QStringLiteral("id"), 3, QString(), true, true);
    EXPECT_EQ(ignorado.type(), base::Variant::Type::String);
    EXPECT_EQ(ignorado.toString(), QString());
    EXPECT_EQ(operador().mensajes().size(), 3);
}

struct CasoExiste {
    const char* valor;
    base::Variant tipo;
    const char* condicion;
    const char* sql;
    bool existe;
};

TEST_F(Consultas, ExisteEnTabla_textos_exactos_y_resultado) {
    const CasoExiste casos[] = {
        {" ana ", 8, "", "SELECT TOP 1  * FROM PRUEBA with(nolock)  WHERE LTRIM(RTRIM(nombre)) ='ana'", true},
        {"O'Brien", 8, "", "SELECT TOP 1  * FROM PRUEBA with(nolock)  WHERE LTRIM(RTRIM(nombre)) ='O''Brien'", true},
        {"pepe", 8, "", "SELECT TOP 1  * FROM PRUEBA with(nolock)  WHERE LTRIM(RTRIM(nombre)) ='pepe'", false},
        {"7x", 3, "", "SELECT TOP 1 * FROM PRUEBA with(nolock)  WHERE nombre = 7", false},
        {"7", base::Variant(), "", "SELECT TOP 1 * FROM PRUEBA with(nolock)  WHERE nombre = 7", false},
        {"x", 8, "activo=0", "SELECT TOP 1 * FROM PRUEBA with(nolock)  WHERE activo=0", true},
        {"x", 8, "p2 WHERE p2.activo=9", "SELECT TOP 1 * FROM PRUEBA with(nolock)  p2 WHERE p2.activo=9", false},
    };
    for (const auto& c : casos) {
        ado::RegistroSentencias::Iniciar();
        const bool r = db().ExisteEnTabla(QStringLiteral("PRUEBA"), QString::fromLatin1(c.valor), QStringLiteral("nombre"),
                                          nullptr, c.tipo, QString::fromLatin1(c.condicion), true);
        EXPECT_EQ(enviadas().value(0), QString::fromLatin1(c.sql)) << c.valor;
        EXPECT_EQ(r, c.existe) << c.valor;
    }
    EXPECT_TRUE(operador().mensajes().isEmpty());
}

TEST_F(Consultas, ExisteEnTabla_con_recordset_lo_deja_en_la_fila_encontrada) {
    ado::Recordset rs;
    EXPECT_TRUE(db().ExisteEnTabla(QStringLiteral("PRUEBA"), QStringLiteral("12"), QStringLiteral("id"), &rs, 3));
    ASSERT_EQ(rs.State(), ado::adStateOpen);
    EXPECT_EQ(rs.Fields(QStringLiteral("nombre")).Value().toString(), QStringLiteral("O'Brien"));
    // Opened again (closed first) for the next question.
    EXPECT_FALSE(db().ExisteEnTabla(QStringLiteral("PRUEBA"), QStringLiteral("99"), QStringLiteral("id"), &rs, 3));
    EXPECT_EQ(rs.State(), ado::adStateOpen);
    EXPECT_TRUE(rs.EOF_());
}

TEST_F(Consultas, ExisteEnTabla_pasa_por_los_sinonimos_y_la_falla_pregunta) {
    db().gEsAdmin = false;
    EXPECT_FALSE(db().ExisteEnTabla(QStringLiteral("MA_CUENTAS"), QStringLiteral("1.1"), QStringLiteral("CODIGO"), nullptr, 8));
    EXPECT_EQ(enviadas().value(0),
              QStringLiteral("SELECT TOP 1  * FROM SS_MA_CUENTAS with(nolock)  WHERE LTRIM(RTRIM(CODIGO)) ='1.1'"));

    operador().respuestas << ui::vbRetry << ui::vbAbort;
    ado::RegistroSentencias::Iniciar();
    EXPECT_FALSE(db().ExisteEnTabla(QStringLiteral("NO_EXISTE"), QStringLiteral("1"), QStringLiteral("id"), nullptr, 3));
    EXPECT_EQ(enviadas().size(), 2);   // retried once, then abandoned
    ASSERT_EQ(operador().mensajes().size(), 2);
    EXPECT_EQ(operador().mensajes()[0].titulo, QStringLiteral("Aviso al Operador"));
    EXPECT_TRUE(operador().mensajes()[0].texto.contains(QStringLiteral("NO_EXISTE")));
}

TEST_F(Consultas, ExisteEnTablaST_textos_sin_recorte_ni_sinonimos) {
    db().gEsAdmin = false;
    const CasoExiste casos[] = {
        {"ana", 8, "", "SELECT * FROM PRUEBA with(nolock)   WHERE nombre ='ana'", true},
        {"O'Brien", 8, "", "SELECT * FROM PRUEBA with(nolock)   WHERE nombre ='O''Brien'", true},
        {"12", 3, "", "SELECT * FROM PRUEBA with(nolock)   WHERE nombre = 12", false},
        {"x", 8, "activo=1", "SELECT * FROM PRUEBA with(nolock)   WHERE activo=1", true},
        {"x", 8, "p WHERE p.id=5", "SELECT * FROM PRUEBA with(nolock)   p WHERE p.id=5", true},
    };
    for (const auto& c : casos) {
        ado::RegistroSentencias::Iniciar();
        const bool r = db().ExisteEnTablaST(QStringLiteral("PRUEBA"), QString::fromLatin1(c.valor), QStringLiteral("nombre"),
                                            nullptr, c.tipo, QString::fromLatin1(c.condicion), true);
        EXPECT_EQ(enviadas().value(0), QString::fromLatin1(c.sql)) << c.valor;
        EXPECT_EQ(r, c.existe) << c.valor;
    }
    ado::RegistroSentencias::Iniciar();
    db().ExisteEnTablaST(QStringLiteral("MA_CUENTAS"), QStringLiteral("1"), QStringLiteral("CODIGO"), nullptr, 8);
    EXPECT_EQ(enviadas().value(0), QStringLiteral("SELECT * FROM MA_CUENTAS with(nolock)   WHERE CODIGO ='1'"));
}

TEST_F(Consultas, BuscaMaximo_texto_resultado_y_tabla_vacia) {
    const base::Variant mayor = db().BuscaMaximo(QStringLiteral("PRUEBA"), QStringLiteral("id"), base::Variant(),
                                                 QStringLiteral(" activo=1 "));
    EXPECT_EQ(enviadas(), QStringList{QStringLiteral("SELECT MAX(id) AS MAYOR FROM PRUEBA WHERE activo=1")});
    EXPECT_EQ(mayor.type(), base::Variant::Type::Double);
    EXPECT_EQ(mayor.toDouble(), 12.0);

    EXPECT_EQ(db().BuscaMaximo(QStringLiteral("PRUEBA"), QStringLiteral("nombre"), 7).toString(), QStringLiteral("O'Brien"));
    EXPECT_TRUE(db().BuscaMaximo(QStringLiteral("VACIA"), QStringLiteral("id")).isEmpty());
    // A blank condition is no condition.
    ado::RegistroSentencias::Iniciar();
    EXPECT_EQ(db().BuscaMaximo(QStringLiteral("PRUEBA"), QStringLiteral("id"), base::Variant(), QStringLiteral("  ")).toDouble(), 12.0);
    EXPECT_EQ(enviadas(), QStringList{QStringLiteral("SELECT MAX(id) AS MAYOR FROM PRUEBA")});
}

TEST_F(Consultas, BuscaMaximo_de_articulos_deja_afuera_los_codigos_que_empiezan_con_cero) {
    const auto codigo = [](const char* c) { return QString::fromLatin1(c).rightJustified(25, QLatin1Char(' ')); };
    base.Ejecutar(QStringLiteral("INSERT INTO V_MA_ARTICULOS (IDARTICULO, Descripcion) VALUES ('%1','a'),('%2','b'),('%3','c');")
                      .arg(QStringLiteral("0999"), codigo("120"), codigo("77")));
    EXPECT_EQ(db().BuscaMaximo(QStringLiteral("V_MA_ARTICULOS"), QStringLiteral("idarticulo")).toDouble(), 120.0);
    EXPECT_EQ(enviadas(), (QStringList{QStringLiteral("SELECT MAX(idarticulo) AS MAYOR FROM V_MA_ARTICULOS"),
                                       QStringLiteral("SELECT MAX(idarticulo) AS MAYOR FROM V_MA_ARTICULOS WHERE "
                                                      "substring(ltrim(idarticulo),1,1)<>'0'")}));

    ado::RegistroSentencias::Iniciar();
    EXPECT_EQ(db().BuscaMaximo(QStringLiteral("v_ma_articulos"), QStringLiteral("idarticulo"), base::Variant(),
                               QStringLiteral("Descripcion <> 'b'"))
                  .toDouble(),
              77.0);
    EXPECT_EQ(enviadas().value(1), QStringLiteral("SELECT MAX(idarticulo) AS MAYOR FROM v_ma_articulos WHERE Descripcion <> 'b' "
                                                  "and substring(ltrim(idarticulo),1,1)<>'0'"));
}

TEST_F(Consultas, BuscaMinimo_y_BuscaUltimoCodigo) {
    EXPECT_EQ(db().BuscaMinimo(QStringLiteral("PRUEBA"), QStringLiteral("id"), base::Variant(), QStringLiteral("activo=1")).toDouble(), 7.0);
    EXPECT_TRUE(db().BuscaMinimo(QStringLiteral("VACIA"), QStringLiteral("id")).isEmpty());
    EXPECT_EQ(db().BuscaUltimoCodigo(QStringLiteral("PRUEBA"), QStringLiteral("id"), base::Variant(), QStringLiteral("activo=0")).toDouble(), 5.0);
    EXPECT_EQ(enviadas(), (QStringList{QStringLiteral("SELECT MIN(id) AS MENOR FROM PRUEBA  with(nolock)  WHERE activo=1"),
                                       QStringLiteral("SELECT MIN(id) AS MENOR FROM VACIA  with(nolock) "),
                                       QStringLiteral("SELECT MAX(id) AS MAYOR FROM PRUEBA WHERE activo=0")}));
}

TEST_F(Consultas, EjecutaConsultaSQL_quita_Admin_y_devuelve_el_texto_reescrito) {
    QString sql = QStringLiteral("DELETE FROM @Admin_PRUEBA WHERE id=5");
    long registros = 0;
    db().EjecutaConsultaSQL(sql, registros);
    EXPECT_EQ(sql, QStringLiteral("DELETE FROM PRUEBA WHERE id=5"));
    EXPECT_EQ(enviadas(), QStringList{QStringLiteral("DELETE FROM PRUEBA WHERE id=5")});
    EXPECT_EQ(registros, 1);
    EXPECT_EQ(Leer(QStringLiteral("SELECT COUNT(*) FROM PRUEBA")).toLong(), 2);

    ado::Recordset rs;
    db().EjecutaConsultaSQL(QStringLiteral("SELECT nombre FROM @ADMIN_PRUEBA WHERE id=7"), &rs);
    ASSERT_EQ(rs.State(), ado::adStateOpen);
    EXPECT_EQ(rs.Fields(0).Value().toString(), QStringLiteral("ana"));
}

TEST_F(Consultas, EjecutaConsultaSQL_con_DROP_y_CREATE_aplica_los_sinonimos) {
    db().gEsAdmin = false;
    QString sql = QStringLiteral("DROP VIEW V1 CREATE VIEW V1 AS SELECT * FROM MA_CUENTAS WHERE 1=1");
    long registros = 0;
    db().EjecutaConsultaSQL(sql, registros);
    EXPECT_EQ(sql, QStringLiteral("DROP VIEW V1 CREATE VIEW V1 AS SELECT * FROM SS_MA_CUENTAS WHERE 1=1"));
    QString conDelete = QStringLiteral("DROP TABLE X CREATE TABLE X (a int) DELETE FROM MA_CUENTAS ");
    db().EjecutaConsultaSQL(conDelete, registros);
    EXPECT_EQ(conDelete, QStringLiteral("DROP TABLE X CREATE TABLE X (a int) DELETE FROM MA_CUENTAS "));
}

TEST_F(Consultas, EjecutaConsultaSQL_calla_los_errores_de_sentencia_y_muestra_los_demas) {
    long registros = 0;
    QString malas[] = {QStringLiteral("INSERT INTO NO_EXISTE (a) VALUES (1)"),         // table does not exist
                       QStringLiteral("SELEC mal escrito"),                            // error in the command
                       QStringLiteral("INSERT INTO TA_USUARIOS (Nombre) VALUES ('ana')")};  // integrity
    for (QString& s : malas) {
        EXPECT_NO_THROW(db().EjecutaConsultaSQL(s, registros));
        EXPECT_GT(db().gCnn.errors().Count(), 0) << s.toStdString();
    }
    EXPECT_TRUE(operador().mensajes().isEmpty());

    db().gCnn.Close();   // 3709: shown
    QString s = QStringLiteral("UPDATE PRUEBA SET activo=1");
    db().EjecutaConsultaSQL(s, registros);
    ASSERT_EQ(operador().mensajes().size(), 1);
    EXPECT_EQ(operador().mensajes()[0].titulo, QStringLiteral("Aviso al operador!!!"));
    EXPECT_EQ(operador().mensajes()[0].estilo, ui::vbCritical);
    EXPECT_EQ(operador().mensajes()[0].texto, ado::DescripcionAdo(ado::adErrInvalidConnection));
    QString trans = QStringLiteral("COMMIT TRANSACTION");
    db().EjecutaConsultaSQL(trans, registros);
    EXPECT_EQ(operador().mensajes().size(), 1);   // statements of a transaction stay quiet
}

TEST_F(Consultas, EjecutaConsultaSQL_borra_el_aviso_de_truncamiento_salvo_en_transacciones) {
    ado::Error aviso;
    aviso.Number = -2147217833;
    aviso.NativeError = 8152;
    aviso.Description = QStringLiteral("String or binary data would be truncated.");
    long registros = 0;
    db().gCnn.errors().Add(aviso);
    QString sql = QStringLiteral("UPDATE PRUEBA SET activo=1 WHERE id=5");
    db().EjecutaConsultaSQL(sql, registros);
    EXPECT_EQ(db().gCnn.errors().Count(), 0);

    db().gCnn.errors().Add(aviso);
    QString conTrans = QStringLiteral("UPDATE PRUEBA SET nombre='TRANSPORTE' WHERE id=5");
    db().EjecutaConsultaSQL(conTrans, registros);
    EXPECT_EQ(db().gCnn.errors().Count(), 1);
}

TEST_F(Consultas, AbrirRecordset_guarda_los_sinonimos_pero_no_la_traduccion_oracle) {
    // A connection string naming ORACLE (here the file's name) takes the Oracle route.
    const QString archivo = BaseOracle(QStringLiteral("oracle_empresa.sqlite"));
    const QString cadena = QStringLiteral("PROVIDER=SQLOLEDB;Server=sqlite;Database =") + archivo + QStringLiteral(";UId=ana;Pwd=x;");
    DB_Dll& ora = DBAlternativa();
    ora.OpenServerADODB(false, ado::adUseClient, cadena, false, false);
    ASSERT_TRUE(ora.gOpenFlag);
    ora.gEsAdmin = false;
    ado::RegistroSentencias::Iniciar();
    QString sql = QStringLiteral("SELECT * FROM @Admin_TA_USUARIOS WHERE Grupo = '' AND Nombre <> [x]");
    ado::Recordset rs;
    operador().respuestas << ui::vbAbort;
    ora.AbrirRecordset(sql, rs);
    EXPECT_EQ(sql, QStringLiteral("SELECT * FROM TA_USUARIOS WHERE Grupo = '' AND Nombre <> [x]"));
    EXPECT_EQ(enviadas().value(0), QStringLiteral("SELECT * FROM TA_USUARIOS WHERE Grupo  IS NULL  AND Nombre <> \"x\""));
    // Without the conversion flag the text goes as it is.
    ado::RegistroSentencias::Iniciar();
    ora.AbrirRecordset(QStringLiteral("SELECT TOP 1 * FROM TA_USUARIOS"), rs, nullptr, 0, 1, -1, false);
    EXPECT_EQ(enviadas().value(0), QStringLiteral("SELECT TOP 1 * FROM TA_USUARIOS"));
    EXPECT_EQ(rs.State(), ado::adStateOpen);
}

TEST_F(Consultas, lote_oracle_se_parte_en_sentencias_y_respeta_la_transaccion) {
    const QString archivo = BaseOracle(QStringLiteral("ORACLE.sqlite"), QStringLiteral("CREATE TABLE T (a INTEGER);"));
    const QString cadena = QStringLiteral("PROVIDER=SQLOLEDB;Server=sqlite;Database =") + archivo + QStringLiteral(";UId=ana;Pwd=x;");
    DB_Dll& ora = DBAlternativa();
    ora.OpenServerADODB(false, ado::adUseClient, cadena, false, false);
    ASSERT_TRUE(ora.gOpenFlag);
    const QString crlf = QStringLiteral("\r\n");

    QString lote = QStringLiteral("SET NOCOUNT ON") + crlf + QStringLiteral("BEGIN TRANSACTION") + crlf +
                   QStringLiteral("INSERT INTO T (a) VALUES (1)") + crlf + QStringLiteral("GO") + crlf +
                   QStringLiteral("INSERT INTO T (a) VALUES (2) GO UPDATE T SET a = a + 10 WHERE a = 2") + crlf +
                   QStringLiteral("IF NOT EXISTS (SELECT 1 FROM T) ") + QStringLiteral("COMMIT TRANSACTION");
    const QString original = lote;
    long registros = 0;
    ado::RegistroSentencias::Iniciar();
    ora.EjecutaConsultaSQL(lote, registros);
    EXPECT_EQ(lote, original);   // the caller keeps the statement
    EXPECT_EQ(enviadas(), (QStringList{QStringLiteral("INSERT INTO T (a) VALUES (1)"), QStringLiteral("INSERT INTO T (a) VALUES (2)"),
                                       QStringLiteral("UPDATE T SET a = a + 10 WHERE a = 2 \n")}));
    EXPECT_EQ(registros, 3);
    ado::Recordset rs = ora.gCnn.Execute(QStringLiteral("SELECT SUM(a) FROM T"));
    EXPECT_EQ(rs.Fields(0).Value().toLong(), 13);

    QString deshecho = QStringLiteral("BEGIN TRANS INSERT INTO T (a) VALUES (100) ROLLBACK TRANS");
    ora.EjecutaConsultaSQL(deshecho, registros);
    ado::Recordset rs2 = ora.gCnn.Execute(QStringLiteral("SELECT COUNT(*) FROM T"));
    EXPECT_EQ(rs2.Fields(0).Value().toLong(), 2);
    EXPECT_TRUE(operador().mensajes().isEmpty());
}

TEST_F(Consultas, lote_oracle_traduce_cada_sentencia_y_descarta_las_de_control) {
    const QString archivo = BaseOracle(QStringLiteral("oracle.sqlite"), QStringLiteral("CREATE TABLE T (a INTEGER, b VARCHAR(10));"));
    DB_Dll& ora = DBAlternativa();
    ora.OpenServerADODB(false, ado::adUseClient,
                        QStringLiteral("PROVIDER=SQLOLEDB;Server=sqlite;Database =") + archivo + QStringLiteral(";UId=ana;Pwd=x;"), false, false);
    ASSERT_TRUE(ora.gOpenFlag);
    QString lote = QStringLiteral("  INSERT INTO T (a, b) VALUES ( LEN('abcd'), SUBSTRING('xyz', 1, 2)) "
                                  "DELETE FROM T WHERE b = '' IF NOT EXIST X");
    long registros = 0;
    ado::RegistroSentencias::Iniciar();
    AccesoPruebaDB_Dll::EjecutaLoteOracle(ora, lote, registros);
    EXPECT_EQ(enviadas(), (QStringList{QStringLiteral("INSERT INTO T (a, b) VALUES ( LENGTH('abcd'), SUBSTR('xyz', 1, 2))"),
                                       QStringLiteral("DELETE FROM T WHERE b  IS NULL ")}));
    EXPECT_TRUE(lote.isEmpty());   // consumed
    EXPECT_EQ(registros, 1);

    // The one informational message of a batch is dropped at the end.
    ado::Error informativo;
    informativo.Number = 265929;
    ora.gCnn.errors().Add(informativo);
    QString vacio = QStringLiteral("DELETE FROM T WHERE a = 999");
    AccesoPruebaDB_Dll::EjecutaLoteOracle(ora, vacio, registros);
    EXPECT_EQ(ora.gCnn.errors().Count(), 0);

    QString control = QStringLiteral("SET NOCOUNT OFF");
    EXPECT_EQ(AccesoPruebaDB_Dll::DescartaSentencia(ora, control), QString());
    EXPECT_TRUE(control.isEmpty());
    QString normal = QStringLiteral("DELETE FROM T");
    EXPECT_EQ(AccesoPruebaDB_Dll::DescartaSentencia(ora, normal), QStringLiteral("DELETE FROM T"));
}

TEST_F(Consultas, tablas_y_campos_del_esquema_y_AddField) {
    EXPECT_TRUE(db().ExisteTablaDB(QStringLiteral(" ta_usuarios ")));
    EXPECT_FALSE(db().ExisteTablaDB(QStringLiteral("NO_EXISTE")));
    db().gDBName = base.ruta();
    EXPECT_TRUE(db().ExisteCampoDB(QStringLiteral("PRUEBA"), QStringLiteral("NOMBRE")));
    EXPECT_FALSE(db().ExisteCampoDB(QStringLiteral("PRUEBA"), QStringLiteral("nuevo")));

    EXPECT_TRUE(db().VerCampoDB(QStringLiteral("PRUEBA"), QStringLiteral("nuevo"), true, QStringLiteral("int"), true, 0));
    EXPECT_TRUE(db().VerCampoDB(QStringLiteral("PRUEBA"), QStringLiteral("nuevo"), true, QStringLiteral("int"), true, 0));
    EXPECT_TRUE(db().VerCampoDB(QStringLiteral("NO_EXISTE"), QStringLiteral("c"), true, QStringLiteral("int"), true));
    db().AddField(QStringLiteral("PRUEBA"), QStringLiteral("otro"), QStringLiteral("varchar(10)"), false);
    EXPECT_EQ(enviadas(), (QStringList{QStringLiteral("ALTER TABLE dbo.PRUEBA ADD nuevo int Null  CONSTRAINT DF_PRUEBA_nuevo DEFAULT (0)"),
                                       QStringLiteral("ALTER TABLE dbo.PRUEBA ADD otro varchar(10) Not Null ")}));
    EXPECT_TRUE(db().ExisteCampoDB(QStringLiteral("PRUEBA"), QStringLiteral("nuevo")));
    EXPECT_EQ(Leer(QStringLiteral("SELECT nuevo FROM PRUEBA WHERE id=7")).toLong(), 0);

    db().gProveedor = QStringLiteral("OraOLEDB.Oracle.1");
    EXPECT_TRUE(db().ExisteCampoDB(QStringLiteral("PRUEBA"), QStringLiteral("no_hay")));
}

TEST_F(Consultas, esquema_sin_conexion_va_al_dialogo_VerificaCampos) {
    db().gCnn.Close();
    operador().respuestas << ui::vbAbort;
    EXPECT_FALSE(db().ExisteTablaDB(QStringLiteral("ta_usuarios")));
    ASSERT_EQ(operador().mensajes().size(), 1);
    EXPECT_TRUE(operador().mensajes()[0].titulo.endsWith(QStringLiteral(" - VerificaCampos Aviso al operador!!! ")));
}

TEST_F(Consultas, GrabaAuxErr_agrega_la_fila_del_error) {
    base::Reloj::Fijar(QDateTime(QDate(2015, 8, 31), QTime(17, 5, 9)));
    base::Entorno::FijarNombreEjecutable(QStringLiteral("rmautoimpr"));
    db().gUsuario = QStringLiteral("ana");
    QString proceso;
    const QString larga = QString(300, QLatin1Char('d'));
    GrabaAuxErr(QStringLiteral("INSERT INTO X VALUES ('O''Brien')"), proceso, 2627, larga);
    EXPECT_EQ(proceso, QStringLiteral("rmautoimpr"));
    EXPECT_EQ(enviadas().value(0), QStringLiteral("select  top 1 * from AUX_ERR  with(nolock) "));
    ado::Recordset rs = db().gCnn.Execute(QStringLiteral("SELECT Proceso, Error, Descripcion, SQL, PC, Usuario, Fecha FROM AUX_ERR"));
    ASSERT_FALSE(rs.EOF_());
    EXPECT_EQ(rs.Fields(QStringLiteral("Proceso")).Value().toString(), QStringLiteral("rmautoimpr"));
    EXPECT_EQ(rs.Fields(QStringLiteral("Error")).Value().toLong(), 2627);
    EXPECT_EQ(rs.Fields(QStringLiteral("Descripcion")).Value().toString(), QString(250, QLatin1Char('d')));
    EXPECT_EQ(rs.Fields(QStringLiteral("SQL")).Value().toString(), QStringLiteral("INSERT INTO X VALUES ('O''Brien')"));
    EXPECT_EQ(rs.Fields(QStringLiteral("PC")).Value().toString(), ZkSesion().NombreMaquina());
    EXPECT_EQ(rs.Fields(QStringLiteral("Usuario")).Value().toString(), QStringLiteral("ana"));
    EXPECT_EQ(rs.Fields(QStringLiteral("Fecha")).Value().toDate(), QDateTime(QDate(2015, 8, 31), QTime(17, 5)));
    EXPECT_TRUE(operador().mensajes().isEmpty());
}

TEST_F(Consultas, GrabaAuxErr_sin_conexion_no_detiene_al_llamador) {
    db().gCnn.Close();
    operador().respuestaPorDefecto = ui::vbAbort;
    EXPECT_NO_THROW(GrabaAuxErr(QStringLiteral("x"), QStringLiteral("proc"), 1, base::Variant::Null()));
}

TEST_F(Consultas, CierraRecordset_cierra_abierto_cancela_la_edicion_y_tolera_cerrado) {
    ado::Recordset rs;
    db().AbrirRecordset(QStringLiteral("select * from PRUEBA"), rs, nullptr, ado::adOpenDynamic, ado::adLockOptimistic);
    ASSERT_EQ(rs.State(), ado::adStateOpen);
    rs.AddNew();
    rs.Fields(QStringLiteral("id")).setValue(99);
    db().CierraRecordset(rs);
    EXPECT_EQ(rs.State(), ado::adStateClosed);
    db().CierraRecordset(rs);
    EXPECT_EQ(Leer(QStringLiteral("SELECT COUNT(*) FROM PRUEBA WHERE id=99")).toLong(), 0);
    EXPECT_TRUE(operador().mensajes().isEmpty());
}

}  // namespace
