// Guarded steps: the suite's failure rule for a routine made of steps.
// On a failure in a step the handler is asked (with the failure): 4 repeats the step,
// 5 goes on with the next step, anything else leaves the routine.
#pragma once
#include <functional>
#include <vector>
#include "base/error.h"

namespace base {

constexpr int Reintentar = 4;
constexpr int Continuar = 5;

using Paso = std::function<void()>;
using Manejador = std::function<int(const Error&)>;

// Runs the steps in order; returns true when the last step was reached and ended
// (by finishing or by answer 5), false when the routine was left.
bool EjecutarPasos(const std::vector<Paso>& pasos, const Manejador& manejador);

// A single guarded step: the same rule for one step (4 repeats it; 5 or success
// returns true; anything else returns false).
bool PasoGuardado(const Paso& paso, const Manejador& manejador);

// The handler for routines that ignore every failure and go on.
int IgnorarFalla(const Error&);

}  // namespace base
