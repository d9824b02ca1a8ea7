#include "data/sistem.h"

#include "common/katalozi.h"
#include "data/fajl.h"
#include "data/katalog_fajl.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace nmk {
namespace {

namespace fs = std::filesystem;

class Sistem : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("nmk_sistem_" + std::to_string(::getpid()) + "_" +
                  std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }
    void KopirajKataloge() {
        fs::copy_file(test::ProgramskiFolder() / BetonFajl, folder / BetonFajl);
        fs::copy_file(test::ProgramskiFolder() / CelikFajl, folder / CelikFajl);
    }
    fs::path folder;
};

TEST_F(Sistem, CreatesTheDefaultsTheCataloguesAndOneCurrentSection) {
    KopirajKataloge();
    Projekat pr;
    pr.sistem.Alfa = 0.5f;
    pr.betonEx.fi = 9;
    pr.presjeci.resize(4);
    KreirajProjekat(pr, folder);
    EXPECT_EQ(pr.folder, folder);
    EXPECT_EQ(pr.sistem.Alfa, 0.85f);
    EXPECT_TRUE(pr.sistem.PrikaziPoruke);
    EXPECT_EQ(pr.betonEx.fi, 2.5);
    EXPECT_EQ(pr.BrojBetona(), 19);
    EXPECT_EQ(pr.BrojCelika(), 4);
    ASSERT_EQ(pr.BrojPresjeka(), 1);
    EXPECT_EQ(&pr.Trenutni(), &pr.Radni());
    EXPECT_TRUE(pr.Trenutni().Ispravan);
    EXPECT_TRUE(PostojeKatalozi(pr));
}

TEST_F(Sistem, SkipsMissingCataloguesWithoutAMessage) {
    Projekat pr;
    KreirajProjekat(pr, folder);
    EXPECT_EQ(pr.BrojBetona(), 0);
    EXPECT_EQ(pr.BrojCelika(), 0);
    EXPECT_EQ(pr.BrojPresjeka(), 1);
    EXPECT_FALSE(PostojeKatalozi(pr));
}

TEST_F(Sistem, RefusesACatalogueWhoseSizeIsNotAMultipleOf40) {
    KopirajKataloge();
    ZapisiAtomski(folder / CelikFajl, std::string(41, '\0'));
    Projekat pr;
    EXPECT_THROW(KreirajProjekat(pr, folder), GreskaFajla);
}

TEST_F(Sistem, NamesBothCatalogueFilesWhicheverIsMissing) {
    fs::copy_file(test::ProgramskiFolder() / BetonFajl, folder / BetonFajl);
    Projekat pr;
    KreirajProjekat(pr, folder);
    EXPECT_FALSE(PostojeKatalozi(pr));
    EXPECT_EQ(PorukaNedostajuKatalozi(pr), "Program nemoze raditi bez sljedecih fajlova:\n" +
                                               PutanjaUtf8(folder / "Beton.mtr") + "\n" +
                                               PutanjaUtf8(folder / "Celik.mtr"));
}

TEST_F(Sistem, ReleaseDeletesTheTemporaryCopiesOnlyWhenInUse) {
    KopirajKataloge();
    for (bool uUpotrebi : {false, true}) {
        Projekat pr;
        KreirajProjekat(pr, folder);
        ZapisiPrivremeneKopije(pr);
        pr.sistem.PrivremeniMaterijali = uUpotrebi;
        { KrajProcesa kraj(pr); }
        EXPECT_EQ(fs::exists(folder / PrivremeniBetonFajl), !uUpotrebi);
        EXPECT_EQ(fs::exists(folder / PrivremeniCelikFajl), !uUpotrebi);
        EXPECT_TRUE(fs::exists(folder / BetonFajl));
        EXPECT_EQ(pr.BrojPresjeka(), 0);
        EXPECT_EQ(pr.BrojBetona(), 0);
        EXPECT_FALSE(pr.sistem.PrivremeniMaterijali);
    }
}

TEST(FolderPrograma, IsTheFolderOfTheRunningExecutable) {
    const fs::path folder = FolderPrograma("ignored");
    // Test executables are built into the tests folder beside the program's folder.
    EXPECT_EQ(fs::canonical(folder),
              fs::canonical(test::ProgramskiFolder().parent_path() / "tests"));
}

} // namespace
} // namespace nmk
