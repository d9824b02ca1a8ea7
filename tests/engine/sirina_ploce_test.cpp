#include "engine/sirina_ploce.h"

#include <gtest/gtest.h>

namespace nmk {
namespace {

struct Slucaj {
    int sistem;
    float L, e, b0;
    float b;
};

TEST(SirinaPloce, FollowsTheSpanUpToTheRibSpacing) {
    const Slucaj slucajevi[] = {
        {0, 400, 300, 20, 100},  // 400 / 5 + 20
        {2, 400, 300, 20, 76},   // 0.7 * 80 + 20
        {1, 400, 300, 20, 88},   // 0.85 * 80 + 20
        {0, 2000, 300, 20, 300}, // limited by the spacing
        {0, 400, 100, 20, 100},  // exactly the spacing
    };
    for (const Slucaj& s : slucajevi)
        EXPECT_FLOAT_EQ(SirinaPloce(s.sistem, s.L, s.e, s.b0), s.b) << "L=" << s.L;
}

TEST(SirinaPloce, UnknownSystemFallsBackToTheSimpleBeam) {
    EXPECT_EQ(FaktorSistemaPloce(3), 1.0f);
    EXPECT_EQ(FaktorSistemaPloce(-1), 1.0f);
    EXPECT_EQ(SirinaPloce(7, 400, 300, 20), SirinaPloce(0, 400, 300, 20));
}

TEST(TekstSirinePloce, ShowsTwoDecimalsWithTheSeparator) {
    EXPECT_EQ(TekstSirinePloce(100), "100.00");
    EXPECT_EQ(TekstSirinePloce(SirinaPloce(1, 333, 1000, 25), ','), "81,61");
}

} // namespace
} // namespace nmk
