// CALCULAR on arbitrary typed data. The input is the six data boxes in window order (viscosity,
// roughness, Km, length, flow, diameter) separated by '|'; missing boxes are empty, and
// anything after the sixth separator stays in the diameter box. Each input is calculated with
// the point and with the comma as the decimal mark. Whatever was typed, CALCULAR either writes
// all five results or raises FalloAritmetico of a known kind, leaving no stale result; and a
// shown result is always a number rounded to hundredths, never "inf" or "nan".

#include <algorithm>
#include <array>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <optional>
#include <string>
#include <string_view>

#include "core/FalloAritmetico.h"
#include "fuzz/Visible.h"
#include "window/OrdenCalcular.h"

namespace {

constexpr char Separador = '|';
constexpr std::size_t Datos = 6;
constexpr std::size_t Resultados = 5;

// Text that CALCULAR must replace or empty on every press.
constexpr std::string_view Anterior = "resultado anterior";

class CajaMemoria : public tramo::CajaTexto {
 public:
  std::string Texto() const override { return texto_; }
  void PonerTexto(const std::string& texto) override { texto_ = texto; }

 private:
  std::string texto_;
};

[[noreturn]] void Hallazgo(const std::array<std::string, Datos>& datos, std::string_view marca,
                           const std::string& que) {
  std::fprintf(stderr, "CALCULAR with mark \"%.*s\" on", static_cast<int>(marca.size()),
               marca.data());
  for (const std::string& d : datos)
    std::fprintf(stderr, " [%s]", Visible(d).c_str());
  std::fprintf(stderr, ": %s\n", Visible(que).c_str());
  std::abort();
}

bool EsCifra(char c) {
  return c >= '0' && c <= '9';
}

// Why a shown result is wrong, or nothing: [-] digits [mark digits] [E sign digits]. Plain
// digits carry at most two decimals. The exponent form is for magnitudes of 1E+15 and above
// only, since a value rounded to hundredths is zero or at least 0.01; its decimals are
// significant digits.
std::optional<std::string> FaltaEnTexto(std::string_view t, std::string_view marca) {
  std::string minusculas(t);
  std::transform(minusculas.begin(), minusculas.end(), minusculas.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (minusculas.find("nan") != std::string::npos || minusculas.find("inf") != std::string::npos)
    return "shows nan or inf";

  std::size_t i = 0;
  if (i < t.size() && t[i] == '-')
    ++i;
  const std::size_t enteros = i;
  while (i < t.size() && EsCifra(t[i]))
    ++i;
  if (i == enteros)
    return "no digits before the decimal mark";
  const std::size_t cifrasEnteras = i - enteros;
  if (cifrasEnteras > 1 && t[enteros] == '0')
    return "leading zero";
  std::size_t decimales = 0;
  if (t.substr(i, marca.size()) == marca) {
    i += marca.size();
    const std::size_t primera = i;
    while (i < t.size() && EsCifra(t[i]))
      ++i;
    decimales = i - primera;
    if (decimales == 0)
      return "decimal mark without digits after it";
  }
  if (i == t.size()) {
    if (decimales > 2)
      return "more than two decimals";
    if (t == "-0")
      return "negative zero";
    return std::nullopt;
  }
  if (t[i] != 'E')
    return "unexpected character";
  if (cifrasEnteras != 1)
    return "exponent form without a single leading digit";
  ++i;
  if (i == t.size() || (t[i] != '+' && t[i] != '-'))
    return "exponent without sign";
  const bool negativo = t[i] == '-';
  ++i;
  const std::size_t primera = i;
  int exponente = 0;
  while (i < t.size() && EsCifra(t[i])) {
    exponente = std::min(exponente * 10 + (t[i] - '0'), 10'000);
    ++i;
  }
  if (i == primera || i != t.size())
    return "malformed exponent";
  if (negativo || exponente < 15)
    return "exponent form below 1E+15";
  return std::nullopt;
}

void Calcular(const std::array<std::string, Datos>& datos, std::string_view marca) {
  std::array<CajaMemoria, Datos> entrada;
  for (std::size_t i = 0; i < Datos; ++i)
    entrada[i].PonerTexto(datos[i]);
  std::array<CajaMemoria, Resultados> salida;
  for (CajaMemoria& caja : salida)
    caja.PonerTexto(std::string(Anterior));

  const tramo::CajasTramo cajas{entrada[0], entrada[1], entrada[2], entrada[3],
                                entrada[4], entrada[5], salida[0],  salida[1],
                                salida[2],  salida[3],  salida[4]};
  bool fallo = false;
  try {
    tramo::EjecutarCalcular(cajas, marca);
  } catch (const tramo::FalloAritmetico& e) {
    switch (e.Tipo()) {
      case tramo::TipoFallo::DivisionPorCero:
      case tramo::TipoFallo::Desbordamiento:
      case tramo::TipoFallo::RaizNegativa:
      case tramo::TipoFallo::LogaritmoNoPositivo:
      case tramo::TipoFallo::NoConverge:
        break;
      default:
        Hallazgo(datos, marca,
                 "FalloAritmetico of unknown kind " + std::to_string(static_cast<int>(e.Tipo())));
    }
    fallo = true;
  } catch (const std::exception& e) {
    Hallazgo(datos, marca, std::string("threw ") + e.what());
  } catch (...) {
    Hallazgo(datos, marca, "threw something that is not an exception");
  }

  // Written boxes come first, in window order; after a failure the rest are empty.
  bool vacia = false;
  for (std::size_t i = 0; i < Resultados; ++i) {
    const std::string texto = salida[i].Texto();
    const std::string caja = "result box " + std::to_string(i + 1);
    if (texto == Anterior)
      Hallazgo(datos, marca, caja + " keeps the text of an earlier press");
    if (texto.empty()) {
      if (!fallo)
        Hallazgo(datos, marca, caja + " is empty after a calculation without failure");
      vacia = true;
      continue;
    }
    if (vacia)
      Hallazgo(datos, marca, caja + " is written after an empty one");
    if (const auto falta = FaltaEnTexto(texto, marca))
      Hallazgo(datos, marca, caja + " shows \"" + texto + "\": " + *falta);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t tamano) {
  const std::string_view texto(reinterpret_cast<const char*>(bytes), tamano);

  std::array<std::string, Datos> datos;
  std::size_t inicio = 0;
  for (std::size_t i = 0; i < Datos && inicio <= texto.size(); ++i) {
    const std::size_t fin = i + 1 < Datos ? texto.find(Separador, inicio) : std::string_view::npos;
    datos[i] = std::string(texto.substr(inicio, fin - inicio));
    inicio = fin == std::string_view::npos ? texto.size() + 1 : fin + 1;
  }

  Calcular(datos, ".");
  Calcular(datos, ",");
  return 0;
}
