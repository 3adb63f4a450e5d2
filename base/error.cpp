// Conversion of whatever a step threw into the suite's error object.
#include "base/error.h"

namespace base {

Error ErrorActual() {
    if (!std::current_exception()) return Error(err::ErrorInterno, QStringLiteral("Error desconocido"));
    try {
        throw;
    } catch (const Error& e) {
        return e;
    } catch (const std::exception& e) {
        return Error(err::ErrorInterno, QString::fromLocal8Bit(e.what()));
    } catch (...) {
        return Error(err::ErrorInterno, QStringLiteral("Error desconocido"));
    }
}

}  // namespace base
