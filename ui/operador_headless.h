// The operator of runs without a window: every message is printed as one line
// "title: text" on stderr and answered with the safe answer of its buttons (OK, Cancel,
// Abort, Cancel, No, Cancel for the styles 0-5); questions that need typing or a choice
// get an empty answer. The messages shown are kept so that the command line can decide
// the program's exit status.
#pragma once
#include <QList>
#include "ui/operador.h"

namespace ui {

struct MensajeMostrado {
    QString titulo;   // the title shown (TituloPrograma() when the caller gave none)
    QString texto;    // as given, line breaks included
    int estilo = 0;
};

class OperadorHeadless : public Operador {
public:
    int MsgBox(const QString& texto, int estilo, const QString& titulo) override;
    QString InputBox(const QString& texto, const QString& titulo, const QString& porDefecto) override;
    QString ElegirCarpeta(const QString& titulo, QWidget* duenio) override;
    QString ElegirArchivo(const QString& titulo, const QString& filtro) override;
    QDate ElegirFecha(const QDate& inicial) override;
    bool PedirAcceso(DatosAcceso& datos) override;

    const QList<MensajeMostrado>& mensajes() const { return mensajes_; }

    // The safe answer for a style: the button that abandons or declines.
    static int RespuestaSegura(int estilo);
    // The stderr line for a message: CR LF, CR and LF inside the text become one blank
    // each; other characters, trailing blanks included, are kept.
    static QString Linea(const QString& titulo, const QString& texto);

private:
    QList<MensajeMostrado> mensajes_;
};

}  // namespace ui
