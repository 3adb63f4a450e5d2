// The progress window of long operations: a caption, a message and a busy bar. It is
// not modal and stays on top of the program's windows; changing its text lets the
// program process its pending events so that the new text is painted at once.
#pragma once
#include <QWidget>

class QLabel;
class QProgressBar;

namespace ui {

class VentanaAvance : public QWidget {
    Q_OBJECT
public:
    explicit VentanaAvance(QWidget* parent = nullptr);
    QString Titulo() const;
    void setTitulo(const QString& titulo);     // the window caption and the heading
    QString Texto() const;
    void setTexto(const QString& texto);       // processes pending events

private:
    QLabel* titulo_;
    QLabel* texto_;
    QProgressBar* barra_;
};

}  // namespace ui
