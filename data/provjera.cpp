#include "data/provjera.h"

#include "engine/propisi.h"

#include <cmath>

namespace nmk {

namespace {

using Nalaz = std::optional<NalazProvjere>;

Nalaz Greska(const char* tekst) {
    return NalazProvjere{tekst, VrstaPoruke::Greska, false};
}

Nalaz Upozorenje(const char* tekst, bool ispravan = false) {
    return NalazProvjere{tekst, VrstaPoruke::Upozorenje, ispravan};
}

// "not x > 0": also true for a value that is not a number.
bool NijePozitivno(double x) {
    return !(x > 0);
}

// The same with the difference taken in single precision, as the window's checks do.
bool NijePozitivnoSingle(double x) {
    return !(static_cast<float>(x) > 0.0f);
}

// Outside [od, do_], or not a number.
bool IzvanGranica(double x, double od, double do_) {
    return !(x >= od && x <= do_);
}

const char* const kStatickaVisina = "Statička visina presjeka mora biti veća od nule !";
const char* const kIznadSredine =
    "Donja armatura se nalazi iznad sredine\nili u sredini poprečnog presjeka !";

// Rows that every mode runs: dimensions and the position of the reinforcement. A rectangle
// is checked on the depth it is calculated on, its own h (its flange fields do not count).
Nalaz ProvjeriGeometriju(const TPresjek& p) {
    const bool pravougaoni = p.Oblik == TOblik::Pravougaoni;
    const bool t = p.Oblik == TOblik::T;
    if (NijePozitivno(VisinaPloce(p)))
        return Greska("Visina h0 mora biti veća od nule !");
    if (NijePozitivno(p.d2))
        return Greska("Položaj armature d2 mora biti veći od nule !");
    if ((pravougaoni || t) && NijePozitivno(p.b))
        return Greska("Širina b mora biti veća od nule !");
    if ((pravougaoni || t) && NijePozitivno(p.d1))
        return Greska("Položaj armature d1 mora biti veći od nule !");
    if (t && NijePozitivno(p.h))
        return Greska("Visina do mora biti veća od nule !");
    if (t && NijePozitivno(p.b0))
        return Greska("Širina rebra bo mora biti veća od nule !");
    if ((pravougaoni || t) && NijePozitivnoSingle(p.h - p.d2))
        return Greska(kStatickaVisina);
    if ((pravougaoni || t) && NijePozitivnoSingle(p.h / 2 - p.d2))
        return Greska(kIznadSredine);
    if (p.Oblik == TOblik::Kruzni && NijePozitivnoSingle(p.h0 / 4 - p.d2))
        return Greska("Prečnik položaja armature manji od 1/2 prečnika presjeka");
    // The design divides by the depth between the two layers: covers that leave none would
    // send its searches beyond the section.
    if (NijePozitivnoSingle(p.h - p.d1 - p.d2))
        return Greska(PorukaPokrivanjeBezVisine);
    return std::nullopt;
}

// Rows of the bending design: the shear angles and the loads.
Nalaz ProvjeriDimenzioniranje(const TPresjek& p) {
    if (IzvanGranica(p.alfa, 45, 90))
        return Greska("Nagib smičuće armature treba da je izmedu\n45 i 90 stepeni");
    const OpisPropisa* propis = NadjiPropis(p.Propis);
    if (propis && IzvanGranica(p.beta, propis->betaOd, propis->betaDo))
        return Greska(propis->porukaBeta);
    if (JeNula(p.Mu) && JeNula(p.Nu) && JeNula(p.Qu))
        return Upozorenje("Presjek je neopterećen !");
    return std::nullopt;
}

// Rows of the ultimate moment and the ultimate section forces: the given reinforcement.
Nalaz ProvjeriArmaturu(const TPresjek& p) {
    if (!(p.Aa1 <= p.Aa2))
        return Greska("Zategnuta armatura treba da bude donja tj. Aa2 !");
    if (JeNula(p.Aa1) && JeNula(p.Aa2))
        return Greska("Presjek nije armiran !");
    return std::nullopt;
}

// Rows of the ultimate section forces: the given strains.
Nalaz ProvjeriDilatacije(const TPresjek& p, const TBetonEx& bx) {
    if (JeNula(p.epsa) && JeNula(p.epsb))
        return Greska("Presjek je neopterecen !");
    if (!(p.epsb <= 3.5))
        return Greska("Dilatacije betona nemogu biti vece od 3,50 ‰");
    const OpisPropisa* propis = NadjiPropis(p.Propis);
    const bool peto = p.ima(sfPetoPodrucje);
    if (propis && peto && p.epsb < 2)
        return Greska("U petom podrucju eb1 treba da je izmedu 2 i 3,5 promila");
    // Outside the fifth domain the bottom face may not be compressed: its strain
    // epsb - (epsb + epsa) h / d is positive exactly when epsa < -epsb d2 / h, whatever the
    // sign of epsb. With the top face compressed that puts the axis below the section; with
    // the top face not compressed the concrete would carry from below. Only a state with both
    // faces at or below zero has no compressed concrete: the steel alone.
    const double visina = p.Oblik == TOblik::Kruzni ? p.h0 : p.h;
    if (!peto && !(p.epsa >= -p.epsb * p.d2 / visina))
        return Greska("Za zadate dilatacije neutralna osa je izvan presjeka !");
    if (propis && !peto && std::fabs(p.epsb - 3.5) > 1e-16 &&
        std::fabs(p.epsa - propis->granicnaDilatacija(bx)) > 1e-16)
        return Upozorenje("Nijedna dilatacija nije jednaka granicnoj", true);
    return std::nullopt;
}

} // namespace

std::optional<NalazProvjere> PrviNalazProvjere(const TPresjek& p, const TBetonEx& bx) {
    // A code without a description cannot be calculated by any of its rules.
    if (!NadjiPropis(p.Propis))
        return NalazProvjere{PorukaNepoznatPropis(static_cast<int>(p.Propis)), VrstaPoruke::Greska,
                             false};
    if (auto n = ProvjeriGeometriju(p))
        return n;
    switch (p.Proracun) {
    case TProracun::Dimenzioniranje:
        return ProvjeriDimenzioniranje(p);
    case TProracun::GranicniMomenat:
        return ProvjeriArmaturu(p);
    case TProracun::GranicneSile:
        if (auto n = ProvjeriArmaturu(p))
            return n;
        return ProvjeriDilatacije(p, bx);
    }
    return std::nullopt;
}

void ProvjeriUlaz(TPresjek& p, const TBetonEx& bx, Poruke& poruke) {
    const auto nalaz = PrviNalazProvjere(p, bx);
    if (!nalaz)
        return;
    poruke.Prikazi(nalaz->tekst, nalaz->vrsta, dgOK);
    if (!nalaz->ispravan)
        p.Ispravan = false;
}

} // namespace nmk
