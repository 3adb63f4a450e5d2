// Files as the suite writes them: single-byte text in Windows-1252 with CR LF line
// ends, converted at the file boundary, and fixed-length records whose widths count
// bytes of the written file ("Ñ" is one byte). Failures raise Error 53, 75 or 76.
#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace base {

QByteArray ACp1252(const QString& s);      // characters outside the code page become "?"
QString DesdeCp1252(const QByteArray& b);

// One open-write-close: writes `linea` + CR LF, creating/emptying (agregar false) or
// appending (agregar true).
void EscribirLinea(const QString& ruta, const QString& linea, bool agregar);
QStringList LeerLineas(const QString& ruta);   // CR LF or LF, code page converted
bool ExisteArchivo(const QString& ruta);
void BorrarArchivo(const QString& ruta);       // Error 53 when it does not exist

// A fixed-width record: fields in file order, each cut or padded to its width.
struct CampoFijo {
    int ancho;
    QString valor;
    bool derecha = false;      // right-aligned (padded on the left)
    QChar relleno = QLatin1Char(' ');
};
// Builds the record in the code page; throws Error 5 when the total is not `largo`.
QByteArray ArmarRegistro(const std::vector<CampoFijo>& campos, int largo = -1);
// Appends one record (with CR LF when conFinDeLinea) to a file.
void AgregarRegistro(const QString& ruta, const QByteArray& registro, bool conFinDeLinea = true);

}  // namespace base
