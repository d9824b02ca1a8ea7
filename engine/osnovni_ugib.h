#pragma once
// The basic deflection of the plain concrete beam and the coefficients of the static systems.

#include "engine/katalog.h"
#include "engine/presjek.h"

namespace nmk {

// Static systems, in the order of their combo boxes.
inline constexpr int BrojStatickihSistema = 4; // cantilever, simple, fixed-simple, fixed-fixed
// Load cases: force at mid-span, force at the free end, uniform, triangular (mid-span peak),
// triangular (peak at the clamped end), triangular (peak at the free end).
inline constexpr int BrojOpterecenja = 6;

// Coefficient k of the static system for the shrinkage deflection: 0.5, 0.125, 0.09, 0.065.
// An index outside 0..3 throws GreskaProracuna.
float KoefStatickogSistema(int sistem);

// Coefficient c of the basic deflection for the load case and the static system.
// Indices outside the tables throw GreskaProracuna.
float KoefOsnovnogUgiba(int opterecenje, int sistem);

struct OsnovniUgib {
    float vb = 0;  // under the whole load, cm
    float vbd = 0; // under its permanent part, cm
};

// vb and vb.d of the plain concrete section as entered: f = L^n c / (E J) with L the span in
// cm, E = Eb / 10 in kN/cm2, J the gross moment of inertia, n = 3 for the concentrated forces
// (cases 0, 1; loads in kN) and n = 4 for the line loads (cases 2 to 5; loads in kN/m, hence a
// further division by 100). raspon in m. A span <= 0 or a non-finite result throws
// GreskaProracuna.
OsnovniUgib ProracunOsnovnogUgiba(const TPresjek& p, const Katalozi& k, double raspon,
                                  double opterecenje, double stalno, int slucaj, int sistem);

} // namespace nmk
