// Headless operator: one stderr line per message, the safe answer, nothing waits.
#include "ui/operador_headless.h"
#include <cstdio>

namespace ui {

namespace {
void imprimir(const QString& linea) {
    const QByteArray b = linea.toUtf8();
    std::fwrite(b.constData(), 1, static_cast<size_t>(b.size()), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}
QString tituloEfectivo(const QString& titulo) { return titulo.isEmpty() ? TituloPrograma() : titulo; }
}  // namespace

int OperadorHeadless::RespuestaSegura(int estilo) {
    switch (estilo & 0x0F) {
    case vbOKOnly: return vbOK;
    case vbOKCancel: return vbCancel;
    case vbAbortRetryIgnore: return vbAbort;
    case vbYesNoCancel: return vbCancel;
    case vbYesNo: return vbNo;
    case vbRetryCancel: return vbCancel;
    default: return vbOK;
    }
}

QString OperadorHeadless::Linea(const QString& titulo, const QString& texto) {
    QString t = texto;
    t.replace(QLatin1String("\r\n"), QLatin1String(" "));
    t.replace(QLatin1Char('\r'), QLatin1Char(' '));
    t.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return tituloEfectivo(titulo) + QLatin1String(": ") + t;
}

int OperadorHeadless::MsgBox(const QString& texto, int estilo, const QString& titulo) {
    mensajes_.append({tituloEfectivo(titulo), texto, estilo});
    imprimir(Linea(titulo, texto));
    return RespuestaSegura(estilo);
}

QString OperadorHeadless::InputBox(const QString& texto, const QString& titulo, const QString&) {
    imprimir(Linea(titulo, texto));
    return QString();
}

QString OperadorHeadless::ElegirCarpeta(const QString&, QWidget*) { return QString(); }

QString OperadorHeadless::ElegirArchivo(const QString&, const QString&) { return QString(); }

QDate OperadorHeadless::ElegirFecha(const QDate&) { return QDate(); }

bool OperadorHeadless::PedirAcceso(DatosAcceso&) {
    imprimir(Linea(QString(), QStringLiteral(
        "Faltan los datos de acceso (servidor, base de datos, usuario y contraseña); "
        "sin ventanas no se pueden pedir. Páselos en la línea de comandos.")));
    return false;
}

}  // namespace ui
