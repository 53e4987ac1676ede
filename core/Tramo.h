#pragma once

// One section of pipe running full, in SI units throughout.

namespace tramo {

// The six quantities typed for a section. Nothing checks them: zero and negative values reach
// the formulas as they come, and a fault there raises FalloAritmetico.
struct DatosTramo {
  double ViscCinem = 0;        // kinematic viscosity ν [m²/s]
  double CoefRugos = 0;        // absolute wall roughness ks [m]
  double CoefPerdMenores = 0;  // sum of the fittings' minor-loss coefficients Km [-]
  double Long = 0;             // length L [m]
  double Caudal = 0;           // flow Q [m³/s]
  double DiamComerc = 0;       // diameter D [m], for the area and the losses alike
};

// The five results, unrounded: rounding is for display only.
struct ResultadosTramo {
  double AreaTubo = 0;     // A [m²]     by CalcularFlujo
  double Veloc = 0;        // V [m/s]    by CalcularFlujo
  double PerdFricc = 0;    // hf [m]     by CalcularPerdidas
  double PerdMenores = 0;  // hm [m]     by CalcularPerdidas
  double PerdTotal = 0;    // HT [m]     by CalcularPerdidas
};

}  // namespace tramo
