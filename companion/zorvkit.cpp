// The program-wide objects of the companion library: each is created on first use
// and dropped by base::ReiniciarGlobales (tests), after which the next use creates a
// fresh one.
#include "companion/zorvkit.h"
#include <memory>
#include "base/globales.h"

namespace {
template <class T>
T& unico() {
    static std::unique_ptr<T> objeto;
    static bool registrado = false;
    if (!registrado) {
        registrado = true;
        base::AlReiniciar([] { objeto.reset(); });
    }
    if (!objeto) objeto = std::make_unique<T>();
    return *objeto;
}
}  // namespace

ZkGeneralClass& ZkGeneral() { return unico<ZkGeneralClass>(); }
ZkControlesClass& ZkControles() { return unico<ZkControlesClass>(); }
ZkSesionClass& ZkSesion() { return unico<ZkSesionClass>(); }
ZkArchivoIniClass& ZkArchivoIni() { return unico<ZkArchivoIniClass>(); }
ZkAvanceClass& ZkAvance() { return unico<ZkAvanceClass>(); }
ZkDialogoArchivoClass& ZkDialogoArchivo() { return unico<ZkDialogoArchivoClass>(); }
