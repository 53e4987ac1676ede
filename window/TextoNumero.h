#pragma once

#include <string>
#include <string_view>

// How the text of a box becomes a number, and a result becomes the text of a box. Reading
// always takes the point as the decimal mark; showing takes the mark it is given, which the
// window takes from the user's regional settings.

namespace tramo {

// The leading-number rule: blanks, tabs and line feeds are ignored wherever they stand; then
// the longest beginning of the form [sign] digits-with-one-point [E [sign] digits] is read,
// and a text without one reads as 0 ("12abc" reads 12, "2,5" reads 2). The value is the
// correctly rounded nearest double; a magnitude beyond the double range reads as the largest
// finite double with its sign, one too small as 0 or a subnormal. Never fails.
double LeerNumero(std::string_view texto);

// floor(x × 100 + 0.5) ÷ 100: halves go up, so 1/8 gives 0.13 and −1/8 gives −0.12. Throws
// FalloAritmetico (Desbordamiento) when x × 100 goes beyond the double range.
double RedondearCentesimas(double x);

// General form: the digits the value needs and no more, no grouping, a leading zero below
// one, and the given decimal mark. Plain digits for magnitudes from 1E-04 up to below 1E+15,
// an exponent outside them. Never fails.
std::string MostrarNumero(double x, std::string_view marcaDecimal);

}  // namespace tramo
