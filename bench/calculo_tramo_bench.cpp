// The worked example (25 mm pipe, 10 m, one litre a second, seven evaluations of the friction
// loss) computed twice: with the program's checked arithmetic, and with the same formulas, in
// the same groupings, on plain doubles. The second is the floor the first is measured against.

#include <benchmark/benchmark.h>

#include <bit>
#include <cmath>
#include <cstdint>

#include "core/Constantes.h"
#include "core/FalloAritmetico.h"
#include "core/Flujo.h"
#include "core/Perdidas.h"
#include "core/Tramo.h"

namespace {

using namespace tramo;

constexpr DatosTramo kEjemplo{.ViscCinem = 1.007E-06,
                              .CoefRugos = 1.5E-06,
                              .CoefPerdMenores = 2,
                              .Long = 10,
                              .Caudal = 0.001,
                              .DiamComerc = 0.025};

// Both stages with nothing checked but the bound on the iteration, which is part of the method.
ResultadosTramo CalcularSinComprobar(const DatosTramo& datos) {
  const double nu = datos.ViscCinem;
  const double ks = datos.CoefRugos;
  const double Km = datos.CoefPerdMenores;
  const double L = datos.Long;
  const double Q = datos.Caudal;
  const double D = datos.DiamComerc;
  const double g = Gravedad;

  ResultadosTramo r;
  const double A = (Pi * (D * D)) / 4;
  const double V = Q / A;
  r.AreaTubo = A;
  r.Veloc = V;

  double anterior = SemillaPerdFricc;
  double nueva = 0;
  long iteracion = 1;
  while (!(std::fabs(nueva - anterior) < ToleranciaPerdFricc)) {
    if (iteracion > MaxEvaluacionesPerdFricc)
      Fallar(TipoFallo::NoConverge);
    if (iteracion != 1)
      anterior = nueva;
    const double s = std::sqrt((2 * g * D) * std::fabs(anterior));
    const double arg = ks / (ColebrookRugos * D) + ((ColebrookVisc * nu) * std::sqrt(L)) / (D * s);
    const double k = (2 * std::log(arg)) / std::log(10.0);
    const double t = ((-V) * std::sqrt(L)) / k;
    nueva = (t * t) / ((2 * g) * D);
    iteracion = iteracion + 1;
  }

  const double hm = ((Km * (V * V)) / 2) / g;
  r.PerdFricc = nueva;
  r.PerdMenores = hm;
  r.PerdTotal = nueva + hm;
  return r;
}

ResultadosTramo CalcularComprobado(const DatosTramo& datos) {
  ResultadosTramo r;
  CalcularFlujo(datos, r);
  CalcularPerdidas(datos, r);
  return r;
}

bool MismosBits(const ResultadosTramo& a, const ResultadosTramo& b) {
  const auto bits = [](double x) { return std::bit_cast<std::uint64_t>(x); };
  return bits(a.AreaTubo) == bits(b.AreaTubo) && bits(a.Veloc) == bits(b.Veloc) &&
         bits(a.PerdFricc) == bits(b.PerdFricc) && bits(a.PerdMenores) == bits(b.PerdMenores) &&
         bits(a.PerdTotal) == bits(b.PerdTotal);
}

template <ResultadosTramo (*Calcular)(const DatosTramo&)>
void BM_Tramo(benchmark::State& state) {
  // Both must do the very same work, to the last bit, or the comparison means nothing.
  if (!MismosBits(CalcularComprobado(kEjemplo), CalcularSinComprobar(kEjemplo))) {
    state.SkipWithError("the plain and the checked calculations disagree");
    return;
  }
  for (auto _ : state) {
    DatosTramo datos = kEjemplo;
    benchmark::DoNotOptimize(datos);  // the inputs are unknown to the compiler every time
    ResultadosTramo resultados = Calcular(datos);
    benchmark::DoNotOptimize(resultados);
  }
}

BENCHMARK(BM_Tramo<CalcularComprobado>)->Name("Comprobado");
BENCHMARK(BM_Tramo<CalcularSinComprobar>)->Name("SinComprobar");

}  // namespace
