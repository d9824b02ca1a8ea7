#pragma once
// Capacity of a section with given reinforcement: the ultimate moment for a normal force
// (mode 1 "Granicni Momenat") and the section forces of given strains (mode 2 "Granicne Sile").

#include "engine/okruzenje.h"
#include "engine/presjek.h"

namespace nmk {

// Mode 1: writes Mu, epsa, epsb (and may set sfPetoPodrucje). When no state is found the
// three keep their values.
void GranicniMomenat(TPresjek& p, const Okruzenje& o);

// Mode 2: writes Nu and Mu for the section's epsa and epsb.
void GranicneSile(TPresjek& p, const Okruzenje& o);

} // namespace nmk
