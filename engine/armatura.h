#pragma once
// Bar lists: their area and text, the diameters offered, and the working model of the bar
// selection (two working lists, the active layer, toggling a grid cell).

#include "engine/presjek.h"

#include <array>
#include <string>

namespace nmk {

// Area of a bar list in cm2, the sum of count * pi * (diameter / 10)^2 / 4, accumulated in
// single precision. An empty list gives 0.
float PovrsinaArmature(const TUsvojenaArmatura& lista);

// "4 d16 + 2 d12"; the short form lists the first three groups in brackets and ends with
// " + …)" when there are four or more.
std::string OpisArmature(const TUsvojenaArmatura& lista, bool kratko);

// The 13 diameters (mm) the grid offers for the section's steel index.
const std::array<int, 13>& PrecniciSipki(int celik);

} // namespace nmk
