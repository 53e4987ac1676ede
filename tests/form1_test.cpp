#include "window/Form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <optional>

#include "window/Fuentes.h"

using tramo::FalloAritmetico;
using tramo::Form1;
using tramo::TipoFallo;

// The window driven as a person drives it: typing, Tab, clicks and keys.
class Form1Test : public QObject {
  Q_OBJECT

 private:
  // A fresh window, shown and active, whose failure report is recorded instead of shown.
  struct Ventana {
    Form1 form;
    std::optional<TipoFallo> fallo;
    int informes = 0;

    Ventana() {
      form.PonerInformeFallo([this](QWidget*, const FalloAritmetico& f) {
        fallo = f.Tipo();
        ++informes;
      });
      form.show();
      QApplication::setActiveWindow(&form);
      QVERIFY(QTest::qWaitForWindowActive(&form));
    }

    QLineEdit* Caja(const char* nombre) { return form.findChild<QLineEdit*>(nombre); }

    void Escribir(const char* nombre, const QString& texto) {
      QLineEdit* caja = Caja(nombre);
      caja->clear();
      QTest::keyClicks(caja, texto);
    }

    void Calcular() { QTest::mouseClick(form.cmdCalcular, Qt::LeftButton); }

    QStringList Resultados() {
      QStringList textos;
      for (const char* nombre :
           {"TXT_Veloc", "TXT_AreaTubo", "TXT_PerdFricc", "TXT_PerdMenores", "TXT_PerdTotal"}) {
        textos << Caja(nombre)->text();
      }
      return textos;
    }
  };

  void EscribirEjemplo(Ventana& v) {
    v.Escribir("txtPerdMenores", "2");
    v.Escribir("txtLong", "10");
    v.Escribir("txtCaudal", "1");
    v.Escribir("txtDiamComerc", "25");
  }

 private slots:
  void initTestCase() {
    tramo::RegistrarSustitutosFuentes();
    QLocale::setDefault(QLocale::c());
  }
  void cleanup() { QLocale::setDefault(QLocale::c()); }

  void controles_data();
  void controles();
  void textosIniciales();
  void ventana();
  void nombresAccesibles();
  void ordenDelFoco();
  void calcularEjemplo_data();
  void calcularEjemplo();
  void calcularFalla_data();
  void calcularFalla();
  void informeNombraElFallo_data();
  void informeNombraElFallo();
  void cerrarConAltC();
  void introYEscapeNoPulsanNada_data();
  void introYEscapeNoPulsanNada();
};

namespace {
constexpr const char* Sans = "MS Sans Serif";
constexpr const char* Serif = "Times New Roman";
}  // namespace

void Form1Test::controles_data() {
  QTest::addColumn<QString>("clase");
  QTest::addColumn<QString>("texto");
  QTest::addColumn<QRect>("twips");
  QTest::addColumn<QString>("fondo");  // empty: the platform's own
  QTest::addColumn<QString>("color");
  QTest::addColumn<QString>("fuente");
  QTest::addColumn<double>("puntos");
  QTest::addColumn<bool>("cursiva");
  QTest::addColumn<bool>("centrado");
  QTest::addColumn<bool>("habilitado");

  struct Fila {
    const char* nombre;
    const char* clase;
    const char* texto;
    QRect twips;
    const char* fondo;
    const char* color;
    const char* fuente = Sans;
    double puntos = 8.25;
    bool cursiva = false;
    bool centrado = false;
    bool habilitado = true;
  };
  // clang-format off
  const Fila filas[] = {
      // name             kind           caption or initial text                                  left, top, width × height   back        text       font, points, italic, centred, enabled
      {"Label3",          "QLabel",      "DATOS DEL TRAMO",                                       {120, 120, 4095, 375},   "#c0ffff",  "#0000ff", Serif, 12, true, true},
      {"Label4",          "QLabel",      "RESULTADOS:",                                           {4560, 120, 4455, 495},  "#ffffc0",  "#800000", Serif, 14.25, true, true},
      {"Label1",          "QLabel",      "Viscosid Cinem. n [m2/s] =",                            {240, 1080, 2295, 255},  "",         "#0000ff"},
      {"txtViscCinem",    "QLineEdit",   "1.007E-06",                                             {2640, 960, 1455, 375},  "#c0ffc0",  "#008000"},
      {"Label2(0)",       "QLabel",      "Coef. Rugosidad ks [m]=",                               {240, 1560, 2295, 255},  "",         "#0000ff"},
      {"txtCoefRugos",    "QLineEdit",   "1.5E-06",                                               {2640, 1440, 1455, 375}, "#c0ffc0",  "#008000"},
      {"Label2(1)",       "QLabel",      "Km: Pérdidas menores por accesorios [m.] =",            {240, 1920, 2295, 375},  "",         "#0000ff"},
      {"txtPerdMenores",  "QLineEdit",   "",                                                      {2640, 1920, 1455, 375}, "#c0ffc0",  "#008000"},
      {"Label2(2)",       "QLabel",      "L:  Longitud [m] :",                                    {240, 2520, 2295, 255},  "",         "#0000ff"},
      {"txtLong",         "QLineEdit",   "",                                                      {2640, 2400, 1455, 375}, "#c0ffc0",  "#008000"},
      {"Label2(3)",       "QLabel",      "Q:  Caudal  [lt/s]:",                                   {240, 3000, 2175, 255},  "",         "#0000ff"},
      {"txtCaudal",       "QLineEdit",   "",                                                      {2640, 2880, 1455, 375}, "#c0ffc0",  "#008000"},
      {"Label2(4)",       "QLabel",      "D: Diámetro  [mm]:",                                    {240, 3480, 2295, 375},  "",         "#0000ff"},
      {"txtDiamComerc",   "QLineEdit",   "",                                                      {2640, 3360, 1455, 375}, "#c0ffc0",  "#008000"},
      {"Label2(5)",       "QLabel",      "Clase 0.5, 0.63, 0.8, 1.0, 1.25, 1.6, 2.0,  en [Mpa]:", {240, 3840, 2175, 495},  "",         "#808080", Sans, 8.25, false, false, false},
      {"txtClase",        "QLineEdit",   "",                                                      {2640, 3840, 1455, 375}, "3d-light", "#008000"},
      {"Label6",          "QLabel",      "H= Diferencia de alturas entre los puntos [m]:",        {240, 4320, 2295, 495},  "",         "#808080"},
      {"txtAltura",       "QLineEdit",   "",                                                      {2640, 4320, 1455, 435}, "#e0e0e0",  "#008080"},
      {"Label2(6)",       "QLabel",      "Cálculo del diámetro interno [mm]=",                    {4560, 1200, 3015, 375}, "",         "#808080"},
      {"TXT_DiamInt",     "QLineEdit",   "",                                                      {7680, 1080, 1215, 375}, "3d-light", "#800000"},
      {"Label2(7)",       "QLabel",      "Pérdida por fricción Hf [m] =",                         {4560, 1680, 2895, 255}, "",         "#804000"},
      {"TXT_PerdFricc",   "QLineEdit",   "",                                                      {7680, 1560, 1215, 375}, "#ffffc0",  "#800000", Sans, 8.25, false, true},
      {"Label2(8)",       "QLabel",      "Pérdida por accesorios Hm [m] =",                       {4560, 2160, 2895, 255}, "",         "#804000"},
      {"TXT_PerdMenores", "QLineEdit",   "",                                                      {7680, 2040, 1215, 375}, "#ffffc0",  "#800000", Sans, 8.25, false, true},
      {"Label2(9)",       "QLabel",      "Pérdida total HT [m] =",                                {4560, 2640, 2415, 255}, "",         "#804040"},
      {"TXT_PerdTotal",   "QLineEdit",   "",                                                      {7680, 2520, 1215, 375}, "#ffffc0",  "#800000", Sans, 8.25, false, true},
      {"Label2(10)",      "QLabel",      "Cálculo de la velocidad [m/s]=",                        {4560, 3120, 3015, 255}, "",         "#804040"},
      {"TXT_Veloc",       "QLineEdit",   "",                                                      {7680, 3000, 1215, 375}, "#ffffc0",  "#800000", Sans, 8.25, false, true},
      {"Label2(11)",      "QLabel",      "Area de tubo (cm2) = ",                                 {4560, 3600, 2655, 255}, "",         "#804040"},
      {"TXT_AreaTubo",    "QLineEdit",   "",                                                      {7680, 3480, 1215, 375}, "#ffffc0",  "#800000", Sans, 8.25, false, true},
      {"cmdCalcular",     "QPushButton", "CALCULAR",                                              {4680, 4440, 1935, 375}, "",         "",        Sans, 9.75},
      {"cmdClose",        "QPushButton", "&CERRAR",                                               {6960, 4440, 1695, 375}, "",         ""},
      {"Frame2",          "QFrame",      "",                                                      {2520, 600, 1695, 4335}, "",         ""},
      {"Frame3",          "QFrame",      "",                                                      {7560, 720, 1455, 3255}, "",         ""},
      {"Frame1",          "QFrame",      "",                                                      {4320, 4080, 4575, 855}, "",         ""},
      {"Shape2",          "QFrame",      "",                                                      {120, 120, 4095, 375},   "",         ""},
      {"Shape1",          "QFrame",      "",                                                      {4560, 120, 4455, 495},  "",         ""},
  };
  // clang-format on
  for (const Fila& f : filas) {
    QTest::newRow(f.nombre) << f.clase << QString::fromUtf8(f.texto) << f.twips << f.fondo
                            << f.color << f.fuente << f.puntos << f.cursiva << f.centrado
                            << f.habilitado;
  }
}

void Form1Test::controles() {
  QFETCH(QString, clase);
  QFETCH(QString, texto);
  QFETCH(QRect, twips);
  QFETCH(QString, fondo);
  QFETCH(QString, color);
  QFETCH(QString, fuente);
  QFETCH(double, puntos);
  QFETCH(bool, cursiva);
  QFETCH(bool, centrado);
  QFETCH(bool, habilitado);

  Form1 form;
  auto* control = form.findChild<QWidget*>(QTest::currentDataTag());
  QVERIFY(control);
  QCOMPARE(control->metaObject()->className(), clase);
  QCOMPARE(control->parentWidget(), &form);

  const QRect pixeles(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15);
  QCOMPARE(control->geometry(), pixeles);
  QCOMPARE(control->isEnabled(), habilitado);

  if (clase == "QFrame")
    return;  // outlines and frames: no text, font or colour of their own

  QString textoActual;
  Qt::Alignment alineacion;
  QPalette::ColorRole rolFondo = QPalette::Window, rolTexto = QPalette::WindowText;
  if (auto* etiqueta = qobject_cast<QLabel*>(control)) {
    textoActual = etiqueta->text();
    alineacion = etiqueta->alignment();
  } else if (auto* caja = qobject_cast<QLineEdit*>(control)) {
    textoActual = caja->text();
    alineacion = caja->alignment();
    rolFondo = QPalette::Base;
    rolTexto = QPalette::Text;
  } else {
    textoActual = qobject_cast<QAbstractButton*>(control)->text();
  }
  QCOMPARE(textoActual, texto);
  if (clase != "QPushButton") {
    QCOMPARE(bool(alineacion & Qt::AlignHCenter), centrado);
    QCOMPARE(bool(alineacion & Qt::AlignLeft), !centrado);
  }

  const QPalette paleta = control->palette();
  const QPalette::ColorGroup grupo = habilitado ? QPalette::Active : QPalette::Disabled;
  if (fondo == "3d-light") {
    QCOMPARE(paleta.color(rolFondo), form.palette().color(QPalette::Light));
  } else if (!fondo.isEmpty()) {
    QCOMPARE(paleta.color(rolFondo).name(), fondo);
    QVERIFY(control->autoFillBackground() || rolFondo == QPalette::Base);
  }
  if (!color.isEmpty())
    QCOMPARE(paleta.color(grupo, rolTexto).name(), color);

  QCOMPARE(control->font().family(), fuente);
  QCOMPARE(control->font().pointSizeF(), puntos);
  QVERIFY(control->font().bold());
  QCOMPARE(control->font().italic(), cursiva);
}

void Form1Test::textosIniciales() {
  Ventana v;
  for (QLineEdit* caja : v.form.findChildren<QLineEdit*>()) {
    const QString nombre = caja->objectName();
    const QString esperado = nombre == "txtViscCinem"   ? "1.007E-06"
                             : nombre == "txtCoefRugos" ? "1.5E-06"
                                                        : "";
    QCOMPARE(caja->text(), esperado);
    QVERIFY2(!caja->isReadOnly(), qPrintable(nombre));
  }
  QCOMPARE(v.form.findChildren<QLineEdit*>().size(), 14);
  QCOMPARE(QApplication::focusWidget(), v.Caja("txtViscCinem"));
}

void Form1Test::ventana() {
  Form1 form;
  QCOMPARE(form.windowTitle(), "CALCULO DE PERDIDAS EN UN TRAMO DE TUBERIA");
  QCOMPARE(form.size(), QSize(9135 / 15, 5130 / 15));
  QCOMPARE(form.minimumSize(), form.maximumSize());
  QCOMPARE(form.findChildren<QLabel*>(QRegularExpression("^Label2\\(\\d+\\)$")).size(), 12);
  for (int i = 0; i < 12; ++i) {
    QCOMPARE(form.Label2[size_t(i)]->objectName(), QString("Label2(%1)").arg(i));
  }
}

void Form1Test::nombresAccesibles() {
  Form1 form;
  const std::pair<const char*, const char*> pares[] = {
      {"txtViscCinem", "Label1"},       {"txtCoefRugos", "Label2(0)"},
      {"txtPerdMenores", "Label2(1)"},  {"txtLong", "Label2(2)"},
      {"txtCaudal", "Label2(3)"},       {"txtDiamComerc", "Label2(4)"},
      {"txtClase", "Label2(5)"},        {"txtAltura", "Label6"},
      {"TXT_DiamInt", "Label2(6)"},     {"TXT_PerdFricc", "Label2(7)"},
      {"TXT_PerdMenores", "Label2(8)"}, {"TXT_PerdTotal", "Label2(9)"},
      {"TXT_Veloc", "Label2(10)"},      {"TXT_AreaTubo", "Label2(11)"},
  };
  for (const auto& [caja, rotulo] : pares) {
    QCOMPARE(form.findChild<QLineEdit*>(caja)->accessibleName(),
             form.findChild<QLabel*>(rotulo)->text().trimmed());
  }
}

void Form1Test::ordenDelFoco() {
  Ventana v;
  const QStringList orden = {
      "txtViscCinem",  "txtCoefRugos", "txtPerdMenores", "txtLong",       "txtCaudal",
      "txtDiamComerc", "txtClase",     "TXT_DiamInt",    "TXT_PerdFricc", "TXT_PerdMenores",
      "TXT_PerdTotal", "TXT_Veloc",    "TXT_AreaTubo",   "cmdClose",      "cmdCalcular",
      "txtAltura",     "txtViscCinem",
  };
  QCOMPARE(QApplication::focusWidget()->objectName(), orden.first());
  for (qsizetype i = 1; i < orden.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), orden[i]);
  }
}

void Form1Test::calcularEjemplo_data() {
  QTest::addColumn<QLocale>("region");
  QTest::addColumn<QStringList>("esperados");
  QTest::newRow("punto") << QLocale(QLocale::English, QLocale::UnitedStates)
                         << QStringList{"2.04", "4.91", "1.78", "0.42", "2.2"};
  QTest::newRow("coma") << QLocale(QLocale::Spanish, QLocale::Spain)
                        << QStringList{"2,04", "4,91", "1,78", "0,42", "2,2"};
}

// The worked example typed in and calculated; the inputs read with the point under any region.
void Form1Test::calcularEjemplo() {
  QFETCH(QLocale, region);
  QFETCH(QStringList, esperados);
  QLocale::setDefault(region);

  Ventana v;
  EscribirEjemplo(v);
  v.Escribir("TXT_PerdFricc", "escrito a mano");
  v.Calcular();
  QCOMPARE(v.informes, 0);
  QCOMPARE(v.Resultados(), esperados);

  // Again, unchanged: the same five texts. Boxes no calculation uses keep what was typed.
  v.Escribir("txtClase", "1.6");
  v.Escribir("txtAltura", "99");
  v.Escribir("TXT_DiamInt", "7");
  v.Calcular();
  QCOMPARE(v.Resultados(), esperados);
  QCOMPARE(v.Caja("txtClase")->text(), "1.6");
  QCOMPARE(v.Caja("TXT_DiamInt")->text(), "7");
  QCOMPARE(v.Caja("txtCaudal")->text(), "1");
}

void Form1Test::calcularFalla_data() {
  QTest::addColumn<bool>("ejemplo");  // the example typed in first, then one box changed
  QTest::addColumn<QString>("caja");
  QTest::addColumn<QString>("texto");
  QTest::addColumn<TipoFallo>("tipo");
  QTest::addColumn<QStringList>("esperados");
  const QStringList vacios{"", "", "", "", ""};
  QTest::newRow("recien abierta") << false << ""
                                  << "" << TipoFallo::DivisionPorCero << vacios;
  QTest::newRow("caudal cero") << true << "txtCaudal"
                               << "0" << TipoFallo::DivisionPorCero
                               << QStringList{"0", "4.91", "", "", ""};
  QTest::newRow("diametro negativo")
      << true << "txtDiamComerc"
      << "-25" << TipoFallo::RaizNegativa << QStringList{"2.04", "4.91", "", "", ""};
}

// A failed calculation is reported by its kind and the window stays open, with the data as
// typed and no earlier result left beside it.
void Form1Test::calcularFalla() {
  QFETCH(bool, ejemplo);
  QFETCH(QString, caja);
  QFETCH(QString, texto);
  QFETCH(TipoFallo, tipo);
  QFETCH(QStringList, esperados);

  Ventana v;
  if (ejemplo) {
    EscribirEjemplo(v);
    v.Calcular();
    QCOMPARE(v.informes, 0);
    v.Escribir(qPrintable(caja), texto);
  }
  v.Calcular();

  QCOMPARE(v.informes, 1);
  QCOMPARE(v.fallo, tipo);
  QCOMPARE(v.Resultados(), esperados);
  QVERIFY(v.form.isVisible());
  if (ejemplo)
    QCOMPARE(v.Caja(qPrintable(caja))->text(), texto);
}

void Form1Test::informeNombraElFallo_data() {
  QTest::addColumn<TipoFallo>("tipo");
  QTest::addColumn<QString>("nombre");
  QTest::newRow("division") << TipoFallo::DivisionPorCero << "División por cero";
  QTest::newRow("desbordamiento") << TipoFallo::Desbordamiento << "Desbordamiento";
  QTest::newRow("raiz") << TipoFallo::RaizNegativa << "Raíz cuadrada de un número negativo";
  QTest::newRow("logaritmo") << TipoFallo::LogaritmoNoPositivo
                             << "Logaritmo de un número no positivo";
  QTest::newRow("no converge") << TipoFallo::NoConverge << "La pérdida por fricción no converge";
}

// The real report: a modal message over the window that names the failure in Spanish.
void Form1Test::informeNombraElFallo() {
  QFETCH(TipoFallo, tipo);
  QFETCH(QString, nombre);

  Form1 form;
  form.show();
  QString texto;
  bool modal = false;
  QTimer::singleShot(0, [&] {
    auto* mensaje = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!mensaje)
      return;
    modal = mensaje->isModal() && mensaje->parentWidget() == &form;
    texto = mensaje->text();
    mensaje->accept();
  });
  tramo::MostrarInformeFallo(&form, FalloAritmetico(tipo));

  QVERIFY(modal);
  QVERIFY2(texto.contains(nombre), qPrintable(texto));
  QVERIFY(form.isVisible());
}

void Form1Test::cerrarConAltC() {
  Ventana v;
  QTest::keyClick(&v.form, Qt::Key_C, Qt::AltModifier);
  QTRY_VERIFY(!v.form.isVisible());
}

void Form1Test::introYEscapeNoPulsanNada_data() {
  QTest::addColumn<QString>("foco");
  QTest::addColumn<int>("tecla");
  for (const char* foco : {"txtDiamComerc", "cmdCalcular", "cmdClose"}) {
    for (const auto& [nombre, tecla] :
         {std::pair{"Intro", Qt::Key_Return}, std::pair{"Enter", Qt::Key_Enter},
          std::pair{"Escape", Qt::Key_Escape}}) {
      QTest::newRow(qPrintable(QString("%1 en %2").arg(nombre, foco))) << foco << int(tecla);
    }
  }
}

void Form1Test::introYEscapeNoPulsanNada() {
  QFETCH(QString, foco);
  QFETCH(int, tecla);

  Ventana v;
  EscribirEjemplo(v);
  QSignalSpy calcular(v.form.cmdCalcular, &QPushButton::clicked);
  QSignalSpy cerrar(v.form.cmdClose, &QPushButton::clicked);
  auto* control = v.form.findChild<QWidget*>(foco);
  control->setFocus();
  QTest::keyClick(control, Qt::Key(tecla));

  QCOMPARE(calcular.size(), 0);
  QCOMPARE(cerrar.size(), 0);
  QVERIFY(v.form.isVisible());
  QCOMPARE(v.Resultados(), QStringList({"", "", "", "", ""}));
}

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
