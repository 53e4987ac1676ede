#pragma once

#include "core/Tramo.h"

namespace tramo {

// Second stage, on the results whose Veloc CalcularFlujo filled: fills PerdFricc, PerdMenores
// and PerdTotal. Throws FalloAritmetico, and then fills none of the three.
void CalcularPerdidas(const DatosTramo& datos, ResultadosTramo& resultados);

}  // namespace tramo
