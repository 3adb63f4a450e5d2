// Rounding half to even on the decimal form of a value (its 15 significant digits,
// what the runtime shows), so a value written as 2.5 or 1234.565 is a true half.
#include "base/redondeo.h"
#include "base/numeros.h"
#include <charconv>
#include <cmath>

namespace base {

std::string FijoPar(double v, int decimales) {
    if (decimales < 0) decimales = 0;
    if (!std::isfinite(v)) return v != v ? std::string("0") : (v < 0 ? "-inf" : "inf");
    bool negativo = v < 0;
    int exp10 = 0;
    std::string digitos = DigitosSignificativos(v, exp10);
    // value = digitos * 10^(exp10 - 14); wanted: value * 10^decimales as a whole number.
    int escala = exp10 - 14 + decimales;
    std::string entero;
    if (escala >= 0) {
        entero = digitos + std::string(escala, '0');
    } else {
        int quitar = -escala;
        if (quitar > 15) {
            entero = "0";
        } else {
            int quedan = 15 - quitar;
            entero = digitos.substr(0, quedan);
            std::string resto = digitos.substr(quedan);
            std::string mitad = "5" + std::string(resto.size() - 1, '0');
            int cmp = resto.compare(mitad);
            bool ultimoImpar = !entero.empty() && ((entero.back() - '0') % 2 == 1);
            bool subir = cmp > 0 || (cmp == 0 && ultimoImpar);
            if (entero.empty()) entero = "0";
            if (subir) {
                int i = static_cast<int>(entero.size()) - 1;
                while (i >= 0 && entero[i] == '9') entero[i--] = '0';
                if (i < 0) entero.insert(entero.begin(), '1');
                else ++entero[i];
            }
        }
    }
    size_t nz = entero.find_first_not_of('0');
    entero = nz == std::string::npos ? std::string("0") : entero.substr(nz);
    bool cero = entero == "0";
    if (static_cast<int>(entero.size()) < decimales + 1)
        entero.insert(0, decimales + 1 - entero.size(), '0');
    std::string r = entero;
    if (decimales > 0) r.insert(r.size() - decimales, ".");
    if (negativo && !cero) r.insert(r.begin(), '-');
    return r;
}

double RedondeoPar(double v, int decimales) {
    if (!std::isfinite(v)) return v;
    if (decimales < 0) decimales = 0;
    const std::string t = FijoPar(v, decimales);
    double r = 0.0;
    std::from_chars(t.data(), t.data() + t.size(), r);
    return r;
}

}  // namespace base
