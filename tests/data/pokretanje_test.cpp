// The start of the process with recorded windows: which catalogue failures end the run, and
// that the interactive program (never a batch) shows them in a box.
#include "data/pokretanje.h"

#include "common/katalozi.h"
#include "data/fajl.h"
#include "data/katalog_fajl.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <unistd.h>

namespace nmk {
namespace {

namespace fs = std::filesystem;

class PokretanjeProcesa : public ::testing::Test {
public:
    fs::path folder;
    std::vector<std::string> kutije;
    int interaktivnih = 0;
    Prozori prozori{.interaktivno = [this](int, char**, Projekat&) { return ++interaktivnih, 0; },
                    .greska = [this](const std::string& t) { kutije.push_back(t); }};

    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("nmk_pokretanje_" +
                  std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                  "_" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        for (const char* ime : {BetonFajl, CelikFajl})
            fs::copy_file(test::ProgramskiFolder() / ime, folder / ime);
    }
    void TearDown() override { fs::remove_all(folder); }

    int Pokreni(std::vector<std::string> argumenti) {
        argumenti.insert(argumenti.begin(), (folder / "nosivometrik").string());
        std::vector<char*> argv;
        for (std::string& a : argumenti)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        Projekat pr;
        return nmk::Pokreni(static_cast<int>(argumenti.size()), argv.data(), folder, pr, prozori);
    }
};

TEST_F(PokretanjeProcesa, ABrokenOrMissingCatalogueIsABoxOnlyForTheInteractiveProgram) {
    struct Slucaj {
        const char* sta;
        std::function<void(const fs::path&)> pokvari;
    };
    const Slucaj slucajevi[] = {
        {"truncated", [](const fs::path& f) { fs::resize_file(f / BetonFajl, 799); }},
        {"missing", [](const fs::path& f) { fs::remove(f / CelikFajl); }},
    };
    for (const Slucaj& s : slucajevi) {
        SetUp();
        s.pokvari(folder);
        kutije.clear();
        EXPECT_EQ(Pokreni({"DIM"}), izlazPokretanje) << s.sta;
        EXPECT_TRUE(kutije.empty()) << s.sta;
        EXPECT_EQ(Pokreni({}), izlazPokretanje) << s.sta;
        ASSERT_EQ(kutije.size(), 1u) << s.sta;
        EXPECT_NE(kutije[0].find(s.sta == std::string("missing") ? "Celik.mtr" : "Beton.mtr"),
                  std::string::npos)
            << kutije[0];
        EXPECT_EQ(interaktivnih, 0) << s.sta;
    }
}

TEST_F(PokretanjeProcesa, WholeCataloguesStartTheInteractiveProgramWithoutABox) {
    EXPECT_EQ(Pokreni({"projekat.nmk"}), 0);
    EXPECT_EQ(interaktivnih, 1);
    EXPECT_TRUE(kutije.empty());
}

} // namespace
} // namespace nmk
