// The global settings load: every key of the settings record read from the
// configuration table, and the signed-in user's record.
#pragma once
#include <QString>

void CargaConfiguracion(const QString& carpetaAplicacion);
