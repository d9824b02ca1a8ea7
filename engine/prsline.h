#pragma once
// Crack spacing and crack widths of the chosen bars.

#include "engine/dodatni_podaci.h"
#include "engine/okruzenje.h"
#include "engine/presjek.h"

namespace nmk {

// Writes am, Wm, Wk; a is the concrete cover in cm. No bars on the tensioned face: adds
// sfNemaArmature and changes nothing else. A degenerate state throws GreskaProracuna and
// leaves the section as it was.
void ProracunPrslina(TPresjek& p, const Okruzenje& o, TDodatniPodaci* dp, double a);

} // namespace nmk
