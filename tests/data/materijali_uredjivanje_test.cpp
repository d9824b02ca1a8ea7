#include "common/katalozi.h"
#include "common/pomocnici.h"
#include "data/fajl.h"
#include "data/katalog_fajl.h"
#include "data/materijali_uredjivanje.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace nmk {
namespace {

namespace fs = std::filesystem;
using test::SnimajucePoruke;

// A project whose folder is a fresh temporary copy of the shipped catalogues.
class MaterijaliTest : public ::testing::Test {
protected:
    fs::path folder;
    Projekat pr;
    SnimajucePoruke poruke;

    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("nmk_materijali_" +
                  std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        fs::copy_file(test::ProgramskiFolder() / BetonFajl, folder / BetonFajl);
        fs::copy_file(test::ProgramskiFolder() / CelikFajl, folder / CelikFajl);
        pr.folder = folder;
        pr.presjeci.resize(1); // the working section alone
    }
    void TearDown() override { fs::remove_all(folder); }

    std::vector<TBeton> Betoni() const { return CitajBetone(FajlBetona(pr)); }
    std::vector<TCelik> Celici() const { return CitajCelike(FajlCelika(pr)); }
    std::string Bajtovi(const char* ime) const { return ProcitajFajl(folder / ime); }

    void DodajBetone(std::initializer_list<const char*> imena) {
        double fck = 20;
        for (const char* ime : imena) {
            ASSERT_TRUE(DodajBeton(pr, {ime, fck, 0.3}, poruke));
            fck += 5;
        }
    }
    // Stored sections using the given records, followed by the working section.
    void SacuvaniPresjeci(std::initializer_list<int> betoni, int celik = 0) {
        pr.presjeci.clear();
        for (int b : betoni) {
            TPresjek p;
            p.Naziv = "P" + std::to_string(pr.presjeci.size() + 1);
            p.Beton = b;
            p.Celik = celik;
            pr.presjeci.push_back(p);
        }
        pr.presjeci.emplace_back();
    }
};

TEST_F(MaterijaliTest, AddedConcreteIsAZeroedRecordWithItsNameCutToSix) {
    const auto prije = Betoni();
    ASSERT_TRUE(DodajBeton(pr, {"ABCDEFGH", 30.5, 0.35}, poruke));
    const auto poslije = Betoni();
    ASSERT_EQ(poslije.size(), prije.size() + 1);
    EXPECT_EQ(poslije.back(), (TBeton{"ABCDEF", 30.5, 0, 0.35, 0}));
    EXPECT_TRUE(std::equal(prije.begin(), prije.end(), poslije.begin()));
    EXPECT_TRUE(poruke.poruke.empty());
}

TEST_F(MaterijaliTest, AddedSteelHasItsNameCutToNine) {
    ASSERT_TRUE(DodajCelik(pr, {"S500-ABCDEF", 500, 200000}, poruke));
    EXPECT_EQ(Celici().back(), (TCelik{"S500-ABCD", 500, 0, 200000}));
}

TEST_F(MaterijaliTest, BadEntryShowsTheErrorAndLeavesBothFilesUntouched) {
    const std::string beton = Bajtovi(BetonFajl);
    const std::string celik = Bajtovi(CelikFajl);
    const NoviMaterijal losi[] = {
        {"", 30, 0.3}, {"C1", std::nullopt, 0.3}, {"C1", 30, std::nullopt}};
    for (const auto& novi : losi) {
        poruke.Obrisi();
        EXPECT_FALSE(DodajBeton(pr, novi, poruke));
        EXPECT_FALSE(DodajCelik(pr, novi, poruke));
        ASSERT_EQ(poruke.poruke.size(), 2u);
        EXPECT_EQ(poruke.poruke[0].tekst, "Podaci nisu dobro zadani");
        EXPECT_EQ(poruke.poruke[0].vrsta, VrstaPoruke::Greska);
        EXPECT_EQ(poruke.poruke[0].dugmad, unsigned(dgOK));
    }
    EXPECT_EQ(Bajtovi(BetonFajl), beton);
    EXPECT_EQ(Bajtovi(CelikFajl), celik);
}

TEST_F(MaterijaliTest, DeletingConcreteNineteenMovesLaterSectionsDownByOne) {
    DodajBetone({"K19", "K20", "K21"});
    SacuvaniPresjeci({20, 21, 5});
    poruke.odgovor = odgDa;
    ASSERT_TRUE(ObrisiBeton(pr, 19, "K19", poruke));
    EXPECT_EQ(pr.presjeci[0].Beton, 19);
    EXPECT_EQ(pr.presjeci[1].Beton, 20);
    EXPECT_EQ(pr.presjeci[2].Beton, 5);
    const auto b = Betoni();
    ASSERT_EQ(b.size(), 21u);
    EXPECT_EQ(b[19].naziv, "K20");
    EXPECT_EQ(b[20].naziv, "K21");
}

TEST_F(MaterijaliTest, ConfirmationNamesTheEntryAfterTwoBlanks) {
    DodajBetone({"K19"});
    ASSERT_TRUE(DodajCelik(pr, {"A4", 400, 200000}, poruke));
    poruke.odgovor = odgDa;
    ASSERT_TRUE(ObrisiBeton(pr, 19, " K19", poruke));
    ASSERT_TRUE(ObrisiCelik(pr, 4, "A4", poruke));
    ASSERT_EQ(poruke.poruke.size(), 2u);
    EXPECT_EQ(poruke.poruke[0].tekst, "Jeste li sigurni da zelite izbrisati beton   K19");
    EXPECT_EQ(poruke.poruke[1].tekst, "Jeste li sigurni da zelite izbrisati celik  A4");
    EXPECT_EQ(poruke.poruke[1].vrsta, VrstaPoruke::Potvrda);
    EXPECT_EQ(poruke.poruke[1].dugmad, dgDaNe);
}

TEST_F(MaterijaliTest, AnsweringNoKeepsTheRecord) {
    DodajBetone({"K19"});
    const std::string prije = Bajtovi(BetonFajl);
    poruke.odgovor = odgNe;
    EXPECT_FALSE(ObrisiBeton(pr, 19, "K19", poruke));
    EXPECT_EQ(Bajtovi(BetonFajl), prije);
}

TEST_F(MaterijaliTest, GradeInUseIsNotDeletedAndTheMessageNamesSectionAndGrade) {
    DodajBetone({"K19", "K20"});
    ASSERT_TRUE(DodajCelik(pr, {"A4", 400, 200000}, poruke));
    SacuvaniPresjeci({19, 20}, 4);
    const std::string beton = Bajtovi(BetonFajl);
    const std::string celik = Bajtovi(CelikFajl);
    poruke.odgovor = odgDa;
    EXPECT_FALSE(ObrisiBeton(pr, 20, "K20", poruke));
    EXPECT_FALSE(ObrisiCelik(pr, 4, "A4", poruke));
    ASSERT_EQ(poruke.poruke.size(), 2u);
    EXPECT_EQ(poruke.poruke[0].tekst,
              "Presjeku P2 je pridruzen beton K20\nPridruzeni beton nemoze biti obrisan!");
    EXPECT_EQ(poruke.poruke[1].tekst,
              "Presjeku P1 je pridruzena armatura A4\nPridruzena armatura nemoze biti obrisana!");
    EXPECT_EQ(poruke.poruke[0].vrsta, VrstaPoruke::Greska);
    EXPECT_EQ(Bajtovi(BetonFajl), beton);
    EXPECT_EQ(Bajtovi(CelikFajl), celik);
    EXPECT_EQ(pr.presjeci[1].Beton, 20);
}

TEST_F(MaterijaliTest, TheWorkingSectionNeitherBlocksNorIsMoved) {
    DodajBetone({"K19", "K20"});
    SacuvaniPresjeci({});
    pr.Radni().Beton = 20;
    poruke.odgovor = odgDa;
    EXPECT_TRUE(ObrisiBeton(pr, 19, "K19", poruke));
    EXPECT_EQ(pr.Radni().Beton, 20);
}

TEST_F(MaterijaliTest, BuiltInAndMissingRecordsAreNeverDeletedNorAskedAbout) {
    DodajBetone({"K19"});
    SacuvaniPresjeci({18, 3});
    const std::string beton = Bajtovi(BetonFajl);
    const std::string celik = Bajtovi(CelikFajl);
    poruke.odgovor = odgDa;
    for (int i : {-1, 0, 18, 20, 100}) {
        EXPECT_FALSE(ObrisiBeton(pr, i, "x", poruke)) << i;
    }
    for (int i : {-1, 3, 4}) {
        EXPECT_FALSE(ObrisiCelik(pr, i, "x", poruke)) << i;
    }
    EXPECT_TRUE(poruke.poruke.empty());
    EXPECT_EQ(Bajtovi(BetonFajl), beton);
    EXPECT_EQ(Bajtovi(CelikFajl), celik);
}

TEST_F(MaterijaliTest, AddingThenDeletingRestoresTheFileByteForByte) {
    const std::string beton = Bajtovi(BetonFajl);
    const std::string celik = Bajtovi(CelikFajl);
    DodajBetone({"K19", "K20"});
    ASSERT_TRUE(DodajCelik(pr, {"A4", 400, 200000}, poruke));
    poruke.odgovor = odgDa;
    ASSERT_TRUE(ObrisiBeton(pr, 20, "K20", poruke));
    ASSERT_TRUE(ObrisiBeton(pr, 19, "K19", poruke));
    ASSERT_TRUE(ObrisiCelik(pr, 4, "A4", poruke));
    EXPECT_EQ(Bajtovi(BetonFajl), beton);
    EXPECT_EQ(Bajtovi(CelikFajl), celik);
}

TEST_F(MaterijaliTest, WithAProjectOpenOnlyTheTemporaryCopiesChange) {
    pr.katalozi = test::UgradjeniKatalozi();
    ZapisiPrivremeneKopije(pr);
    const std::string beton = Bajtovi(BetonFajl);
    const std::string celik = Bajtovi(CelikFajl);
    DodajBetone({"K19"});
    ASSERT_TRUE(DodajCelik(pr, {"A4", 400, 200000}, poruke));
    EXPECT_EQ(Bajtovi(BetonFajl), beton);
    EXPECT_EQ(Bajtovi(CelikFajl), celik);
    EXPECT_EQ(CitajBetone(folder / PrivremeniBetonFajl).back().naziv, "K19");
    EXPECT_EQ(CitajCelike(folder / PrivremeniCelikFajl).back().naziv, "A4");
}

TEST_F(MaterijaliTest, MalformedCatalogueFailsCleanlyAndStaysAsItWas) {
    ZapisiAtomski(folder / BetonFajl, std::string(41, '\x01'));
    SacuvaniPresjeci({20});
    EXPECT_THROW(DodajBeton(pr, {"K", 1, 1}, poruke), GreskaFajla);
    EXPECT_THROW(ObrisiBeton(pr, 19, "K", poruke), GreskaFajla);
    EXPECT_EQ(Bajtovi(BetonFajl), std::string(41, '\x01'));
    EXPECT_EQ(pr.presjeci[0].Beton, 20);
}

TEST(IndeksNakonBrisanja, FollowsEveryDeletionInItsOrder) {
    struct Red {
        int indeks;
        std::vector<int> izbrisani;
        std::optional<int> poslije;
    };
    const Red redovi[] = {{20, {}, 20},     {20, {19}, 19},     {20, {20}, std::nullopt},
                          {20, {21}, 20},   {22, {19, 19}, 20}, {21, {19, 20}, std::nullopt},
                          {3, {19, 20}, 3}, {25, {24, 19}, 23}, {-1, {19}, -1}};
    for (const Red& r : redovi)
        EXPECT_EQ(IndeksNakonBrisanja(r.indeks, r.izbrisani), r.poslije) << r.indeks;
}

} // namespace
} // namespace nmk
