// Scripted operator for tests: answers come from a queue (the default answer when it
// is empty) and every call is kept for the test to read.
#pragma once
#include <QList>
#include <QQueue>
#include "ui/operador.h"

namespace ui {

struct Llamada {
    QString tipo;     // "MsgBox", "InputBox", "ElegirCarpeta", "ElegirArchivo", "ElegirFecha", "PedirAcceso"
    QString texto;
    QString titulo;   // as given (empty when the caller gave none)
    int estilo = 0;
    int respuesta = 0;
};

class OperadorGuionado : public Operador {
public:
    // Answers for MsgBox, in order; when the queue is empty MsgBox answers
    // respuestaPorDefecto (vbOK unless changed).
    QQueue<int> respuestas;
    int respuestaPorDefecto = vbOK;
    QQueue<QString> textos;         // InputBox / ElegirCarpeta / ElegirArchivo answers
    QQueue<QDate> fechas;
    // Sign-in answers: each entry's Aceptar and the values to put into the dialog;
    // empty queue = cancel.
    struct RespuestaAcceso { bool aceptar; DatosAcceso datos; };
    QQueue<RespuestaAcceso> accesos;

    QList<Llamada> llamadas;        // every call, in order
    QList<DatosAcceso> accesosMostrados;  // what each sign-in dialog was filled with

    int MsgBox(const QString& texto, int estilo, const QString& titulo) override;
    QString InputBox(const QString& texto, const QString& titulo, const QString& porDefecto) override;
    QString ElegirCarpeta(const QString& titulo, QWidget* duenio) override;
    QString ElegirArchivo(const QString& titulo, const QString& filtro) override;
    QDate ElegirFecha(const QDate& inicial) override;
    bool PedirAcceso(DatosAcceso& datos) override;

    QList<Llamada> mensajes() const;   // only the MsgBox calls
};

// Installs a fresh scripted operator and returns it (owned by the program-wide slot).
OperadorGuionado& instalarOperadorGuionado();

}  // namespace ui
