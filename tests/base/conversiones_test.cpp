// Val, the regional settings, CStr and the Variant conversions with their errors.
#include <gtest/gtest.h>
#include "base/error.h"
#include "base/regional.h"
#include "base/texto.h"
#include "base/variant.h"

using base::Variant;

namespace {

long numeroDeError(const std::function<void()>& f) {
    try {
        f();
    } catch (const base::Error& e) {
        return e.Number;
    }
    return 0;
}

void usar(const base::Regional& r) { base::Regional::establecer(r); }
base::Regional enUS() { return base::Regional::desdeLocale(QStringLiteral("en_US")); }

TEST(Val, lee_el_numero_inicial_con_punto_decimal) {
    const std::pair<const char*, double> casos[] = {
        {" 2 015", 2015}, {"12abc", 12},  {"1.5", 1.5},   {"1,5", 1},      {"1.2.3", 1.2},
        {"", 0},          {"abc", 0},     {"-3.25", -3.25}, {" - 4", -4},  {".5", 0.5},
        {"1e3", 1000},    {"2E", 2},      {"&HFF", 255},  {"&HFFFF", -1},  {"&O17", 15},
        {"0001", 1},      {"\t7\n8", 78},
    };
    for (const auto& [texto, esperado] : casos) EXPECT_DOUBLE_EQ(base::Val(QString::fromLatin1(texto)), esperado) << texto;
}

TEST(Regional, es_AR_y_en_US) {
    const base::Regional ar = base::Regional::desdeLocale(QStringLiteral("es_AR"));
    EXPECT_EQ(ar.decimal, QLatin1Char(','));
    EXPECT_EQ(ar.miles, QLatin1Char('.'));
    EXPECT_EQ(ar.separadorFecha, QLatin1Char('/'));
    EXPECT_TRUE(ar.diaPrimero);
    EXPECT_EQ(ar.digitosMoneda, 2);
    const base::Regional us = base::Regional::desdeLocale(QStringLiteral("en_US.UTF-8"));
    EXPECT_EQ(us.decimal, QLatin1Char('.'));
    EXPECT_EQ(us.miles, QLatin1Char(','));
    EXPECT_EQ(us.separadorFecha, QLatin1Char('/'));
    EXPECT_FALSE(us.diaPrimero);
    EXPECT_EQ(us.digitosMoneda, 2);
}

TEST(Regional, texto_a_numero_en_los_dos_sentidos) {
    const std::tuple<const char*, double, const char*> ar[] = {
        {"1.234,5", 1234.5, "1234,5"}, {"1234,5", 1234.5, "1234,5"}, {"-0,25", -0.25, "-0,25"},
        {"10", 10, "10"},              {" 7 ", 7, "7"},
    };
    for (const auto& [texto, numero, cstr] : ar) {
        EXPECT_DOUBLE_EQ(Variant(texto).toDouble(), numero) << texto;
        EXPECT_EQ(Variant(numero).toString(), QString::fromLatin1(cstr));
    }
    usar(enUS());
    const std::tuple<const char*, double, const char*> us[] = {
        {"1,234.5", 1234.5, "1234.5"}, {"1234.5", 1234.5, "1234.5"}, {"-0.25", -0.25, "-0.25"},
    };
    for (const auto& [texto, numero, cstr] : us) {
        EXPECT_DOUBLE_EQ(Variant(texto).toDouble(), numero) << texto;
        EXPECT_EQ(Variant(numero).toString(), QString::fromLatin1(cstr));
    }
    EXPECT_EQ(Variant(10.0 / 3).toString(), QStringLiteral("3.33333333333333"));
}

TEST(CStr, dobles_con_quince_cifras_y_exponente) {
    const std::pair<double, const char*> casos[] = {
        {1234.5, "1234,5"},
        {0.1 + 0.2, "0,3"},
        {10.0 / 3, "3,33333333333333"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E+15"},
        {-1.5e16, "-1,5E+16"},
        {0.0001, "0,0001"},
        {0.00001, "1E-05"},
        {0, "0"},
    };
    for (const auto& [v, esperado] : casos) EXPECT_EQ(base::CStr(v), QString::fromLatin1(esperado));
}

TEST(CStr, booleanos_monedas_y_fechas) {
    EXPECT_EQ(base::CStr(true), QStringLiteral("True"));
    EXPECT_EQ(base::CStr(false), QStringLiteral("False"));
    EXPECT_EQ(base::CStr(Variant::Currency(12345000)), QStringLiteral("1234,5"));
    EXPECT_EQ(base::CStr(Variant::Currency(-5)), QStringLiteral("-0,0005"));
    EXPECT_EQ(base::CStr(Variant()), QString());
    EXPECT_EQ(base::CStr(QDate(2024, 3, 5)), QStringLiteral("05/03/2024"));
    EXPECT_EQ(base::CStr(QDateTime(QDate(2024, 3, 5), QTime(9, 5, 0))), QStringLiteral("05/03/2024 09:05:00"));
    usar(enUS());
    EXPECT_EQ(base::CStr(QDate(2024, 3, 5)), QStringLiteral("03/05/2024"));
}

TEST(Variant, enteros_redondean_al_par) {
    const std::pair<Variant, qint32> casos[] = {
        {Variant(2.5), 2}, {Variant(3.5), 4}, {Variant(-2.5), -2}, {Variant(-3.5), -4},
        {Variant("2,5"), 2}, {Variant("1.234"), 1234}, {Variant(true), -1}, {Variant(), 0},
        {Variant::Currency(25000), 2},
    };
    for (const auto& [v, esperado] : casos) {
        EXPECT_EQ(v.toLong(), esperado);
        EXPECT_EQ(v.toInteger(), esperado);
    }
}

TEST(Variant, errores_6_13_y_94) {
    const std::pair<std::function<void()>, long> casos[] = {
        {[] { (void)Variant(2147483647.5).toLong(); }, 6},
        {[] { (void)Variant(-2147483649.0).toLong(); }, 6},
        {[] { (void)Variant(32767.5).toInteger(); }, 6},
        {[] { (void)Variant(40000).toInteger(); }, 6},
        {[] { (void)Variant("abc").toDouble(); }, 13},
        {[] { (void)Variant("12abc").toLong(); }, 13},
        {[] { (void)Variant("").toDouble(); }, 13},
        {[] { (void)Variant("quizás").toBool(); }, 13},
        {[] { (void)Variant("31/02/2024").toDate(); }, 13},
        {[] { (void)Variant::Null().toString(); }, 94},
        {[] { (void)Variant::Null().toDouble(); }, 94},
        {[] { (void)Variant::Null().toLong(); }, 94},
        {[] { (void)Variant::Null().toDate(); }, 94},
        {[] { (void)Variant::Null().toBool(); }, 94},
    };
    for (const auto& [f, numero] : casos) EXPECT_EQ(numeroDeError(f), numero);
    EXPECT_EQ(Variant(2147483647.4).toLong(), 2147483647);
}

TEST(Variant, fechas_desde_texto) {
    const std::pair<const char*, QDateTime> casos[] = {
        {"05/03/2024", QDateTime(QDate(2024, 3, 5), QTime(0, 0))},
        {"5/3/24", QDateTime(QDate(2024, 3, 5), QTime(0, 0))},
        {"05/03/2024 14:30", QDateTime(QDate(2024, 3, 5), QTime(14, 30))},
        {"05-03-2024 14:30:15", QDateTime(QDate(2024, 3, 5), QTime(14, 30, 15))},
        {"2024-03-05", QDateTime(QDate(2024, 3, 5), QTime(0, 0))},
        {"2024-03-05 23:59:59", QDateTime(QDate(2024, 3, 5), QTime(23, 59, 59))},
    };
    for (const auto& [texto, esperado] : casos) EXPECT_EQ(Variant(texto).toDate(), esperado) << texto;
    usar(enUS());
    EXPECT_EQ(Variant("03/05/2024").toDate(), QDateTime(QDate(2024, 3, 5), QTime(0, 0)));
    EXPECT_EQ(Variant("2024-03-05").toDate(), QDateTime(QDate(2024, 3, 5), QTime(0, 0)));
}

TEST(Variant, fechas_como_numero_de_dia) {
    EXPECT_DOUBLE_EQ(Variant(QDate(1899, 12, 30)).toDouble(), 0);
    EXPECT_DOUBLE_EQ(Variant(QDateTime(QDate(1900, 1, 1), QTime(12, 0))).toDouble(), 2.5);
    EXPECT_EQ(Variant(45356.75).toDate(), QDateTime(QDate(2024, 3, 5), QTime(18, 0)));
}

TEST(Variant, booleanos_moneda_e_igualdad) {
    EXPECT_TRUE(Variant("Verdadero").toBool());
    EXPECT_FALSE(Variant("false").toBool());
    EXPECT_TRUE(Variant("-1").toBool());
    EXPECT_FALSE(Variant("0").toBool());
    EXPECT_EQ(Variant("1.234,56785").toCurrency(), 12345678);  // the half goes to the even 8
    EXPECT_EQ(Variant(0.00005).toCurrency(), 0);
    EXPECT_EQ(Variant(3).toCurrency(), 30000);
    EXPECT_TRUE(Variant(2) == Variant(2.0));
    EXPECT_TRUE(Variant::Currency(20000) == Variant(2));
    EXPECT_FALSE(Variant("2") == Variant(2));
    EXPECT_EQ(Variant(5000000000LL).type(), Variant::Type::Double);
    EXPECT_EQ(Variant(QDateTime()).type(), Variant::Type::Null);
}

TEST(Texto, posiciones_desde_uno_y_busquedas_sin_mayusculas) {
    EXPECT_EQ(base::InStr(QStringLiteral("Remito R"), QStringLiteral("r")), 1);
    EXPECT_EQ(base::InStr(QStringLiteral("Remito R"), QStringLiteral("r"), 2), 8);
    EXPECT_EQ(base::InStr(QStringLiteral("Remito R"), QStringLiteral("r"), 1, true), 0);
    EXPECT_EQ(base::InStr(3, QStringLiteral("abcabc"), QStringLiteral("A")), 4);
    EXPECT_EQ(base::InStrRev(QStringLiteral("a.b.c"), QStringLiteral(".")), 4);
    EXPECT_EQ(base::Mid(QStringLiteral("ABCDEF"), 2, 3), QStringLiteral("BCD"));
    EXPECT_EQ(base::Mid(QStringLiteral("ABC"), 5), QString());
    EXPECT_EQ(base::Trim(QStringLiteral("\t x \t")), QStringLiteral("\t x \t"));
    EXPECT_EQ(base::Trim(QStringLiteral("  x  ")), QStringLiteral("x"));
    EXPECT_EQ(base::Replace(QStringLiteral("Top 10 TOP"), QStringLiteral("top"), QStringLiteral("x")),
              QStringLiteral("x 10 x"));
    EXPECT_EQ(numeroDeError([] { base::Mid(QStringLiteral("abc"), 0); }), 5);
    EXPECT_TRUE(base::IsNumeric(QStringLiteral("1.234,5")));
    EXPECT_FALSE(base::IsNumeric(QStringLiteral("1,2,3")));
    EXPECT_FALSE(base::IsNumeric(QString()));
}

}  // namespace
