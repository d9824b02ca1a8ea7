#pragma once
// What a calculation reads besides the section: catalogues, extra concrete data, project
// options and the message sink. The caller owns all of it and passes it in.

#include "engine/katalog.h"
#include "engine/poruke.h"
#include "engine/pretraga.h"

namespace nmk {

// Extra concrete data of the project (serviceability inputs and the EC 2 limits).
struct TBetonEx {
    double fi = 2.5;      // creep coefficient
    double hi = 0.8;      // ageing coefficient
    double ebs = 0.0003;  // shrinkage strain as a plain ratio (shown x1000 in per mille)
    double alfa_st = 0.8; // reduction of the tensile strength
    double B1 = 1.0;      // bond coefficient of the bars
    double B2 = 0.5;      // coefficient of load duration or repetition
    double esu = 20;      // limiting strain of the tension steel under EC 2, per mille
    double Ksi35 = 0.45;  // limit of the relative compressed depth, fck <= 35
    double Ksi45 = 0.35;  // the same for fck > 35

    double B1B2() const { return B1 * B2; }
};

// Its argument when it is not negative, else 0.
inline double Pozitivno(double x) {
    return x >= 0 ? x : 0;
}

struct Okruzenje {
    const Katalozi& katalozi;
    const TBetonEx& betonEx;
    Poruke& poruke;
    float Alfa = 0.85f;         // factor of the EC 2 design strength of concrete
    bool MinMaxArmatura = true; // apply the minimum and maximum reinforcement rules
    bool PrikaziPoruke = true;  // informative messages of the calculations are shown
    // The fast searches, or the literal scans of every trial state (the reference).
    NacinPretrage pretraga = NacinPretrage::Brza;
    BrojacPokusaja* brojac = nullptr; // when given, counts the trial states of every search
};

} // namespace nmk
