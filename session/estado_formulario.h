// Form state persistence in TA_CONFIG_FORM: what a window's controls showed when it was
// closed, per user, shown again the next time it opens.
#pragma once
#include <QString>

class QWidget;

void GrabaConfigForm(QWidget* formulario, const QString& Sufijo, const QString& Control);
void LeeConfigForm(QWidget* formulario, const QString& Sufijo, const QString& Control);
