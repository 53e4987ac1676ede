#include "core/PerdFricc.h"

#include "core/Constantes.h"
#include "core/Real.h"

namespace tramo {

// With Re = V·D/ν and √f = √(2g·D·hf) ÷ (V·√L) from Darcy–Weisbach, Colebrook–White gives each
// new estimate of hf from the previous one alone:
//   s   = √( (2·g·D) · |hf_prev| )
//   arg = ks/(3.7·D) + (2.51·ν·√L)/(D·s)
//   k   = 2·log10(arg)
//   hf  = ( (−V·√L)/k )² / (2·g·D)
IteracionPerdFricc IterarPerdFricc(const DatosTramo& datos, double veloc) {
  const Real nu = datos.ViscCinem;
  const Real ks = datos.CoefRugos;
  const Real L = datos.Long;
  const Real D = datos.DiamComerc;
  const Real V = veloc;
  const Real g = Gravedad;

  Real anterior = SemillaPerdFricc;
  Real nueva = 0;
  long iteracion = 1;

  // The test is absolute, in metres; on entry it compares 0 with the seed, so at least one
  // evaluation always runs.
  while (!(Abs(nueva - anterior) < ToleranciaPerdFricc)) {
    if (iteracion > MaxEvaluacionesPerdFricc)
      Fallar(TipoFallo::NoConverge);
    // In the first iteration the seed stays as the previous estimate.
    if (iteracion != 1)
      anterior = nueva;

    // |previous| as the formula has it: the estimates are squares, so for a real pipe it only
    // guards the root, and a negative diameter still fails there.
    const Real s = Raiz((2 * g * D) * Abs(anterior));
    const Real arg = ks / (ColebrookRugos * D) + ((ColebrookVisc * nu) * Raiz(L)) / (D * s);
    const Real k = (2 * Ln(arg)) / Ln(Real(10));
    // The square keeps the estimate non-negative whatever the sign of V.
    nueva = Cuadrado(((-V) * Raiz(L)) / k) / ((2 * g) * D);

    iteracion = iteracion + 1;
  }

  return {nueva.Valor(), iteracion - 1};
}

double CalcularPerdFricc(const DatosTramo& datos, double veloc) {
  return IterarPerdFricc(datos, veloc).PerdFricc;
}

}  // namespace tramo
