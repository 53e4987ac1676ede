#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/FalloAritmetico.h"
#include "window/OrdenCalcular.h"

namespace tramo {

// Failures print as the window reports them.
void PrintTo(TipoFallo tipo, std::ostream* os) {
  *os << DescribirFallo(tipo);
}

}  // namespace tramo

namespace {

using tramo::EjecutarCalcular;
using tramo::FalloAritmetico;
using tramo::TipoFallo;

// A box of the window, held in memory. It counts what CALCULAR writes into it; what the user
// types is not counted.
class CajaMemoria : public tramo::CajaTexto {
 public:
  explicit CajaMemoria(std::string texto) : texto_(std::move(texto)) {}

  std::string Texto() const override { return texto_; }
  void PonerTexto(const std::string& texto) override {
    texto_ = texto;
    ++escrituras_;
  }

  void Teclear(std::string texto) { texto_ = std::move(texto); }
  int Escrituras() const { return escrituras_; }

 private:
  std::string texto_;
  int escrituras_ = 0;
};

enum Dato { Visc, Rugos, Km, Long, Caudal, Diam };

using Textos = std::array<std::string, 5>;  // V, A, hf, hm, HT as shown

// The example section as typed: water at 1 l/s through 10 m of smooth 25 mm pipe, Km = 2.
const std::array<std::string, 6> DatosEjemplo{"1.007E-06", "1.5E-06", "2", "10", "1", "25"};
const Textos ResultadosEjemplo{"2.04", "4.91", "1.78", "0.42", "2.2"};

// The window's boxes, with the example typed in and an earlier press's results still showing.
class Ventana {
 public:
  void Teclear(Dato dato, std::string texto) { datos_[dato].Teclear(std::move(texto)); }
  void Calcular(std::string_view marca) { EjecutarCalcular(cajas_, marca); }

  // Runs CALCULAR and gives the kind of its failure; it fails the test if there is none.
  TipoFallo CalcularFallando() {
    try {
      Calcular(".");
    } catch (const FalloAritmetico& fallo) {
      return fallo.Tipo();
    }
    ADD_FAILURE() << "CALCULAR did not fail; it showed " << ::testing::PrintToString(Resultados());
    return {};
  }

  Textos Resultados() const {
    Textos textos;
    for (size_t i = 0; i < textos.size(); ++i)
      textos[i] = resultados_[i].Texto();
    return textos;
  }
  CajaMemoria& Resultado(size_t i) { return resultados_[i]; }

  // CALCULAR never writes a data box: each still holds what was typed, untouched.
  void ExpectDatosIntactos(const std::array<std::string, 6>& tecleados) const {
    for (size_t i = 0; i < datos_.size(); ++i) {
      EXPECT_EQ(datos_[i].Texto(), tecleados[i]) << "data box " << i;
      EXPECT_EQ(datos_[i].Escrituras(), 0) << "data box " << i;
    }
  }

 private:
  std::array<CajaMemoria, 6> datos_{CajaMemoria(DatosEjemplo[0]), CajaMemoria(DatosEjemplo[1]),
                                    CajaMemoria(DatosEjemplo[2]), CajaMemoria(DatosEjemplo[3]),
                                    CajaMemoria(DatosEjemplo[4]), CajaMemoria(DatosEjemplo[5])};
  std::array<CajaMemoria, 5> resultados_{CajaMemoria("old"), CajaMemoria("old"), CajaMemoria("old"),
                                         CajaMemoria("old"), CajaMemoria("old")};
  tramo::CajasTramo cajas_{datos_[Visc],   datos_[Rugos],  datos_[Km],     datos_[Long],
                           datos_[Caudal], datos_[Diam],   resultados_[0], resultados_[1],
                           resultados_[2], resultados_[3], resultados_[4]};
};

// ---------------------------------------------------------------------------------------------
// Presses that succeed

struct CasoCalculo {
  const char* nombre;
  std::vector<std::pair<Dato, const char*>> tecleado;  // changes to the example's data
  const char* marca;
  Textos resultados;
};

void PrintTo(const CasoCalculo& caso, std::ostream* os) {
  *os << caso.nombre;
}

class CalcularBien : public ::testing::TestWithParam<CasoCalculo> {
 protected:
  Ventana ventana_;
};

TEST_P(CalcularBien, EscribeLosCincoResultados) {
  std::array<std::string, 6> tecleados = DatosEjemplo;
  for (const auto& [dato, texto] : GetParam().tecleado) {
    ventana_.Teclear(dato, texto);
    tecleados[dato] = texto;
  }

  ventana_.Calcular(GetParam().marca);

  EXPECT_EQ(ventana_.Resultados(), GetParam().resultados);
  ventana_.ExpectDatosIntactos(tecleados);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, CalcularBien,
    ::testing::Values(
        CasoCalculo{"Ejemplo", {}, ".", ResultadosEjemplo},
        CasoCalculo{"EjemploConComa", {}, ",", {"2,04", "4,91", "1,78", "0,42", "2,2"}},
        // The data are read with the point whatever the mark: "25,4" is 25 mm.
        CasoCalculo{"DiametroConComaLeeLaParteEntera",
                    {{Diam, "25,4"}},
                    ",",
                    {"2,04", "4,91", "1,78", "0,42", "2,2"}},
        CasoCalculo{"DatosEnOtraForma",
                    {{Visc, " 1.007e-6"}, {Rugos, "0.0000015"}, {Diam, "2.5E1 mm"}},
                    ".",
                    ResultadosEjemplo},
        // The total is the sum of the unrounded losses: 1.7817 + 0.4240 shows as 2.21, though
        // the two losses shown add up to 2.20.
        CasoCalculo{"TotalDeLasPerdidasSinRedondear",
                    {{Km, "2.0043"}},
                    ".",
                    {"2.04", "4.91", "1.78", "0.42", "2.21"}},
        CasoCalculo{
            "PerdidaMenorNegativa", {{Km, "-2"}}, ".", {"2.04", "4.91", "1.78", "-0.42", "1.36"}}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(CalcularOtraVez, ConLosMismosDatosVuelveAEscribirLoMismo) {
  Ventana ventana;
  ventana.Calcular(".");
  const Textos primera = ventana.Resultados();
  ASSERT_EQ(primera, ResultadosEjemplo);

  // The user types over the results; the next press puts them back.
  for (size_t i = 0; i < primera.size(); ++i)
    ventana.Resultado(i).Teclear("12.5");
  ventana.Calcular(".");

  EXPECT_EQ(ventana.Resultados(), primera);
  ventana.ExpectDatosIntactos(DatosEjemplo);
}

// ---------------------------------------------------------------------------------------------
// Presses that fail: the boxes written before the failure keep their new text, the rest are
// empty, and no result of the earlier press is left beside the new data.

struct CasoFallo {
  const char* nombre;
  std::vector<std::pair<Dato, const char*>> tecleado;  // changes to the example's data
  TipoFallo tipo;
  Textos resultados;
};

void PrintTo(const CasoFallo& caso, std::ostream* os) {
  *os << caso.nombre;
}

class CalcularFalla : public ::testing::TestWithParam<CasoFallo> {
 protected:
  Ventana ventana_;
};

TEST_P(CalcularFalla, DejaVaciasLasCajasQueNoAlcanzo) {
  std::array<std::string, 6> tecleados = DatosEjemplo;
  for (const auto& [dato, texto] : GetParam().tecleado) {
    ventana_.Teclear(dato, texto);
    tecleados[dato] = texto;
  }

  EXPECT_EQ(ventana_.CalcularFallando(), GetParam().tipo);

  EXPECT_EQ(ventana_.Resultados(), GetParam().resultados);
  ventana_.ExpectDatosIntactos(tecleados);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, CalcularFalla,
    ::testing::Values(
        // No diameter: the area is zero and the velocity divides by it.
        CasoFallo{"DiametroVacio", {{Diam, ""}}, TipoFallo::DivisionPorCero, {}},
        CasoFallo{"DiametroCero", {{Diam, "0"}}, TipoFallo::DivisionPorCero, {}},
        CasoFallo{"DiametroEnLetras", {{Diam, "abc"}}, TipoFallo::DivisionPorCero, {}},
        // So small that its square is no longer a double above zero.
        CasoFallo{"DiametroDiminuto", {{Diam, "1e-160"}}, TipoFallo::DivisionPorCero, {}},
        // A negative diameter gives a proper area, but the friction loss takes its root.
        CasoFallo{"DiametroNegativo",
                  {{Diam, "-25"}},
                  TipoFallo::RaizNegativa,
                  {"2.04", "4.91", "", "", ""}},
        // No flow: the friction-loss estimate falls to zero and the next one divides by it.
        CasoFallo{
            "CaudalCero", {{Caudal, "0"}}, TipoFallo::DivisionPorCero, {"0", "4.91", "", "", ""}},
        CasoFallo{
            "CaudalVacio", {{Caudal, ""}}, TipoFallo::DivisionPorCero, {"0", "4.91", "", "", ""}},
        CasoFallo{"LongitudCero",
                  {{Long, "0"}},
                  TipoFallo::DivisionPorCero,
                  {"2.04", "4.91", "", "", ""}},
        CasoFallo{"LongitudVacia",
                  {{Long, ""}},
                  TipoFallo::DivisionPorCero,
                  {"2.04", "4.91", "", "", ""}},
        CasoFallo{"LongitudNegativa",
                  {{Long, "-10"}},
                  TipoFallo::RaizNegativa,
                  {"2.04", "4.91", "", "", ""}},
        // A perfectly smooth wall and no viscosity: Colebrook–White's logarithm of zero.
        CasoFallo{"SinRugosidadNiViscosidad",
                  {{Visc, "0"}, {Rugos, "0"}},
                  TipoFallo::LogaritmoNoPositivo,
                  {"2.04", "4.91", "", "", ""}},
        // Each result below is finite, but not a hundred times over: it overflows while being
        // rounded for its box, and no infinity is ever shown.
        CasoFallo{"VelocidadDesbordaAlRedondear",  // V ≈ 2.04E+306 m/s
                  {{Caudal, "1e306"}},
                  TipoFallo::Desbordamiento,
                  {}},
        CasoFallo{"AreaDesbordaAlRedondear",  // A ≈ 7.85E+307 cm²
                  {{Diam, "1e155"}},
                  TipoFallo::Desbordamiento,
                  {"0", "", "", "", ""}},
        CasoFallo{"PerdidaMenorDesbordaAlRedondear",  // hm ≈ 2.12E+306 m
                  {{Km, "1e307"}},
                  TipoFallo::Desbordamiento,
                  {"2.04", "4.91", "1.78", "", ""}}),
    [](const auto& info) { return std::string(info.param.nombre); });

}  // namespace
