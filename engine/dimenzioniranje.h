#pragma once
// Bending design with normal force (mode 0 "Dimenzioniranje"), followed by the shear design.

#include "engine/okruzenje.h"
#include "engine/presjek.h"

namespace nmk {

// Finds Aa1, Aa2, epsa, epsb and Avil of the section for Mu and Nu and sets the Status bits
// of the design. Expects fB, sigv, epsv derived and the input checked. A degenerate state
// throws GreskaProracuna; the section then keeps what it held before the call.
void Dimenzioniraj(TPresjek& p, const Okruzenje& o);

} // namespace nmk
