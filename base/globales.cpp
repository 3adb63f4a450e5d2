// The registry of resets of the program-wide objects. A registered reset stays
// registered (objects may register once, at start-up or on first creation), so each
// reset must be harmless when its object does not exist at that moment.
#include "base/globales.h"
#include <vector>

namespace base {

namespace {
std::vector<std::function<void()>>& registro() {
    static std::vector<std::function<void()>> r;
    return r;
}
}  // namespace

void AlReiniciar(std::function<void()> reinicio) {
    if (reinicio) registro().push_back(std::move(reinicio));
}

void ReiniciarGlobales() {
    // A copy: a reset may register further resets while the list is being run.
    const auto copia = registro();
    for (const auto& r : copia) r();
}

}  // namespace base
