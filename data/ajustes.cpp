// The program-wide settings record: created on first use, dropped by the program-wide
// reset so that the next use starts from a first load's values.
#include "data/ajustes.h"
#include <memory>
#include "base/globales.h"

Ajustes& gAjustes() {
    static std::unique_ptr<Ajustes> ajustes;
    if (!ajustes) {
        static bool registrado = false;
        if (!registrado) {
            registrado = true;
            base::AlReiniciar([] { ajustes.reset(); });
        }
        ajustes = std::make_unique<Ajustes>();
    }
    return *ajustes;
}
