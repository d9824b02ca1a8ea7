#include "render/izvjestaj.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace nmk::render {
namespace {

using ::testing::ElementsAre;

Katalozi Katalog() {
    Katalozi k;
    k.beton = {{"MB 30", 30, 20.5, 1.1}, {"C25/30", 25, 14.17, 0.3}, {"C100/11", 100, 50, 1}};
    k.celik = {{"RA400/500", 400, 400, 210000}, {"B500", 500, 0, 200000}};
    return k;
}

TPresjek Pbab() {
    TPresjek p;
    p.Naziv = "Greda 1";
    p.Beton = 0;
    p.Celik = 0;
    p.fB = 20.5;
    p.sigv = 400;
    p.Mu = 150;
    p.Nu = -20;
    p.Qu = 80;
    p.Aa1 = 0;
    p.Aa2 = 9.876;
    p.Avil = 3.5;
    p.Status = sfIzracunat;
    return p;
}

TPresjek Ec2() {
    TPresjek p = Pbab();
    p.Propis = TPropis::EC2;
    p.Beton = 1;
    p.Celik = 1;
    p.fB = 14.17;
    p.sigv = 434.78;
    return p;
}

std::vector<std::string> Tekstovi(const Izvjestaj& iz) {
    std::vector<std::string> t;
    for (const Red& r : iz.redovi)
        t.push_back(r.Tekst());
    return t;
}

Izvjestaj Blok(const TPresjek& p, char sep = '.') {
    Izvjestaj iz;
    StampajPresjek(iz, p, Katalog(), sep);
    return iz;
}

// Index of the first line with this text, or -1.
int Red(const Izvjestaj& iz, const std::string& tekst) {
    const auto t = Tekstovi(iz);
    const auto i = std::find(t.begin(), t.end(), tekst);
    return i == t.end() ? -1 : static_cast<int>(i - t.begin());
}

TEST(StampajPresjek, OpensWithTheNameAndShapeAndClosesWithSixtyUnderscores) {
    const auto t = Tekstovi(Blok(Pbab()));
    ASSERT_GE(t.size(), 4u);
    EXPECT_THAT(std::vector(t.begin(), t.begin() + 5),
                ElementsAre("", "Greda 1", "Pravougaoni presjek", "", "Materijal:"));
    EXPECT_EQ(t.back(), std::string(60, '_'));
}

TEST(StampajPresjek, WritesPbabMaterialsWithoutPartialFactors) {
    const Izvjestaj iz = Blok(Pbab());
    const int m = Red(iz, "Materijal:");
    ASSERT_GE(m, 0);
    EXPECT_EQ(iz.redovi[m + 1].Tekst(), "Beton\tMB 30\tfb= 20.50\tN/mm2");
    EXPECT_EQ(iz.redovi[m + 2].Tekst(), "Celik\tRA400/500\tfav=400.00\tN/mm2");
    for (const auto& r : iz.redovi)
        for (const Komad& k : r.komadi)
            EXPECT_EQ(k.tekst.find("γ"), std::string::npos);
}

TEST(StampajPresjek, WritesEc2MaterialsWithGammaAndItsLoweredIndex) {
    const Izvjestaj iz = Blok(Ec2(), ',');
    const int m = Red(iz, "Materijal:");
    ASSERT_GE(m, 0);
    EXPECT_EQ(iz.redovi[m + 1].Tekst(), "Beton\tC25/30\tγc=  1,50\tfcd=14,17\tN/mm2");
    EXPECT_EQ(iz.redovi[m + 2].Tekst(), "Celik\tB500\tγs=  1,15\tfsd= 434,78\tN/mm2");
    for (int i : {m + 1, m + 2}) {
        const auto& k = iz.redovi[i].komadi;
        ASSERT_EQ(k.size(), 4u);
        EXPECT_EQ(k[1].tekst, "γ");
        EXPECT_EQ(k[1].velicina, 3);
        EXPECT_TRUE(k[2].indeks);
        EXPECT_EQ(k[2].velicina, -3);
        EXPECT_FALSE(k[0].indeks || k[3].indeks || k[3].velicina);
    }
}

TEST(StampajPresjek, CutsTheConcreteNameToSixCharacters) {
    TPresjek p = Ec2();
    p.Beton = 2; // "C100/11", seven characters
    const Izvjestaj iz = Blok(p);
    EXPECT_EQ(iz.redovi[Red(iz, "Materijal:") + 1].komadi[0].tekst, "Beton\tC100/1\t");
}

TEST(StampajPresjek, LeavesNamesEmptyForAnIndexOutsideTheCatalogue) {
    TPresjek p = Pbab();
    p.Beton = 99;
    p.Celik = -1;
    const Izvjestaj iz = Blok(p);
    const int m = Red(iz, "Materijal:");
    EXPECT_EQ(iz.redovi[m + 1].Tekst(), "Beton\t\tfb= 20.50\tN/mm2");
    EXPECT_EQ(iz.redovi[m + 2].Tekst(), "Celik\t\tfav=400.00\tN/mm2");
}

TEST(StampajPresjek, WritesLoadsAndRequiredAreas) {
    const Izvjestaj iz = Blok(Pbab());
    const int o = Red(iz, "Opterecenje:");
    ASSERT_GE(o, 0);
    EXPECT_EQ(iz.redovi[o + 1].Tekst(), "Msd=\t150.00\tkNm");
    EXPECT_EQ(iz.redovi[o + 2].Tekst(), "Nsd=\t-20.00\tkN");
    EXPECT_EQ(iz.redovi[o + 3].Tekst(), "Vsd=\t80.00\tkN");
    const int a = Red(iz, "Potrebna Površina Armature:");
    ASSERT_GT(a, o);
    EXPECT_EQ(iz.redovi[a + 1].Tekst(), "potAa1=\t0.00\tcm2");
    EXPECT_EQ(iz.redovi[a + 2].Tekst(), "potAa2=\t9.88\tcm2");
    EXPECT_EQ(iz.redovi[a + 3].Tekst(), "potAvil=\t3.50\tcm2/m");
}

TEST(StampajPresjek, ListsTheDimensionsOfEachShape) {
    struct Slucaj {
        TOblik oblik;
        const char* naziv;
        std::vector<std::string> oznake;
    };
    const Slucaj slucajevi[] = {
        {TOblik::Pravougaoni, "Pravougaoni presjek", {"b= ", "h= ", "d1=", "d2="}},
        {TOblik::T, "T Presjek", {"b= ", "bo=", "h= ", "ho=", "d1=", "d2="}},
        {TOblik::Kruzni, "Kružni presjek", {}},
    };
    for (const Slucaj& s : slucajevi) {
        TPresjek p = Pbab();
        p.Oblik = s.oblik;
        const Izvjestaj iz = Blok(p);
        EXPECT_EQ(iz.redovi[2].Tekst(), s.naziv);
        const int d = Red(iz, "Dimenzije:");
        EXPECT_EQ(d < 0, s.oznake.empty()) << s.naziv;
        for (std::size_t i = 0; d >= 0 && i < s.oznake.size(); ++i) {
            const std::string t = iz.redovi[d + 1 + i].Tekst();
            EXPECT_EQ(t.substr(0, t.find('\t')), s.oznake[i]);
            EXPECT_EQ(t.substr(t.rfind('\t')), "\tcm");
        }
    }
}

TEST(StampajPresjek, OmitsTheChosenBarsHeadingButKeepsTheEmptyLine) {
    const auto t = Tekstovi(Blok(Pbab()));
    EXPECT_EQ(std::find(t.begin(), t.end(), "Usvojena Armatura:"), t.end());
    // potAvil, the empty line of the requirements, the one after the bars, the underscores.
    ASSERT_GE(t.size(), 4u);
    EXPECT_EQ(t[t.size() - 4].rfind("potAvil=", 0), 0u);
    EXPECT_EQ(t[t.size() - 3], "");
    EXPECT_EQ(t[t.size() - 2], "");
}

TEST(StampajPresjek, WritesChosenBarsWithDiameterSignsInBold) {
    TPresjek p = Ec2();
    p.ArmDonja = {{16, 4}, {12, 2}};
    const Izvjestaj iz = Blok(p);
    const int u = Red(iz, "Usvojena Armatura:");
    ASSERT_GE(u, 0);
    const render::Red& r = iz.redovi[u + 1];
    EXPECT_EQ(r.Tekst(), "Aa2:  4 Φ16 + 2 Φ12   B500  (stvAa2 = 10.30 cm2)");
    EXPECT_FALSE(r.komadi[0].podebljano);
    EXPECT_EQ(r.komadi[0].tekst, "Aa2:");
    EXPECT_TRUE(std::all_of(r.komadi.begin() + 1, r.komadi.end(),
                            [](const Komad& k) { return k.podebljano; }));
    EXPECT_EQ(std::count_if(r.komadi.begin(), r.komadi.end(),
                            [](const Komad& k) { return k.tekst == "Φ"; }),
              2);
    EXPECT_EQ(iz.redovi[u + 2].Tekst(), ""); // no top bars: no "Aa1:" line
}

TEST(StampajPresjek, PrintsDeflectionsOnlyWhenPresent) {
    TPresjek p = Pbab();
    p.Status |= sfUgibi;
    p.v = 1.23456;
    const Izvjestaj iz = Blok(p);
    const int u = Red(iz, " Ugibi:");
    ASSERT_GE(u, 0);
    EXPECT_EQ(Red(iz, " Prsline:"), -1);
    const auto& naslov = iz.redovi[u].komadi;
    EXPECT_FALSE(naslov[0].podvuceno);
    EXPECT_EQ(naslov[1].tekst, "Ugibi:");
    EXPECT_TRUE(naslov[1].podvuceno);
    const int v = Red(iz, "  v = \t1.2346\tcm");
    ASSERT_GT(v, u);
    EXPECT_EQ(iz.redovi[v].komadi[0].tekst, "  ");
    EXPECT_FALSE(iz.redovi[v].komadi[0].podebljano);
    EXPECT_TRUE(iz.redovi[v].komadi[1].podebljano);
    EXPECT_GE(Red(iz, "vb.d=\t0.0000\tcm"), 0);
}

TEST(StampajPresjek, PrintsCrackWidthsOnlyWhenPresent) {
    TPresjek p = Pbab();
    p.Status |= sfPrsline;
    p.am = 123.456;
    p.Wm = 0.1234;
    p.Wk = 0.2346;
    const Izvjestaj iz = Blok(p);
    EXPECT_EQ(Red(iz, " Ugibi:"), -1);
    const int pr = Red(iz, " Prsline:");
    ASSERT_GE(pr, 0);
    EXPECT_EQ(iz.redovi[pr + 1].Tekst(), "Mexp=\t0.00\tkNm");
    EXPECT_GT(Red(iz, "am = \t123.46\tmm"), pr);
    EXPECT_GT(Red(iz, "Wm = \t0.123\tmm"), pr);
    const int wk = Red(iz, "  Wk = \t0.235\tmm");
    ASSERT_GT(wk, pr);
    EXPECT_TRUE(iz.redovi[wk].komadi[1].podebljano);
}

TEST(NapraviIzvjestaj, GivesOneBlockPerSectionEachEndingInUnderscores) {
    const TPresjek a = Pbab();
    TPresjek b = Ec2();
    b.Naziv = "Greda 2";
    b.Status |= sfUgibi | sfPrsline;
    const Izvjestaj iz = NapraviIzvjestaj({&a, &b}, Katalog(), '.');
    const auto t = Tekstovi(iz);
    std::vector<std::size_t> crte;
    for (std::size_t i = 0; i < t.size(); ++i)
        if (t[i] == Crta)
            crte.push_back(i);
    ASSERT_EQ(crte.size(), 2u);
    EXPECT_EQ(crte[1], t.size() - 1);
    EXPECT_EQ(t[crte[0] + 2], "Greda 2");
    EXPECT_EQ(crte[0] + 1, Tekstovi(Blok(a)).size());
}

TEST(NapraviIzvjestaj, IsEmptyWithoutSections) {
    EXPECT_TRUE(NapraviIzvjestaj({}, Katalog(), '.').redovi.empty());
}

TEST(StampajPresjek, KeepsEveryLineOnOneParagraphWithNonEmptyRuns) {
    TPresjek p = Ec2();
    p.Oblik = TOblik::T;
    p.ArmGornja = {{12, 2}};
    p.ArmDonja = {{16, 4}, {20, 1}, {25, 2}};
    p.Status |= sfUgibi | sfPrsline;
    for (const render::Red& r : Blok(p).redovi) {
        ASSERT_FALSE(r.komadi.empty());
        EXPECT_EQ(r.Tekst().find('\n'), std::string::npos);
        if (r.komadi.size() > 1) {
            for (const Komad& k : r.komadi) {
                EXPECT_FALSE(k.tekst.empty()) << r.Tekst();
            }
        }
    }
}

} // namespace
} // namespace nmk::render
