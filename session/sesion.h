// The session values set once at start-up from the suite's parameter string and the
// initialisation file, and the program's end.
#pragma once
#include <QString>
#include <cstdint>
#include <functional>

struct Sesion {
    QString gUsuarioLogeado;              // signed-in user
    QString gCaja = QStringLiteral("1");  // cash-register number
    QString gParametroAdicional;
    QString gMenu;
    QString gClaveEquipo;                 // workstation key, at most 50 characters
    double gFlatToolbars = 1;             // toolbar style
    int16_t gTimeOut = 360;               // command time-out in seconds
    QString CarpetaAplicacion;            // the program's folder, ending with "/"
    QString ArchivoAyuda;                 // CarpetaAplicacion + "htmlhelp/zorvsuite.chm"
    // The suite's parameter string given on the process's command line (the program's
    // own options removed); InicioSistema reads it when it is given none.
    QString LineaDeComandos;
    bool Terminado = false;               // TerminarPrograma was called
};

Sesion& gSesion();

// Ends the program (the suite's End): marks the session ended and runs the installed
// ending, by default leaving the process with `codigo`. Tests install their own.
void TerminarPrograma(int codigo);
void InstalarFinDelPrograma(std::function<void(int)> fin);
