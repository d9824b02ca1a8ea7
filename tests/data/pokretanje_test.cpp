// The start of the process with recorded windows: a catalogue that is missing or cannot be
// read ends the run, and only the interactive program shows it in a box.
#include "data/pokretanje.h"

#include "common/katalozi.h"
#include "data/katalog_fajl.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

namespace nmk {
namespace {

namespace fs = std::filesystem;

TEST(Pokreni, ABrokenOrMissingCatalogueIsABoxOnlyForTheInteractiveProgram) {
    const fs::path folder = fs::temp_directory_path() / ("nmk_start_" + std::to_string(getpid()));
    for (int kvar = 0; kvar < 3; ++kvar) { // 0 whole, 1 truncated concrete, 2 no steel
        fs::remove_all(folder);
        fs::create_directories(folder);
        for (const char* ime : {BetonFajl, CelikFajl})
            fs::copy_file(test::ProgramskiFolder() / ime, folder / ime);
        if (kvar == 1)
            fs::resize_file(folder / BetonFajl, 799);
        if (kvar == 2)
            fs::remove(folder / CelikFajl);
        std::vector<std::string> kutije;
        int prozora = 0;
        const Prozori prozori{.interaktivno = [&](int, char**, Projekat&) { return ++prozora, 0; },
                              .greska = [&](const std::string& t) { kutije.push_back(t); }};
        for (std::string rijec : {"DIM", "projekat.nmk"}) {
            char ime[] = "nosivometrik";
            char* argv[] = {ime, rijec.data(), nullptr};
            Projekat pr;
            const int status = Pokreni(2, argv, folder, pr, prozori);
            EXPECT_TRUE(kvar == 0 || status == izlazPokretanje) << status;
        }
        EXPECT_EQ(prozora, kvar == 0 ? 1 : 0) << kvar;
        ASSERT_EQ(kutije.size(), kvar == 0 ? 0u : 1u) << kvar;
        if (kvar > 0) {
            EXPECT_NE(kutije[0].find(kvar == 1 ? BetonFajl : CelikFajl), std::string::npos);
        }
    }
    fs::remove_all(folder);
}

} // namespace
} // namespace nmk
