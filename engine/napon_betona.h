#pragma once
// The parabola-rectangle law of the concrete: the stress for a strain in per mille
// (compression positive), on its own so that the drawing uses the same law as the
// calculations.

namespace nmk {

// Concrete stress divided by fB at the strain e (0 below zero strain, 1 from 2 per mille on).
double NaponBetonaRelativno(double e);

// The concrete stress fB NaponBetonaRelativno(e) evaluated in single precision, N/mm2: the
// value the section drawing writes, whose last shown digit is that of the single-precision
// product fB e (1 - e/4).
float NaponBetonaJednostruko(double fB, double e);

} // namespace nmk
