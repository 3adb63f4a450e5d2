// Variant: the suite's dynamic value (Empty, Null, Boolean, Integer, Long, Double,
// Currency, Date, String) with the runtime's conversions. Numeric text converts with
// the regional settings (Regional); Null converts to nothing and raises error 94.
#pragma once
#include <QDateTime>
#include <QString>
#include <cstdint>

namespace base {

class Variant {
public:
    enum class Type { Empty, Null, Boolean, Integer, Long, Double, Currency, Date, String };

    Variant() = default;                      // Empty
    Variant(bool b);
    Variant(int v);                           // Long
    Variant(long v);                          // Long
    Variant(long long v);                     // Long (must fit 32 bits, else Double)
    Variant(unsigned int v);                  // the same rule for unsigned counts and sizes
    Variant(unsigned long v);
    Variant(unsigned long long v);
    Variant(double v);
    Variant(const QString& s);
    Variant(const char* s);
    Variant(const QDateTime& d);              // Date (an invalid one gives Null)
    Variant(const QDate& d);                  // Date at midnight (an invalid one gives Null)

    static Variant Null();
    static Variant Integer(int16_t v);
    static Variant Currency(qint64 tenThousandths);

    Type type() const { return type_; }
    bool isNull() const { return type_ == Type::Null; }
    bool isEmpty() const { return type_ == Type::Empty; }
    bool isNumeric() const;                   // Boolean..Currency types

    // Conversions with the runtime's rules; Null raises error 94, text that is not a
    // number raises error 13.
    QString toString() const;                 // CStr: numbers with the regional decimal mark,
                                              // dates in the regional short format (+ time when not midnight)
    double toDouble() const;                  // CDbl
    qint32 toLong() const;                    // CLng: rounds halves to even; error 6 when out of range
    int16_t toInteger() const;                // CInt
    bool toBool() const;                      // CBool: "true"/"false"/"verdadero"/"falso" or numbers
    QDateTime toDate() const;                 // CDate: regional day-month-year texts accepted
    qint64 toCurrency() const;                // CCur, ten thousandths

    // Raw access.
    double rawDouble() const { return d_; }
    qint64 rawInt() const { return i_; }
    const QString& rawString() const { return s_; }
    const QDateTime& rawDate() const { return t_; }

    bool operator==(const Variant& o) const;

private:
    Type type_ = Type::Empty;
    qint64 i_ = 0;      // Boolean (0/-1), Integer, Long, Currency
    double d_ = 0.0;    // Double
    QString s_;
    QDateTime t_;
};

}  // namespace base
