// Session values and the program's end.
#include "session/sesion.h"

#include <QApplication>
#include <QThread>
#include <QWidget>
#include <cstdlib>
#include <memory>
#include "base/globales.h"

namespace {
std::unique_ptr<Sesion> gSesionActual;
std::function<void(int)> gFin;

// The suite's End: every window is closed and the process leaves. Inside the event
// loop the loop is asked to end (main returns its code); before it runs (during the
// main window's load) the process leaves at once.
void finPorDefecto(int codigo) {
    if (QThread::currentThread()->loopLevel() > 0) {
        QApplication::closeAllWindows();
        QCoreApplication::exit(codigo);
    } else {
        std::exit(codigo);
    }
}
}  // namespace

Sesion& gSesion() {
    if (!gSesionActual) {
        gSesionActual = std::make_unique<Sesion>();
        base::AlReiniciar([] { gSesionActual.reset(); gFin = nullptr; });
    }
    return *gSesionActual;
}

void InstalarFinDelPrograma(std::function<void(int)> fin) {
    gSesion();
    gFin = std::move(fin);
}

void TerminarPrograma(int codigo) {
    gSesion().Terminado = true;
    if (gFin) gFin(codigo);
    else finPorDefecto(codigo);
}
