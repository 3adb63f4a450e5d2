// The shape of the suite's error dialogs: texts, answer words and the QVERR.LOG line.
// The log line is MM-DD-YYYY HH:MM:SS (24-hour clock) and is written in Windows-1252
// with CR LF by one open-append-close, so two programs may share the log.
#include "companion/dialogo_error.h"
#include "base/archivos.h"
#include "base/entorno.h"
#include "base/texto.h"
#include "companion/zorvkit.h"
#include "ui/operador.h"

namespace dialogo_error {

QString Mensaje(const base::Error& e) {
    return QStringLiteral("Ha ocurrido el Siguiente Error (") + QString::number(e.Number) + QStringLiteral(") ") +
           base::Trim(e.Description);
}

QString ParteRutina(const QString& rutina) {
    return rutina.isEmpty() ? QString() : QStringLiteral(" - ") + rutina;
}

QString Titulo(const base::Error& e, const QString& rutina) {
    return e.Source + ParteRutina(rutina) + QStringLiteral(" Aviso al operador!!! ");
}

QString PalabraRespuesta(int respuesta) {
    switch (respuesta) {
    case ui::vbCancel: return QStringLiteral("Cancelar");
    case ui::vbAbort: return QStringLiteral("Abortar");
    case ui::vbRetry: return QStringLiteral("Reintentar");
    case ui::vbIgnore: return QStringLiteral("Ignorar");
    case ui::vbYes: return QStringLiteral("Sí");
    case ui::vbNo: return QStringLiteral("No");
    default: return QString();   // 1 (OK) and anything else
    }
}

QString LineaLog(const QDateTime& momento, const QString& rutina, const base::Error& e, int respuesta) {
    return momento.toString(QStringLiteral("MM-dd-yyyy HH:mm:ss")) + QStringLiteral(" Rutina: ") +
           base::Trim(ParteRutina(rutina)) + QStringLiteral(" Mensaje ") + base::Trim(Mensaje(e)) +
           QStringLiteral(" Respondió : ") + PalabraRespuesta(respuesta);
}

int Mostrar(const base::Error& e, int botones, const QString& rutina) {
    return ui::operador().MsgBox(Mensaje(e), botones, Titulo(e, rutina));
}

void AgregarAlLog(const QString& ruta, const QString& linea) { base::EscribirLinea(ruta, linea, true); }

QString RutaLogTemporal() {
    QString carpeta;
    if (!base::Entorno::Variable(QStringLiteral("TEMP")).isEmpty())
        carpeta = base::Entorno::Variable(QStringLiteral("TMP"));
    carpeta = base::Trim(carpeta);
    if (carpeta.isEmpty()) carpeta = ZkSesion().CarpetaTemporal();
    return ZkGeneral().CarpetaConBarra(carpeta) + QStringLiteral("QVERR.LOG");
}

}  // namespace dialogo_error
