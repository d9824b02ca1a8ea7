#include "engine/ugib.h"

#include "engine/format.h"
#include "engine/greska.h"

#include "common/katalozi.h"
#include "common/pomocnici.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

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
    p.vb = 1;
    p.vbd = 0.6;
    return p;
}

std::string Prikaz(double x, int d) {
    return FormatirajBroj(x, 15, d);
}

class Ugib : public ::testing::Test {
protected:
    TPresjek p = Primjer();
    test::SnimajucePoruke poruke;
    TBetonEx ex;
    Okruzenje o{Kat(), ex, poruke};
    TDodatniPodaci dp;
};

TEST_F(Ugib, WorkedCaseMatchesThePrintedDigits) {
    ProracunUgiba(p, o, &dp, 0.125, 500);
    EXPECT_EQ(Prikaz(dp.VEI, 4), "0.9413");
    EXPECT_EQ(Prikaz(dp.VFI, 4), "1.2078");
    EXPECT_EQ(Prikaz(dp.VSI, 4), "0.0700");
    EXPECT_EQ(Prikaz(p.vI, 3), "2.219");
    EXPECT_EQ(Prikaz(dp.VEII, 4), "4.3706");
    EXPECT_EQ(Prikaz(dp.VFII, 4), "0.9934");
    EXPECT_EQ(Prikaz(dp.VSII, 4), "0.2321");
    EXPECT_EQ(Prikaz(p.vII, 3), "5.596");
    EXPECT_EQ(Prikaz(dp.C, 4), "0.9423");
    EXPECT_EQ(Prikaz(p.v, 3), "5.401");
    EXPECT_FALSE(p.Dim);
}

TEST_F(Ugib, WithoutCreepAndShrinkageOnlyTheStiffnessRatioRemains) {
    ex.fi = 0;
    ex.ebs = 0;
    ProracunUgiba(p, o, &dp, 0.125, 500);
    EXPECT_EQ(dp.VFI, 0);
    EXPECT_EQ(dp.VSII, 0);
    EXPECT_THAT(p.vI, IsNear(p.vb * dp.J / dp.JIXI, 1e-12));
    EXPECT_THAT(p.vII, IsNear(p.vb * dp.J / dp.JIXII0, 1e-12));
}

TEST_F(Ugib, BarsSymmetricAboutTheCentroidGiveNoStageIShrinkage) {
    p.ArmGornja = p.ArmDonja;
    ProracunUgiba(p, o, &dp, 0.125, 500);
    EXPECT_THAT(dp.VSI, IsNear(0, 1e-12));
    EXPECT_GT(std::fabs(dp.VSII), 1e-3);
}

TEST_F(Ugib, ProbableDeflectionIsTheZetaMeanOfItsParts) {
    for (double M : {30.0, 100.0, 200.0}) {
        p.Mexp = M;
        ProracunUgiba(p, o, &dp, 0.125, 500);
        const double z = dp.C;
        EXPECT_THAT(p.v, IsNear((1 - z) * p.vI + z * p.vII, 1e-12)) << M;
        EXPECT_THAT(dp.VE + dp.VF + dp.VS, IsNear(p.v, 1e-12)) << M;
        EXPECT_THAT(dp.VEI + dp.VFI + dp.VSI, IsNear(p.vI, 1e-12)) << M;
    }
    p.Mexp = 30; // below the cracking moment
    ProracunUgiba(p, o, &dp, 0.125, 500);
    EXPECT_EQ(dp.C, 0.4);
    EXPECT_THAT(p.v, IsNear(0.6 * p.vI + 0.4 * p.vII, 1e-12));
}

TEST_F(Ugib, NoTensionBarsLeavesOnlyTheNoBarsFlag) {
    p.Status = sfIzracunat | sfArmatura | sfUgibi;
    p.vI = 7;
    p.Mexp = -100; // the top face is tensioned and has no bars
    ProracunUgiba(p, o, &dp, 0.125, 500);
    EXPECT_EQ(p.Status, sfNemaArmature);
    EXPECT_EQ(p.vI, 7);
    EXPECT_FALSE(p.Dim);
}

TEST_F(Ugib, NegativeMomentUsesTheTopBarsOfTheTurnedSection) {
    TPresjek obrnut = p;
    obrnut.ArmGornja = p.ArmDonja;
    obrnut.ArmDonja = {{10, 2}};
    obrnut.d1 = 4;
    obrnut.Mexp = -100;
    p.ArmGornja = {{10, 2}};
    p.d2 = 4;
    TDodatniPodaci dp2;
    ProracunUgiba(p, o, &dp, 0.125, 500);
    ProracunUgiba(obrnut, o, &dp2, 0.125, 500);
    EXPECT_EQ(obrnut.v, p.v);
    EXPECT_EQ(dp2.XII, dp.XII);
    EXPECT_EQ(obrnut.Status & sfNegativan, 0);
}

TEST_F(Ugib, WhollyCompressedSectionStaysInStageOne) {
    p.Nexp = -2000;
    ProracunUgiba(p, o, &dp, 0.125, 500);
    EXPECT_TRUE(dp.CijeliPritisnut);
    EXPECT_EQ(dp.C, 0);
    EXPECT_EQ(p.vII, p.vI);
    EXPECT_EQ(p.v, p.vI);
}

TEST_F(Ugib, ErrorsKeepThePreviousResultsAndReleaseTheWorkingObject) {
    p.vI = 1;
    p.vII = 2;
    p.v = 3;
    p.Status = sfUgibi;
    const auto provjeri = [this](const char* slucaj) {
        EXPECT_THROW(ProracunUgiba(p, o, &dp, 0.125, 500), GreskaProracuna) << slucaj;
        EXPECT_EQ(p.vI, 1) << slucaj;
        EXPECT_EQ(p.v, 3) << slucaj;
        EXPECT_EQ(p.Status, sfUgibi) << slucaj;
        EXPECT_FALSE(p.Dim) << slucaj;
    };
    p.Mexp = 0; // zeta would divide by a zero steel stress
    provjeri("no load");
    p.Mexp = 1;
    p.Nexp = 2000; // tension without a compressed zone
    provjeri("tension");
    p.Nexp = 0;
    p.Mexp = 100;
    p.vb = std::nan("");
    provjeri("not a number");
}

TEST_F(Ugib, ServiceDataOutsideItsRangeIsRefusedBeforeAnythingChanges) {
    p.v = 3;
    dp.VE = 7;
    using R = std::tuple<double, double, double>;
    for (auto [fi, ebs, l] : {R{-0.5, 3e-4, 500}, R{2.5, -3e-4, 500}, R{2.5, 3e-4, 0}}) {
        ex.fi = fi;
        ex.ebs = ebs;
        EXPECT_THROW(ProracunUgiba(p, o, &dp, 0.125, l), GreskaProracuna) << fi << ebs << l;
        EXPECT_EQ(p.v, 3);
        EXPECT_EQ(dp.VE, 7);
    }
}

TEST_F(Ugib, CrackFieldsOfTheRecordStayAsTheCallerLeftThem) {
    dp.hEf = 42;
    dp.nSipki = 3;
    ProracunUgiba(p, o, &dp, 0.125, 500);
    EXPECT_EQ(dp.hEf, 42);
    EXPECT_EQ(dp.nSipki, 3);
    EXPECT_GT(dp.Mr, 0);
}

TEST_F(Ugib, WithoutARecordTheResultsAreTheSame) {
    TPresjek bez = p;
    ProracunUgiba(p, o, &dp, 0.09, 400);
    ProracunUgiba(bez, o, nullptr, 0.09, 400);
    EXPECT_EQ(bez.v, p.v);
    EXPECT_EQ(bez.vII, p.vII);
}

TEST_F(Ugib, BarGroupsWithoutPositiveDiameterOrCountAreRefused) {
    p.v = 4;
    for (const TUsvojenaArmatura& l : {TUsvojenaArmatura{{0, 4}}, TUsvojenaArmatura{{16, -1}}}) {
        p.ArmDonja = l;
        EXPECT_THROW(ProracunUgiba(p, o, &dp, 0.125, 500), GreskaProracuna);
        EXPECT_EQ(p.v, 4);
    }
}

} // namespace
} // namespace nmk
