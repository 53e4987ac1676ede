#include <iterator>

#include "window/Form1.h"

namespace tramo {

// The Tab key goes down the data, through the class and the internal diameter, down the
// results, to CERRAR and CALCULAR, and last to the height.
void Form1::OrdenarFoco() {
  QWidget* const orden[] = {
      txtViscCinem, txtCoefRugos, txtPerdMenores, txtLong,         txtCaudal,     txtDiamComerc,
      txtClase,     TXT_DiamInt,  TXT_PerdFricc,  TXT_PerdMenores, TXT_PerdTotal, TXT_Veloc,
      TXT_AreaTubo, cmdClose,     cmdCalcular,    txtAltura,
  };
  for (size_t i = 1; i < std::size(orden); ++i) {
    setTabOrder(orden[i - 1], orden[i]);
  }
  txtViscCinem->setFocus();
}

}  // namespace tramo
