// Scripted operator: queued answers, every call recorded.
#include "ui/operador_guionado.h"

namespace ui {

int OperadorGuionado::MsgBox(const QString& texto, int estilo, const QString& titulo) {
    const int r = respuestas.isEmpty() ? respuestaPorDefecto : respuestas.dequeue();
    llamadas.append({QStringLiteral("MsgBox"), texto, titulo, estilo, r});
    return r;
}

QString OperadorGuionado::InputBox(const QString& texto, const QString& titulo, const QString& porDefecto) {
    Q_UNUSED(porDefecto);
    const QString r = textos.isEmpty() ? QString() : textos.dequeue();
    llamadas.append({QStringLiteral("InputBox"), texto, titulo, 0, 0});
    return r;
}

QString OperadorGuionado::ElegirCarpeta(const QString& titulo, QWidget*) {
    const QString r = textos.isEmpty() ? QString() : textos.dequeue();
    llamadas.append({QStringLiteral("ElegirCarpeta"), QString(), titulo, 0, 0});
    return r;
}

QString OperadorGuionado::ElegirArchivo(const QString& titulo, const QString& filtro) {
    const QString r = textos.isEmpty() ? QString() : textos.dequeue();
    llamadas.append({QStringLiteral("ElegirArchivo"), filtro, titulo, 0, 0});
    return r;
}

QDate OperadorGuionado::ElegirFecha(const QDate& inicial) {
    const QDate r = fechas.isEmpty() ? QDate() : fechas.dequeue();
    llamadas.append({QStringLiteral("ElegirFecha"), inicial.toString(QStringLiteral("dd/MM/yyyy")), QString(), 0, 0});
    return r;
}

bool OperadorGuionado::PedirAcceso(DatosAcceso& datos) {
    accesosMostrados.append(datos);
    bool aceptar = false;
    if (!accesos.isEmpty()) {
        const RespuestaAcceso r = accesos.dequeue();
        aceptar = r.aceptar;
        if (aceptar) datos = r.datos;
    }
    llamadas.append({QStringLiteral("PedirAcceso"), QString(), QString(), 0, aceptar ? 1 : 0});
    return aceptar;
}

QList<Llamada> OperadorGuionado::mensajes() const {
    QList<Llamada> r;
    for (const Llamada& l : llamadas)
        if (l.tipo == QLatin1String("MsgBox")) r.append(l);
    return r;
}

OperadorGuionado& instalarOperadorGuionado() {
    auto op = std::make_unique<OperadorGuionado>();
    OperadorGuionado& ref = *op;
    instalarOperador(std::move(op));
    return ref;
}

}  // namespace ui
