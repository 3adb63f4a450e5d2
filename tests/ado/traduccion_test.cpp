// The SQL Server dialect the suite writes, as the sqlite provider runs it: one table of
// T-SQL -> SQLite statements, the suite's own statements among them.
#include <gtest/gtest.h>
#include "ado/sqlite/translate.h"

using ado::sqlite::Catalogo;
using ado::sqlite::ClaseSentencia;
using ado::sqlite::Traducir;

namespace {

Catalogo catalogo() {
    Catalogo c;
    auto tabla = [&c](const char* t, std::initializer_list<std::pair<const char*, const char*>> columnas) {
        c.AgregarTabla(QString::fromUtf8(t));
        for (const auto& [n, tipo] : columnas) c.AgregarColumna(QString::fromUtf8(t), QString::fromUtf8(n), QString::fromUtf8(tipo));
    };
    tabla("V_MV_CPTE", {{"TC", "VARCHAR(4)"}, {"IDCOMPROBANTE", "VARCHAR(13)"}, {"FECHA", "DATETIME"}});
    tabla("LIBROIVACOMPRAS", {{"Fecha", "DATETIME"}, {"Liva_Total", "MONEY"}});
    tabla("Control_Acceso", {{"Maquina", "VARCHAR(50)"}, {"Ingreso", "VARCHAR(20)"}});
    tabla("V_MV_FALTANTES", {{"FechaHora", "DATETIME"}, {"IdArticulo", "VARCHAR(25)"}});
    tabla("AGENDA", {{"Dia", "DATE"}, {"Nota", "VARCHAR(50)"}});
    return c;
}

// One statement per line of the expected text; "<BEGIN>", "<COMMIT>", "<ROLLBACK>" and
// "<NADA>" stand for the transaction steps and the statements without effect.
QString traducir(const char* tsql) {
    QStringList r;
    for (const auto& s : Traducir(QString::fromUtf8(tsql), catalogo())) {
        switch (s.clase) {
        case ClaseSentencia::IniciarTransaccion: r << QStringLiteral("<BEGIN>"); break;
        case ClaseSentencia::ConfirmarTransaccion: r << QStringLiteral("<COMMIT>"); break;
        case ClaseSentencia::DeshacerTransaccion: r << QStringLiteral("<ROLLBACK>"); break;
        case ClaseSentencia::SinEfecto: r << QStringLiteral("<NADA>"); break;
        case ClaseSentencia::Comun: r << s.sql; break;
        }
    }
    return r.join(QLatin1Char('\n'));
}

struct Caso {
    const char* tsql;
    const char* sqlite;
};

const Caso kCasos[] = {
    // remitos of a period: dates of the window read day-month-year, ISO for the DATETIME column;
    // the letter compared with a function result gets the server's comparison
    {"SELECT * FROM V_MV_CPTE WHERE TC='RM' AND SUBSTRING(IDCOMPROBANTE,13,1)='R' AND SUBSTRING(IDCOMPROBANTE,1,4)='0001' "
     "AND  (FECHA >= '01/03/2015' AND FECHA <= '31/03/2015') order by IDCOMPROBANTE DESC",
     "SELECT * FROM V_MV_CPTE WHERE TC='RM' AND SUBSTRING(IDCOMPROBANTE,13,1)='R' COLLATE CI AND "
     "SUBSTRING(IDCOMPROBANTE,1,4)='0001' COLLATE CI AND  (FECHA >= '2015-03-01 00:00:00' AND FECHA <= "
     "'2015-03-31 00:00:00') order by IDCOMPROBANTE DESC"},
    {"SELECT * FROM V_TA_CPTE WHERE CODIGO='RM' AND ObservacionesR<>''",
     "SELECT * FROM V_TA_CPTE WHERE CODIGO='RM' AND ObservacionesR<>''"},
    {"SELECT * FROM LIBROIVACOMPRAS WHERE FECHA >= '01/12/2026' AND FECHA <= '31/12/2026' AND abs(LIVA_TOTAL)>0.01 order by fecha",
     "SELECT * FROM LIBROIVACOMPRAS WHERE FECHA >= '2026-12-01 00:00:00' AND FECHA <= '2026-12-31 00:00:00' AND "
     "abs(LIVA_TOTAL)>0.01 order by fecha"},
    {"SELECT * FROM LIBROIVACOMPRAS WHERE Fecha BETWEEN '1/3/2015' AND '31/03/2015 23:59'",
     "SELECT * FROM LIBROIVACOMPRAS WHERE Fecha BETWEEN '2015-03-01 00:00:00' AND '2015-03-31 23:59:00'"},
    {"SELECT * FROM AGENDA WHERE '31/03/2015' = Dia OR Dia IN ('01/04/2015', '02/04/2015')",
     "SELECT * FROM AGENDA WHERE '2015-03-31' = Dia OR Dia IN ('2015-04-01', '2015-04-02')"},
    // TOP and hints
    {"SELECT TOP 1 * FROM ta_usuarios with(nolock)  WHERE LTRIM(RTRIM(nombre)) ='u1' ",
     "SELECT * FROM ta_usuarios   WHERE LTRIM(RTRIM(nombre)) ='u1' COLLATE CI LIMIT 1"},
    {"select  top 1 * from AUX_ERR  with(nolock) ", "select  * from AUX_ERR LIMIT 1"},
    {"SELECT * FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = 'x'",
     "SELECT * FROM TA_CONFIGURACION   WHERE CLAVE = 'x'"},
    {"SELECT VALOR, VALORAUX FROM TA_CONFIGURACION WITH(NOLOCK)  WHERE CLAVE = '[FECHA DESDE]'",
     "SELECT VALOR, VALORAUX FROM TA_CONFIGURACION   WHERE CLAVE = '[FECHA DESDE]'"},
    {"SELECT TA_TAREAS.USUARIO, TA_MENU.Proceso, TA_MENU.Clave , TA_MENU.Nombre  FROM TA_TAREAS  with(nolock) INNER JOIN "
     "TA_MENU ON TA_TAREAS.TAREA = TA_MENU.Clave  WHERE (TA_TAREAS.USUARIO = 'ana ') AND (TA_MENU.Proceso LIKE '%RMAUTOIMPR%')",
     "SELECT TA_TAREAS.USUARIO, TA_MENU.Proceso, TA_MENU.Clave , TA_MENU.Nombre  FROM TA_TAREAS   INNER JOIN "
     "TA_MENU ON TA_TAREAS.TAREA = TA_MENU.Clave  WHERE (TA_TAREAS.USUARIO = 'ana ') AND (TA_MENU.Proceso LIKE '%RMAUTOIMPR%')"},
    {"SELECT TOP 1000 DESCRIPCION,IDARTICULO FROM V_MA_ARTICULOS WHERE SUSPENDIDO = 0 ORDER BY DESCRIPCION",
     "SELECT DESCRIPCION,IDARTICULO FROM V_MA_ARTICULOS WHERE SUSPENDIDO = 0 ORDER BY DESCRIPCION LIMIT 1000"},
    {"SELECT TOP (5) a FROM T WITH (NOLOCK, ROWLOCK) ORDER BY a", "SELECT a FROM T  ORDER BY a LIMIT 5"},
    {"SELECT DISTINCT TOP 10 a FROM T (nolock)", "SELECT DISTINCT a FROM T LIMIT 10"},
    {"SELECT TOP 50 PERCENT * FROM T ORDER BY a",
     "SELECT * FROM T ORDER BY a LIMIT (SELECT (COUNT(*) * 50 + 99) / 100 FROM (SELECT * FROM T ORDER BY a))"},
    {"SELECT     TOP 100 PERCENT IdFamilia, Descripcion, (SELECT     TOP 1 idfamilia FROM v_ta_familias a  "
     " Where a.IdFamilia < b.IdFamilia And (Len(LTrim(RTrim(a.IdFamilia))) < Len(LTrim(RTrim(b.IdFamilia)))) "
     " ORDER BY idfamilia DESC) AS [relative] FROM dbo.V_TA_FAMILIAS b ORDER BY IdFamilia",
     "SELECT     IdFamilia, Descripcion, (SELECT     idfamilia FROM v_ta_familias a   Where a.IdFamilia < "
     "b.IdFamilia And (Len(LTrim(RTrim(a.IdFamilia))) < Len(LTrim(RTrim(b.IdFamilia))))  ORDER BY idfamilia DESC "
     "LIMIT 1) AS \"relative\" FROM V_TA_FAMILIAS b ORDER BY IdFamilia"},
    {"SELECT *,IDUNIDAD AS UDBASE , ISNULL(UD_TTE,IDUNIDAD) AS IDUNIDAD FROM V_MA_ARTICULOS WHERE CODIGOBARRADUN = '   12'",
     "SELECT *,IDUNIDAD AS UDBASE , IFNULL(UD_TTE,IDUNIDAD) AS IDUNIDAD FROM V_MA_ARTICULOS WHERE CODIGOBARRADUN = '   12'"},
    {"SELECT a, COUNT(*) FROM T GROUP BY a, LTRIM(b) ORDER BY 2 DESC, UPPER(a)",
     "SELECT a, COUNT(*) FROM T GROUP BY a, LTRIM(b) COLLATE CI ORDER BY 2 COLLATE CI DESC, UPPER(a) COLLATE CI"},
    // owners, brackets, DELETE without FROM, N'', CONVERT, LEFT
    {"SELECT [Mi Campo] FROM EMPRESA.dbo.[T] JOIN [dbo].U ON 1=1", "SELECT \"Mi Campo\" FROM \"T\" JOIN U ON 1=1"},
    {"DELETE TA_CONFIG_FORM WHERE FORMULARIO = 'FrmRmAutoImpr' AND USUARIO= 'ana'",
     "DELETE FROM TA_CONFIG_FORM WHERE FORMULARIO = 'FrmRmAutoImpr' AND USUARIO= 'ana'"},
    {"TRUNCATE TABLE MA_CUENTAS_SALDOS", "DELETE FROM MA_CUENTAS_SALDOS"},
    {"SELECT CONVERT(NVARCHAR, FECHA, 103) AS F, LEFT(TC, 1) FROM V_MV_CPTE WHERE TC = N'RM'",
     "SELECT CONVERT('NVARCHAR', FECHA, 103) AS F, RM_LEFT(TC, 1) FROM V_MV_CPTE WHERE TC = 'RM'"},
    {"SELECT a FROM T WHERE a COLLATE Latin1_General_CI_AS = 'x'", "SELECT a FROM T WHERE a COLLATE CI = 'x'"},
    // column additions
    {"ALTER TABLE dbo.T ADD C int Null  CONSTRAINT DF_T_C DEFAULT (0)",
     "ALTER TABLE T ADD COLUMN C int Null  CONSTRAINT DF_T_C DEFAULT (0)"},
    {"ALTER TABLE dbo.T ADD C varchar(20) Not Null  CONSTRAINT DF_T_C DEFAULT ('')",
     "ALTER TABLE T ADD COLUMN C varchar(20) COLLATE CI Not Null  CONSTRAINT DF_T_C DEFAULT ('')"},
    {"ALTER TABLE T ADD D datetime NULL, E nvarchar(max) NULL",
     "ALTER TABLE T ADD COLUMN D datetime COLLATE FECHA NULL\nALTER TABLE T ADD COLUMN E nvarchar COLLATE CI NULL"},
    {"CREATE TABLE [dbo].[X] ([id] [int] IDENTITY(1,1) NOT NULL, [Nombre] [varchar](50) NULL) ON [PRIMARY]",
     "CREATE TABLE \"X\" (\"id\" INTEGER PRIMARY KEY AUTOINCREMENT NOT NULL, \"Nombre\" \"varchar\"(50) COLLATE CI NULL)"},
    // date texts stored: converted for date columns, never for text columns
    {"INSERT INTO V_MV_FALTANTES (FechaHora,IdArticulo,Descripcion,Usuario) values('31/03/2015 10:05:07','      12','LECHE','ana')",
     "INSERT INTO V_MV_FALTANTES (FechaHora,IdArticulo,Descripcion,Usuario) values('2015-03-31 10:05:07','      12','LECHE','ana')"},
    {"UPDATE V_MV_CPTE SET FECHA = '01/04/2015', TC = '01/04/2015' WHERE IDCOMPROBANTE = '000100000001R'",
     "UPDATE V_MV_CPTE SET FECHA = '2015-04-01 00:00:00', TC = '01/04/2015' WHERE IDCOMPROBANTE = '000100000001R'"},
    {"SELECT * FROM Control_Acceso WHERE Ingreso = '31/03/15 10:00'",
     "SELECT * FROM Control_Acceso WHERE Ingreso = '31/03/15 10:00'"},
    // nothing inside a literal is rewritten
    {"SELECT * FROM T WHERE Nombre = 'O''Brien with(nolock) dbo.x [y] TOP 1' -- [z] with(nolock)",
     "SELECT * FROM T WHERE Nombre = 'O''Brien with(nolock) dbo.x [y] TOP 1' -- [z] with(nolock)"},
    // batches
    {"BEGIN TRANSACTION \r\r\rINSERT INTO Control_Acceso (Maquina,Usuario,Formulario,Tarea,Ingreso,NombreUsuario) "
     "VALUES ('PC1','ANA','RMAUTOIMPR','','31/03/15 10:00','ana')\r",
     "<BEGIN>\nINSERT INTO Control_Acceso (Maquina,Usuario,Formulario,Tarea,Ingreso,NombreUsuario) "
     "VALUES ('PC1','ANA','RMAUTOIMPR','','31/03/15 10:00','ana')"},
    {"COMMIT TRANSACTION", "<COMMIT>"},
    {"ROLLBACK TRANSACTION", "<ROLLBACK>"},
    {"SET NOCOUNT ON\r\nUPDATE T SET a = 1\r\nDELETE T WHERE b = 2; SELECT 1",
     "<NADA>\nUPDATE T SET a = 1\nDELETE FROM T WHERE b = 2\nSELECT 1"},
    {"INSERT INTO T (a) SELECT a FROM U UNION SELECT b FROM V", "INSERT INTO T (a) SELECT a FROM U UNION SELECT b FROM V"},
    {"BEGIN TRAN INSERT INTO T VALUES (1) INSERT INTO T VALUES (2) COMMIT TRAN",
     "<BEGIN>\nINSERT INTO T VALUES (1)\nINSERT INTO T VALUES (2)\n<COMMIT>"},
};

}  // namespace

TEST(Traduccion, sentencias_del_dialecto_del_servidor) {
    for (const Caso& c : kCasos) EXPECT_EQ(traducir(c.tsql).toStdString(), c.sqlite) << c.tsql;
}
