// Statement recorder at the boundary between the suite's code and the provider:
// every text as the suite's code sent it (Execute, Recordset::Open), before any
// dialect translation, so tests can assert the exact texts the suite's own server
// would receive.
#pragma once
#include <QStringList>

namespace ado {
struct RegistroSentencias {
    static void Iniciar();            // clears and starts recording
    static void Detener();
    static QStringList Sentencias();  // recorded texts in order
    static void Anotar(const QString& sql);  // called by Connection/Recordset
};
}  // namespace ado
