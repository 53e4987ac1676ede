#pragma once

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <functional>

#include "core/FalloAritmetico.h"

namespace tramo {

// CALCULO DE PERDIDAS EN UN TRAMO DE TUBERIA: the application's only window. Its controls
// carry the names they are known by, each also set as its objectName.
class Form1 : public QWidget {
 public:
  // Tells the user that a calculation failed; the window stays open afterwards.
  using InformeFallo = std::function<void(QWidget* ventana, const FalloAritmetico& fallo)>;

  explicit Form1(QWidget* parent = nullptr);

  // Replaces the modal report, for tests that must not block on it.
  void PonerInformeFallo(InformeFallo informe) { informeFallo_ = std::move(informe); }

  QLabel* Label3;
  QFrame* Shape2;
  QLabel* Label4;
  QFrame* Shape1;
  QFrame* Frame2;
  QFrame* Frame3;
  QFrame* Frame1;
  QLabel* Label1;
  QLineEdit* txtViscCinem;
  std::array<QLabel*, 12> Label2;
  QLineEdit* txtCoefRugos;
  QLineEdit* txtPerdMenores;
  QLineEdit* txtLong;
  QLineEdit* txtCaudal;
  QLineEdit* txtDiamComerc;
  QLineEdit* txtClase;
  QLabel* Label6;
  QLineEdit* txtAltura;
  QLineEdit* TXT_DiamInt;
  QLineEdit* TXT_PerdFricc;
  QLineEdit* TXT_PerdMenores;
  QLineEdit* TXT_PerdTotal;
  QLineEdit* TXT_Veloc;
  QLineEdit* TXT_AreaTubo;
  QPushButton* cmdCalcular;
  QPushButton* cmdClose;

 private:
  void CrearControles();  // Form1Controles.cpp: the control table
  void OrdenarFoco();     // Form1Foco.cpp: the order of the Tab key

  void cmdCalcular_Click();
  void cmdClose_Click();

  InformeFallo informeFallo_;
};

// The report a user sees: a modal message that names the kind of failure.
void MostrarInformeFallo(QWidget* ventana, const FalloAritmetico& fallo);

}  // namespace tramo
