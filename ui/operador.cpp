// The program-wide current operator. Until main or a test installs another one the
// headless operator answers, so that code running without a window never blocks on a
// dialog. The slot is dropped by base::ReiniciarGlobales (tests).
#include "ui/operador.h"
#include "base/globales.h"
#include "ui/operador_headless.h"

namespace ui {

QString TituloPrograma() { return QStringLiteral("RmAutoImpr"); }

namespace {
std::unique_ptr<Operador>& ranura() {
    static std::unique_ptr<Operador> actual;
    static bool registrado = false;
    if (!registrado) {
        registrado = true;
        base::AlReiniciar([] { ranura().reset(); });
    }
    return actual;
}
}  // namespace

Operador& operador() {
    auto& r = ranura();
    if (!r) r = std::make_unique<OperadorHeadless>();
    return *r;
}

void instalarOperador(std::unique_ptr<Operador> op) { ranura() = std::move(op); }

}  // namespace ui
