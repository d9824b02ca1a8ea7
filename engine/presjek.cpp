#include "engine/presjek.h"

namespace nmk {

void ResetujRezultate(TPresjek& p) {
    p.Mu = p.Nu = p.Qu = 0;
    p.epsa = p.epsb = 0;
    p.Aa1 = p.Aa2 = 0;
    p.Avil = 0;
    p.Status = 0;
    p.Ispravan = true;
}

} // namespace nmk
