#include "engine/cvrstoce.h"

#include <cmath>

namespace nmk {

void PostaviProracunskeCvrstoce(TPresjek& p, const Katalozi& k, float Alfa, double gamaC,
                                double gamaS, PbabFb pbab) {
    const TBeton& beton = k.beton.at(static_cast<std::size_t>(p.Beton));
    const TCelik& celik = k.celik.at(static_cast<std::size_t>(p.Celik));
    if (p.Propis == TPropis::EC2) {
        p.fB = beton.fck / gamaC * static_cast<double>(Alfa);
        p.sigv = celik.fyk / gamaS;
    } else {
        const bool izZapisa = pbab == PbabFb::UvijekIzZapisa || p.Beton < PrviEC2Beton;
        p.fB = izZapisa ? beton.fb : 0.7 * beton.fck;
        p.sigv = celik.fyk;
    }
    p.epsv = p.sigv / celik.E * 1000.0;
}

double ModulBetona(const TPresjek& p, const Katalozi& k) {
    const double fck = k.beton.at(static_cast<std::size_t>(p.Beton)).fck;
    switch (p.Propis) {
    case TPropis::EC2:
        return 9500.0 * std::pow(fck + 8.0, 1.0 / 3.0);
    case TPropis::PBAB87:
        return 9250.0 * std::pow(fck + 10.0, 1.0 / 3.0);
    }
    return 0;
}

double ModulCelika(const TPresjek& p, const Katalozi& k) {
    return k.celik.at(static_cast<std::size_t>(p.Celik)).E;
}

} // namespace nmk
