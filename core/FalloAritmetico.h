#pragma once

#include <exception>

namespace tramo {

// Every way a calculation can fail.
enum class TipoFallo {
  DivisionPorCero,      // a divisor was zero, whatever the dividend
  Desbordamiento,       // a result went beyond the largest double
  RaizNegativa,         // the square root of a negative number
  LogaritmoNoPositivo,  // the logarithm of zero or of a negative number
  NoConverge,           // the friction-loss iteration did not settle within its bound
};

// The kind as the window reports it to the user, in Spanish.
const char* DescribirFallo(TipoFallo tipo) noexcept;

// Raised where an arithmetic fault arises; it ends the calculation and carries its kind.
class FalloAritmetico : public std::exception {
 public:
  explicit FalloAritmetico(TipoFallo tipo) noexcept : tipo_(tipo) {}

  TipoFallo Tipo() const noexcept { return tipo_; }
  const char* what() const noexcept override { return DescribirFallo(tipo_); }

 private:
  TipoFallo tipo_;
};

// Out of line, so that the checks stay small where they are inlined.
[[noreturn]] void Fallar(TipoFallo tipo);

}  // namespace tramo
