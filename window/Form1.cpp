#include "window/Form1.h"

#include <QLocale>
#include <QMessageBox>

#include "window/CajaQt.h"
#include "window/OrdenCalcular.h"
#include "window/Twips.h"

namespace tramo {

Form1::Form1(QWidget* parent) : QWidget(parent), informeFallo_(MostrarInformeFallo) {
  setObjectName("Form1");
  setWindowTitle("CALCULO DE PERDIDAS EN UN TRAMO DE TUBERIA");
  setFixedSize(TwipsTamano(9135, 5130));
  move(Pixeles(3630), Pixeles(3150));

  CrearControles();
  OrdenarFoco();

  connect(cmdCalcular, &QPushButton::clicked, this, &Form1::cmdCalcular_Click);
  connect(cmdClose, &QPushButton::clicked, this, &Form1::cmdClose_Click);
}

void Form1::cmdCalcular_Click() {
  CajaQt viscCinem(txtViscCinem), coefRugos(txtCoefRugos), perdMenores(txtPerdMenores),
      longitud(txtLong), caudal(txtCaudal), diamComerc(txtDiamComerc);
  CajaQt veloc(TXT_Veloc), areaTubo(TXT_AreaTubo), perdFricc(TXT_PerdFricc),
      resPerdMenores(TXT_PerdMenores), perdTotal(TXT_PerdTotal);
  const CajasTramo cajas{viscCinem, coefRugos, perdMenores, longitud,       caudal,   diamComerc,
                         veloc,     areaTubo,  perdFricc,   resPerdMenores, perdTotal};

  // The top of the event: the one place where a failed calculation is caught.
  try {
    EjecutarCalcular(cajas, locale().decimalPoint().toStdString());
  } catch (const FalloAritmetico& fallo) {
    informeFallo_(this, fallo);
  }
}

void Form1::cmdClose_Click() {
  close();
}

void MostrarInformeFallo(QWidget* ventana, const FalloAritmetico& fallo) {
  QMessageBox::critical(ventana, "Error de cálculo",
                        QString("No se pudo calcular el tramo: %1.\n\n"
                                "Revise los datos y vuelva a pulsar CALCULAR.")
                            .arg(QString::fromUtf8(fallo.what())));
}

}  // namespace tramo
