#pragma once
// The N–M interaction curve of a section with given reinforcement: every ultimate strain
// state of both moment signs, from the whole section stretched at the steel limit to the whole
// section compressed at 2 per mille, as one closed polygon; and how far a design point lies
// inside it.
//
// Signs as everywhere in the program: N in kN, positive in tension; M in kNm, positive when
// the bottom face is in tension; strains in per mille, positive in compression.

#include "engine/granicno.h"
#include "engine/okruzenje.h"
#include "engine/presjek.h"

#include <optional>
#include <utility>
#include <vector>

namespace nmk {

// How far a chord between two neighbouring points may stray from the states it skips: a
// share of the curve's extent (its span of N and of M, each scaled to 1).
inline constexpr double OdstupanjeKrive = 0.005;

struct TackaKrive {
    double N = 0;      // kN, tension positive
    double M = 0;      // kNm, sagging positive
    double eGore = 0;  // strain of the top face, per mille, compression positive
    double eDolje = 0; // strain of the bottom face
    // The state as modes 1 and 2 read it on its side (okrenut: the section turned over).
    GranicnoStanje stanje;
    bool okrenut = false;
};

struct KrivaInterakcije {
    double Aa1 = 0; // the areas the curve belongs to, cm2
    double Aa2 = 0;
    // Closed: from the whole section stretched over the sagging side to the whole section
    // compressed and back over the hogging side; the first point is not repeated at the end.
    std::vector<TackaKrive> tacke;
    std::size_t pritisak = 0; // index of the point of uniform compression
    // The axial capacities: the largest tension (uniform tension) and the largest compression
    // (not always uniform compression: in the fifth domain a layer above the pivot that has
    // not yet yielded at 2 per mille loses force as the top strain falls to 2).
    double Nmax = 0;
    double Nmin = 0;
};

// The curve of the section (geometry, grades, code, design strengths, options) for the areas
// Aa1 at the top and Aa2 at the bottom. Throws GreskaProracuna for a degenerate section.
KrivaInterakcije IzracunajKrivu(const TPresjek& p, double Aa1, double Aa2, const Okruzenje& o);

// The distance of point x from the chord a–b in the scaled plane of the curve.
double OdstupanjeOdTetive(const TackaKrive& a, const TackaKrive& b, const TackaKrive& x,
                          double rasponN, double rasponM);

// The spans of N and of M that scale the curve's plane (both positive).
std::pair<double, double> RasponiKrive(const KrivaInterakcije& k);

// The largest and the smallest moment of the curve at the normal force N (on its polygon);
// nothing when N lies beyond the section's axial capacity.
std::optional<std::pair<double, double>> MomentiPriSili(const KrivaInterakcije& k, double N);

// How much of the capacity a design point uses.
struct Iskoristenost {
    bool silaUnutar = true; // Nsd between uniform tension and uniform compression
    bool unutar = true;     // the point lies inside the curve (or on it)
    double MRd = 0;         // capacity at Nsd on the side of Msd, kNm
    double poMomentu = 0;   // Msd / MRd(Nsd) at constant N; infinite outside the curve
    double poZraku = 0;     // along the ray from the origin through the point
};
Iskoristenost Iskoristenje(const KrivaInterakcije& k, double Nsd, double Msd);

// Which reinforcement the curve is drawn for.
enum class IzvorArmature { Potrebna, Usvojena };

// Bars are chosen for the top or the bottom of the section.
bool ImaUsvojenu(const TPresjek& p);
// The areas from the source: the required ones of the last design, or the chosen bars' (an
// empty list gives 0). Without a source: the chosen bars when there are any.
struct ArmaturaKrive {
    double Aa1 = 0;
    double Aa2 = 0;
    IzvorArmature izvor = IzvorArmature::Potrebna;
};
ArmaturaKrive ArmaturaZaKrivu(const TPresjek& p, std::optional<IzvorArmature> izvor = {});

} // namespace nmk
