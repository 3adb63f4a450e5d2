// Program-wide objects are created on first use; each registers how to drop itself
// here so that a test can reset the whole set between tests.
#pragma once
#include <functional>

namespace base {
void AlReiniciar(std::function<void()> reinicio);
void ReiniciarGlobales();   // runs every registered reset (tests)
}  // namespace base
