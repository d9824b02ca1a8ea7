#pragma once
// Set-up of the working object TDim, the one routine that all modes and the serviceability
// engine use, and the guard that releases it on every way out.

#include "engine/katalog.h"
#include "engine/presjek.h"

namespace nmk {

// Fills p.Dim (which must exist):
//  - copies b, b0, h0, h, d1, d2, Mu (into M), Mexp, ArmGornja (ArmC), ArmDonja (ArmT); a
//    rectangle takes b and h as its b0 and h0;
//  - n = Es / Eb;
//  - unless puno is false: with proracunski true and Mu < 0 sets sfNegativan and turns the
//    section (a T section: b = b0, b0 = b, h0 = h - h0; every shape: d1 and d2 exchanged,
//    M = -Mu); with proracunski false and Mexp < 0 the same turn with Mexp = -Mexp and the
//    bar lists exchanged, without touching sfNegativan.
void PripremiDim(TPresjek& p, const Katalozi& k, bool puno, bool proracunski);

// Turns the geometry of the working object upside down, so that the bottom face becomes the
// compressed top face (the T flange goes to the bottom; d1 and d2 are exchanged).
void Okreni(TDim& d, const TPresjek& p);

// Creates the section's working object for one calculation and releases it when the scope
// ends, also by an exception.
class RadniObjekat {
public:
    explicit RadniObjekat(TPresjek& p) : p_(p) { p_.Dim.create(); }
    ~RadniObjekat() { p_.Dim.reset(); }
    RadniObjekat(const RadniObjekat&) = delete;
    RadniObjekat& operator=(const RadniObjekat&) = delete;
    TDim& operator*() const { return *p_.Dim; }
    TDim* operator->() const { return p_.Dim.get(); }

private:
    TPresjek& p_;
};

} // namespace nmk
