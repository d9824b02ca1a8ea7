#pragma once
// The input check that runs on a section before a calculation: impossible geometry, angles
// out of range, an unloaded or unreinforced section, strains that the laws do not cover.

#include "engine/okruzenje.h"
#include "engine/poruke.h"
#include "engine/presjek.h"

#include <optional>
#include <string>

namespace nmk {

// The covers d1 and d2 leave no depth between the two layers of reinforcement.
inline constexpr const char* PorukaPokrivanjeBezVisine =
    "Zbir položaja armature d1 i d2 mora biti manji od visine presjeka !";

// The first check that a section fails: its message, the kind of box, and whether the
// section may still be calculated (only the warning "Nijedna dilatacija nije jednaka
// granicnoj" lets it).
struct NalazProvjere {
    std::string tekst;
    VrstaPoruke vrsta = VrstaPoruke::Greska;
    bool ispravan = false;
};

// The first failing check, or nothing when the section passes them all. Changes nothing.
std::optional<NalazProvjere> PrviNalazProvjere(const TPresjek& p, const TBetonEx& bx);

// Runs the check: a failure shows its message with an OK button and, unless it lets the
// calculation run, clears Ispravan. No other field changes.
void ProvjeriUlaz(TPresjek& p, const TBetonEx& bx, Poruke& poruke);

} // namespace nmk
