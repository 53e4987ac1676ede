#pragma once

#include "core/Tramo.h"

namespace tramo {

// The friction head loss and how many times the iteration evaluated its formula to reach it.
struct IteracionPerdFricc {
  double PerdFricc = 0;
  long Evaluaciones = 0;
};

// Colebrook–White with Darcy–Weisbach, solved by fixed-point iteration for the friction loss
// hf itself. Throws FalloAritmetico, of kind NoConverge when the estimates have not settled
// after MaxEvaluacionesPerdFricc evaluations.
IteracionPerdFricc IterarPerdFricc(const DatosTramo& datos, double veloc);

// The friction head loss hf [m] alone.
double CalcularPerdFricc(const DatosTramo& datos, double veloc);

}  // namespace tramo
