#include "engine/tecenje.h"

#include "engine/greska.h"

#include "common/pomocnici.h"

#include <gtest/gtest.h>

#include <cmath>

namespace nmk {
namespace {

using test::IsNear;

struct Cvor {
    int t0;
    double h0;
    double fi50;
    double fi80;
};

// Some nodes of the two tables, one per age row, across the three sizes.
const Cvor Cvorovi[] = {
    {1, 50, 5.5, 3.6},    {7, 150, 3.1, 2.3},   {28, 600, 2.0, 1.5}, {90, 50, 2.4, 1.5},
    {365, 150, 1.5, 1.0}, {365, 600, 1.2, 1.0}, {28, 150, 2.5, 1.7},
};

TEST(KoeficijentTecenja, ReturnsTheTableAtItsNodes) {
    for (const Cvor& c : Cvorovi) {
        SCOPED_TRACE(::testing::Message() << "t0=" << c.t0 << " h0=" << c.h0);
        EXPECT_THAT(KoeficijentTecenja(c.t0, 50, c.h0), IsNear(c.fi50, 1e-12));
        EXPECT_THAT(KoeficijentTecenja(c.t0, 80, c.h0), IsNear(c.fi80, 1e-12));
    }
}

TEST(KoeficijentTecenja, HumidityOf65GivesTheMean) {
    for (const Cvor& c : Cvorovi)
        EXPECT_THAT(KoeficijentTecenja(c.t0, 65, c.h0), IsNear((c.fi50 + c.fi80) / 2, 1e-12));
    EXPECT_THAT(
        KoeficijentTecenja(40, 65, 333),
        IsNear((KoeficijentTecenja(40, 50, 333) + KoeficijentTecenja(40, 80, 333)) / 2, 1e-12));
}

TEST(KoeficijentTecenja, AgeSevenAndEightFallIntoNeighbouringBrackets) {
    // 7 days closes the 1-7 bracket; 8 days opens 7-28 at one 21st of its length.
    EXPECT_THAT(KoeficijentTecenja(7, 50, 50), IsNear(3.9, 1e-12));
    EXPECT_THAT(KoeficijentTecenja(8, 50, 50), IsNear(3.9 + (3.0 - 3.9) / 21, 1e-12));
    EXPECT_THAT(KoeficijentTecenja(2, 50, 50), IsNear(5.5 + (3.9 - 5.5) / 6, 1e-12));
}

TEST(KoeficijentTecenja, SizeOf150UsesTheLowerBracketAndItsColumn) {
    EXPECT_THAT(KoeficijentTecenja(28, 80, 150), IsNear(1.7, 1e-12));
    EXPECT_THAT(KoeficijentTecenja(28, 80, 100), IsNear((1.9 + 1.7) / 2, 1e-12));
    EXPECT_THAT(KoeficijentTecenja(28, 80, 375), IsNear((1.7 + 1.5) / 2, 1e-12));
}

TEST(KoeficijentTecenja, ExtrapolatesOutsideTheTable) {
    // 50 %, h0 = 150 mm: 2.0 at 90 days, 1.5 at 365; 640 days lies one span further.
    EXPECT_THAT(KoeficijentTecenja(640, 50, 150), IsNear(1.0, 1e-12));
    // 50 %, 28 days: 2.5 at 150 mm, 2.0 at 600; 1050 mm lies one span further.
    EXPECT_THAT(KoeficijentTecenja(28, 50, 1050), IsNear(1.5, 1e-12));
}

TEST(KoeficijentTecenja, NegativeExtrapolationIsReportedAsZero) {
    EXPECT_EQ(KoeficijentTecenja(365, 50, 3000), 0.0);
    EXPECT_EQ(KoeficijentTecenja(5000, 50, 600), 0.0);
}

TEST(KoeficijentTecenja, AgeBelowOneDayIsInvalid) {
    for (int t0 : {0, -1, -365})
        EXPECT_THROW(KoeficijentTecenja(t0, 80, 150), GreskaProracuna);
    EXPECT_NO_THROW(KoeficijentTecenja(1, 80, 150));
}

TEST(KoeficijentTecenja, NonFiniteInputIsAnError) {
    EXPECT_THROW(KoeficijentTecenja(28, std::nan(""), 150), GreskaProracuna);
    EXPECT_THROW(KoeficijentTecenja(28, 80, INFINITY), GreskaProracuna);
}

TEST(KoeficijentSkupljanja, FollowsTheLineInSizeWithoutLimits) {
    EXPECT_THAT(KoeficijentSkupljanja(50, 150), IsNear(0.60, 1e-12));
    EXPECT_THAT(KoeficijentSkupljanja(80, 600), IsNear(0.28, 1e-12));
    EXPECT_THAT(KoeficijentSkupljanja(50, 100), IsNear(0.6 + (-0.1 / 450) * (-50), 1e-12));
    EXPECT_THAT(KoeficijentSkupljanja(65, 375), IsNear((0.55 + 0.305) / 2, 1e-12));
}

TEST(KoeficijentSkupljanja, NegativeExtrapolationIsReportedAsZero) {
    EXPECT_EQ(KoeficijentSkupljanja(50, 3000), 0.0);
    EXPECT_GT(KoeficijentSkupljanja(100, 150), 0.0);
    EXPECT_THROW(KoeficijentSkupljanja(std::nan(""), 150), GreskaProracuna);
}

TEST(PodaciServisa, EachValueHasItsPhysicalRange) {
    const double nan = std::nan(""), inf = INFINITY;
    for (double RH : {-0.01, 100.01, nan}) {
        EXPECT_EQ(GreskaVlaznosti(RH), PorukaVlaznost);
        EXPECT_THROW(KoeficijentTecenja(28, RH, 150), GreskaProracuna);
        EXPECT_THROW(KoeficijentSkupljanja(RH, 150), GreskaProracuna);
    }
    for (double RH : {0.0, 100.0})
        EXPECT_GE(KoeficijentTecenja(28, RH, 150) + KoeficijentSkupljanja(RH, 150), 0);
    const auto beton = [](double fi, double ebs) { return TBetonEx{.fi = fi, .ebs = ebs}; };
    EXPECT_FALSE(GreskaPodatakaBetona(beton(0, 0)));
    EXPECT_EQ(GreskaPodatakaBetona(beton(-0.1, 0)), PorukaKoeficijentTecenja);
    EXPECT_EQ(GreskaPodatakaBetona(beton(nan, 0)), PorukaKoeficijentTecenja);
    EXPECT_EQ(GreskaPodatakaBetona(beton(2.5, -1e-4)), PorukaSkupljanje);
    for (double l : {0.0, -1.0, nan, inf})
        EXPECT_EQ(GreskaRaspona(l), PorukaRaspon) << l;
    EXPECT_FALSE(GreskaRaspona(1e-6));
}

TEST(KarakteristicnaDebljina, IsTwiceTheAreaOverThePerimeterInMillimetres) {
    TPresjek p;
    p.b = p.b0 = 40;
    p.h = p.h0 = 60;
    EXPECT_THAT(KarakteristicnaDebljina(p), IsNear(240, 1e-12));
    p.Oblik = TOblik::T;
    p.b = 100;
    p.b0 = 30;
    p.h0 = 15;
    EXPECT_THAT(KarakteristicnaDebljina(p), IsNear((1500 + 45 * 30) * 20.0 / 320, 1e-12));
}

TEST(KarakteristicnaDebljina, ReadsTheSectionNotItsTurnedShape) {
    TPresjek p;
    p.Oblik = TOblik::T;
    p.b = 100;
    p.b0 = 30;
    p.h0 = 15;
    p.h = 60;
    p.Mexp = -50;
    const double prije = KarakteristicnaDebljina(p);
    p.Mexp = 50;
    EXPECT_EQ(KarakteristicnaDebljina(p), prije);
    p.b = 0;
    p.h = 0;
    EXPECT_THROW(KarakteristicnaDebljina(p), GreskaProracuna);
}

} // namespace
} // namespace nmk
