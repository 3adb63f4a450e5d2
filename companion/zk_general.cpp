// ZkGeneral: text, number and window helpers of the companion library.
// Numbers typed by the user are read with the regional marks (base::Regional): the
// thousands mark may appear anywhere in the whole part, one decimal mark, an optional
// sign; the value is read exactly from its digits and rounded half to even.
#include <QGuiApplication>
#include <QScreen>
#include <QStringDecoder>
#include <QWidget>
#include <cctype>
#include <limits>
#include "base/regional.h"
#include "base/reloj.h"
#include "base/texto.h"
#include "companion/dialogo_error.h"
#include "companion/zorvkit.h"
#include "ui/controles.h"
#include "ui/operador.h"

namespace {

// The number of the regional text scaled by 10^decimales, rounded half to even.
// false when the text is not a number; desborde when it does not fit 64 bits.
bool leerNumero(const QString& texto, int decimales, qint64& valor, bool& desborde) {
    const base::Regional& reg = base::Regional::actual();
    const QString t = texto.trimmed();
    valor = 0;
    desborde = false;
    int i = 0;
    bool negativo = false;
    if (i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+'))) {
        negativo = t[i] == QLatin1Char('-');
        ++i;
        while (i < t.size() && t[i] == QLatin1Char(' ')) ++i;
    }
    QString entera, fraccion;
    bool enFraccion = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c.isDigit() && c.unicode() < 128) (enFraccion ? fraccion : entera).append(c);
        else if (c == reg.decimal && !enFraccion) enFraccion = true;
        else if (c == reg.miles && !enFraccion) continue;
        else return false;
    }
    if (entera.isEmpty() && fraccion.isEmpty()) return false;
    // Whole part and the kept decimals, digit by digit, watching the 64-bit limit.
    const QString digitos = entera + fraccion.left(decimales).leftJustified(decimales, QLatin1Char('0'));
    const QString resto = fraccion.mid(decimales);
    const quint64 limite = quint64(std::numeric_limits<qint64>::max());
    quint64 v = 0;
    for (QChar c : digitos) {
        const quint64 d = quint64(c.unicode() - '0');
        if (v > (limite - d) / 10) { desborde = true; return true; }
        v = v * 10 + d;
    }
    // Half to even on the digits beyond the kept decimals.
    if (!resto.isEmpty()) {
        const int primero = resto[0].unicode() - '0';
        bool despuesNoCero = false;
        for (int j = 1; j < resto.size(); ++j) despuesNoCero = despuesNoCero || resto[j] != QLatin1Char('0');
        const bool masDeLaMitad = primero > 5 || (primero == 5 && despuesNoCero);
        const bool mitad = primero == 5 && !masDeLaMitad;
        if (masDeLaMitad || (mitad && (v % 2 == 1))) {
            if (v == limite) { desborde = true; return true; }
            ++v;
        }
    }
    valor = negativo ? -qint64(v) : qint64(v);
    return true;
}

[[noreturn]] void desbordamiento() { throw base::Error(base::err::Desbordamiento, QStringLiteral("Overflow")); }

// Fixed key of the reversible encoding below.
const QByteArray& claveCodificacion() {
    static const QByteArray k("ZorvSuite-RmAutoImpr");
    return k;
}

}  // namespace

QString ZkGeneralClass::AnchoFijo(const QString& texto, int ancho) {
    if (ancho <= 0) return QString();
    return texto.left(ancho).leftJustified(ancho, QLatin1Char(' '));
}

QString ZkGeneralClass::Recortar(const QString& texto, int maximo) {
    return maximo <= 0 ? QString() : texto.left(maximo);
}

qint64 ZkGeneralClass::TextoAImporte(const QString& texto) {
    qint64 v = 0;
    bool desborde = false;
    if (!leerNumero(texto, 4, v, desborde)) return 0;
    if (desborde) desbordamiento();
    return v;
}

base::Variant ZkGeneralClass::TextoAImporteV(const QString& texto) { return base::Variant::Currency(TextoAImporte(texto)); }

qint32 ZkGeneralClass::TextoAEntero(const QString& texto) {
    qint64 v = 0;
    bool desborde = false;
    if (!leerNumero(texto, 0, v, desborde)) return 0;
    if (desborde || v > std::numeric_limits<qint32>::max() || v < std::numeric_limits<qint32>::min()) desbordamiento();
    return qint32(v);
}

base::Variant ZkGeneralClass::ValorSeguro(const base::Variant& v) {
    if (v.isNull() || v.isEmpty()) return base::Variant(QString());
    return v;
}

int ZkGeneralClass::CantidadPalabras(const QString& texto) {
    return int(texto.split(QLatin1Char(' '), Qt::SkipEmptyParts).size());
}

QString ZkGeneralClass::QuitarCaracteres(const QString& texto, const QString& c1, const QString& c2, const QString& c3) {
    QString r = texto;
    for (const QString& c : {c1, c2, c3})
        if (!c.isEmpty()) r.remove(c, Qt::CaseSensitive);
    return r;
}

QString ZkGeneralClass::ReemplazarTexto(const QString& texto, const QString& buscado, const QString& nuevo) {
    if (buscado.isEmpty()) return texto;
    QString r = texto;
    return r.replace(buscado, nuevo, Qt::CaseSensitive);
}

int ZkGeneralClass::DiasDelMes(int mes, int anio) {
    static const int dias[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (mes < 1 || mes > 12)
        throw base::Error(base::err::LlamadaNoValida, QStringLiteral("Invalid procedure call or argument"));
    if (mes == 2 && anio > 0 && QDate::isLeapYear(anio)) return 29;
    return dias[mes - 1];
}

QDate ZkGeneralClass::ElegirFecha() { return ui::operador().ElegirFecha(base::Reloj::Ahora().date()); }

void ZkGeneralClass::PreparaFormulario(QWidget* form, bool flag) {
    if (!form) return;
    if (form->windowTitle().isEmpty()) form->setWindowTitle(ui::TituloPrograma());
    if (!flag) return;
    QScreen* pantalla = form->screen() ? form->screen() : QGuiApplication::primaryScreen();
    if (!pantalla) return;
    QRect marco = form->frameGeometry();
    marco.moveCenter(pantalla->availableGeometry().center());
    form->move(marco.topLeft());
}

QString ZkGeneralClass::AlinearDerecha(const QString& texto, int ancho) {
    if (ancho < 0) return texto;
    if (texto.size() >= ancho) return texto.left(ancho);
    return texto.rightJustified(ancho, QLatin1Char(' '));
}

int ZkGeneralClass::TrataError(const base::Error& falla, const QString& omitido, const QString& operacion) {
    Q_UNUSED(omitido);
    if (falla.Number == 0) return 0;
    const int respuesta = dialogo_error::Mostrar(falla, dialogo_error::BotonesPorDefecto, operacion);
    try {
        dialogo_error::AgregarAlLog(dialogo_error::RutaLogTemporal(),
                                    dialogo_error::LineaLog(base::Reloj::Ahora(), operacion, falla, respuesta));
    } catch (...) {
        // A log that cannot be written gets no line; the answer still stands.
    }
    return respuesta;
}

// Codificar / Decodificar: NOT encryption. The text's UTF-8 bytes are XORed with a
// fixed key and written as upper-case hexadecimal, only so that stored values are not
// readable at a glance; anyone with this code reads them back.
QString ZkGeneralClass::Codificar(const QString& texto) {
    QByteArray b = texto.toUtf8();
    const QByteArray& k = claveCodificacion();
    for (int i = 0; i < b.size(); ++i) b[i] = char(b[i] ^ k[i % k.size()]);
    return QString::fromLatin1(b.toHex().toUpper());
}

// A text that is not in the encoded form (odd length, not hexadecimal, not UTF-8 once
// decoded) is returned as it is, so a plain value in a settings file still works.
QString ZkGeneralClass::Decodificar(const QString& texto) {
    if (texto.size() % 2 != 0) return texto;
    for (QChar c : texto)
        if (c.unicode() > 127 || !std::isxdigit(c.unicode())) return texto;
    QByteArray b = QByteArray::fromHex(texto.toLatin1());
    const QByteArray& k = claveCodificacion();
    for (int i = 0; i < b.size(); ++i) b[i] = char(b[i] ^ k[i % k.size()]);
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString r = utf8(b);
    return utf8.hasError() ? texto : r;
}

QString ZkGeneralClass::CarpetaConBarra(const QString& carpeta) {
    if (carpeta.isEmpty() || carpeta.endsWith(QLatin1Char('/'))) return carpeta;
    return carpeta + QLatin1Char('/');
}

bool ZkGeneralClass::EsElementoDeArray(const QWidget* control) { return ui::EsMiembroDeArray(control); }

void ZkGeneralClass::AbreFormulario(QWidget* form, const QString& texto) {
    Q_UNUSED(texto);
    if (!form) return;
    abiertos_.removeAll(QPointer<QWidget>());
    if (!abiertos_.contains(form)) abiertos_.append(form);
}

void ZkGeneralClass::CierraFormulario(QWidget* form, const QString& texto) {
    Q_UNUSED(texto);
    abiertos_.removeAll(QPointer<QWidget>());
    if (form) abiertos_.removeAll(form);
}

QList<QWidget*> ZkGeneralClass::FormulariosAbiertos() const {
    QList<QWidget*> r;
    for (const QPointer<QWidget>& w : abiertos_)
        if (w) r.append(w.data());
    return r;
}

bool ZkGeneralClass::EstaEnLista(const QString& texto, const QStringList& lista) {
    for (const QString& e : lista)
        if (texto.compare(e, Qt::CaseInsensitive) == 0) return true;
    return false;
}
