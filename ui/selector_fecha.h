// The date picker: a month calendar with "Aceptar" and "Cancelar". Double-clicking a
// day or pressing Enter accepts it.
#pragma once
#include <QDate>
#include <QDialog>

class QCalendarWidget;

namespace ui {

class SelectorFecha : public QDialog {
    Q_OBJECT
public:
    explicit SelectorFecha(const QDate& inicial = QDate(), QWidget* parent = nullptr);
    QDate Fecha() const;
    void setFecha(const QDate& fecha);
    QCalendarWidget* Calendario() const { return calendario_; }

    // Modal choice; an invalid date when cancelled. An invalid `inicial` starts on today.
    static QDate Elegir(const QDate& inicial, QWidget* parent = nullptr);

private:
    QCalendarWidget* calendario_;
};

}  // namespace ui
