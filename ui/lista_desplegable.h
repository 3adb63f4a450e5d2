// A drop-down list (no typing) with the suite's ListIndex: -1 means no selection, and
// setting ListIndex from code raises Click exactly as a user's choice does (even when
// the index does not change), which windows use to recompute what depends on it.
#pragma once
#include <QComboBox>

namespace ui {

class ListaDesplegable : public QComboBox {
    Q_OBJECT
public:
    explicit ListaDesplegable(QWidget* parent = nullptr);
    int ListIndex() const { return currentIndex(); }
    void setListIndex(int indice);      // raises Click
    void Clear();                        // empties the list; ListIndex -1
    void AddItem(const QString& texto);  // appends; ListIndex unchanged (-1 stays -1)

signals:
    void Click();

private:
    bool cambiandoDesdeCodigo_ = false;
};

}  // namespace ui
