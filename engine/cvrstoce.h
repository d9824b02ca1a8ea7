#pragma once
// Design strengths of concrete and steel under the two codes, and the concrete modulus.

#include "engine/katalog.h"
#include "engine/presjek.h"

namespace nmk {

// How PBAB 87 takes the concrete's design strength.
enum class PbabFb {
    PoIndeksu,     // the record's fb for the PBAB 87 classes (index 0-9), else 0.7 fck
    UvijekIzZapisa // always the record's fb (the serviceability batch modes)
};

// Sets fB, sigv and epsv of the section from its grades and code:
//   EC 2:    fB = fck / gamaC * Alfa, sigv = fyk / gamaS;
//   PBAB 87: fB = fb (or 0.7 fck, see PbabFb), sigv = fyk;
//   both:    epsv = sigv / E * 1000.
// gamaC and gamaS are passed in (the window uses the section's own, DIM the file head's);
// the section's gamaC and gamaS fields are not written. The indices must be valid.
void PostaviProracunskeCvrstoce(TPresjek& p, const Katalozi& k, float Alfa, double gamaC,
                                double gamaS, PbabFb pbab = PbabFb::PoIndeksu);

// Modulus of elasticity of the concrete Eb in N/mm2: EC 2 9500 (fck + 8)^(1/3),
// PBAB 87 9250 (fck + 10)^(1/3).
double ModulBetona(const TPresjek& p, const Katalozi& k);

// Es of the section's steel, N/mm2.
double ModulCelika(const TPresjek& p, const Katalozi& k);

} // namespace nmk
