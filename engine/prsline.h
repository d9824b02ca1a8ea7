#pragma once
// Crack spacing and crack widths of the chosen bars.

#include "engine/dodatni_podaci.h"
#include "engine/okruzenje.h"
#include "engine/presjek.h"

#include <cstdint>

namespace nmk {

// Writes am, Wm, Wk; a is the concrete cover in cm. No bars on the tensioned face: adds
// sfNemaArmature and changes nothing else. A degenerate state throws GreskaProracuna and
// leaves the section as it was.
void ProracunPrslina(TPresjek& p, const Okruzenje& o, TDodatniPodaci* dp, double a);

// ---- Pieces in which the codes differ -------------------------------------------------------

// The tensioned bars laid out in layers across the tensioned face; lengths in mm.
struct RasporedSipki {
    double c = 0;        // concrete cover
    int fiMax = 0;       // greatest bar diameter
    std::int64_t u = 0;  // number of bars
    float s = 0;         // clear spacing
    std::int32_t nL = 0; // bars per layer
    std::int64_t mL = 0; // layers
    float D = 0;         // axial spacing
    float H = 0;         // height of the bar group from the tensioned face
};

// The cracked state (stage II) under the service load.
struct StanjeIIPrslina {
    double x = 0;      // depth of the compressed zone, cm
    double sigmaC = 0; // concrete stress, N/mm2
    double Eb = 0;     // concrete modulus, N/mm2
    float AsT = 0;     // tensioned bars, cm2
};

// Effective height of the tensioned zone, cm: PBAB 87 from the bar group, EC 2 2.5 d2.
double EfektivnaVisinaPBAB87(const TPresjek& p, const TDim& d, const RasporedSipki& r);
double EfektivnaVisinaEC2(const TPresjek& p, const TDim& d, const RasporedSipki& r);
// Mean crack spacing, mm.
float RazmakPrslinaPBAB87(const TPresjek& p, const TDim& d, const RasporedSipki& r, double hef,
                          const StanjeIIPrslina& st);
float RazmakPrslinaEC2(const TPresjek& p, const TDim& d, const RasporedSipki& r, double hef,
                       const StanjeIIPrslina& st);

} // namespace nmk
