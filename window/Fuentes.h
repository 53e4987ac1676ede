#pragma once

#include <QFont>

namespace tramo {

// The window's faces are "MS Sans Serif" and "Times New Roman". Where they are not installed,
// close free faces of the same widths stand in, so the captions still fit their controls.
void RegistrarSustitutosFuentes();

QFont Fuente(const char* familia, double puntos, bool negrita = true, bool cursiva = false);

}  // namespace tramo
