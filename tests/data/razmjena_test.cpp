#include "data/razmjena.h"

#include "common/katalozi.h"
#include "common/pomocnici.h"
#include "data/fajl.h"
#include "data/provjera.h"
#include "engine/cvrstoce.h"
#include "engine/dimenzioniranje.h"
#include "engine/greska.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

namespace nmk {
namespace {

namespace fs = std::filesystem;
using test::SnimajucePoruke;

std::string B(std::initializer_list<int> bajtovi) {
    std::string s;
    for (int b : bajtovi)
        s += static_cast<char>(b);
    return s;
}

// One DIM section record as the caller writes it.
struct DimZapis {
    double b = 30, b0 = 30, h = 60, h0 = 60, d1 = 5, d2 = 5, Mu = 150, Nu = 0, Qu = 100;
    std::int64_t propis = 0, beton = 3, celik = 1, oblik = 0, sim = 0;
};

void Pisi(PisacToka& t, const DimZapis& z, bool realiKaoCijeli = false) {
    for (double x : {z.b, z.b0, z.h, z.h0, z.d1, z.d2, z.Mu, z.Nu, z.Qu}) {
        if (realiKaoCijeli)
            t.Cijeli(static_cast<std::int64_t>(x));
        else
            t.Realni(x);
    }
    for (std::int64_t v : {z.propis, z.beton, z.celik, z.oblik, z.sim})
        t.Cijeli(v);
}

// A DIM file: the head, then the groups.
std::string DimFajl(const std::vector<std::vector<DimZapis>>& grupe, double gc = 1.5,
                    double gs = 1.15) {
    PisacToka t;
    t.Realni(gc);
    t.Realni(gs);
    t.Cijeli(static_cast<std::int64_t>(grupe.size()));
    for (const auto& g : grupe) {
        t.Cijeli(static_cast<std::int64_t>(g.size()));
        for (const auto& z : g)
            Pisi(t, z);
    }
    return t.Bajtovi();
}

// A mix that reaches the main branches of the design under both codes.
std::vector<DimZapis> Mjesavina() {
    std::vector<DimZapis> v;
    v.push_back({});                                                           // domain 2/3, PBAB
    v.push_back({.Mu = -120, .Nu = 50, .propis = 1, .beton = 13, .celik = 3}); // turned, EC 2
    v.push_back({.Mu = 80, .Nu = -900, .Qu = 40, .sim = 1});                   // symmetric
    v.push_back({.Mu = 20, .Nu = -3000, .Qu = 0});                             // fifth domain
    v.push_back({.b = 100, .b0 = 25, .h0 = 12, .Mu = 400, .oblik = 1});        // T section
    v.push_back({.Mu = 0, .Nu = 300, .Qu = 10, .propis = 1, .beton = 16, .celik = 3}); // tension
    v.push_back({.Mu = 600, .Qu = 250}); // double reinforcement
    return v;
}

class Serija : public ::testing::Test {
protected:
    void SetUp() override {
        pr.katalozi = test::UgradjeniKatalozi();
        pr.sistem.PrikaziPoruke = false;
    }
    Projekat pr;
    SnimajucePoruke poruke;
};

// The DIM output read back: per group its size and per section the four values.
struct Rezultat {
    double Aa1, Aa2, Avil;
    std::int64_t lom;
};
std::vector<std::vector<Rezultat>> CitajIzlaz(const std::string& bajtovi) {
    CitacToka c(bajtovi);
    std::vector<std::vector<Rezultat>> grupe(static_cast<std::size_t>(c.Cijeli()));
    for (auto& g : grupe) {
        g.resize(static_cast<std::size_t>(c.Cijeli()));
        for (auto& r : g)
            r = {c.Realni(), c.Realni(), c.Realni(), c.Cijeli()};
    }
    EXPECT_TRUE(c.Kraj());
    return grupe;
}

TEST_F(Serija, RewritesAFileWithoutGroupsAsTheSingleValueZero) {
    EXPECT_EQ(ObradiDim(pr, DimFajl({}), poruke), B({0x02, 0x00}));
}

TEST_F(Serija, WritesAnEmptyGroupAsItsZeroAlone) {
    const auto izlaz = CitajIzlaz(ObradiDim(pr, DimFajl({{}, {DimZapis{}}, {}}), poruke));
    ASSERT_EQ(izlaz.size(), 3u);
    EXPECT_EQ(izlaz[0].size(), 0u);
    EXPECT_EQ(izlaz[1].size(), 1u);
    EXPECT_EQ(izlaz[2].size(), 0u);
}

TEST_F(Serija, GivesEverySectionTheResultOfItsOwnDesign) {
    const auto mix = Mjesavina();
    const auto izlaz =
        CitajIzlaz(ObradiDim(pr, DimFajl({{mix[0], mix[1]}, mix}, 1.4, 1.1), poruke));
    ASSERT_EQ(izlaz.size(), 2u);
    std::vector<DimZapis> redom = {mix[0], mix[1]};
    redom.insert(redom.end(), mix.begin(), mix.end());
    std::size_t i = 0;
    for (const auto& g : izlaz)
        for (const auto& r : g) {
            // The same section designed on its own, as the window would with these factors.
            const DimZapis& z = redom[i++];
            TPresjek p;
            p.b = z.b, p.b0 = z.b0, p.h = z.h, p.h0 = z.h0, p.d1 = z.d1, p.d2 = z.d2;
            p.Mu = z.Mu, p.Nu = z.Nu, p.Qu = z.Qu;
            p.Propis = static_cast<TPropis>(z.propis);
            p.Beton = static_cast<std::int32_t>(z.beton);
            p.Celik = static_cast<std::int32_t>(z.celik);
            p.Oblik = static_cast<TOblik>(z.oblik);
            p.Status = sfStandardna | (z.sim == 1 ? sfSimetricno : 0);
            PostaviProracunskeCvrstoce(p, pr.katalozi, pr.sistem.Alfa, 1.4, 1.1);
            TihePoruke tihe;
            Dimenzioniraj(p, pr.okruzenje(tihe));
            EXPECT_EQ(r.Aa1, p.Aa1) << i;
            EXPECT_EQ(r.Aa2, p.Aa2) << i;
            EXPECT_EQ(r.Avil, p.Avil) << i;
            EXPECT_EQ(r.lom, p.Status & sfLomDijagonala) << i;
        }
    EXPECT_EQ(i, redom.size());
}

TEST_F(Serija, WritesTheStrutFailureBitAs2048) {
    DimZapis z{.b = 20, .b0 = 20, .h = 40, .h0 = 40, .Mu = 50, .Qu = 3000};
    const std::string izlaz = ObradiDim(pr, DimFajl({{z}}), poruke);
    EXPECT_EQ(izlaz.substr(izlaz.size() - 3), B({0x03, 0x00, 0x08}));
}

TEST_F(Serija, AcceptsWholeNumbersWrittenAsIntegersWhereRealsAreExpected) {
    PisacToka t;
    t.Cijeli(1); // gamma_c and gamma_s as integers too
    t.Cijeli(1);
    t.Cijeli(1);
    t.Cijeli(1);
    const DimZapis z{.b = 40, .b0 = 40, .Mu = 150, .Qu = 80, .propis = 1, .beton = 14, .celik = 3};
    Pisi(t, z, true);
    EXPECT_EQ(ObradiDim(pr, t.Bajtovi(), poruke), ObradiDim(pr, DimFajl({{z}}, 1.0, 1.0), poruke));
}

TEST_F(Serija, DerivesTheDesignValuesFromTheHeadAndTheCode) {
    const std::vector<DimZapis> zapisi = {
        {.propis = 0, .beton = 3, .celik = 1},
        {.propis = 0, .beton = 12, .celik = 1},
        {.propis = 1, .beton = 14, .celik = 3},
        {.propis = 1, .beton = 2, .celik = 0, .sim = 1},
        {.sim = 2},
    };
    CitajDim(pr, DimFajl({zapisi}, 1.4, 1.2));
    const auto& k = pr.katalozi;
    const auto& p = pr.presjeci;
    ASSERT_EQ(p.size(), zapisi.size());
    EXPECT_EQ(p[0].fB, k.beton[3].fb);
    EXPECT_DOUBLE_EQ(p[1].fB, 0.7 * k.beton[12].fck); // a PBAB section with an EC 2 class
    EXPECT_DOUBLE_EQ(p[2].fB, k.beton[14].fck / 1.4 * 0.85f);
    EXPECT_DOUBLE_EQ(p[2].sigv, k.celik[3].fyk / 1.2);
    EXPECT_DOUBLE_EQ(p[2].epsv, p[2].sigv / k.celik[3].E * 1000);
    EXPECT_EQ(p[2].gamaC, 1.5); // the section's own factors keep their defaults
    EXPECT_EQ(p[0].sigv, k.celik[1].fyk);
    for (std::size_t i = 0; i < p.size(); ++i) {
        EXPECT_EQ(p[i].Proracun, TProracun::Dimenzioniranje);
        EXPECT_TRUE(p[i].ima(sfStandardna));
        EXPECT_EQ(p[i].ima(sfSimetricno), zapisi[i].sim == 1) << i;
    }
}

// Each row breaks one thing in an otherwise valid file.
struct Kvar {
    const char* naziv;
    std::function<std::string()> fajl;
};

std::string SaPoljem(std::function<void(DimZapis&)> izmjena) {
    DimZapis z;
    izmjena(z);
    return DimFajl({{DimZapis{}, z}});
}

TEST_F(Serija, RefusesEveryMalformedFileWithAReadError) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<Kvar> kvarovi = {
        {"negative G",
         [] {
             return B({0x02, 1, 0x02, 1, 0x02, 0xFF});
         }},
        {"negative n",
         [] {
             return B({0x02, 1, 0x02, 1, 0x02, 1, 0x02, 0xFE});
         }},
        {"G beyond the file",
         [] {
             return B({0x02, 1, 0x02, 1, 0x04, 0, 0, 0, 0x40, 0x02, 0});
         }},
        {"n beyond the file",
         [] {
             return B({0x02, 1, 0x02, 1, 0x02, 1, 0x04, 0xFF, 0xFF, 0xFF, 0x7F});
         }},
        {"concrete index 19", [] { return SaPoljem([](DimZapis& z) { z.beton = 19; }); }},
        {"concrete index -1", [] { return SaPoljem([](DimZapis& z) { z.beton = -1; }); }},
        {"steel index 4", [] { return SaPoljem([](DimZapis& z) { z.celik = 4; }); }},
        {"code 2", [] { return SaPoljem([](DimZapis& z) { z.propis = 2; }); }},
        {"code 256", [] { return SaPoljem([](DimZapis& z) { z.propis = 256; }); }},
        {"shape 3", [] { return SaPoljem([](DimZapis& z) { z.oblik = 3; }); }},
        {"width NaN", [nan] { return SaPoljem([nan](DimZapis& z) { z.b = nan; }); }},
        {"depth of a kilometre", [] { return SaPoljem([](DimZapis& z) { z.h = z.h0 = 1e5; }); }},
        {"moment infinite", [] { return SaPoljem([](DimZapis& z) { z.Mu = INFINITY; }); }},
        {"EC 2 with gamma 0",
         [] { return DimFajl({{DimZapis{.propis = 1, .beton = 14, .celik = 3}}}, 0.0, 1.15); }},
        {"bytes after the end",
         [] {
             return DimFajl({{DimZapis{}}}) + B({0x02, 0});
         }},
        {"a string for a real",
         [] {
             return B({0x06, 1, 'x'});
         }},
        {"a real for an integer",
         [] {
             PisacToka t;
             t.Realni(1.5);
             t.Realni(1.15);
             t.Realni(1);
             return t.Bajtovi();
         }},
        {"empty file", [] { return std::string(); }},
        {"short file",
         [] {
             const std::string f = DimFajl({{DimZapis{}}});
             return f.substr(0, f.size() - 1);
         }},
    };
    for (const auto& k : kvarovi)
        EXPECT_THROW(ObradiDim(pr, k.fajl(), poruke), GreskaCitanja) << k.naziv;
}

TEST_F(Serija, AcceptsPbabWithAnyPartialFactors) {
    // PBAB 87 does not use gamma_c and gamma_s, so a caller may leave them zero.
    EXPECT_NO_THROW(ObradiDim(pr, DimFajl({{DimZapis{}}}, 0.0, 0.0), poruke));
}

TEST_F(Serija, StopsAtTheFirstSectionThatFailsTheInputCheck) {
    const std::string f = DimFajl({{DimZapis{}, DimZapis{.d2 = 30}}});
    try {
        ObradiDim(pr, f, poruke);
        FAIL() << "no error";
    } catch (const GreskaProracuna& e) {
        EXPECT_EQ(std::string(e.what()), "Presjek 2: Donja armatura se nalazi iznad sredine\nili "
                                         "u sredini poprečnog presjeka !");
    }
}

// One UGIB entry with a section: head, r, then the record.
struct UgibZapis {
    double Mexp = 100, Nexp = 0, vb = 1, k = 0.125, l = 500;
    std::int64_t propis = 1, beton = 14, celik = 3;
    std::int64_t dg = 0, ng = 0, dd = 16, nd = 4;
    double b0 = 30, h0 = 50; // the flange fields of the 30/50 rectangle
};

std::string UgibFajl(const std::vector<UgibZapis>& zapisi, double r = 0.6, double fi = 2.0,
                     double ebs = 0.0004) {
    PisacToka t;
    for (double x : {fi, 0.7, ebs, 0.9, 1.1, 0.4})
        t.Realni(x);
    t.Realni(r);
    t.Cijeli(static_cast<std::int64_t>(zapisi.size()) + 1);
    t.Cijeli(7); // an entry without a section
    for (const auto& z : zapisi) {
        t.Cijeli(1);
        for (double x : {30.0, z.b0, 50.0, z.h0, 5.0, 5.0, z.Mexp, z.Nexp, z.vb, z.k, z.l})
            t.Realni(x);
        for (std::int64_t v :
             {z.propis, z.beton, z.celik, std::int64_t{0}, std::int64_t{0}, z.dg, z.ng, z.dd, z.nd})
            t.Cijeli(v);
    }
    return t.Bajtovi();
}

// A PRSLINE file of one section, with the UGIB record's fields that it shares (cover 3 cm).
std::string PrslineFajl(const UgibZapis& z) {
    PisacToka t;
    for (double x : {2.0, 0.7, 0.0004, 0.9, 1.1, 0.4})
        t.Realni(x);
    t.Cijeli(1);
    t.Cijeli(1);
    for (double x : {30.0, z.b0, 50.0, z.h0, 5.0, 5.0, 3.0, z.Mexp, z.Nexp})
        t.Realni(x);
    for (std::int64_t v :
         {z.propis, z.beton, z.celik, std::int64_t{0}, std::int64_t{0}, z.dg, z.ng, z.dd, z.nd})
        t.Cijeli(v);
    return t.Bajtovi();
}

TEST_F(Serija, RefusesCoversThatLeaveNoDepthBeforeTheDesignStarts) {
    // The top cover typed from the wrong face of a 30/50 beam, symmetric reinforcement.
    const std::string f = DimFajl({{DimZapis{.h = 50, .h0 = 50, .d1 = 46.01, .d2 = 4, .sim = 1}}});
    try {
        ObradiDim(pr, f, poruke);
        FAIL() << "no error";
    } catch (const GreskaProracuna& e) {
        EXPECT_EQ(std::string(e.what()), std::string("Presjek 1: ") + PorukaPokrivanjeBezVisine);
    }
}

TEST_F(Serija, CalculatesARectangleOnItsOwnWidthAndDepthWhateverItsFlangeFieldsHold) {
    std::vector<DimZapis> pravougaoni;
    for (const DimZapis& z : Mjesavina())
        if (z.oblik == 0)
            pravougaoni.push_back(z);
    const std::string ocekivano = ObradiDim(pr, DimFajl({pravougaoni}), poruke);
    for (const auto& [b0, h0] : {std::pair{0.0, 0.0}, {10.0, 8.0}, {-3.0, 900.0}}) {
        for (DimZapis& z : pravougaoni)
            z.b0 = b0, z.h0 = h0;
        EXPECT_EQ(ObradiDim(pr, DimFajl({pravougaoni}), poruke), ocekivano) << b0 << " " << h0;
        const UgibZapis u{.b0 = b0, .h0 = h0};
        EXPECT_EQ(ObradiUgib(pr, UgibFajl({u}), poruke), ObradiUgib(pr, UgibFajl({{}}), poruke));
        EXPECT_EQ(ObradiPrsline(pr, PrslineFajl(u), poruke),
                  ObradiPrsline(pr, PrslineFajl({}), poruke));
    }
}

TEST_F(Serija, ReadsTheServiceabilityHeadAndRecords) {
    const UlazServis u = CitajUgib(
        pr,
        UgibFajl({{.vb = 2}, {.propis = 0, .beton = 12, .celik = 1, .dg = 12, .ng = 2, .nd = -3}}));
    EXPECT_EQ(u.stavke, (std::vector<std::int32_t>{7, 1, 1}));
    EXPECT_EQ(pr.betonEx.fi, 2.0);
    EXPECT_EQ(pr.betonEx.B2, 0.4);
    ASSERT_EQ(pr.BrojPresjeka(), 2);
    const auto& p = pr.presjeci;
    EXPECT_DOUBLE_EQ(p[0].vbd, 0.6 * 2);
    EXPECT_EQ(u.k, (std::vector<double>{0.125, 0.125}));
    // EC 2 with the section's own factors, PBAB 87 always with the record's fb.
    EXPECT_DOUBLE_EQ(p[0].fB, pr.katalozi.beton[14].fck / 1.5 * 0.85f);
    EXPECT_EQ(p[1].fB, pr.katalozi.beton[12].fb);
    EXPECT_EQ(p[0].ArmDonja, (TUsvojenaArmatura{{16, 4}}));
    EXPECT_TRUE(p[0].ArmGornja.empty());
    EXPECT_EQ(p[1].ArmGornja, (TUsvojenaArmatura{{12, 2}}));
    EXPECT_TRUE(p[1].ArmDonja.empty()); // a count that is not positive gives no bars
}

TEST_F(Serija, RefusesBarsOutsideTheirRangeOrWithoutADiameter) {
    for (const UgibZapis& z : {UgibZapis{.nd = 32768}, UgibZapis{.dd = -32769},
                               UgibZapis{.dd = 0, .nd = 2}, UgibZapis{.beton = 19}}) {
        EXPECT_THROW(CitajUgib(pr, UgibFajl({z})), GreskaCitanja);
    }
}

TEST_F(Serija, RefusesServiceDataOutsideItsPhysicalRangeInBothModes) {
    // A negative creep coefficient or shrinkage strain in the head: a read error in either
    // mode; a span of zero or less: the deflection of its section cannot be calculated.
    for (auto [fi, ebs] : {std::pair{-0.1, 0.0004}, std::pair{2.0, -0.0004}}) {
        EXPECT_THROW(ObradiUgib(pr, UgibFajl({{}}, 0.6, fi, ebs), poruke), GreskaCitanja);
        PisacToka prsline;
        for (double x : {fi, 0.7, ebs, 0.9, 1.1, 0.4})
            prsline.Realni(x);
        prsline.Cijeli(0);
        EXPECT_THROW(ObradiPrsline(pr, prsline.Bajtovi(), poruke), GreskaCitanja);
    }
    EXPECT_NO_THROW(ObradiUgib(pr, UgibFajl({{}}, 0.6, 0, 0), poruke));
    for (double l : {0.0, -500.0})
        EXPECT_THROW(ObradiUgib(pr, UgibFajl({{.l = l}}), poruke), GreskaProracuna) << l;
}

TEST_F(Serija, CopiesEntriesWithoutASectionThrough) {
    const std::string izlaz = ObradiUgib(pr, UgibFajl({{}}), poruke);
    CitacToka c(izlaz);
    EXPECT_EQ(c.Cijeli(), 2);
    EXPECT_EQ(c.Cijeli(), 7);
    EXPECT_EQ(c.Cijeli(), 1);
    EXPECT_EQ(c.Cijeli(), 0);
    EXPECT_GT(c.Realni(), 0);
    EXPECT_TRUE(c.Kraj());
}

TEST(KonzolnePoruke, WritesCaptionAndTextOnOneLineAndAnswersTheFirstButton) {
    std::ostringstream s;
    KonzolnePoruke k(s);
    EXPECT_EQ(k.Prikazi("Presjek nije armiran !", VrstaPoruke::Greska, dgOK), odgOK);
    EXPECT_EQ(k.Prikazi("Snimiti?", VrstaPoruke::Potvrda, dgDaNeOtkazi), odgDa);
    k.Obicna("alfaF: eb vise od 3.5 !");
    k.SaNaslovom(NaslovGreskePrograma, PorukaNemaRazmjene);
    EXPECT_EQ(s.str(), "Greška: Presjek nije armiran !\nPotvrdi: Snimiti?\nalfaF: eb vise od 3.5 "
                       "!\nGreska !!!: Dimenzioniranje nemoze biti izvrseno!\n");
}

TEST(RezimIzArgumenta, KnowsTheThreeModeWordsExactly) {
    EXPECT_EQ(RezimIzArgumenta("DIM"), Rezim::Dim);
    EXPECT_EQ(RezimIzArgumenta("UGIB"), Rezim::Ugib);
    EXPECT_EQ(RezimIzArgumenta("PRSLINE"), Rezim::Prsline);
    for (const char* nije : {"dim", "Dim", "DIM ", " DIM", "ugib", "PRSLINES", "", "DIMUGIB"})
        EXPECT_FALSE(RezimIzArgumenta(nije).has_value()) << nije;
}

// ---- the whole run on a folder ----------------------------------------------------------

class Pokretanje : public Serija {
protected:
    void SetUp() override {
        Serija::SetUp();
        pr.folder = fs::temp_directory_path() /
                    (std::string("nmk_razmjena_") + std::to_string(::getpid()) + "_" +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(pr.folder);
        fs::create_directories(pr.folder);
        fajl = pr.folder / RazmjenaFajl;
    }
    void TearDown() override { fs::remove_all(pr.folder); }
    int Pokreni(const std::string* sadrzaj) {
        if (sadrzaj)
            ZapisiAtomski(fajl, *sadrzaj);
        KonzolnePoruke konzola(stderr_);
        return PokreniDim(pr, konzola);
    }
    std::size_t BrojFajlova() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(pr.folder), {}));
    }
    fs::path fajl;
    std::ostringstream stderr_;
};

TEST_F(Pokretanje, ReportsAMissingFileAndWritesNothing) {
    EXPECT_EQ(Pokreni(nullptr), izlazNemaFajla);
    EXPECT_EQ(stderr_.str(), "Greska !!!: Dimenzioniranje nemoze biti izvrseno!\n");
    EXPECT_EQ(BrojFajlova(), 0u);
}

TEST_F(Pokretanje, ReplacesTheFileWithTheResultsAndLeavesNoTemporaryFile) {
    const std::string ulaz = DimFajl({Mjesavina()});
    EXPECT_EQ(Pokreni(&ulaz), izlazUspjeh);
    EXPECT_EQ(ProcitajFajl(fajl), ObradiDim(pr, ulaz, poruke));
    EXPECT_EQ(BrojFajlova(), 1u);
    EXPECT_EQ(stderr_.str(), "");
}

TEST_F(Pokretanje, LeavesTheFileUnchangedOnAReadError) {
    const std::string ulaz = SaPoljem([](DimZapis& z) { z.beton = 99; });
    EXPECT_EQ(Pokreni(&ulaz), izlazCitanje);
    EXPECT_EQ(ProcitajFajl(fajl), ulaz);
    EXPECT_EQ(BrojFajlova(), 1u);
    EXPECT_NE(stderr_.str().find("Greška: Indeks betona = 99"), std::string::npos) << stderr_.str();
}

TEST_F(Pokretanje, LeavesTheFileUnchangedWhenACalculationFails) {
    const std::string ulaz = DimFajl({{DimZapis{}, DimZapis{.b = 0}}});
    EXPECT_EQ(Pokreni(&ulaz), izlazProracun);
    EXPECT_EQ(ProcitajFajl(fajl), ulaz);
    EXPECT_EQ(stderr_.str(), "Greška: Presjek 2: Širina b mora biti veća od nule !\n");
}

TEST_F(Pokretanje, ShowsNoInformativeMessagesAndReplacesTheSectionList) {
    pr.presjeci.assign(3, TPresjek{});
    const std::string ulaz = DimFajl({{DimZapis{.Mu = 1, .Qu = 1}}}); // minimum reinforcement
    EXPECT_EQ(Pokreni(&ulaz), izlazUspjeh);
    EXPECT_FALSE(pr.sistem.PrikaziPoruke);
    EXPECT_EQ(pr.BrojPresjeka(), 1);
    EXPECT_EQ(stderr_.str(), "");
}

} // namespace
} // namespace nmk
