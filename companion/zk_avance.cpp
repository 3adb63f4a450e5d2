// ZkAvance: the progress window of long operations, shown only where there is a
// display; its state is kept in every case.
#include <QGuiApplication>
#include "companion/zorvkit.h"
#include "ui/ventana_avance.h"

namespace {
bool hayPantalla() {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return false;
    const QString p = QGuiApplication::platformName();
    return p != QLatin1String("offscreen") && p != QLatin1String("minimal");
}
}  // namespace

ZkAvanceClass::~ZkAvanceClass() { delete ventana_.data(); }

void ZkAvanceClass::MuestraAvance(const QString& titulo, int valor) {
    Q_UNUSED(valor);
    abierto_ = true;
    titulo_ = titulo;
    texto_.clear();
    if (!hayPantalla()) return;
    if (!ventana_) ventana_ = new ui::VentanaAvance;
    ventana_->setTitulo(titulo);
    ventana_->show();
    ventana_->raise();
    ventana_->setTexto(QString());
}

void ZkAvanceClass::ActualizaAvance(int valor, const QString& texto) {
    Q_UNUSED(valor);
    texto_ = texto;
    if (ventana_) ventana_->setTexto(texto);
}

void ZkAvanceClass::CierraAvance() {
    abierto_ = false;
    if (ventana_) {
        ventana_->close();
        ventana_->deleteLater();
        ventana_ = nullptr;
    }
}

bool ZkAvanceClass::Abierto() const { return abierto_; }
QString ZkAvanceClass::Texto() const { return texto_; }
QString ZkAvanceClass::Titulo() const { return titulo_; }
ui::VentanaAvance* ZkAvanceClass::Ventana() const { return ventana_.data(); }
