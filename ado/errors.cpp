// The Errors collection and the two ways a failure leaves the data-access platform:
// ADO's own errors (never added to Errors) and provider errors (added, then thrown).
#include "ado/errors.h"

#include "base/error.h"

namespace ado {

QString DescripcionAdo(long numero) {
    switch (numero) {
    case adErrObjectClosed:
        return QStringLiteral("No se permite realizar esta operación si el objeto está cerrado.");
    case adErrObjectOpen:
        return QStringLiteral("No se permite realizar esta operación si el objeto está abierto.");
    case adErrInvalidConnection:
        return QStringLiteral("No se puede usar la conexión para realizar esta operación. Está cerrada o no es válida en este contexto.");
    case adErrIllegalOperation:
        return QStringLiteral("No se permite realizar esta operación en este contexto.");
    case adErrItemNotFound:
        return QStringLiteral("No se encontró el elemento en la colección que corresponde al nombre o al ordinal solicitado.");
    case adErrNoCurrentRecord:
        return QStringLiteral("BOF o EOF es True, o el actual registro se eliminó. La operación solicitada requiere un registro actual.");
    case adErrFeatureNotAvailable:
        return QStringLiteral("El conjunto de registros actual no admite actualizaciones. Puede que se trate de una limitación del proveedor o del tipo de bloqueo seleccionado.");
    case DB_E_CANTFETCHBACKWARDS:
        return QStringLiteral("El conjunto de filas no admite recuperaciones hacia atrás.");
    case XACT_E_NOTRANSACTION:
        return QStringLiteral("No hay ninguna transacción activa.");
    default:
        return QStringLiteral("Error %1").arg(numero);
    }
}

void LanzarAdo(long numero, const QString& fuente) { throw base::Error(numero, DescripcionAdo(numero), fuente); }

void LanzarProveedor(Errors& errores, const Error& e) {
    errores.Clear();
    errores.Add(e);
    throw base::Error(e.Number, e.Description, e.Source);
}

const Error& Errors::Item(int i) const {
    if (i < 0 || i >= Count()) LanzarAdo(adErrItemNotFound, QStringLiteral("ADODB.Errors"));
    return items_[static_cast<size_t>(i)];
}

}  // namespace ado
