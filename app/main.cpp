// Program entry: the main window with the Qt operator, or, with --remitos, the same
// window hidden and driven with the headless operator; --crear-base creates a company
// database (with --demo, the demo company).
#include <QApplication>
#include <QLineEdit>
#include <cstdio>
#include "app/frm_rm_auto_impr.h"
#include "app/linea_de_comandos.h"
#include "base/error.h"
#include "base/regional.h"
#include "schema/esquema.h"
#include "session/frm_acceso.h"
#include "session/sesion.h"
#include "ui/ferrobar.h"
#include "ui/lista_desplegable.h"
#include "ui/operador_headless.h"
#include "ui/operador_qt.h"

namespace {

void imprimir(const QString& texto) { std::fputs(texto.toLocal8Bit().constData(), stderr); }

// The month's file without showing the window: its own load (start-up, restored
// state), then year, month and folder as a user would give them, and the toolbar's
// save. The window's state is not saved, so a scheduled run changes nothing the user
// sees next time.
int exportarSinVentana(const LineaDeComandos& l, ui::OperadorHeadless& operador) {
    FrmRmAutoImpr ventana;
    ventana.Form_Load();
    if (gSesion().Terminado) return 2;
    ventana.Campo(QStringLiteral("AÑO"))->setText(QString::number(l.anio()));
    ventana.cmbCuatrimestre->setListIndex(l.mes());
    ventana.Campo(QStringLiteral("Carpeta"))->setText(l.carpeta);
    ventana.Ferrobar1_ButtonClick(QStringLiteral("GRABAR"));
    const auto mensajes = operador.mensajes();
    const bool exito = !mensajes.isEmpty() &&
                       mensajes.last().texto.startsWith(QStringLiteral("Se han generado satisfactoriamente"));
    return exito ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    QStringList argumentos;
    for (int i = 1; i < argc; ++i) argumentos << QString::fromLocal8Bit(argv[i]);
    const LineaDeComandos l = LineaDeComandos::Leer(argumentos);
    if (l.ayuda) {
        std::fputs(LineaDeComandos::Ayuda().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (!l.error.isEmpty()) {
        imprimir(l.error + QStringLiteral("\n\n") + LineaDeComandos::Ayuda());
        return 2;
    }
    // Without a window no display is needed.
    if (l.sinVentana() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacion(argc, argv);
    QApplication::setApplicationName(QStringLiteral("RmAutoImpr"));
    if (!l.regional.isEmpty()) base::Regional::establecer(base::Regional::desdeLocale(l.regional));
    gSesion().LineaDeComandos = l.parametros;

    if (!l.crearBase.isEmpty()) {
        try {
            esquema::CrearBase(l.crearBase, l.demo);
        } catch (const base::Error& e) {
            imprimir(QStringLiteral("No se pudo crear la base ") + l.crearBase + QStringLiteral(": ") + e.Description +
                     QStringLiteral("\n"));
            return 2;
        }
        if (l.remitos.isEmpty()) return 0;
    }

    if (!l.remitos.isEmpty()) {
        auto headless = std::make_unique<ui::OperadorHeadless>();
        ui::OperadorHeadless& operador = *headless;
        ui::instalarOperador(std::move(headless));
        return exportarSinVentana(l, operador);
    }

    ui::OperadorQt::setDialogoAcceso(&frmAcceso::Mostrar);
    ui::instalarOperador(std::make_unique<ui::OperadorQt>());
    FrmRmAutoImpr ventana;
    ventana.Form_Load();
    if (gSesion().Terminado) return 2;
    ventana.show();
    return aplicacion.exec();
}
