// Reading the suite's parameter string: first occurrence of a key in any case, up to the
// next ";", every "=" removed, trimmed.
#include <gtest/gtest.h>
#include <string>
#include "session/inicio_sistema.h"

namespace {

struct CasoParametro {
    const char* cadena;
    const char* clave;
    const char* esperado;
};

class Parametros : public ::testing::TestWithParam<CasoParametro> {};

TEST_P(Parametros, valor_de_la_clave) {
    const auto& c = GetParam();
    EXPECT_EQ(ValorParametro(QString::fromUtf8(c.cadena), QString::fromUtf8(c.clave), QStringLiteral("<def>")),
              QString::fromUtf8(c.esperado));
}

INSTANTIATE_TEST_SUITE_P(
    Cadena, Parametros,
    ::testing::Values(
        // "@usuario" before "@UsuarioLogeado": each gets its own value.
        CasoParametro{"@server=sqlite;@usuario=ana;@UsuarioLogeado=pepe;", "@Usuario", "ana"},
        CasoParametro{"@server=sqlite;@usuario=ana;@UsuarioLogeado=pepe;", "@UsuarioLogeado", "pepe"},
        // Reversed: the first "@Usuario" is the start of "@UsuarioLogeado".
        CasoParametro{"@UsuarioLogeado=pepe;@usuario=ana;", "@Usuario", "Logeadopepe"},
        // The last item without a closing ";" runs to the end.
        CasoParametro{"@server=x;@Caja=3", "@Caja", "3"},
        CasoParametro{"@server=x;", "@Caja", "<def>"},
        // Keys in any case; blanks trimmed.
        CasoParametro{"@SERVER=SRV01;@dbname= empresa ;", "@Server", "SRV01"},
        CasoParametro{"@SERVER=SRV01;@dbname= empresa ;", "@DbName", "empresa"},
        // ";" cuts a value; "=" is removed from it.
        CasoParametro{"@Password=a;b;", "@Password", "a"},
        CasoParametro{"@Password=a=b=c;", "@Password", "abc"},
        CasoParametro{"@server=sqlite;@dbname=F;@usuario=ana;@Password=x;tuco@", "@ParametroAdicional", "<def>"}),
    [](const ::testing::TestParamInfo<CasoParametro>& i) {
        return "caso" + std::to_string(i.index) + "_" + std::string(i.param.clave + 1);
    });

}  // namespace
