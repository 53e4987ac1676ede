#include "window/Fuentes.h"

#include <QStringList>

namespace tramo {

void RegistrarSustitutosFuentes() {
  // Liberation Sans and Serif share the metrics of Arial and Times New Roman; Arial is the
  // usual stand-in for MS Sans Serif.
  QFont::insertSubstitutions("MS Sans Serif", {"Microsoft Sans Serif", "Arial", "Liberation Sans"});
  QFont::insertSubstitutions("Times New Roman", {"Liberation Serif"});
}

QFont Fuente(const char* familia, double puntos, bool negrita, bool cursiva) {
  QFont fuente(QString::fromUtf8(familia));
  fuente.setPointSizeF(puntos);
  fuente.setBold(negrita);
  fuente.setItalic(cursiva);
  return fuente;
}

}  // namespace tramo
