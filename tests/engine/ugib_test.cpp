#include "engine/ugib.h"

#include "engine/format.h"
#include "engine/greska.h"

#include "common/katalozi.h"
#include "common/pomocnici.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace nmk
