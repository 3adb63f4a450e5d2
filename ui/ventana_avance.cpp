// Progress window: caption, message, busy bar (range 0..0 = indeterminate).
#include "ui/ventana_avance.h"
#include <QCoreApplication>
#include <QFont>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace ui {

VentanaAvance::VentanaAvance(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowModality(Qt::NonModal);
    titulo_ = new QLabel(this);
    QFont negrita = titulo_->font();
    negrita.setBold(true);
    titulo_->setFont(negrita);
    texto_ = new QLabel(this);
    texto_->setWordWrap(true);
    texto_->setMinimumWidth(320);
    barra_ = new QProgressBar(this);
    barra_->setRange(0, 0);
    barra_->setTextVisible(false);
    auto* capa = new QVBoxLayout(this);
    capa->addWidget(titulo_);
    capa->addWidget(texto_);
    capa->addWidget(barra_);
}

QString VentanaAvance::Titulo() const { return titulo_->text(); }

void VentanaAvance::setTitulo(const QString& titulo) {
    setWindowTitle(titulo);
    titulo_->setText(titulo);
}

QString VentanaAvance::Texto() const { return texto_->text(); }

void VentanaAvance::setTexto(const QString& texto) {
    texto_->setText(texto);
    QCoreApplication::processEvents();
}

}  // namespace ui
