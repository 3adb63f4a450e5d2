// The current moment, or the one a test fixed.
#include "base/reloj.h"
#include <optional>

namespace base {

namespace {
std::optional<QDateTime>& fijo() {
    static std::optional<QDateTime> m;
    return m;
}
}  // namespace

QDateTime Reloj::Ahora() { return fijo() ? *fijo() : QDateTime::currentDateTime(); }
void Reloj::Fijar(const QDateTime& momento) { fijo() = momento; }
void Reloj::Liberar() { fijo().reset(); }

}  // namespace base
