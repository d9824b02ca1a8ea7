#include "common/katalozi.h"
#include "common/pomocnici.h"
#include "data/dodatak_projekta.h"
#include "data/fajl.h"
#include "data/katalog_fajl.h"
#include "data/projektni_fajl.h"
#include "data/tok.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include <unistd.h>

namespace nmk {
namespace {

namespace fs = std::filesystem;

// A program folder of its own with the shipped catalogues, and a project in it.
class ProjektniFajl : public ::testing::Test {
public:
    fs::path folder;
    Projekat pr;
    test::SnimajucePoruke poruke;

    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder = fs::temp_directory_path() /
                 (std::string("nmk_projekat_") + info->name() + "_" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        fs::copy_file(test::ProgramskiFolder() / BetonFajl, folder / BetonFajl);
        fs::copy_file(test::ProgramskiFolder() / CelikFajl, folder / CelikFajl);
        pr.folder = folder;
        NoviProjekat(pr);
    }
    void TearDown() override { fs::remove_all(folder); }

    // Two calculated sections and the working section.
    void DvaIzracunata() {
        TPresjek a;
        a.Naziv = "Greda 1";
        a.b = 30, a.b0 = 30, a.h = 50, a.h0 = 50, a.d1 = 4, a.d2 = 5.5;
        a.Mu = 150, a.Nu = -20, a.Qu = 80, a.fB = 17, a.sigv = 434.78, a.epsa = 10.5;
        a.epsb = 3.5, a.Aa1 = 0, a.Aa2 = 8.765, a.Avil = 3.21, a.gamaC = 1.3, a.gamaS = 1.0;
        a.Status = sfIzracunat | sfUgibi, a.Propis = TPropis::EC2, a.Beton = 14, a.Celik = 3;
        a.Mexp = 99, a.vI = 1.5, a.ArmDonja = {{16, 4}};
        TPresjek b;
        b.Naziv = "Ploča ž";
        b.Oblik = TOblik::T, b.b = 100, b.b0 = 25, b.h0 = 12, b.h = 60, b.Mu = -80;
        b.Status = sfIzracunat | sfNegativan | sfLomDijagonala, b.Ispravan = false;
        b.Proracun = TProracun::GranicniMomenat, b.Beton = 3, b.Celik = 1;
        pr.presjeci = {a, b, TPresjek{}};
        pr.VratiRadni();
    }

    fs::path Fajl(const char* ime = "p.nmk") const { return folder / ime; }
};

void OcekujIsteUlazeIRezultate(const TPresjek& a, const TPresjek& b) {
    EXPECT_EQ(a.Naziv, b.Naziv);
    const double ua[] = {a.b,  a.b0,   a.h0,   a.h,    a.d1,  a.d2,  a.Mu,   a.Nu,    a.Qu,
                         a.fB, a.sigv, a.epsa, a.epsb, a.Aa1, a.Aa2, a.Avil, a.gamaC, a.gamaS};
    const double ub[] = {b.b,  b.b0,   b.h0,   b.h,    b.d1,  b.d2,  b.Mu,   b.Nu,    b.Qu,
                         b.fB, b.sigv, b.epsa, b.epsb, b.Aa1, b.Aa2, b.Avil, b.gamaC, b.gamaS};
    for (std::size_t i = 0; i < std::size(ua); ++i)
        EXPECT_EQ(ua[i], ub[i]) << "real number " << i << " of " << a.Naziv;
    EXPECT_EQ(a.Status, b.Status);
    EXPECT_EQ(a.Ispravan, b.Ispravan);
    EXPECT_EQ(a.Propis, b.Propis);
    EXPECT_EQ(a.Oblik, b.Oblik);
    EXPECT_EQ(a.Proracun, b.Proracun);
    EXPECT_EQ(a.Beton, b.Beton);
    EXPECT_EQ(a.Celik, b.Celik);
}

TEST_F(ProjektniFajl, SavedProjectComesBackFieldByField) {
    DvaIzracunata();
    const auto original = pr.presjeci;
    SnimiProjekat(pr, Fajl());
    NoviProjekat(pr);
    ASSERT_TRUE(ProvjeriIUcitaj(pr, Fajl(), poruke));
    ASSERT_EQ(pr.BrojPresjeka(), 3);
    for (std::size_t i = 0; i < 3; ++i)
        OcekujIsteUlazeIRezultate(pr.presjeci[i], original[i]);
    EXPECT_EQ(NaziviSacuvanih(pr), (std::vector<std::string>{"Greda 1", "Ploča ž"}));
    EXPECT_EQ(pr.trenutni, 2u);
    EXPECT_EQ(pr.sistem.IzabraniPresjek, 0);
    EXPECT_TRUE(poruke.poruke.empty());
}

TEST_F(ProjektniFajl, WhatTheFileDoesNotHoldComesBackAsDefaults) {
    DvaIzracunata();
    SnimiProjekat(pr, Fajl());
    ASSERT_TRUE(ProvjeriIUcitaj(pr, Fajl(), poruke));
    const TPresjek& a = pr.presjeci[0];
    EXPECT_EQ(a.Status, sfIzracunat | sfUgibi); // the bits come back whole, and so do the
    EXPECT_EQ(a.Mexp, 99);                      // values they describe
    EXPECT_EQ(a.vI, 1.5);
    EXPECT_EQ(a.ArmDonja, (TUsvojenaArmatura{{16, 4}}));
    EXPECT_EQ(a.epsv, 0); // derived from the grades by the next calculation
}

TEST_F(ProjektniFajl, UserMaterialsRoundTripAndTheirNamesAreCut) {
    pr.katalozi.beton.push_back({"Moj1", 33, 0, 0.35, 1.25});
    pr.katalozi.celik.push_back({"S550", 550, 0, 205000});
    const Katalozi prije = pr.katalozi;
    // Longer names than the catalogues hold, written as a careless producer would.
    pr.katalozi.beton.push_back({"DUGOIME8", 40, 0, 0.4, 0});
    pr.katalozi.celik.push_back({"JEDANAEST11", 600, 0, 200000});
    SnimiProjekat(pr, Fajl());
    NoviProjekat(pr);
    ASSERT_TRUE(ProvjeriIUcitaj(pr, Fajl(), poruke));
    ASSERT_EQ(pr.BrojBetona(), 21);
    ASSERT_EQ(pr.BrojCelika(), 6);
    EXPECT_EQ(pr.katalozi.beton[19], prije.beton[19]);
    EXPECT_EQ(pr.katalozi.celik[4], prije.celik[4]);
    EXPECT_EQ(pr.katalozi.beton[20].naziv, "DUGOIM");
    EXPECT_EQ(pr.katalozi.celik[5].naziv, "JEDANAEST");
    // The project's materials are now in the temporary copies, not in the shared files.
    EXPECT_TRUE(pr.sistem.PrivremeniMaterijali);
    EXPECT_EQ(CitajBetone(folder / PrivremeniBetonFajl).size(), 21u);
    EXPECT_EQ(CitajBetone(folder / BetonFajl).size(), 19u);
}

TEST_F(ProjektniFajl, NonAsciiNamesAreWrittenAsUtf8AndPlainNamesAsShortStrings) {
    DvaIzracunata();
    SnimiProjekat(pr, Fajl());
    const std::string bajtovi = ProcitajFajl(Fajl());
    EXPECT_EQ(bajtovi.substr(0, 16), std::string("\x06\x0E") + "NOSIVOMETRIK16");
    EXPECT_NE(bajtovi.find("\x06\x07Greda 1"), std::string::npos);
    const std::string ploca = "Ploča ž";
    const std::string utf8 =
        std::string("\x14") + char(ploca.size()) + std::string(3, '\0') + ploca;
    EXPECT_NE(bajtovi.find(utf8), std::string::npos);
}

TEST_F(ProjektniFajl, AnIllFormedNameStillOpensReadableAndIsSavedValid) {
    DvaIzracunata();
    SnimiProjekat(pr, Fajl());
    std::string bajtovi = ProcitajFajl(Fajl());
    // "ž" (C5 BE) of the second name becomes an overlong NUL (C0 80) of the same length.
    bajtovi.replace(bajtovi.find("\xC5\xBE"), 2, "\xC0\x80");
    ZapisiAtomski(Fajl("los.nmk"), bajtovi);
    ASSERT_TRUE(ProvjeriIUcitaj(pr, Fajl("los.nmk"), poruke));
    EXPECT_EQ(pr.presjeci[1].Naziv, "Ploča \xEF\xBF\xBD\xEF\xBF\xBD");
    SnimiProjekat(pr, Fajl("nazad.nmk"));
    EXPECT_EQ(ProcitajFajl(Fajl("nazad.nmk")).find("\xC0\x80"), std::string::npos);
}

TEST_F(ProjektniFajl, ABuiltInOnlyProjectsExtensionFollowsRightAfterTheLastSection) {
    DvaIzracunata();
    SnimiProjekat(pr, Fajl());
    const std::string bajtovi = ProcitajFajl(Fajl());
    CitacToka c(bajtovi);
    c.Tekst();
    EXPECT_EQ(c.Cijeli(), 3);
    EXPECT_EQ(c.Cijeli(), 19);
    EXPECT_EQ(c.Cijeli(), 4);
    for (int i = 0; i < 3; ++i) {
        for (int r = 0; r < 18; ++r)
            c.Realni();
        c.Cijeli();
        c.Logicki();
        for (int k = 0; k < 5; ++k)
            c.Cijeli();
        c.Tekst();
    }
    EXPECT_EQ(c.Tekst(), OznakaDodatka);
}

TEST_F(ProjektniFajl, OpeningTheSameFileTwiceGivesTheSameProject) {
    DvaIzracunata();
    pr.katalozi.beton.push_back({"Moj1", 33, 0, 0.35, 0});
    SnimiProjekat(pr, Fajl());
    NoviProjekat(pr);
    ASSERT_TRUE(ProvjeriIUcitaj(pr, Fajl(), poruke));
    const auto prvi = pr.presjeci;
    const auto prviKatalozi = pr.katalozi;
    NoviProjekat(pr);
    ASSERT_TRUE(ProvjeriIUcitaj(pr, Fajl(), poruke));
    ASSERT_EQ(pr.presjeci.size(), prvi.size());
    for (std::size_t i = 0; i < prvi.size(); ++i)
        OcekujIsteUlazeIRezultate(pr.presjeci[i], prvi[i]);
    EXPECT_EQ(pr.katalozi.beton, prviKatalozi.beton);
    EXPECT_EQ(pr.katalozi.celik, prviKatalozi.celik);
}

TEST_F(ProjektniFajl, SaveNeverLeavesAHalfWrittenFile) {
    DvaIzracunata();
    SnimiProjekat(pr, Fajl());
    const std::string prije = ProcitajFajl(Fajl());
    EXPECT_THROW(SnimiProjekat(pr, folder / "nema" / "p.nmk"), GreskaFajla);
    EXPECT_EQ(ProcitajFajl(Fajl()), prije);
    for (const auto& e : fs::directory_iterator(folder))
        EXPECT_EQ(e.path().string().find(".tmp"), std::string::npos) << e.path();
}

// Opening `bajtovi` must fail cleanly and leave the project and its files untouched.
void OcekujOdbijanje(ProjektniFajl& t, const std::string& bajtovi, VrstaPoruke vrsta) {
    { std::ofstream(t.Fajl("los.nmk"), std::ios::binary | std::ios::trunc) << bajtovi; }
    const auto prije = t.pr.presjeci;
    t.poruke.Obrisi();
    EXPECT_FALSE(ProvjeriIUcitaj(t.pr, t.Fajl("los.nmk"), t.poruke));
    ASSERT_EQ(t.poruke.poruke.size(), 1u);
    EXPECT_EQ(t.poruke.poruke[0].vrsta, vrsta);
    ASSERT_EQ(t.pr.presjeci.size(), prije.size());
    EXPECT_EQ(t.pr.presjeci[0].Naziv, prije[0].Naziv);
    EXPECT_FALSE(t.pr.sistem.PrivremeniMaterijali);
    EXPECT_FALSE(fs::exists(t.folder / PrivremeniBetonFajl));
}

TEST_F(ProjektniFajl, AWrongMagicOrAShortFileIsRejectedWithTheWarning) {
    DvaIzracunata();
    OcekujOdbijanje(*this, "Ovo nije projekat, nego tekst.", VrstaPoruke::Upozorenje);
    EXPECT_EQ(poruke.poruke[0].tekst, PorukaNepoznatFajl);
    OcekujOdbijanje(*this, std::string("\x06\x0E") + "NOSIVOMETRIK1", VrstaPoruke::Upozorenje);
    OcekujOdbijanje(*this, std::string("\x06\x0E") + "nosivometrik16xx", VrstaPoruke::Upozorenje);
}

TEST_F(ProjektniFajl, EveryTruncationOfAValidFileIsAReadErrorThatChangesNothing) {
    DvaIzracunata();
    pr.katalozi.beton.push_back({"Moj1", 33, 0, 0.35, 0});
    SnimiProjekat(pr, Fajl());
    const std::string bajtovi = ProcitajFajl(Fajl());
    NoviProjekat(pr);
    pr.presjeci[0].Naziv = "netaknut";
    // Cut right before the extension, it is a whole file of the first part alone.
    const std::size_t prviDio = bajtovi.find(std::string("\x06\x14") + OznakaDodatka);
    for (std::size_t duzina = 16; duzina < bajtovi.size(); ++duzina)
        if (duzina != prviDio)
            OcekujOdbijanje(*this, bajtovi.substr(0, duzina), VrstaPoruke::Greska);
}

TEST_F(ProjektniFajl, MutatedFilesLoadWholeOrFailCleanly) {
    DvaIzracunata();
    SnimiProjekat(pr, Fajl());
    const std::string bajtovi = ProcitajFajl(Fajl());
    std::mt19937 gen(12345);
    int ucitano = 0;
    for (int k = 0; k < 3000; ++k) {
        std::string m = bajtovi;
        const std::size_t i = 16 + gen() % (m.size() - 16);
        m[i] = static_cast<char>(gen() & 0xFF);
        std::ofstream(Fajl("m.nmk"), std::ios::binary | std::ios::trunc) << m;
        Projekat kopija = pr;
        test::SnimajucePoruke p;
        if (ProvjeriIUcitaj(kopija, Fajl("m.nmk"), p)) {
            ++ucitano;
            ASSERT_GE(kopija.BrojPresjeka(), 1);
            for (const TPresjek& s : kopija.presjeci) {
                ASSERT_TRUE(kopija.katalozi.ImaBeton(s.Beton));
                ASSERT_TRUE(kopija.katalozi.ImaCelik(s.Celik));
                ASSERT_LE(static_cast<int>(s.Oblik), 2);
            }
            ObrisiPrivremeneKopije(kopija);
        } else {
            ASSERT_EQ(p.poruke.size(), 1u);
            ASSERT_EQ(kopija.presjeci.size(), pr.presjeci.size());
        }
    }
    // Most single-byte changes hit a real number or a name and still load.
    EXPECT_GT(ucitano, 0);
}

TEST_F(ProjektniFajl, ASectionNamingAMissingMaterialIsARejectedFile) {
    DvaIzracunata();
    pr.presjeci[1].Beton = 19; // no user concrete exists
    SnimiProjekat(pr, Fajl());
    OcekujOdbijanje(*this, ProcitajFajl(Fajl()), VrstaPoruke::Greska);
}

TEST_F(ProjektniFajl, TheNewProjectResetDeletesTheCopiesAndReloadsTheCatalogues) {
    DvaIzracunata();
    pr.katalozi.beton.push_back({"Moj1", 33, 0, 0.35, 0});
    SnimiProjekat(pr, Fajl());
    ASSERT_TRUE(ProvjeriIUcitaj(pr, Fajl(), poruke));
    PrimijeniUcitani(pr, Fajl());
    EXPECT_EQ(pr.sistem.ImeFajla, PutanjaUtf8(Fajl()));
    pr.sistem.Izmijenjen = true;
    pr.sistem.Alfa = 0.9f;
    NoviProjekat(pr);
    EXPECT_FALSE(fs::exists(folder / PrivremeniBetonFajl));
    EXPECT_FALSE(fs::exists(folder / PrivremeniCelikFajl));
    EXPECT_EQ(pr.BrojBetona(), 19);
    EXPECT_EQ(pr.BrojPresjeka(), 1);
    EXPECT_TRUE(pr.sistem.ImeFajla.empty());
    EXPECT_FALSE(pr.sistem.Izmijenjen);
    EXPECT_EQ(pr.sistem.Alfa, 0.85f);
}

TEST(NaslovProzora, NamesTheFileInBrackets) {
    EXPECT_EQ(NaslovProzora("/tmp/a b.nmk"), "Nosivometrik - [/tmp/a b.nmk]");
}

} // namespace
} // namespace nmk
