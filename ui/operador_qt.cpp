// Real modal dialogs for the operator interface. The parent of every dialog is the
// active window, so a message stays over the window that raised it.
#include "ui/operador_qt.h"
#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include "ui/selector_fecha.h"

namespace ui {

namespace {
std::function<bool(DatosAcceso&)>& dialogoAcceso() {
    static std::function<bool(DatosAcceso&)> d;
    return d;
}
QWidget* padre() { return QApplication::activeWindow(); }
QString tituloEfectivo(const QString& titulo) { return titulo.isEmpty() ? TituloPrograma() : titulo; }
}  // namespace

void OperadorQt::setDialogoAcceso(std::function<bool(DatosAcceso&)> dialogo) {
    dialogoAcceso() = std::move(dialogo);
}

int OperadorQt::MsgBox(const QString& texto, int estilo, const QString& titulo) {
    using B = QMessageBox::StandardButton;
    QList<std::pair<B, int>> botones;   // in the order the platform shows them
    switch (estilo & 0x0F) {
    case vbOKCancel: botones = {{B::Ok, vbOK}, {B::Cancel, vbCancel}}; break;
    case vbAbortRetryIgnore: botones = {{B::Abort, vbAbort}, {B::Retry, vbRetry}, {B::Ignore, vbIgnore}}; break;
    case vbYesNoCancel: botones = {{B::Yes, vbYes}, {B::No, vbNo}, {B::Cancel, vbCancel}}; break;
    case vbYesNo: botones = {{B::Yes, vbYes}, {B::No, vbNo}}; break;
    case vbRetryCancel: botones = {{B::Retry, vbRetry}, {B::Cancel, vbCancel}}; break;
    default: botones = {{B::Ok, vbOK}}; break;
    }
    QMessageBox::Icon icono = QMessageBox::NoIcon;
    switch (estilo & 0x70) {
    case vbCritical: icono = QMessageBox::Critical; break;
    case vbQuestion: icono = QMessageBox::Question; break;
    case vbExclamation: icono = QMessageBox::Warning; break;
    case vbInformation: icono = QMessageBox::Information; break;
    default: break;
    }
    QMessageBox caja(icono, tituloEfectivo(titulo), texto, QMessageBox::NoButton, padre());
    QMessageBox::StandardButtons conjunto;
    for (const auto& b : botones) conjunto |= b.first;
    caja.setStandardButtons(conjunto);
    // The captions of the platform's Spanish message boxes, whatever Qt translations exist.
    const std::pair<B, const char*> textos[] = {
        {B::Ok, "Aceptar"}, {B::Cancel, "Cancelar"}, {B::Abort, "Anular"}, {B::Retry, "Reintentar"},
        {B::Ignore, "Omitir"}, {B::Yes, "Sí"}, {B::No, "No"},
    };
    for (const auto& t : textos)
        if (QAbstractButton* b = caja.button(t.first)) b->setText(QString::fromUtf8(t.second));
    const int porDefecto = (estilo >> 8) & 0x03;   // 256 second button, 512 third
    caja.setDefaultButton(botones.value(qMin<int>(porDefecto, int(botones.size()) - 1)).first);
    if (conjunto & B::Cancel) caja.setEscapeButton(B::Cancel);
    else if (botones.size() == 1) caja.setEscapeButton(B::Ok);
    caja.exec();
    const B elegido = static_cast<B>(caja.standardButton(caja.clickedButton()));
    for (const auto& b : botones)
        if (b.first == elegido) return b.second;
    // Closed without a button (only possible through the escape button's absence).
    return botones.size() == 1 ? vbOK : vbCancel;
}

QString OperadorQt::InputBox(const QString& texto, const QString& titulo, const QString& porDefecto) {
    QInputDialog d(padre());
    d.setWindowTitle(tituloEfectivo(titulo));
    d.setLabelText(texto);
    d.setTextValue(porDefecto);
    d.setOkButtonText(QStringLiteral("Aceptar"));
    d.setCancelButtonText(QStringLiteral("Cancelar"));
    return d.exec() == QDialog::Accepted ? d.textValue() : QString();
}

QString OperadorQt::ElegirCarpeta(const QString& titulo, QWidget* duenio) {
    return QFileDialog::getExistingDirectory(duenio ? duenio : padre(), titulo, QString(),
                                             QFileDialog::ShowDirsOnly);
}

QString OperadorQt::FiltroQt(const QString& filtro) {
    const QStringList partes = filtro.split(QLatin1Char('|'));
    QStringList r;
    for (int i = 0; i + 1 < partes.size(); i += 2) {
        const QString descripcion = partes[i].trimmed();
        QStringList patrones = partes[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& p : patrones) p = p.trimmed();
        r.append(descripcion + QLatin1String(" (") + patrones.join(QLatin1Char(' ')) + QLatin1Char(')'));
    }
    if (r.isEmpty() && !filtro.trimmed().isEmpty()) r.append(filtro.trimmed());
    return r.join(QLatin1String(";;"));
}

QString OperadorQt::ElegirArchivo(const QString& titulo, const QString& filtro) {
    return QFileDialog::getOpenFileName(padre(), titulo, QString(), FiltroQt(filtro));
}

QDate OperadorQt::ElegirFecha(const QDate& inicial) { return SelectorFecha::Elegir(inicial, padre()); }

bool OperadorQt::PedirAcceso(DatosAcceso& datos) {
    const auto& d = dialogoAcceso();
    return d ? d(datos) : false;
}

}  // namespace ui
