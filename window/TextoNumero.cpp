#include "window/TextoNumero.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "core/Real.h"

namespace tramo {

namespace {

bool EsBlanco(char c) {
  return c == ' ' || c == '\t' || c == '\n';
}
bool EsDigito(char c) {
  return c >= '0' && c <= '9';
}

// Walks the text one significant character at a time, passing over blanks wherever they are.
class Lector {
 public:
  explicit Lector(std::string_view texto) : texto_(texto) { SaltarBlancos(); }

  bool Hay(bool (*clase)(char)) const { return pos_ < texto_.size() && clase(texto_[pos_]); }
  bool Hay(char c) const { return pos_ < texto_.size() && texto_[pos_] == c; }
  char Tomar() {
    const char c = texto_[pos_++];
    SaltarBlancos();
    return c;
  }

 private:
  void SaltarBlancos() {
    while (pos_ < texto_.size() && EsBlanco(texto_[pos_]))
      ++pos_;
  }

  std::string_view texto_;
  size_t pos_ = 0;
};

bool EsLetraExponente(char c) {
  return c == 'E' || c == 'e';
}
bool EsSigno(char c) {
  return c == '+' || c == '-';
}

// The decimal exponent of the leading digit of mantisa × 10^exponente, for a mantissa that is
// not zero. It only has to tell a huge magnitude from a tiny one.
long Orden(const std::string& mantisa, long exponente) {
  const size_t punto = std::min(mantisa.find('.'), mantisa.size());
  const size_t primero = mantisa.find_first_not_of("0.");
  const long posicion = primero < punto ? static_cast<long>(punto - primero) - 1
                                        : -static_cast<long>(primero - punto);
  return posicion + exponente;
}

}  // namespace

double LeerNumero(std::string_view texto) {
  Lector lector(texto);

  bool negativo = false;
  if (lector.Hay(EsSigno))
    negativo = lector.Tomar() == '-';

  std::string mantisa;  // the digits and point read, without blanks or sign
  bool hayDigitos = false;
  bool hayPunto = false;
  while (lector.Hay(EsDigito) || (!hayPunto && lector.Hay('.'))) {
    const char c = lector.Tomar();
    hayPunto = hayPunto || c == '.';
    hayDigitos = hayDigitos || c != '.';
    mantisa += c;
  }
  if (!hayDigitos)
    return 0;

  // An exponent counts only with at least one digit: "2E" and "2E+" read as 2.
  std::string cola;
  long exponente = 0;
  if (lector.Hay(EsLetraExponente)) {
    lector.Tomar();
    const bool exponenteNegativo = lector.Hay(EsSigno) && lector.Tomar() == '-';
    while (lector.Hay(EsDigito)) {
      const char c = lector.Tomar();
      cola += c;
      // Saturated: only its sign and rough size matter once it is out of range.
      exponente = std::min(exponente * 10 + (c - '0'), 1'000'000'000L);
    }
    if (!cola.empty())
      cola = (exponenteNegativo ? "e-" : "e") + cola;
    if (exponenteNegativo)
      exponente = -exponente;
  }

  const std::string numero = mantisa + cola;
  double valor = 0;
  const auto leido = std::from_chars(numero.data(), numero.data() + numero.size(), valor);
  if (leido.ec == std::errc::result_out_of_range || std::isinf(valor)) {
    valor = Orden(mantisa, exponente) >= 0 ? std::numeric_limits<double>::max() : 0.0;
  }
  return negativo ? -valor : valor;
}

double RedondearCentesimas(double x) {
  return (Piso(Real(x) * 100 + 0.5) / 100).Valor();
}

std::string MostrarNumero(double x, std::string_view marcaDecimal) {
  if (x == 0)
    return "0";  // never "-0"

  const double magnitud = std::fabs(x);
  const auto formato = magnitud >= 1e-4 && magnitud < 1e15 ? std::chars_format::fixed
                                                           : std::chars_format::scientific;
  char cifras[64];
  const auto [fin, error] = std::to_chars(cifras, cifras + sizeof cifras, x, formato);
  (void)error;  // 64 characters hold any double in either form

  std::string texto;
  for (const char* c = cifras; c != fin; ++c) {
    if (*c == '.') {
      texto += marcaDecimal;
    } else {
      texto += *c == 'e' ? 'E' : *c;
    }
  }
  return texto;
}

}  // namespace tramo
