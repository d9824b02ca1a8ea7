// The real executable in a folder of its own: start-up, the required files, the mode words
// and the DIM run, with the exit status that a calling program relies on.
#include "e2e/program.h"

#include "common/katalozi.h"
#include "data/razmjena.h"
#include "data/tok.h"

#include <gtest/gtest.h>

#include <random>

namespace nmk::test {
namespace {

// Two groups: a PBAB beam, an EC 2 beam under a negative moment, a compressed column.
const char* const kDimTekst = R"(real 1.5
real 1.15
int 2
int 1
real 30  real 30  real 60  real 60  real 5  real 5  real 150  real 0  real 100
int 0  int 3  int 1  int 0  int 0
int 2
real 25  real 25  real 50  real 50  real 4  real 4  real -90  real 40  real 60
int 1  int 13  int 3  int 0  int 0
real 40  real 40  real 40  real 40  real 4  real 4  real 30  real -2400  real 20
int 1  int 14  int 3  int 0  int 1
)";

// The text format takes one value a line; the table above is easier to read with several.
std::string JednaPoRedu(std::string tekst) {
    std::string r;
    std::size_t i = 0;
    while (i < tekst.size()) {
        const std::size_t kraj = tekst.find_first_of("\n", i);
        std::string red = tekst.substr(i, kraj - i);
        i = kraj == std::string::npos ? tekst.size() : kraj + 1;
        std::size_t p = 0;
        while (p < red.size()) {
            const std::size_t sljedeci = red.find("  ", p);
            r += red.substr(p, sljedeci - p) + "\n";
            p = sljedeci == std::string::npos ? red.size() : sljedeci + 2;
        }
    }
    return r;
}

TEST(Program, RunsDimNextToTheExecutableAndWritesTheResults) {
    PrivremeniProgram f;
    f.NapraviRazmjenu(JednaPoRedu(kDimTekst));
    const std::string ulaz = ProcitajFajl(f.Razmjena());
    const auto r = f.Program("DIM");
    EXPECT_EQ(r.status, 0) << r.greske;
    EXPECT_EQ(r.greske, "");
    EXPECT_EQ(r.izlaz, "");
    // The same batch in this process, with the shipped catalogues.
    Projekat pr;
    pr.katalozi = UgradjeniKatalozi();
    pr.sistem.PrikaziPoruke = false;
    TihePoruke tihe;
    EXPECT_EQ(ProcitajFajl(f.Razmjena()), ObradiDim(pr, ulaz, tihe));
    EXPECT_EQ(std::distance(fs::directory_iterator(f.Putanja()), {}), 5); // nothing left over
}

TEST(Program, NamesBothCatalogueFilesWhenOneIsMissingAndRunsNoMode) {
    PrivremeniProgram f;
    fs::remove(f.Putanja() / "Celik.mtr");
    f.NapraviRazmjenu("real 1.5\nreal 1.15\nint 0\n");
    const auto r = f.Program("UGIB");
    EXPECT_NE(r.status, 0);
    EXPECT_EQ(r.greske, "Greska !!!: Program nemoze raditi bez sljedecih fajlova:\n" +
                            (f.Putanja() / "Beton.mtr").string() + "\n" +
                            (f.Putanja() / "Celik.mtr").string() + "\n");
    EXPECT_EQ(f.CitajRazmjenu(), "real 1.5\nreal 1.15\nint8 0\n");
}

// A build with windows starts the interactive program for any other word; that path
// belongs to the window's tests.
bool SaProzorima() {
    const std::string cache = ProcitajFajl(BinFolder().parent_path() / "CMakeCache.txt");
    return cache.find("NMK_BUILD_UI:BOOL=ON") != std::string::npos;
}

TEST(Program, TakesOnlyExactModeWords) {
    PrivremeniProgram f;
    f.NapraviRazmjenu("real 1.5\nreal 1.15\nint 0\n");
    if (!SaProzorima()) {
        for (const char* nije : {"dim", "Dim", "DIM_", "", "PRSLINEX"}) {
            const auto r = f.Program(Navodnici(nije));
            EXPECT_NE(r.status, 0) << nije;
            EXPECT_NE(r.greske.find("Upotreba"), std::string::npos) << nije;
            EXPECT_EQ(f.CitajRazmjenu(), "real 1.5\nreal 1.15\nint8 0\n") << nije;
        }
    }
    EXPECT_EQ(f.Program("DIM").status, 0);
    EXPECT_EQ(f.CitajRazmjenu(), "int8 0\n");
}

TEST(Program, ReportsAMissingExchangeFileInEveryMode) {
    PrivremeniProgram f;
    for (const char* rezim : {"DIM", "UGIB", "PRSLINE"}) {
        const auto r = f.Program(rezim);
        EXPECT_EQ(r.status, izlazNemaFajla) << rezim;
        EXPECT_EQ(r.greske, "Greska !!!: Dimenzioniranje nemoze biti izvrseno!\n") << rezim;
        EXPECT_FALSE(fs::exists(f.Razmjena()));
    }
}

TEST(Program, LeavesAFileThatCannotBeReadUnchanged) {
    PrivremeniProgram f;
    f.NapraviRazmjenu("real 1.5\nreal 1.15\nint 1\nint 1\nreal 30\n");
    const std::string prije = ProcitajFajl(f.Razmjena());
    for (const char* rezim : {"DIM", "UGIB", "PRSLINE"}) {
        const auto r = f.Program(rezim);
        EXPECT_EQ(r.status, izlazCitanje) << rezim;
        EXPECT_EQ(r.greske.rfind("Greška: ", 0), 0u) << r.greske;
        EXPECT_EQ(ProcitajFajl(f.Razmjena()), prije);
    }
}

TEST(Program, EndsEveryMutatedFileInResultsOrAnUnchangedFile) {
    PrivremeniProgram f;
    f.NapraviRazmjenu(JednaPoRedu(kDimTekst));
    const std::string ulaz = ProcitajFajl(f.Razmjena());
    std::mt19937 gen(3);
    for (int i = 0; i < 12; ++i) {
        std::string m = ulaz;
        m[gen() % m.size()] = static_cast<char>(gen());
        ZapisiAtomski(f.Razmjena(), m);
        const auto r = f.Program("DIM");
        ASSERT_TRUE(r.status == 0 || (r.status >= 2 && r.status <= 4)) << r.status << r.greske;
        if (r.status != 0) {
            EXPECT_EQ(ProcitajFajl(f.Razmjena()), m);
        }
    }
}

} // namespace
} // namespace nmk::test
