#include "data/proracun.h"

#include "engine/dimenzioniranje.h"
#include "engine/granicno.h"

#include <exception>

namespace nmk {

void RacunajPoRezimu(TPresjek& p, const Okruzenje& o) {
    switch (p.Proracun) {
    case TProracun::GranicneSile:
        GranicneSile(p, o);
        break;
    case TProracun::GranicniMomenat:
        GranicniMomenat(p, o);
        break;
    default:
        Dimenzioniraj(p, o);
    }
}

IshodProracuna IzracunajPresjek(TPresjek& p, const Projekat& pr, Poruke& poruke,
                                const NacinProracuna& nacin) {
    IshodProracuna ishod;
    if (nacin.unos) {
        ResetujRezultate(p);
        nacin.unos(p);
    }
    ishod.nalaz = PrviNalazProvjere(p, pr.betonEx);
    if (nacin.provjera == NacinProvjere::Prozor) {
        if (ishod.nalaz) {
            poruke.Prikazi(ishod.nalaz->tekst, ishod.nalaz->vrsta, dgOK);
            if (!ishod.nalaz->ispravan)
                p.Ispravan = false;
        }
        ishod.provjeraProsla = p.Ispravan;
    } else {
        ishod.provjeraProsla = !ishod.nalaz || ishod.nalaz->vrsta != VrstaPoruke::Greska;
    }
    if (!ishod.provjeraProsla)
        return ishod;
    try {
        const Okruzenje o = pr.okruzenje(poruke);
        if (nacin.racunaj)
            nacin.racunaj(p, o);
        else
            RacunajPoRezimu(p, o);
    } catch (const std::exception& e) {
        ishod.greska = e.what();
        return ishod;
    }
    p.Status |= sfIzracunat;
    return ishod;
}

} // namespace nmk
