#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "core/FalloAritmetico.h"
#include "window/TextoNumero.h"

namespace {

using tramo::FalloAritmetico;
using tramo::LeerNumero;
using tramo::MostrarNumero;
using tramo::RedondearCentesimas;
using tramo::TipoFallo;

constexpr double Maximo = std::numeric_limits<double>::max();
constexpr double MinimoSubnormal = std::numeric_limits<double>::denorm_min();
constexpr double Infinito = std::numeric_limits<double>::infinity();

// ---------------------------------------------------------------------------------------------
// Reading a box

struct CasoLectura {
  std::string texto;
  double valor;
};

void PrintTo(const CasoLectura& caso, std::ostream* os) {
  *os << '"';
  for (const char c : caso.texto.size() > 40 ? caso.texto.substr(0, 40) + "..." : caso.texto) {
    if (c == '\t')
      *os << "\\t";
    else if (c == '\n')
      *os << "\\n";
    else if (c == '\r')
      *os << "\\r";
    else
      *os << c;
  }
  *os << '"';
}

class LeerNumeroTabla : public ::testing::TestWithParam<CasoLectura> {};

TEST_P(LeerNumeroTabla, LeeElValorEsperado) {
  EXPECT_EQ(LeerNumero(GetParam().texto), GetParam().valor);
}

INSTANTIATE_TEST_SUITE_P(Blancos, LeerNumeroTabla,
                         ::testing::Values(CasoLectura{"1 000", 1000}, CasoLectura{" -2 .5", -2.5},
                                           CasoLectura{"\t\n7\t", 7}, CasoLectura{"- 3", -3},
                                           CasoLectura{"1 e 5", 1e5}, CasoLectura{"2E -\t3", 2e-3},
                                           // A carriage return is not a blank: it ends the number.
                                           CasoLectura{"1\r5", 1}));

INSTANTIATE_TEST_SUITE_P(
    Formas, LeerNumeroTabla,
    ::testing::Values(CasoLectura{".5", 0.5}, CasoLectura{"5.", 5}, CasoLectura{"+3", 3},
                      CasoLectura{"007", 7}, CasoLectura{"5.E3", 5000},
                      CasoLectura{"1.007E-06", 1.007e-6}, CasoLectura{"1.5e-06", 1.5e-6},
                      CasoLectura{"25e-1", 2.5},
                      // An exponent needs a digit; without one the mantissa stands alone.
                      CasoLectura{"2E", 2}, CasoLectura{"2E+", 2}, CasoLectura{"2e-x", 2},
                      CasoLectura{"2EE5", 2}));

INSTANTIATE_TEST_SUITE_P(SeDetieneDondeNoSigue, LeerNumeroTabla,
                         ::testing::Values(CasoLectura{"12abc", 12}, CasoLectura{"2,5", 2},
                                           CasoLectura{"1.2.3", 1.2}, CasoLectura{"1e5.5", 1e5},
                                           CasoLectura{"3-4", 3}, CasoLectura{"0x10", 0}));

INSTANTIATE_TEST_SUITE_P(SinNumeroLeeCero, LeerNumeroTabla,
                         ::testing::Values(CasoLectura{"", 0}, CasoLectura{" \t\n ", 0},
                                           CasoLectura{"abc", 0}, CasoLectura{",5", 0},
                                           CasoLectura{".", 0}, CasoLectura{"-", 0},
                                           CasoLectura{"+.", 0}, CasoLectura{"E5", 0},
                                           CasoLectura{"--5", 0}, CasoLectura{"inf", 0},
                                           CasoLectura{"-infinity", 0}, CasoLectura{"nan", 0}));

INSTANTIATE_TEST_SUITE_P(
    RedondeoCorrecto, LeerNumeroTabla,
    ::testing::Values(CasoLectura{"0.1", 0.1},
                      CasoLectura{"1.23456789012345678901234567890", 1.2345678901234568},
                      // 2^53 + 1 lies halfway between two doubles: ties go to the even one.
                      CasoLectura{"9007199254740993", 9007199254740992.0},
                      CasoLectura{"9007199254740995", 9007199254740996.0},
                      CasoLectura{"2.2250738585072011e-308", 2.2250738585072011e-308},
                      CasoLectura{"1e-310", 1e-310}));

INSTANTIATE_TEST_SUITE_P(
    FueraDeRango, LeerNumeroTabla,
    ::testing::Values(CasoLectura{"1e400", Maximo}, CasoLectura{"-1e400", -Maximo},
                      CasoLectura{"1.7976931348623159e308", Maximo},
                      CasoLectura{"1e99999999999999999999", Maximo},
                      CasoLectura{std::string(400, '9'), Maximo},
                      CasoLectura{"-" + std::string(400, '7') + ".5", -Maximo},
                      CasoLectura{"0.0001e309", 1e305}, CasoLectura{"1e-400", 0},
                      CasoLectura{"-1e-400", 0}, CasoLectura{"1e-99999999999999999999", 0},
                      CasoLectura{"0." + std::string(400, '0') + "1", 0},
                      CasoLectura{"0e999999", 0}, CasoLectura{"4.9e-324", MinimoSubnormal},
                      // Just over half the smallest subnormal rounds up to it; just under, to 0.
                      CasoLectura{"2.4703282292062328e-324", MinimoSubnormal},
                      CasoLectura{"2.4703282292062327e-324", 0}));

// Texts of the number's own form, with blanks strewn through them and something after, read
// against strtod on the same text without its blanks. The test runs in the C locale, so
// strtod takes the point; a value beyond the double range, its infinity, stands for the
// largest finite double.
TEST(LeerNumero, CoincideConStrtodEnTextosGenerados) {
  std::mt19937 azar(20240611);
  const auto tirar = [&azar](std::uint32_t n) { return azar() % n; };
  const auto cifras = [&tirar](std::uint32_t n) {
    std::string texto;
    for (std::uint32_t i = 0; i < n; ++i)
      texto += static_cast<char>('0' + tirar(10));
    return texto;
  };
  const std::vector<std::string> colas{"", "", "abc", ",5", ".7", "e", "E+", "-", "5"};

  for (int i = 0; i < 20000; ++i) {
    std::string texto;
    if (tirar(3) == 0)
      texto += "+-"[tirar(2)];
    texto += cifras(tirar(25));
    if (tirar(2) == 0)
      texto += '.' + cifras(tirar(25));
    if (tirar(2) == 0) {
      texto += "eE"[tirar(2)];
      if (tirar(2) == 0)
        texto += "+-"[tirar(2)];
      // Often near the ends of the double range, where overflow and subnormals begin.
      texto += tirar(2) == 0 ? "3" + cifras(2) : cifras(tirar(4));
    }
    texto += colas[tirar(static_cast<std::uint32_t>(colas.size()))];

    std::string conBlancos;
    for (const char c : texto) {
      while (tirar(6) == 0)
        conBlancos += " \t\n"[tirar(3)];
      conBlancos += c;
    }

    double esperado = std::strtod(texto.c_str(), nullptr);
    if (std::isinf(esperado))
      esperado = std::copysign(Maximo, esperado);
    ASSERT_EQ(LeerNumero(conBlancos), esperado) << '"' << texto << '"';
  }
}

TEST(LeerNumero, TextosDeUnMillonDeCaracteresSeLeenBienYPronto) {
  constexpr size_t Millon = 1'000'000;
  const std::string tercio = "0." + std::string(Millon, '3');

  const auto inicio = std::chrono::steady_clock::now();
  EXPECT_EQ(LeerNumero(std::string(Millon, '1')), Maximo);
  EXPECT_EQ(LeerNumero(std::string(Millon, ' ') + "-5"), -5);
  EXPECT_EQ(LeerNumero(std::string(Millon, '\t') + "1" + std::string(Millon, ' ') + "2"), 12);
  EXPECT_EQ(LeerNumero("1" + std::string(Millon, '0') + "e-1000000"), 1);
  EXPECT_EQ(LeerNumero("0." + std::string(Millon, '0') + "25e1000001"), 2.5);
  EXPECT_EQ(LeerNumero(tercio), 1.0 / 3.0);
  EXPECT_EQ(LeerNumero(tercio), std::strtod(tercio.c_str(), nullptr));
  const auto duracion = std::chrono::steady_clock::now() - inicio;

  // Work that grows with the square of the length would take minutes here.
  EXPECT_LT(duracion, std::chrono::seconds(2));
}

// ---------------------------------------------------------------------------------------------
// Rounding a result to hundredths

class RedondearCentesimasTabla : public ::testing::TestWithParam<std::pair<double, double>> {};

TEST_P(RedondearCentesimasTabla, RedondeaAlCentesimo) {
  const auto [x, esperado] = GetParam();
  EXPECT_EQ(RedondearCentesimas(x), esperado) << "x = " << x;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, RedondearCentesimasTabla,
    ::testing::Values(std::pair{2.2047708253762535, 2.2}, std::pair{2.0371836954002935, 2.04},
                      std::pair{0.0, 0.0}, std::pair{3.0, 3.0}, std::pair{0.004, 0.0},
                      std::pair{-0.004, 0.0}, std::pair{-0.006, -0.01},
                      // Halves go up, towards plus infinity, on both sides of zero.
                      std::pair{0.125, 0.13}, std::pair{-0.125, -0.12}, std::pair{-0.005, 0.0},
                      // 1.005 is stored a little under the half and stays under it × 100.
                      std::pair{1.005, 1.0}, std::pair{0.285, 0.28},
                      // 2.675 is stored under the half too, but × 100 rounds to 267.5 exactly.
                      std::pair{2.675, 2.68},
                      // As large as the value can be with x × 100 still finite.
                      std::pair{1e306, 1e306}, std::pair{-1e306, -1e306}));

TEST(RedondearCentesimas, DesbordaCuandoXPorCienSaleDelRango) {
  for (const double x : {1e307, -1e307, Maximo, -Maximo, Infinito, -Infinito}) {
    try {
      const double redondeado = RedondearCentesimas(x);
      ADD_FAILURE() << "x = " << x << " gave " << redondeado;
    } catch (const FalloAritmetico& fallo) {
      EXPECT_EQ(fallo.Tipo(), TipoFallo::Desbordamiento) << "x = " << x;
    }
  }
}

// ---------------------------------------------------------------------------------------------
// Showing a result

struct CasoMuestra {
  double x;
  const char* marca;
  const char* texto;
};

void PrintTo(const CasoMuestra& caso, std::ostream* os) {
  *os << caso.x << " with mark \"" << caso.marca << '"';
}

class MostrarNumeroTabla : public ::testing::TestWithParam<CasoMuestra> {};

TEST_P(MostrarNumeroTabla, MuestraElTextoEsperado) {
  EXPECT_EQ(MostrarNumero(GetParam().x, GetParam().marca), GetParam().texto);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, MostrarNumeroTabla,
    ::testing::Values(CasoMuestra{2.04, ".", "2.04"}, CasoMuestra{2.04, ",", "2,04"},
                      // A mark of more than one byte, as in Arabic-script locales.
                      CasoMuestra{2.04, "\u066b", "2\u066b04"}, CasoMuestra{2.2, ".", "2.2"},
                      CasoMuestra{3, ",", "3"}, CasoMuestra{0.42, ".", "0.42"},
                      CasoMuestra{-0.12, ",", "-0,12"}, CasoMuestra{0, ".", "0"},
                      CasoMuestra{-0.0, ".", "0"}, CasoMuestra{1e13, ".", "10000000000000"},
                      CasoMuestra{123456789012.34, ".", "123456789012.34"},
                      CasoMuestra{-123456789012.34, ",", "-123456789012,34"},
                      CasoMuestra{999999999999999, ".", "999999999999999"},
                      CasoMuestra{0.0001, ".", "0.0001"},
                      // Outside plain digits' range, an exponent with a capital E.
                      CasoMuestra{1e15, ".", "1E+15"}, CasoMuestra{1e20, ".", "1E+20"},
                      CasoMuestra{-1.5e20, ",", "-1,5E+20"}, CasoMuestra{0.00005, ".", "5E-05"},
                      CasoMuestra{Maximo, ".", "1.7976931348623157E+308"},
                      CasoMuestra{MinimoSubnormal, ".", "5E-324"}));

// n hundredths written out digit by digit, with no help from floating point.
std::string Centesimas(std::int64_t n) {
  std::string texto = n < 0 ? "-" : "";
  const std::int64_t magnitud = n < 0 ? -n : n;
  texto += std::to_string(magnitud / 100);
  const std::int64_t resto = magnitud % 100;
  if (resto != 0) {
    texto += ',';
    texto += static_cast<char>('0' + resto / 10);
    if (resto % 10 != 0)
      texto += static_cast<char>('0' + resto % 10);
  }
  return texto;
}

// Every rounded result is a whole number of hundredths; up to fourteen digits it shows plainly
// with its one or two decimals and nothing else.
TEST(MostrarNumero, LasCentesimasSeMuestranTalCual) {
  std::vector<std::int64_t> cuentas;
  for (std::int64_t n = -20000; n <= 200000; ++n)
    cuentas.push_back(n);
  std::mt19937_64 azar(7);
  constexpr std::uint64_t Tope = 100'000'000'000'000;  // fourteen digits
  for (int i = 0; i < 20000; ++i) {
    const auto n = static_cast<std::int64_t>(azar() % Tope);
    cuentas.push_back(i % 2 == 0 ? n : -n);
  }
  cuentas.push_back(static_cast<std::int64_t>(Tope - 1));

  for (const std::int64_t n : cuentas) {
    const double valor = static_cast<double>(n) / 100;
    ASSERT_EQ(MostrarNumero(valor, ","), Centesimas(n)) << n << " hundredths";
  }
}

// What the window shows, read back with the point, is the very same double.
TEST(MostrarNumero, LoMostradoSeLeeIgual) {
  for (const double x : {0.1 + 0.2, 1.0 / 3.0, -2.5e-7, 1e-4, 9.999999999999999e-5, 123456.789,
                         1e15, 999999999999999.9, 6.02214076e23, Maximo, -Maximo, MinimoSubnormal,
                         std::numeric_limits<double>::min()}) {
    const std::string texto = MostrarNumero(x, ".");
    EXPECT_EQ(LeerNumero(texto), x) << texto;
  }
}

// ---------------------------------------------------------------------------------------------
// Rounding and showing together, on the results of the example section

class ResultadoMostrado
    : public ::testing::TestWithParam<std::tuple<double, const char*, const char*>> {};

TEST_P(ResultadoMostrado, SeRedondeaYSeMuestra) {
  const auto [calculado, conPunto, conComa] = GetParam();
  EXPECT_EQ(MostrarNumero(RedondearCentesimas(calculado), "."), conPunto);
  EXPECT_EQ(MostrarNumero(RedondearCentesimas(calculado), ","), conComa);
}

INSTANTIATE_TEST_SUITE_P(
    Ejemplo, ResultadoMostrado,
    ::testing::Values(std::tuple{2.0371836954002935, "2.04", "2,04"},   // V [m/s]
                      std::tuple{4.9087375000000009, "4.91", "4,91"},   // A [cm²]
                      std::tuple{1.7816693849549181, "1.78", "1,78"},   // hf [m]
                      std::tuple{0.42310144042133557, "0.42", "0,42"},  // hm [m]
                      std::tuple{2.2047708253762535, "2.2", "2,2"}));   // HT [m]

// The boxes are read with the point whatever the mark: a result shown with a comma, typed back,
// keeps only its whole part.
TEST(ResultadoConComa, SeReleeSoloLaParteEntera) {
  EXPECT_EQ(LeerNumero(MostrarNumero(2.04, ",")), 2);
  EXPECT_EQ(LeerNumero(MostrarNumero(-0.42, ",")), 0);
  EXPECT_EQ(LeerNumero(MostrarNumero(1.5e20, ",")), 1);
}

}  // namespace
