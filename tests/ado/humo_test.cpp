#include <gtest/gtest.h>
#include "ado/connection.h"
#include "ado/recordset.h"
#include "tests/common/base_prueba.h"

TEST(Humo, abre_y_consulta) {
    prueba::BaseDePrueba base;
    base.Ejecutar("INSERT INTO TA_CONFIGURACION (Clave, Valor) VALUES ('CUIT', '30-12345678-9');");
    ado::Connection cn;
    cn.Open(base.cadena());
    ado::Recordset rs;
    rs.Open("SELECT VALOR, valoraux FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = 'cuit '", cn);
    ASSERT_FALSE(rs.EOF_());
    EXPECT_EQ(rs("Valor").toString(), QStringLiteral("30-12345678-9"));
}
