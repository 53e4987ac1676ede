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
  size_t Posicion() const { return pos_; }
  void Volver(size_t pos) { pos_ = pos; }

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

  std::string numero;  // the digits read, without blanks or sign, as from_chars takes them
  bool hayDigitos = false;
  bool hayPunto = false;
  while (lector.Hay(EsDigito) || (!hayPunto && lector.Hay('.'))) {
    const char c = lector.Tomar();
    hayPunto = hayPunto || c == '.';
    hayDigitos = hayDigitos || c != '.';
    numero += c;
  }
  if (!hayDigitos)
    return 0;
  const std::string mantisa = numero;

  // An exponent counts only with at least one digit: "2E" and "2E+" read as 2.
  long exponente = 0;
  const size_t antesDelExponente = lector.Posicion();
  if (lector.Hay(EsLetraExponente)) {
    std::string cola(1, lector.Tomar());
    bool exponenteNegativo = false;
    if (lector.Hay(EsSigno)) {
      exponenteNegativo = lector.Tomar() == '-';
      cola += exponenteNegativo ? '-' : '+';
    }
    if (lector.Hay(EsDigito)) {
      while (lector.Hay(EsDigito)) {
        const char c = lector.Tomar();
        cola += c;
        // Saturated: only its sign and rough size matter once it is out of range.
        exponente = std::min(exponente * 10 + (c - '0'), 1'000'000'000L);
      }
      if (exponenteNegativo)
        exponente = -exponente;
      numero += cola;
    } else {
      lector.Volver(antesDelExponente);
    }
  }

  double valor = 0;
  const auto [fin, error] = std::from_chars(numero.data(), numero.data() + numero.size(), valor);
  (void)fin;
  if (error == std::errc::result_out_of_range || std::isinf(valor)) {
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
