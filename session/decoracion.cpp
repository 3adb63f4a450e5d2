// Decoration and status bar (being written).
#include "session/decoracion.h"
void DecoraFormulario(QWidget*) {}
void ArmaBarraEstado(ui::BarraEstado*, const QString&) {}
