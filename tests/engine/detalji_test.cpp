#include "engine/detalji.h"

#include <gtest/gtest.h>

#include <string>

namespace nmk {
namespace {

// Characters (not bytes) of a UTF-8 text.
std::size_t Znakova(const std::string& s) {
    std::size_t n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80)
            ++n;
    return n;
}

// The label of a value line ends with "= ".
std::string Oznaka(const std::string& red) {
    const auto kraj = red.find("= ");
    return kraj == std::string::npos ? std::string() : red.substr(0, kraj + 2);
}

TDodatniPodaci Podaci() {
    TDodatniPodaci dp;
    dp.fct = 2.8965;
    dp.fctfl = 3.1157;
    dp.SigS = 300.2;
    dp.SigC = 15.0;
    dp.XII = 10.727;
    dp.J = 312500;
    dp.JIXI = 331990;
    dp.JIXII0 = 71500;
    dp.Mr = 33.98;
    dp.SigAr = 102.0;
    dp.hEf = 12.5;
    dp.VEI = 0.9413;
    dp.VE = 4.1;
    dp.C = 0.9423;
    dp.D = 69.333;
    dp.nSipki = 5;
    dp.mSlojeva = 1;
    return dp;
}

TEST(Detalji, EveryValueLineHasA52CharacterLabel) {
    for (TPropis propis : {TPropis::EC2, TPropis::PBAB87}) {
        for (const auto& l :
             {DetaljiPrslina(Podaci(), propis, 31938.8), DetaljiUgiba(Podaci(), propis, 31938.8)}) {
            for (const std::string& red : l) {
                const std::string oznaka = Oznaka(red);
                if (!oznaka.empty()) {
                    EXPECT_EQ(Znakova(oznaka), 52u) << red;
                }
            }
        }
    }
}

TEST(Detalji, ListingsHaveTheirLinesInOrder) {
    const auto p = DetaljiPrslina(Podaci(), TPropis::EC2, 31938.8);
    ASSERT_EQ(p.size(), 16u);
    EXPECT_TRUE(p[11].empty());
    EXPECT_EQ(p[12], "Osovinsko rastojanje sipki                       D= 69.33 mm");
    EXPECT_EQ(p[13], "Maksimalan broj šipki u jednom sloju             n= 5");
    EXPECT_EQ(p[14], "Broj Slojeva                                     m= 1");
    const auto u = DetaljiUgiba(Podaci(), TPropis::EC2, 31938.8);
    ASSERT_EQ(u.size(), 25u);
    EXPECT_EQ(u[8], "Stadij I : ");
    EXPECT_EQ(u[9], "Pocetni ugib u vremenut t=0                    VEI= 0.9413 cm");
    EXPECT_EQ(u[13], "Cisti Stadij II : ");
    EXPECT_EQ(u[18], "Vjerovatni ugib : ");
    EXPECT_EQ(u[23], "Koeficijent sadejstva                            C= 0.94");
    EXPECT_EQ(u[24], "Momenat nastajanja naprslina                    Mr= 33.98 kNm");
}

TEST(Detalji, CodeChangesOnlyTheWordsOfTheFirstLines) {
    const auto ec = DetaljiPrslina(Podaci(), TPropis::EC2, 31938.8);
    const auto pb = DetaljiPrslina(Podaci(), TPropis::PBAB87, 31938.8);
    ASSERT_EQ(ec.size(), pb.size());
    for (std::size_t i = 0; i < ec.size(); ++i)
        EXPECT_EQ(ec[i] == pb[i], i > 4) << i;
    EXPECT_EQ(ec[0], "Cvrstoca betona na zatezanje                  f_ct= 2.90 N/mm2");
    EXPECT_EQ(pb[1], "Cvrstoca betona na zatezanje savijanjem      f_bzs= 3.12 N/mm2");
    EXPECT_EQ(pb[4], "Modul elasticnosti betona                       Eb= 31938.80 N/mm2");
}

TEST(Detalji, NumbersUseTheGivenSeparator) {
    const auto l = DetaljiPrslina(Podaci(), TPropis::EC2, 31938.8, ',');
    EXPECT_EQ(l[5], "Visina pritisnute zone                         XII= 10,73 cm");
    EXPECT_EQ(l[15], "Efektivna visina zategnute zone               h_ef= 12,50 cm");
}

TEST(Detalji, WhollyCompressedSectionIsNamedInsteadOfADepth) {
    TDodatniPodaci dp = Podaci();
    dp.CijeliPritisnut = true;
    const auto u = DetaljiUgiba(dp, TPropis::EC2, 31938.8);
    EXPECT_EQ(u[3], std::string("Visina pritisnute zone stadij II               XII= ") +
                        TekstCijeliPritisnut);
    const auto p = DetaljiPrslina(dp, TPropis::EC2, 31938.8);
    EXPECT_NE(p[5].find(TekstCijeliPritisnut), std::string::npos);
}

} // namespace
} // namespace nmk
