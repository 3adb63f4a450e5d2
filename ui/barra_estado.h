// A status bar with keyed panels, like the common-controls status bar: each panel has
// an optional key, a style (text, or the current date kept by the bar itself), a width
// in twips (15 twips per pixel), a text and a tooltip.
#pragma once
#include <QList>
#include <QString>
#include <QWidget>

class QLabel;

namespace ui {

enum class EstiloPanel { Texto, Fecha };

class BarraEstado : public QWidget {
    Q_OBJECT
public:
    explicit BarraEstado(QWidget* parent = nullptr);

    void AgregarPanel(const QString& clave, EstiloPanel estilo, int anchoTwips,
                      const QString& texto = QString());
    int CantidadPaneles() const;
    // Panels by key (case-insensitive) or by 1-based position (also as a text of
    // digits that is no panel's key). An unknown key or position raises base::Error
    // 35600 ("Index out of bounds"); adding a key twice raises 35602.
    QString Texto(const QString& clave) const;
    void setTexto(const QString& clave, const QString& texto);
    QString ToolTip(const QString& clave) const;
    void setToolTip(const QString& clave, const QString& texto);
    QString Clave(int posicion) const;
    QString TextoEn(int posicion) const;      // what the panel shows (the date for a date panel)
    int AnchoTwips(int posicion) const;
    EstiloPanel Estilo(int posicion) const;

private:
    struct Panel { QString clave; EstiloPanel estilo; int ancho; QString texto; QString tooltip; QLabel* etiqueta; };
    int buscar(const QString& clave) const;
    QList<Panel> paneles_;
};

}  // namespace ui
