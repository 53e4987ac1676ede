#include "core/Perdidas.h"

#include "core/Constantes.h"
#include "core/PerdFricc.h"
#include "core/Real.h"

namespace tramo {

void CalcularPerdidas(const DatosTramo& datos, ResultadosTramo& resultados) {
  const Real Km = datos.CoefPerdMenores;
  const Real V = resultados.Veloc;
  const Real g = Gravedad;

  const Real hf = CalcularPerdFricc(datos, V.Valor());
  const Real hm = ((Km * Cuadrado(V)) / 2) / g;
  // The sum of the unrounded losses, not of the shown ones.
  const Real HT = hf + hm;

  resultados.PerdFricc = hf.Valor();
  resultados.PerdMenores = hm.Valor();
  resultados.PerdTotal = HT.Valor();
}

}  // namespace tramo
