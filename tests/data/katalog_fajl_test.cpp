#include "common/katalozi.h"
#include "common/pomocnici.h"
#include "data/fajl.h"
#include "data/katalog_fajl.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace nmk {
namespace {

namespace fs = std::filesystem;

struct PrivremeniFolder {
    fs::path put;
    PrivremeniFolder() {
        put = fs::temp_directory_path() /
              ("nmk_katalog_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(put);
        fs::create_directories(put);
    }
    ~PrivremeniFolder() { fs::remove_all(put); }
};

TEST(UgradjeniKatalozi, HoldTheShippedGradesInIndexOrder) {
    const Katalozi k = test::UgradjeniKatalozi();
    ASSERT_EQ(k.BrojBetona(), 19);
    ASSERT_EQ(k.BrojCelika(), 4);
    EXPECT_EQ(k.beton[0], (TBeton{"MB 15", 15, 10.5, 0.60, 0}));
    EXPECT_EQ(k.beton[9], (TBeton{"MB 60", 60, 33.0, 1.60, 0}));
    EXPECT_EQ(k.beton[14], (TBeton{"C30/37", 30, 17.0, 0.34, 0}));
    EXPECT_EQ(k.beton[18], (TBeton{"C50/60", 50, 28.33, 0.48, 0}));
    EXPECT_EQ(k.celik[0], (TCelik{"GA240/360", 240, 240, 210000}));
    EXPECT_EQ(k.celik[3], (TCelik{"B500", 500, 0, 200000}));
}

TEST(KodirajBeton, WritesTheFortyByteLayoutWithZeroPadding) {
    const std::string z = KodirajBeton({"MB 15", 15, 10.5, 0.6, 0});
    ASSERT_EQ(z.size(), VelicinaZapisa);
    EXPECT_EQ(z[0], 5);
    EXPECT_EQ(z.substr(1, 5), "MB 15");
    EXPECT_EQ(z.substr(6, 2), std::string(2, '\0'));
    // 15.0 = 0x402E000000000000, little-endian at offset 8.
    EXPECT_EQ(static_cast<unsigned char>(z[15]), 0x40);
    EXPECT_EQ(static_cast<unsigned char>(z[14]), 0x2E);
    EXPECT_EQ(z.substr(32, 8), std::string(8, '\0'));
}

TEST(KodirajCelik, CutsTheNameToNineCharactersAndPadsTheRecord) {
    const std::string z = KodirajCelik({"ABCDEFGHIJK", 500, 0, 200000});
    ASSERT_EQ(z.size(), VelicinaZapisa);
    EXPECT_EQ(z[0], 9);
    EXPECT_EQ(z.substr(1, 9), "ABCDEFGHI");
    EXPECT_EQ(z.substr(10, 6), std::string(6, '\0'));
    EXPECT_EQ(DekodirajCelik(z).naziv, "ABCDEFGHI");
}

TEST(KodirajBeton, StoresNonAsciiNamesInTheEightBitCodePage) {
    const std::string z = KodirajBeton({"Čžš", 20, 0, 0.3, 0});
    EXPECT_EQ(z[0], 3);
    EXPECT_EQ(static_cast<unsigned char>(z[1]), 0xC8); // Č in Windows-1250
    EXPECT_EQ(DekodirajBeton(z).naziv, "Čžš");
}

TEST(CitajBetone, RejectsAFileWhoseSizeIsNotAMultipleOfForty) {
    PrivremeniFolder f;
    std::ofstream(f.put / "Beton.mtr", std::ios::binary) << std::string(41, '\0');
    EXPECT_THROW(CitajBetone(f.put / "Beton.mtr"), GreskaFajla);
}

TEST(UcitajBetone, LoadsTwentyRecordsFromEightHundredBytes) {
    PrivremeniFolder f;
    Projekat pr;
    pr.folder = f.put;
    std::vector<TBeton> zapisi(20, TBeton{"X", 1, 2, 3, 0});
    ZapisiBetone(f.put / BetonFajl, zapisi);
    EXPECT_EQ(fs::file_size(f.put / BetonFajl), 800u);
    ASSERT_TRUE(UcitajBetone(pr));
    EXPECT_EQ(pr.BrojBetona(), 20);
}

TEST(UcitajBetone, AMissingFileLeavesTheCatalogueAsItWas) {
    PrivremeniFolder f;
    Projekat pr;
    pr.folder = f.put;
    pr.katalozi.beton.assign(3, TBeton{});
    EXPECT_FALSE(UcitajBetone(pr));
    EXPECT_EQ(pr.BrojBetona(), 3);
}

TEST(UcitajCelike, ReadsTheTemporaryCopyWhileAProjectIsOpen) {
    PrivremeniFolder f;
    Projekat pr;
    pr.folder = f.put;
    ZapisiCelike(f.put / CelikFajl, {TCelik{"A", 1, 0, 2}});
    pr.katalozi.celik = {TCelik{"A", 1, 0, 2}, TCelik{"B", 3, 0, 4}};
    ZapisiPrivremeneKopije(pr);
    EXPECT_TRUE(pr.sistem.PrivremeniMaterijali);
    pr.katalozi.celik.clear();
    ASSERT_TRUE(UcitajCelike(pr));
    EXPECT_EQ(pr.BrojCelika(), 2);
    ObrisiPrivremeneKopije(pr);
    EXPECT_FALSE(fs::exists(f.put / PrivremeniCelikFajl));
    EXPECT_TRUE(fs::exists(f.put / CelikFajl));
}

} // namespace
} // namespace nmk
