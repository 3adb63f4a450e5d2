// ZkGeneral::ValorSeguro for a recordset field, apart so that users of the companion
// library that never read fields do not need the data-access library's field code.
#include "ado/recordset.h"
#include "companion/zorvkit.h"

base::Variant ZkGeneralClass::ValorSeguro(const ado::Field& f) { return ValorSeguro(f.Value()); }
