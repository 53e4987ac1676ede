#pragma once

// The fixed constants of the calculation. These exact values, not the textbook ones, are what
// the results are checked against: changing one changes the last digits of every answer.

namespace tramo {

inline constexpr double Gravedad = 9.8088;  // g [m/s²], not 9.81 nor 9.80665
inline constexpr double Pi = 3.141592;      // six decimals, for the area

inline constexpr double SemillaPerdFricc = 1000;       // first previous estimate of hf [m]
inline constexpr double ToleranciaPerdFricc = 0.0001;  // absolute convergence test on hf [m]

// Colebrook–White: 1/√f = −2·log10( ks/(3.7·D) + 2.51/(Re·√f) )
inline constexpr double ColebrookRugos = 3.7;
inline constexpr double ColebrookVisc = 2.51;

// Turbulent sections settle in a handful of evaluations, and nearly all converging ones within
// about 12,000. At very low Reynolds numbers the estimates jump over orders of magnitude and
// stop, if ever, only by chance, sometimes after tens or hundreds of thousands of evaluations;
// past this bound such a section is reported as not converging rather than left to wander.
inline constexpr long MaxEvaluacionesPerdFricc = 100'000;

}  // namespace tramo
