// Keyed status bar: one sunken label per panel, in a row, each as wide as its twips
// / 15 (a date panel at least as wide as a whole date). Date panels show base::Reloj's date as dd/mm/yyyy; a timer refreshes them
// every half minute so the date turns at midnight. Errors follow the common-controls
// status bar: 35600 for an unknown key or position, 35602 for a repeated key.
#include "ui/barra_estado.h"
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include "base/error.h"
#include "base/reloj.h"

namespace ui {

namespace {
constexpr int kTwipsPorPixel = 15;
QString fechaActual() { return base::Reloj::Ahora().date().toString(QStringLiteral("dd/MM/yyyy")); }
[[noreturn]] void fueraDeRango() { throw base::Error(35600, QStringLiteral("Index out of bounds")); }
}  // namespace

BarraEstado::BarraEstado(QWidget* parent) : QWidget(parent) {
    auto* capa = new QHBoxLayout(this);
    capa->setContentsMargins(0, 0, 0, 0);
    capa->setSpacing(2);
    capa->addStretch(1);
    auto* temporizador = new QTimer(this);
    temporizador->setInterval(30 * 1000);
    connect(temporizador, &QTimer::timeout, this, [this] {
        for (const Panel& p : std::as_const(paneles_))
            if (p.estilo == EstiloPanel::Fecha) p.etiqueta->setText(fechaActual());
    });
    temporizador->start();
}

void BarraEstado::AgregarPanel(const QString& clave, EstiloPanel estilo, int anchoTwips, const QString& texto) {
    if (!clave.isEmpty()) {
        for (const Panel& p : std::as_const(paneles_))
            if (p.clave.compare(clave, Qt::CaseInsensitive) == 0)
                throw base::Error(35602, QStringLiteral("Key is not unique in collection"));
    }
    auto* etiqueta = new QLabel(this);
    etiqueta->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    int ancho = anchoTwips / kTwipsPorPixel;
    if (estilo == EstiloPanel::Fecha) {
        // The date is never cut: the panel grows to the width of a whole date when the
        // font is wider than the one the twips were measured with.
        const int margen = 2 * etiqueta->frameWidth() + 2 * etiqueta->margin() + 6;
        ancho = qMax(ancho, etiqueta->fontMetrics().horizontalAdvance(QStringLiteral("00/00/0000")) + margen);
    }
    etiqueta->setFixedWidth(ancho);
    etiqueta->setTextFormat(Qt::PlainText);
    etiqueta->setText(estilo == EstiloPanel::Fecha ? fechaActual() : texto);
    auto* capa = static_cast<QHBoxLayout*>(layout());
    capa->insertWidget(capa->count() - 1, etiqueta);   // before the closing stretch
    paneles_.append({clave, estilo, anchoTwips, texto, QString(), etiqueta});
}

int BarraEstado::CantidadPaneles() const { return int(paneles_.size()); }

// A key (any case); a text of digits that is no panel's key is taken as a 1-based position.
int BarraEstado::buscar(const QString& clave) const {
    if (!clave.isEmpty()) {
        for (int i = 0; i < paneles_.size(); ++i)
            if (paneles_[i].clave.compare(clave, Qt::CaseInsensitive) == 0) return i;
        bool numero = false;
        const int posicion = clave.toInt(&numero);
        if (numero && posicion >= 1 && posicion <= paneles_.size()) return posicion - 1;
    }
    fueraDeRango();
}

QString BarraEstado::Texto(const QString& clave) const { return paneles_[buscar(clave)].texto; }

void BarraEstado::setTexto(const QString& clave, const QString& texto) {
    Panel& p = paneles_[buscar(clave)];
    p.texto = texto;
    if (p.estilo == EstiloPanel::Texto) p.etiqueta->setText(texto);
}

QString BarraEstado::ToolTip(const QString& clave) const { return paneles_[buscar(clave)].tooltip; }

void BarraEstado::setToolTip(const QString& clave, const QString& texto) {
    Panel& p = paneles_[buscar(clave)];
    p.tooltip = texto;
    p.etiqueta->setToolTip(texto);
}

QString BarraEstado::Clave(int posicion) const {
    if (posicion < 1 || posicion > paneles_.size()) fueraDeRango();
    return paneles_[posicion - 1].clave;
}

QString BarraEstado::TextoEn(int posicion) const {
    if (posicion < 1 || posicion > paneles_.size()) fueraDeRango();
    const Panel& p = paneles_[posicion - 1];
    if (p.estilo == EstiloPanel::Fecha) {
        p.etiqueta->setText(fechaActual());
        return p.etiqueta->text();
    }
    return p.texto;
}

int BarraEstado::AnchoTwips(int posicion) const {
    if (posicion < 1 || posicion > paneles_.size()) fueraDeRango();
    return paneles_[posicion - 1].ancho;
}

EstiloPanel BarraEstado::Estilo(int posicion) const {
    if (posicion < 1 || posicion > paneles_.size()) fueraDeRango();
    return paneles_[posicion - 1].estilo;
}

}  // namespace ui
