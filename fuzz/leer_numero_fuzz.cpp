// LeerNumero on arbitrary bytes: it never fails, never gives an infinity or a not-a-number, and
// gives the same value as the reading worked out here on its own, from the rule as the user
// sees it: blanks dropped, the longest leading [sign] digits[.digits] [E [sign] digits], the
// nearest double, and the largest double or zero beyond the range.

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>
#include <system_error>

#include "fuzz/Visible.h"
#include "window/TextoNumero.h"

namespace {

[[noreturn]] void Hallazgo(std::string_view texto, const char* que, double leido, double esperado) {
  std::fprintf(stderr, "LeerNumero(\"%s\"): %s: read %a (%.17g), expected %a (%.17g)\n",
               Visible(texto).c_str(), que, leido, leido, esperado, esperado);
  std::abort();
}

bool Cifra(char c) {
  return c >= '0' && c <= '9';
}

// The number at the start of a text without blanks, split into its parts.
struct Partes {
  bool negativo = false;
  std::string mantisa;    // digits with at most one point, at least one digit; empty if none
  std::string exponente;  // "" or "e" [sign] digits
  bool exponenteNegativo = false;
  std::string cifrasExponente;
};

Partes Separar(const std::string& s) {
  Partes p;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    p.negativo = s[i] == '-';
    ++i;
  }
  const std::size_t inicio = i;
  bool hayCifras = false;
  bool hayPunto = false;
  for (; i < s.size(); ++i) {
    if (Cifra(s[i])) {
      hayCifras = true;
    } else if (s[i] == '.' && !hayPunto) {
      hayPunto = true;
    } else {
      break;
    }
  }
  if (!hayCifras)
    return p;
  p.mantisa = s.substr(inicio, i - inicio);

  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1;
    bool menos = false;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
      menos = s[j] == '-';
      ++j;
    }
    const std::size_t primera = j;
    while (j < s.size() && Cifra(s[j]))
      ++j;
    if (j > primera) {
      p.exponenteNegativo = menos;
      p.cifrasExponente = s.substr(primera, j - primera);
      p.exponente = std::string(menos ? "e-" : "e+") + p.cifrasExponente;
    }
  }
  return p;
}

// Whether a mantissa that is not all zeros, times ten to its exponent, is at least 1. Out of
// range, that tells a huge magnitude from a tiny one.
bool AlMenosUno(const Partes& p) {
  // With the digits d1 d2 ... and k of them before the point, the value is 0.d1d2... × 10^k;
  // with z zeros before the first other digit it lies in [10^(k-z-1), 10^(k-z)).
  long long k = 0;
  long long z = 0;
  bool antesDelPunto = true;
  bool vistaOtra = false;
  for (const char c : p.mantisa) {
    if (c == '.') {
      antesDelPunto = false;
      continue;
    }
    if (antesDelPunto)
      ++k;
    if (!vistaOtra && c == '0') {
      ++z;
    } else {
      vistaOtra = true;
    }
  }
  // Capped far beyond any text length, so only its sign and size matter.
  long long e = 0;
  for (const char c : p.cifrasExponente) {
    e = e * 10 + (c - '0');
    if (e > 1'000'000'000'000LL) {
      e = 1'000'000'000'000LL;
      break;
    }
  }
  if (p.exponenteNegativo)
    e = -e;
  return k - z + e >= 1;
}

double Esperado(std::string_view texto) {
  std::string limpio;
  for (const char c : texto) {
    if (c != ' ' && c != '\t' && c != '\n')
      limpio += c;
  }
  const Partes p = Separar(limpio);
  if (p.mantisa.empty())
    return 0;

  const std::string numero = p.mantisa + p.exponente;
  const char* const fin = numero.data() + numero.size();
  double valor = 0;
  const auto [hasta, error] = std::from_chars(numero.data(), fin, valor);
  if (hasta != fin)
    Hallazgo(texto, "from_chars did not take the whole number", 0, 0);

  // strtod is a second, separate reading of the same digits: they must agree, and where
  // from_chars finds the number out of range, strtod says on which side.
  char* finStrtod = nullptr;
  const double segun = std::strtod(numero.c_str(), &finStrtod);
  if (finStrtod != numero.c_str() + numero.size())
    Hallazgo(texto, "strtod did not take the whole number", segun, valor);

  if (error == std::errc::result_out_of_range) {
    const bool enorme = AlMenosUno(p);
    if (enorme != std::isinf(segun))
      Hallazgo(texto, "huge/tiny disagrees with strtod", segun, enorme ? 1 : 0);
    valor = enorme ? std::numeric_limits<double>::max() : 0.0;
  } else if (error != std::errc()) {
    Hallazgo(texto, "from_chars refused the number", 0, 0);
  } else if (segun != valor) {
    Hallazgo(texto, "strtod and from_chars disagree", segun, valor);
  }
  return p.negativo ? -valor : valor;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
  const std::string_view texto(reinterpret_cast<const char*>(datos), tamano);

  const double leido = tramo::LeerNumero(texto);
  const double esperado = Esperado(texto);

  if (!std::isfinite(leido))
    Hallazgo(texto, "not finite", leido, esperado);
  // == takes +0 and -0 as equal, which the boxes do too.
  if (!(leido == esperado))
    Hallazgo(texto, "wrong value", leido, esperado);
  return 0;
}
