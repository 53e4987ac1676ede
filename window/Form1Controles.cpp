#include <QPalette>

#include "window/Form1.h"
#include "window/Fuentes.h"
#include "window/Twips.h"

// Every control of the window, in the order of its table: name, caption or initial text,
// place and size in twips, back and text colours, font and alignment.

namespace tramo {

namespace {

// A dash in the table: the platform's own colour.
const QColor Predeterminado;

QFont Normal() {
  return Fuente("MS Sans Serif", 8.25);
}

struct Aspecto {
  QColor fondo = Predeterminado;
  QColor texto = Predeterminado;
  QFont fuente = Normal();
  Qt::Alignment alineacion = Qt::AlignLeft;
};

void Pintar(QWidget* control, const Aspecto& aspecto, QPalette::ColorRole rolFondo,
            QPalette::ColorRole rolTexto) {
  QPalette paleta = control->palette();
  if (aspecto.fondo.isValid()) {
    paleta.setColor(rolFondo, aspecto.fondo);
    control->setAutoFillBackground(true);
  }
  if (aspecto.texto.isValid()) {
    // The same colour in every state, so a disabled caption keeps its grey.
    for (auto grupo : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
      paleta.setColor(grupo, rolTexto, aspecto.texto);
    }
  }
  control->setPalette(paleta);
  control->setFont(aspecto.fuente);
}

template <typename Control>
Control* Colocar(Control* control, const char* nombre, QRect lugar) {
  control->setObjectName(nombre);
  control->setGeometry(lugar);
  return control;
}

QLabel* Etiqueta(QWidget* form, const char* nombre, const char* texto, QRect lugar,
                 const Aspecto& aspecto) {
  auto* etiqueta = Colocar(new QLabel(QString::fromUtf8(texto), form), nombre, lugar);
  Pintar(etiqueta, aspecto, QPalette::Window, QPalette::WindowText);
  etiqueta->setAlignment(aspecto.alineacion | Qt::AlignTop);
  etiqueta->setWordWrap(true);
  return etiqueta;
}

QLineEdit* Caja(QWidget* form, const char* nombre, const char* texto, QRect lugar,
                const Aspecto& aspecto) {
  auto* caja = Colocar(new QLineEdit(QString::fromUtf8(texto), form), nombre, lugar);
  Pintar(caja, aspecto, QPalette::Base, QPalette::Text);
  caja->setAlignment(aspecto.alineacion | Qt::AlignVCenter);
  return caja;
}

// A frame without caption, drawn etched like the platform's group frames.
QFrame* Marco(QWidget* form, const char* nombre, QRect lugar) {
  auto* marco = Colocar(new QFrame(form), nombre, lugar);
  marco->setFrameStyle(QFrame::Box | QFrame::Sunken);
  return marco;
}

// A rectangle outline over a caption; it takes no clicks.
QFrame* Rectangulo(QWidget* form, const char* nombre, QRect lugar) {
  auto* rectangulo = Colocar(new QFrame(form), nombre, lugar);
  rectangulo->setFrameStyle(QFrame::Box | QFrame::Plain);
  rectangulo->setLineWidth(1);
  rectangulo->setAttribute(Qt::WA_TransparentForMouseEvents);
  QPalette paleta = rectangulo->palette();
  paleta.setColor(QPalette::WindowText, Qt::black);
  rectangulo->setPalette(paleta);
  return rectangulo;
}

QPushButton* Boton(QWidget* form, const char* nombre, const char* texto, QRect lugar,
                   const QFont& fuente) {
  auto* boton = Colocar(new QPushButton(QString::fromUtf8(texto), form), nombre, lugar);
  boton->setFont(fuente);
  // Neither is the window's default button: Enter and Escape press nothing.
  boton->setAutoDefault(false);
  boton->setDefault(false);
  return boton;
}

}  // namespace

void Form1::CrearControles() {
  const QColor azul("#0000FF"), granate("#800000"), gris("#808080"), verde("#008000");
  const QColor verdeClaro("#C0FFC0"), crema("#FFFFC0");
  const QColor marron("#804000"), marronRosado("#804040");
  const QColor luz3D = palette().color(QPalette::Light);

  const Aspecto dato{verdeClaro, verde};
  const Aspecto resultado{crema, granate, Normal(), Qt::AlignHCenter};
  const Aspecto apagado{Predeterminado, gris};

  // Frames first, so the boxes they enclose lie over them.
  Frame2 = Marco(this, "Frame2", Twips(2520, 600, 1695, 4335));
  Frame3 = Marco(this, "Frame3", Twips(7560, 720, 1455, 3255));
  Frame1 = Marco(this, "Frame1", Twips(4320, 4080, 4575, 855));

  Label3 = Etiqueta(this, "Label3", "DATOS DEL TRAMO", Twips(120, 120, 4095, 375),
                    {"#C0FFFF", azul, Fuente("Times New Roman", 12, true, true), Qt::AlignHCenter});
  Shape2 = Rectangulo(this, "Shape2", Twips(120, 120, 4095, 375));
  Label4 =
      Etiqueta(this, "Label4", "RESULTADOS:", Twips(4560, 120, 4455, 495),
               {crema, granate, Fuente("Times New Roman", 14.25, true, true), Qt::AlignHCenter});
  Shape1 = Rectangulo(this, "Shape1", Twips(4560, 120, 4455, 495));

  // The data column.
  Label1 = Etiqueta(this, "Label1", "Viscosid Cinem. n [m2/s] =", Twips(240, 1080, 2295, 255),
                    {Predeterminado, azul});
  txtViscCinem = Caja(this, "txtViscCinem", "1.007E-06", Twips(2640, 960, 1455, 375), dato);
  Label2[0] = Etiqueta(this, "Label2(0)", "Coef. Rugosidad ks [m]=", Twips(240, 1560, 2295, 255),
                       {Predeterminado, azul});
  txtCoefRugos = Caja(this, "txtCoefRugos", "1.5E-06", Twips(2640, 1440, 1455, 375), dato);
  Label2[1] = Etiqueta(this, "Label2(1)",
                       "Km: Pérdidas menores por accesorios [m.] =", Twips(240, 1920, 2295, 375),
                       {Predeterminado, azul});
  txtPerdMenores = Caja(this, "txtPerdMenores", "", Twips(2640, 1920, 1455, 375), dato);
  Label2[2] = Etiqueta(this, "Label2(2)", "L:  Longitud [m] :", Twips(240, 2520, 2295, 255),
                       {Predeterminado, azul});
  txtLong = Caja(this, "txtLong", "", Twips(2640, 2400, 1455, 375), dato);
  Label2[3] = Etiqueta(this, "Label2(3)", "Q:  Caudal  [lt/s]:", Twips(240, 3000, 2175, 255),
                       {Predeterminado, azul});
  txtCaudal = Caja(this, "txtCaudal", "", Twips(2640, 2880, 1455, 375), dato);
  Label2[4] = Etiqueta(this, "Label2(4)", "D: Diámetro  [mm]:", Twips(240, 3480, 2295, 375),
                       {Predeterminado, azul});
  txtDiamComerc = Caja(this, "txtDiamComerc", "", Twips(2640, 3360, 1455, 375), dato);
  Label2[5] = Etiqueta(this, "Label2(5)", "Clase 0.5, 0.63, 0.8, 1.0, 1.25, 1.6, 2.0,  en [Mpa]:",
                       Twips(240, 3840, 2175, 495), apagado);
  Label2[5]->setEnabled(false);
  txtClase = Caja(this, "txtClase", "", Twips(2640, 3840, 1455, 375), {luz3D, verde});
  Label6 = Etiqueta(this, "Label6",
                    "H= Diferencia de alturas entre los puntos [m]:", Twips(240, 4320, 2295, 495),
                    apagado);
  txtAltura = Caja(this, "txtAltura", "", Twips(2640, 4320, 1455, 435), {"#E0E0E0", "#008080"});

  // The results column.
  Label2[6] = Etiqueta(this, "Label2(6)",
                       "Cálculo del diámetro interno [mm]=", Twips(4560, 1200, 3015, 375), apagado);
  TXT_DiamInt = Caja(this, "TXT_DiamInt", "", Twips(7680, 1080, 1215, 375), {luz3D, granate});
  Label2[7] =
      Etiqueta(this, "Label2(7)", "Pérdida por fricción Hf [m] =", Twips(4560, 1680, 2895, 255),
               {Predeterminado, marron});
  TXT_PerdFricc = Caja(this, "TXT_PerdFricc", "", Twips(7680, 1560, 1215, 375), resultado);
  Label2[8] =
      Etiqueta(this, "Label2(8)", "Pérdida por accesorios Hm [m] =", Twips(4560, 2160, 2895, 255),
               {Predeterminado, marron});
  TXT_PerdMenores = Caja(this, "TXT_PerdMenores", "", Twips(7680, 2040, 1215, 375), resultado);
  Label2[9] = Etiqueta(this, "Label2(9)", "Pérdida total HT [m] =", Twips(4560, 2640, 2415, 255),
                       {Predeterminado, marronRosado});
  TXT_PerdTotal = Caja(this, "TXT_PerdTotal", "", Twips(7680, 2520, 1215, 375), resultado);
  Label2[10] =
      Etiqueta(this, "Label2(10)", "Cálculo de la velocidad [m/s]=", Twips(4560, 3120, 3015, 255),
               {Predeterminado, marronRosado});
  TXT_Veloc = Caja(this, "TXT_Veloc", "", Twips(7680, 3000, 1215, 375), resultado);
  Label2[11] = Etiqueta(this, "Label2(11)", "Area de tubo (cm2) = ", Twips(4560, 3600, 2655, 255),
                        {Predeterminado, marronRosado});
  TXT_AreaTubo = Caja(this, "TXT_AreaTubo", "", Twips(7680, 3480, 1215, 375), resultado);

  // The buttons.
  cmdCalcular = Boton(this, "cmdCalcular", "CALCULAR", Twips(4680, 4440, 1935, 375),
                      Fuente("MS Sans Serif", 9.75));
  cmdClose = Boton(this, "cmdClose", "&CERRAR", Twips(6960, 4440, 1695, 375), Normal());

  // A screen reader announces each box by its caption.
  const std::pair<QLineEdit*, QLabel*> rotulos[] = {
      {txtViscCinem, Label1},     {txtCoefRugos, Label2[0]},    {txtPerdMenores, Label2[1]},
      {txtLong, Label2[2]},       {txtCaudal, Label2[3]},       {txtDiamComerc, Label2[4]},
      {txtClase, Label2[5]},      {txtAltura, Label6},          {TXT_DiamInt, Label2[6]},
      {TXT_PerdFricc, Label2[7]}, {TXT_PerdMenores, Label2[8]}, {TXT_PerdTotal, Label2[9]},
      {TXT_Veloc, Label2[10]},    {TXT_AreaTubo, Label2[11]},
  };
  for (const auto& [caja, rotulo] : rotulos) {
    caja->setAccessibleName(rotulo->text().trimmed());
  }
}

}  // namespace tramo
