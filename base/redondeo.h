// Rounding as the suite's runtime does it: halves to even (CInt, CLng, Round, Format).
#pragma once
#include <cstdint>

namespace base {
double RedondeoPar(double v, int decimales = 0);
}  // namespace base
