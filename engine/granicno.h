#pragma once
// Capacity of a section with given reinforcement: the ultimate moment for a normal force
// (mode 1 "Granicni Momenat") and the section forces of given strains (mode 2 "Granicne Sile").

#include "engine/okruzenje.h"
#include "engine/presjek.h"
#include "engine/pretraga.h"

#include <memory>
#include <optional>

namespace nmk {

// Mode 1: writes Mu, epsa, epsb (and may set sfPetoPodrucje). When no state is found the
// three keep their values.
void GranicniMomenat(TPresjek& p, const Okruzenje& o);

// Mode 2: writes Nu and Mu for the section's epsa and epsb.
void GranicneSile(TPresjek& p, const Okruzenje& o);

// One ultimate strain state: ea the tension steel strain (in the fifth domain the strain of
// the bottom face), eb the strain of the top face, per mille; with the forces that mode 2
// gives it (kN tension positive, kNm sagging positive).
struct GranicnoStanje {
    float ea = 0;
    float eb = 0;
    bool peto = false; // the fifth domain
    double Nu = 0;
    double Mu = 0;
};

// One side of a section with given areas, as modes 1 and 2 see it: the top face compressed
// (okrenut false) or the section turned over (okrenut true: the bottom face compressed, the
// top and bottom reinforcement, covers and T flange exchanged; its moments and strains are
// those of the turned section, so a sagging moment there is a hogging one of the section).
// The working object is prepared once; the states are walked along the shared paths.
class StranaPresjeka {
public:
    StranaPresjeka(const TPresjek& p, double Aa1, double Aa2, const Okruzenje& o, bool okrenut);
    ~StranaPresjeka();
    StranaPresjeka(const StranaPresjeka&) = delete;
    StranaPresjeka& operator=(const StranaPresjeka&) = delete;

    // The paths of the ultimate states (steel limit of the section's code and options).
    const GranicniPutevi& Putevi() const;
    // The state (ea, eb) with the forces of mode 2.
    GranicnoStanje Stanje(float ea, float eb, bool peto) const;
    // Mode 1 at the normal force Nu: the state it finds and its moment, or nothing.
    std::optional<GranicnoStanje> MomentZaSilu(double Nu) const;
    // The depth and the effective depth (h - d2) of this side's section, cm.
    double h() const;
    double d() const;

private:
    struct Podaci;
    std::unique_ptr<Podaci> p_;
};

} // namespace nmk
