// Damaged exchange files: every truncation of a valid file and thousands of single-byte
// mutations must end either in valid results or in a clean read or calculation error, never
// in a crash, a hang, a huge allocation, or a changed input file.
#include "data/razmjena.h"

#include "common/katalozi.h"
#include "data/fajl.h"
#include "engine/greska.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <new>
#include <random>
#include <sstream>
#include <string>

// GCC cannot see that the replaced operator new below allocates with malloc.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

// The largest single allocation of the process, so that a length or count taken from a file
// can be seen to be trusted for an allocation.
namespace {
std::atomic<std::size_t> gNajvecaAlokacija{0};
}

void* operator new(std::size_t n) {
    std::size_t staro = gNajvecaAlokacija.load();
    while (n > staro && !gNajvecaAlokacija.compare_exchange_weak(staro, n)) {
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

using Obrada = std::function<std::string(Projekat&, std::string_view, Poruke&)>;

void PisiGeometriju(PisacToka& t, double b, double b0, double h, double h0) {
    for (double x : {b, b0, h, h0, 4.0, 4.0})
        t.Realni(x);
}

void PisiSifre(PisacToka& t, int propis, int beton, int celik, int oblik) {
    for (int v : {propis, beton, celik, oblik, 0})
        t.Cijeli(v);
}

std::string DimUlaz() {
    PisacToka t;
    t.Realni(1.5);
    t.Realni(1.15);
    t.Cijeli(2);
    t.Cijeli(2);
    PisiGeometriju(t, 30, 30, 50, 50);
    for (double x : {120.0, -50.0, 90.0})
        t.Realni(x);
    PisiSifre(t, 0, 3, 1, 0);
    PisiGeometriju(t, 100, 25, 60, 12);
    for (double x : {-250.0, 0.0, 150.0})
        t.Realni(x);
    PisiSifre(t, 1, 14, 3, 1);
    t.Cijeli(1);
    PisiGeometriju(t, 40, 40, 40, 40);
    for (double x : {30.0, -2500.0, 20.0})
        t.Realni(x);
    PisiSifre(t, 1, 12, 3, 0);
    return t.Bajtovi();
}

void PisiServisHead(PisacToka& t) {
    for (double x : {2.5, 0.8, 0.0003, 0.8, 1.0, 0.5})
        t.Realni(x);
}

void PisiSipke(PisacToka& t, int dg, int ng, int dd, int nd) {
    for (int v : {dg, ng, dd, nd})
        t.Cijeli(v);
}

std::string UgibUlaz() {
    PisacToka t;
    PisiServisHead(t);
    t.Realni(0.6);
    t.Cijeli(3);
    t.Cijeli(1);
    PisiGeometriju(t, 30, 30, 50, 50);
    for (double x : {80.0, 0.0, 1.2, 0.104, 500.0})
        t.Realni(x);
    PisiSifre(t, 1, 14, 3, 0);
    PisiSipke(t, 12, 2, 16, 4);
    t.Cijeli(0);
    t.Cijeli(1);
    PisiGeometriju(t, 30, 30, 50, 50);
    for (double x : {-60.0, -100.0, 0.9, 0.125, 450.0})
        t.Realni(x);
    PisiSifre(t, 0, 3, 1, 0);
    PisiSipke(t, 14, 3, 12, 2);
    return t.Bajtovi();
}

std::string PrslineUlaz() {
    PisacToka t;
    PisiServisHead(t);
    t.Cijeli(2);
    t.Cijeli(1);
    PisiGeometriju(t, 30, 30, 50, 50);
    for (double x : {3.0, 90.0, 0.0})
        t.Realni(x);
    PisiSifre(t, 1, 14, 3, 0);
    PisiSipke(t, 12, 2, 16, 4);
    t.Cijeli(2);
    return t.Bajtovi();
}

struct Slucaj {
    const char* naziv;
    std::string (*ulaz)();
    Obrada obrada;
};

const Slucaj kSlucajevi[] = {
    {"DIM", DimUlaz, ObradiDim},
    {"UGIB", UgibUlaz, ObradiUgib},
    {"PRSLINE", PrslineUlaz, ObradiPrsline},
};

enum class Ishod { Rezultati, GreskaCitanja, GreskaProracuna };

// One run in memory; any exception other than the two clean errors fails the test.
Ishod Obradi(const Slucaj& s, std::string_view bajtovi) {
    Projekat pr;
    static const Katalozi katalozi = test::UgradjeniKatalozi();
    pr.katalozi = katalozi;
    pr.sistem.PrikaziPoruke = false;
    TihePoruke tihe;
    gNajvecaAlokacija = 0;
    try {
        const std::string izlaz = s.obrada(pr, bajtovi, tihe);
        // Valid results: a well-formed stream whose reals are all finite.
        CitacToka c(izlaz);
        while (!c.Kraj()) {
            if (c.SljedeciTag() == tag::Real80)
                EXPECT_TRUE(std::isfinite(c.Realni()));
            else
                c.Cijeli();
        }
        return Ishod::Rezultati;
    } catch (const GreskaCitanja&) {
        return Ishod::GreskaCitanja;
    } catch (const GreskaProracuna&) {
        return Ishod::GreskaProracuna;
    }
}

constexpr std::size_t kNajvecaDozvoljena = 1 << 20;

TEST(Robustnost, TheValidFilesGiveResults) {
    for (const auto& s : kSlucajevi)
        EXPECT_EQ(Obradi(s, s.ulaz()), Ishod::Rezultati) << s.naziv;
}

TEST(Robustnost, EveryTruncationIsAReadError) {
    for (const auto& s : kSlucajevi) {
        const std::string ulaz = s.ulaz();
        for (std::size_t n = 0; n < ulaz.size(); ++n) {
            ASSERT_EQ(Obradi(s, std::string_view(ulaz).substr(0, n)), Ishod::GreskaCitanja)
                << s.naziv << " cut at " << n;
            ASSERT_LT(gNajvecaAlokacija.load(), kNajvecaDozvoljena);
        }
    }
}

TEST(Robustnost, SingleByteMutationsEndCleanly) {
    std::mt19937 gen(7);
    for (const auto& s : kSlucajevi) {
        const std::string ulaz = s.ulaz();
        int rezultati = 0, greske = 0;
        for (int i = 0; i < 1000; ++i) {
            std::string m = ulaz;
            const std::size_t pos = gen() % m.size();
            // Half the mutations flip to a value often seen in lengths and tags.
            const unsigned char nova =
                (i % 2) ? static_cast<unsigned char>(gen())
                        : static_cast<unsigned char>(
                              "\x00\x7f\x80\xff\x02\x03\x04\x05\x06\x0c\x12\x13\x14"[gen() % 13]);
            m[pos] = static_cast<char>(nova);
            const Ishod ishod = Obradi(s, m);
            ASSERT_LT(gNajvecaAlokacija.load(), kNajvecaDozvoljena) << s.naziv << " at " << pos;
            (ishod == Ishod::Rezultati ? rezultati : greske)++;
        }
        // Both outcomes occur, so the mutations reach the reader and the calculations.
        EXPECT_GT(rezultati, 0) << s.naziv;
        EXPECT_GT(greske, 0) << s.naziv;
    }
}

TEST(Robustnost, AFailedRunOnAFileLeavesItByteForByte) {
    const fs::path folder =
        fs::temp_directory_path() / ("nmk_robustnost_" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::mt19937 gen(11);
    const std::string ulaz = DimUlaz();
    int neuspjesnih = 0;
    for (int i = 0; i < 200; ++i) {
        std::string m = ulaz;
        m[gen() % m.size()] = static_cast<char>(gen());
        if (i % 4 == 0)
            m.resize(gen() % m.size());
        ZapisiAtomski(folder / RazmjenaFajl, m);
        Projekat pr;
        pr.folder = folder;
        pr.katalozi = test::UgradjeniKatalozi();
        std::ostringstream tisina;
        KonzolnePoruke konzola(tisina);
        const int status = PokreniDim(pr, konzola);
        if (status != izlazUspjeh) {
            ++neuspjesnih;
            EXPECT_EQ(ProcitajFajl(folder / RazmjenaFajl), m);
            EXPECT_FALSE(tisina.str().empty());
        }
        EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 1);
    }
    EXPECT_GT(neuspjesnih, 0);
    fs::remove_all(folder);
}

} // namespace
} // namespace nmk
