// Sets an environment variable for one test and restores it afterwards.
#pragma once
#include <QByteArray>
#include <QtGlobal>

namespace prueba {
class Variable {
public:
    Variable(const char* nombre, const QByteArray& valor)
        : nombre_(nombre), habia_(qEnvironmentVariableIsSet(nombre)), anterior_(qgetenv(nombre)) {
        qputenv(nombre, valor);
    }
    ~Variable() {
        if (habia_) qputenv(nombre_, anterior_);
        else qunsetenv(nombre_);
    }
    Variable(const Variable&) = delete;
    Variable& operator=(const Variable&) = delete;

private:
    const char* nombre_;
    bool habia_;
    QByteArray anterior_;
};
}  // namespace prueba
