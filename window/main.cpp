#include <QApplication>

#include "window/Form1.h"
#include "window/Fuentes.h"

int main(int argc, char* argv[]) {
  QApplication aplicacion(argc, argv);
  QApplication::setDesktopFileName("perdidas-tramo");  // the menu entry, for its icon
  tramo::RegistrarSustitutosFuentes();

  tramo::Form1 form1;
  form1.show();
  // Closing the window, by CERRAR or by its close control, ends the application.
  return aplicacion.exec();
}
