#pragma once
// Elastic section properties for the serviceability checks: the uncracked transformed section
// (stage I), the cracked one (stage II) with its neutral axis, the cracking moment, the stresses
// and the distribution coefficient between the two stages.
//
// Except where a function says otherwise they read the section's working object p.Dim, which
// the caller has created and filled with PripremiDim(p, katalozi, true, false): the geometry
// turned for a negative Mexp, d = h - d2 the effective depth, ArmC / ArmT the compressed and
// tensioned bars. Lengths in cm, areas in cm2, moments of inertia in cm4, stresses in N/mm2.

#include "engine/okruzenje.h"
#include "engine/presjek.h"

#include <optional>

namespace nmk {

// A normal force counts as zero in the serviceability checks when |N| <= 1e-12.
inline bool NulaSila(double N) {
    return JeNula(N);
}

// Message for a bar group whose diameter or count is not positive.
inline constexpr const char* PorukaNeispravnaArmatura =
    "Proračun nije moguć: prečnik i broj šipki moraju biti veći od nule";

// Throws GreskaProracuna when a bar group of the working object (either face) has a diameter
// or a count that is not positive: such a list can only come from a damaged file.
void ProvjeriArmaturu(const TDim& d);

// Mean tensile strength fct and flexural tensile strength fct,fl, N/mm2.
struct CvrstoceZatezanja {
    double fct = 0;
    double fctfl = 0;
};
// fct = 0.30 fck^(2/3) (EC 2) or 0.25 fck^(2/3) (PBAB 87); fct,fl = (0.6 + 0.4 / (h/100)^(1/4))
// fct with h of the working object, never below fct.
CvrstoceZatezanja CvrstoceNaZatezanje(const TPresjek& p, const Katalozi& k);

// The gross concrete section of the working object's shape (flange b x h0 over a web b0).
struct BrutoPresjek {
    double Ac = 0; // area, cm2
    double yc = 0; // depth of the centroid below the compressed face, cm
    double Jc = 0; // moment of inertia about the centroid, cm4
};
BrutoPresjek Bruto(const TDim& d);

// Jc of the gross section. Works on the section's working object when it exists, else on the
// section exactly as entered (not turned).
double MomenatInercijeBetona(const TPresjek& p);

// Depth below the compressed face of the centroid of both bar layers, cm.
double TezisteArmature(const TDim& d);

// Stage I: depth of the transformed centroid yI and the transformed moment of inertia JI.
struct StadijI {
    double yI = 0;
    double JI = 0;
};
StadijI IdealniPresjekI(const TDim& d);
double IdealniMomenatInercijeI(const TPresjek& p);

// Depth x of the compressed zone in stage II under Dim.Mexp and Nexp.
//  - N zero: the closed form of the cracked transformed section (a T section whose axis falls
//    below the flange uses the T formula, otherwise the rectangle of width b).
//  - N not zero: a scan in steps of 0.0005 cm (downwards from h when the eccentricity
//    e0 = -100 M / N is positive, else upwards from 0) for the first sign change of
//    g(x) = (e0 - yc + x) S(x) - J(x) at which the load point lies on the compressed side of
//    the axis (e0 - yc + x > 0 under compression, < 0 under tension).
// Returns no value when a compressive N leaves no neutral axis inside the section: the whole
// section is compressed. Under a tensile N a scan without a root throws GreskaProracuna.
// The search is the environment's (fast or literal); without one it is the fast search.
std::optional<double> VisinaPritisnuteZone(const TPresjek& p, const Okruzenje& o);
std::optional<double> VisinaPritisnuteZone(const TPresjek& p);

// The same depth for the given moment (kNm, non-negative) instead of Dim.Mexp.
std::optional<double> VisinaPritisnuteZone(const TPresjek& p, double M, const Okruzenje& o);
std::optional<double> VisinaPritisnuteZone(const TPresjek& p, double M);

// Stage II about the neutral axis at depth x = Dim.XII.
struct StadijII {
    double JII = 0;  // transformed moment of inertia about the neutral axis, cm4
    double Acc = 0;  // area of the compressed concrete, cm2
    double ycII = 0; // depth of its centroid, cm
    double JcII = 0; // its own moment of inertia, cm4
};
StadijII IdealniPresjekII(const TDim& d);
double IdealniMomenatInercijeII(const TPresjek& p);

// Cracking moment Mr in kNm (alfa_st of TBetonEx reduces the flexural strength).
double MomenatNastajanjaPrslina(const TPresjek& p, const Okruzenje& o);

// Concrete stress at the compressed face in stage II at the depth Dim.XII under Dim.Mexp.
double NaponUBetonu(const TPresjek& p);

// Steel stress in stage II at the depth Dim.XII: n sigma_c (d - x) / x.
double NaponUArmaturi(const TPresjek& p);

// Stress of the tensioned steel in stage II under the cracking moment. With N not zero the
// axis is searched again for M = Mr; Dim.Mexp and Dim.XII are restored afterwards, also on an
// exception. A compressive N that leaves no axis at Mr means the steel carries no tension at
// cracking: 0.
double NaponUArmaturiPriMr(TPresjek& p, const Okruzenje& o);

// Distribution coefficient zeta = 1 - B1 B2 (sigma_sr / sigma_s)^2, limited to 0.4 .. 1.0.
double KoeficijentSadejstva(TPresjek& p, const Okruzenje& o);

} // namespace nmk
