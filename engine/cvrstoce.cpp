#include "engine/cvrstoce.h"

#include "engine/propisi.h"

#include <cmath>

namespace nmk {

void PostaviProracunskeCvrstoce(TPresjek& p, const Katalozi& k, float Alfa, double gamaC,
                                double gamaS, PbabFb pbab) {
    const TBeton& beton = k.beton.at(static_cast<std::size_t>(p.Beton));
    const TCelik& celik = k.celik.at(static_cast<std::size_t>(p.Celik));
    Opis(p.Propis).proracunskeCvrstoce(p, beton, celik, Alfa, gamaC, gamaS, pbab);
    p.epsv = p.sigv / celik.E * 1000.0;
}

double ModulBetona(const TPresjek& p, const Katalozi& k) {
    const OpisPropisa& propis = Opis(p.Propis);
    const double fck = k.beton.at(static_cast<std::size_t>(p.Beton)).fck;
    return propis.modulFaktor * std::pow(fck + propis.modulDodatak, 1.0 / 3.0);
}

double ModulCelika(const TPresjek& p, const Katalozi& k) {
    return k.celik.at(static_cast<std::size_t>(p.Celik)).E;
}

} // namespace nmk
