// The pipe-section arithmetic: the worked example to the last bit, every way it can fail, the
// iteration's bound, and the signs of the inputs.
//
// Every expected figure below comes from an independent evaluation of the same formulas, with the
// same groupings, in Python (IEEE doubles and the same C library logarithm), not from this code.

#include <gtest/gtest.h>

#include <bit>
#include <chrono>
#include <cstdint>
#include <iterator>
#include <optional>
#include <ostream>
#include <set>
#include <string>

#include "core/FalloAritmetico.h"
#include "core/Flujo.h"
#include "core/PerdFricc.h"
#include "core/Perdidas.h"
#include "core/Tramo.h"

namespace tramo {

// So that a wrong kind reads as its sentence in a failed expectation.
void PrintTo(TipoFallo tipo, std::ostream* os) {
  *os << DescribirFallo(tipo);
}

namespace {

// Water at 20 °C through 10 m of 25 mm plastic pipe with two fittings, one litre a second.
constexpr DatosTramo kEjemplo{.ViscCinem = 1.007E-06,
                              .CoefRugos = 1.5E-06,
                              .CoefPerdMenores = 2,
                              .Long = 10,
                              .Caudal = 0.001,
                              .DiamComerc = 0.025};

ResultadosTramo Calcular(const DatosTramo& datos) {
  ResultadosTramo resultados;
  CalcularFlujo(datos, resultados);
  CalcularPerdidas(datos, resultados);
  return resultados;
}

// The kind raised by the call, or nothing when it went through.
template <class Llamada>
std::optional<TipoFallo> FalloDe(Llamada&& llamada) {
  try {
    llamada();
  } catch (const FalloAritmetico& fallo) {
    return fallo.Tipo();
  }
  return std::nullopt;
}

void ExpectMismosBits(const ResultadosTramo& a, const ResultadosTramo& b) {
  EXPECT_EQ(std::bit_cast<std::uint64_t>(a.AreaTubo), std::bit_cast<std::uint64_t>(b.AreaTubo));
  EXPECT_EQ(std::bit_cast<std::uint64_t>(a.Veloc), std::bit_cast<std::uint64_t>(b.Veloc));
  EXPECT_EQ(std::bit_cast<std::uint64_t>(a.PerdFricc), std::bit_cast<std::uint64_t>(b.PerdFricc));
  EXPECT_EQ(std::bit_cast<std::uint64_t>(a.PerdMenores),
            std::bit_cast<std::uint64_t>(b.PerdMenores));
  EXPECT_EQ(std::bit_cast<std::uint64_t>(a.PerdTotal), std::bit_cast<std::uint64_t>(b.PerdTotal));
}

// ---------------------------------------------------------------------------------------------
// The worked example.

TEST(EjemploTramo, DaLasCifrasExactas) {
  ResultadosTramo r;
  CalcularFlujo(kEjemplo, r);
  EXPECT_EQ(r.AreaTubo, 0.0004908737500000001);
  EXPECT_EQ(r.Veloc, 2.0371836954002935);

  const IteracionPerdFricc iteracion = IterarPerdFricc(kEjemplo, r.Veloc);
  EXPECT_EQ(iteracion.Evaluaciones, 7);
  EXPECT_EQ(iteracion.PerdFricc, 1.7816693849549181);

  CalcularPerdidas(kEjemplo, r);
  EXPECT_EQ(r.AreaTubo, 0.0004908737500000001);
  EXPECT_EQ(r.Veloc, 2.0371836954002935);
  EXPECT_EQ(r.PerdFricc, 1.7816693849549181);
  EXPECT_EQ(r.PerdMenores, 0.4231014404213356);  // ((Km·(V·V))/2)/g
  EXPECT_EQ(r.PerdTotal, 2.2047708253762535);
}

// ---------------------------------------------------------------------------------------------
// Failures: each one raised at its own stage, with its own kind, and never half-written results.

enum class Etapa {
  Flujo,              // CalcularFlujo raises
  PerdFricc,          // the flow goes through; the friction iteration raises
  PerdMenoresOTotal,  // the iteration settles; hm or HT raises afterwards
};

struct CasoFallo {
  const char* nombre;
  DatosTramo datos;  // ν, ks, Km, L, Q, D
  Etapa etapa;
  TipoFallo tipo;
};

void PrintTo(const CasoFallo& caso, std::ostream* os) {
  *os << caso.nombre;
}

// Values no calculation produces, to see whether a failed stage wrote anything.
constexpr ResultadosTramo kCentinela{.AreaTubo = -11.5,
                                     .Veloc = -12.5,
                                     .PerdFricc = -13.5,
                                     .PerdMenores = -14.5,
                                     .PerdTotal = -15.5};

class FalloTramo : public testing::TestWithParam<CasoFallo> {};

TEST_P(FalloTramo, FallaEnSuEtapaSinTocarLosResultados) {
  const CasoFallo& caso = GetParam();
  ResultadosTramo r = kCentinela;

  const std::optional<TipoFallo> falloFlujo = FalloDe([&] { CalcularFlujo(caso.datos, r); });
  if (caso.etapa == Etapa::Flujo) {
    EXPECT_EQ(falloFlujo, caso.tipo);
    ExpectMismosBits(r, kCentinela);
    return;
  }
  ASSERT_EQ(falloFlujo, std::nullopt);
  const ResultadosTramo trasFlujo = r;

  const std::optional<TipoFallo> falloIteracion =
      FalloDe([&] { (void)IterarPerdFricc(caso.datos, r.Veloc); });
  if (caso.etapa == Etapa::PerdFricc)
    EXPECT_EQ(falloIteracion, caso.tipo);
  else
    EXPECT_EQ(falloIteracion, std::nullopt);

  EXPECT_EQ(FalloDe([&] { CalcularPerdidas(caso.datos, r); }), caso.tipo);
  // hf, hm and HT keep what they held before: none of the three is written on a failure.
  ExpectMismosBits(r, trasFlujo);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, FalloTramo,
    testing::Values(
        // No area to divide the flow by.
        CasoFallo{"DiametroCero",
                  {1.007E-06, 1.5E-06, 2, 10, 0.001, 0},
                  Etapa::Flujo,
                  TipoFallo::DivisionPorCero},
        // D² goes below the smallest double: the area comes out as zero, not as a tiny number.
        CasoFallo{"DiametroDiminuto",
                  {1.007E-06, 1.5E-06, 2, 10, 0.001, 1e-200},
                  Etapa::Flujo,
                  TipoFallo::DivisionPorCero},
        // D² goes beyond the largest double.
        CasoFallo{"DiametroEnorme",
                  {1.007E-06, 1.5E-06, 2, 10, 0.001, 1e200},
                  Etapa::Flujo,
                  TipoFallo::Desbordamiento},
        // The area is positive, but √(2·g·D·|hf|) is the root of a negative.
        CasoFallo{"DiametroNegativo",
                  {1.007E-06, 1.5E-06, 2, 10, 0.001, -0.025},
                  Etapa::PerdFricc,
                  TipoFallo::RaizNegativa},
        // V = 0 makes the first estimate 0, so the second divides by D·s = 0.
        CasoFallo{"CaudalCero",
                  {1.007E-06, 1.5E-06, 2, 10, 0, 0.025},
                  Etapa::PerdFricc,
                  TipoFallo::DivisionPorCero},
        // √L = 0 makes the first estimate 0; the second is 0/(D·0) inside the logarithm.
        CasoFallo{"LongitudCero",
                  {1.007E-06, 1.5E-06, 2, 0, 0.001, 0.025},
                  Etapa::PerdFricc,
                  TipoFallo::DivisionPorCero},
        // With no roughness as well, the first logarithm is of 0 + 0.
        CasoFallo{"LongitudCeroTuboLiso",
                  {1.007E-06, 0, 2, 0, 0.001, 0.025},
                  Etapa::PerdFricc,
                  TipoFallo::LogaritmoNoPositivo},
        CasoFallo{"LongitudNegativa",
                  {1.007E-06, 1.5E-06, 2, -10, 0.001, 0.025},
                  Etapa::PerdFricc,
                  TipoFallo::RaizNegativa},
        // A smooth wall and no viscosity: the logarithm is of 0 + 0.
        CasoFallo{"LisoSinViscosidad",
                  {0, 0, 2, 10, 0.001, 0.025},
                  Etapa::PerdFricc,
                  TipoFallo::LogaritmoNoPositivo},
        // ks/(3.7·D) = 3.7/3.7 is exactly 1 and ν = 0 adds nothing, so k = 2·ln 1/ln 10 = 0.
        // With D = 1 and the seed, no other divisor of the first evaluation can be zero: the
        // fault is the division by k.
        CasoFallo{"ArgumentoUno",
                  {0, 3.7, 2, 10, 0.001, 1},
                  Etapa::PerdFricc,
                  TipoFallo::DivisionPorCero},
        // V ≈ 2·10³⁰³: (V·√L/k)² goes beyond the largest double.
        CasoFallo{"CaudalEnorme",
                  {1.007E-06, 1.5E-06, 2, 10, 1e300, 0.025},
                  Etapa::PerdFricc,
                  TipoFallo::Desbordamiento},
        // Laminar flow at Re ≈ 5: the estimates jump between 0.1 m and 10⁹ m and never settle.
        CasoFallo{"SinConvergencia",
                  {1e-3, 1.5E-06, 2, 100, 1e-4, 0.025},
                  Etapa::PerdFricc,
                  TipoFallo::NoConverge},
        // hf settles, then Km·V² goes beyond the largest double: hf must not be written alone.
        CasoFallo{"PerdMenoresEnorme",
                  {1.007E-06, 1.5E-06, 1e308, 10, 0.001, 0.025},
                  Etapa::PerdMenoresOTotal,
                  TipoFallo::Desbordamiento},
        // hf ≈ 1.78·10³⁰⁸ and hm ≈ 8.8·10³⁰⁶ are each finite; their sum is not.
        CasoFallo{"PerdTotalEnorme",
                  {1e-6, 3.7e-4, 17, 55, 2.5e149, 0.01},
                  Etapa::PerdMenoresOTotal,
                  TipoFallo::Desbordamiento}),
    [](const testing::TestParamInfo<CasoFallo>& info) { return std::string(info.param.nombre); });

TEST(FalloAritmeticoTest, CadaTipoLlevaSuPropiaFrase) {
  const TipoFallo tipos[] = {TipoFallo::DivisionPorCero, TipoFallo::Desbordamiento,
                             TipoFallo::RaizNegativa, TipoFallo::LogaritmoNoPositivo,
                             TipoFallo::NoConverge};
  std::set<std::string> frases;
  for (const TipoFallo tipo : tipos) {
    const FalloAritmetico fallo(tipo);
    EXPECT_EQ(fallo.Tipo(), tipo);
    EXPECT_STRNE(fallo.what(), "");
    frases.insert(fallo.what());
  }
  EXPECT_EQ(frases.size(), std::size(tipos));  // the window must tell the kinds apart
}

// ---------------------------------------------------------------------------------------------
// The bound on the iteration.

TEST(NoConvergeTramo, SeRindeAlLimiteYPronto) {
  // The same laminar section as "SinConvergencia": without the bound it does not settle in
  // three million evaluations.
  const DatosTramo datos{1e-3, 1.5E-06, 2, 100, 1e-4, 0.025};
  ResultadosTramo r;
  CalcularFlujo(datos, r);

  const auto inicio = std::chrono::steady_clock::now();
  const std::optional<TipoFallo> fallo = FalloDe([&] { (void)IterarPerdFricc(datos, r.Veloc); });
  const auto transcurrido = std::chrono::steady_clock::now() - inicio;

  EXPECT_EQ(fallo, TipoFallo::NoConverge);
  // A few milliseconds in an optimised build; the margin is for slow machines and sanitizers.
  EXPECT_LT(transcurrido, std::chrono::seconds(2));
}

struct CasoConverge {
  const char* nombre;
  DatosTramo datos;  // ν, ks, Km, L, Q, D
  double perdFricc;
  long evaluaciones;
};

void PrintTo(const CasoConverge& caso, std::ostream* os) {
  *os << caso.nombre;
}

class ConvergeTramo : public testing::TestWithParam<CasoConverge> {};

// The bound only ends sections that would not settle: these settle to the same hf, after the
// same number of evaluations, as the loop run with no bound at all.
TEST_P(ConvergeTramo, ElLimiteNoCambiaElResultado) {
  const CasoConverge& caso = GetParam();
  ResultadosTramo r;
  CalcularFlujo(caso.datos, r);

  const IteracionPerdFricc iteracion = IterarPerdFricc(caso.datos, r.Veloc);
  EXPECT_EQ(iteracion.Evaluaciones, caso.evaluaciones);
  EXPECT_EQ(iteracion.PerdFricc, caso.perdFricc);
  EXPECT_EQ(CalcularPerdFricc(caso.datos, r.Veloc), caso.perdFricc);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ConvergeTramo,
    testing::Values(
        // Turbulent flow settles within a handful of evaluations.
        CasoConverge{"Ejemplo", kEjemplo, 1.7816693849549181, 7},
        CasoConverge{"Tubo200mm", {1.007E-06, 4.5e-5, 0, 250, 0.05, 0.2}, 2.6387658622582224, 5},
        CasoConverge{"Tubo500mm", {1.007E-06, 2.6e-4, 0, 1200, 0.3, 0.5}, 4.994188831872102, 4},
        // A loss far below the 0.1 mm tolerance: the second estimate is taken as it comes.
        CasoConverge{
            "PerdidaInapreciable", {1e-3, 1.5E-06, 0, 1000, 1e-9, 0.1}, 6.061639765751893e-14, 2},
        // Laminar sections wander for tens of thousands of evaluations before they happen to
        // settle; every bit of every step decides when, so these also pin the groupings.
        CasoConverge{
            "LaminarLento", {1e-5, 1.5E-06, 0, 1500, 1e-6, 0.025}, 0.019678151377570313, 40'393},
        CasoConverge{
            "LaminarCasiAlLimite", {1e-4, 0, 0, 100, 1e-6, 0.01}, 0.7060413241190707, 88'463}),
    [](const testing::TestParamInfo<CasoConverge>& info) {
      return std::string(info.param.nombre);
    });

// ---------------------------------------------------------------------------------------------
// Repetition and signs.

TEST(RepeticionTramo, LosMismosDatosDanLosMismosBits) {
  const ResultadosTramo primero = Calcular(kEjemplo);

  // Other sections in between, one of them failing halfway through the iteration.
  (void)Calcular({1.007E-06, 2.6e-4, 5, 1200, 0.3, 0.5});
  (void)Calcular({1e-5, 1.5E-06, 0, 1000, 1e-6, 0.025});
  ResultadosTramo descartado;
  EXPECT_EQ(FalloDe([&] {
              descartado = Calcular({1e-3, 1.5E-06, 2, 100, 1e-4, 0.025});
            }),
            TipoFallo::NoConverge);

  ExpectMismosBits(Calcular(kEjemplo), primero);
}

TEST(SignosTramo, CaudalNegativoDaVelocidadNegativaYLasMismasPerdidas) {
  DatosTramo inverso = kEjemplo;
  inverso.Caudal = -kEjemplo.Caudal;
  const ResultadosTramo r = Calcular(inverso);

  EXPECT_EQ(r.AreaTubo, 0.0004908737500000001);
  EXPECT_EQ(r.Veloc, -2.0371836954002935);
  EXPECT_EQ(r.PerdFricc, 1.7816693849549181);
  EXPECT_EQ(r.PerdMenores, 0.4231014404213356);
  EXPECT_EQ(r.PerdTotal, 2.2047708253762535);
}

TEST(SignosTramo, KmNegativoRestaDeLaPerdidaTotal) {
  DatosTramo ganancia = kEjemplo;
  ganancia.CoefPerdMenores = -2;
  const ResultadosTramo r = Calcular(ganancia);

  EXPECT_EQ(r.PerdFricc, 1.7816693849549181);
  EXPECT_EQ(r.PerdMenores, -0.4231014404213356);
  EXPECT_EQ(r.PerdTotal, 1.3585679445335825);
  EXPECT_LT(r.PerdTotal, r.PerdFricc);
}

}  // namespace
}  // namespace tramo
