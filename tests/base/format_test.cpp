// Format: numeric patterns with halves to even and the regional marks, date patterns
// with "mm" as month or minutes, numeric text converted first.
#include <gtest/gtest.h>
#include "base/format.h"
#include "base/redondeo.h"
#include "base/regional.h"

using base::Format;
using base::Variant;

namespace {

struct CasoNumero {
    double valor;
    const char* patron;
    const char* esAR;
    const char* enUS;
};

const CasoNumero kNumeros[] = {
    {2.5, "0", "2", "2"},
    {3.5, "0", "4", "4"},
    {-2.5, "0", "-2", "-2"},
    {0.4, "0", "0", "0"},
    {-0.4, "0", "0", "0"},
    {1234.565, "########0.00", "1234,56", "1234.56"},
    {1234.575, "########0.00", "1234,58", "1234.58"},
    {2.675, "0.00", "2,68", "2.68"},
    {0.125, "0.00", "0,12", "0.12"},
    {7, "0000", "0007", "0007"},
    {12345, "0000", "12345", "12345"},
    {5, "00", "05", "05"},
    {0.5, "#.00", ",50", ".50"},
    {1234567.891, "###,###,###,###0.00", "1.234.567,89", "1,234,567.89"},
    {999.995, "###,###,###,###0.00", "1.000,00", "1,000.00"},
    {12, "###,###,###,###0.00", "12,00", "12.00"},
    {-1234.5, "###,###,###,###0.00", "-1.234,50", "-1,234.50"},
    {1234.5, "############0.", "1234,", "1234."},
    {1.5, "0.0#", "1,5", "1.5"},
    {42, "00000000000000000000", "00000000000000000042", "00000000000000000042"},
};

class FormatNumeros : public ::testing::TestWithParam<CasoNumero> {};

TEST_P(FormatNumeros, redondea_a_par_con_las_marcas_regionales) {
    const CasoNumero& c = GetParam();
    base::Regional::establecer(base::Regional::desdeLocale(QStringLiteral("es_AR")));
    EXPECT_EQ(Format(c.valor, QString::fromLatin1(c.patron)), QString::fromLatin1(c.esAR)) << c.patron;
    base::Regional::establecer(base::Regional::desdeLocale(QStringLiteral("en_US")));
    EXPECT_EQ(Format(c.valor, QString::fromLatin1(c.patron)), QString::fromLatin1(c.enUS)) << c.patron;
}

INSTANTIATE_TEST_SUITE_P(Tabla, FormatNumeros, ::testing::ValuesIn(kNumeros));

TEST(Format, texto_numerico_se_convierte_y_el_otro_vuelve_igual) {
    // es_AR regional settings (set for every test).
    const std::pair<Variant, const char*> casos[] = {
        {Variant("1"), "0001"},
        {Variant(" 12 "), "0012"},
        {Variant("0001"), "0001"},
        {Variant("2,5"), "0002"},    // 2,5 rounds to the even 2
        {Variant("1.234"), "1234"},  // "." is the thousands mark
        {Variant("A1"), "A1"},
        {Variant(""), ""},
        {Variant(), ""},
        {Variant::Null(), ""},
        {Variant::Integer(3), "0003"},
        {Variant::Currency(15000), "0002"},  // 1,5 -> 2
    };
    for (const auto& [valor, esperado] : casos)
        EXPECT_EQ(Format(valor, QStringLiteral("0000")), QString::fromLatin1(esperado)) << valor.rawString().toStdString();
}

TEST(Format, patrones_de_fecha) {
    const QDateTime t(QDate(2024, 3, 5), QTime(14, 7, 9));
    const std::pair<const char*, const char*> casos[] = {
        {"YYYYMMDD", "20240305"},
        {"DDMMYYYYHHMMSS", "05032024140709"},
        {"dd/mm/yy hh:mm", "05/03/24 14:07"},
        {"dd/mm/yy", "05/03/24"},
        {"hh:mm", "14:07"},
        {"dd/mm/yyyy", "05/03/2024"},
        {"MM-DD-YYYY", "03-05-2024"},
        {"HH:MM:SS", "14:07:09"},
        {"yyyy-mm-dd hh:nn:ss", "2024-03-05 14:07:09"},
        {"d/m/yyyy", "5/3/2024"},
    };
    for (const auto& [patron, esperado] : casos)
        EXPECT_EQ(Format(t, QString::fromLatin1(patron)), QString::fromLatin1(esperado)) << patron;
}

TEST(Format, fecha_desde_texto_y_separador_regional) {
    EXPECT_EQ(Format(Variant("05/03/2024"), QStringLiteral("YYYYMMDD")), QStringLiteral("20240305"));
    EXPECT_EQ(Format(Variant("2024-03-05 10:20:30"), QStringLiteral("DDMMYYYYHHMMSS")),
              QStringLiteral("05032024102030"));
    EXPECT_EQ(Format(Variant("sin fecha"), QStringLiteral("YYYYMMDD")), QStringLiteral("sin fecha"));
    base::Regional r = base::Regional::desdeLocale(QStringLiteral("es_AR"));
    r.separadorFecha = QLatin1Char('-');
    base::Regional::establecer(r);
    EXPECT_EQ(Format(QDate(2024, 3, 5), QStringLiteral("dd/mm/yyyy")), QStringLiteral("05-03-2024"));
}

TEST(RedondeoPar, mitades_al_par_y_el_resto_al_mas_cercano) {
    const std::tuple<double, int, double> casos[] = {
        {2.5, 0, 2}, {3.5, 0, 4}, {-2.5, 0, -2}, {2.51, 0, 3}, {1.005, 2, 1.0}, {1.015, 2, 1.02},
        {1234.565, 2, 1234.56}, {0.5, 0, 0}, {1.23456789, 4, 1.2346},
    };
    for (const auto& [v, d, esperado] : casos) EXPECT_DOUBLE_EQ(base::RedondeoPar(v, d), esperado) << v;
}

}  // namespace
