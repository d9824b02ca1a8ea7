// Equilibrium of the designed sections: the concrete stresses integrated in thin strips and
// the steel forces at the design's strains and areas must balance the design forces. This
// check shares no formula with the design (no fullness or lever-arm coefficient), so it
// catches a wrong closed form, a wrong scan and a wrong branch alike.

#include "engine/cvrstoce.h"
#include "engine/dimenzioniranje.h"
#include "engine/materijali.h"

#include "common/katalozi.h"
#include "common/pomocnici.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace nmk {
namespace {

using test::SnimajucePoruke;

// The section as the design sees it: compressed face on top. Built here from the section's
// own fields so that the check does not lean on the design's turn.
struct Geometrija {
    double b, b0, h, h0, d1, d2; // top width, lower width, depth, top part depth, covers
    double Asg, Asd;             // areas of the top (compression-side) and bottom layers
    double M;                    // moment, kNm, non-negative
};

Geometrija Okreni(const TPresjek& p) {
    if (p.Mu >= 0)
        return {p.b, p.b0, p.h, p.h0, p.d1, p.d2, p.Aa1, p.Aa2, p.Mu};
    const bool T = p.Oblik == TOblik::T;
    return {T ? p.b0 : p.b, T ? p.b : p.b0, p.h,  T ? p.h - p.h0 : p.h0, p.d2, p.d1,
            p.Aa2,          p.Aa1,          -p.Mu};
}

double NaponBetona(double e, double fB) {
    if (e <= 0)
        return 0;
    if (e <= 2)
        return fB * (1 - (1 - e / 2) * (1 - e / 2));
    return fB;
}

double NaponCelikaTest(double eps, double Es, double sigv) {
    return std::clamp(Es * eps / 1000, -sigv, sigv);
}

struct Sile {
    double N = 0; // compression positive, kN
    double M = 0; // about the centroid, sagging positive, kNcm
};

// Internal forces of the strain plane that runs from eTop at the top face to eBot at the
// bottom face (compression positive). Concrete in strips: 2000 strips in each piece between
// the breaks of the integrand (the width change and the strains 0 and 2), which makes the
// quadrature error of the order 1e-7 relative, negligible against the tolerances below.
Sile UnutrasnjeSile(const Geometrija& g, double eTop, double eBot, double fB, double Es,
                    double sigv) {
    const double A = g.b * g.h0 + g.b0 * (g.h - g.h0);
    const double yTezista = (g.b * g.h0 * g.h0 / 2 + g.b0 * (g.h - g.h0) * (g.h + g.h0) / 2) / A;
    auto e = [&](double y) { return eTop + (eBot - eTop) * y / g.h; };
    std::vector<double> granice{0, g.h0, g.h};
    for (double prag : {0.0, 2.0})
        if (eTop != eBot) {
            const double y = (eTop - prag) / (eTop - eBot) * g.h;
            if (y > 0 && y < g.h)
                granice.push_back(y);
        }
    std::sort(granice.begin(), granice.end());
    Sile s;
    const int n = 2000;
    for (std::size_t k = 0; k + 1 < granice.size(); ++k) {
        const double dy = (granice[k + 1] - granice[k]) / n;
        const double sirina = (granice[k] + granice[k + 1]) / 2 < g.h0 ? g.b : g.b0;
        for (int i = 0; i < n && dy > 0; ++i) {
            const double y = granice[k] + (i + 0.5) * dy;
            const double F = NaponBetona(e(y), fB) * sirina * dy / 10;
            s.N += F;
            s.M += F * (yTezista - y);
        }
    }
    for (const auto& [y, As] : {std::pair{g.d1, g.Asg}, std::pair{g.h - g.d2, g.Asd}}) {
        const double F = NaponCelikaTest(e(y), Es, sigv) * As / 10;
        s.N += F;
        s.M += F * (yTezista - y);
    }
    return s;
}

// What kind of design a result is; the tolerance depends on its scan.
enum class Vrsta { Podrucje2, Podrucje3, Dvostruko, Simetricno, Peto };

struct Slucaj {
    TPresjek p;
    Vrsta vrsta;
};

// Sections of both codes, rectangles and T sections, moments of both signs, compression and
// tension, about half of them with the symmetric option. Forces are drawn as reduced values
// so that all branches appear.
std::vector<TPresjek> Presjeci(const Katalozi& k, int broj) {
    std::mt19937 gen(20260612);
    std::uniform_real_distribution<double> u(0, 1);
    std::vector<TPresjek> r;
    for (int i = 0; i < broj; ++i) {
        TPresjek p;
        p.Propis = i % 2 ? TPropis::EC2 : TPropis::PBAB87;
        p.Beton = p.Propis == TPropis::EC2 ? 10 + i % 9 : i % 10;
        p.Celik = p.Propis == TPropis::EC2 ? 3 : i % 3;
        p.h = 30 + 70 * u(gen);
        p.b = 20 + 60 * u(gen);
        // Every fourth with a deep top layer, which may stay elastic while the bottom one
        // yields: the symmetric search then meets the poles of its residual.
        p.d1 = 2.5 + (i % 4 == 0 ? 0.25 : 0.1) * p.h * u(gen);
        p.d2 = 2.5 + 0.1 * p.h * u(gen);
        if (i % 3 == 1) {
            p.Oblik = TOblik::T;
            p.b = p.b * (1.5 + 3 * u(gen));
            p.b0 = 20 + 20 * u(gen);
            p.h0 = p.h * (0.1 + 0.3 * u(gen));
        } else {
            p.b0 = p.b;
            p.h0 = p.h;
        }
        if (u(gen) < 0.4)
            p.Status |= sfSimetricno;
        PostaviProracunskeCvrstoce(p, k, 0.85f, 1.5, 1.15);
        const double d = p.h - p.d2;
        // Every fifth a large compression with a moderate moment: the fifth domain and the
        // states just before it, where the bottom steel is compressed.
        const bool pritisak = i % 5 == 4;
        const double mu = pritisak ? 0.01 + 0.3 * u(gen) : 0.02 + 0.5 * u(gen);
        const double nu = pritisak ? -0.8 - 1.0 * u(gen) : -0.35 + 0.45 * u(gen);
        p.Mu = (u(gen) < 0.5 ? -1 : 1) * mu * p.b0 * d * d * p.fB / 1000;
        p.Nu = nu * p.b0 * d * p.fB / 10;
        r.push_back(p);
    }
    return r;
}

double Es(const TPresjek& p, const Katalozi& k) {
    return k.celik.at(static_cast<std::size_t>(p.Celik)).E;
}

// Bounds of the equilibrium misfit, from the step of the scan that found the state. With
// the reduced units nN = b d fB / 10 (kN) and nM = b d^2 fB / 10 (kNcm), d = h - d2:
//  - domain 2 steps eb by 0.0002 and keeps the nearest reduced moment, so the misfit of mu
//    is at most half a step times |d mu / d eb| < 0.2 per mille: 2e-5 nM about the tension
//    steel; the steel area follows from Ma and Nu, so the force misfit is that divided by
//    the lever arm zeta > 0.7;
//  - domain 3 steps ea by 0.005 with |d mu / d ea| < 0.1 at eb = 3.5 and ea >= 3: 2.5e-4;
//  - double reinforcement takes one fixed state and is exact;
//  - the symmetric search stops at the first sign change of its residual; the moment is
//    solved exactly at that state and the force misfit is at most the change of the force
//    residual over one step of 0.001: below 0.001 (1 + 2 omega Es / (1000 sigv)) nN, the
//    concrete coefficient changing by less than 1 per mille and each steel layer's stress
//    by at most Es / 1000 per mille (omega = As sigv / (b d fB));
//  - the fifth domain takes its area from the force, which is then exact, and the moment
//    misfit is the change over one step of 0.001 in the top strain (the bottom strain moves
//    4/3 as fast): 0.001 (1 + 2 omega5 4/3 Es / (1000 sigv)) in units b h^2 fB / 10.
// The concrete rates hold per b, the width of the top part; a turned T section whose wider
// part lies below can change its concrete force up to b0 / b times as fast, so they are
// scaled by the larger of 1 and b0 / b. Every value also carries the float rounding of the
// reduced quantities, below 1e-5.
struct Tolerancija {
    double sila;   // kN
    double moment; // kNcm, about the centroid
};

Tolerancija Dozvoljeno(Vrsta v, const Geometrija& g, const TPresjek& p, double Es) {
    const double d = g.h - g.d2;
    const double nN = g.b * d * p.fB / 10, nM = nN * d;
    const double As = std::max(g.Asg, g.Asd);
    const double brzinaCelika = 2 * Es / (1000 * p.sigv);
    const double zaokruzivanje = 1e-5;
    const double sirine = std::max(1.0, g.b0 / g.b);
    // Misfit of the moment about the tension steel, in nM, and of the force, in nN.
    double dM = zaokruzivanje, dN = zaokruzivanje;
    switch (v) {
    case Vrsta::Podrucje2:
        dM += 2e-5 * sirine;
        dN += 2e-5 * sirine / 0.7;
        break;
    case Vrsta::Podrucje3:
        dM += 2.5e-4 * sirine;
        dN += 2.5e-4 * sirine / 0.7;
        break;
    case Vrsta::Dvostruko:
        break;
    case Vrsta::Simetricno:
        dN += 0.001 * (sirine + As * p.sigv / (g.b * d * p.fB) * brzinaCelika);
        break;
    case Vrsta::Peto: {
        const double omega5 = As * p.sigv / (g.b * g.h * p.fB);
        const double h2 = g.b * g.h * g.h * p.fB / 10;
        return {zaokruzivanje * nN,
                (0.001 * (sirine + omega5 * 4 / 3 * brzinaCelika) + zaokruzivanje) * h2};
    }
    }
    // About the centroid the force misfit acts at the distance of the centroid from the
    // tension steel.
    const double yc = (g.b * g.h0 * (g.h - g.h0 / 2) + g.b0 * (g.h - g.h0) * (g.h - g.h0) / 2) /
                      (g.b * g.h0 + g.b0 * (g.h - g.h0));
    return {dN * nN, dM * nM + dN * nN * std::fabs(yc - g.d2)};
}

struct Ishod {
    int provjereno = 0;
    int podrucje2 = 0, podrucje3 = 0, dvostruko = 0, simetricno = 0, peto = 0;
    int pritisnutaDonja = 0; // symmetric states with the bottom steel compressed
};

std::string Opis(const TPresjek& p) {
    char t[400];
    std::snprintf(t, sizeof t,
                  "b %.9g b0 %.9g h %.9g h0 %.9g d1 %.9g d2 %.9g Mu %.9g Nu %.9g code %d "
                  "concrete %d steel %d status %x -> Aa1 %g Aa2 %g epsa %g epsb %g",
                  p.b, p.b0, p.h, p.h0, p.d1, p.d2, p.Mu, p.Nu, static_cast<int>(p.Propis), p.Beton,
                  p.Celik, p.Status, p.Aa1, p.Aa2, p.epsa, p.epsb);
    return t;
}

// Checks one designed section; returns false (and checks nothing) for a design that is not
// a strain state of domains 2 to 5 with reinforcement on its tension face.
bool ProvjeriRavnotezu(const TPresjek& p, const Katalozi& k, const TBetonEx& ex, Ishod& ishod) {
    if (p.ima(sfZategnut) || (p.Aa1 == 0 && p.Aa2 == 0))
        return false;
    const Geometrija g = Okreni(p);
    if (g.Asd == 0 && !p.ima(sfPetoPodrucje))
        return false; // the tension face needs nothing: no state to balance
    const double es = Es(p, k);
    const double d = g.h - g.d2;
    const double epsaMax = p.Propis == TPropis::EC2 ? ex.esu : 10;
    Vrsta v;
    double eBot = 0;
    if (p.ima(sfPetoPodrucje)) {
        v = Vrsta::Peto;
        eBot = p.epsa;
        ++ishod.peto;
    } else {
        // Plane through eb at the top face and -ea at the tension steel.
        eBot = p.epsb - (p.epsb + p.epsa) * g.h / d;
        if (p.ima(sfSimetricno)) {
            v = Vrsta::Simetricno;
            ++ishod.simetricno;
            if (p.epsa < 0)
                ++ishod.pritisnutaDonja;
        } else if (g.Asg > 0) {
            v = Vrsta::Dvostruko;
            ++ishod.dvostruko;
        } else if (std::fabs(p.epsa - epsaMax) < 1e-6) {
            v = Vrsta::Podrucje2;
            ++ishod.podrucje2;
        } else {
            v = Vrsta::Podrucje3;
            ++ishod.podrucje3;
        }
    }
    const Sile s = UnutrasnjeSile(g, p.epsb, eBot, p.fB, es, p.sigv);
    const Tolerancija t = Dozvoljeno(v, g, p, es);
    EXPECT_NEAR(s.N, -p.Nu, t.sila) << Opis(p);
    EXPECT_NEAR(s.M, g.M * 100, t.moment) << Opis(p);
    ++ishod.provjereno;
    return true;
}

TEST(Dimenzioniraj, BalancesTheDesignForcesWithTheIntegratedStresses) {
    const Katalozi k = test::UgradjeniKatalozi();
    const TBetonEx ex;
    SnimajucePoruke poruke;
    Okruzenje o{k, ex, poruke};
    o.MinMaxArmatura = false;
    Ishod ishod;
    for (TPresjek p : Presjeci(k, 700)) {
        Dimenzioniraj(p, o);
        ProvjeriRavnotezu(p, k, ex, ishod);
    }
    std::printf("checked %d: domain 2 %d, domain 3 %d, double %d, symmetric %d (bottom steel "
                "compressed %d), fifth %d\n",
                ishod.provjereno, ishod.podrucje2, ishod.podrucje3, ishod.dvostruko,
                ishod.simetricno, ishod.pritisnutaDonja, ishod.peto);
    EXPECT_GE(ishod.provjereno, 400);
    EXPECT_GE(ishod.podrucje2, 30);
    EXPECT_GE(ishod.podrucje3, 30);
    EXPECT_GE(ishod.dvostruko, 30);
    EXPECT_GE(ishod.simetricno, 60);
    EXPECT_GE(ishod.peto, 10);
    EXPECT_GE(ishod.pritisnutaDonja, 10);
}

// Sections whose searches meet the hard places: a pole of the symmetric residual before the
// balance, the states between domain 4 and the fifth domain (the bottom steel compressed,
// the bottom face not yet), a compression inside the kern of the concrete that the
// reinforced section balances outside the fifth domain, a symmetric T section with the
// neutral axis in the web, and a fully compressed T section.
TEST(Dimenzioniraj, BalancesSectionsWhoseSearchesMeetPolesAndGaps) {
    const Katalozi k = test::UgradjeniKatalozi();
    const TBetonEx ex;
    SnimajucePoruke poruke;
    Okruzenje o{k, ex, poruke};
    o.MinMaxArmatura = false;
    struct Red {
        const char* opis;
        TPropis propis;
        double b, b0, h, h0, d1, d2, Mu, Nu;
        bool simetricno;
    };
    const TPropis P = TPropis::PBAB87, E = TPropis::EC2;
    for (const Red& r : {
             Red{"pole before the balance", P, 40, 40, 78, 78, 24, 5.5, 2050, -6500, true},
             Red{"pole in the fifth domain", P, 39, 39, 46, 46, 16, 5.6, 253.5, -3400, true},
             Red{"deep top layer, steel below its limit at 3.5", P, 30, 30, 50, 50, 12, 5, 230, 0,
                 true},
             Red{"deep top layer, EC 2 column", E, 30, 30, 30, 30, 4, 4, 62, -150, true},
             Red{"bottom steel compressed", P, 66.5, 66.5, 75.3, 75.3, 7.9, 7.6, 2156, -13204,
                 true},
             Red{"inside the kern", E, 58, 58, 90, 90, 16, 9.5, 1340, -10660, false},
             Red{"T, axis in the web", P, 120, 25, 60, 12, 4, 6, 900, -3000, true},
             Red{"T, axis in the web, EC 2", E, 120, 25, 60, 12, 4, 6, 700, -3000, true},
             Red{"T, fully compressed", P, 120, 25, 60, 12, 4, 6, 150, -6000, false},
             Red{"T turned, fully compressed", E, 90, 30, 55, 15, 5, 5, -120, -4500, false},
         }) {
        TPresjek p;
        p.Propis = r.propis;
        p.Beton = r.propis == E ? 14 : 3;
        p.Celik = r.propis == E ? 3 : 1;
        p.Oblik = r.b != r.b0 ? TOblik::T : TOblik::Pravougaoni;
        p.b = r.b;
        p.b0 = r.b0;
        p.h = r.h;
        p.h0 = r.h0;
        p.d1 = r.d1;
        p.d2 = r.d2;
        p.Mu = r.Mu;
        p.Nu = r.Nu;
        if (r.simetricno)
            p.Status |= sfSimetricno;
        PostaviProracunskeCvrstoce(p, k, 0.85f, 1.5, 1.15);
        Dimenzioniraj(p, o);
        Ishod ishod;
        EXPECT_TRUE(ProvjeriRavnotezu(p, k, ex, ishod)) << r.opis << ": " << Opis(p);
    }
}

} // namespace
} // namespace nmk
