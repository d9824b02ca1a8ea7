#pragma once
// Effective flange width of a T section from the span, the static system, the rib spacing and
// the web width.

#include <string>

namespace nmk {

inline constexpr int BrojSistemaPloce = 3; // simple beam, end span, interior span

// The factor of the static system: 1.0, 0.85, 0.7. An index outside 0..2 gives 1.0 (the first
// item, which the combo box falls back to).
float FaktorSistemaPloce(int sistem);

// b = alpha L / 5 + b0, at most the rib spacing e; all in cm and single precision.
float SirinaPloce(int sistem, float L, float e, float b0);

// The result as the window shows it: fixed notation, 6 significant digits, 2 decimals.
std::string TekstSirinePloce(float b, char separator = '.');

} // namespace nmk
