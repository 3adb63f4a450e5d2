// The statistics database bootstrap and the lookup definitions file are built
// separately; until then the start-up keeps the default command time-out (360 s) and
// writes no definitions file.
#include "session/inicio_sistema.h"

void AbrirEstadisticas() {}
void GrabaConsultas() {}
