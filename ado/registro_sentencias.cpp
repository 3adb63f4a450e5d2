// The statement recorder: a program-wide list, dropped by the program-wide reset.
#include "ado/registro_sentencias.h"

#include "base/globales.h"

namespace ado {

namespace {
struct Registro {
    bool activo = false;
    QStringList sentencias;
};
Registro& registro() {
    static Registro r;
    static const bool registrado = [] {
        base::AlReiniciar([] { registro() = Registro(); });
        return true;
    }();
    (void)registrado;
    return r;
}
}  // namespace

void RegistroSentencias::Iniciar() {
    registro().sentencias.clear();
    registro().activo = true;
}
void RegistroSentencias::Detener() { registro().activo = false; }
QStringList RegistroSentencias::Sentencias() { return registro().sentencias; }
void RegistroSentencias::Anotar(const QString& sql) {
    if (registro().activo) registro().sentencias.append(sql);
}

}  // namespace ado
