// The suite's dynamic value and its conversions. Numeric text converts with the
// regional marks, CLng/CInt round halves to even and raise error 6 out of range,
// Null raises error 94, text that is not what was asked raises error 13.
#include "base/variant.h"
#include "base/error.h"
#include "base/numeros.h"
#include "base/redondeo.h"
#include "base/regional.h"
#include <QRegularExpression>
#include <charconv>
#include <cmath>
#include <limits>

namespace base {

namespace {
const QDate kDiaCero(1899, 12, 30);
constexpr double kMaxSerie = 2958465.99999;  // 31/12/9999 23:59:59
constexpr double kMinSerie = -657434.0;      // 01/01/100

[[noreturn]] void errorNull() { throw Error(err::UsoNoValidoDeNull, QStringLiteral("Invalid use of Null")); }
[[noreturn]] void errorTipos() { throw Error(err::TiposNoCoinciden, QStringLiteral("Type mismatch")); }
[[noreturn]] void errorDesborde() { throw Error(err::Desbordamiento, QStringLiteral("Overflow")); }

double textoANumero(const QString& s) {
    double v = 0.0;
    if (!LeerNumeroRegional(s, v)) errorTipos();
    return v;
}

qint64 redondearEntero(double v, double minimo, double maximo) {
    if (!std::isfinite(v)) errorDesborde();
    double r = std::nearbyint(v);  // the default rounding mode: halves to even
    if (r < minimo || r > maximo) errorDesborde();
    return static_cast<qint64>(r);
}
}  // namespace

// ---- dates ----

double SerieDeFecha(const QDateTime& t) {
    qint64 dias = kDiaCero.daysTo(t.date());
    double frac = t.time().msecsSinceStartOfDay() / 86400000.0;
    return dias >= 0 ? dias + frac : dias - frac;
}

QDateTime FechaDeSerie(double serie) {
    if (!std::isfinite(serie) || serie > kMaxSerie + 1e-6 || serie < kMinSerie - 1.0) errorDesborde();
    double dias = std::trunc(serie);
    qint64 ms = std::llround(std::fabs(serie - dias) * 86400000.0);
    if (ms >= 86400000) {
        ms = 0;
        dias += serie < 0 ? -1 : 1;
    }
    return QDateTime(kDiaCero.addDays(static_cast<qint64>(dias)), QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms)));
}

bool LeerFecha(const QString& texto, QDateTime& fecha) {
    static const QRegularExpression iso(
        QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})(?:[ T](\\d{1,2}):(\\d{1,2})(?::(\\d{1,2})(?:\\.\\d+)?)?)?$"));
    static const QRegularExpression regional(
        QStringLiteral("^(\\d{1,2})([/.-])(\\d{1,2})\\2(\\d{2}|\\d{4})(?:\\s+(\\d{1,2}):(\\d{1,2})(?::(\\d{1,2}))?)?$"));
    static const QRegularExpression hora(QStringLiteral("^(\\d{1,2}):(\\d{1,2})(?::(\\d{1,2}))?$"));
    const QString s = texto.trimmed();
    int anio = 0, mes = 0, dia = 0, hh = 0, mm = 0, ss = 0;
    auto num = [](const QRegularExpressionMatch& m, int i) { return m.captured(i).isEmpty() ? 0 : m.captured(i).toInt(); };
    QRegularExpressionMatch m;
    if ((m = iso.match(s)).hasMatch()) {
        anio = num(m, 1), mes = num(m, 2), dia = num(m, 3), hh = num(m, 4), mm = num(m, 5), ss = num(m, 6);
    } else if ((m = regional.match(s)).hasMatch()) {
        int a = num(m, 1), b = num(m, 3);
        const bool diaPrimero = Regional::actual().diaPrimero;
        dia = diaPrimero ? a : b;
        mes = diaPrimero ? b : a;
        anio = num(m, 4);
        if (m.captured(4).size() == 2) anio += anio < 30 ? 2000 : 1900;
        hh = num(m, 5), mm = num(m, 6), ss = num(m, 7);
    } else if ((m = hora.match(s)).hasMatch()) {
        anio = 1899, mes = 12, dia = 30, hh = num(m, 1), mm = num(m, 2), ss = num(m, 3);
    } else {
        return false;
    }
    QDate d(anio, mes, dia);
    if (!d.isValid() || hh > 23 || mm > 59 || ss > 59) return false;
    fecha = QDateTime(d, QTime(hh, mm, ss));
    return true;
}

QString TextoFecha(const QDateTime& t) {
    const Regional& reg = Regional::actual();
    const QDate d = t.date();
    const QTime h = t.time();
    const QString horas = QStringLiteral("%1:%2:%3")
                              .arg(h.hour(), 2, 10, QLatin1Char('0'))
                              .arg(h.minute(), 2, 10, QLatin1Char('0'))
                              .arg(h.second(), 2, 10, QLatin1Char('0'));
    const bool medianoche = h.msecsSinceStartOfDay() == 0;
    if (d == kDiaCero && !medianoche) return horas;
    const QString dd = QStringLiteral("%1").arg(d.day(), 2, 10, QLatin1Char('0'));
    const QString mm = QStringLiteral("%1").arg(d.month(), 2, 10, QLatin1Char('0'));
    QString r = (reg.diaPrimero ? dd : mm) + reg.separadorFecha + (reg.diaPrimero ? mm : dd) + reg.separadorFecha +
                QStringLiteral("%1").arg(d.year(), 4, 10, QLatin1Char('0'));
    if (!medianoche) r += QLatin1Char(' ') + horas;
    return r;
}

// ---- construction ----

Variant::Variant(bool b) : type_(Type::Boolean), i_(b ? -1 : 0) {}
Variant::Variant(int v) : type_(Type::Long), i_(v) {}
Variant::Variant(long v) : Variant(static_cast<long long>(v)) {}
Variant::Variant(long long v) {
    if (v >= std::numeric_limits<qint32>::min() && v <= std::numeric_limits<qint32>::max()) {
        type_ = Type::Long;
        i_ = v;
    } else {
        type_ = Type::Double;
        d_ = static_cast<double>(v);
    }
}
Variant::Variant(unsigned int v) : Variant(static_cast<long long>(v)) {}
Variant::Variant(unsigned long v) : Variant(static_cast<unsigned long long>(v)) {}
Variant::Variant(unsigned long long v) {
    if (v <= static_cast<unsigned long long>(std::numeric_limits<qint32>::max())) {
        type_ = Type::Long;
        i_ = static_cast<qint64>(v);
    } else {
        type_ = Type::Double;
        d_ = static_cast<double>(v);
    }
}
Variant::Variant(double v) : type_(Type::Double), d_(v) {}
Variant::Variant(const QString& s) : type_(Type::String), s_(s) {}
Variant::Variant(const char* s) : type_(Type::String), s_(QString::fromUtf8(s ? s : "")) {}
Variant::Variant(const QDateTime& d) : type_(d.isValid() ? Type::Date : Type::Null), t_(d) {}
Variant::Variant(const QDate& d) : Variant(d.isValid() ? QDateTime(d, QTime(0, 0)) : QDateTime()) {}

Variant Variant::Null() {
    Variant v;
    v.type_ = Type::Null;
    return v;
}

Variant Variant::Integer(int16_t v) {
    Variant r;
    r.type_ = Type::Integer;
    r.i_ = v;
    return r;
}

Variant Variant::Currency(qint64 tenThousandths) {
    Variant r;
    r.type_ = Type::Currency;
    r.i_ = tenThousandths;
    return r;
}

bool Variant::isNumeric() const {
    switch (type_) {
    case Type::Boolean:
    case Type::Integer:
    case Type::Long:
    case Type::Double:
    case Type::Currency:
        return true;
    default:
        return false;
    }
}

// ---- conversions ----

QString Variant::toString() const {
    switch (type_) {
    case Type::Empty:
        return QString();
    case Type::Null:
        errorNull();
    case Type::Boolean:
        return i_ ? QStringLiteral("True") : QStringLiteral("False");
    case Type::Integer:
    case Type::Long:
        return QString::number(i_);
    case Type::Double:
        return TextoGeneral(d_);
    case Type::Currency: {
        // Up to four decimals, trailing zeros dropped.
        QString r = QString::number(i_ < 0 ? -(i_ / 10000) : i_ / 10000);
        qint64 frac = i_ % 10000;
        if (frac < 0) frac = -frac;
        if (i_ < 0) r.prepend(QLatin1Char('-'));
        if (frac) {
            QString f = QStringLiteral("%1").arg(frac, 4, 10, QLatin1Char('0'));
            while (f.endsWith(QLatin1Char('0'))) f.chop(1);
            r += Regional::actual().decimal + f;
        }
        return r;
    }
    case Type::Date:
        return TextoFecha(t_);
    case Type::String:
        return s_;
    }
    return QString();
}

double Variant::toDouble() const {
    switch (type_) {
    case Type::Empty:
        return 0.0;
    case Type::Null:
        errorNull();
    case Type::Boolean:
    case Type::Integer:
    case Type::Long:
        return static_cast<double>(i_);
    case Type::Currency:
        return static_cast<double>(i_) / 10000.0;
    case Type::Double:
        return d_;
    case Type::Date:
        return SerieDeFecha(t_);
    case Type::String:
        return textoANumero(s_);
    }
    return 0.0;
}

qint32 Variant::toLong() const {
    if (type_ == Type::Boolean || type_ == Type::Integer || type_ == Type::Long) {
        if (i_ < std::numeric_limits<qint32>::min() || i_ > std::numeric_limits<qint32>::max()) errorDesborde();
        return static_cast<qint32>(i_);
    }
    return static_cast<qint32>(redondearEntero(toDouble(), std::numeric_limits<qint32>::min(),
                                               std::numeric_limits<qint32>::max()));
}

int16_t Variant::toInteger() const {
    return static_cast<int16_t>(
        redondearEntero(toDouble(), std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()));
}

bool Variant::toBool() const {
    switch (type_) {
    case Type::Empty:
        return false;
    case Type::Null:
        errorNull();
    case Type::String: {
        const QString t = s_.trimmed();
        if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 ||
            t.compare(QLatin1String("verdadero"), Qt::CaseInsensitive) == 0)
            return true;
        if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0 ||
            t.compare(QLatin1String("falso"), Qt::CaseInsensitive) == 0)
            return false;
        return textoANumero(t) != 0.0;
    }
    default:
        return toDouble() != 0.0;
    }
}

QDateTime Variant::toDate() const {
    switch (type_) {
    case Type::Null:
        errorNull();
    case Type::Date:
        return t_;
    case Type::String: {
        QDateTime t;
        if (LeerFecha(s_, t)) return t;
        double v = 0.0;
        if (LeerNumeroRegional(s_, v)) return FechaDeSerie(v);
        errorTipos();
    }
    default:
        return FechaDeSerie(toDouble());
    }
}

qint64 Variant::toCurrency() const {
    switch (type_) {
    case Type::Currency:
        return i_;
    case Type::Boolean:
    case Type::Integer:
    case Type::Long:
        return i_ * 10000;
    default: {
        double v = toDouble();
        if (!std::isfinite(v) || std::fabs(v) >= 922337203685477.5) errorDesborde();
        std::string t = FijoPar(v, 4);
        t.erase(t.find('.'), 1);
        qint64 r = 0;
        std::from_chars(t.data(), t.data() + t.size(), r);
        return r;
    }
    }
}

bool Variant::operator==(const Variant& o) const {
    if (type_ == o.type_) {
        switch (type_) {
        case Type::Empty:
        case Type::Null:
            return true;
        case Type::Double:
            return d_ == o.d_;
        case Type::String:
            return s_ == o.s_;
        case Type::Date:
            return t_ == o.t_;
        default:
            return i_ == o.i_;
        }
    }
    if (isNumeric() && o.isNumeric()) {
        if (type_ == Type::Currency || o.type_ == Type::Currency) return toCurrency() == o.toCurrency();
        return toDouble() == o.toDouble();
    }
    return false;
}

}  // namespace base
