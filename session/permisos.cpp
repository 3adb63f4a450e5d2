// Permissions and access log (being written).
#include "session/permisos.h"
void VerificaPermisos(const QString&) {}
void GActualizarDatoScript(const QStringList&, bool& hayError, long& codigoNativo, bool, bool, QString&, QString&, bool) { hayError = false; codigoNativo = 0; }
