#include "engine/dim.h"

#include "engine/cvrstoce.h"

#include <utility>

namespace nmk {

void Okreni(TDim& d, const TPresjek& p) {
    if (p.Oblik == TOblik::T) {
        d.b = p.b0;
        d.b0 = p.b;
        d.h0 = p.h - p.h0;
    }
    std::swap(d.d1, d.d2);
}

void PripremiDim(TPresjek& p, const Katalozi& k, bool puno, bool proracunski) {
    TDim& d = *p.Dim;
    d.b = p.b;
    d.b0 = SirinaRebra(p);
    d.h0 = VisinaPloce(p);
    d.h = p.h;
    d.d1 = p.d1;
    d.d2 = p.d2;
    d.M = p.Mu;
    d.Mexp = p.Mexp;
    d.ArmC = p.ArmGornja;
    d.ArmT = p.ArmDonja;
    d.n = ModulCelika(p, k) / ModulBetona(p, k);
    if (!puno)
        return;
    if (proracunski && p.Mu < 0) {
        p.Status |= sfNegativan;
        Okreni(d, p);
        d.M = -p.Mu;
    }
    if (!proracunski && p.Mexp < 0) {
        Okreni(d, p);
        d.Mexp = -p.Mexp;
        d.ArmC = p.ArmDonja;
        d.ArmT = p.ArmGornja;
    }
}

} // namespace nmk
