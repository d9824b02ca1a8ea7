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
        p.d1 = 2.5 + 0.1 * p.h * u(gen);
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
        // Every fifth a large compression with a small moment, for the fifth domain.
        const bool pritisak = i % 5 == 4;
        const double mu = pritisak ? 0.01 + 0.08 * u(gen) : 0.02 + 0.5 * u(gen);
        const double nu = pritisak ? -0.9 - 0.8 * u(gen) : -0.35 + 0.45 * u(gen);
        p.Mu = (u(gen) < 0.5 ? -1 : 1) * mu * p.b0 * d * d * p.fB / 1000;
        p.Nu = nu * p.b0 * d * p.fB / 10;
        r.push_back(p);
    }
    return r;
}

double Es(const TPresjek& p, const Katalozi& k) {
    return k.celik.at(static_cast<std::size_t>(p.Celik)).E;
}

// Bounds of the equilibrium misfit, in units of b d fB / 10 (force) and b d^2 fB / 10
// (moment about the tension steel), from the step of the scan that found the state:
//  - domain 2 steps eb by 0.0002 and keeps the nearest reduced moment, so the misfit of mu
//    is at most half a step times |d mu / d eb| < 0.2 per mille: 2e-5;
//  - domain 3 steps ea by 0.005, |d mu / d ea| < 0.1 at eb = 3.5 and ea >= 3: 2.5e-4;
//    there the steel area follows from Ma and Nu, so the force misfit is the moment misfit
//    divided by the lever arm zeta >= 0.7;
//  - the symmetric searches stop at the first sign change of the force residual over a
//    step of 0.001; the residual changes by at most 0.001 (1 + 2 omega Es / (1000 sigv))
//    per step (the concrete coefficient by less than 1 per mille, each steel layer by
//    Es / 1000 per mille of strain); the moment is solved exactly at that state;
//  - double reinforcement takes a fixed state and is exact.
// Every value also carries the float rounding of the reduced quantities, below 1e-5.
struct Tolerancija {
    double sila;
    double moment;
};

Tolerancija Dozvoljeno(Vrsta v, double omega, double Es, double sigv) {
    const double zaokruzivanje = 1e-5;
    const double koraci = 0.001 * (1 + 2 * omega * Es / (1000 * sigv));
    switch (v) {
    case Vrsta::Podrucje2:
        return {2e-5 / 0.7 + zaokruzivanje, 2e-5 + zaokruzivanje};
    case Vrsta::Podrucje3:
        return {2.5e-4 / 0.7 + zaokruzivanje, 2.5e-4 + zaokruzivanje};
    case Vrsta::Dvostruko:
        return {zaokruzivanje, zaokruzivanje};
    case Vrsta::Simetricno:
    case Vrsta::Peto:
        return {koraci + zaokruzivanje, zaokruzivanje};
    }
    return {0, 0};
}

struct Ishod {
    int provjereno = 0;
    int podrucje2 = 0, podrucje3 = 0, dvostruko = 0, simetricno = 0, peto = 0;
};

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
    double eTop = p.epsb, eBot = 0;
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
    const Sile s = UnutrasnjeSile(g, eTop, eBot, p.fB, es, p.sigv);
    const double jedinicaN = g.b * d * p.fB / 10;
    const double omega = std::max(g.Asg, g.Asd) * p.sigv / (g.b * d * p.fB);
    const Tolerancija t = Dozvoljeno(v, omega, es, p.sigv);
    const std::string opis = "section " + std::to_string(ishod.provjereno) + " kind " +
                             std::to_string(static_cast<int>(v));
    EXPECT_NEAR(s.N, -p.Nu, t.sila * jedinicaN) << opis;
    // The moment about the tension steel carries the scan's misfit; about the centroid it
    // also carries the force misfit times the distance of the centroid from that steel.
    const double yc = g.h - (g.b * g.h0 * g.h0 / 2 + g.b0 * (g.h - g.h0) * (g.h + g.h0) / 2) /
                                (g.b * g.h0 + g.b0 * (g.h - g.h0));
    const double tolM = t.moment * jedinicaN * d + t.sila * jedinicaN * std::fabs(yc - g.d2);
    EXPECT_NEAR(s.M, g.M * 100, tolM) << opis;
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
    std::printf("checked %d: domain 2 %d, domain 3 %d, double %d, symmetric %d, fifth %d\n",
                ishod.provjereno, ishod.podrucje2, ishod.podrucje3, ishod.dvostruko,
                ishod.simetricno, ishod.peto);
    EXPECT_GE(ishod.provjereno, 400);
    EXPECT_GE(ishod.podrucje2, 30);
    EXPECT_GE(ishod.podrucje3, 30);
    EXPECT_GE(ishod.dvostruko, 30);
    EXPECT_GE(ishod.simetricno, 60);
    EXPECT_GE(ishod.peto, 10);
}

} // namespace
} // namespace nmk
