// Starts a sibling program of the suite with the suite's parameter string.
#pragma once
#include <QString>

void MenuExes(const QString& programa, const QString& parametroAdicional, long& idProceso);
