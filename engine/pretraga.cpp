#include "engine/pretraga.h"

#include "engine/greska.h"
#include "engine/materijali.h"

namespace nmk {

void PrekoraceneGranicePretrage() {
    throw GreskaProracuna(PorukaGranicaPretrage);
}

GranicniPutevi PuteviGranicnihStanja(float eaMax, double d2, double h) {
    GranicniPutevi p;
    p.put0.pocetak = -eaMax;
    p.put0.korak = 0.001;
    p.put0.redoslijed = Redoslijed::ProbaPaKorak;
    p.put0.novaIspred = 0;
    p.put1.pocetak = 0;
    p.put1.korak = 0.001;
    p.put1.staraIspred = 3.4989;
    p.put2.pocetak = eaMax;
    p.put2.korak = -0.001;
    // A bottom cover of the whole depth or more (a section the input check refuses) would put
    // the end at or beyond -3.5, where ea + eb vanishes; the bound keeps such a path finite.
    p.put2.novaIspred = std::max(-3.5, -3.5 * d2 / h);
    p.put2.novaUkljucena = true;
    return p;
}

StanjePetog StanjePetogPodrucja(int i) {
    StanjePetog s;
    s.eTop = static_cast<float>(3.5 - i / 1000.0);
    s.eBot = static_cast<float>(DonjaDilatacija5(s.eTop));
    return s;
}

} // namespace nmk
