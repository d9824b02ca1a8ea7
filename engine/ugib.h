#pragma once
// Deflections of the reinforced section (stage I, pure stage II and probable).

#include "engine/dodatni_podaci.h"
#include "engine/okruzenje.h"
#include "engine/presjek.h"

namespace nmk {

// Writes vI, vII, v from vb, vbd, Mexp, Nexp and the chosen bars; k is the coefficient of the
// static system and l the span in cm. dp, when given, receives the intermediate results.
// No bars on the tensioned face: Status becomes exactly sfNemaArmature and nothing else
// changes. A negative creep coefficient or shrinkage strain, a span l <= 0, or a degenerate
// state throws GreskaProracuna and leaves the section as it was.
void ProracunUgiba(TPresjek& p, const Okruzenje& o, TDodatniPodaci* dp, double k, double l);

} // namespace nmk
