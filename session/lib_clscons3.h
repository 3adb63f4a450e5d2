// The shared lookup engine's properties set by the start-up (connection text and the
// lookup definitions file). The engine's search windows are built separately.
#pragma once
#include <QString>

class Lib_ClsCons3 {
public:
    QString gConnString;
    bool gUsarMascarasConsultas = false;
    QString gRutaMascaraConsultas;
};

Lib_ClsCons3& ClsCons3();
