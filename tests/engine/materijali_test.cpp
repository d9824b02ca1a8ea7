#include "engine/materijali.h"

#include "common/katalozi.h"
#include "common/pomocnici.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

namespace nmk {
namespace {

using test::IsNear;
using test::Relativno;
using test::SnimajucePoruke;

TDim Presjek(double b, double b0, double h, double h0, double d1 = 4, double d2 = 5) {
    TDim d;
    d.b = b;
    d.b0 = b0;
    d.h = h;
    d.h0 = h0;
    d.d1 = d1;
    d.d2 = d2;
    return d;
}

// The geometries the closed forms are checked on: a rectangle, T sections with a thin and a
// thick flange, and a T section turned upside down (narrow part on top).
std::vector<TDim> Geometrije() {
    return {Presjek(30, 30, 50, 50), Presjek(120, 25, 60, 12), Presjek(80, 30, 45, 20),
            Presjek(25, 100, 70, 55)};
}

// Force and moment of the parabola-rectangle stress (per fB) over the depth, for a strain
// that runs linearly from eTop at the top face to eBot at the bottom face. Midpoint rule on
// thin strips. The depth is first cut where the width changes (h0), where the strain passes
// 0 and 2 per mille, so that the integrand is smooth (at most quadratic) in every piece: the
// midpoint error is then of the order (1 / n)^2 relative, below 1e-7 with n = 4000, under
// the float rounding of the coefficients (6e-8 relative) plus the margin the tests allow.
// The parabola-rectangle law per fB, written out here so that the check does not use the
// engine's own.
double Parabola(double e) {
    return e <= 0 ? 0 : e <= 2 ? 1 - (1 - e / 2) * (1 - e / 2) : 1;
}

struct Integral {
    double sila = 0;      // force per fB, cm2
    double momentVrh = 0; // its moment about the top face per fB, cm3
};

Integral IntegrirajBeton(const TDim& d, double eTop, double eBot, int n = 4000) {
    std::vector<double> granice{0, d.h0, d.h};
    for (double e : {0.0, 2.0})
        if (eTop != eBot) {
            const double y = (eTop - e) / (eTop - eBot) * d.h;
            if (y > 0 && y < d.h)
                granice.push_back(y);
        }
    std::sort(granice.begin(), granice.end());
    Integral r;
    for (std::size_t k = 0; k + 1 < granice.size(); ++k) {
        const double od = granice[k];
        const double dy = (granice[k + 1] - od) / n;
        const double sirina = (od + granice[k + 1]) / 2 < d.h0 ? d.b : d.b0;
        for (int i = 0; i < n && dy > 0; ++i) {
            const double y = od + (i + 0.5) * dy;
            const double e = eTop + (eBot - eTop) * y / d.h;
            const double f = Parabola(e) * sirina * dy;
            r.sila += f;
            r.momentVrh += f * y;
        }
    }
    return r;
}

// Bottom strain of the profile through eb at the top and -ea at the tension steel.
double DonjaZaStanje(const TDim& d, double ea, double eb) {
    const double dd = d.h - d.d2;
    return eb - (eb + ea) * d.h / dd;
}

TEST(alfaF, MeetsItsKnownValuesAtTheBranchPoints) {
    EXPECT_THAT(alfaF(2), IsNear(2.0 / 3.0, 1e-7));
    EXPECT_THAT(alfaF(std::nextafter(2.0, 3.0)), IsNear(2.0 / 3.0, 1e-7));
    EXPECT_THAT(alfaF(3.5), IsNear(17.0 / 21.0, 1e-7));
    EXPECT_EQ(alfaF(0), 0.0f);
    EXPECT_EQ(alfaF(-1), 0.0f);
}

TEST(kp, MeetsItsKnownValuesAtTheBranchPoints) {
    EXPECT_THAT(kp(2), IsNear(3.0 / 8.0, 1e-7));
    EXPECT_THAT(kp(std::nextafter(2.0, 3.0)), IsNear(3.0 / 8.0, 1e-7));
    EXPECT_THAT(kp(3.5), IsNear(99.0 / 238.0, 1e-7));
    EXPECT_EQ(kp(-0.5), 0.0f);
}

TEST(alfaF, AboveTheUltimateStrainShowsThePlainMessageAndGivesZero) {
    SnimajucePoruke poruke;
    EXPECT_EQ(alfaF(3.6, &poruke), 0.0f);
    EXPECT_EQ(kp(3.6, &poruke), 0.0f);
    ASSERT_EQ(poruke.poruke.size(), 2u);
    EXPECT_EQ(poruke.poruke[0].tekst, "alfaF: eb vise od 3.5 !");
    EXPECT_EQ(poruke.poruke[1].tekst, "kp: eb više od 3.5");
    EXPECT_TRUE(poruke.poruke[0].obicna && poruke.poruke[1].obicna);
    EXPECT_EQ(alfaF(3.6), 0.0f); // without a sink nothing is shown
}

TEST(alfaF, AtTheUltimateStrainShowsNothing) {
    SnimajucePoruke poruke;
    alfaF(3.5, &poruke);
    kp(3.5, &poruke);
    EXPECT_TRUE(poruke.poruke.empty());
}

TEST(alfaF, AgreesWithStripIntegrationOfARectangle) {
    const TDim d = Presjek(1, 1, 100, 100, 0, 0);
    for (double eb = 0.05; eb <= 3.5; eb += 0.05) {
        // Neutral axis at the bottom face: the whole depth is the compressed zone.
        const Integral r = IntegrirajBeton(d, eb, 0);
        EXPECT_THAT(alfaF(eb), IsNear(r.sila / 100, Relativno(alfaF(eb), r.sila / 100)));
        EXPECT_THAT(kp(eb), IsNear(r.momentVrh / r.sila / 100, 1e-6)) << eb;
    }
}

TEST(alfaT, WithTheNeutralAxisInTheFlangeEqualsTheRectangleOfWidthB) {
    const TDim d = Presjek(120, 25, 60, 12);
    // ea = 10, eb = 1: x = 55 / 11 = 5 cm, inside the 12 cm flange.
    EXPECT_EQ(alfaT(d, 10, 1), alfaF(1));
    EXPECT_EQ(mT(d, 10, 1), static_cast<float>(double{alfaF(1)} * kp(1)));
}

TEST(alfaT, OfARectangleIsAlfaFAtEveryState) {
    const TDim d = Presjek(30, 30, 50, 50);
    for (double ea : {0.5, 3.0, 10.0, 20.0})
        for (double eb : {0.3, 2.0, 3.5})
            EXPECT_EQ(alfaT(d, ea, eb), alfaF(eb)) << ea << " " << eb;
}

// omegaB, mT / alfaT and zeta against the strips over thousands of states of domains 1 to 4.
TEST(omegaB, AndItsLeverArmAgreeWithStripIntegrationOverThousandsOfStates) {
    int stanja = 0;
    for (const TDim& d : Geometrije()) {
        const double dd = d.h - d.d2;
        for (double ea = 0.1; ea <= 20; ea += 0.4) {
            for (double eb = 0.07; eb <= 3.5; eb += 0.07) {
                const Integral r = IntegrirajBeton(d, eb, DonjaZaStanje(d, ea, eb));
                const double omega = r.sila / (d.b * dd);
                const double x = eb / (ea + eb) * dd;
                const float om = omegaB(d, ea, eb);
                ASSERT_THAT(om, IsNear(omega, Relativno(om, omega))) << ea << " " << eb;
                const double dubina = r.momentVrh / r.sila; // depth of the resultant, cm
                ASSERT_THAT(mT(d, ea, eb) / alfaT(d, ea, eb), IsNear(dubina / x, 1e-5));
                ASSERT_THAT(zeta(d, ea, eb), IsNear(1 - dubina / dd, 1e-5));
                ASSERT_THAT(mu(d, ea, eb), IsNear(omega * (1 - dubina / dd), 1e-5));
                ++stanja;
            }
        }
    }
    EXPECT_GT(stanja, 9000);
}

TEST(yc, AndTheSecondMomentAgreeWithStripIntegration) {
    for (const TDim& d : Geometrije()) {
        // A uniform stress integrates to the area and its moments.
        const Integral r = IntegrirajBeton(d, 3, 3);
        const double A = r.sila;
        const double yOdVrha = r.momentVrh / A;
        double I = 0; // about the centroid, each strip with its own second moment
        const int n = 4000;
        for (const auto& [od, doo, sirina] :
             {std::tuple{0.0, d.h0, d.b}, std::tuple{d.h0, d.h, d.b0}}) {
            const double dy = (doo - od) / n;
            for (int i = 0; i < n; ++i) {
                const double y = od + (i + 0.5) * dy - yOdVrha;
                I += sirina * dy * (y * y + dy * dy / 12);
            }
        }
        EXPECT_THAT(PovrsinaBruto(d), IsNear(A, 1e-9 * A));
        EXPECT_THAT(yc(d), IsNear(d.h - yOdVrha, 1e-9 * d.h));
        EXPECT_THAT(MomentInercijeBruto(d), IsNear(I, 1e-6 * I));
    }
}

TEST(NaponCelika, IsElasticUpToTheYieldStressAndFlatBeyondIt) {
    const ZakonCelika c{200000, 434.78};
    const double epsv = c.sigv / c.Es * 1000;
    struct Red {
        double eps;
        double napon;
    };
    for (const Red& r :
         {Red{1.5 * epsv, c.sigv}, Red{-1.5 * epsv, -c.sigv}, Red{0.5 * epsv, 0.5 * c.sigv},
          Red{0, 0}, Red{-0.25 * epsv, -0.25 * c.sigv}})
        EXPECT_THAT(NaponCelika(c, r.eps), IsNear(r.napon, 1e-4)) << r.eps;
}

TEST(sigmaA, TakesTheLayerStrainsOfTheLinearProfile) {
    const TDim d = Presjek(30, 30, 50, 50, 5, 5); // d = 45
    const ZakonCelika c{200000, 400};
    // ea = 1, eb = 2: the top layer lies at 5/45 of the way: 2 - 3 * 5 / 45 = 5/3.
    EXPECT_DOUBLE_EQ(DilatacijaSloja(d, Sloj::Pritisnuti, 2, 1), 2 - 3.0 * 5 / 45);
    EXPECT_THAT(sigmaA(d, c, Sloj::Pritisnuti, 2, 1), IsNear(200 * (2 - 3.0 * 5 / 45), 1e-4));
    EXPECT_THAT(sigmaA(d, c, Sloj::Zategnuti, 2, 1), IsNear(200.0, 1e-4));
    EXPECT_THAT(sigmaA(d, c, Sloj::Zategnuti, 3.5, 10), IsNear(400.0, 1e-4));
}

TEST(sigmaA5, TakesTheLayerStrainsBetweenTheTwoFaces) {
    const TDim d = Presjek(30, 30, 50, 50, 4, 6);
    const ZakonCelika c{200000, 400};
    EXPECT_DOUBLE_EQ(DilatacijaSloja5(d, Sloj::Zategnuti, 1, 3), 1 + 2.0 * 6 / 50);
    EXPECT_DOUBLE_EQ(DilatacijaSloja5(d, Sloj::Pritisnuti, 1, 3), 3 - 2.0 * 4 / 50);
    EXPECT_THAT(sigmaA5(d, c, Sloj::Zategnuti, 1, 3), IsNear(200 * (1 + 2.0 * 6 / 50), 1e-4));
    EXPECT_THAT(sigmaA5(d, c, Sloj::Pritisnuti, 2, 2), IsNear(400.0, 1e-4));
}

TEST(alfa5r, CarriesTheFullRectangleAtThePivotStrain) {
    EXPECT_THAT(alfa5r(2), IsNear(1.0, 1e-7));
    EXPECT_THAT(alfa5r(3.5), IsNear(17.0 / 21.0, 1e-7));
    EXPECT_DOUBLE_EQ(DonjaDilatacija5(3.5), 0);
    EXPECT_DOUBLE_EQ(DonjaDilatacija5(2), 2);
}

TEST(e5, OfARectangleVanishesWithoutAParabolaDeficit) {
    const TDim d = Presjek(30, 30, 50, 50);
    EXPECT_EQ(e5(d, 2, 2, 20), 0.0f);
    // eBot = 0.5 belongs to eTop = (14 - 1.5) / 4 = 3.125.
    EXPECT_GT(e5(d, 0.5, 3.125, 20), 0.0f);
}

// alfa5 and e5 against the strips for every fifth-domain state of the design's scan.
TEST(alfa5, AndE5AgreeWithStripIntegrationForEveryPivotState) {
    for (const TDim& d : Geometrije()) {
        const double y = yc(d);
        for (int i = 0; i <= 1500; i += 3) {
            const double eTop = 3.5 - i / 1000.0;
            const double eBot = DonjaDilatacija5(eTop);
            const Integral r = IntegrirajBeton(d, eTop, eBot);
            const double a = r.sila / (d.b * d.h);
            ASSERT_THAT(alfa5(d, eBot, eTop), IsNear(a, Relativno(a, a))) << eTop;
            // Eccentricity about the centroid, positive towards the top face.
            const double e = (d.h - y) - r.momentVrh / r.sila;
            ASSERT_THAT(e5(d, eBot, eTop, 20), IsNear(e, 2e-6 * d.h)) << eTop;
        }
    }
}

TEST(alfa5, OfARectangleIsAlfa5rOfTheTopStrain) {
    const TDim d = Presjek(30, 30, 50, 50);
    for (double eTop : {2.0, 2.7, 3.5})
        EXPECT_EQ(alfa5(d, DonjaDilatacija5(eTop), eTop), alfa5r(eTop));
}

TEST(NaponBetonaRelativno, RisesAlongTheParabolaToOneAtTwoPerMille) {
    for (double e : {-1.0, 0.0, 0.5, 1.0, 1.999, 2.0, 2.5, 3.5})
        EXPECT_THAT(NaponBetonaRelativno(e), IsNear(Parabola(e), 1e-15)) << e;
}

TEST(par, IsTheParabolaDeficitBelowTwoPerMille) {
    EXPECT_THAT(par(0, 20), IsNear(20.0, 1e-6));
    EXPECT_THAT(par(1, 20), IsNear(5.0, 1e-6));
    EXPECT_EQ(par(2, 20), 0.0f);
    EXPECT_EQ(par(2.5, 20), 0.0f);
}

TEST(Granice, FollowTheCodeAndTheConcreteClass) {
    const Katalozi k = test::UgradjeniKatalozi();
    TBetonEx ex;
    ex.esu = 15;
    TPresjek p;
    p.Beton = 3;
    EXPECT_EQ(Granice(p, k, ex).epsaMax, 10.0f);
    EXPECT_EQ(Granice(p, k, ex).epsaLim, 3.0f);
    p.Propis = TPropis::EC2;
    p.Beton = 14; // C30/37: Ksi35
    EXPECT_EQ(Granice(p, k, ex).epsaMax, 15.0f);
    EXPECT_THAT(Granice(p, k, ex).epsaLim, IsNear(3.5 * 0.55 / 0.45, 1e-6));
    p.Beton = 16; // C40/50: Ksi45
    EXPECT_THAT(Granice(p, k, ex).epsaLim, IsNear(3.5 * 0.65 / 0.35, 1e-6));
    EXPECT_EQ(epsaMax(p, ex), 15.0f);
}

// The stress the drawing writes is the law's stress rounded to single precision: within a few
// units of the last place of a float, and exact where the law is.
TEST(NaponBetonaJednostruko, IsTheLawInSinglePrecision) {
    EXPECT_EQ(NaponBetonaJednostruko(20, 3.5), 20.0f);
    EXPECT_EQ(NaponBetonaJednostruko(20, 2), 20.0f);
    EXPECT_EQ(NaponBetonaJednostruko(20, 1), 15.0f);
    EXPECT_EQ(NaponBetonaJednostruko(20, 0), 0.0f);
    EXPECT_EQ(NaponBetonaJednostruko(20, -0.5), 0.0f);
    for (double fB : {8.5, 14.17, 23.33, 40.0})
        for (double e = -0.25; e <= 3.5; e += 0.0625) {
            const double zakon = fB * NaponBetonaRelativno(e);
            EXPECT_NEAR(NaponBetonaJednostruko(fB, e), zakon, 4e-7 * (1 + zakon)) << fB << " " << e;
        }
}

} // namespace
} // namespace nmk
