// The suite's error object: Number, Description and Source of a failure.
// Every layer throws this one type; the error dialogs read it.
#pragma once
#include <QString>
#include <exception>
#include <string>

namespace base {

// Run-time error numbers the program names.
namespace err {
constexpr long LlamadaNoValida = 5;      // invalid procedure call or argument
constexpr long Desbordamiento = 6;       // overflow
constexpr long TiposNoCoinciden = 13;    // type mismatch
constexpr long ArchivoNoEncontrado = 53; // file not found
constexpr long ErrorRutaArchivo = 75;    // path/file access error
constexpr long RutaNoEncontrada = 76;    // path not found
constexpr long UsoNoValidoDeNull = 94;   // invalid use of Null
constexpr long ElementoNoEncontrado = 3265;
constexpr long ErrorInterno = 51;        // anything that is not one of ours
}  // namespace err

class Error : public std::exception {
public:
    Error(long number, QString description, QString source = QStringLiteral("RmAutoImpr"))
        : Number(number), Description(std::move(description)), Source(std::move(source)),
          what_(Description.toStdString()) {}
    const char* what() const noexcept override { return what_.c_str(); }

    long Number;
    QString Description;
    QString Source;

private:
    std::string what_;
};

// Turns whatever was thrown into the suite's error object (call inside a catch block).
Error ErrorActual();

}  // namespace base
