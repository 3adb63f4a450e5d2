// Form state (being written).
#include "session/estado_formulario.h"
void GrabaConfigForm(QWidget*, const QString&, const QString&) {}
void LeeConfigForm(QWidget*, const QString&, const QString&) {}
