// The guarded-step rule: 4 repeats the failing step, 5 goes on, anything else leaves;
// every kind of exception reaches the handler as the suite's error object.
#include <gtest/gtest.h>
#include <stdexcept>
#include "base/pasos.h"

namespace {

// Three steps; the second fails the first `fallas` times it runs.
struct Rutina {
    int fallas = 1;
    std::vector<int> corridos;
    std::vector<base::Paso> pasos() {
        return {[this] { corridos.push_back(1); },
                [this] {
                    corridos.push_back(2);
                    if (fallas-- > 0) throw base::Error(3021, QStringLiteral("Sin registro actual"));
                },
                [this] { corridos.push_back(3); }};
    }
};

TEST(Pasos, cuatro_repite_cinco_sigue_otra_respuesta_abandona) {
    const struct {
        int respuesta;
        bool terminada;
        std::vector<int> corridos;
    } casos[] = {
        {base::Reintentar, true, {1, 2, 2, 3}},
        {base::Continuar, true, {1, 2, 3}},
        {1, false, {1, 2}},
        {0, false, {1, 2}},
    };
    for (const auto& c : casos) {
        Rutina r;
        std::vector<long> vistos;
        bool fin = base::EjecutarPasos(r.pasos(), [&](const base::Error& e) {
            vistos.push_back(e.Number);
            return c.respuesta;
        });
        EXPECT_EQ(fin, c.terminada) << c.respuesta;
        EXPECT_EQ(r.corridos, c.corridos) << c.respuesta;
        EXPECT_EQ(vistos, std::vector<long>{3021}) << c.respuesta;
    }
}

TEST(Pasos, reintenta_mientras_la_respuesta_sea_cuatro) {
    Rutina r;
    r.fallas = 3;
    int preguntas = 0;
    EXPECT_TRUE(base::EjecutarPasos(r.pasos(), [&](const base::Error&) { return ++preguntas < 3 ? 4 : 5; }));
    EXPECT_EQ(r.corridos, (std::vector<int>{1, 2, 2, 2, 3}));
}

TEST(Pasos, cualquier_excepcion_llega_como_error) {
    std::vector<std::pair<long, QString>> vistos;
    auto anotar = [&](const base::Error& e) {
        vistos.emplace_back(e.Number, e.Description);
        return base::Continuar;
    };
    EXPECT_TRUE(base::EjecutarPasos({[] { throw base::Error(76, QStringLiteral("Path not found")); },
                                     [] { throw std::runtime_error("disco lleno"); },
                                     [] { throw 7; }},
                                    anotar));
    const std::vector<std::pair<long, QString>> esperado = {
        {76, QStringLiteral("Path not found")},
        {51, QStringLiteral("disco lleno")},
        {51, QStringLiteral("Error desconocido")},
    };
    EXPECT_EQ(vistos, esperado);
}

TEST(Pasos, lo_que_lanza_el_manejador_sigue_hacia_afuera) {
    auto pasos = std::vector<base::Paso>{[] { throw base::Error(5, QStringLiteral("x")); }};
    EXPECT_THROW(base::EjecutarPasos(pasos, [](const base::Error&) -> int { throw std::logic_error("dialogo"); }),
                 std::logic_error);
}

TEST(Pasos, paso_guardado_e_ignorar_fallas) {
    int veces = 0;
    auto falla = [&] {
        ++veces;
        throw base::Error(13, QStringLiteral("Type mismatch"));
    };
    EXPECT_TRUE(base::PasoGuardado(falla, base::IgnorarFalla));
    EXPECT_FALSE(base::PasoGuardado(falla, [](const base::Error&) { return 3; }));
    EXPECT_TRUE(base::PasoGuardado([] {}, [](const base::Error&) { return 3; }));
    EXPECT_EQ(veces, 2);
}

}  // namespace
