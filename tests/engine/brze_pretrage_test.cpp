// The fast searches against the literal scans: for every search, generated sections (both
// codes, rectangles and T, both moment signs, compression and tension, symmetric, the fifth
// domain, deep covers, absurd but accepted options such as a huge EC 2 steel limit) are
// calculated both ways, and every double of the results, every Status bit, every message and
// every calculation error must agree bit for bit. The fast search must also do only a small
// part of the literal work.

#include "tools/poredjenje_pretraga.h"

#include "common/katalozi.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#ifndef NMK_PRESJEKA_PO_PRETRAZI
#define NMK_PRESJEKA_PO_PRETRAZI 100000
#endif

namespace nmk {
namespace {

using poredjenje::Pretraga;

class BrzePretrage : public ::testing::TestWithParam<Pretraga> {};

TEST_P(BrzePretrage, GiveTheResultsOfTheLiteralScansBitForBit) {
    const Katalozi k = test::UgradjeniKatalozi();
    const poredjenje::Zbir z = poredjenje::Uporedi(GetParam(), 0, NMK_PRESJEKA_PO_PRETRAZI, k);
    for (const std::string& t : z.prve)
        ADD_FAILURE() << "differs: " << t;
    EXPECT_EQ(z.razlika, 0);
    EXPECT_EQ(z.presjeka, NMK_PRESJEKA_PO_PRETRAZI);
    EXPECT_LT(z.pokusajaBrzo * 10, z.pokusajaDoslovno);
    std::printf("%s: %lld sections, trial states fast %lld, literal %lld\n",
                poredjenje::Naziv(GetParam()), static_cast<long long>(z.presjeka),
                static_cast<long long>(z.pokusajaBrzo), static_cast<long long>(z.pokusajaDoslovno));
}

INSTANTIATE_TEST_SUITE_P(SvakaPretraga, BrzePretrage, ::testing::ValuesIn(poredjenje::kSve),
                         [](const ::testing::TestParamInfo<Pretraga>& i) {
                             return std::string(poredjenje::Naziv(i.param));
                         });

} // namespace
} // namespace nmk
