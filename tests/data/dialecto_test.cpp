// The synonym rewriting for non-administrators and the SQL Server -> Oracle dialect
// translation.
#include <gtest/gtest.h>
#include "tests/data/impresion.h"
#include "base/error.h"
#include "data/ajustes.h"
#include "data/global.h"

namespace {

struct Caso {
    QString entrada;
    QString esperado;
};

const QString kOracle = QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=EMPRESA;User Id=u;Password=p;");
const QString kSqlServer = QStringLiteral("PROVIDER=SQLOLEDB;Server=SRV;Database =EMPRESA;UId=u;Pwd=p;");

void Comprobar(const QString& nombre, const std::vector<Caso>& casos, const std::function<QString(const QString&)>& f) {
    for (const auto& c : casos)
        EXPECT_EQ(f(c.entrada), c.esperado) << nombre.toStdString() << ": " << c.entrada.toStdString();
}

TEST(SS_TSinonimos, usuario_no_administrador_ve_las_tablas_filtradas_en_las_cinco_posiciones) {
    DB_Dll& db = DBMain();
    db.gEsAdmin = false;
    Comprobar(QStringLiteral("no admin"), {
        {QStringLiteral("SELECT * FROM MA_CUENTAS WHERE x=1"), QStringLiteral("SELECT * FROM SS_MA_CUENTAS WHERE x=1")},
        {QStringLiteral("SELECT * FROM @Admin_MA_CUENTAS"), QStringLiteral("SELECT * FROM MA_CUENTAS")},
        {QStringLiteral("SELECT * FROM (MA_CUENTAS a)"), QStringLiteral("SELECT * FROM (SS_MA_CUENTAS a)")},
        {QStringLiteral("SELECT MA_CUENTAS.id FROM x"), QStringLiteral("SELECT SS_MA_CUENTAS.id FROM x")},
        {QStringLiteral("SELECT max(MA_CUENTAS.id),MA_CUENTAS.b"), QStringLiteral("SELECT max(SS_MA_CUENTAS.id),SS_MA_CUENTAS.b")},
        {QStringLiteral("{MA_CUENTAS.id}"), QStringLiteral("{SS_MA_CUENTAS.id}")},
        {QStringLiteral("select * from v_ta_cajas where a=1"), QStringLiteral("select * from SS_V_TA_CAJAS where a=1")},
        {QStringLiteral("SELECT * FROM V_TA_DEPOSITO d, V_TA_FAMILIAS f"), QStringLiteral("SELECT * FROM SS_V_TA_DEPOSITO d, SS_V_TA_FAMILIAS f")},
        {QStringLiteral("SELECT * FROM AC_CUENTASDIARIO_CCOSTO c"), QStringLiteral("SELECT * FROM SS_AC_CUENTAS_DIARIO_CCOSTO c")},
        {QStringLiteral("SELECT * FROM AC_CUENTASDIARIO c"), QStringLiteral("SELECT * FROM SS_AC_CUENTASDIARIO c")},
        // Only the five positions count: at the very end or before a line break it stays.
        {QStringLiteral("SELECT * FROM MA_CUENTAS"), QStringLiteral("SELECT * FROM MA_CUENTAS")},
        {QStringLiteral("SELECT * FROM MA_CUENTAS\r\nWHERE x=1"), QStringLiteral("SELECT * FROM MA_CUENTAS\r\nWHERE x=1")},
        {QStringLiteral("SELECT * FROM V_MA_CUENTAS x"), QStringLiteral("SELECT * FROM V_MA_CUENTAS x")},
    }, [&](const QString& s) { return db.SS_TSinonimos(s); });
}

TEST(SS_TSinonimos, administrador_solo_pierde_la_marca_Admin) {
    DB_Dll& db = DBMain();
    db.gEsAdmin = true;
    Comprobar(QStringLiteral("admin"), {
        {QStringLiteral("SELECT * FROM MA_CUENTAS WHERE x=1"), QStringLiteral("SELECT * FROM MA_CUENTAS WHERE x=1")},
        {QStringLiteral("SELECT * FROM @Admin_V_TA_Cajas "), QStringLiteral("SELECT * FROM V_TA_Cajas ")},
        {QStringLiteral("SELECT * FROM @ADMIN_MV_ASIENTOS "), QStringLiteral("SELECT * FROM MV_ASIENTOS ")},
    }, [&](const QString& s) { return db.SS_TSinonimos(s); });
}

TEST(SS_TSinonimos, asientos_se_filtran_solo_con_la_confidencialidad_activa) {
    DB_Dll& db = DBMain();
    db.gEsAdmin = false;
    const QString sql = QStringLiteral("SELECT * FROM MV_ASIENTOS a, MA_CUENTAS c, @Admin_V_TA_CAJAS k ");
    gAjustes().SS_CONFIDENCIALIDAD = false;
    EXPECT_EQ(db.SS_TSinonimos(sql), QStringLiteral("SELECT * FROM MV_ASIENTOS a, MA_CUENTAS c, V_TA_CAJAS k "));
    gAjustes().SS_CONFIDENCIALIDAD = true;
    EXPECT_EQ(db.SS_TSinonimos(sql), QStringLiteral("SELECT * FROM SS_MV_ASIENTOS a, SS_MA_CUENTAS c, V_TA_CAJAS k "));
}

TEST(ORACLE_Dicc, limite_de_filas) {
    DB_Dll& db = DBMain();
    db.gConnString = kOracle;
    Comprobar(QStringLiteral("TOP"), {
        {QStringLiteral("SELECT TOP 5 * FROM T ORDER BY a"), QStringLiteral("SELECT  * FROM T    WHERE ROWNUM <= 5  ORDER BY a")},
        {QStringLiteral("SELECT TOP 1 * FROM T WHERE a=1"), QStringLiteral("SELECT  * FROM T WHERE a=1  AND ROWNUM <= 1  ")},
        {QStringLiteral("SELECT TOP 3 a, COUNT(*) FROM T GROUP BY a"),
         QStringLiteral("SELECT  a, COUNT(*) FROM T    WHERE ROWNUM <= 3  GROUP BY a ")},
        {QStringLiteral("SELECT * FROM T"), QStringLiteral("SELECT * FROM T")},
    }, [&](const QString& s) { return db.ORACLE_Dicc(s); });
}

TEST(ORACLE_Dicc, funciones_corchetes_y_comparaciones_con_texto_vacio) {
    DB_Dll& db = DBMain();
    db.gConnString = kOracle;
    Comprobar(QStringLiteral("funciones"), {
        {QStringLiteral("LEN"), QStringLiteral("LENGTH")},
        {QStringLiteral("len"), QStringLiteral("LENGTH")},
        {QStringLiteral("ISNULL(a,0)"), QStringLiteral("ISNULL(a,0)")},   // one word: only LEN changes
        {QStringLiteral("SELECT LEN(a), LEN (b), LEN    (c) FROM T"), QStringLiteral("SELECT LENGTH(a), LENGTH(b), LENGTH(c) FROM T")},
        {QStringLiteral("SELECT [Mis Datos] FROM [T]"), QStringLiteral("SELECT \"Mis Datos\" FROM \"T\"")},
        {QStringLiteral("SELECT Charindex('a',b) FROM T"), QStringLiteral("SELECT InStr('a',b) FROM T")},
        {QStringLiteral("SELECT SUBSTRING(a,1,2), ISNULL(b,0) FROM T"), QStringLiteral("SELECT SUBSTR(a,1,2), NVL(b,0) FROM T")},
        {QStringLiteral("SELECT CONVERT(INT, a) FROM T"), QStringLiteral("SELECT TO_NUMBER( a) FROM T")},
        {QStringLiteral("CONVERT(NVARCHAR, fecha, 103)"), QStringLiteral("TO_CHAR( fecha, 'DD/MM/YYYY')")},
        {QStringLiteral("SELECT a FROM T WHERE b = 103"), QStringLiteral("SELECT a FROM T WHERE b = 103")},
        {QStringLiteral("SELECT * FROM T WHERE a = '' AND b=''"), QStringLiteral("SELECT * FROM T WHERE a  IS NULL  AND b IS NULL ")},
        {QStringLiteral("UPDATE T SET a='' WHERE b=''"), QStringLiteral("UPDATE T SET a='' WHERE b IS NULL ")},
    }, [&](const QString& s) { return db.ORACLE_Dicc(s); });
}

TEST(ORACLE_Dicc, literales_de_fecha_se_envuelven_una_sola_vez) {
    DB_Dll& db = DBMain();
    db.gConnString = kOracle;
    Comprobar(QStringLiteral("fechas"), {
        {QStringLiteral("SELECT * FROM T WHERE f >= '25/12/2015'"),
         QStringLiteral("SELECT * FROM T WHERE f >= TO_DATE('25/12/2015','DD/MM/YYYY')")},
        {QStringLiteral("SELECT * FROM T WHERE f BETWEEN '1/2/15' AND '28/02/2015' AND n='ANA'"),
         QStringLiteral("SELECT * FROM T WHERE f BETWEEN TO_DATE('01/02/2015','DD/MM/YYYY') AND "
                        "TO_DATE('28/02/2015','DD/MM/YYYY') AND n='ANA'")},
        {QStringLiteral("SELECT * FROM T WHERE f = TO_DATE('25/12/2015','DD/MM/YYYY')"),
         QStringLiteral("SELECT * FROM T WHERE f = TO_DATE('25/12/2015','DD/MM/YYYY')")},
        {QStringLiteral("SELECT * FROM T WHERE f = '31/02/2015'"), QStringLiteral("SELECT * FROM T WHERE f = '31/02/2015'")},
        {QStringLiteral("SELECT * FROM T WHERE n = 'O''Brien'"), QStringLiteral("SELECT * FROM T WHERE n = 'O''Brien'")},
    }, [&](const QString& s) { return db.ORACLE_Dicc(s); });
}

TEST(ORACLE_Dicc, apostrofo_sin_cerrar_falla_con_argumento_no_valido) {
    DB_Dll& db = DBMain();
    db.gConnString = kOracle;
    try {
        db.ORACLE_Dicc(QStringLiteral("SELECT * FROM T WHERE n = 'ANA"));
        FAIL() << "debía fallar";
    } catch (const base::Error& e) {
        EXPECT_EQ(e.Number, 5);
    }
}

TEST(ORACLE_Dicc, en_sql_server_el_texto_queda_igual) {
    DB_Dll& db = DBMain();
    db.gConnString = kSqlServer;
    for (const QString& s : {QStringLiteral("LEN"), QStringLiteral("SELECT TOP 5 * FROM [T] WHERE f = '25/12/2015'"),
                             QStringLiteral("SELECT ISNULL(a,0) FROM T WHERE b = 'x"), QStringLiteral("CONVERT(NVARCHAR, fecha, 103)")})
        EXPECT_EQ(db.ORACLE_Dicc(s), s);
}

}  // namespace
