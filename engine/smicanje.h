#pragma once
// Shear design: the stirrup area per metre for the design shear force, under either code,
// with the check of the compressed concrete struts. It runs as the last step of the bending
// design, while the working object still holds the bending reinforcement.

#include "engine/okruzenje.h"
#include "engine/presjek.h"

namespace nmk {

// Texts of the shear design's information messages.
inline constexpr const char* PorukaMinimalnaSmicuca = "Minimalna smicuca armatura";
inline constexpr const char* PorukaUsvojenaMinimalna = "Usvojena minimalna smicuca armatura !";

// Writes Avil (cm2/m) for Qu from the section and the bending result in `dim` (b, b0, h, d2,
// AsT and the gross area). May set sfIzracunat, or on failure of the compressed struts set
// sfLomDijagonala and clear Ispravan, leaving Avil as it was. Messages go to o.poruke only
// while o.PrikaziPoruke is on. A non-finite intermediate value throws GreskaProracuna.
void ProracunSmicanja(TPresjek& p, const TDim& dim, const Okruzenje& o);

// Minimum stirrup ratio of EC 2 for a concrete of strength fck and a steel of yield stress
// fyk: its row of the table (three concrete groups) interpolated on the parabola through the
// steels 220, 400 and 500 N/mm2. Kept in full precision: only the minimum area made from it
// is rounded to single precision.
double rhoMin(double fck, double fyk);

// What the shear design needs besides the section.
struct UlazSmicanja {
    TPresjek& p;
    const TDim& dim;
    const Okruzenje& o;
    double d = 0;   // effective depth, cm
    double bw = 0;  // the narrower of the two widths, cm
    double k = 0;   // stirrup term
    double tr = 0;  // shear reference stress of the concrete, N/mm2
    double fck = 0; // N/mm2
    double fyk = 0; // N/mm2
};

// The stirrups of the two codes for the prepared input (Qu not negligible). PBAB 87: tau_n
// against 1, 3 and 5 tau_r. EC 2: V_Rd1 and V_Rd2 with the strut angle beta, the standard
// method deducting the concrete's share.
void SmicanjePBAB87(UlazSmicanja& u);
void SmicanjeEC2(UlazSmicanja& u);

// The stirrup term cos alfa + sin alfa cot theta, angles in degrees.
double StremenskiClan(double alfaStepeni, double thetaStepeni);

} // namespace nmk
