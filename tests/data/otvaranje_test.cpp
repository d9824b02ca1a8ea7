// Opening files under memory pressure: a count that the rest of a file cannot hold is refused
// before anything is sized for it, and an allocation failure anywhere while a project, a
// catalogue or an exchange file is opened is the clear error of a damaged file that leaves
// the open project as it was.
#include "common/katalozi.h"
#include "common/pomocnici.h"
#include "data/fajl.h"
#include "data/katalog_fajl.h"
#include "data/projektni_fajl.h"
#include "data/razmjena.h"
#include "data/tok.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <new>
#include <sstream>
#include <string>

// GCC cannot see that the replaced operator new below allocates with malloc.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

// The allocations of this test program: the largest single request, and one request (counted
// from the moment a test arms the counter) that fails as if memory had run out.
namespace {
std::atomic<std::size_t> gNajveca{0};
std::atomic<long> gBrojac{0};
std::atomic<long> gPadNa{0}; // the request that fails; 0: none
std::atomic<bool> gPalo{false};
} // namespace

void* operator new(std::size_t n) {
    std::size_t staro = gNajveca.load();
    while (n > staro && !gNajveca.compare_exchange_weak(staro, n)) {
    }
    if (gPadNa.load() > 0 && ++gBrojac == gPadNa.load()) {
        gPalo = true;
        throw std::bad_alloc();
    }
    if (void* p = std::malloc(n ? n : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace nmk {
namespace {

namespace fs = std::filesystem;
using test::SnimajucePoruke;

// Runs `otvori` once for every allocation it makes, that allocation failing; `priprema` runs
// before each run and `provjeri` judges it, both with every allocation allowed. Answers how
// many allocations one undisturbed run makes.
long ZaSvakuAlokaciju(
    const std::function<void()>& otvori, const std::function<void()>& provjeri,
    const std::function<void()>& priprema = [] {}) {
    for (long k = 1;; ++k) {
        priprema();
        gBrojac = 0;
        gPalo = false;
        gPadNa = k;
        otvori();
        gPadNa = 0;
        if (!gPalo)
            return k - 1;
        provjeri();
    }
}

class Otvaranje : public ::testing::Test {
public:
    fs::path folder;
    Projekat pr;
    SnimajucePoruke poruke;

    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder = fs::temp_directory_path() /
                 (std::string("nmk_otvaranje_") + info->name() + "_" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        fs::copy_file(test::ProgramskiFolder() / BetonFajl, folder / BetonFajl);
        fs::copy_file(test::ProgramskiFolder() / CelikFajl, folder / CelikFajl);
        pr.folder = folder;
        NoviProjekat(pr);
    }
    void TearDown() override { fs::remove_all(folder); }

    // A saved project of `n` named sections and one user concrete.
    fs::path Snimljen(const char* ime, int n, const char* beton) {
        Projekat p = pr;
        p.presjeci.clear();
        for (int i = 0; i < n; ++i) {
            TPresjek s;
            s.Naziv = std::string(ime) + " presjek č" + std::to_string(i);
            s.Mu = 10.0 * i;
            p.presjeci.push_back(s);
        }
        p.katalozi.beton.push_back({beton, 33, 0, 0.35, 0});
        SnimiProjekat(p, folder / ime);
        return folder / ime;
    }
    // Everything of the open project that a file or a later calculation depends on.
    std::string Otisak() {
        SnimiProjekat(pr, folder / "otisak.nmk");
        std::string s = ProcitajFajl(folder / "otisak.nmk");
        for (const char* kopija : {PrivremeniBetonFajl, PrivremeniCelikFajl})
            s += fs::exists(folder / kopija) ? ProcitajFajl(folder / kopija) : "-";
        return s + std::to_string(pr.sistem.PrivremeniMaterijali) +
               std::to_string(pr.sistem.IzabraniPresjek) + std::to_string(pr.trenutni);
    }
};

TEST_F(Otvaranje, AnAllocationFailureAnywhereInOpeningAProjectChangesNothing) {
    ASSERT_TRUE(ProvjeriIUcitaj(pr, Snimljen("a.nmk", 3, "StariB"), poruke));
    const fs::path drugi = Snimljen("b.nmk", 20, "NoviB");
    const std::string prije = Otisak();
    bool ucitan = false;
    const long alokacija = ZaSvakuAlokaciju(
        [&] { ucitan = ProvjeriIUcitaj(pr, drugi, poruke); },
        [&] {
            // A failure that a library absorbed may still leave the whole file read.
            if (ucitan) {
                EXPECT_EQ(pr.BrojPresjeka(), 20);
                ASSERT_TRUE(ProvjeriIUcitaj(pr, folder / "a.nmk", poruke));
                return;
            }
            ASSERT_EQ(poruke.poruke.size(), 1u);
            EXPECT_EQ(poruke.poruke[0].vrsta, VrstaPoruke::Greska);
            EXPECT_EQ(poruke.poruke[0].tekst.rfind("Projekat se ne može otvoriti:\n", 0), 0u);
            EXPECT_EQ(Otisak(), prije);
        },
        [&] { poruke.Obrisi(); });
    EXPECT_GT(alokacija, 20);
}

// A section record at its least encoded size: reals and integers as one-byte integers, a
// false, an empty name.
void NajmanjiPresjek(PisacToka& t) {
    for (int k = 0; k < 19; ++k) // the reals and Status
        t.Cijeli(0);
    t.Logicki(false);
    for (int k = 0; k < 5; ++k) // code, shape, mode, concrete, steel
        t.Cijeli(0);
    t.Tekst("");
}

TEST_F(Otvaranje, ACountTheRestOfAProjectCannotHoldIsRefusedBeforeAnythingIsSized) {
    // One section, then a concrete count of 20,000 records in a file of some 30 kB: each
    // record takes at least 10 bytes, so the file cannot hold them.
    PisacToka t;
    t.Tekst(MagijaProjekta);
    t.Cijeli(1);
    t.Cijeli(PrviKorisnickiBeton + 20000);
    t.Cijeli(PrviKorisnickiCelik);
    NajmanjiPresjek(t);
    t.Sirovo(std::string(30000, '\x08'));
    ZapisiAtomski(folder / "d.nmk", t.Bajtovi());
    gNajveca = 0;
    EXPECT_FALSE(ProvjeriIUcitaj(pr, folder / "d.nmk", poruke));
    EXPECT_LT(gNajveca.load(), 4 * t.Bajtovi().size());
    ASSERT_EQ(poruke.poruke.size(), 1u);
    EXPECT_NE(poruke.poruke[0].tekst.find("Broj betona 20000"), std::string::npos);
}

// A project whose records all take their least encoded size; `dodatni` (0, 1 or 2) makes the
// section, concrete or steel count one larger than the records that follow.
std::string NajmanjiProjekat(std::int64_t n, std::int64_t betona, std::int64_t celika,
                             std::int64_t dodatni) {
    PisacToka t;
    t.Tekst(MagijaProjekta);
    t.Cijeli(n + (dodatni == 0 ? 1 : 0));
    t.Cijeli(PrviKorisnickiBeton + betona + (dodatni == 1 ? 1 : 0));
    t.Cijeli(PrviKorisnickiCelik + celika + (dodatni == 2 ? 1 : 0));
    for (std::int64_t i = 0; i < n; ++i)
        NajmanjiPresjek(t);
    for (std::int64_t i = 0; i < betona + celika; ++i) {
        for (int k = 0; k < (i < betona ? 4 : 3); ++k)
            t.Cijeli(1);
        t.Tekst("");
    }
    return t.Bajtovi();
}

TEST_F(Otvaranje, ARecordCountIsBoundedByTheLeastSizeOfItsRecordsExactly) {
    // The records fit exactly; one record more than the file holds is refused by the counts
    // (the counts share the bytes left, so the last of them may be the one that overflows).
    ZapisiAtomski(folder / "tacno.nmk", NajmanjiProjekat(5, 3, 2, -1));
    EXPECT_TRUE(ProvjeriIUcitaj(pr, folder / "tacno.nmk", poruke));
    EXPECT_EQ(pr.BrojPresjeka(), 5);
    EXPECT_EQ(pr.BrojCelika(), PrviKorisnickiCelik + 2);
    for (int dodatni = 0; dodatni < 3; ++dodatni) {
        poruke.Obrisi();
        ZapisiAtomski(folder / "vise.nmk", NajmanjiProjekat(5, 3, 2, dodatni));
        EXPECT_FALSE(ProvjeriIUcitaj(pr, folder / "vise.nmk", poruke));
        ASSERT_EQ(poruke.poruke.size(), 1u);
        EXPECT_NE(poruke.poruke[0].tekst.find("je veći nego što ostatak fajla"), std::string::npos)
            << poruke.poruke[0].tekst;
    }
}

TEST_F(Otvaranje, AnAllocationFailureInLoadingACatalogueIsAFileErrorThatChangesNothing) {
    const Katalozi prije = pr.katalozi;
    const long alokacija = ZaSvakuAlokaciju(
        [&] {
            try {
                EXPECT_TRUE(UcitajBetone(pr));
            } catch (const GreskaFajla& e) {
                EXPECT_EQ(std::string(e.what()), PorukaPremaloMemorije);
            }
        },
        [&] {
            ASSERT_EQ(pr.katalozi.beton.size(), prije.beton.size());
            EXPECT_EQ(pr.katalozi.beton.back().naziv, prije.beton.back().naziv);
        });
    EXPECT_GT(alokacija, 2);
}

TEST_F(Otvaranje, AnAllocationFailureInReadingAnExchangeFileIsAReadErrorThatKeepsTheFile) {
    PisacToka t;
    t.Realni(1.5);
    t.Realni(1.15);
    t.Cijeli(1);
    t.Cijeli(2);
    for (int i = 0; i < 2; ++i) {
        for (double x : {30.0, 30.0, 60.0, 60.0, 5.0, 5.0, 150.0, -10.0 * i, 100.0})
            t.Realni(x);
        for (int v : {0, 3, 1, 0, 0})
            t.Cijeli(v);
    }
    const fs::path razmjena = folder / RazmjenaFajl;
    int citanja = 0;
    int status = 0;
    std::ostringstream greske;
    ZaSvakuAlokaciju(
        [&] {
            KonzolnePoruke konzola(greske);
            status = PokreniDim(pr, konzola);
        },
        [&] {
            if (status == izlazUspjeh)
                return;
            EXPECT_EQ(ProcitajFajl(razmjena), t.Bajtovi());
            EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 3);
            // A failure while the file is read says so and is a read error.
            if (greske.str().find(PorukaPremaloMemorije) != std::string::npos) {
                EXPECT_EQ(status, izlazCitanje) << greske.str();
                ++citanja;
            }
        },
        [&] {
            ZapisiAtomski(razmjena, t.Bajtovi());
            greske.str("");
        });
    EXPECT_GT(citanja, 0);
}

} // namespace
} // namespace nmk
