// SQL literal, name and statement builders: SQLValue and the apostrophe doubling,
// AgregaValor + ArmaSentencia, NombreServidor, AdaptaTop, the name functions and the
// type classifiers.
#include <gtest/gtest.h>
#include "tests/data/impresion.h"
#include "base/error.h"
#include "base/format.h"
#include "base/globales.h"
#include "data/global.h"

namespace {

struct CasoTexto {
    QString entrada;
    QString esperado;
};

TEST(SQLValue, comilla_cita_el_valor_y_duplica_sus_apostrofos) {
    DB_Dll& db = DBMain();
    const QString comilla = QStringLiteral("'");
    EXPECT_EQ(db.SQLValue(QStringLiteral("ANA"), comilla), QStringLiteral("'ANA'"));
    EXPECT_EQ(db.SQLValue(QStringLiteral("O'Brien"), comilla), QStringLiteral("'O''Brien'"));
    EXPECT_EQ(db.SQLValue(QStringLiteral("x' OR '1'='1"), comilla), QStringLiteral("'x'' OR ''1''=''1'"));
    EXPECT_EQ(db.SQLValue(QString(), comilla), QStringLiteral("''"));
    EXPECT_EQ(db.SQLValue(base::Variant::Null(), comilla), QStringLiteral("NULL"));
}

TEST(SQLValue, arroba_escribe_el_importe_con_punto_y_el_nulo_como_cero) {
    DB_Dll& db = DBMain();
    const QString arroba = QStringLiteral("@");
    EXPECT_EQ(db.SQLValue(QStringLiteral("1234,5"), arroba), QStringLiteral("1234.5"));
    EXPECT_EQ(db.SQLValue(QStringLiteral("-0,25"), arroba), QStringLiteral("-0.25"));
    EXPECT_EQ(db.SQLValue(base::Variant::Null(), arroba), QStringLiteral("0"));
}

TEST(SQLValue, otra_marca_deja_el_valor_sin_comillas) {
    DB_Dll& db = DBMain();
    EXPECT_EQ(db.SQLValue(QStringLiteral("12"), QString()), QStringLiteral("12"));
    EXPECT_EQ(db.SQLValue(QStringLiteral("O'Brien"), QString()), QStringLiteral("O'Brien"));
    EXPECT_EQ(db.SQLValue(base::Variant::Null(), QStringLiteral("#")), QStringLiteral("NULL"));
}

TEST(TextoSQL, duplica_cada_apostrofo_y_no_toca_lo_demas) {
    const CasoTexto casos[] = {
        {QStringLiteral("Carpeta D'Angelo"), QStringLiteral("Carpeta D''Angelo")},
        {QStringLiteral("''"), QStringLiteral("''''")},
        {QStringLiteral("sin apostrofos"), QStringLiteral("sin apostrofos")},
        {QString(), QString()},
    };
    for (const auto& c : casos) EXPECT_EQ(TextoSQL(c.entrada), c.esperado) << c.entrada.toStdString();
}

TEST(AgregaValor, quita_los_apostrofos_del_valor_del_llamador) {
    QString valor = QStringLiteral("O'Brien");
    AgregaValor(QStringLiteral("Usuario"), valor, QStringLiteral("'"), true);
    EXPECT_EQ(valor, QStringLiteral("OBrien"));
    ASSERT_EQ(gCamposValores().size(), 1u);
    EXPECT_EQ(gCamposValores()[0].Campo, QStringLiteral("Usuario"));
    EXPECT_EQ(gCamposValores()[0].Valor, QStringLiteral("'OBrien'"));
}

TEST(AgregaValor, null_en_cualquier_caja_da_Null_sea_cual_sea_la_marca) {
    AgregaValor(QStringLiteral("a"), QStringLiteral("null"), QStringLiteral("'"), true);
    AgregaValor(QStringLiteral("b"), QStringLiteral("NuLL"), QStringLiteral("@"), false);
    ASSERT_EQ(gCamposValores().size(), 2u);
    EXPECT_EQ(gCamposValores()[0].Valor, QStringLiteral("Null"));
    EXPECT_EQ(gCamposValores()[1].Valor, QStringLiteral("Null"));
}

TEST(ArmaSentencia, insert_con_dos_pares_y_entrada_vacia_detras) {
    QStringList sentencias{QString()};
    AgregaValor(QStringLiteral("Maquina"), QStringLiteral("PC1"), QStringLiteral("'"), true);
    AgregaValor(QStringLiteral("Usuario"), QStringLiteral("ANA"), QStringLiteral("'"), false);
    ArmaSentencia(gCamposValores(), sentencias, QStringLiteral("Control_Acceso"), false);
    EXPECT_EQ(sentencias, (QStringList{QString(), QStringLiteral("INSERT INTO Control_Acceso (Maquina,Usuario) VALUES ('PC1','ANA')"),
                                       QString()}));
    // Without "keep" the pair list is back to one empty pair.
    ASSERT_EQ(gCamposValores().size(), 1u);
    EXPECT_TRUE(gCamposValores()[0].Campo.isEmpty());
    EXPECT_TRUE(gCamposValores()[0].Valor.isEmpty());
}

TEST(ArmaSentencia, update_pone_WHERE_delante_de_la_condicion_del_llamador) {
    std::vector<CampoValor> pares{{QStringLiteral("a"), QStringLiteral("1")}, {QStringLiteral("b"), QStringLiteral("2")}};
    QStringList sentencias;
    QString condicion = QStringLiteral("id=3");
    ArmaSentencia(pares, sentencias, QStringLiteral("T"), true, condicion, true);
    EXPECT_EQ(sentencias, (QStringList{QStringLiteral("UPDATE T SET a = 1,b = 2  WHERE id=3"), QString()}));
    EXPECT_EQ(condicion, QStringLiteral(" WHERE id=3"));
    EXPECT_EQ(pares.size(), 2u);   // kept

    QString conWhere = QStringLiteral("where id=4");
    ArmaSentencia(pares, sentencias, QStringLiteral("T"), true, conWhere, false);
    EXPECT_EQ(sentencias.value(2), QStringLiteral("UPDATE T SET a = 1,b = 2 where id=4"));
    EXPECT_EQ(pares.size(), 1u);
}

TEST(NombreServidor, toma_lo_que_sigue_a_la_barra_y_precede_a_los_dos_puntos) {
    const CasoTexto casos[] = {
        {QStringLiteral("tcp/SRV01:1433"), QStringLiteral("SRV01")},
        {QStringLiteral("SRV01:1433"), QStringLiteral("SRV01")},
        {QStringLiteral("SRV01"), QStringLiteral("SRV01")},
        {QStringLiteral("tcp/SRV01"), QStringLiteral("SRV01")},
        {QStringLiteral("a/b/c:1"), QStringLiteral("b/c")},
        {QStringLiteral("ORA#"), QStringLiteral("ORA#")},
        {QString(), QString()},
    };
    for (const auto& c : casos) EXPECT_EQ(NombreServidor(c.entrada), c.esperado) << c.entrada.toStdString();
}

TEST(AdaptaTop, en_oracle_mueve_el_limite_a_ROWNUM) {
    DBMain().gConnString = QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=EMPRESA;User Id=u;Password=p;");
    const CasoTexto casos[] = {
        {QStringLiteral("select top 10 * from T"), QStringLiteral("select  *  from T WHERE ROWNUM <=  10 ")},
        {QStringLiteral("len"), QStringLiteral("LENGTH")},
        {QStringLiteral("TRIM"), QStringLiteral("TRIM")},
        {QStringLiteral("select * from T"), QStringLiteral("select * from T")},
    };
    for (const auto& c : casos) EXPECT_EQ(AdaptaTop(c.entrada), c.esperado) << c.entrada.toStdString();
}

TEST(AdaptaTop, en_sql_server_devuelve_el_texto_sin_cambios) {
    DBMain().gConnString = QStringLiteral("PROVIDER=SQLOLEDB;Server=SRV;Database =EMPRESA;UId=u;Pwd=p;");
    EXPECT_EQ(AdaptaTop(QStringLiteral("select top 10 * from T")), QStringLiteral("select top 10 * from T"));
    EXPECT_EQ(AdaptaTop(QStringLiteral("LEN")), QStringLiteral("LEN"));
}

TEST(FuncionesDeNombres, casos_de_cada_funcion) {
    DB_Dll& db = DBMain();
    EXPECT_EQ(db.StripConnect(QStringLiteral("Clientes -> ODBC")), QStringLiteral("Clientes"));
    EXPECT_EQ(db.StripConnect(QStringLiteral("Clientes")), QStringLiteral("Clientes"));
    EXPECT_EQ(db.StripFileName(QStringLiteral("C:\\datos\\base.mdb")), QStringLiteral("C:\\datos"));
    EXPECT_EQ(db.StripFileName(QStringLiteral("/srv/datos/base.mdb")), QStringLiteral("/srv/datos"));
    EXPECT_EQ(db.StripFileName(QStringLiteral("base.mdb")), QString());
    EXPECT_EQ(db.AddBrackets(QStringLiteral("Mis Datos")), QStringLiteral("[Mis Datos]"));
    EXPECT_EQ(db.AddBrackets(QStringLiteral("[Mis Datos]")), QStringLiteral("[Mis Datos]"));
    EXPECT_EQ(db.AddBrackets(QStringLiteral("Datos")), QStringLiteral("Datos"));
    EXPECT_EQ(db.StripBrackets(QStringLiteral("[Mis Datos]")), QStringLiteral("Mis Datos"));
    EXPECT_EQ(db.StripBrackets(QStringLiteral("Mis Datos")), QStringLiteral("Mis Datos"));

    QString owner = QStringLiteral("dbo.clientes");
    EXPECT_EQ(db.StripOwner(owner), QStringLiteral("clientes"));
    EXPECT_EQ(owner, QStringLiteral("clientes"));

    QString dosPuntos = QStringLiteral("dbo.clientes.nombre");
    EXPECT_EQ(db.stSTF(dosPuntos, true), QStringLiteral("clientes.nombre"));
    EXPECT_EQ(dosPuntos, QStringLiteral("clientes.nombre"));
    QString uno = QStringLiteral("clientes.nombre");
    EXPECT_EQ(db.stSTF(uno, true), QStringLiteral("nombre"));
    EXPECT_EQ(db.stSTF(uno, false), QStringLiteral("clientes"));
    QString sinPunto = QStringLiteral("clientes");
    EXPECT_EQ(db.stSTF(sinPunto, true), QStringLiteral("clientes"));
}

TEST(FuncionesDeNombres, argumentos_no_validos_fallan_con_el_error_5) {
    DB_Dll& db = DBMain();
    QString sinPunto = QStringLiteral("clientes");
    try {
        db.stSTF(sinPunto, false);
        FAIL() << "stSTF sin punto debía fallar";
    } catch (const base::Error& e) {
        EXPECT_EQ(e.Number, 5);
    }
    try {
        db.StripConnect(QStringLiteral("-> ODBC"));
        FAIL() << "StripConnect con la flecha al principio debía fallar";
    } catch (const base::Error& e) {
        EXPECT_EQ(e.Number, 5);
    }
}

TEST(ClasificadoresDeTipo, numeros_y_textos_de_codigo_dan_lo_mismo) {
    DB_Dll& db = DBMain();
    EXPECT_TRUE(db.adodate(7));
    EXPECT_TRUE(db.adodate(QStringLiteral("135")));
    EXPECT_FALSE(db.adodate(8));
    EXPECT_TRUE(db.ADOText(QStringLiteral("200")));
    EXPECT_TRUE(db.ADOText(129));
    EXPECT_TRUE(db.ADONumeric(3));
    EXPECT_TRUE(db.ADONumeric(QStringLiteral("131")));
    for (int noNumerico : {6, 11, 139, 7, 8}) EXPECT_FALSE(db.ADONumeric(noNumerico)) << noNumerico;
    EXPECT_TRUE(db.ADOCurrency(6));
    EXPECT_TRUE(db.ADOBoolean(QStringLiteral("11")));
    EXPECT_EQ(db.ADOComilla(8), QStringLiteral("'"));
    EXPECT_EQ(db.ADOComilla(QStringLiteral("64")), QStringLiteral("'"));
    EXPECT_EQ(db.ADOComilla(3), QString());
    EXPECT_EQ(db.ADOComilla(base::Variant()), QString());
}

TEST(FormatosDeFecha, fecha_y_hora_del_registro_de_accesos) {
    const QDateTime momento(QDate(2015, 3, 7), QTime(17, 5, 9));
    EXPECT_EQ(base::Format(base::Variant(momento), FmtFechaHora()), QStringLiteral("07/03/15 17:05"));
    EXPECT_EQ(base::Format(base::Variant(momento), FmtFecha() + QStringLiteral(" ") + FmtHora()),
              QStringLiteral("07/03/15 17:05"));
}

TEST(ObjetosDelPrograma, se_crean_al_usarlos_y_el_reinicio_los_descarta) {
    EXPECT_EQ(&DBMain(), &DBMain());
    EXPECT_NE(&DBMain(), &DBEstadisticas());
    EXPECT_NE(&DBEstadisticas(), &DBAlternativa());
    DBMain().gUsuario = QStringLiteral("ana");
    AgregaValor(QStringLiteral("a"), QStringLiteral("1"), QString(), true);
    base::ReiniciarGlobales();
    EXPECT_TRUE(DBMain().gUsuario.isEmpty());
    EXPECT_FALSE(DBMain().gEsAdmin);
    ASSERT_EQ(gCamposValores().size(), 1u);
    EXPECT_TRUE(gCamposValores()[0].Campo.isEmpty());
}

}  // namespace
