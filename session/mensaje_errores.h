// The message GActualizarDatoScript builds from the connection's errors after a batch.
#pragma once
#include <QString>
#include "ado/errors.h"

// One line per error, "native : description" + CR LF: with one error its line; with
// more, the lines of errors 0 to count - 2 (the last entry is left out). Empty text
// for an empty collection.
QString MensajeDeErrores(const ado::Errors& errores);
