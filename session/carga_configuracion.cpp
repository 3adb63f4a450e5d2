// Settings load (being written).
#include "session/carga_configuracion.h"
void CargaConfiguracion(const QString&) {}
