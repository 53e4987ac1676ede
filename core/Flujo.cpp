#include "core/Flujo.h"

#include "core/Constantes.h"
#include "core/Real.h"

namespace tramo {

void CalcularFlujo(const DatosTramo& datos, ResultadosTramo& resultados) {
  const Real D = datos.DiamComerc;
  const Real Q = datos.Caudal;

  const Real A = (Pi * Cuadrado(D)) / 4;
  const Real V = Q / A;

  resultados.AreaTubo = A.Valor();
  resultados.Veloc = V.Valor();
}

}  // namespace tramo
