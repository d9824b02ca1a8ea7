// Every search of the engine is bounded in its trials: absurd but finite inputs to each
// search (covers beyond the depth, steel limits far beyond any steel, a depth of kilometres)
// end, both the literal scans and the fast searches, and no path tries more states than the
// bound, which lies above the longest legal path. Nothing here is timed: the trials are
// counted.

#include "engine/cvrstoce.h"
#include "engine/dimenzioniranje.h"
#include "engine/granicno.h"
#include "engine/greska.h"
#include "engine/pretraga.h"
#include "engine/prsline.h"
#include "engine/ugib.h"

#include "common/katalozi.h"
#include "common/pomocnici.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>

namespace nmk {
namespace {

const Katalozi& K() {
    static const Katalozi k = test::UgradjeniKatalozi();
    return k;
}

// An EC 2 rectangle 30/50 of C30/37 and B500.
TPresjek Pravougaonik() {
    TPresjek p;
    p.Propis = TPropis::EC2;
    p.Beton = 14;
    p.Celik = EC2Celik;
    p.b = p.b0 = 30;
    p.h = p.h0 = 50;
    p.d1 = p.d2 = 4;
    PostaviProracunskeCvrstoce(p, K(), 0.85f, 1.5, 1.15);
    return p;
}

enum class Racun { Dizajn, GranicniMomenat, Ugib, Prsline };

struct Ishod {
    BrojacPokusaja brojac;
    std::string greska;
    double a = 0, b = 0, c = 0;
};

Ishod Izracunaj(TPresjek p, const TBetonEx& ex, Racun racun, NacinPretrage nacin) {
    test::SnimajucePoruke poruke;
    Okruzenje o{K(), ex, poruke};
    Ishod r;
    o.pretraga = nacin;
    o.brojac = &r.brojac;
    TDodatniPodaci dp;
    try {
        switch (racun) {
        case Racun::Dizajn:
            Dimenzioniraj(p, o);
            break;
        case Racun::GranicniMomenat:
            GranicniMomenat(p, o);
            break;
        case Racun::Ugib:
            ProracunUgiba(p, o, &dp, 0.125, 600);
            break;
        case Racun::Prsline:
            ProracunPrslina(p, o, &dp, 3);
            break;
        }
    } catch (const GreskaProracuna& e) {
        r.greska = e.what();
    }
    r.a = racun == Racun::Dizajn ? p.Aa1 : racun == Racun::GranicniMomenat ? p.Mu : p.v + p.Wk;
    r.b = racun == Racun::Dizajn ? p.Aa2 : p.epsa;
    r.c = dp.XII;
    return r;
}

struct Slucaj {
    const char* opis;
    Racun racun;
    std::function<void(TPresjek&, TBetonEx&)> postavi;
};

const double kVelika = 1e300;

TEST(GranicaPokusaja, AbsurdButFiniteInputsEndWithinTheBoundBothWays) {
    const Racun D = Racun::Dizajn, G = Racun::GranicniMomenat, U = Racun::Ugib, P = Racun::Prsline;
    auto sipke = [](TPresjek& p) {
        p.ArmDonja = {{20, 4}};
        p.ArmGornja = {{12, 2}};
        p.Mexp = 150;
        p.Nexp = -120;
    };
    const Slucaj slucajevi[] = {
        {"the top cover given from the bottom (d1 + d2 > h), symmetric", D,
         [](TPresjek& p, TBetonEx&) {
             p.d1 = 46.01;
             p.Mu = 100;
             p.Status |= sfSimetricno;
         }},
        {"d1 + d2 just above h, symmetric under compression", D,
         [](TPresjek& p, TBetonEx&) {
             p.d1 = 46.0000001;
             p.Mu = 100;
             p.Nu = -1500;
             p.Status |= sfSimetricno;
         }},
        {"d1 + d2 just below h, symmetric", D,
         [](TPresjek& p, TBetonEx&) {
             p.d1 = 45.9999;
             p.Mu = 100;
             p.Status |= sfSimetricno;
         }},
        {"steel limit 1e30, domain 3", D,
         [](TPresjek& p, TBetonEx& ex) {
             ex.esu = 1e30;
             p.Mu = 250;
         }},
        {"steel limit 1e30, symmetric", D,
         [](TPresjek& p, TBetonEx& ex) {
             ex.esu = 1e30;
             p.Mu = 250;
             p.Status |= sfSimetricno;
         }},
        {"steel limit -1e30, symmetric", D,
         [](TPresjek& p, TBetonEx& ex) {
             ex.esu = -1e30;
             p.Mu = 250;
             p.Status |= sfSimetricno;
         }},
        {"steel limit -1e30, domain 2", D,
         [](TPresjek& p, TBetonEx& ex) {
             ex.esu = -1e30;
             p.Mu = 20;
         }},
        {"limit of single reinforcement 1e9", D,
         [](TPresjek& p, TBetonEx& ex) {
             ex.Ksi35 = 3.5e-9;
             p.Mu = 250;
         }},
        {"moment and force of 1e300", D,
         [](TPresjek& p, TBetonEx&) {
             p.Mu = kVelika;
             p.Nu = -kVelika;
         }},
        {"compression of 1e300 in the kern", D,
         [](TPresjek& p, TBetonEx&) {
             p.Mu = 1;
             p.Nu = -kVelika;
         }},
        {"width of 1e-300", D,
         [](TPresjek& p, TBetonEx&) {
             p.b = p.b0 = 1e-300;
             p.Mu = 100;
             p.Status |= sfSimetricno;
         }},
        {"ultimate moment, steel limit 1e30", G,
         [](TPresjek& p, TBetonEx& ex) {
             ex.esu = 1e30;
             p.Aa2 = 20;
             p.Nu = -400;
         }},
        {"ultimate moment, steel limit -1e30", G,
         [](TPresjek& p, TBetonEx& ex) {
             ex.esu = -1e30;
             p.Aa2 = 20;
             p.Nu = -400;
         }},
        {"ultimate moment, bottom cover beyond the depth", G,
         [](TPresjek& p, TBetonEx&) {
             p.d2 = 75;
             p.Aa2 = 20;
             p.Nu = -400;
         }},
        {"ultimate moment, areas of 1e300", G,
         [](TPresjek& p, TBetonEx&) {
             p.Aa1 = p.Aa2 = kVelika;
             p.Nu = kVelika;
         }},
        {"deflection, depth 1e300", U,
         [&](TPresjek& p, TBetonEx&) {
             sipke(p);
             p.h = p.h0 = kVelika;
         }},
        {"deflection, depth 1e8 cm", U,
         [&](TPresjek& p, TBetonEx&) {
             sipke(p);
             p.h = p.h0 = 1e8;
         }},
        {"cracks, depth 20000 cm (beyond the bound)", P,
         [&](TPresjek& p, TBetonEx&) {
             sipke(p);
             p.h = p.h0 = 20000;
         }},
        {"cracks, service force of 1e-300", P,
         [&](TPresjek& p, TBetonEx&) {
             sipke(p);
             p.Nexp = -1e-300;
         }},
        {"deflection, service moment of 1e300", U,
         [&](TPresjek& p, TBetonEx&) {
             sipke(p);
             p.Mexp = kVelika;
         }},
    };
    for (const Slucaj& s : slucajevi) {
        TPresjek p = Pravougaonik();
        TBetonEx ex;
        s.postavi(p, ex);
        if (s.racun != Racun::Dizajn)
            PostaviProracunskeCvrstoce(p, K(), 0.85f, 1.5, 1.15);
        const Ishod brzo = Izracunaj(p, ex, s.racun, NacinPretrage::Brza);
        const Ishod doslovno = Izracunaj(p, ex, s.racun, NacinPretrage::Doslovna);
        for (const Ishod* r : {&brzo, &doslovno})
            EXPECT_LE(r->brojac.najduziPut, NajvisePokusajaPuta) << s.opis;
        // Where the literal scan is short the fast one spends its guesses and bounds.
        EXPECT_LE(brzo.brojac.pokusaji, doslovno.brojac.pokusaji + 300) << s.opis;
        EXPECT_EQ(brzo.greska, doslovno.greska) << s.opis;
        EXPECT_EQ(std::memcmp(&brzo.a, &doslovno.a, 3 * sizeof(double)), 0) << s.opis;
    }
}

// The longest legal path: an EC 2 steel limit of 32767 per mille, the largest from which a
// float step of 0.001 still advances, down to the bottom face. It fits under the bound, and
// the fast search gives its result too.
TEST(GranicaPokusaja, TheLongestLegalPathFitsUnderTheBound) {
    TPresjek p = Pravougaonik();
    TBetonEx ex;
    ex.esu = 32767.99;
    p.Aa1 = 4;
    p.Aa2 = 20;
    p.Nu = 2000; // a tension that path 2 balances near its end
    const Ishod doslovno = Izracunaj(p, ex, Racun::GranicniMomenat, NacinPretrage::Doslovna);
    const Ishod brzo = Izracunaj(p, ex, Racun::GranicniMomenat, NacinPretrage::Brza);
    EXPECT_GT(doslovno.brojac.najduziPut, 20'000'000);
    EXPECT_LE(doslovno.brojac.najduziPut, NajvisePokusajaPuta);
    EXPECT_LT(brzo.brojac.pokusaji, 1000);
    EXPECT_EQ(brzo.a, doslovno.a);
    EXPECT_EQ(brzo.b, doslovno.b);
}

// A neutral-axis search that the bound ends is a calculation error, the same both ways; so is
// a depth so large that its step no longer moves it.
TEST(GranicaPokusaja, ANeutralAxisBeyondTheBoundIsAnErrorBothWays) {
    for (double h : {20000.0, 1e8, kVelika}) {
        TPresjek p = Pravougaonik();
        p.h = p.h0 = h;
        p.ArmDonja = {{20, 4}};
        p.Mexp = 150;
        p.Nexp = -120;
        for (NacinPretrage nacin : {NacinPretrage::Brza, NacinPretrage::Doslovna})
            EXPECT_EQ(Izracunaj(p, TBetonEx{}, Racun::Ugib, nacin).greska, PorukaGranicaPretrage)
                << h;
    }
}

} // namespace
} // namespace nmk
