#include "window/OrdenCalcular.h"

#include "core/Flujo.h"
#include "core/Perdidas.h"
#include "core/Real.h"
#include "core/Tramo.h"
#include "window/TextoNumero.h"

namespace tramo {

namespace {

constexpr double LitrosPorMetroCubico = 1000;
constexpr double MilimetrosPorMetro = 1000;
constexpr double CentimetrosCuadradosPorMetroCuadrado = 10000;

double Leer(const CajaTexto& caja) {
  return LeerNumero(caja.Texto());
}

}  // namespace

void EjecutarCalcular(const CajasTramo& cajas, std::string_view marcaDecimal) {
  // All six are read and converted before anything is computed.
  DatosTramo datos;
  datos.ViscCinem = Leer(cajas.txtViscCinem);
  datos.CoefRugos = Leer(cajas.txtCoefRugos);
  datos.CoefPerdMenores = Leer(cajas.txtPerdMenores);
  datos.Long = Leer(cajas.txtLong);
  datos.Caudal = Leer(cajas.txtCaudal) / LitrosPorMetroCubico;
  datos.DiamComerc = Leer(cajas.txtDiamComerc) / MilimetrosPorMetro;

  // Emptied first: a failure below leaves blank every box it did not reach.
  for (CajaTexto* caja : {&cajas.TXT_Veloc, &cajas.TXT_AreaTubo, &cajas.TXT_PerdFricc,
                          &cajas.TXT_PerdMenores, &cajas.TXT_PerdTotal}) {
    caja->PonerTexto("");
  }

  const auto escribir = [marcaDecimal](CajaTexto& caja, double valor) {
    caja.PonerTexto(MostrarNumero(RedondearCentesimas(valor), marcaDecimal));
  };

  ResultadosTramo resultados;
  CalcularFlujo(datos, resultados);
  escribir(cajas.TXT_Veloc, resultados.Veloc);
  // To square centimetres before rounding, so the area shows two decimals of cm².
  escribir(cajas.TXT_AreaTubo,
           (Real(resultados.AreaTubo) * CentimetrosCuadradosPorMetroCuadrado).Valor());

  CalcularPerdidas(datos, resultados);
  escribir(cajas.TXT_PerdFricc, resultados.PerdFricc);
  escribir(cajas.TXT_PerdMenores, resultados.PerdMenores);
  escribir(cajas.TXT_PerdTotal, resultados.PerdTotal);
}

}  // namespace tramo
