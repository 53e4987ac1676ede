#pragma once

#include <cmath>

#include "core/FalloAritmetico.h"

namespace tramo {

// A double whose every operation is checked where it happens: a zero divisor, the root of a
// negative, the logarithm of a non-positive number or a result beyond the double range raises
// FalloAritmetico with its kind, so no infinity or not-a-number is ever carried to the next
// step. The formulas are written with it just as they read on paper, and C++ keeps their
// grouping, which decides the last bits of every result.
class Real {
 public:
  constexpr Real(double valor) noexcept
      : valor_(valor) {}  // NOLINT: implicit, to mix with literals

  constexpr double Valor() const noexcept { return valor_; }

  friend Real operator+(Real a, Real b) { return Comprobar(a.valor_ + b.valor_); }
  friend Real operator-(Real a, Real b) { return Comprobar(a.valor_ - b.valor_); }
  friend Real operator*(Real a, Real b) { return Comprobar(a.valor_ * b.valor_); }
  friend Real operator/(Real a, Real b) {
    if (b.valor_ == 0)
      Fallar(TipoFallo::DivisionPorCero);
    return Comprobar(a.valor_ / b.valor_);
  }
  friend constexpr Real operator-(Real a) noexcept { return Real(-a.valor_); }
  friend constexpr bool operator<(Real a, Real b) noexcept { return a.valor_ < b.valor_; }

  friend Real Raiz(Real x) {
    if (x.valor_ < 0)
      Fallar(TipoFallo::RaizNegativa);
    return Real(std::sqrt(x.valor_));
  }
  friend Real Ln(Real x) {
    if (!(x.valor_ > 0))
      Fallar(TipoFallo::LogaritmoNoPositivo);
    return Real(std::log(x.valor_));
  }
  friend Real Abs(Real x) noexcept { return Real(std::fabs(x.valor_)); }
  friend Real Piso(Real x) noexcept { return Real(std::floor(x.valor_)); }
  friend Real Cuadrado(Real x) { return x * x; }

 private:
  static Real Comprobar(double resultado) {
    if (!std::isfinite(resultado))
      Fallar(TipoFallo::Desbordamiento);
    return Real(resultado);
  }

  double valor_;
};

}  // namespace tramo
