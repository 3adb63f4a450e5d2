// A temporary folder per test, removed at the end; nothing is written elsewhere.
#pragma once
#include <QString>
#include <QTemporaryDir>

namespace prueba {
class CarpetaTemporal {
public:
    CarpetaTemporal() { dir_.setAutoRemove(true); }
    QString ruta() const { return dir_.path(); }
    QString archivo(const QString& nombre) const { return dir_.path() + QLatin1Char('/') + nombre; }

private:
    QTemporaryDir dir_;
};
}  // namespace prueba
