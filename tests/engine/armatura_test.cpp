#include "engine/armatura.h"

#include "common/pomocnici.h"
#include "engine/format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace nmk {
namespace {

using test::IsNear;

TUsvojenaArmatura Lista(std::initializer_list<GrupaSipki> g) {
    return TUsvojenaArmatura(g);
}

// Row of a diameter in the grid of a steel other than index 1.
int Red(int precnik) {
    const auto& d = PrecniciSipki(3);
    for (int i = 0; i < 13; ++i)
        if (d[static_cast<std::size_t>(i)] == precnik)
            return i;
    return -1;
}

TEST(PovrsinaArmature, FourBarsOf16mmGiveTheTabulatedArea) {
    EXPECT_THAT(PovrsinaArmature(Lista({{16, 4}})), IsNear(8.0425, 5e-5));
    EXPECT_EQ(FormatirajBroj(PovrsinaArmature(Lista({{16, 4}})), 15, 2), "8.04");
}

TEST(PovrsinaArmature, EmptyListHasNoArea) {
    EXPECT_EQ(PovrsinaArmature({}), 0.0f);
}

TEST(PovrsinaArmature, IsTheSumOverGroupsInSinglePrecision) {
    const TUsvojenaArmatura l = Lista({{12, 3}, {25, 2}, {8, 7}});
    double tocno = 0;
    for (const auto& g : l)
        tocno += g.broj * std::numbers::pi * g.precnik * g.precnik / 400.0;
    const float a = PovrsinaArmature(l);
    EXPECT_THAT(a, IsNear(tocno, 1e-5));
}

TEST(OpisArmature, JoinsGroupsInTheirOrder) {
    EXPECT_EQ(OpisArmature(Lista({{16, 4}, {12, 2}}), false), "4 d16 + 2 d12");
    EXPECT_EQ(OpisArmature(Lista({{16, 4}, {12, 2}}), true), "(4 d16 + 2 d12)");
    EXPECT_EQ(OpisArmature({}, false), "");
}

TEST(OpisArmature, ShortFormListsThreeGroupsAndAnEllipsis) {
    const TUsvojenaArmatura pet = Lista({{6, 1}, {8, 2}, {10, 3}, {12, 4}, {14, 5}});
    EXPECT_EQ(OpisArmature(pet, true), "(1 d6 + 2 d8 + 3 d10 + …)");
    EXPECT_EQ(OpisArmature(pet, false), "1 d6 + 2 d8 + 3 d10 + 4 d12 + 5 d14");
    EXPECT_EQ(OpisArmature(Lista({{6, 1}, {8, 2}, {10, 3}}), true), "(1 d6 + 2 d8 + 3 d10)");
}

TEST(PrecniciSipki, SteelOneHasItsOwnDiameters) {
    EXPECT_EQ(PrecniciSipki(1)[6], 19);
    EXPECT_EQ(PrecniciSipki(1)[12], 40);
    for (int celik : {0, 2, 3, 7}) {
        EXPECT_EQ(PrecniciSipki(celik)[6], 18);
        EXPECT_EQ(PrecniciSipki(celik)[12], 36);
    }
}

TEST(PromijeniSipke, RemovesAGroupAtZeroAndMovesLaterGroupsUp) {
    TUsvojenaArmatura l = Lista({{12, 2}, {16, 3}, {20, 1}});
    EXPECT_TRUE(PromijeniSipke(l, 16, -3));
    EXPECT_EQ(l, Lista({{12, 2}, {20, 1}}));
    EXPECT_TRUE(PromijeniSipke(l, 16, 5));
    EXPECT_EQ(l, Lista({{12, 2}, {20, 1}, {16, 5}}));
}

TEST(PromijeniSipke, RefusesCountsOutsideSixteenBits) {
    TUsvojenaArmatura l = Lista({{12, 32760}});
    EXPECT_FALSE(PromijeniSipke(l, 12, 10));
    EXPECT_EQ(l, Lista({{12, 32760}}));
}

class ModelArmatureTest : public ::testing::Test {
protected:
    void SetUp() override {
        p.Celik = 3;
        m.Otvori(p);
    }
    TPresjek p;
    ModelArmature m;
};

TEST_F(ModelArmatureTest, ColumnsThreeAndFiveOfOneRowMakeOneGroup) {
    const int r = Red(16);
    m.Preklopi(r, 2);
    m.Preklopi(r, 4);
    EXPECT_EQ(m.Donja(), Lista({{16, 8}}));
    EXPECT_FALSE(m.Preklopi(r, 2));
    EXPECT_EQ(m.Donja(), Lista({{16, 5}}));
    m.Preklopi(r, 4);
    EXPECT_TRUE(m.Donja().empty());
    EXPECT_FALSE(m.RedPritisnut(r));
}

TEST_F(ModelArmatureTest, HeadersFollowThePressedButtons) {
    m.Preklopi(Red(12), 3);
    EXPECT_TRUE(m.RedPritisnut(Red(12)));
    EXPECT_TRUE(m.KolonaPritisnuta(3));
    EXPECT_FALSE(m.RedPritisnut(Red(14)));
    EXPECT_FALSE(m.KolonaPritisnuta(2));
}

TEST_F(ModelArmatureTest, SwitchingTheLayerReleasesButtonsAndKeepsLists) {
    m.Preklopi(Red(16), 3);
    m.IzaberiSloj(Sloj::Gornja);
    EXPECT_FALSE(m.Pritisnut(Red(16), 3));
    m.Preklopi(Red(12), 1);
    EXPECT_EQ(m.Donja(), Lista({{16, 4}}));
    EXPECT_EQ(m.Gornja(), Lista({{12, 2}}));
}

TEST_F(ModelArmatureTest, OpeningCopiesTheSectionAndAcceptingWritesBack) {
    p.ArmGornja = Lista({{10, 2}});
    p.ArmDonja = Lista({{20, 3}});
    m.Otvori(p);
    EXPECT_EQ(m.AktivniSloj(), Sloj::Donja);
    m.Preklopi(Red(20), 0);
    EXPECT_EQ(p.ArmDonja, Lista({{20, 3}})); // nothing written before accepting
    TPresjek cilj;
    m.Usvoji(cilj);
    EXPECT_EQ(cilj.ArmDonja, Lista({{20, 4}}));
    EXPECT_EQ(cilj.ArmGornja, Lista({{10, 2}}));
    EXPECT_TRUE(cilj.ima(sfArmatura));
}

TEST_F(ModelArmatureTest, ClearingEmptiesBothLists) {
    m.Preklopi(Red(16), 3);
    m.IzaberiSloj(Sloj::Gornja);
    m.Preklopi(Red(16), 1);
    m.Obrisi();
    EXPECT_TRUE(m.Donja().empty());
    EXPECT_TRUE(m.Gornja().empty());
    EXPECT_FALSE(m.KolonaPritisnuta(1));
}

TEST_F(ModelArmatureTest, LabelShowsAreaAndShortTextWithFullHint) {
    for (int j : {0, 1, 2, 3, 4})
        m.Preklopi(j, j); // five diameters, five groups
    EXPECT_EQ(m.Odabrano(Sloj::Gornja), "stvAa1= 0.00 cm2   ()");
    const std::string s = m.Odabrano(Sloj::Donja, ',');
    EXPECT_EQ(s.rfind("stvAa2= ", 0), 0u);
    EXPECT_NE(s.find(" cm2   (1 d6 + 2 d8 + 3 d10 + …)"), std::string::npos);
    EXPECT_EQ(m.Hint(Sloj::Donja), "1 d6 + 2 d8 + 3 d10 + 4 d12 + 5 d14");
    EXPECT_EQ(s.substr(8, s.find(' ', 8) - 8),
              FormatirajBroj(PovrsinaArmature(m.Donja()), 15, 2, ','));
}

TEST_F(ModelArmatureTest, GridIsGreenWhereTheButtonCoversTheRest) {
    m.Preklopi(Red(16), 3); // 8.04 chosen
    const double ostatak = m.Ostatak(10.0);
    EXPECT_THAT(ostatak, IsNear(10.0 - 8.0425, 1e-4));
    for (int i = 0; i < ModelArmature::Redova; ++i)
        for (int j = 0; j < ModelArmature::Kolona; ++j)
            EXPECT_EQ(m.Zelena(i, j, ostatak), m.PovrsinaCelije(i, j) >= ostatak);
    EXPECT_FALSE(m.Zelena(0, 0, ostatak)); // one 6 mm bar, 0.28 cm2
    EXPECT_TRUE(m.Zelena(Red(16), 0, ostatak));
    EXPECT_TRUE(m.Nedovoljno(Sloj::Donja, 10.0));
    EXPECT_FALSE(m.Nedovoljno(Sloj::Donja, 8.0));
}

TEST_F(ModelArmatureTest, CellCaptionIsTheAreaOfItsBars) {
    EXPECT_EQ(m.NatpisCelije(Red(16), 3), "8.04");
    EXPECT_EQ(m.NatpisCelije(0, 0, ','), "0,28");
    EXPECT_THAT(m.PovrsinaCelije(Red(25), 9), IsNear(10 * std::numbers::pi * 6.25 / 4, 1e-12));
}

TEST_F(ModelArmatureTest, OutOfRangeCellsAreIgnored) {
    EXPECT_FALSE(m.Preklopi(13, 0));
    EXPECT_FALSE(m.Preklopi(0, 10));
    EXPECT_FALSE(m.Preklopi(-1, 0));
    EXPECT_TRUE(m.Donja().empty());
}

} // namespace
} // namespace nmk
