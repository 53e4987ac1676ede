#include "core/FalloAritmetico.h"

namespace tramo {

const char* DescribirFallo(TipoFallo tipo) noexcept {
  switch (tipo) {
    case TipoFallo::DivisionPorCero:
      return "División por cero";
    case TipoFallo::Desbordamiento:
      return "Desbordamiento";
    case TipoFallo::RaizNegativa:
      return "Raíz cuadrada de un número negativo";
    case TipoFallo::LogaritmoNoPositivo:
      return "Logaritmo de un número no positivo";
    case TipoFallo::NoConverge:
      return "La pérdida por fricción no converge";
  }
  return "Fallo aritmético";
}

void Fallar(TipoFallo tipo) {
  throw FalloAritmetico(tipo);
}

}  // namespace tramo
