#include "engine/prsline.h"

#include "engine/format.h"
#include "engine/greska.h"

#include "common/katalozi.h"
#include "common/pomocnici.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

namespace nmk {
namespace {

using test::IsNear;

const Katalozi& Kat() {
    static const Katalozi k = test::UgradjeniKatalozi();
    return k;
}

TPresjek Primjer() {
    TPresjek p;
    p.Propis = TPropis::EC2;
    p.Beton = 14;
    p.Celik = 3;
    p.b = p.b0 = 30;
    p.h = p.h0 = 50;
    p.d1 = p.d2 = 5;
    p.ArmDonja = {{16, 4}};
    p.Mexp = 100;
    p.Vilica = 8;
    return p;
}

std::string Prikaz(double x, int d) {
    return FormatirajBroj(x, 15, d);
}

class Prsline : public ::testing::Test {
protected:
    TPresjek p = Primjer();
    test::SnimajucePoruke poruke;
    TBetonEx ex;
    Okruzenje o{Kat(), ex, poruke};
    TDodatniPodaci dp;
};

TEST_F(Prsline, WorkedCaseMatchesThePrintedDigits) {
    ProracunPrslina(p, o, &dp, 3);
    EXPECT_EQ(dp.nSipki, 5);
    EXPECT_EQ(dp.mSlojeva, 1);
    EXPECT_EQ(Prikaz(dp.D, 2), "69.33");
    EXPECT_EQ(Prikaz(dp.hEf, 1), "12.5");
    EXPECT_EQ(Prikaz(p.am, 1), "124.6");
    EXPECT_EQ(Prikaz(p.Wm, 4), "0.1762");
    EXPECT_EQ(Prikaz(p.Wk, 4), "0.2996");
    EXPECT_FALSE(p.Dim);
}

TEST_F(Prsline, ClearSpacingIs30mmOrTheDiameter) {
    p.b = p.b0 = 20; // 200 mm: free width 200 - 2 (30 + 8) = 124 mm
    struct Red {
        std::int16_t fi, broj;
        float D;
    };
    for (const Red& r : {Red{12, 6, 42}, Red{32, 6, 64}}) {
        p.ArmDonja = {{r.fi, r.broj}};
        ProracunPrslina(p, o, &dp, 3);
        EXPECT_GT(6, dp.nSipki);
        EXPECT_FLOAT_EQ(dp.D, r.D) << r.fi;
    }
}

TEST_F(Prsline, BarsOfOneLayerAreSpreadOverTheFreeWidth) {
    for (std::int16_t u : {2, 3, 4, 5}) {
        p.ArmDonja = {{16, u}};
        ProracunPrslina(p, o, &dp, 3);
        ASSERT_EQ(dp.mSlojeva, 1);
        // outer bar axes at the edges of the free width 300 - 2 (30 + 8) = 224 mm
        EXPECT_THAT((u - 1) * dp.D + 16, IsNear(224, 1e-3)) << u;
    }
}

TEST_F(Prsline, OneBarMoreThanALayerHoldsMakesTwoLayers) {
    p.ArmDonja = {{16, 6}}; // five fit in one layer
    p.Propis = TPropis::PBAB87;
    ProracunPrslina(p, o, &dp, 3);
    EXPECT_EQ(dp.nSipki, 5);
    EXPECT_EQ(dp.mSlojeva, 2);
    EXPECT_FLOAT_EQ(dp.D, 30 + 16);
    // PBAB 87: the effective zone grows with the second layer, 5 * 16 + H over 10
    EXPECT_THAT(dp.hEf, IsNear((5 * 16 + 30 + 8 + 2 * 16 + 30) / 10.0, 1e-5));
}

TEST_F(Prsline, ASingleBarHasADefinedSpacing) {
    p.ArmDonja = {{20, 1}};
    ProracunPrslina(p, o, &dp, 3);
    EXPECT_FLOAT_EQ(dp.D, 224);
    EXPECT_TRUE(std::isfinite(p.am));
    EXPECT_GT(p.Wk, 0);
}

TEST_F(Prsline, AWebTooNarrowForOneBarIsAnError) {
    p.am = 1;
    p.Wk = 2;
    p.b = p.b0 = 7; // 70 mm minus 2 (30 + 8) leaves less than one 16 mm bar
    EXPECT_THROW(ProracunPrslina(p, o, &dp, 3), GreskaProracuna);
    EXPECT_EQ(p.am, 1);
    EXPECT_EQ(p.Wk, 2);
    EXPECT_FALSE(p.Dim);
}

TEST_F(Prsline, WhollyCompressedSectionHasNoCracks) {
    p.Nexp = -2000;
    ProracunPrslina(p, o, &dp, 3);
    EXPECT_EQ(p.am, 0);
    EXPECT_EQ(p.Wm, 0);
    EXPECT_EQ(p.Wk, 0);
    EXPECT_TRUE(dp.CijeliPritisnut);
}

TEST_F(Prsline, CharacteristicWidthIs1Point7TimesTheMean) {
    for (TPropis propis : {TPropis::EC2, TPropis::PBAB87}) {
        for (double N : {0.0, -100.0, 50.0}) {
            p.Propis = propis;
            p.Nexp = N;
            ProracunPrslina(p, o, nullptr, 3);
            EXPECT_THAT(p.Wk, IsNear(1.7 * p.Wm, 1e-6)) << N;
            EXPECT_GT(p.Wm, 0) << N;
        }
    }
}

TEST_F(Prsline, CodesDifferInTheCrackSpacing) {
    ProracunPrslina(p, o, &dp, 3);
    EXPECT_THAT(p.am, IsNear(50 + 0.25 * 0.8 * 0.5 * 16 / (8.0425 / (30 * dp.hEf)), 0.01));
    p.Propis = TPropis::PBAB87;
    ProracunPrslina(p, o, &dp, 3);
    // twice the cover and the spacing term, plus the bar term of at least 0.125 k2
    const double minimum = 2 * (30 + dp.D / 10) + 0.4 * 0.125 * 16 / (8.0425 / (30 * dp.hEf));
    EXPECT_GE(p.am, minimum - 1e-3);
    EXPECT_THAT(dp.hEf, IsNear((5 * 16 + 30 + 8 + 16) / 10.0, 1e-5));
}

TEST_F(Prsline, SmoothBarsGetTheLargerCoefficient) {
    ProracunPrslina(p, o, nullptr, 3);
    const double rebrasta = p.am - 50;
    p.Celik = 0;
    ProracunPrslina(p, o, nullptr, 3);
    EXPECT_THAT((p.am - 50) / rebrasta, IsNear(2.0, 1e-4));
}

TEST_F(Prsline, NoTensionBarsAddsTheFlagAndKeepsTheRest) {
    p.Status = sfIzracunat | sfPrsline;
    p.Wk = 5;
    p.ArmDonja.clear();
    ProracunPrslina(p, o, &dp, 3);
    EXPECT_EQ(p.Status, sfIzracunat | sfPrsline | sfNemaArmature);
    EXPECT_EQ(p.Wk, 5);
}

TEST_F(Prsline, NegativeMomentUsesTheTopBarsAndTheFlangeWidth) {
    TPresjek t = p;
    t.Oblik = TOblik::T;
    t.b = 100;
    t.b0 = 30;
    t.h0 = 15;
    t.Mexp = -100;
    t.ArmGornja = {{16, 12}};
    t.ArmDonja = {{12, 2}};
    ProracunPrslina(t, o, &dp, 3);
    // the flange, 1000 mm wide, is the tensioned face: twelve bars fit in one layer
    EXPECT_EQ(dp.mSlojeva, 1);
    EXPECT_GE(dp.nSipki, 12);
}

TEST_F(Prsline, BarGroupsWithoutPositiveDiameterOrCountAreRefused) {
    const TUsvojenaArmatura losi[] = {{{0, 4}}, {{-16, 4}}, {{16, 0}}, {{16, 4}, {12, -2}}};
    for (const TUsvojenaArmatura& l : losi) {
        p.ArmDonja = l;
        p.Wk = 9;
        EXPECT_THROW(ProracunPrslina(p, o, &dp, 3), GreskaProracuna);
        EXPECT_EQ(p.Wk, 9);
        p.ArmDonja = {{16, 4}};
        p.ArmGornja = l; // the compressed face is checked as well
        EXPECT_THROW(ProracunPrslina(p, o, &dp, 3), GreskaProracuna);
        p.ArmGornja.clear();
    }
}

} // namespace
} // namespace nmk
