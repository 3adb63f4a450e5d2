// The operator of a run with windows: real modal dialogs. Message boxes get the
// buttons and icon of the style number (buttons 0-5, icons 16/32/48/64, default
// button 256/512) with the Spanish captions (Aceptar, Cancelar, Anular, Reintentar,
// Omitir, Sí, No) and answer 1..7; the sign-in dialog is installed from above
// (session/) with setDialogoAcceso, and without one PedirAcceso answers false.
#pragma once
#include <functional>
#include "ui/operador.h"

namespace ui {

class OperadorQt : public Operador {
public:
    int MsgBox(const QString& texto, int estilo, const QString& titulo) override;
    QString InputBox(const QString& texto, const QString& titulo, const QString& porDefecto) override;
    QString ElegirCarpeta(const QString& titulo, QWidget* duenio) override;
    QString ElegirArchivo(const QString& titulo, const QString& filtro) override;
    QDate ElegirFecha(const QDate& inicial) override;
    bool PedirAcceso(DatosAcceso& datos) override;

    static void setDialogoAcceso(std::function<bool(DatosAcceso&)> dialogo);

    // "Description |*.EXT|Other|*.A;*.B" -> "Description (*.EXT);;Other (*.A *.B)".
    static QString FiltroQt(const QString& filtro);
};

}  // namespace ui
