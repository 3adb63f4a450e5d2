// The guarded-step rule: a failure in a step is turned into the suite's error object
// and handed to the routine's handler, whose answer retries (4), goes on (5) or
// leaves. The handler is called outside the catch block; what it throws propagates.
#include "base/pasos.h"
#include <optional>

namespace base {

namespace {
// Runs one step until it ends or the handler stops retrying; returns the handler's
// final answer, or Continuar when the step finished.
int correr(const Paso& paso, const Manejador& manejador) {
    for (;;) {
        std::optional<Error> fallo;
        try {
            paso();
            return Continuar;
        } catch (...) {
            fallo = ErrorActual();
        }
        int respuesta = manejador ? manejador(*fallo) : 0;
        if (respuesta != Reintentar) return respuesta;
    }
}
}  // namespace

bool EjecutarPasos(const std::vector<Paso>& pasos, const Manejador& manejador) {
    for (const Paso& paso : pasos)
        if (correr(paso, manejador) != Continuar) return false;
    return true;
}

bool PasoGuardado(const Paso& paso, const Manejador& manejador) { return correr(paso, manejador) == Continuar; }

int IgnorarFalla(const Error&) { return Continuar; }

}  // namespace base
