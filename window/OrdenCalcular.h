#pragma once

#include <string>
#include <string_view>

// What CALCULAR does, apart from the toolkit: the window hands it its boxes by name.

namespace tramo {

// A text box as CALCULAR sees it: a UTF-8 text to read or to replace.
class CajaTexto {
 public:
  virtual ~CajaTexto() = default;
  virtual std::string Texto() const = 0;
  virtual void PonerTexto(const std::string& texto) = 0;
};

// The boxes that CALCULAR reads and writes, named as on the window. The window's other
// boxes (class, height, internal diameter) are not here: the calculation never touches them.
struct CajasTramo {
  const CajaTexto& txtViscCinem;    // ν [m²/s]
  const CajaTexto& txtCoefRugos;    // ks [m]
  const CajaTexto& txtPerdMenores;  // Km [-]
  const CajaTexto& txtLong;         // L [m]
  const CajaTexto& txtCaudal;       // Q [l/s]
  const CajaTexto& txtDiamComerc;   // D [mm]

  CajaTexto& TXT_Veloc;        // V [m/s]
  CajaTexto& TXT_AreaTubo;     // A [cm²]
  CajaTexto& TXT_PerdFricc;    // hf [m]
  CajaTexto& TXT_PerdMenores;  // hm [m]
  CajaTexto& TXT_PerdTotal;    // HT [m]
};

// Reads the six data boxes, computes the section, and writes velocity and area, then the three
// losses, each rounded to hundredths and shown with the given decimal mark. Throws
// FalloAritmetico where the arithmetic fails: the boxes written before stay, and the result
// boxes that this press did not reach are left empty, so that no result of an earlier press
// stands beside the new data.
void EjecutarCalcular(const CajasTramo& cajas, std::string_view marcaDecimal);

}  // namespace tramo
