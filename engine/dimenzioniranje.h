#pragma once
// Bending design with normal force (mode 0 "Dimenzioniranje"), followed by the shear design.

#include "engine/okruzenje.h"
#include "engine/presjek.h"

namespace nmk {

// Finds Aa1, Aa2, epsa, epsb and Avil of the section for Mu and Nu and sets the Status bits
// of the design. Expects fB, sigv, epsv derived and the input checked. A degenerate state
// throws GreskaProracuna; the section then keeps what it held before the call.
void Dimenzioniraj(TPresjek& p, const Okruzenje& o);

// Text of the error for an input that is not a finite number.
inline constexpr const char* PorukaNeispravanBroj =
    "Proračun nije moguć: podatak presjeka nije ispravan broj";

// The branch of the design for a section under moment (the pure normal force, the unloaded
// section and the kern test are decided before it).
enum class Grana {
    SimetricnoZategnuto, // symmetric, both layers in tension
    Simetricno,          // symmetric, domains 1 to 4 (may end in the fifth domain)
    ObaZategnuta,        // both layers in tension
    Dvostruko,           // double reinforcement (may fall back to the symmetric design)
    Podrucje2,           // single reinforcement, steel at its limit strain
    Podrucje3            // single reinforcement, concrete at 3.5 per mille
};

// Chooses the branch from the reduced moment about the tension steel mu_sd: negative means
// both layers in tension; above omegaLim zetaLim double reinforcement; below omega10 zeta10
// domain 2, else (also at equality) domain 3.
Grana IzaberiGranu(float muSd, bool simetricno, float omega10, float zeta10, float omegaLim,
                   float zetaLim);

} // namespace nmk
