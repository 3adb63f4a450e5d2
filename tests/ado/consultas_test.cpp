// Queries on a real SQLite file through ado::Connection: text compared like the suite's
// server, the server's functions, date texts at the period's bounds, field types.
#include <gtest/gtest.h>
#include "ado/connection.h"
#include "ado/recordset.h"
#include "base/reloj.h"
#include "tests/common/base_prueba.h"

namespace {

// Every row of a query as "v1|v2", rows joined by ",".
std::string filas(ado::Connection& cn, const QString& sql) {
    ado::Recordset rs;
    rs.Open(sql, cn);
    QStringList r;
    while (!rs.EOF_()) {
        QStringList f;
        for (int i = 0; i < rs.FieldCount(); ++i) {
            const base::Variant v = rs.Fields(i).Value();
            f << (v.isNull() ? QStringLiteral("<null>") : v.toString());
        }
        r << f.join(QLatin1Char('|'));
        rs.MoveNext();
    }
    return r.join(QLatin1Char(',')).toStdString();
}

const char* kComparaciones =
    "INSERT INTO V_TA_CPTE (CODIGO, ObservacionesR) VALUES ('RM', 'CAI1');"
    "INSERT INTO V_TA_CPTE (CODIGO, ObservacionesR) VALUES ('rm ', 'cai2  ');"
    "INSERT INTO V_TA_CPTE (CODIGO, ObservacionesR) VALUES ('b', '');"
    "INSERT INTO V_TA_CPTE (CODIGO, ObservacionesR) VALUES ('A', '   ');"
    "INSERT INTO V_TA_CPTE (CODIGO, ObservacionesR) VALUES ('C', NULL);"
    "INSERT INTO TA_USUARIOS (Nombre, Administrador) VALUES ('ana', 1);";

struct Caso {
    const char* sql;
    const char* filas;
};

}  // namespace

TEST(Consultas, textos_sin_mayusculas_ni_blancos_finales_y_funciones_del_servidor) {
    prueba::BaseDePrueba base;
    base.Ejecutar(kComparaciones);
    base::Reloj::Fijar(QDateTime(QDate(2015, 3, 31), QTime(10, 0)));
    ado::Connection cn;
    cn.Open(base.cadena());
    const Caso casos[] = {
        {"SELECT ObservacionesR FROM V_TA_CPTE WHERE CODIGO = 'RM' ORDER BY id", "CAI1,cai2  "},
        {"SELECT COUNT(*) FROM V_TA_CPTE WHERE CODIGO <> 'rm'", "3"},
        // blanks only equal the empty text; NULL is neither
        {"SELECT CODIGO FROM V_TA_CPTE WHERE CODIGO='RM' AND ObservacionesR<>'' ORDER BY id", "RM,rm "},
        {"SELECT CODIGO FROM V_TA_CPTE WHERE ObservacionesR = '' ORDER BY id", "b,A"},
        {"SELECT CODIGO FROM V_TA_CPTE WHERE CODIGO <> 'rm' ORDER BY CODIGO", "A,b,C"},
        {"SELECT COUNT(*), MIN(CODIGO) FROM V_TA_CPTE GROUP BY CODIGO ORDER BY 2", "1|A,1|b,1|C,2|RM"},
        {"SELECT COUNT(DISTINCT CODIGO) FROM V_TA_CPTE", "4"},
        {"SELECT CODIGO FROM V_TA_CPTE WHERE ObservacionesR LIKE 'CAI%' ORDER BY id", "RM,rm "},
        {"SELECT CODIGO FROM V_TA_CPTE WHERE ObservacionesR LIKE '%2' ORDER BY id", "rm "},
        {"SELECT CODIGO FROM V_TA_CPTE WHERE CODIGO LIKE '[a-b]' ORDER BY id", "b,A"},
        {"SELECT CODIGO FROM V_TA_CPTE WHERE CODIGO NOT LIKE '_M%' ORDER BY id", "b,A,C"},
        {"SELECT TOP 1 * FROM ta_usuarios with(nolock)  WHERE LTRIM(RTRIM(nombre)) ='ANA ' ", "ana|1|<null>|False|<null>|<null>"},
        {"SELECT LEN('ab  '), LEN(''), LEN(NULL)", "2|0|<null>"},
        {"SELECT CHARINDEX('b', 'ABCb'), CHARINDEX('b', 'ABCb', 3), CHARINDEX('z', 'abc')", "2|4|0"},
        {"SELECT SUBSTRING('000100000025R', 5, 8), SUBSTRING('abc', 0, 2), SUBSTRING('abc', 5, 1)", "00000025|a|"},
        {"SELECT ISNULL(NULL, 'x'), ISNULL('y', 'x'), LEFT('abc', 2), RIGHT('abc', 2)", "x|y|ab|bc"},
        {"SELECT UPPER('ñandú'), LOWER('ÑANDÚ'), REPLACE('aAa', 'a', 'b')", "ÑANDÚ|ñandú|bbb"},
        {"SELECT CONVERT(INT, ' 12'), CONVERT(NVARCHAR, '2015-03-09 10:00:00', 103), CONVERT(VARCHAR(2), 'abc')",
         "12|09/03/2015|ab"},
        {"SELECT CONVERT(datetime, '31/03/2015', 103), GETDATE()", "31/03/2015|31/03/2015 10:00:00"},
    };
    for (const Caso& c : casos) EXPECT_EQ(filas(cn, QString::fromUtf8(c.sql)), c.filas) << c.sql;
}

TEST(Consultas, periodo_termina_a_la_medianoche_del_ultimo_dia) {
    prueba::BaseDePrueba base({"remitos_periodo.sql"});
    ado::Connection cn;
    cn.Open(base.cadena());
    const QString sql = QStringLiteral(
        "SELECT * FROM V_MV_CPTE WHERE TC='RM' AND SUBSTRING(IDCOMPROBANTE,13,1)='R' AND "
        "SUBSTRING(IDCOMPROBANTE,1,4)='0001' AND  (FECHA >= '01/03/2015' AND FECHA <= '31/03/2015') order by "
        "IDCOMPROBANTE DESC");
    ado::Recordset rs;
    rs.Open(sql, cn, ado::adOpenForwardOnly, ado::adLockReadOnly, -1);
    QStringList ids;
    for (; !rs.EOF_(); rs.MoveNext()) ids << rs("IdComprobante").toString();
    EXPECT_EQ(ids.join(QLatin1Char(',')).toStdString(), "000100000013R,000100000012R,000100000011R,000100000009r");
    // BETWEEN and the reversed comparison read the same way
    EXPECT_EQ(filas(cn, QStringLiteral("SELECT COUNT(*) FROM V_MV_CPTE WHERE FECHA BETWEEN '1/3/2015' AND "
                                       "'31/3/2015 10:00'")),
              "8");
    EXPECT_EQ(filas(cn, QStringLiteral("SELECT COUNT(*) FROM V_MV_CPTE WHERE '31/03/2015' = FECHA")), "2");
}

TEST(Consultas, campos_con_tipo_ado_y_valores_del_tipo_declarado) {
    prueba::BaseDePrueba base;
    base.Ejecutar(
        "INSERT INTO TA_USUARIOS (Nombre, Administrador, verproforma) VALUES ('ana', 1, 1);"
        "INSERT INTO V_TA_CPTE (CODIGO, R_SUC_DEFAULT) VALUES ('RM', 1);"
        "INSERT INTO LIBROIVACOMPRAS (Fecha, Liva_Total, liva_aliciva, cabnombre) "
        "VALUES ('2015-03-31 10:00:00', 121.5, 10.5, 'PROVEEDOR');");
    ado::Connection cn;
    cn.Open(base.cadena());
    struct Campo {
        const char* sql;
        long tipo;
        long tamano;
        base::Variant::Type clase;
    };
    using VT = base::Variant::Type;
    const Campo campos[] = {
        {"SELECT cabnombre FROM LIBROIVACOMPRAS", ado::adVarChar, 100, VT::String},
        {"SELECT Fecha FROM LIBROIVACOMPRAS", ado::adDate, 16, VT::Date},
        {"SELECT MAX(Fecha) FROM LIBROIVACOMPRAS", ado::adDate, 16, VT::Date},
        {"SELECT Liva_Total FROM LIBROIVACOMPRAS", ado::adCurrency, 8, VT::Currency},
        {"SELECT liva_aliciva FROM LIBROIVACOMPRAS", ado::adDouble, 8, VT::Double},
        {"SELECT R_SUC_DEFAULT FROM V_TA_CPTE", ado::adInteger, 4, VT::Long},
        {"SELECT Administrador FROM TA_USUARIOS", ado::adSmallInt, 2, VT::Integer},
        {"SELECT verproforma FROM TA_USUARIOS", ado::adBoolean, 2, VT::Boolean},
        {"SELECT COUNT(*) AS N FROM TA_USUARIOS", ado::adInteger, 4, VT::Long},
    };
    for (const Campo& c : campos) {
        ado::Recordset rs;
        rs.Open(QString::fromUtf8(c.sql), cn);
        EXPECT_EQ(rs.Fields(0).Type(), c.tipo) << c.sql;
        EXPECT_EQ(rs.Fields(0).DefinedSize(), c.tamano) << c.sql;
        EXPECT_EQ(rs.Fields(0).Value().type(), c.clase) << c.sql;
    }
    ado::Recordset rs;
    rs.Open(QStringLiteral("SELECT Fecha, Liva_Total FROM LIBROIVACOMPRAS"), cn);
    EXPECT_EQ(rs("FECHA").rawDate(), QDateTime(QDate(2015, 3, 31), QTime(10, 0)));
    EXPECT_EQ(rs("liva_total").toCurrency(), 1215000);
}

TEST(Consultas, solo_avance_fluye_y_los_desplazables_cuentan_filas) {
    prueba::BaseDePrueba base({"remitos_periodo.sql"});
    ado::Connection cn;
    cn.Open(base.cadena());
    const QString sql = QStringLiteral("SELECT IDCOMPROBANTE FROM V_MV_CPTE ORDER BY IDCOMPROBANTE");

    ado::Recordset avance;
    avance.Open(sql, cn);
    EXPECT_EQ(avance.RecordCount(), -1);
    EXPECT_FALSE(avance.BOF());
    avance.MoveFirst();   // still on the first row
    avance.MoveNext();
    try {
        avance.MoveFirst();
        ADD_FAILURE() << "a forward-only recordset went back";
    } catch (const base::Error& e) {
        EXPECT_EQ(e.Number, ado::DB_E_CANTFETCHBACKWARDS);
    }
    avance.MoveLast();
    EXPECT_EQ(avance("IDCOMPROBANTE").toString().toStdString(), "000200000016R");
    avance.MoveNext();
    EXPECT_TRUE(avance.EOF_());

    ado::Recordset dinamico;
    dinamico.Open(sql, cn, ado::adOpenDynamic, ado::adLockOptimistic);
    EXPECT_EQ(dinamico.RecordCount(), 9);
    dinamico.MoveLast();
    dinamico.MoveFirst();
    const auto todas = dinamico.GetRows();
    ASSERT_EQ(todas.size(), 9u);
    EXPECT_EQ(todas[0][0].toString().toStdString(), "000100000009r");
    EXPECT_TRUE(dinamico.EOF_());

    ado::Recordset vacio;
    vacio.Open(QStringLiteral("SELECT * FROM V_MV_CPTE WHERE 1 = 0"), cn);
    EXPECT_TRUE(vacio.BOF());
    EXPECT_TRUE(vacio.EOF_());
}
