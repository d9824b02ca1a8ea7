#include "engine/prsline.h"

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

} // namespace
} // namespace nmk
