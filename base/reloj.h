// Reloj: the current moment, replaceable in tests.
#pragma once
#include <QDateTime>

namespace base {
struct Reloj {
    static QDateTime Ahora();
    static void Fijar(const QDateTime& momento);  // tests: every Ahora() returns it
    static void Liberar();
};
}  // namespace base
