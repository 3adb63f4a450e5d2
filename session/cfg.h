// The system configuration store: settings kept as key/value rows of the configuration
// table (NombreTablaConfig, normally TA_CONFIGURACION). A key without a row reads as a
// single blank (" "); a failure reads as empty text.
#pragma once
#include <QString>
#include "base/variant.h"

// Through the main data-access object.
QString Cfg(const QString& clave, QString& valorAux);
QString Cfg(const QString& clave);
// Through the statistics data-access object.
QString CfgQV(const QString& clave, QString& valorAux);
// Creates or updates the row of `clave` through the statistics object; failures are ignored.
void GrabaCfgQV(const QString& clave, const base::Variant& valor, const QString& valorAux,
                bool politicaNegocio, const QString& grupo, bool recortar);
