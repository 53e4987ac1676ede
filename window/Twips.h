#pragma once

#include <QRect>
#include <QSize>

// The window is drawn in twips, 1/1440 inch: 15 twips to a pixel at 96 dots per inch. Qt's
// high-DPI scaling takes the pixels from there on larger screens.

namespace tramo {

inline constexpr int TwipsPorPixel = 15;

constexpr int Pixeles(int twips) {
  return twips / TwipsPorPixel;
}

constexpr QRect Twips(int left, int top, int width, int height) {
  return QRect(Pixeles(left), Pixeles(top), Pixeles(width), Pixeles(height));
}

constexpr QSize TwipsTamano(int width, int height) {
  return QSize(Pixeles(width), Pixeles(height));
}

}  // namespace tramo
