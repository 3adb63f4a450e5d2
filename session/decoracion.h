// Window decoration (icon, toolbar style) and the status bar's panels.
#pragma once
#include <QString>

class QWidget;
namespace ui { class BarraEstado; }

void DecoraFormulario(QWidget* formulario);
void ArmaBarraEstado(ui::BarraEstado* barra, const QString& mensaje);
