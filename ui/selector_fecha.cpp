// Date picker dialog over QCalendarWidget; "today" comes from base::Reloj.
#include "ui/selector_fecha.h"
#include <QCalendarWidget>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>
#include "base/reloj.h"

namespace ui {

SelectorFecha::SelectorFecha(const QDate& inicial, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Elegir fecha"));
    setModal(true);
    calendario_ = new QCalendarWidget(this);
    calendario_->setGridVisible(true);
    calendario_->setLocale(QLocale(QLocale::Spanish, QLocale::Argentina));   // the program speaks Spanish
    calendario_->setFirstDayOfWeek(Qt::Monday);
    auto* botones = new QDialogButtonBox(this);
    QPushButton* aceptar = botones->addButton(QStringLiteral("Aceptar"), QDialogButtonBox::AcceptRole);
    botones->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);
    aceptar->setDefault(true);
    auto* capa = new QVBoxLayout(this);
    capa->addWidget(calendario_);
    capa->addWidget(botones);
    connect(botones, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(botones, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(calendario_, &QCalendarWidget::activated, this, &QDialog::accept);
    setFecha(inicial);
}

QDate SelectorFecha::Fecha() const { return calendario_->selectedDate(); }

void SelectorFecha::setFecha(const QDate& fecha) {
    calendario_->setSelectedDate(fecha.isValid() ? fecha : base::Reloj::Ahora().date());
}

QDate SelectorFecha::Elegir(const QDate& inicial, QWidget* parent) {
    SelectorFecha d(inicial, parent);
    return d.exec() == QDialog::Accepted ? d.Fecha() : QDate();
}

}  // namespace ui
