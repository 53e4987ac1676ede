#pragma once

#include "core/Tramo.h"

namespace tramo {

// First stage: fills AreaTubo and Veloc. Throws FalloAritmetico (a zero diameter divides by
// zero) and then leaves the results untouched.
void CalcularFlujo(const DatosTramo& datos, ResultadosTramo& resultados);

}  // namespace tramo
