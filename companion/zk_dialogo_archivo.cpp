// ZkDialogoArchivo: the file-open dialog, through the current operator.
#include "companion/zorvkit.h"
#include "ui/operador.h"

void ZkDialogoArchivoClass::MostrarAbrir() {
    elegido_ = ui::operador().ElegirArchivo(TituloDialogo, FiltroDialogo);
    cancelado_ = elegido_.isEmpty() ? -1 : 0;
}
