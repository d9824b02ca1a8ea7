#include "engine/osnovni_ugib.h"

#include "engine/cvrstoce.h"
#include "engine/greska.h"
#include "engine/servis.h"

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

TPresjek Greda() {
    TPresjek p;
    p.Propis = TPropis::EC2;
    p.Beton = 14;
    p.Celik = 3;
    p.b = p.b0 = 30;
    p.h = p.h0 = 50;
    return p;
}

TEST(KoefStatickogSistema, GivesTheFourCoefficients) {
    const float ocekivano[] = {0.5f, 0.125f, 0.09f, 0.065f};
    for (int i = 0; i < BrojStatickihSistema; ++i)
        EXPECT_EQ(KoefStatickogSistema(i), ocekivano[i]);
    EXPECT_THROW(KoefStatickogSistema(4), GreskaProracuna);
    EXPECT_THROW(KoefStatickogSistema(-1), GreskaProracuna);
}

TEST(KoefOsnovnogUgiba, ForceAtTheFreeEndExistsOnlyOnTheCantilever) {
    EXPECT_GT(KoefOsnovnogUgiba(1, 0), 0.0f);
    for (int s = 1; s < BrojStatickihSistema; ++s)
        EXPECT_EQ(KoefOsnovnogUgiba(1, s), 0.0f);
    EXPECT_THROW(KoefOsnovnogUgiba(6, 0), GreskaProracuna);
}

TEST(ProracunOsnovnogUgiba, UniformLoadOnASimpleBeamIsTheTextbookValue) {
    const TPresjek p = Greda();
    const OsnovniUgib u = ProracunOsnovnogUgiba(p, Kat(), 5, 10, 6, 2, 1);
    const double E = ModulBetona(p, Kat()) / 10;
    const double J = MomenatInercijeBetona(p);
    const double L = 500;
    const double tocno = 5.0 * (10 / 100.0) * L * L * L * L / (384 * E * J); // 5 q L^4 / 384 EI
    EXPECT_THAT(u.vb, IsNear(tocno, 1e-4 * tocno));
    EXPECT_THAT(u.vbd / u.vb, IsNear(0.6, 1e-6));
}

TEST(ProracunOsnovnogUgiba, ForcesScaleWithTheCubeAndLineLoadsWithTheFourthPower) {
    const TPresjek p = Greda();
    for (int slucaj = 0; slucaj < BrojOpterecenja; ++slucaj) {
        const float v1 = ProracunOsnovnogUgiba(p, Kat(), 3, 20, 0, slucaj, 0).vb;
        const float v2 = ProracunOsnovnogUgiba(p, Kat(), 6, 20, 0, slucaj, 0).vb;
        EXPECT_THAT(v2 / v1, IsNear(slucaj < 2 ? 8.0 : 16.0, 1e-5)) << "load case " << slucaj;
    }
}

TEST(ProracunOsnovnogUgiba, UsesTheSectionAsEnteredWhateverTheMomentSign) {
    TPresjek p = Greda();
    p.Oblik = TOblik::T;
    p.b = 100;
    p.h0 = 15;
    p.h = 60;
    const float pozitivno = ProracunOsnovnogUgiba(p, Kat(), 5, 10, 0, 2, 1).vb;
    p.Mexp = -40;
    EXPECT_EQ(ProracunOsnovnogUgiba(p, Kat(), 5, 10, 0, 2, 1).vb, pozitivno);
    EXPECT_FALSE(p.Dim);
}

TEST(ProracunOsnovnogUgiba, ASpanOfZeroOrLessIsRefused) {
    for (double raspon : {0.0, -5.0})
        EXPECT_THROW(ProracunOsnovnogUgiba(Greda(), Kat(), raspon, 10, 5, 2, 1), GreskaProracuna);
}

TEST(ProracunOsnovnogUgiba, ADegenerateSectionIsAnError) {
    TPresjek p = Greda();
    p.b = p.b0 = 0;
    EXPECT_THROW(ProracunOsnovnogUgiba(p, Kat(), 5, 10, 0, 2, 1), GreskaProracuna);
}

} // namespace
} // namespace nmk
