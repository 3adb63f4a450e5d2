// The suite's common start-up: parameter string (or initialisation file) -> open
// connection and session values; then statistics, lookup definitions, settings and
// the access record.
#pragma once
#include <QString>

void InicioSistema(bool usarArchivoIni, const QString& parametros, QString& connString, long cursorLocation);

// Value of `clave` in the suite's parameter string: first occurrence (any case), up to
// the next ";", every "=" removed, trimmed; `porDefecto` when absent.
QString ValorParametro(const QString& parametros, const QString& clave, const QString& porDefecto);

// Statistics database bootstrap and lookup definitions file (built separately).
void AbrirEstadisticas();
void GrabaConsultas();
